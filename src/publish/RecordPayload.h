#pragma once

#include "logging/DataFileReader.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The topics and payloads of what is published (a fixed contract, written in the README):
//   PREFIX/NODE/status          {"state":"online","version":...,"since":...}, retained
//   PREFIX/NODE/ADDR/meta       the meter and its channels, retained
//   PREFIX/NODE/ADDR/data       one saved record
//   PREFIX/NODE/ADDR/link       {"link":"OK"|"NG","good":...,"timeouts":...,"bad":...}, retained
namespace Topics {
QString status(const QString& prefix, const QString& node);
QString meter(const QString& prefix, const QString& node, int address, const char* leaf);
} // namespace Topics

// What a meter is, as "meta" tells it.
struct MeterDescription {
    int address = 0;
    int modelCode = -1;
    int channelCount = 0;
    QString firmware;
    DataHeader channels; // names, units, ranges and decimals of the channel slots

    bool isValid() const { return channelCount > 0; }
};

// The description from a data file header built for the meter (its own model code and
// channel count) and the firmware text the meter reported.
MeterDescription DescribeMeter(int address, int modelCode, const QString& firmware,
                               const QByteArray& header);

QByteArray MetaPayload(const MeterDescription& meter);

// One record as "data": `stamp` the PC's local time of the record (its offset from UTC is
// that of the local time zone at that moment), values to the channel's decimals, null where
// the channel's state says the value is not valid.
QByteArray DataPayload(const char* record, const DataHeader& file, int channelCount, qint64 seq,
                       bool replayed);

QByteArray StatusPayload(bool online, const QString& version, const QDateTime& since);
QByteArray LinkPayload(bool ok, qint64 good, qint64 timeouts, qint64 bad);

// A record's time stamp as ISO 8601 with the PC's offset from UTC at that local time:
// "2026-12-07T14:52:29+09:00"; empty for a stamp that names no moment.
QString StampWithOffset(quint32 stamp);
