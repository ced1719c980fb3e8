#include "comm/FrameLog.h"

#include "comm/ByteConversions.h"
#include "core/TextTable.h"
#include "core/WinRgb.h"

int LogFrame(const QString& label, const QByteArray& frame, TextTable& grid) {
    int row = grid.rowCount() + 1;
    if (row > FrameLogCapacity) {
        // The log restarts rather than scrolls: it keeps memory bounded on a link that runs
        // for days, and the rows shown are always the most recent ones.
        grid.setRowCount(0);
        row = 1;
    }
    grid.setRowCount(row);
    if (grid.columnCount() < frame.size())
        grid.setColumnCount(int(frame.size()));
    grid.setText(0, row, label);
    for (qsizetype i = 0; i < frame.size(); ++i)
        grid.setText(int(i) + 1, row, ToHex2(quint8(frame[i])));
    if (label == QStringLiteral("RECV"))
        grid.setBlockBackColour(1, row, grid.columnCount(), row, WinRgb::LightGreen);
    return row;
}
