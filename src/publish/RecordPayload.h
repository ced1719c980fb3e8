#pragma once

#include "logging/DataFileReader.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

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
// The description a "meta" payload gives; not valid for one that does not read.
MeterDescription DescriptionFromMeta(const QByteArray& meta);

// One record as "data": its stamp the PC's local time of the record with `utcOffset`, the
// offset from UTC in force when it was saved (null for a stamp that names no moment), values
// to the channel's decimals, null where the channel's state says the value is not valid.
QByteArray DataPayload(const char* record, const DataHeader& file, int channelCount, qint64 seq,
                       bool replayed, std::optional<int> utcOffset);

// Record times read back in saving order, made absolute: in the hour a fall-back repeats, the
// order of the records tells which of the two hours a time was in, for a record is never saved
// before the one before it.
class SavedTimes {
public:
    // The offset from UTC of a record stamped `stamp`, saved after those given so far; nothing
    // for a stamp that names no moment.
    std::optional<int> offsetOf(quint32 stamp);
    // Whether the stamp's local time was passed twice (the hour a fall-back repeats).
    bool isAmbiguous(quint32 stamp);
    void forget() { m_lastUtc.reset(); }

private:
    // The offsets that give the local time `wall` (seconds read as if UTC), earliest moment
    // first: one, two in a repeated hour, none in an hour the clock skipped.
    QList<int> offsetsOf(qint64 wall);

    std::optional<qint64> m_lastUtc;
    qint64 m_hour = -1; // the hour whose offsets a day before and after are known
    int m_before = 0, m_after = 0;
};

// The node's status: "online" with the program's version, since when, and this run's session
// (with the PC and the process), or "offline" with the session.
QByteArray StatusPayload(bool online, const QString& version, const QDateTime& since,
                         const QString& session);
QByteArray LinkPayload(bool ok, qint64 good, qint64 timeouts, qint64 bad);

// The moment a record's stamp names, as milliseconds since 1970 UTC, given the offset from UTC
// in force when it was saved; nothing for a stamp that names no moment.
std::optional<qint64> StampUtcMs(quint32 stamp, int utcOffset);

// A record's time stamp as ISO 8601 with the PC's offset from UTC at that local time:
// "2026-12-07T14:52:29+09:00" (in a repeated hour, the first); empty for a stamp that names no
// moment.
QString StampWithOffset(quint32 stamp);
