#include "publish/SparkplugNode.h"

#include "core/Clock.h"
#include "core/KeyValueText.h"
#include "core/TextLines.h"
#include "core/Version.h"
#include "logging/RecordBytes.h"
#include "publish/DeliveryState.h"
#include "publish/SparkplugPayload.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The node's count of records waiting goes out at most this often, when it changed.
constexpr int kWaitingEveryTicks = 10;

} // namespace

SparkplugNode::SparkplugNode(Host& host, const PublishSettings& settings, const QString& node,
                             const QString& port, const SaveSettings& save)
    : PublishFormat(host)
    , m_settings(settings)
    , m_node(node)
    , m_port(port) {
    if (!save.gDSaveFolder.isEmpty() && !save.gDSaveName.isEmpty())
        m_bdSeqFile = QDir(save.gDSaveFolder).filePath(save.gDSaveName + QStringLiteral(".BDSEQ"));
    // The next run's sessions follow the last one's, whose death may still be on its way.
    for (const auto& [key, value] : KeyValuePairs(ReadTextLines(m_bdSeqFile))) {
        bool ok = false;
        const uint last = value.toUInt(&ok);
        if (key.compare(QStringLiteral("bdSeq"), Qt::CaseInsensitive) == 0 && ok && last < 256)
            m_nextBdSeq = (last + 1) % 256;
    }
}

QString SparkplugNode::topic(const char* type, const QString& device) const {
    return Sparkplug::Topic(m_settings.sparkplugGroup, type, m_node, device);
}

qint64 SparkplugNode::nowMs() const {
    return m_host.clock().currentMSecsSinceEpoch();
}

QByteArray SparkplugNode::deathPayload(quint64 bdSeq) const {
    return Sparkplug::NodeDeath(bdSeq, nowMs());
}

QString SparkplugNode::target() const {
    return tr("Sparkplug B node %1/%2").arg(m_settings.sparkplugGroup, m_node);
}

QString SparkplugNode::topicsText() const {
    return QStringLiteral("spBv1.0/") + m_settings.sparkplugGroup;
}

void SparkplugNode::prepare(BrokerConnection::Options& o) {
    o.willTopic = topic("NDEATH");
    o.willPayload = deathPayload(m_nextBdSeq);
    o.willRetain = false;
}

QStringList SparkplugNode::subscriptions() const {
    // Its own birth comes back through the broker: the sign that the broker passes things on.
    QStringList out{topic("NCMD"), topic("NBIRTH")};
    if (!m_settings.sparkplugHost.isEmpty())
        out << QStringLiteral("spBv1.0/STATE/") + m_settings.sparkplugHost;
    return out;
}

void SparkplugNode::connected() {
    m_connected = true;
    m_bdSeq = m_nextBdSeq;
    m_nextBdSeq = (m_bdSeq + 1) % 256;
    m_host.link().setWill(topic("NDEATH"), deathPayload(m_nextBdSeq), false);
    if (!m_bdSeqFile.isEmpty())
        m_host.writeFile(m_bdSeqFile, "bdSeq=" + QByteArray::number(m_bdSeq) + "\r\n");
    if (m_settings.sparkplugHost.isEmpty())
        beginSession();
    else
        Q_EMIT message(
            tr("waiting for the primary host %1 to be online").arg(m_settings.sparkplugHost));
}

void SparkplugNode::lost() {
    m_connected = false;
    m_inSession = false;
    for (Device& d : m_devices) {
        d.born = false;
        d.deathDue = false;
    }
}

int SparkplugNode::send(const QString& t, const std::function<QByteArray(quint64)>& build,
                        bool confirmed) {
    const QByteArray payload = build(m_seq);
    BrokerLink& link = m_host.link();
    const int mid =
        confirmed ? link.publishConfirmed(t, payload) : link.publish(t, payload, 0, false);
    if (mid >= 0)
        m_seq = (m_seq + 1) % 256;
    return mid;
}

void SparkplugNode::beginSession() {
    m_inSession = true;
    births();
    m_host.ready();
    // A meter that is not answering dies once what it saved before is sent.
    for (auto it = m_devices.begin(); it != m_devices.end(); ++it)
        if (it->deathDue && it->born && !m_host.isCatchingUp(it.key()))
            death(it.key());
}

void SparkplugNode::births() {
    m_seq = 0;
    Sparkplug::NodeInfo info;
    info.bdSeq = m_bdSeq;
    info.version = ProgramVersion();
    info.port = m_port;
    info.waiting = m_host.recordsWaiting();
    m_waitingSent = info.waiting;
    for (int address : m_host.meters())
        info.meters += m_host.isListed(address) ? 1 : 0;
    const qint64 now = nowMs();
    send(topic("NBIRTH"), [&](quint64) { return Sparkplug::NodeBirth(info, now); });
    m_host.expectEcho();
    for (int address : m_host.meters())
        if (m_host.isListed(address))
            birth(address);
}

bool SparkplugNode::birth(int address, const RecordToSend* record) {
    const DeliveryState* state = m_host.stateOf(address);
    MeterDescription meter;
    if (state && !state->meta.isEmpty())
        meter = DescriptionFromMeta(state->meta);
    const std::optional<NewestRecord> newest = m_host.newestRecord(address);
    if (!meter.isValid()) {
        // Described by nothing but its data files: the channels of their header.
        const DataHeader* header = record ? record->header : newest ? &newest->header : nullptr;
        if (!header)
            return false;
        meter.channels = *header;
        meter.modelCode = header->modelCode;
        meter.channelCount = record ? record->channels : header->channelCount;
    }
    meter.address = address;
    const qint64 now = nowMs();
    if (send(topic("DBIRTH", Sparkplug::DeviceId(address)), [&](quint64 seq) {
            return Sparkplug::DeviceBirth(meter, newest ? &*newest : nullptr, now, seq);
        }) < 0)
        return false;
    Device& d = m_devices[address];
    d.born = true;
    d.bornWith = state ? state->meta : QByteArray();
    d.deathDue = d.linkOk == 0;
    return true;
}

void SparkplugNode::death(int address) {
    Device& d = m_devices[address];
    d.deathDue = false;
    const qint64 now = nowMs();
    if (send(topic("DDEATH", Sparkplug::DeviceId(address)),
             [&](quint64 seq) { return Sparkplug::DeviceDeath(now, seq); }) >= 0)
        d.born = false;
}

int SparkplugNode::publishRecord(const RecordToSend& r) {
    if (!m_inSession)
        return -1;
    if (!m_devices[r.address].born && !birth(r.address, &r))
        return -1;
    const qint64 ms =
        (r.utcOffset ? StampUtcMs(RecordBytes::stamp(r.record), *r.utcOffset) : std::nullopt)
            .value_or(nowMs());
    return send(
        topic("DDATA", Sparkplug::DeviceId(r.address)),
        [&](quint64 seq) { return Sparkplug::DeviceData(r, ms, seq); }, m_settings.qos == 1);
}

void SparkplugNode::described(int address) {
    if (!m_inSession || !m_host.isListed(address))
        return;
    const Device& d = m_devices[address];
    const DeliveryState* state = m_host.stateOf(address);
    if (d.born ? state && !state->meta.isEmpty() && state->meta != d.bornWith : d.linkOk != 0)
        birth(address);
}

void SparkplugNode::linkChanged(int address, bool ok, qint64, qint64, qint64) {
    Device& d = m_devices[address];
    if (d.linkOk == int(ok))
        return;
    d.linkOk = int(ok);
    if (!m_inSession || !m_host.isListed(address))
        return;
    if (ok) {
        d.deathDue = false;
        if (!d.born)
            birth(address);
    } else if (d.born) {
        // Its records saved before go out first: a host takes no data of a device that died.
        if (m_host.isCatchingUp(address))
            d.deathDue = true;
        else
            death(address);
    }
}

void SparkplugNode::caughtUp(int address) {
    const auto it = m_devices.find(address);
    if (m_inSession && it != m_devices.end() && it->deathDue && it->born)
        death(address);
}

void SparkplugNode::metersChanged() {
    if (!m_inSession)
        return;
    for (auto it = m_devices.begin(); it != m_devices.end(); ++it)
        if (it->born && !m_host.isListed(it.key()))
            death(it.key());
}

void SparkplugNode::received(const QString& t, const QByteArray& payload, bool retained) {
    if (t == topic("NCMD")) {
        if (!retained && m_inSession && Sparkplug::AsksForRebirth(payload)) {
            Q_EMIT message(tr("a host asked for the births again (Node Control/Rebirth)"));
            births();
            for (auto it = m_devices.begin(); it != m_devices.end(); ++it)
                if (it->deathDue && it->born && !m_host.isCatchingUp(it.key()))
                    death(it.key());
        }
    } else if (t == topic("NBIRTH")) {
        if (m_inSession && Sparkplug::BirthSequence(payload) == m_bdSeq)
            m_host.echoSeen();
    } else if (t == QStringLiteral("spBv1.0/STATE/") + m_settings.sparkplugHost) {
        onHostState(payload);
    }
}

// The primary host's state: {"online":true|false,"timestamp":MS} (the plain ONLINE or OFFLINE
// of older hosts is taken too). A state older than one already seen is a death of an earlier
// session of the host, left late.
void SparkplugNode::onHostState(const QByteArray& payload) {
    const QJsonObject o = QJsonDocument::fromJson(payload).object();
    bool online = false;
    qint64 timestamp = -1;
    if (o.contains(QStringLiteral("online"))) {
        online = o.value(QStringLiteral("online")).toBool();
        timestamp = o.value(QStringLiteral("timestamp")).toInteger(-1);
    } else {
        const QByteArray word = payload.trimmed().toUpper();
        if (word != "ONLINE" && word != "OFFLINE")
            return;
        online = word == "ONLINE";
    }
    if (timestamp >= 0) {
        if (timestamp < m_hostTimestamp)
            return;
        m_hostTimestamp = timestamp;
    }
    Q_EMIT statusChanged();
    if (online && m_connected && !m_inSession) {
        Q_EMIT message(tr("the primary host %1 is online").arg(m_settings.sparkplugHost));
        beginSession();
    } else if (!online && m_inSession) {
        m_host.link().publish(topic("NDEATH"), deathPayload(m_bdSeq), 1, false);
        m_inSession = false;
        m_host.reconnect(tr("the primary host %1 went offline: the session ends, and records "
                            "wait in the data files until it is back")
                             .arg(m_settings.sparkplugHost));
    }
}

void SparkplugNode::goodbye() {
    if (m_inSession)
        m_host.link().publish(topic("NDEATH"), deathPayload(m_bdSeq), 1, false);
}

void SparkplugNode::tick() {
    if (++m_ticks % kWaitingEveryTicks != 0 || !m_inSession)
        return;
    const qint64 waiting = m_host.recordsWaiting();
    if (waiting == m_waitingSent)
        return;
    const qint64 now = nowMs();
    if (send(topic("NDATA"), [&](quint64 seq) { return Sparkplug::NodeData(waiting, now, seq); }) >=
        0)
        m_waitingSent = waiting;
}

QString SparkplugNode::statusNote() const {
    if (m_settings.sparkplugHost.isEmpty() || !m_connected || m_inSession)
        return {};
    return tr(" \u00b7 the primary host %1 is offline").arg(m_settings.sparkplugHost);
}
