#include "comm/FrameLog.h"

#include "comm/ByteConversions.h"
#include "core/TextTable.h"
#include "core/WinRgb.h"

namespace {

// The background of a row by its label: received frames light green, late replies (dropped)
// light yellow, sent frames none.
int rowColour(const QString& label) {
    if (label == QStringLiteral("RECV"))
        return WinRgb::LightGreen;
    if (label == QStringLiteral("LATE"))
        return WinRgb::LightYellow;
    return TextTable::NoColour;
}

} // namespace

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
        // Received rows keep their colour to the last column, also where a longer frame widened
        // the log.
        for (int r = 1; r < row; ++r) {
            const int colour = rowColour(grid.text(0, r));
            if (colour != TextTable::NoColour && grid.backColour(1, r) == colour)
                grid.setBlockBackColour(oldColumns + 1, r, grid.columnCount(), r, colour);
        }
    }
    grid.setText(0, row, label);
    for (qsizetype i = 0; i < frame.size(); ++i)
        grid.setText(int(i) + 1, row, ToHex2(quint8(frame[i])));
    if (const int colour = rowColour(label); colour != TextTable::NoColour)
        grid.setBlockBackColour(1, row, grid.columnCount(), row, colour);
    return row;
}
