#include "cli/Commands.h"

int RunExport(const QStringList&)
{
    return 1;
}
