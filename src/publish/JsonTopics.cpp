#include "publish/JsonTopics.h"

#include "core/Clock.h"
#include "core/Version.h"
#include "publish/DeliveryState.h"
#include "publish/RecordPayload.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

namespace {

// A status of our node left by a run of this program on this PC that has ended: the broker
// has not noticed yet, and its last will follows.
bool isLeftByAnEndedRun(const QJsonObject& status) {
#ifdef Q_OS_UNIX
    const qint64 pid = status.value(QStringLiteral("pid")).toInteger();
    return status.value(QStringLiteral("host")).toString() == QSysInfo::machineHostName() &&
           pid > 0 && pid != QCoreApplication::applicationPid() && ::kill(pid_t(pid), 0) != 0 &&
           errno == ESRCH;
#else
    Q_UNUSED(status);
    return false;
#endif
}

} // namespace

JsonTopics::JsonTopics(Host& host, const PublishSettings& settings, const QString& prefix,
                       const QString& node)
    : PublishFormat(host)
    , m_settings(settings)
    , m_prefix(prefix)
    , m_node(node)
    , m_session(QString::number(QRandomGenerator::system()->generate64(), 16)) {}

void JsonTopics::prepare(BrokerConnection::Options& o) {
    o.willTopic = Topics::status(m_prefix, m_node);
    o.willPayload = StatusPayload(false, {}, {}, m_session);
    o.willRetain = true;
}

QStringList JsonTopics::subscriptions() const {
    // Another program publishing as this node, and meters no longer in the list, show in what
    // the broker keeps under the node.
    const QString node = m_prefix + u'/' + m_node + u'/';
    return {node + QStringLiteral("status"), node + QStringLiteral("+/meta"),
            node + QStringLiteral("+/link")};
}

QString JsonTopics::target() const {
    return m_prefix + u'/' + m_node;
}

QString JsonTopics::topicsText() const {
    return target();
}

bool JsonTopics::isConnected() {
    return m_host.link().isConnected();
}

bool JsonTopics::isReady() const {
    return m_host.link().isConnected();
}

void JsonTopics::connected() {
    m_since = m_host.clock().currentDateTime();
    m_otherNodes.clear();
    m_cleared.clear();
    publishStatus();
    m_host.expectEcho();
    for (int address : m_host.meters()) {
        Meter& m = m_meters[address];
        m.metaSent.clear();
        m.linkSent.clear();
        publishMeta(address);
        publishLink(address);
    }
    m_host.ready();
}

int JsonTopics::publishRecord(const RecordToSend& r) {
    return m_host.link().publish(
        Topics::meter(m_prefix, m_node, r.address, "data"),
        DataPayload(r.record, *r.header, r.channels, r.seq, r.replayed, r.utcOffset),
        m_settings.qos, false);
}

void JsonTopics::described(int address) {
    if (isConnected())
        publishMeta(address);
}

void JsonTopics::publishMeta(int address) {
    const DeliveryState* state = m_host.stateOf(address);
    Meter& m = m_meters[address];
    if (!state || state->meta.isEmpty() || state->meta == m.metaSent || !m_host.isListed(address))
        return;
    const int mid = m_host.link().publish(Topics::meter(m_prefix, m_node, address, "meta"),
                                          state->meta, 1, true);
    if (mid >= 0) {
        m.metaSent = state->meta;
        m_host.track(mid);
    }
}

void JsonTopics::publishLink(int address) {
    Meter& m = m_meters[address];
    if (m.link.isEmpty() || m.link == m.linkSent || !isConnected() || !m_host.isListed(address))
        return;
    const int mid =
        m_host.link().publish(Topics::meter(m_prefix, m_node, address, "link"), m.link, 1, true);
    if (mid >= 0) {
        m.linkSent = m.link;
        m_host.track(mid);
    }
}

void JsonTopics::linkChanged(int address, bool ok, qint64 good, qint64 timeouts, qint64 bad) {
    Meter& m = m_meters[address];
    if (m.linkOk == int(ok))
        return;
    m.linkOk = int(ok);
    m.link = LinkPayload(ok, good, timeouts, bad);
    publishLink(address);
}

void JsonTopics::publishStatus() {
    m_host.link().publish(Topics::status(m_prefix, m_node),
                          StatusPayload(true, ProgramVersion(), m_since, m_session), 1, true);
}

void JsonTopics::goodbye() {
    m_host.link().publish(Topics::status(m_prefix, m_node), StatusPayload(false, {}, {}, m_session),
                          1, true);
}

void JsonTopics::metersChanged() {
    for (int address : m_host.meters()) {
        if (m_host.isListed(address))
            m_cleared.remove(address);
        else if (isConnected())
            clearMeter(address);
    }
}

// A meter no longer in the meter list: what the broker keeps of it would describe it as there
// for good.
void JsonTopics::clearMeter(int address) {
    if (m_cleared.contains(address) || !isConnected())
        return;
    m_cleared.insert(address);
    for (const char* leaf : {"meta", "link"})
        m_host.link().publish(Topics::meter(m_prefix, m_node, address, leaf), {}, 1, true);
    if (const auto it = m_meters.find(address); it != m_meters.end())
        it->metaSent = it->linkSent = {};
    Q_EMIT message(tr("meter %1 is not in the meter list: its meta and link at the broker are "
                      "cleared")
                       .arg(address));
}

void JsonTopics::received(const QString& topic, const QByteArray& payload, bool retained) {
    const QString node = m_prefix + u'/' + m_node + u'/';
    if (!topic.startsWith(node))
        return;
    const QString rest = topic.mid(node.size());
    if (rest == u"status") {
        onStatusSeen(payload, retained);
        return;
    }
    // What the broker kept from before of a meter that is no longer in the list.
    bool ok = false;
    const int address = rest.section(u'/', 0, 0).toInt(&ok);
    if (ok && retained && !payload.isEmpty() && !m_host.isListed(address))
        clearMeter(address);
}

// The node's status as the broker passes it on: our own, or another program's publishing as
// the same node, whose records and ours a subscriber could not tell apart.
void JsonTopics::onStatusSeen(const QByteArray& payload, bool retained) {
    const QJsonObject status = QJsonDocument::fromJson(payload).object();
    const QString session = status.value(QStringLiteral("session")).toString();
    if (session == m_session) {
        m_host.echoSeen();
        return;
    }
    const QString state = status.value(QStringLiteral("state")).toString();
    if (state == u"offline") {
        // Another program ended and its "offline" took our place: ours is put back.
        if (!retained) {
            m_otherNodes.remove(session);
            if (isConnected())
                publishStatus();
        }
        Q_EMIT statusChanged();
        return;
    }
    if (state != u"online" || m_otherNodes.contains(session) ||
        (retained && isLeftByAnEndedRun(status)))
        return;
    m_otherNodes.insert(session);
    Q_EMIT message(
        tr("WARNING: another program publishes as node %1 (on %2, process %3, online "
           "since %4): its records and this program's go to the same topics %5/%1/... "
           "and a subscriber cannot tell them apart. Give each logger its own node "
           "name (--node).")
            .arg(m_node, status.value(QStringLiteral("host")).toString(QStringLiteral("?")))
            .arg(status.value(QStringLiteral("pid")).toInteger())
            .arg(status.value(QStringLiteral("since")).toString(), m_prefix));
    Q_EMIT statusChanged();
}

QString JsonTopics::statusNote() const {
    return m_otherNodes.isEmpty() ? QString()
                                  : tr(" \u00b7 another program publishes as %1").arg(m_node);
}
