#pragma once

#include "comm/IoDeviceLink.h"

#include <QAbstractSocket>

class QTcpSocket;

// RTU frames over TCP, as serial device servers offer them: port name "tcp://host:port",
// the bytes unchanged both ways (no MBAP header). The line settings belong to the device
// server's serial side and are not used here; RTS is the server's affair and is ignored.
class TcpRtuLink final : public IoDeviceLink {
    Q_OBJECT
public:
    // How long open() waits for the connection.
    static constexpr int ConnectTimeoutMs = 3000;

    explicit TcpRtuLink(QObject* parent = nullptr);
    ~TcpRtuLink() override;

    static bool isTcpName(const QString& portName);

    bool open(const QString& portName, const QString& lineSettings) override;
    void close() override;
    void setRts(bool) override {}

protected:
    void closeDevice() override;
    void flushDevice() override;

private:
    void onError(QAbstractSocket::SocketError error);

    QTcpSocket* m_socket;
    QString m_portName;
    bool m_closing = false;
};
