#include "cli/Commands.h"

int RunPoll(const QStringList&)
{
    return 1;
}
