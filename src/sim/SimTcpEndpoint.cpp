#include "sim/SimTcpEndpoint.h"

#include "sim/SimPort.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <utility>

struct SimTcpEndpoint::Client {
    QTcpSocket* socket = nullptr;
    std::unique_ptr<SimPort> port;

    qint64 unreadReplies() const { return socket->bytesToWrite() + port->pendingReplyBytes(); }
};

SimTcpEndpoint::SimTcpEndpoint(SimBus& bus, Clock& clock, QObject* parent)
    : QObject(parent)
    , m_bus(bus)
    , m_clock(clock)
    , m_server(new QTcpServer(this)) {
    connect(m_server, &QTcpServer::newConnection, this, &SimTcpEndpoint::onNewConnection);
}

SimTcpEndpoint::~SimTcpEndpoint() {
    for (auto& [socket, client] : m_clients)
        socket->disconnect(this);
}

bool SimTcpEndpoint::listen(const QString& hostPort, QString* error) {
    const int colon = hostPort.lastIndexOf(QLatin1Char(':'));
    QString host = colon < 0 ? QStringLiteral("127.0.0.1") : hostPort.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    bool ok = false;
    const int port = hostPort.mid(colon + 1).toInt(&ok);
    QHostAddress address;
    if (host == QLatin1String("localhost"))
        address = QHostAddress::LocalHost;
    else
        ok = ok && address.setAddress(host);
    if (!ok || port < 0 || port > 65535) {
        if (error)
            *error = QStringLiteral("--tcp \"%1\": expected HOST:PORT, for example 127.0.0.1:5020")
                         .arg(hostPort);
        return false;
    }
    if (!m_server->listen(address, static_cast<quint16>(port))) {
        if (error)
            *error =
                QStringLiteral("cannot listen on %1: %2").arg(hostPort, m_server->errorString());
        return false;
    }
    return true;
}

quint16 SimTcpEndpoint::port() const {
    return m_server->serverPort();
}

QString SimTcpEndpoint::url() const {
    const QHostAddress a = m_server->serverAddress();
    const QString host = a.protocol() == QAbstractSocket::IPv6Protocol
                             ? QStringLiteral("[%1]").arg(a.toString())
                             : a.toString();
    return QStringLiteral("tcp://%1:%2").arg(host).arg(m_server->serverPort());
}

qint64 SimTcpEndpoint::heldBytes() const {
    qint64 held = 0;
    for (const auto& [socket, client] : m_clients)
        held += socket->bytesAvailable() + socket->bytesToWrite() + client->port->heldBytes();
    return held;
}

void SimTcpEndpoint::onNewConnection() {
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        // Past this the socket leaves the bytes with the system, and TCP holds the sender.
        socket->setReadBufferSize(SimPort::ReadChunk);
        QPointer<QTcpSocket> guard(socket);
        auto client = std::make_unique<Client>();
        client->socket = socket;
        client->port =
            std::make_unique<SimPort>(m_bus, m_clock, [this, guard](const QByteArray& bytes) {
                if (guard && guard->state() == QAbstractSocket::ConnectedState)
                    guard->write(bytes);
                else if (m_keepReplies)
                    handOver(bytes);
            });
        if (m_setup)
            m_setup(*client->port);
        Client* raw = client.get();
        m_clients[socket] = std::move(client);
        connect(socket, &QTcpSocket::readyRead, this, [this, raw] { serve(*raw); });
        // Replies leaving may make room for the requests held back.
        connect(socket, &QTcpSocket::bytesWritten, this, [this, raw] { serve(*raw); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            socket->disconnect(this); // no more bytes for the port that goes now
            if (const auto it = m_clients.find(socket); it != m_clients.end()) {
                if (m_keepReplies && it->second->port->pendingReplyBytes() > 0)
                    m_gone.push_back(std::move(it->second->port));
                m_clients.erase(it);
            }
            socket->deleteLater();
        });
        if (!m_kept.isEmpty())
            socket->write(std::exchange(m_kept, {}));
    }
    std::erase_if(m_gone, [](const auto& port) { return port->pendingReplyBytes() == 0; });
}

void SimTcpEndpoint::handOver(const QByteArray& bytes) {
    for (const auto& [socket, client] : m_clients)
        if (socket->state() == QAbstractSocket::ConnectedState) {
            socket->write(bytes);
            return;
        }
    m_kept += bytes;
}

void SimTcpEndpoint::serve(Client& client) {
    if (client.unreadReplies() > SimPort::MaxUnreadReplyBytes)
        return; // served again when the client has read some of its replies
    // One chunk per turn: the event loop then serves the other clients before this one
    // gets its next chunk.
    QTcpSocket* socket = client.socket;
    const QByteArray bytes = socket->read(SimPort::ReadChunk);
    if (!bytes.isEmpty())
        client.port->receive(bytes);
    if (socket->bytesAvailable() > 0) // more than one chunk waited: the rest on a later turn
        QMetaObject::invokeMethod(
            this,
            [this, socket] {
                const auto it = m_clients.find(socket);
                if (it != m_clients.end())
                    serve(*it->second);
            },
            Qt::QueuedConnection);
}
