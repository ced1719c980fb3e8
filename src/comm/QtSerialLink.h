#pragma once

#include "comm/IoDeviceLink.h"
#include "comm/LineSettings.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <optional>

class QTimer;

// A real serial port (RS-232, or RS-485 through an adapter) on QSerialPort.
// Port names: "COMn" is the Windows name, mapped on other systems to /dev/ttyS{n-1};
// a path with a folder in it (/dev/ttyUSB0, ./lt/b) is taken from the working folder; a bare
// name is the system's device of that name.
class QtSerialLink final : public IoDeviceLink {
    Q_OBJECT
public:
    explicit QtSerialLink(QObject* parent = nullptr);
    ~QtSerialLink() override;

    // The name the system knows the port by.
    static QString systemPortName(const QString& portName);

    bool open(const QString& portName, const QString& lineSettings) override;
    void close() override;
    bool write(const QByteArray& bytes) override;
    void setRts(bool on) override;

protected:
    void closeDevice() override;
    void flushDevice() override;
    void clearDeviceInput() override;

private:
    void onError(QSerialPort::SerialPortError error);
    // Whether the device's node is still there; nothing where devices have no node.
    std::optional<bool> deviceNodePresent() const;
    void accountHandover();
    void scheduleRtsDrop();
    void setRtsLine(bool on);

    QSerialPort* m_port;
    QTimer* m_rtsTimer;
    QString m_portName;
    LineSettings m_line;
    // When the bytes handed to the driver so far will have left the wire, estimated from
    // their count and the line settings (microseconds on m_sinceOpen).
    QElapsedTimer m_sinceOpen;
    qint64 m_lineBusyUntilUs = 0;
    qint64 m_queued = 0; // bytes QSerialPort still held at the last look
    bool m_rtsDropWaiting = false;
    bool m_quiet = false; // errors of line-control calls are not failures of the port
};
