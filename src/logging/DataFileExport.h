#pragma once

#include <QString>

class DataFileReader;
class QIODevice;

struct CsvOptions {
    bool allChannels = false;   // all twelve channel slots, not just the model's
    bool byteOrderMark = false; // start with a UTF-8 byte-order mark (for Excel)
};

// Writes a data file as CSV (RFC 4180: comma separated, CR LF, quoted where needed, UTF-8):
// a title row, then one row per record: the time stamp ("YYYY-MM-DD HH:MM:SS"), the channel
// values, the channel states (0 = valid), the alarms of each channel ("1 3" = alarms 1 and 3
// on), the digital inputs on and the relays on. False with `error` when writing fails.
bool ExportCsv(DataFileReader& reader, QIODevice& out, const CsvOptions& options,
               QString* error = nullptr);

// A CSV field, quoted when it holds a comma, a double quote, CR or LF.
QString CsvField(const QString& text);
