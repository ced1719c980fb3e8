#pragma once

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <functional>

class QTcpSocket;

// Serves the program's figures over HTTP/1.1 on /metrics, for Prometheus and whatever else
// reads its text format: one request per connection, answered and closed. What a client sends
// is never trusted: a request is read up to 8 KiB, a client that sends nothing whole within
// 10 s is let go, at most 32 are served at once, and anything but GET or HEAD of /metrics (or /)
// is answered with its error status.
class MetricsServer : public QObject {
    Q_OBJECT
public:
    using Body = std::function<QByteArray()>;
    explicit MetricsServer(Body body, QObject* parent = nullptr);

    // "PORT", "ADDRESS:PORT" or "[IPv6]:PORT"; the address is 127.0.0.1 when none is given, so
    // that only this PC reads the figures until an address says otherwise. False with the
    // reason on anything else.
    static bool parseAddress(const QString& text, QHostAddress* address, quint16* port,
                             QString* why);
    bool listen(const QHostAddress& address, quint16 port, QString* why);
    // Where it is served: "http://127.0.0.1:9700/metrics".
    QString url() const;
    quint64 requestsServed() const { return m_served; }

private:
    void onNewConnection();
    void onReadable(QTcpSocket* socket);
    void respond(QTcpSocket* socket, const QByteArray& status, const QByteArray& body,
                 bool withBody, const QByteArray& extraHeaders = {});

    Body m_body;
    QTcpServer m_server;
    QHash<QTcpSocket*, QByteArray> m_requests; // what each client sent so far
    quint64 m_served = 0;
};
