#include "comm/TcpRtuLink.h"

#include <QTcpSocket>
#include <QUrl>

TcpRtuLink::TcpRtuLink(QObject* parent)
    : IoDeviceLink(new QTcpSocket, parent)
    , m_socket(static_cast<QTcpSocket*>(device())) {
    connect(m_socket, &QAbstractSocket::errorOccurred, this, &TcpRtuLink::onError);
    connect(m_socket, &QAbstractSocket::disconnected, this, [this] {
        if (!m_closing)
            reportLost(tr("The connection to %1 was closed by the other side.").arg(m_portName));
    });
}

TcpRtuLink::~TcpRtuLink() {
    close();
}

bool TcpRtuLink::isTcpName(const QString& portName) {
    return portName.trimmed().startsWith(QStringLiteral("tcp://"), Qt::CaseInsensitive);
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
    m_portName = portName;
    // Refusals and errors in these few seconds are the open's failure, not a lost link.
    m_closing = true;
    m_socket->connectToHost(url.host(), quint16(port));
    const bool connected = m_socket->waitForConnected(ConnectTimeoutMs);
    m_closing = false;
    if (!connected) {
        const QString why = m_socket->errorString();
        m_closing = true;
        m_socket->abort();
        m_closing = false;
        setErrorString(why);
        return false;
    }
    // A frame goes out as soon as it is written, not when the stack sees fit to send it.
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    sessionStarted();
    return true;
}

void TcpRtuLink::close() {
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
    reportLost(tr("The connection to %1 was lost (%2).").arg(m_portName, m_socket->errorString()));
}
