#pragma once

#include "comm/ReceiveBuffer.h"
#include "comm/SerialLink.h"

class QIODevice;

// What the serial port and TCP links share: a QIODevice that delivers bytes in pieces, the
// receive threshold over them, and the orderly end of a device that fails while open.
class IoDeviceLink : public SerialLink {
    Q_OBJECT
public:
    ~IoDeviceLink() override;

    bool isOpen() const override;
    QString errorString() const override { return m_error; }
    void setReceiveThreshold(int bytes) override;
    int bytesWaiting() const override;
    QByteArray readAll() override;
    void discardInput() override;
    bool write(const QByteArray& bytes) override;

protected:
    // Takes `device` as a child: it lives as long as the link.
    IoDeviceLink(QIODevice* device, QObject* parent);
    QIODevice* device() const { return m_device; }

    // Call once the device is open: a fresh input and a fresh session.
    void sessionStarted();
    // Call before the device is closed on purpose: a pending loss report is dropped.
    void sessionEnded();
    void setErrorString(const QString& text) { m_error = text; }

    // The device failed while open. The link reports it once: on the next pass of the event
    // loop (never from inside the device's own signal) it closes the device and emits
    // linkLost(reason). Further errors of the same session are ignored meanwhile.
    void reportLost(const QString& reason);
    bool lossReported() const { return m_lost; }

    // Closes the device; called by reportLost's deferred step.
    virtual void closeDevice() = 0;
    // Pushes written bytes towards the device at once, without blocking.
    virtual void flushDevice() = 0;
    // Drops input the device or its driver still holds.
    virtual void clearDeviceInput() {}

private:
    void takeDeviceBytes();
    void notifyIfDue();

    QIODevice* m_device;
    ReceiveBuffer m_input;
    QString m_error;
    quint64 m_session = 0;
    bool m_active = false; // between sessionStarted() and sessionEnded()
    bool m_lost = false;
};
