#include "service/MetricsServer.h"

#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr qsizetype kLongestRequest = 8192;
constexpr int kClientTimeMs = 10000;
constexpr int kMostClients = 32;

const QByteArray kTextType = "text/plain; version=0.0.4; charset=utf-8";

} // namespace

MetricsServer::MetricsServer(Body body, QObject* parent)
    : QObject(parent)
    , m_body(std::move(body)) {
    m_server.setMaxPendingConnections(kMostClients);
    connect(&m_server, &QTcpServer::newConnection, this, &MetricsServer::onNewConnection);
}

bool MetricsServer::parseAddress(const QString& text, QHostAddress* address, quint16* port,
                                 QString* why) {
    static const QRegularExpression form(
        QStringLiteral("^(?:(?:\\[([0-9A-Fa-f:.]+)\\]|([^:\\[\\]]+)):)?(\\d{1,5})$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    const uint number = m.hasMatch() ? m.captured(3).toUInt() : 0;
    if (!m.hasMatch() || number > 65535) {
        *why = QStringLiteral("wants PORT or ADDRESS:PORT, such as 9700 or 0.0.0.0:9700");
        return false;
    }
    const QString host = m.captured(1).isEmpty() ? m.captured(2) : m.captured(1);
    QHostAddress a(QHostAddress::LocalHost);
    if (host == u"localhost")
        a = QHostAddress(QHostAddress::LocalHost);
    else if (!host.isEmpty() && !a.setAddress(host)) {
        *why = QStringLiteral("%1 is not an IP address").arg(host);
        return false;
    }
    *address = a;
    *port = quint16(number);
    return true;
}

bool MetricsServer::listen(const QHostAddress& address, quint16 port, QString* why) {
    if (m_server.listen(address, port))
        return true;
    *why = m_server.errorString();
    return false;
}

QString MetricsServer::url() const {
    const QHostAddress a = m_server.serverAddress();
    const QString host =
        a.protocol() == QAbstractSocket::IPv6Protocol ? u'[' + a.toString() + u']' : a.toString();
    return QStringLiteral("http://%1:%2/metrics").arg(host).arg(m_server.serverPort());
}

void MetricsServer::onNewConnection() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        if (m_requests.size() >= kMostClients) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        m_requests.insert(socket, {});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadable(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this, socket] { m_requests.remove(socket); });
        // A client that never finishes its request does not hold a place for ever.
        QTimer::singleShot(kClientTimeMs, socket, [socket] { socket->abort(); });
    }
}

void MetricsServer::onReadable(QTcpSocket* socket) {
    const auto it = m_requests.find(socket);
    if (it == m_requests.end())
        return;
    QByteArray& request = *it;
    request += socket->read(kLongestRequest + 1 - request.size());
    qsizetype end = request.indexOf("\r\n\r\n");
    if (end < 0)
        end = request.indexOf("\n\n");
    if (end < 0 && request.size() <= kLongestRequest)
        return;
    const QByteArray line = request.left(request.indexOf('\n')).trimmed();
    m_requests.erase(it);
    socket->disconnect(this); // what the client sends after its request is not read
    if (end < 0) {
        respond(socket, "431 Request Header Fields Too Large", {}, false);
        return;
    }
    const QList<QByteArray> parts = line.split(' ');
    if (parts.size() != 3 || !parts[2].startsWith("HTTP/1.")) {
        respond(socket, "400 Bad Request", "a request line such as GET /metrics HTTP/1.1\n", true);
        return;
    }
    const bool head = parts[0] == "HEAD";
    if (!head && parts[0] != "GET") {
        respond(socket, "405 Method Not Allowed", "GET or HEAD\n", true, "Allow: GET, HEAD\r\n");
        return;
    }
    const qsizetype query = parts[1].indexOf('?');
    const QByteArray path = query < 0 ? parts[1] : parts[1].left(query);
    if (path == "/metrics") {
        ++m_served;
        respond(socket, "200 OK", m_body(), !head);
    } else if (path == "/") {
        respond(socket, "200 OK", "td700 log: its figures are on /metrics\n", !head);
    } else {
        respond(socket, "404 Not Found", "only /metrics is here\n", !head);
    }
}

void MetricsServer::respond(QTcpSocket* socket, const QByteArray& status, const QByteArray& body,
                            bool withBody, const QByteArray& extraHeaders) {
    QByteArray reply = "HTTP/1.1 " + status + "\r\nContent-Type: " + kTextType +
                       "\r\nContent-Length: " + QByteArray::number(body.size()) +
                       "\r\nConnection: close\r\n" + extraHeaders + "\r\n";
    if (withBody)
        reply += body;
    socket->write(reply);
    socket->disconnectFromHost();
}
