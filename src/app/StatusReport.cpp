#include "app/StatusReport.h"

#include "core/TextTable.h"

QStringList StatusRows(const TextTable& sprdStatus) {
    QStringList rows;
    for (int r = 1; r <= sprdStatus.rowCount(); ++r) {
        QStringList cells;
        for (int c = 1; c <= sprdStatus.columnCount(); ++c)
            cells << sprdStatus.text(c, r);
        rows << cells.join(u'\t');
    }
    return rows;
}
