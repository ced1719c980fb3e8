#pragma once

#include "logging/SaveSettings.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// A place in a meter's data files: record `index` (from 0) of `file` (a name in the folder).
struct RecordPlace {
    QString file;
    qint64 index = 0;

    bool operator==(const RecordPlace&) const = default;
};

// One meter's data files in the order its records were saved: the file of one meter
// (NAME_AA.TDD) and its daily files (NAME_AA_YYYYMMDD.TDD) sort by name into that order,
// the daily files by their day and after the single file. A record's sequence number is its
// position in this order, counted from a place whose number is known, so the same record
// always gets the same number. Only whole records count: a record cut short at the end of a
// file (a power cut) is not there until the writer replaces it.
class MeterFiles {
public:
    MeterFiles() = default;
    MeterFiles(const SaveSettings& settings, int address);

    QString folder() const { return m_folder; }
    QString path(const QString& file) const;
    // The file the writer appends to at `now`, as a name in the folder.
    QString currentFile(const QDateTime& now) const;
    // The state file of this meter beside its data files; none while no data folder is set
    // (nothing is saved then, and the working folder is nobody's place for it).
    QString stateFile() const;

    // The meter's files that come after `file` in saving order.
    QStringList filesAfter(const QString& file) const;
    // Whole records in a file; 0 for a file that is not there or holds no data file.
    static qint64 recordCount(const QString& path);

    // How many records lie from `from` (included) up to `to` (excluded), walking the files;
    // -1 when `to` is not reached (a file that sorts before `from`).
    qint64 distance(const RecordPlace& from, const RecordPlace& to) const;
    // The place `count` records after `from`. A place at the end of a file stays in that
    // file (the writer may append there next); `count` past the last record ends at the end
    // of the last file.
    RecordPlace advance(const RecordPlace& from, qint64 count) const;
    // The number of records from `from` to the end of the last file.
    qint64 recordsFrom(const RecordPlace& from) const;

private:
    QString m_folder;
    QString m_prefix; // NAME_AA
    SaveSettings m_settings;
    int m_address = 0;
};
