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

// Where one meter's files are: its data files, named and ordered as DataFileNames says, and
// beside them the publisher's two small files: the numbers of the meter's records
// (NAME_AA.SEQ) and how far the broker has them (NAME_AA.PUB). None of the publisher's files
// while no data folder is set: nothing is saved then, and the working folder is nobody's place
// for them.
class MeterFiles {
public:
    MeterFiles() = default;
    MeterFiles(const SaveSettings& settings, int address);

    int address() const { return m_address; }
    QString name() const { return m_settings.gDSaveName; }
    QString folder() const { return m_settings.gDSaveFolder; }
    QString path(const QString& file) const;
    // The file the writer appends to at `now`, as a name in the folder.
    QString currentFile(const QDateTime& now) const;
    QString stateFile() const { return ownFile(QStringLiteral(".PUB")); }
    QString numbersFile() const { return ownFile(QStringLiteral(".SEQ")); }
    // The meter's data files in saving order (names in the folder).
    QStringList dataFiles() const;
    // Whether `file` is the name of one of this meter's data files.
    bool isOwn(const QString& file) const;

private:
    QString ownFile(const QString& extension) const;

    SaveSettings m_settings;
    int m_address = 0;
};
