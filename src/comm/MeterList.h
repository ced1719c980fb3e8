#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

struct CommState;
struct DeviceTables;

// Slave addresses run from 1 to 247 (0 is the broadcast address, the rest are reserved).
constexpr int HighestSlaveAddress = 247;

// "CFG/SetEnv.INI": line n stands for slave address n; field 1 (up to the first tab) is "O"
// when the address is in use, field 2 a free note. Unmarked lines are placeholders.
struct MeterListLine {
    QString mark;
    QString note;
    bool isMarked() const { return mark == QStringLiteral("O"); }
};

// The lines as the meter-list dialog shows them: reading stops at the first line without a
// tab (its second field cannot be read), as it always has, and after line 247.
QVector<MeterListLine> ReadMeterListForEditing(const QString& path);

// The marks of "CFG/SetEnv.INI", read no further than they can matter: the first fields of
// lines 1..247, and a count of the lines after them (which can name no meter). The file is
// read as a stream, so a file of any size costs no more memory than 247 lines.
struct MeterListMarks {
    QStringList marks;       // first field of line n at index n - 1, n <= 247
    qint64 lines = 0;        // lines in the file
    qint64 markedBeyond = 0; // lines after line 247 marked "O", ignored
    // One sentence for the user when marked lines were ignored, else empty.
    QString warning(const QString& path) const;
};
MeterListMarks ReadMeterListMarks(const QString& path);
// Writes every line, marked or not, as mark TAB note CR LF.
bool SaveMeterList(const QString& path, const QVector<MeterListLine>& lines,
                   QString* error = nullptr);

// Rebuilds gMeterAddress, gMeterOnline, gLastMeter and the meter rows of sprdStatus, sprdMON
// and sprdCommState from the marks (index i = address i + 1); marks after address 247 are
// ignored.
void BuildMeterTables(const QStringList& marks, CommState& state, DeviceTables& tables);
// Start-up: creates the CFG folder when missing and builds the tables from the file.
// A missing file gives no meters; a line without a tab counts as its first field only.
// Returns what was read, for its warning.
MeterListMarks LoadMeterList(const QString& path, CommState& state, DeviceTables& tables);
// When the selected address is not among the meters, the first meter becomes selected.
void KeepSelectedAddressValid(CommState& state);
// Finds the meter index whose address is gSelAddress and stores it in gSelMeter.
void ResolveSelMeter(CommState& state);
