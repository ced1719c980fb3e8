#pragma once

#include <QByteArray>
#include <QString>

class TextTable;

constexpr int FrameLogCapacity = 1000;

// Appends a frame to the log grid: column 0 the label ("SEND", "RECV", or "LATE" for a late
// reply that was dropped), columns 1.. the bytes in hex; "RECV" rows are light green, "LATE"
// rows light yellow. The row after the 1000th empties the log first.
// Returns the row written.
int LogFrame(const QString& label, const QByteArray& frame, TextTable& grid);
