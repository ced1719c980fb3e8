#pragma once

#include "comm/IoDeviceLink.h"

#include <QAbstractSocket>

class QTcpSocket;
class QTimer;

// RTU frames over TCP, as serial device servers offer them: port name "tcp://host:port",
// the bytes unchanged both ways (no MBAP header). The line settings belong to the device
// server's serial side and are not used here; RTS is the server's affair and is ignored.
//
// Opening connects in the background: open() returns at once (isOpening()), and opened() or
// openFailed() follows from the event loop, the latter at the latest after ConnectTimeoutMs.
class TcpRtuLink final : public IoDeviceLink {
    Q_OBJECT
public:
    // How long a connection may take before the open is given up.
    static constexpr int ConnectTimeoutMs = 3000;

    explicit TcpRtuLink(QObject* parent = nullptr);
    ~TcpRtuLink() override;

    static bool isTcpName(const QString& portName);

    bool open(const QString& portName, const QString& lineSettings) override;
    void close() override;
    bool isOpening() const override { return m_connecting; }
    void setRts(bool) override {}

    void setConnectTimeoutMs(int ms);

protected:
    void closeDevice() override;
    void flushDevice() override;

private:
    void onConnected();
    void onError(QAbstractSocket::SocketError error);
    void giveUpConnecting(const QString& reason);

    QTcpSocket* m_socket;
    QTimer* m_connectTimer;
    QString m_portName;
    bool m_closing = false;
    bool m_connecting = false;
    quint64 m_attempt = 0;
};
