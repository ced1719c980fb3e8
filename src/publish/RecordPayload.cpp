#include "publish/RecordPayload.h"

#include "comm/MeterModels.h"
#include "logging/DataTime.h"
#include "logging/RecordBytes.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>
#include <QTimeZone>
#include <cmath>

namespace Topics {

QString status(const QString& prefix, const QString& node) {
    return prefix + u'/' + node + QStringLiteral("/status");
}

QString meter(const QString& prefix, const QString& node, int address, const char* leaf) {
    return prefix + u'/' + node + u'/' + QString::number(address) + u'/' +
           QString::fromLatin1(leaf);
}

} // namespace Topics

namespace {

// "2026-12-07T14:52:29+09:00": the offset always written out, also for UTC itself.
QString isoWithOffset(const QDateTime& local) {
    const int offset = local.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + (offset < 0 ? u'-' : u'+') +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QChar(u'0'))
               .arg(minutes % 60, 2, 10, QChar(u'0'));
}

// A JSON number of `decimals` places (0..4, as the recorder keeps them); JSON has no NaN.
void appendNumber(QByteArray& out, double value, int decimals) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    out += QByteArray::number(value, 'f', std::clamp(decimals, 0, 4));
}

// The numbers (from 1) of the bits that are set, as a JSON array: [1,3].
void appendBitNumbers(QByteArray& out, unsigned bits, int count) {
    out += '[';
    const char* comma = "";
    for (int n = 1; n <= count; ++n)
        if (bits >> (n - 1) & 1) {
            out += comma + QByteArray::number(n);
            comma = ",";
        }
    out += ']';
}

// A number of a header field as JSON: the ranges are singles, shown as the shortest text
// that reads back as the same single.
QJsonValue singleValue(float f) {
    if (!std::isfinite(f))
        return QJsonValue();
    return QString::number(double(f), 'g', 7).toDouble();
}

} // namespace

MeterDescription DescribeMeter(int address, int modelCode, const QString& firmware,
                               const QByteArray& header) {
    MeterDescription m;
    m.address = address;
    m.channels = ParseDataHeader(header);
    m.modelCode = modelCode >= 0 ? modelCode : m.channels.modelCode;
    const int count = ChannelCountOfModel(m.modelCode);
    m.channelCount = count > 0 ? count : m.channels.channelCount;
    m.firmware = firmware;
    return m;
}

QByteArray MetaPayload(const MeterDescription& m) {
    QJsonArray channels;
    for (int ch = 1; ch <= m.channelCount; ++ch) {
        const DataChannel& c = m.channels.channels[size_t(ch - 1)];
        channels.append(QJsonObject{{QStringLiteral("ch"), ch},
                                    {QStringLiteral("name"), c.name},
                                    {QStringLiteral("unit"), c.unit},
                                    {QStringLiteral("decimals"), c.decimals},
                                    {QStringLiteral("low"), singleValue(c.low)},
                                    {QStringLiteral("high"), singleValue(c.high)}});
    }
    const QJsonObject o{{QStringLiteral("address"), m.address},
                        {QStringLiteral("model"), m.modelCode},
                        {QStringLiteral("channels"), m.channelCount},
                        {QStringLiteral("firmware"), m.firmware},
                        {QStringLiteral("channel_info"), channels}};
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

MeterDescription DescriptionFromMeta(const QByteArray& meta) {
    const QJsonObject o = QJsonDocument::fromJson(meta).object();
    MeterDescription m;
    m.address = o.value(QStringLiteral("address")).toInt();
    m.modelCode = o.value(QStringLiteral("model")).toInt(-1);
    m.channelCount = std::clamp(o.value(QStringLiteral("channels")).toInt(), 0, 12);
    m.firmware = o.value(QStringLiteral("firmware")).toString();
    for (const QJsonValue& v : o.value(QStringLiteral("channel_info")).toArray()) {
        const QJsonObject c = v.toObject();
        const int ch = c.value(QStringLiteral("ch")).toInt();
        if (ch < 1 || ch > 12)
            continue;
        DataChannel& d = m.channels.channels[size_t(ch - 1)];
        d.name = c.value(QStringLiteral("name")).toString();
        d.unit = c.value(QStringLiteral("unit")).toString();
        d.decimals = c.value(QStringLiteral("decimals")).toInt();
        d.low = float(c.value(QStringLiteral("low")).toDouble(qQNaN()));
        d.high = float(c.value(QStringLiteral("high")).toDouble(qQNaN()));
    }
    m.channels.modelCode = m.modelCode;
    m.channels.channelCount = m.channelCount;
    return m;
}

namespace {

// Seconds from 1970 to 2000-01-01, UTC.
constexpr qint64 kEpoch2000 = 946684800;

int offsetAt(qint64 utc) {
    return QDateTime::fromSecsSinceEpoch(utc, Qt::LocalTime).offsetFromUtc();
}

QString stampText(quint32 stamp, int offset) {
    const std::optional<qint64> seconds = DataTime::stampSeconds(stamp);
    if (!seconds)
        return {};
    return isoWithOffset(
        QDateTime::fromSecsSinceEpoch(*seconds + kEpoch2000 - offset, QTimeZone(offset)));
}

} // namespace

QList<int> SavedTimes::offsetsOf(qint64 wall) {
    if (wall / 3600 != m_hour) {
        m_hour = wall / 3600;
        m_before = offsetAt(wall - 86400);
        m_after = offsetAt(wall + 86400);
    }
    if (m_before == m_after)
        return {m_before};
    QList<int> out;
    for (int offset : {std::max(m_before, m_after), std::min(m_before, m_after)})
        if (offsetAt(wall - offset) == offset)
            out << offset;
    return out;
}

std::optional<int> SavedTimes::offsetOf(quint32 stamp) {
    const std::optional<qint64> seconds = DataTime::stampSeconds(stamp);
    if (!seconds)
        return std::nullopt;
    const qint64 wall = *seconds + kEpoch2000;
    const QList<int> offsets = offsetsOf(wall);
    // The first moment not before the record saved before it; a local time the clock
    // skipped keeps the offset before the change.
    int chosen = offsets.isEmpty() ? m_before : offsets.back();
    for (int offset : offsets) {
        if (!m_lastUtc || wall - offset >= *m_lastUtc) {
            chosen = offset;
            break;
        }
    }
    m_lastUtc = wall - chosen;
    return chosen;
}

bool SavedTimes::isAmbiguous(quint32 stamp) {
    const std::optional<qint64> seconds = DataTime::stampSeconds(stamp);
    return seconds && offsetsOf(*seconds + kEpoch2000).size() > 1;
}

std::optional<qint64> StampUtcMs(quint32 stamp, int utcOffset) {
    const std::optional<qint64> seconds = DataTime::stampSeconds(stamp);
    if (!seconds)
        return std::nullopt;
    return (*seconds + kEpoch2000 - utcOffset) * 1000;
}

QString StampWithOffset(quint32 stamp) {
    const std::optional<int> offset = SavedTimes().offsetOf(stamp);
    return offset ? stampText(stamp, *offset) : QString();
}

// Written by hand rather than through QJsonDocument: one of these goes out per meter per
// save, and the values keep the channel's decimals ("370.0"), which QJsonDocument would drop.
QByteArray DataPayload(const char* record, const DataHeader& file, int channelCount, qint64 seq,
                       bool replayed, std::optional<int> utcOffset) {
    const quint8* st = RecordBytes::status(record);
    const int count = std::clamp(channelCount, 1, 12);
    QByteArray out;
    out.reserve(128 + 48 * count);
    out += "{\"ts\":";
    const QString ts = utcOffset ? stampText(RecordBytes::stamp(record), *utcOffset) : QString();
    if (ts.isEmpty())
        out += "null";
    else
        out += '"' + ts.toLatin1() + '"';
    out += ",\"seq\":" + QByteArray::number(seq);
    out += replayed ? ",\"replayed\":true" : ",\"replayed\":false";
    out += ",\"channels\":[";
    for (int ch = 1; ch <= count; ++ch) {
        if (ch > 1)
            out += ',';
        const int state = RecordBytes::channelState(st, ch);
        out += "{\"ch\":" + QByteArray::number(ch) + ",\"value\":";
        if (RecordBytes::isValid(record, ch))
            appendNumber(out, double(RecordBytes::value(record, ch)),
                         file.channels[size_t(ch - 1)].decimals);
        else
            out += "null";
        // Channels 6 and 12 have no state of their own in a record.
        out += ",\"state\":" + (state < 0 ? QByteArray("null") : QByteArray::number(state)) + '}';
    }
    out += "],\"alarms\":[";
    bool first = true;
    for (int ch = 1; ch <= count; ++ch) {
        const unsigned bits = RecordBytes::alarms(st, ch);
        for (int a = 1; a <= 4; ++a) {
            if (!(bits >> (a - 1) & 1))
                continue;
            out += first ? "" : ",";
            first = false;
            out +=
                "{\"ch\":" + QByteArray::number(ch) + ",\"alarm\":" + QByteArray::number(a) + '}';
        }
    }
    out += "],\"di\":";
    appendBitNumbers(out, RecordBytes::digitalInputs(st), 6);
    out += ",\"relays\":";
    appendBitNumbers(out, RecordBytes::relays(st), 16);
    out += '}';
    return out;
}

QByteArray StatusPayload(bool online, const QString& version, const QDateTime& since,
                         const QString& session) {
    if (!online)
        return QJsonDocument(QJsonObject{{QStringLiteral("state"), QStringLiteral("offline")},
                                         {QStringLiteral("session"), session}})
            .toJson(QJsonDocument::Compact);
    return QJsonDocument(QJsonObject{{QStringLiteral("state"), QStringLiteral("online")},
                                     {QStringLiteral("version"), version},
                                     {QStringLiteral("since"), isoWithOffset(since.toLocalTime())},
                                     {QStringLiteral("session"), session},
                                     {QStringLiteral("host"), QSysInfo::machineHostName()},
                                     {QStringLiteral("pid"), QCoreApplication::applicationPid()}})
        .toJson(QJsonDocument::Compact);
}

QByteArray LinkPayload(bool ok, qint64 good, qint64 timeouts, qint64 bad) {
    return QJsonDocument(QJsonObject{{QStringLiteral("link"),
                                      ok ? QStringLiteral("OK") : QStringLiteral("NG")},
                                     {QStringLiteral("good"), good},
                                     {QStringLiteral("timeouts"), timeouts},
                                     {QStringLiteral("bad"), bad}})
        .toJson(QJsonDocument::Compact);
}
