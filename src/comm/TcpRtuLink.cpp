#include "comm/TcpRtuLink.h"

#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

TcpRtuLink::TcpRtuLink(QObject* parent)
    : IoDeviceLink(new QTcpSocket, parent)
    , m_socket(static_cast<QTcpSocket*>(device()))
    , m_connectTimer(new QTimer(this)) {
    m_connectTimer->setSingleShot(true);
    m_connectTimer->setInterval(ConnectTimeoutMs);
    connect(m_connectTimer, &QTimer::timeout, this, [this] {
        giveUpConnecting(tr("%1 did not accept the connection within %2 s.")
                             .arg(m_portName)
                             .arg(m_connectTimer->interval() / 1000.0));
    });
    connect(m_socket, &QAbstractSocket::connected, this, &TcpRtuLink::onConnected);
    connect(m_socket, &QAbstractSocket::errorOccurred, this, &TcpRtuLink::onError);
    connect(m_socket, &QAbstractSocket::disconnected, this, [this] {
        if (!m_closing && !m_connecting)
            reportLost(tr("The connection to %1 was closed by the other side.").arg(m_portName));
    });
}

TcpRtuLink::~TcpRtuLink() {
    close();
}

bool TcpRtuLink::isTcpName(const QString& portName) {
    return portName.trimmed().startsWith(QStringLiteral("tcp://"), Qt::CaseInsensitive);
}

void TcpRtuLink::setConnectTimeoutMs(int ms) {
    m_connectTimer->setInterval(std::max(1, ms));
}

bool TcpRtuLink::open(const QString& portName, const QString& lineSettings) {
    Q_UNUSED(lineSettings)
    close();
    const QUrl url(portName.trimmed());
    const int port = url.port();
    if (!isTcpName(portName) || !url.isValid() || url.host().isEmpty() || port <= 0 ||
        (!url.path().isEmpty() && url.path() != QStringLiteral("/"))) {
        setErrorString(
            tr("\"%1\" is not a network port name: expected tcp://host:port.").arg(portName));
        return false;
    }
    m_portName = portName.trimmed();
    setErrorString(QString());
    ++m_attempt;
    m_connecting = true;
    m_connectTimer->start();
    m_socket->connectToHost(url.host(), quint16(port));
    return true;
}

void TcpRtuLink::onConnected() {
    if (!m_connecting)
        return;
    m_connecting = false;
    m_connectTimer->stop();
    // A frame goes out as soon as it is written, not when the stack sees fit to send it.
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    sessionStarted();
    Q_EMIT opened();
}

void TcpRtuLink::giveUpConnecting(const QString& reason) {
    if (!m_connecting)
        return;
    m_connecting = false;
    m_connectTimer->stop();
    closeDevice();
    setErrorString(reason);
    // Never from inside the socket's own signal: the receiver may delete this link. An
    // attempt closed or replaced meanwhile says nothing.
    const quint64 attempt = m_attempt;
    QMetaObject::invokeMethod(
        this,
        [this, attempt, reason] {
            if (attempt == m_attempt)
                Q_EMIT openFailed(reason);
        },
        Qt::QueuedConnection);
}

void TcpRtuLink::close() {
    ++m_attempt;
    m_connecting = false;
    m_connectTimer->stop();
    sessionEnded();
    closeDevice();
}

void TcpRtuLink::closeDevice() {
    m_closing = true;
    m_socket->abort();
    m_closing = false;
}

void TcpRtuLink::flushDevice() {
    m_socket->flush();
}

void TcpRtuLink::onError(QAbstractSocket::SocketError error) {
    if (m_closing || error == QAbstractSocket::SocketTimeoutError ||
        error == QAbstractSocket::TemporaryError)
        return;
    if (m_connecting) {
        giveUpConnecting(tr("Cannot connect to %1: %2").arg(m_portName, m_socket->errorString()));
        return;
    }
    if (error == QAbstractSocket::RemoteHostClosedError)
        reportLost(tr("The connection to %1 was closed by the other side.").arg(m_portName));
    else
        reportLost(
            tr("The connection to %1 was lost (%2).").arg(m_portName, m_socket->errorString()));
}
