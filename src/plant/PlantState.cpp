#include "plant/PlantState.h"

#include "plant/PlantRecord.h"

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
int addressOf(QStringView level) {
    if (level.isEmpty() || level.size() > 3 || level.front() == u'0')
        return 0;
    int a = 0;
    for (QChar c : level) {
        if (c < u'0' || c > u'9')
            return 0;
        a = a * 10 + (c.unicode() - u'0');
    }
    return a <= PlantState::kMaxMeters ? a : 0;
}

std::optional<QJsonObject> objectOf(const QByteArray& payload) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(payload, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    return doc.object();
}

// `to` made equal to `from` in the room it has, unless it shares it with a copy a reader holds:
// a record a second of every meter then needs no new memory.
template <typename List>
void copyInPlace(List& to, const List& from) {
    if (to.isDetached() && to.capacity() >= from.size()) {
        to.resize(from.size());
        std::copy(from.cbegin(), from.cend(), to.begin());
    } else {
        to = List(from.cbegin(), from.cend());
    }
}

void copyInPlace(QString& to, const QString& from) {
    if (to.isDetached() && to.capacity() >= from.size()) {
        to.resize(from.size());
        std::copy(from.cbegin(), from.cend(), to.begin());
    } else {
        to = QString(from.constData(), from.size());
    }
}

} // namespace

PlantState::PlantState(QString prefix, QObject* parent)
    : QObject(parent)
    , m_prefix(std::move(prefix)) {}

void PlantState::take(const QString& topic, const QByteArray& payload, qint64 nowMs,
                      bool retained) {
    take(QByteArrayView(topic.toUtf8()), QByteArrayView(payload), nowMs, retained);
}

void PlantState::take(QByteArrayView topicBytes, QByteArrayView payloadBytes, qint64 nowMs,
                      bool retained) {
    if (payloadBytes.size() > kMaxPayload) {
        ++m_counts.tooLarge;
        return;
    }
    // Read where it lies: nothing here keeps the payload.
    const QByteArray payload = QByteArray::fromRawData(payloadBytes.data(), payloadBytes.size());
    Outcome outcome = Outcome::Malformed;
    // A record of a meter already known, by its topic as it came: the most of what comes.
    if (const Place* place = knownPlace(topicBytes)) {
        outcome = takeData(topicBytes, place->node->name, place->meter->address, payload, nowMs,
                           place->meter);
        count(outcome);
        return;
    }
    // PREFIX/NODE/status or PREFIX/NODE/ADDRESS/LEAF, looked at in place.
    const QString topic = QString::fromUtf8(topicBytes);
    const qsizetype headSize = m_prefix.size() + 1;
    if (topic.size() > headSize && topic.startsWith(m_prefix) && topic[headSize - 1] == u'/') {
        const QStringView rest = QStringView(topic).mid(headSize);
        const qsizetype first = rest.indexOf(u'/');
        const qsizetype second = first < 0 ? -1 : rest.indexOf(u'/', first + 1);
        const QStringView node = first < 0 ? rest : rest.left(first);
        if (first < 0 || (second >= 0 && rest.indexOf(u'/', second + 1) >= 0)) {
            outcome = Outcome::Malformed;
        } else if (const QString name = node.toString(); !isShowableName(name)) {
            outcome = Outcome::Malformed;
        } else if (second < 0) {
            if (rest.mid(first + 1) == u"status")
                outcome = takeStatus(name, payload, nowMs, retained);
        } else if (const int address = addressOf(rest.mid(first + 1, second - first - 1))) {
            const QStringView leaf = rest.mid(second + 1);
            if (leaf == u"meta")
                outcome = takeMeta(name, address, payload);
            else if (leaf == u"data")
                outcome = takeData(topicBytes, name, address, payload, nowMs);
            else if (leaf == u"link")
                outcome = takeLink(name, address, payload);
        }
    }
    count(outcome);
}

void PlantState::count(Outcome outcome) {
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
    aboutToWrite();
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
    aboutToWrite(node);
    PlantMeter& meter = node->meters[address];
    meter.address = address;
    return &meter;
}

PlantState::Outcome PlantState::takeStatus(const QString& name, const QByteArray& payload,
                                           qint64 nowMs, bool retained) {
    if (payload.isEmpty()) { // a cleared status: the node is gone, unless its meters are not
        aboutToWrite();
        auto it = m_nodes.find(name);
        if (it == m_nodes.end())
            return Outcome::Same;
        if (it->meters.isEmpty())
            m_nodes.erase(it);
        else
            it->state.clear();
        tell(name, 0);
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
    tell(name, 0);
    return Outcome::Changed;
}

PlantState::Outcome PlantState::takeMeta(const QString& node, int address,
                                         const QByteArray& payload) {
    if (payload.isEmpty()) { // the meter was taken off its node's meter list
        forgetMeter(node, address);
        return Outcome::Changed;
    }
    const std::optional<QJsonObject> o = objectOf(payload);
    if (!o || PlantJsonWhole(o->value(QStringLiteral("address"))) != address)
        return Outcome::Malformed;
    const std::optional<qint64> channels = PlantJsonWhole(o->value(QStringLiteral("channels")));
    if (!channels || *channels < 1)
        return Outcome::Malformed;
    if (*channels > kMaxChannels ||
        o->value(QStringLiteral("channel_info")).toArray().size() > kMaxChannels)
        return Outcome::OverLimit;
    PlantMeter* meter = meterFor(node, address);
    if (!meter)
        return Outcome::OverLimit;
    meter->description = DescriptionFromMeta(payload);
    tell(node, address, meter);
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
    tell(node, address, meter);
    return Outcome::Changed;
}

PlantState::Outcome PlantState::takeData(QByteArrayView topic, const QString& node, int address,
                                         const QByteArray& payload, qint64 nowMs,
                                         PlantMeter* meter) {
    // Read into the same record each time: its lists and stamp keep their room.
    PlantRecord& record = m_record;
    switch (ReadPlantRecord(payload, &record)) {
    case PlantReading::Malformed:
        return Outcome::Malformed;
    case PlantReading::OverLimit:
        return Outcome::OverLimit;
    case PlantReading::Read:
        break;
    }
    const qint64 seq = record.seq;
    const std::optional<qint64>& utcMs = record.utcMs;
    if (!meter)
        meter = knownMeter(topic, node, address);
    if (meter && meter->hasRecord()) {
        // A copy (the same number), or an older record replayed: the last record stays. A
        // lower number with a later stamp is a meter whose numbering began anew.
        const bool bothStamped = utcMs && meter->tsUtcMs;
        if (seq == meter->seq ||
            (seq < meter->seq && (!bothStamped || *utcMs <= *meter->tsUtcMs))) {
            Q_EMIT recordTaken(node, address, record);
            return Outcome::Repeated;
        }
    }
    if (!meter)
        meter = meterFor(node, address);
    if (!meter)
        return Outcome::OverLimit;
    Q_EMIT recordTaken(node, address, record);
    if (utcMs && meter->tsUtcMs && *utcMs > *meter->tsUtcMs)
        meter->intervalMs = *utcMs - *meter->tsUtcMs;
    copyInPlace(meter->ts, record.ts);
    meter->tsUtcMs = utcMs;
    meter->seq = seq;
    // A record replayed from the files is as old as its stamp, not as its arrival.
    meter->receivedMs = record.replayed && utcMs ? std::min(nowMs, *utcMs) : nowMs;
    copyInPlace(meter->channels, record.channels);
    copyInPlace(meter->alarms, record.alarms);
    meter->inputs = record.inputs;
    meter->relays = record.relays;
    meter->stale = isStale(*meter, nowMs);
    tell(node, address, meter);
    return Outcome::Changed;
}

// Whether a write into `map` would copy it first (a reader holds a copy that shares it).
template <typename Map>
static bool isShared(const Map& map) {
    return !map.isEmpty() && !map.isDetached();
}

void PlantState::aboutToWrite(const PlantNode* node) {
    // A copy made now moves what it copies: the places found in it would point into the
    // reader's copy.
    if (isShared(m_nodes) || (node && isShared(node->meters)))
        m_places.clear();
}

const PlantState::Place* PlantState::knownPlace(QByteArrayView topic) {
    if (m_places.isEmpty())
        return nullptr;
    aboutToWrite();
    const auto p = m_places.constFind(QByteArray::fromRawData(topic.data(), topic.size()));
    if (p == m_places.cend())
        return nullptr;
    if (!isShared(p->node->meters))
        return &*p;
    m_places.clear();
    return nullptr;
}

PlantMeter* PlantState::knownMeter(QByteArrayView topic, const QString& node, int address) {
    if (const Place* p = knownPlace(topic))
        return p->meter;
    // Written through below: shared maps are copied here, and the places found anew.
    const auto known = m_nodes.find(node);
    if (known == m_nodes.end())
        return nullptr;
    aboutToWrite(&*known);
    const auto m = known->meters.find(address);
    if (m == known->meters.end())
        return nullptr;
    m_places.insert(topic.toByteArray(), Place{&*known, &*m});
    return &*m;
}

void PlantState::forgetMeter(const QString& node, int address) {
    m_places.remove(
        (m_prefix + u'/' + node + u'/' + QString::number(address) + QStringLiteral("/data"))
            .toUtf8());
    aboutToWrite();
    auto it = m_nodes.find(node);
    if (it == m_nodes.end())
        return;
    aboutToWrite(&*it);
    if (!it->meters.remove(address))
        return;
    // A meter of the same address made again in this burst is told of by its own mark.
    m_heldMayRepeat = m_held > 0;
    tell(node, address);
}

bool PlantState::isStale(const PlantMeter& meter, qint64 nowMs) const {
    return meter.hasRecord() &&
           (m_brokerAway || (meter.intervalMs > 0 &&
                             nowMs - meter.receivedMs > kStaleIntervals * meter.intervalMs));
}

void PlantState::refresh(qint64 nowMs) {
    aboutToWrite();
    for (PlantNode& node : m_nodes) {
        aboutToWrite(&node);
        for (PlantMeter& meter : node.meters) {
            const bool stale = isStale(meter, nowMs);
            if (stale == meter.stale)
                continue;
            meter.stale = stale;
            tell(node.name, meter.address, &meter);
        }
    }
}

void PlantState::setBrokerConnected(bool connected, qint64 nowMs) {
    m_brokerAway = !connected;
    refresh(nowMs);
}

void PlantState::tell(const QString& node, int address, PlantMeter* meter) {
    if (m_held == 0) {
        Q_EMIT changed(node, address);
        return;
    }
    // A meter is marked as told in this round: no set of keys to look up, message by message.
    if (meter) {
        if (meter->heldRound == m_heldRound)
            return;
        meter->heldRound = m_heldRound;
        m_heldChanges.append(qMakePair(node, address));
        return;
    }
    const QPair<QString, int> key(node, address);
    if (!m_heldSet.contains(key)) {
        m_heldSet.insert(key);
        m_heldChanges.append(key);
    }
}

void PlantState::holdChanges() {
    ++m_held;
}

void PlantState::releaseChanges() {
    if (m_held == 0 || --m_held > 0)
        return;
    QList<QPair<QString, int>> changes;
    changes.swap(m_heldChanges);
    m_heldSet.clear();
    ++m_heldRound;
    if (std::exchange(m_heldMayRepeat, false)) {
        QSet<QPair<QString, int>> seen;
        changes.removeIf([&](const QPair<QString, int>& c) {
            const bool repeated = seen.contains(c);
            seen.insert(c);
            return repeated;
        });
    }
    for (const auto& [node, address] : std::as_const(changes))
        Q_EMIT changed(node, address);
    // The list keeps its room for the next burst.
    changes.clear();
    if (m_heldChanges.isEmpty())
        m_heldChanges.swap(changes);
}
