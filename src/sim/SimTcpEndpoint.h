#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>

class Clock;
class QTcpServer;
class QTcpSocket;
class SimBus;
class SimPort;

// The bus as a serial device server offers it: RTU frames over TCP. Every client has its own
// connection to the same meters.
class SimTcpEndpoint : public QObject {
    Q_OBJECT
public:
    SimTcpEndpoint(SimBus& bus, Clock& clock, QObject* parent = nullptr);
    ~SimTcpEndpoint() override;

    // "HOST:PORT" or "PORT" (loopback); port 0 takes a free one.
    bool listen(const QString& hostPort, QString* error);
    // "tcp://HOST:PORT" with the port actually taken.
    QString url() const;
    quint16 port() const;
    int clientCount() const { return static_cast<int>(m_clients.size()); }
    // Applied to each client's connection as it is made (line, turnaround, trace).
    void setPortSetup(std::function<void(SimPort&)> setup) { m_setup = std::move(setup); }

private:
    void onNewConnection();

    SimBus& m_bus;
    Clock& m_clock;
    QTcpServer* m_server;
    std::map<QTcpSocket*, std::unique_ptr<SimPort>> m_clients;
    std::function<void(SimPort&)> m_setup;
};
