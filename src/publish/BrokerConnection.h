#pragma once

#include "core/EngineTimer.h"
#include "publish/BrokerLink.h"
#include "publish/MqttInbox.h"
#include "publish/PublishSettings.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

struct mosquitto;
struct mosquitto_message;
struct mqtt5__property;
class Clock;
class QSocketNotifier;

// One MQTT client connection to a broker, kept up: libmosquitto driven from the event loop
// through its socket (a QSocketNotifier for reading, another for writing while it has bytes
// to send, a timer on the program's clock for the keep-alive), never a thread of its own. A
// connection that fails, or is lost before the broker acknowledged anything, is tried again
// after 1 s, then 2, 4 ... up to 60 s; an attempt the broker leaves unanswered is given up
// after 15 s. Each attempt is a fresh client, so nothing sent before is resent behind the
// caller's back: what was not acknowledged when a connection ended is the caller's to send
// again. MQTT 3.1.1 is spoken: the flow control of MQTT 5 would let a broker's default window
// (10 to 20 messages) hold a far broker's stream below the records a plant saves.
class BrokerConnection : public BrokerLink {
    Q_OBJECT
public:
    struct Options {
        BrokerAddress address;
        QString clientId;
        QString user;
        QString password;
        QString caFile; // empty: the system's certificate authorities
        QString certFile;
        QString keyFile;
        int keepAliveSeconds = 30;
        QString willTopic; // the last will, QoS 1
        QByteArray willPayload;
        bool willRetain = true;
        // The QoS of the subscriptions. A watcher takes 0: retained messages then come at once
        // after each SUBACK, never held back by the broker's window of messages in flight,
        // so that caughtUp() follows all of them.
        int subscribeQos = 1;
        // Tell caughtUp() once the broker has sent what was retained for the subscriptions.
        bool tellCaughtUp = false;
        // After a wake-up that brought messages, the socket is left alone this long (ms): a
        // subscriber to a busy stream then reads it in bursts, not a message at a time.
        int readPauseMs = 0;
        // A connection that only subscribes, at QoS 0, reads the broker's stream itself once
        // connected (not through TLS, whose records the library reads whole): the library
        // reads every packet's header a byte at a time, a system call each, which for a
        // plant's stream costs more than the messages. A packet a QoS 0 subscriber is never
        // sent ends the connection as a protocol error.
        bool readsItself = false;
    };

    BrokerConnection(Clock& clock, Options options, QObject* parent = nullptr);
    ~BrokerConnection() override;

    void start() override;
    void stop(int waitMs = 2000) override;
    bool isConnected() const override { return m_connected; }
    bool hasConnected() const override { return m_everConnected; }
    int secondsToRetry() const override;
    QString brokerName() const override;
    int publish(const QString& topic, const QByteArray& payload, int qos, bool retain) override;
    int publishConfirmed(const QString& topic, const QByteArray& payload) override;
    void setWill(const QString& topic, const QByteArray& payload, bool retain) override;
    void subscribe(const QString& filter) override;
    // Messages go to `sink` instead of received(), as the stream holds them (the topic in
    // UTF-8), valid during the call only: a plant's stream read without a copy of each.
    using MessageSink =
        std::function<void(QByteArrayView topic, QByteArrayView payload, bool retained)>;
    void setMessageSink(MessageSink sink) { m_sink = std::move(sink); }

Q_SIGNALS:
    // The retained messages of every subscription have come (after each connection).
    void caughtUp();

private:
    struct Event {
        enum Kind { Connack, Disconnect, Published, Message, Unsubscribed } kind;
        explicit Event(Kind k, int c = 0, int m = 0)
            : kind(k)
            , code(c)
            , mid(m) {}
        int code = 0;
        int mid = 0;
        QByteArray topic;
        QByteArray payload;
        bool retained = false;
    };
    void attempt();
    void drop(const QString& why, bool refused);
    void onReadable();
    void onWritable();
    void onMisc();
    // The stream read here rather than by the library: true when the connection went on.
    bool readItself(bool* empty);
    bool takePacket(const MqttInbox::Packet& packet);
    void keepAliveItself();
    void afterLoop(int rc);
    void updateWriteNotifier();
    QString errorText(int rc) const;
    void handleEvents();
    void onConnack(int code);
    void scheduleRetry();
    void sendConfirmation();
    void onConfirmed(int mid);
    void forgetConfirmations();

    static void onConnectCb(mosquitto*, void* self, int rc, int flags,
                            const mqtt5__property* props);
    static void onDisconnectCb(mosquitto*, void* self, int rc, const mqtt5__property* props);
    static void onPublishCb(mosquitto*, void* self, int mid, int reason,
                            const mqtt5__property* props);
    static void onMessageCb(mosquitto*, void* self, const mosquitto_message* message,
                            const mqtt5__property* props);
    static void onUnsubscribeCb(mosquitto*, void* self, int mid, const mqtt5__property* props);
    static void onLogCb(mosquitto*, void* self, int level, const char* text);

    Clock& m_clock;
    Options m_options;
    mosquitto* m_mosq = nullptr;
    std::unique_ptr<QSocketNotifier> m_read;
    std::unique_ptr<QSocketNotifier> m_write;
    EngineTimer m_misc;
    std::optional<quint64> m_retry; // the clock's id of the next attempt
    std::optional<quint64> m_readPause;
    qint64 m_retryDueUs = 0;
    int m_retrySeconds = 1;
    qint64 m_attemptStartedMs = 0;
    bool m_connected = false;
    bool m_everConnected = false;
    bool m_acknowledged = false; // the broker acknowledged something in this connection
    bool m_stopping = false;
    QStringList m_subscriptions;
    // Confirmed QoS 0 messages: those sent since the last confirmation was asked for, and the
    // confirmations on their way with the messages each covers.
    QList<int> m_unconfirmed;
    QHash<int, QList<int>> m_confirmations;
    QSet<int> m_awaiting; // every message not yet confirmed
    int m_caughtUpMid = -1;
    bool m_confirmationDue = false;
    QList<Event> m_events;
    MessageSink m_sink;
    // Reading the stream here: its packets, and whether a ping awaits its answer.
    bool m_readingItself = false;
    MqttInbox m_inbox;
    qint64 m_lastPingMs = 0;
    bool m_pingAnswered = true;
    quint64 m_connection = 0; // counts the connections ended, so that a loop sees its own end
    QString m_lastLog;
};

// The connection the settings describe (address, credentials, certificates, keep-alive) for
// the client `clientId`; false with the reason when the password file cannot be read.
bool ConnectionOptions(const PublishSettings& settings, bool needPrefix, const QString& clientId,
                       BrokerConnection::Options* out, QString* why);

// Whether an error of the TLS layer is a verdict on a certificate (the broker's did not
// verify, or the broker refused ours): trying again will not help. Anything else (the broker
// closed the connection during the handshake, as a full one does) is worth another try.
bool IsCertificateVerdict(const QString& tlsError);
