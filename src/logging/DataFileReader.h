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
class DataFileReader {
public:
    // False when the file cannot be opened or does not start as a data file.
    bool open(const QString& path);
    QString errorString() const { return m_error; }
    QStringList warnings() const { return m_warnings; }
    const DataHeader& header() const { return m_header; }
    qint64 fileSize() const { return m_size; }
    qint64 recordCount() const { return m_records; }
    // Reads `count` whole records from `first` into `out` (64 bytes each, as stored); returns
    // how many were read.
    qint64 readRecords(qint64 first, qint64 count, QByteArray* out);
    // Record `index` decoded; false past the end or on a read error.
    bool record(qint64 index, DataRecord* out);

private:
    QFile m_file;
    QString m_error;
    QStringList m_warnings;
    DataHeader m_header;
    qint64 m_size = 0;
    qint64 m_records = 0;
};
