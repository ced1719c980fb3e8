#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class DataFileReader;
struct DataHeader;
class QIODevice;

struct CsvOptions {
    bool allChannels = false;   // all twelve channel slots, not just the model's
    bool byteOrderMark = false; // start with a UTF-8 byte-order mark (for Excel)
    QVector<int> channels;      // the channels (1..12) to write, in this order; empty: all
    std::optional<qint64> from; // only records at or after this time (seconds, see DataTime)
    std::optional<qint64> to;   // ... and at or before this one
};

// The channels an export of files with this (first) header writes.
QVector<int> ExportChannels(const DataHeader& header, const CsvOptions& options);

// Writes data files as CSV (RFC 4180: comma separated, CR LF, quoted where needed, UTF-8):
// one title row with each channel's number, name and unit, then one row per record: the time
// stamp ("YYYY-MM-DD HH:MM:SS"), the channel values with the channel's decimal places
// ("370.0"; an empty cell where the channel had no valid value), the channel states
// (0 = valid), the alarms of each channel ("1 3" = alarms 1 and 3 on), the digital inputs on
// and the relays on. Several files follow one another under the first file's title row.
// Every write is checked: false with `error` as soon as one fails. `rows` counts the records
// written.
bool ExportCsv(const QList<DataFileReader*>& readers, QIODevice& out, const CsvOptions& options,
               QString* error = nullptr, qint64* rows = nullptr);
bool ExportCsv(DataFileReader& reader, QIODevice& out, const CsvOptions& options,
               QString* error = nullptr);

// The same into the file at `path` through a FileOutput: a file is replaced whole or not at
// all (on any failure, a full disk, the old file stays as it was); a FIFO or a device is
// written into as a stream.
bool ExportCsvFile(const QList<DataFileReader*>& readers, const QString& path,
                   const CsvOptions& options, QString* error = nullptr, qint64* rows = nullptr);

// What a reader should be told when files exported or shown together do not describe the same
// channels: one sentence per file whose channel names, units, decimals or count differ from
// the first file's.
QStringList CompareChannelLayouts(const QList<DataFileReader*>& readers);

// A CSV field, quoted when it holds a comma, a double quote, CR or LF.
QString CsvField(const QString& text);
