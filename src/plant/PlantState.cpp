#include "plant/PlantState.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// A node name as a topic level may be any text; one that could not be shown as it is (control
// characters: a terminal would act on them) or is absurdly long is not taken.
bool isShowableName(const QString& name) {
    if (name.isEmpty() || name.size() > PlantState::kMaxNodeName)
        return false;
    return std::none_of(name.begin(), name.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
    });
}

// The slave address a topic level names, written as the publisher writes it (no leading zero
// or sign: "01" would make a second meter of the same one); 0 for anything else.
int addressOf(const QString& level) {
    bool ok = false;
    const int a = level.toInt(&ok);
    if (!ok || a < 1 || a > PlantState::kMaxMeters || QString::number(a) != level)
        return 0;
    return a;
}

std::optional<QJsonObject> objectOf(const QByteArray& payload) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(payload, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    return doc.object();
}

// A whole number field, or nothing when absent, not a number or not whole.
std::optional<qint64> wholeOf(const QJsonValue& v) {
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (d != double(qint64(d)))
        return std::nullopt;
    return qint64(d);
}

} // namespace

PlantState::PlantState(QString prefix, QObject* parent)
    : QObject(parent)
    , m_prefix(std::move(prefix)) {}

void PlantState::take(const QString& topic, const QByteArray& payload, qint64 nowMs,
                      bool retained) {
    if (payload.size() > kMaxPayload) {
        ++m_counts.tooLarge;
        return;
    }
    Outcome outcome = Outcome::Malformed;
    const QString head = m_prefix + u'/';
    if (topic.startsWith(head)) {
        const QStringList levels = topic.mid(head.size()).split(u'/');
        const QString& node = levels.first();
        if (!isShowableName(node)) {
            outcome = Outcome::Malformed;
        } else if (levels.size() == 2 && levels[1] == u"status") {
            outcome = takeStatus(node, payload, nowMs, retained);
        } else if (levels.size() == 3 && addressOf(levels[1]) > 0) {
            const int address = addressOf(levels[1]);
            if (levels[2] == u"meta")
                outcome = takeMeta(node, address, payload);
            else if (levels[2] == u"data")
                outcome = takeData(node, address, payload, nowMs);
            else if (levels[2] == u"link")
                outcome = takeLink(node, address, payload);
        }
    }
    switch (outcome) {
    case Outcome::Malformed:
        ++m_counts.malformed;
        break;
    case Outcome::OverLimit:
        ++m_counts.overLimit;
        break;
    case Outcome::Repeated:
        ++m_counts.repeated;
        break;
    case Outcome::Changed:
    case Outcome::Same:
        ++m_counts.taken;
        break;
    }
}

PlantNode* PlantState::nodeFor(const QString& name) {
    auto it = m_nodes.find(name);
    if (it != m_nodes.end())
        return &*it;
    if (m_nodes.size() >= kMaxNodes)
        return nullptr;
    PlantNode& node = m_nodes[name];
    node.name = name;
    return &node;
}

PlantMeter* PlantState::meterFor(const QString& nodeName, int address) {
    PlantNode* node = nodeFor(nodeName);
    if (!node)
        return nullptr;
    PlantMeter& meter = node->meters[address];
    meter.address = address;
    return &meter;
}

PlantState::Outcome PlantState::takeStatus(const QString& name, const QByteArray& payload,
                                           qint64 nowMs, bool retained) {
    if (payload.isEmpty()) { // a cleared status: the node is gone, unless its meters are not
        auto it = m_nodes.find(name);
        if (it == m_nodes.end())
            return Outcome::Same;
        if (it->meters.isEmpty())
            m_nodes.erase(it);
        else
            it->state.clear();
        Q_EMIT changed(name, 0);
        return Outcome::Changed;
    }
    const std::optional<QJsonObject> o = objectOf(payload);
    if (!o)
        return Outcome::Malformed;
    const QString state = o->value(QStringLiteral("state")).toString();
    if (state != u"online" && state != u"offline")
        return Outcome::Malformed;
    PlantNode* node = nodeFor(name);
    if (!node)
        return Outcome::OverLimit;
    const QString session = o->value(QStringLiteral("session")).toString();
    if (state == u"online") {
        node->since = o->value(QStringLiteral("since")).toString();
        node->version = o->value(QStringLiteral("version")).toString();
        node->host = o->value(QStringLiteral("host")).toString();
        node->session = session;
    } else if (node->state != state) {
        // When it went is known only when it was seen to go.
        const QDateTime local = QDateTime::fromMSecsSinceEpoch(nowMs);
        node->since = retained ? QString()
                               : local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
    }
    node->state = state;
    Q_EMIT changed(name, 0);
    return Outcome::Changed;
}

PlantState::Outcome PlantState::takeMeta(const QString& node, int address,
                                         const QByteArray& payload) {
    if (payload.isEmpty()) { // the meter was taken off its node's meter list
        forgetMeter(node, address);
        return Outcome::Changed;
    }
    const std::optional<QJsonObject> o = objectOf(payload);
    if (!o || wholeOf(o->value(QStringLiteral("address"))) != address)
        return Outcome::Malformed;
    const std::optional<qint64> channels = wholeOf(o->value(QStringLiteral("channels")));
    if (!channels || *channels < 1)
        return Outcome::Malformed;
    if (*channels > kMaxChannels ||
        o->value(QStringLiteral("channel_info")).toArray().size() > kMaxChannels)
        return Outcome::OverLimit;
    PlantMeter* meter = meterFor(node, address);
    if (!meter)
        return Outcome::OverLimit;
    meter->description = DescriptionFromMeta(payload);
    Q_EMIT changed(node, address);
    return Outcome::Changed;
}

PlantState::Outcome PlantState::takeLink(const QString& node, int address,
                                         const QByteArray& payload) {
    QString link;
    if (!payload.isEmpty()) {
        const std::optional<QJsonObject> o = objectOf(payload);
        if (!o)
            return Outcome::Malformed;
        link = o->value(QStringLiteral("link")).toString();
        if (link != u"OK" && link != u"NG")
            return Outcome::Malformed;
    } else if (!m_nodes.value(node).meters.contains(address)) {
        return Outcome::Same;
    }
    PlantMeter* meter = meterFor(node, address);
    if (!meter)
        return Outcome::OverLimit;
    if (meter->link == link)
        return Outcome::Same;
    meter->link = link;
    Q_EMIT changed(node, address);
    return Outcome::Changed;
}

PlantState::Outcome PlantState::takeData(const QString& node, int address,
                                         const QByteArray& payload, qint64 nowMs) {
    const std::optional<QJsonObject> o = objectOf(payload);
    if (!o)
        return Outcome::Malformed;
    const std::optional<qint64> seq = wholeOf(o->value(QStringLiteral("seq")));
    const QString ts = o->value(QStringLiteral("ts")).toString();
    const QJsonValue channelsValue = o->value(QStringLiteral("channels"));
    if (!seq || *seq < 1 || !channelsValue.isArray())
        return Outcome::Malformed;
    const QJsonArray channelArray = channelsValue.toArray();
    const QJsonArray alarmArray = o->value(QStringLiteral("alarms")).toArray();
    if (channelArray.size() > kMaxChannels || alarmArray.size() > kMaxChannels * 4)
        return Outcome::OverLimit;
    QList<PlantChannel> channels;
    for (const QJsonValue& v : channelArray) {
        const QJsonObject c = v.toObject();
        const std::optional<qint64> ch = wholeOf(c.value(QStringLiteral("ch")));
        const QJsonValue value = c.value(QStringLiteral("value"));
        const QJsonValue state = c.value(QStringLiteral("state"));
        if (!ch || *ch < 1 || *ch > kMaxChannels || !(value.isDouble() || value.isNull()) ||
            !(state.isNull() || wholeOf(state)))
            return Outcome::Malformed;
        PlantChannel p;
        p.ch = int(*ch);
        if (value.isDouble())
            p.value = value.toDouble();
        if (!state.isNull())
            p.state = int(*wholeOf(state));
        channels << p;
    }
    QList<PlantAlarm> alarms;
    for (const QJsonValue& v : alarmArray) {
        const std::optional<qint64> ch = wholeOf(v[QStringLiteral("ch")]);
        const std::optional<qint64> alarm = wholeOf(v[QStringLiteral("alarm")]);
        if (!ch || !alarm || *ch < 1 || *ch > kMaxChannels || *alarm < 0 || *alarm > 255)
            return Outcome::Malformed;
        alarms << PlantAlarm{int(*ch), int(*alarm)};
    }
    const QDateTime moment = QDateTime::fromString(ts, Qt::ISODate);
    const std::optional<qint64> utcMs =
        moment.isValid() ? std::optional<qint64>(moment.toMSecsSinceEpoch()) : std::nullopt;
    const auto known = m_nodes.constFind(node);
    const auto lastOne = known != m_nodes.cend() ? known->meters.constFind(address)
                                                 : QMap<int, PlantMeter>::const_iterator();
    if (known != m_nodes.cend() && lastOne != known->meters.cend()) {
        const PlantMeter& last = *lastOne;
        // A copy (the same number), or an older record replayed: the last record stays. A
        // lower number with a later stamp is a meter whose numbering began anew.
        if (last.hasRecord() && (*seq == last.seq || (*seq < last.seq && utcMs && last.tsUtcMs &&
                                                      *utcMs <= *last.tsUtcMs)))
            return Outcome::Repeated;
        if (last.hasRecord() && *seq < last.seq && !(utcMs && last.tsUtcMs))
            return Outcome::Repeated;
    }
    PlantMeter* meter = meterFor(node, address);
    if (!meter)
        return Outcome::OverLimit;
    if (utcMs && meter->tsUtcMs && *utcMs > *meter->tsUtcMs)
        meter->intervalMs = *utcMs - *meter->tsUtcMs;
    meter->ts = ts;
    meter->tsUtcMs = utcMs;
    meter->seq = *seq;
    // A record replayed from the files is as old as its stamp, not as its arrival.
    meter->receivedMs =
        o->value(QStringLiteral("replayed")).toBool() && utcMs ? std::min(nowMs, *utcMs) : nowMs;
    meter->channels = channels;
    meter->alarms = alarms;
    meter->stale = isStale(*meter, nowMs);
    Q_EMIT changed(node, address);
    return Outcome::Changed;
}

void PlantState::forgetMeter(const QString& node, int address) {
    auto it = m_nodes.find(node);
    if (it == m_nodes.end() || !it->meters.remove(address))
        return;
    Q_EMIT changed(node, address);
}

bool PlantState::isStale(const PlantMeter& meter, qint64 nowMs) const {
    return meter.hasRecord() &&
           (m_brokerAway || (meter.intervalMs > 0 &&
                             nowMs - meter.receivedMs > kStaleIntervals * meter.intervalMs));
}

void PlantState::refresh(qint64 nowMs) {
    for (PlantNode& node : m_nodes)
        for (PlantMeter& meter : node.meters) {
            const bool stale = isStale(meter, nowMs);
            if (stale == meter.stale)
                continue;
            meter.stale = stale;
            Q_EMIT changed(node.name, meter.address);
        }
}

void PlantState::setBrokerConnected(bool connected, qint64 nowMs) {
    m_brokerAway = !connected;
    refresh(nowMs);
}
