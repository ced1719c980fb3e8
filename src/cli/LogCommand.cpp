#include "cli/Commands.h"

int RunLog(const QStringList&)
{
    return 1;
}
