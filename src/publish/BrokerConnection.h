#pragma once

#include "publish/PublishSettings.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

struct mosquitto;
class QSocketNotifier;

// One MQTT client connection to a broker, kept up: libmosquitto driven from the Qt event loop
// through its socket (a QSocketNotifier for reading, another for writing while it has bytes
// to send, a timer for the keep-alive), never a thread of its own. A connection that fails
// or is lost is tried again after 1 s, then 2, 4 ... up to 60 s. Each attempt is a fresh
// client, so nothing sent before is resent behind the caller's back: what was not
// acknowledged when a connection ended is the caller's to send again.
class BrokerConnection : public QObject {
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
        QString willTopic; // the last will, retained, QoS 1
        QByteArray willPayload;
    };

    explicit BrokerConnection(Options options, QObject* parent = nullptr);
    ~BrokerConnection() override;

    // Starts connecting; the result comes through the signals.
    void start();
    // Sends what is queued (up to `waitMs`), then ends the connection cleanly: no last will.
    void stop(int waitMs = 2000);

    bool isConnected() const { return m_connected; }
    bool hasConnected() const { return m_everConnected; }
    // Seconds until the next attempt while away; 0 while connected or connecting.
    int secondsToRetry() const;
    QString brokerName() const;

    // Queues a message; its id, or -1 when there is no connection (or the client refused it).
    int publish(const QString& topic, const QByteArray& payload, int qos, bool retain);

Q_SIGNALS:
    void connected();
    // An attempt failed (`refused`: the broker refused the credentials, or the certificate
    // or TLS handshake failed), or a connection was lost; a new attempt follows.
    void attemptFailed(const QString& why, bool refused);
    void connectionLost(const QString& why);
    // A QoS 1 message was acknowledged; a QoS 0 message was handed to the network.
    void delivered(int mid);

private:
    struct Event {
        enum Kind { Connack, Disconnect, Published } kind;
        int code;
    };
    void attempt();
    void drop(const QString& why, bool refused);
    void onReadable();
    void onWritable();
    void onMisc();
    void afterLoop(int rc);
    void updateWriteNotifier();
    QString errorText(int rc) const;
    void handleEvents();
    void scheduleRetry();

    static void onConnectCb(mosquitto*, void* self, int rc);
    static void onDisconnectCb(mosquitto*, void* self, int rc);
    static void onPublishCb(mosquitto*, void* self, int mid);
    static void onLogCb(mosquitto*, void* self, int level, const char* text);

    Options m_options;
    mosquitto* m_mosq = nullptr;
    std::unique_ptr<QSocketNotifier> m_read;
    std::unique_ptr<QSocketNotifier> m_write;
    QTimer m_misc;
    QTimer m_retry;
    int m_retrySeconds = 1;
    qint64 m_attemptStarted = 0;
    bool m_connected = false;
    bool m_everConnected = false;
    bool m_stopping = false;
    QList<Event> m_events;
    QString m_lastLog;
};
