#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

struct CommState;
struct DeviceTables;

// "CFG/SetEnv.INI": line n stands for slave address n; field 1 (up to the first tab) is "O"
// when the address is in use, field 2 a free note. Unmarked lines are placeholders.
struct MeterListLine {
    QString mark;
    QString note;
    bool isMarked() const { return mark == QStringLiteral("O"); }
};

// The lines as the meter-list dialog shows them: reading stops at the first line without a
// tab (its second field cannot be read), as it always has.
QVector<MeterListLine> ReadMeterListForEditing(const QString& path);
// Writes every line, marked or not, as mark TAB note CR LF.
bool SaveMeterList(const QString& path, const QVector<MeterListLine>& lines,
                   QString* error = nullptr);

// Rebuilds gMeterAddress, gMeterOnline, gLastMeter and the meter rows of sprdStatus, sprdMON
// and sprdCommState from the marks (index i = address i + 1).
void BuildMeterTables(const QStringList& marks, CommState& state, DeviceTables& tables);
// Start-up: creates the CFG folder when missing and builds the tables from the file.
// A missing file gives no meters; a line without a tab counts as its first field only.
void LoadMeterList(const QString& path, CommState& state, DeviceTables& tables);
// When the selected address is not among the meters, the first meter becomes selected.
void KeepSelectedAddressValid(CommState& state);
// Finds the meter index whose address is gSelAddress and stores it in gSelMeter.
void ResolveSelMeter(CommState& state);
