#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <array>

// One channel slot of a data file's header.
struct DataChannel {
    QString name;   // trimmed of trailing zero bytes and blanks
    QString unit;   // the degree byte shown as "°"
    float high = 0; // the display range
    float low = 0;
    int decimals = 0; // the decimal-point setting
};

// A data file's header, decoded.
struct DataHeader {
    bool complete = false; // all 512 bytes were there
    int modelCode = 0;     // byte 16 x 10 + byte 17
    int channelCount = 12; // from the model code; 12 when the code is not a known model
    bool knownModel = false;
    int layoutMajor = 0; // parameter layout version, e.g. 1 and 8 for 1.08
    int layoutMinor = 0;
    std::array<DataChannel, 12> channels;

    QString layoutVersion() const;
};

// One record, decoded.
struct DataRecord {
    quint32 stamp = 0;
    std::array<float, 12> values{};
    quint8 status[12] = {}; // bytes 52..63 as stored

    // The state of channel 1..12 (0 = valid value, 1..3 as the recorder reports), or -1 for
    // channels 6 and 12, whose states a record does not keep. Channel 1's state is stored
    // added to channel 12's, so it reads true whenever channel 12's state is 0.
    int channelState(int channel) const;
    // Alarm a (1..4) of channel 1..12.
    bool alarm(int channel, int alarm) const;
    quint8 digitalInputs() const { return status[3]; }
    quint16 relays() const { return quint16(status[6] | status[7] << 8); }
};

QString DecodeDataUnit(const QByteArray& bytes);
DataHeader ParseDataHeader(const QByteArray& bytes);
DataRecord ParseDataRecord(const char* bytes);

// Reads a data file as far as it is whole. A header cut short or a partial record at the end
// are not errors: they are noted in warnings() and the whole part is read.
//
// A file on disk is mapped into memory and read in place, so that even a file of gigabytes
// opens at once and any record can be reached directly. An input that cannot be mapped or
// sought (a pipe, standard input as "-") is read as a stream: records come in order through
// nextRecords(), and recordCount() counts those read so far.
class DataFileReader {
public:
    DataFileReader() = default;
    ~DataFileReader();
    DataFileReader(const DataFileReader&) = delete;
    DataFileReader& operator=(const DataFileReader&) = delete;

    // What open() takes: only regular files (for a window, which must never wait), or also
    // streams (a FIFO or /dev/stdin given by name, "-" for standard input) for a command that
    // reads pipes on purpose. A folder or a block device is never read.
    enum class Source { FileOnly, FileOrStream };

    // False when the file cannot be opened or does not start as a data file.
    bool open(const QString& path, Source source = Source::FileOnly);
    QString path() const { return m_path; }
    QString errorString() const { return m_error; }
    QStringList warnings() const { return m_warnings; }
    const DataHeader& header() const { return m_header; }
    // Bytes of the file (of a stream: read so far).
    qint64 fileSize() const { return m_size; }
    qint64 recordCount() const { return m_records; }
    bool isStream() const { return m_stream; }

    // Reads `count` whole records from `first` into `out` (64 bytes each, as stored); returns
    // how many were read. A stream gives only the records that follow those already read.
    qint64 readRecords(qint64 first, qint64 count, QByteArray* out);
    // Record `index` decoded; false past the end or on a read error.
    bool record(qint64 index, DataRecord* out);
    // The 64 bytes of record `index` in place; nullptr for a stream or past the end. Valid
    // until the next open() or refresh().
    const char* recordData(qint64 index) const {
        return index >= 0 && index < m_records && m_data ? m_data + 64 * index : nullptr;
    }

    // The next whole records in file order, at most `maxCount`: points `*data` at them and
    // returns how many (0 at the end). For a stream they stay valid until the next call.
    qint64 nextRecords(qint64 maxCount, const char** data);
    // Starts nextRecords() from the first record again (not for a stream).
    void rewind() { m_next = 0; }

    // True when the file is now shorter than the records mapped from it: reading them would
    // fault, so the file must be opened again first. One look at the file's size.
    bool isCutShort() const;

    enum class Growth { Unchanged, Grown, Shrunk, Failed };
    // Looks at the file again, for a file still being written: new whole records become
    // readable (Grown). A file now shorter than what was read (Shrunk) or no longer readable
    // (Failed) keeps what was read before; the caller opens it again to see what is left.
    Growth refresh();

private:
    bool mapWholeRecords();
    void noteTail();
    qint64 readStream(qint64 maxCount, const char** data);

    QString m_path;
    QFile m_file;
    QString m_error;
    QStringList m_warnings;
    DataHeader m_header;
    qint64 m_size = 0;
    qint64 m_records = 0;
    bool m_stream = false;
    qint64 m_next = 0; // next record for nextRecords()

    // A file's records in memory: mapped, or (where mapping fails) read whole.
    uchar* m_map = nullptr;
    QByteArray m_loaded;
    const char* m_data = nullptr;

    // A stream's records read but not yet whole.
    QByteArray m_streamBuffer;
    bool m_streamEnded = false;
};
