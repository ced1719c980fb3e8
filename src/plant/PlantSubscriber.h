#pragma once

#include "core/EngineTimer.h"
#include "plant/PlantState.h"
#include "publish/BrokerConnection.h"

#include <memory>

class Clock;

// The plant as one broker tells it: a connection that subscribes to every node's status and
// every meter's meta, data and link under the prefix, kept up with the publisher's back-off,
// feeding a PlantState; meters go stale on the clock. Only reads: it publishes nothing.
class PlantSubscriber : public QObject {
    Q_OBJECT
public:
    // `options.address.prefix` is the plant's prefix.
    PlantSubscriber(Clock& clock, BrokerConnection::Options options, QObject* parent = nullptr);
    ~PlantSubscriber() override;

    void start();
    void stop();
    PlantState& state() { return m_state; }
    bool isConnected() const { return m_connection.isConnected(); }
    QString brokerName() const { return m_connection.brokerName(); }

Q_SIGNALS:
    // Every retained message of this connection is in: the picture is whole.
    void caughtUp();
    // The broker's state for a reader: "connected", or why not and when it is tried again.
    void brokerState(const QString& text, bool connected);
    // The broker refused the credentials or a certificate: trying again will not help.
    void refused(const QString& why);

private:
    void onFailed(const QString& why, bool refused);

    Clock& m_clock;
    PlantState m_state;
    BrokerConnection m_connection;
    EngineTimer m_refresh;
    bool m_holding = false;
};
