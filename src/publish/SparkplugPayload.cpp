#include "publish/SparkplugPayload.h"

#include "SparkplugB.pb.h"
#include "logging/RecordBytes.h"

#include <array>
#include <cmath>
#include <string>

namespace Sparkplug {

namespace {

using Payload = td700::sparkplug::Payload;
using Metric = td700::sparkplug::Payload_Metric;

constexpr int kInputs = 6;
constexpr int kRelays = 16;

// The metric names of the record's metrics, made once: a record is encoded per meter per save.
struct Names {
    std::array<std::string, 12> value, state;
    std::array<std::array<std::string, 4>, 12> alarm;
    std::array<std::string, kInputs> input;
    std::array<std::string, kRelays> relay;

    Names() {
        // "CH01/Value": numbers of two digits, so that a host lists them in order.
        const auto name = [](const char* form, int n) {
            return QString::fromLatin1(form).arg(n, 2, 10, QChar(u'0')).toStdString();
        };
        for (int ch = 1; ch <= 12; ++ch) {
            const size_t i = size_t(ch - 1);
            value[i] = name("CH%1/Value", ch);
            state[i] = name("CH%1/State", ch);
            for (int a = 1; a <= 4; ++a)
                alarm[i][size_t(a - 1)] = name("CH%1/Alarm/", ch) + char('0' + a);
        }
        for (int n = 1; n <= kInputs; ++n)
            input[size_t(n - 1)] = name("DI/%1", n);
        for (int n = 1; n <= kRelays; ++n)
            relay[size_t(n - 1)] = name("Relay/%1", n);
    }
};

const Names& names() {
    static const Names n;
    return n;
}

Metric* add(Payload& p, const std::string& name, Payload::DataType type, qint64 ms) {
    Metric* m = p.add_metrics();
    m->set_name(name);
    m->set_datatype(type);
    m->set_timestamp(quint64(ms));
    return m;
}

// The value as the recorder shows it: to the channel's decimals, as the shortest double that
// reads as those digits (370.1, not the single's 370.100006).
double shown(float value, int decimals) {
    return QByteArray::number(double(value), 'f', std::clamp(decimals, 0, 4)).toDouble();
}

void addProperty(Metric* m, const char* key, Payload::DataType type, double number,
                 const QString& text = {}) {
    auto* set = m->mutable_properties();
    set->add_keys(key);
    auto* v = set->add_values();
    v->set_type(type);
    if (type == Payload::String)
        v->set_string_value(text.toStdString());
    else if (!std::isfinite(number))
        v->set_is_null(true);
    else // a range is a single: the shortest text that reads back as it
        v->set_double_value(QString::number(number, 'g', 7).toDouble());
}

// The metrics of one record (of no record, each null: a meter that saved nothing yet).
void addRecordMetrics(Payload& p, const char* record, const DataHeader& header, int channels,
                      qint64 number, qint64 ms, bool historical) {
    const Names& n = names();
    const quint8* st = record ? RecordBytes::status(record) : nullptr;
    const int first = p.metrics_size();
    const int count = std::clamp(channels, 1, 12);
    for (int ch = 1; ch <= count; ++ch) {
        const size_t i = size_t(ch - 1);
        Metric* v = add(p, n.value[i], Payload::Double, ms);
        if (record && RecordBytes::isValid(record, ch))
            v->set_double_value(shown(RecordBytes::value(record, ch), header.channels[i].decimals));
        else
            v->set_is_null(true);
        Metric* s = add(p, n.state[i], Payload::Int32, ms);
        const int state = st ? RecordBytes::channelState(st, ch) : -1;
        if (state < 0)
            s->set_is_null(true);
        else
            s->set_int_value(quint32(state));
        const unsigned alarms = st ? RecordBytes::alarms(st, ch) : 0;
        for (int a = 1; a <= 4; ++a) {
            Metric* m = add(p, n.alarm[i][size_t(a - 1)], Payload::Boolean, ms);
            if (st)
                m->set_boolean_value(alarms >> (a - 1) & 1);
            else
                m->set_is_null(true);
        }
    }
    const unsigned inputs = st ? RecordBytes::digitalInputs(st) : 0;
    for (int k = 1; k <= kInputs; ++k) {
        Metric* m = add(p, n.input[size_t(k - 1)], Payload::Boolean, ms);
        if (st)
            m->set_boolean_value(inputs >> (k - 1) & 1);
        else
            m->set_is_null(true);
    }
    const unsigned relays = st ? RecordBytes::relays(st) : 0;
    for (int k = 1; k <= kRelays; ++k) {
        Metric* m = add(p, n.relay[size_t(k - 1)], Payload::Boolean, ms);
        if (st)
            m->set_boolean_value(relays >> (k - 1) & 1);
        else
            m->set_is_null(true);
    }
    static const std::string recordName = "Record";
    Metric* r = add(p, recordName, Payload::UInt64, ms);
    if (number > 0)
        r->set_long_value(quint64(number));
    else
        r->set_is_null(true);
    if (historical)
        for (int i = first; i < p.metrics_size(); ++i)
            p.mutable_metrics(i)->set_is_historical(true);
}

QByteArray bytes(const Payload& p) {
    QByteArray out(qsizetype(p.ByteSizeLong()), Qt::Uninitialized);
    p.SerializeToArray(out.data(), int(out.size()));
    return out;
}

} // namespace

QString Topic(const QString& group, const char* type, const QString& node, const QString& device) {
    QString t = QStringLiteral("spBv1.0/") + group + u'/' + QLatin1String(type) + u'/' + node;
    if (!device.isEmpty())
        t += u'/' + device;
    return t;
}

QString DeviceId(int address) {
    return QStringLiteral("M%1").arg(address, 2, 10, QChar(u'0'));
}

QByteArray NodeBirth(const NodeInfo& node, qint64 nowMs) {
    Payload p;
    p.set_timestamp(quint64(nowMs));
    p.set_seq(0);
    add(p, "bdSeq", Payload::UInt64, nowMs)->set_long_value(node.bdSeq);
    add(p, "Node Control/Rebirth", Payload::Boolean, nowMs)->set_boolean_value(false);
    add(p, "Properties/Version", Payload::String, nowMs)
        ->set_string_value(node.version.toStdString());
    add(p, "Properties/Port", Payload::String, nowMs)->set_string_value(node.port.toStdString());
    add(p, "Properties/Meters", Payload::Int32, nowMs)->set_int_value(quint32(node.meters));
    add(p, "Records Waiting", Payload::UInt64, nowMs)->set_long_value(quint64(node.waiting));
    return bytes(p);
}

QByteArray NodeDeath(quint64 bdSeq, qint64 nowMs) {
    Payload p;
    p.set_timestamp(quint64(nowMs));
    add(p, "bdSeq", Payload::UInt64, nowMs)->set_long_value(bdSeq);
    return bytes(p);
}

QByteArray NodeData(qint64 waiting, qint64 nowMs, quint64 seq) {
    Payload p;
    p.set_timestamp(quint64(nowMs));
    p.set_seq(seq);
    add(p, "Records Waiting", Payload::UInt64, nowMs)->set_long_value(quint64(waiting));
    return bytes(p);
}

QByteArray DeviceBirth(const MeterDescription& meter, const NewestRecord* newest, qint64 nowMs,
                       quint64 seq) {
    Payload p;
    p.set_timestamp(quint64(nowMs));
    p.set_seq(seq);
    std::optional<qint64> valuesMs;
    if (newest && newest->utcOffset)
        valuesMs = StampUtcMs(RecordBytes::stamp(newest->record.constData()), *newest->utcOffset);
    // The values' decimals are the newest record's file's; the rest of the description is the
    // meter's as it last described itself.
    addRecordMetrics(p, newest ? newest->record.constData() : nullptr,
                     newest ? newest->header : meter.channels, meter.channelCount,
                     newest ? newest->seq : 0, valuesMs.value_or(nowMs), false);
    const int count = std::clamp(meter.channelCount, 1, 12);
    const int perChannel = 2 + 4;
    for (int ch = 1; ch <= count; ++ch) {
        const DataChannel& c = meter.channels.channels[size_t(ch - 1)];
        Metric* v = p.mutable_metrics((ch - 1) * perChannel);
        addProperty(v, "engUnit", Payload::String, 0, c.unit);
        addProperty(v, "engLow", Payload::Double, double(c.low));
        addProperty(v, "engHigh", Payload::Double, double(c.high));
        if (!c.name.isEmpty())
            v->mutable_metadata()->set_description(c.name.toStdString());
    }
    add(p, "Properties/Model", Payload::Int32, nowMs)->set_int_value(quint32(meter.modelCode));
    add(p, "Properties/Channels", Payload::Int32, nowMs)->set_int_value(quint32(count));
    add(p, "Properties/Firmware", Payload::String, nowMs)
        ->set_string_value(meter.firmware.toStdString());
    add(p, "Properties/Address", Payload::Int32, nowMs)->set_int_value(quint32(meter.address));
    return bytes(p);
}

QByteArray DeviceData(const RecordToSend& r, qint64 stampMs, quint64 seq) {
    Payload p;
    p.set_timestamp(quint64(stampMs));
    p.set_seq(seq);
    addRecordMetrics(p, r.record, *r.header, r.channels, r.seq, stampMs, r.replayed);
    return bytes(p);
}

QByteArray DeviceDeath(qint64 nowMs, quint64 seq) {
    Payload p;
    p.set_timestamp(quint64(nowMs));
    p.set_seq(seq);
    return bytes(p);
}

bool AsksForRebirth(const QByteArray& payload) {
    Payload p;
    if (!p.ParseFromArray(payload.constData(), int(payload.size())))
        return false;
    for (const Metric& m : p.metrics())
        if (m.name() == "Node Control/Rebirth" && m.has_boolean_value() && m.boolean_value())
            return true;
    return false;
}

std::optional<quint64> BirthSequence(const QByteArray& payload) {
    Payload p;
    if (!p.ParseFromArray(payload.constData(), int(payload.size())))
        return std::nullopt;
    for (const Metric& m : p.metrics())
        if (m.name() == "bdSeq" && m.has_long_value())
            return m.long_value();
    return std::nullopt;
}

} // namespace Sparkplug
