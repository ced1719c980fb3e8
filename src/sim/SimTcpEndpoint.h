#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class Clock;
class QTcpServer;
class QTcpSocket;
class SimBus;
class SimPort;

// The bus as a serial device server offers it: RTU frames over TCP. Every client has its own
// connection to the same meters. Each connection is bounded (SimPort::ReadChunk in, and
// SimPort::MaxUnreadReplyBytes of replies waiting before its requests are read no further)
// and the connections take turns, so a client that floods junk or sends requests without
// reading the replies slows nobody else down.
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
    // The bytes held for all clients: read and not yet framed, replies not yet taken by the
    // system.
    qint64 heldBytes() const;
    // Applied to each client's connection as it is made (line, turnaround, trace).
    void setPortSetup(std::function<void(SimPort&)> setup) { m_setup = std::move(setup); }
    // As a device server with one serial line behind it: the replies of a client that goes
    // away before they came are kept and handed to the next client that connects (or to the
    // one connected when they come), in front of anything else.
    void setKeepReplies(bool keep) { m_keepReplies = keep; }

private:
    struct Client;
    void onNewConnection();
    // Hands the client's next chunk of bytes to its port, unless its replies back up.
    void serve(Client& client);
    // A reply of a client that has gone.
    void handOver(const QByteArray& bytes);

    SimBus& m_bus;
    Clock& m_clock;
    QTcpServer* m_server;
    std::map<QTcpSocket*, std::unique_ptr<Client>> m_clients;
    std::function<void(SimPort&)> m_setup;
    bool m_keepReplies = false;
    QByteArray m_kept;                            // for the next client
    std::vector<std::unique_ptr<SimPort>> m_gone; // ports of clients gone, replies due
};
