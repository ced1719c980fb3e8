#include "publish/BrokerConnection.h"

#include "core/Clock.h"

#include <QDeadlineTimer>
#include <QPointer>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <mosquitto.h>
#include <mutex>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <sys/socket.h>
#endif

namespace {

constexpr int kMaxRetrySeconds = 60;
constexpr int kMiscIntervalMs = 500;
// An attempt that has not been answered by then is given up and tried again.
constexpr qint64 kAttemptTimeoutMs = 15000;
// The refusals of a CONNACK: a bad user name or password, not authorised.
constexpr int kBadCredentials = 4;
constexpr int kNotAuthorised = 5;
// Confirmations of QoS 0 messages are asked for by unsubscribing from a filter nobody
// subscribes to: the broker answers every UNSUBSCRIBE, and answers it only after it has taken
// in everything sent before it on the connection.
constexpr const char* kConfirmFilter = "td700/confirm/never-subscribed";
// A wake-up reads on while the socket holds more, up to this many packets, so that a stream of
// small messages costs one turn of the event loop per burst rather than one per message, and a
// flood still lets the loop breathe.
constexpr int kPacketsPerWakeUp = 2000;
// Reading the stream itself, a wake-up reads this many times at most (64 KB or more each).
constexpr int kReadsPerWakeUp = 32;

void initLibrary() {
    static std::once_flag once;
    std::call_once(once, [] { mosquitto_lib_init(); });
}

QByteArray local8(const QString& s) {
    return s.toLocal8Bit();
}

const char* orNull(const QByteArray& b) {
    return b.isEmpty() ? nullptr : b.constData();
}

} // namespace

BrokerConnection::BrokerConnection(Clock& clock, Options options, QObject* parent)
    : BrokerLink(parent)
    , m_clock(clock)
    , m_options(std::move(options))
    , m_misc(clock, QStringLiteral("mqtt"), kMiscIntervalMs, [this] { onMisc(); }) {
    initLibrary();
    // The keep-alive is counted in seconds: the look may ride on another wake-up.
    m_misc.setSlackMs(kMiscIntervalMs / 5);
}

BrokerConnection::~BrokerConnection() {
    if (m_retry)
        m_clock.cancel(*m_retry);
    if (m_readPause)
        m_clock.cancel(*m_readPause);
    m_read.reset();
    m_write.reset();
    if (m_mosq)
        mosquitto_destroy(m_mosq);
}

QString BrokerConnection::brokerName() const {
    const QString host = m_options.address.host.contains(u':')
                             ? u'[' + m_options.address.host + u']'
                             : m_options.address.host;
    return host + u':' + QString::number(m_options.address.port);
}

int BrokerConnection::secondsToRetry() const {
    if (!m_retry)
        return 0;
    return int(std::max<qint64>(1, (m_retryDueUs - m_clock.nowUs() + 500000) / 1000000));
}

void BrokerConnection::start() {
    m_stopping = false;
    m_retrySeconds = 1;
    attempt();
}

void BrokerConnection::attempt() {
    if (m_retry)
        m_clock.cancel(*m_retry);
    m_retry.reset();
    if (m_stopping)
        return;
    if (m_mosq) {
        m_read.reset();
        m_write.reset();
        mosquitto_destroy(m_mosq);
        m_mosq = nullptr;
    }
    m_connected = false;
    m_acknowledged = false;
    m_lastLog.clear();
    m_events.clear();
    ++m_connection;
    m_readingItself = false;
    m_inbox.clear();
    forgetConfirmations();
    m_mosq = mosquitto_new(orNull(local8(m_options.clientId)), true, this);
    if (!m_mosq) {
        drop(tr("the MQTT client could not be made"), false);
        return;
    }
    mosquitto_connect_v5_callback_set(m_mosq, &BrokerConnection::onConnectCb);
    mosquitto_disconnect_v5_callback_set(m_mosq, &BrokerConnection::onDisconnectCb);
    mosquitto_publish_v5_callback_set(m_mosq, &BrokerConnection::onPublishCb);
    mosquitto_message_v5_callback_set(m_mosq, &BrokerConnection::onMessageCb);
    mosquitto_unsubscribe_v5_callback_set(m_mosq, &BrokerConnection::onUnsubscribeCb);
    mosquitto_log_callback_set(m_mosq, &BrokerConnection::onLogCb);
    mosquitto_int_option(m_mosq, MOSQ_OPT_TCP_NODELAY, 1);
    // Our own window bounds what is queued; the client may send it all at once.
    mosquitto_max_inflight_messages_set(m_mosq, 0);
    if (!m_options.user.isEmpty())
        mosquitto_username_pw_set(
            m_mosq, local8(m_options.user).constData(),
            m_options.password.isEmpty() ? nullptr : m_options.password.toUtf8().constData());
    if (!m_options.willTopic.isEmpty())
        mosquitto_will_set(m_mosq, m_options.willTopic.toUtf8().constData(),
                           int(m_options.willPayload.size()), m_options.willPayload.constData(), 1,
                           m_options.willRetain);
    if (m_options.address.tls) {
        const QByteArray ca = local8(m_options.caFile), cert = local8(m_options.certFile),
                         key = local8(m_options.keyFile);
        int rc = MOSQ_ERR_SUCCESS;
        if (ca.isEmpty()) {
            mosquitto_int_option(m_mosq, MOSQ_OPT_TLS_USE_OS_CERTS, 1);
            rc = mosquitto_tls_set(m_mosq, nullptr, "/etc/ssl/certs", orNull(cert), orNull(key),
                                   nullptr);
        } else {
            rc = mosquitto_tls_set(m_mosq, ca.constData(), nullptr, orNull(cert), orNull(key),
                                   nullptr);
        }
        if (rc != MOSQ_ERR_SUCCESS) {
            drop(tr("the certificates could not be used: %1").arg(errorText(rc)), true);
            return;
        }
    }
    m_attemptStartedMs = m_clock.nowMs();
    const int rc = mosquitto_connect_async(m_mosq, local8(m_options.address.host).constData(),
                                           m_options.address.port, m_options.keepAliveSeconds);
    if (rc != MOSQ_ERR_SUCCESS) {
        drop(errorText(rc), rc == MOSQ_ERR_TLS && IsCertificateVerdict(m_lastLog));
        return;
    }
    const int fd = mosquitto_socket(m_mosq);
    if (fd < 0) {
        drop(tr("no connection was made"), false);
        return;
    }
    m_read = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(m_read.get(), &QSocketNotifier::activated, this, &BrokerConnection::onReadable);
    m_write = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Write);
    connect(m_write.get(), &QSocketNotifier::activated, this, &BrokerConnection::onWritable);
    updateWriteNotifier();
    m_misc.start();
}

void BrokerConnection::updateWriteNotifier() {
    if (m_write && m_mosq)
        m_write->setEnabled(mosquitto_want_write(m_mosq));
}

void BrokerConnection::onReadable() {
    if (!m_mosq)
        return;
#ifdef Q_OS_UNIX
    // During the TLS handshake a closed connection can read as "nothing yet" again and again:
    // an end of stream before the broker has answered ends the attempt.
    if (!m_connected) {
        char byte;
        const int fd = mosquitto_socket(m_mosq);
        if (fd >= 0 && ::recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0) {
            drop(tr("the broker closed the connection"), false);
            return;
        }
    }
#endif
    // The library reads one packet a call and tells of an empty socket only through errno.
    // Each packet is acted on before the next is read: its copy is freed while still warm.
    bool gotMessages = false, empty = false;
    for (int i = 0; i < kPacketsPerWakeUp && m_mosq && !m_readingItself; ++i) {
        errno = 0;
        const int rc = mosquitto_loop_read(m_mosq, 1);
        empty = errno == EAGAIN || errno == EWOULDBLOCK;
        gotMessages =
            gotMessages || std::any_of(m_events.cbegin(), m_events.cend(),
                                       [](const Event& e) { return e.kind == Event::Message; });
        afterLoop(rc);
        if (rc != MOSQ_ERR_SUCCESS || empty)
            break;
    }
    // From the packet after the CONNACK on, the stream is read here.
    if (m_readingItself && m_mosq && !empty) {
        const quint64 connection = m_connection;
        gotMessages = readItself(&empty) || gotMessages;
        if (m_connection != connection)
            return;
    }
    if (gotMessages && empty && m_options.readPauseMs > 0 && m_connected && m_read &&
        !m_readPause) {
        // What comes meanwhile waits in the socket and is read in one go; a socket that still
        // held more (a broker sending what it kept) is read on at once.
        m_read->setEnabled(false);
        m_readPause = m_clock.schedule(qint64(m_options.readPauseMs) * 1000,
                                       qint64(m_options.readPauseMs) * 500, [this] {
                                           m_readPause.reset();
                                           if (m_read)
                                               m_read->setEnabled(true);
                                       });
    }
}

void BrokerConnection::onWritable() {
    if (!m_mosq)
        return;
    afterLoop(mosquitto_loop_write(m_mosq, 1));
}

void BrokerConnection::onMisc() {
    if (!m_mosq)
        return;
    if (!m_connected && m_clock.nowMs() - m_attemptStartedMs > kAttemptTimeoutMs) {
        drop(tr("the broker did not answer in %1 s").arg(kAttemptTimeoutMs / 1000), false);
        return;
    }
    if (m_readingItself)
        keepAliveItself();
    else
        afterLoop(mosquitto_loop_misc(m_mosq));
}

bool BrokerConnection::readItself(bool* empty) {
    const quint64 connection = m_connection;
    const int fd = mosquitto_socket(m_mosq);
    bool gotMessages = false;
    for (int i = 0; i < kReadsPerWakeUp; ++i) {
        errno = 0;
        const qsizetype n = m_inbox.readFrom(fd);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            *empty = true;
            break;
        }
        if (n <= 0) {
            afterLoop(n == 0 ? MOSQ_ERR_CONN_LOST : MOSQ_ERR_ERRNO);
            return gotMessages;
        }
        MqttInbox::Packet packet;
        while (m_inbox.next(&packet)) {
            gotMessages = gotMessages || packet.type() == MqttInbox::kPublish;
            const bool taken = takePacket(packet);
            if (m_connection != connection) // a handler ended the connection
                return gotMessages;
            if (!taken) {
                afterLoop(MOSQ_ERR_PROTOCOL);
                return gotMessages;
            }
        }
        if (m_inbox.isMalformed()) {
            afterLoop(MOSQ_ERR_PROTOCOL);
            return gotMessages;
        }
    }
    return gotMessages;
}

// What a subscriber at QoS 0 is sent; anything else is a broker gone wrong.
bool BrokerConnection::takePacket(const MqttInbox::Packet& packet) {
    switch (packet.type()) {
    case MqttInbox::kPublish: {
        MqttInbox::Publish message;
        if (!MqttInbox::readPublish(packet, &message) || message.qos > 0)
            return false;
        if (m_sink)
            m_sink(message.topic, message.payload, message.retained);
        else
            Q_EMIT received(QString::fromUtf8(message.topic), message.payload.toByteArray(),
                            message.retained);
        return true;
    }
    case MqttInbox::kSuback:
        return true;
    case MqttInbox::kUnsuback:
        onConfirmed(MqttInbox::packetId(packet));
        return true;
    case MqttInbox::kPingresp:
        m_pingAnswered = true;
        return true;
    default:
        return false;
    }
}

// The library's keep-alive counts only what the library read: reading the stream here, the
// pings are sent and their answers awaited here.
void BrokerConnection::keepAliveItself() {
#ifdef Q_OS_UNIX
    const qint64 now = m_clock.nowMs();
    if (m_options.keepAliveSeconds <= 0 ||
        now - m_lastPingMs < qint64(m_options.keepAliveSeconds) * 1000)
        return;
    if (!m_pingAnswered) {
        afterLoop(MOSQ_ERR_KEEPALIVE);
        return;
    }
    // Written beside the library's queue: only while it holds nothing half written.
    if (mosquitto_want_write(m_mosq))
        return;
    static constexpr char kPingreq[] = {'\xc0', '\0'};
    if (::send(mosquitto_socket(m_mosq), kPingreq, 2, MSG_NOSIGNAL | MSG_DONTWAIT) == 2) {
        m_pingAnswered = false;
        m_lastPingMs = now;
    }
#endif
}

// The callbacks only note what happened; it is acted on once the library call has returned,
// so that a handler may publish, stop or start over without re-entering the library.
void BrokerConnection::afterLoop(int rc) {
    const bool lost = rc != MOSQ_ERR_SUCCESS;
    const bool told = std::any_of(m_events.begin(), m_events.end(),
                                  [](const Event& e) { return e.kind == Event::Disconnect; });
    if (lost && !told)
        m_events.append(Event(Event::Disconnect, rc));
    handleEvents();
    updateWriteNotifier();
}

void BrokerConnection::handleEvents() {
    while (!m_events.isEmpty()) {
        const Event e = m_events.takeFirst();
        switch (e.kind) {
        case Event::Published:
            // The broker answers: the connection works, and a later loss is tried again soon.
            m_acknowledged = true;
            m_retrySeconds = 1;
            if (!m_awaiting.contains(e.mid)) // written, not yet confirmed
                Q_EMIT delivered(e.mid);
            break;
        case Event::Unsubscribed:
            onConfirmed(e.mid);
            break;
        case Event::Message:
            if (m_sink)
                m_sink(e.topic, e.payload, e.retained);
            else
                Q_EMIT received(QString::fromUtf8(e.topic), e.payload, e.retained);
            break;
        case Event::Connack:
            onConnack(e.code);
            if (!m_connected)
                return;
            break;
        case Event::Disconnect: {
            QString why = errorText(e.code);
            if (m_connected && !m_acknowledged)
                why += tr("; it had acknowledged nothing (do its access rules let this user "
                          "publish here?)");
            drop(why, e.code == MOSQ_ERR_TLS && !m_connected && IsCertificateVerdict(m_lastLog));
            return;
        }
        }
        if (!m_mosq)
            return;
    }
}

void BrokerConnection::onConnack(int code) {
    if (code == 0) {
        m_connected = m_everConnected = true;
#ifdef Q_OS_UNIX
        m_readingItself = m_options.readsItself && !m_options.address.tls;
        m_pingAnswered = true;
        m_lastPingMs = m_clock.nowMs();
#endif
        // The library writes a log line for every packet once connected: formatting them
        // would cost a subscriber more than reading its messages. Its notes matter while
        // connecting (why a TLS handshake failed), not in a connection that works.
        mosquitto_log_callback_set(m_mosq, nullptr);
        for (const QString& filter : std::as_const(m_subscriptions))
            mosquitto_subscribe(m_mosq, nullptr, filter.toUtf8().constData(),
                                m_options.subscribeQos);
        // The broker answers in order: this answer comes after what the subscriptions had it
        // send.
        if (m_options.tellCaughtUp)
            mosquitto_unsubscribe(m_mosq, &m_caughtUpMid, kConfirmFilter);
        Q_EMIT connected();
        return;
    }
    drop(QString::fromUtf8(mosquitto_connack_string(code)),
         code == kBadCredentials || code == kNotAuthorised);
}

void BrokerConnection::drop(const QString& why, bool refused) {
    const bool wasConnected = m_connected;
    m_connected = false;
    m_readingItself = false;
    ++m_connection;
    m_events.clear();
    forgetConfirmations();
    m_misc.stop();
    if (m_readPause)
        m_clock.cancel(*std::exchange(m_readPause, std::nullopt));
    m_read.reset();
    m_write.reset();
    if (m_mosq) {
        mosquitto_destroy(m_mosq);
        m_mosq = nullptr;
    }
    if (m_stopping)
        return;
    scheduleRetry();
    if (wasConnected)
        Q_EMIT connectionLost(why);
    else
        Q_EMIT attemptFailed(why, refused);
}

void BrokerConnection::scheduleRetry() {
    if (m_retry)
        m_clock.cancel(*m_retry);
    const qint64 us = qint64(m_retrySeconds) * 1000000;
    m_retryDueUs = m_clock.nowUs() + us;
    m_retry = m_clock.schedule(us, 0, [this] {
        m_retry.reset();
        attempt();
    });
    m_retrySeconds = std::min(m_retrySeconds * 2, kMaxRetrySeconds);
}

int BrokerConnection::publish(const QString& topic, const QByteArray& payload, int qos,
                              bool retain) {
    if (!m_mosq || !m_connected)
        return -1;
    int mid = 0;
    const int rc = mosquitto_publish(m_mosq, &mid, topic.toUtf8().constData(), int(payload.size()),
                                     payload.constData(), qos, retain);
    if (rc != MOSQ_ERR_SUCCESS) {
        if (rc == MOSQ_ERR_NO_CONN || rc == MOSQ_ERR_ERRNO) {
            const QPointer<BrokerConnection> self(this);
            m_clock.callAfter(0, [self, rc] {
                if (self && self->m_mosq && self->m_connected)
                    self->drop(self->errorText(rc), false);
            });
        }
        return -1;
    }
    updateWriteNotifier();
    // A QoS 0 message written at once is told of inside the call: act on it from the loop.
    if (!m_events.isEmpty())
        QMetaObject::invokeMethod(
            this,
            [this] {
                handleEvents();
                updateWriteNotifier();
            },
            Qt::QueuedConnection);
    return mid;
}

int BrokerConnection::publishConfirmed(const QString& topic, const QByteArray& payload) {
    const int mid = publish(topic, payload, 0, false);
    if (mid < 0)
        return mid;
    m_unconfirmed << mid;
    m_awaiting.insert(mid);
    // One confirmation covers what is published in the same turn of the event loop.
    if (!m_confirmationDue) {
        m_confirmationDue = true;
        QMetaObject::invokeMethod(this, &BrokerConnection::sendConfirmation, Qt::QueuedConnection);
    }
    return mid;
}

void BrokerConnection::sendConfirmation() {
    m_confirmationDue = false;
    if (!m_mosq || !m_connected || m_unconfirmed.isEmpty())
        return;
    int mid = 0;
    // Not sent: the connection is ending, and what it would cover is the caller's to send again.
    if (mosquitto_unsubscribe(m_mosq, &mid, kConfirmFilter) != MOSQ_ERR_SUCCESS)
        return;
    m_confirmations.insert(mid, std::exchange(m_unconfirmed, {}));
    updateWriteNotifier();
}

void BrokerConnection::onConfirmed(int mid) {
    // The broker answers: the connection works, and a later loss is tried again soon.
    m_acknowledged = true;
    m_retrySeconds = 1;
    if (mid == m_caughtUpMid) {
        m_caughtUpMid = -1;
        Q_EMIT caughtUp();
        return;
    }
    const QList<int> covered = m_confirmations.take(mid);
    for (int m : covered) {
        m_awaiting.remove(m);
        Q_EMIT delivered(m);
        if (!m_mosq)
            return; // a handler ended the connection
    }
}

void BrokerConnection::forgetConfirmations() {
    m_caughtUpMid = -1;
    m_unconfirmed.clear();
    m_confirmations.clear();
    m_awaiting.clear();
}

void BrokerConnection::setWill(const QString& topic, const QByteArray& payload, bool retain) {
    m_options.willTopic = topic;
    m_options.willPayload = payload;
    m_options.willRetain = retain;
}

void BrokerConnection::subscribe(const QString& filter) {
    if (m_subscriptions.contains(filter))
        return;
    m_subscriptions << filter;
    if (m_mosq && m_connected)
        mosquitto_subscribe(m_mosq, nullptr, filter.toUtf8().constData(), m_options.subscribeQos);
}

void BrokerConnection::stop(int waitMs) {
    if (m_retry)
        m_clock.cancel(*m_retry);
    m_retry.reset();
    if (m_mosq && m_connected) {
        mosquitto_disconnect(m_mosq);
#ifdef Q_OS_UNIX
        // What is queued, the DISCONNECT last, goes out now: the program may be about to end.
        const QDeadlineTimer deadline(waitMs);
        while (m_mosq && mosquitto_want_write(m_mosq) && !deadline.hasExpired()) {
            pollfd p{mosquitto_socket(m_mosq), POLLOUT, 0};
            if (p.fd < 0 || ::poll(&p, 1, int(std::max<qint64>(1, deadline.remainingTime()))) <= 0)
                break;
            if (mosquitto_loop_write(m_mosq, 1) != MOSQ_ERR_SUCCESS)
                break;
        }
#else
        Q_UNUSED(waitMs);
#endif
    }
    m_stopping = true;
    m_events.clear();
    drop(QString(), false);
}

QString BrokerConnection::errorText(int rc) const {
    switch (rc) {
    case MOSQ_ERR_ERRNO:
        return QString::fromLocal8Bit(std::strerror(errno)).toLower();
    case MOSQ_ERR_TLS:
        // The library's notes are heard only while connecting.
        if (m_lastLog.isEmpty())
            return m_connected ? tr("the TLS connection failed") : tr("the TLS handshake failed");
        return QStringLiteral("TLS: ") + m_lastLog;
    case MOSQ_ERR_EAI:
        return tr("the host name %1 could not be looked up").arg(m_options.address.host);
    case MOSQ_ERR_CONN_LOST:
        return tr("the connection was lost");
    case MOSQ_ERR_KEEPALIVE:
        return tr("the broker stopped answering");
    case MOSQ_ERR_NO_CONN:
        return tr("no connection");
    default:
        return QString::fromUtf8(mosquitto_strerror(rc)).toLower();
    }
}

bool ConnectionOptions(const PublishSettings& s, bool needPrefix, const QString& clientId,
                       BrokerConnection::Options* out, QString* why) {
    BrokerConnection::Options o;
    if (!ParseBrokerUrl(s.url, &o.address, why, needPrefix))
        return false;
    o.clientId = clientId;
    o.user = s.user;
    if (!s.passwordFile.isEmpty() && !ReadPasswordFile(s.passwordFile, &o.password, why))
        return false;
    o.caFile = s.caFile;
    o.certFile = s.certFile;
    o.keyFile = s.keyFile;
    o.keepAliveSeconds = s.keepAliveSeconds;
    *out = o;
    return true;
}

bool IsCertificateVerdict(const QString& tlsError) {
    // OpenSSL's words for a certificate judged: ours by the broker ("alert bad certificate",
    // "alert unknown ca", "certificate required"), the broker's by us ("certificate verify
    // failed", which also covers a host name that does not match).
    static const QRegularExpression verdict(
        QStringLiteral("certificate verify failed|alert (bad certificate|unknown ca|certificate "
                       "(required|unknown|revoked|expired)|unsupported certificate)"),
        QRegularExpression::CaseInsensitiveOption);
    return verdict.match(tlsError).hasMatch();
}

void BrokerConnection::onConnectCb(mosquitto*, void* self, int rc, int, const mqtt5__property*) {
    static_cast<BrokerConnection*>(self)->m_events.append(Event(Event::Connack, rc));
}

void BrokerConnection::onDisconnectCb(mosquitto*, void* self, int rc, const mqtt5__property*) {
    static_cast<BrokerConnection*>(self)->m_events.append(Event(Event::Disconnect, rc));
}

void BrokerConnection::onPublishCb(mosquitto*, void* self, int mid, int, const mqtt5__property*) {
    static_cast<BrokerConnection*>(self)->m_events.append(Event(Event::Published, 0, mid));
}

void BrokerConnection::onMessageCb(mosquitto*, void* self, const mosquitto_message* message,
                                   const mqtt5__property*) {
    Event e(Event::Message);
    e.topic = QByteArray(message->topic);
    e.payload = QByteArray(static_cast<const char*>(message->payload), message->payloadlen);
    e.retained = message->retain;
    static_cast<BrokerConnection*>(self)->m_events.append(e);
}

void BrokerConnection::onUnsubscribeCb(mosquitto*, void* self, int mid, const mqtt5__property*) {
    static_cast<BrokerConnection*>(self)->m_events.append(Event(Event::Unsubscribed, 0, mid));
}

void BrokerConnection::onLogCb(mosquitto*, void* self, int level, const char* text) {
    // The first OpenSSL error names the cause ("certificate verify failed").
    auto* c = static_cast<BrokerConnection*>(self);
    if (level == MOSQ_LOG_ERR && c->m_lastLog.isEmpty()) {
        QString line = QString::fromUtf8(text);
        const qsizetype routines = line.lastIndexOf(QStringLiteral("::"));
        c->m_lastLog = routines >= 0 ? line.mid(routines + 2) : line;
    }
}
