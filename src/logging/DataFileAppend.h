#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// What one append did to a data file.
struct AppendOutcome {
    bool ok = false;
    bool created = false; // the file was new (or held only part of a header) and got one
    qint64 cutBytes = 0;  // bytes of a partial record removed from the end before appending
    qint64 index = -1;    // the record's place in the file, from 0
    QString error;        // why it failed, for the user
};

// Appends one 64-byte record to a data file, creating it with `makeHeader()` first when it
// does not exist. The file is kept readable after a power cut during an earlier write:
// - a partial record at the end is cut back to the last whole record before appending;
// - a file shorter than a header cannot hold a record, so it is a header whose writing was
//   cut off: it is started again with a fresh header and nothing is lost.
// A file that does not start as a data file is never touched (its bytes may be someone
// else's); the append then fails with a reason. A failed write is cut back as well, so the
// file never ends in a partial record written by this program.
AppendOutcome AppendDataRecord(const QString& path, const std::function<QByteArray()>& makeHeader,
                               const QByteArray& record);
