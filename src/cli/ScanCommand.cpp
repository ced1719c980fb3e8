#include "cli/Commands.h"

int RunScan(const QStringList&)
{
    return 1;
}
