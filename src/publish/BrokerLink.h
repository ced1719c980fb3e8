#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// What the publisher needs of its connection to a broker: kept up by the connection itself
// (attempts, back-off), messages queued with an id that comes back once the broker has them.
// BrokerConnection is the connection of the programs; a test stands in one that records.
class BrokerLink : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts connecting; the result comes through the signals.
    virtual void start() = 0;
    // Sends what is queued (up to `waitMs`), then ends the connection cleanly: no last will.
    virtual void stop(int waitMs) = 0;
    virtual bool isConnected() const = 0;
    virtual bool hasConnected() const = 0;
    // Seconds until the next attempt while away; 0 while connected or connecting.
    virtual int secondsToRetry() const = 0;
    virtual QString brokerName() const = 0;
    // Queues a message; its id, or -1 when there is no connection (or it was refused).
    virtual int publish(const QString& topic, const QByteArray& payload, int qos, bool retain) = 0;
    // Queues a message that goes at QoS 0 and still counts as delivered only once the broker
    // has it: delivered() comes when the broker has answered something sent after it. For
    // messages that must go at QoS 0 and may not be lost (Sparkplug data).
    virtual int publishConfirmed(const QString& topic, const QByteArray& payload) = 0;
    // The last will (QoS 1) from the next connection on.
    virtual void setWill(const QString& topic, const QByteArray& payload, bool retain) = 0;
    // Asks for the messages of `filter` (QoS 1); they come through received().
    virtual void subscribe(const QString& filter) = 0;

Q_SIGNALS:
    void connected();
    // An attempt failed (`refused`: the broker refused the credentials, or a certificate did
    // not verify: trying again will not help), or a connection was lost; a new attempt follows.
    void attemptFailed(const QString& why, bool refused);
    void connectionLost(const QString& why);
    // A QoS 1 message was acknowledged; a QoS 0 message was handed to the network.
    void delivered(int mid);
    // A message of a subscription; `retained`: one the broker kept, not one sent just now.
    void received(const QString& topic, const QByteArray& payload, bool retained);
};
