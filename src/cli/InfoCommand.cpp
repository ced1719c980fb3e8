#include "cli/Commands.h"

int RunInfo(const QStringList&)
{
    return 1;
}
