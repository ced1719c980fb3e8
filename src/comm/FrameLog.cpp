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
    if (grid.columnCount() < frame.size()) {
        const int oldColumns = grid.columnCount();
        grid.setColumnCount(int(frame.size()));
        // Received rows are green to the last column, also where a longer frame widened the log.
        for (int r = 1; r < row; ++r)
            if (grid.text(0, r) == QStringLiteral("RECV") &&
                grid.backColour(1, r) == WinRgb::LightGreen)
                grid.setBlockBackColour(oldColumns + 1, r, grid.columnCount(), r,
                                        WinRgb::LightGreen);
    }
    grid.setText(0, row, label);
    for (qsizetype i = 0; i < frame.size(); ++i)
        grid.setText(int(i) + 1, row, ToHex2(quint8(frame[i])));
    if (label == QStringLiteral("RECV"))
        grid.setBlockBackColour(1, row, grid.columnCount(), row, WinRgb::LightGreen);
    return row;
}
