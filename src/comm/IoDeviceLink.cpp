#include "comm/IoDeviceLink.h"

#include <QIODevice>

IoDeviceLink::IoDeviceLink(QIODevice* device, QObject* parent)
    : SerialLink(parent)
    , m_device(device) {
    m_device->setParent(this);
    connect(m_device, &QIODevice::readyRead, this, [this] {
        takeDeviceBytes();
        notifyIfDue();
    });
}

IoDeviceLink::~IoDeviceLink() = default;

bool IoDeviceLink::isOpen() const {
    return m_active && m_device->isOpen() && !m_lost;
}

void IoDeviceLink::sessionStarted() {
    ++m_session;
    m_active = true;
    m_lost = false;
    m_input = ReceiveBuffer{};
    m_error.clear();
}

void IoDeviceLink::sessionEnded() {
    ++m_session;
    m_active = false;
    m_lost = false;
    m_input.clear();
}

void IoDeviceLink::reportLost(const QString& reason) {
    if (m_lost || !m_active)
        return;
    m_lost = true;
    // Closing from inside the device's error or read signal would pull the device out from
    // under its own notification code, and the receiver of linkLost may delete this link.
    const quint64 session = m_session;
    QMetaObject::invokeMethod(
        this,
        [this, session, reason] {
            if (session != m_session)
                return; // closed or reopened on purpose meanwhile
            closeDevice();
            sessionEnded();
            m_error = reason;
            Q_EMIT linkLost(reason);
        },
        Qt::QueuedConnection);
}

void IoDeviceLink::takeDeviceBytes() {
    if (m_device->isOpen() && m_device->bytesAvailable() > 0)
        m_input.append(m_device->readAll());
}

void IoDeviceLink::notifyIfDue() {
    if (!m_lost && m_input.takeNotification())
        Q_EMIT receiveThresholdReached();
}

void IoDeviceLink::setReceiveThreshold(int bytes) {
    m_input.setThreshold(bytes);
    // Bytes that already wait count too; the notification still comes from the event loop,
    // never from inside the caller's own call.
    if (bytes > 0 && m_input.size() >= bytes)
        QMetaObject::invokeMethod(this, &IoDeviceLink::notifyIfDue, Qt::QueuedConnection);
}

int IoDeviceLink::bytesWaiting() const {
    return m_input.size() + (m_device->isOpen() ? int(m_device->bytesAvailable()) : 0);
}

QByteArray IoDeviceLink::readAll() {
    takeDeviceBytes();
    return m_input.takeAll();
}

void IoDeviceLink::discardInput() {
    if (isOpen()) {
        clearDeviceInput();
        m_device->readAll();
    }
    m_input.clear();
}

bool IoDeviceLink::write(const QByteArray& bytes) {
    if (!isOpen())
        return false;
    if (m_device->write(bytes) != bytes.size())
        return false;
    flushDevice();
    return true;
}
