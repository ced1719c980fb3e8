#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

struct SaveSettings;

// What the name of one of the writer's data files says: NAME_AA.TDD, or NAME_AA_YYYYMMDD.TDD
// for daily files, AA being the meter's slave address (two digits, three from 100). Only the
// names the writer makes are data file names of a meter: the extension may be in either case
// (files copied from Windows), but an address written otherwise ("_7", "_007"), a slave address
// outside 1..247 or a day that is no date belongs to some other program.
struct DataFileName {
    bool matches = false;
    QString name;    // NAME
    int address = 0; // the meter's slave address
    QDate day;       // invalid for a file that is not a daily file

    static DataFileName parse(const QString& path);
    // The name (no folder) the writer gives such a file: NAME_AA[_YYYYMMDD].TDD.
    static QString make(const QString& name, int address, const QDate& day = {});
};

// The one place that knows how a meter's data files are named and in which order they were
// written: the single file of a meter first, then its daily files by their day. The publisher
// numbers records in this order, the viewer follows a meter into its next days by it.
namespace DataFileNames {

// The file the writer appends to for the meter with slave address `address` at `now`:
// folder/NAME_AA.TDD or, with daily files, folder/NAME_AA_YYYYMMDD.TDD, where the day is
// yesterday's until the day-change time.
QString path(const SaveSettings& settings, int address, const QDateTime& now);

// The meter's files in `folder` (names without the folder), in saving order. Of two names
// that differ only in the case of the extension, the writer's own spelling is taken.
QStringList meterFiles(const QString& folder, const QString& name, int address);
// The files of every meter in `folder` by slave address, each meter's as meterFiles() gives
// them, from one listing of the folder: a bus of hundreds of meters looks once, not once each.
QHash<int, QStringList> filesByMeter(const QString& folder, const QString& name);
// Those of them that come after `file` (a name in the folder, there or not).
QStringList filesAfter(const QString& folder, const QString& name, int address,
                       const QString& file);

// Whole records in a data file; 0 for a file that is not there or is shorter than a header.
// A record cut short at the end (a power cut) does not count until the writer replaces it.
qint64 recordCount(const QString& path);

} // namespace DataFileNames
