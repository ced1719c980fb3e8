#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The serial line as the engine uses it: a real port, RTU frames over TCP, or the built-in
// simulated bus. Implementations collect incoming bytes and raise receiveThresholdReached()
// exactly once when at least the threshold number of bytes wait; the notification is armed
// again by setReceiveThreshold(), readAll() and discardInput().
class SerialLink : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~SerialLink() override = default;

    // Opens the named port with line settings such as "38400,N,8,1". Fails without side
    // effects when the port is missing or busy; errorString() then says why. A link that
    // needs time to open (a connection to a device server) returns true at once with
    // isOpen() false and isOpening() true, and emits opened() or openFailed() later, from the
    // event loop; close() meanwhile gives the attempt up without a signal.
    virtual bool open(const QString& portName, const QString& lineSettings) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual bool isOpening() const { return false; }
    virtual QString errorString() const = 0;

    virtual void setReceiveThreshold(int bytes) = 0;
    virtual int bytesWaiting() const = 0;
    // Every waiting byte, in order; the input is then empty.
    virtual QByteArray readAll() = 0;
    virtual void discardInput() = 0;
    // Sends the bytes unchanged. False when the link is closed or the write failed.
    virtual bool write(const QByteArray& bytes) = 0;
    // Raises or drops RTS. Dropping waits until the bytes written so far have left the port.
    // A device that has no RTS line (a pseudo-terminal, a TCP link) ignores it silently.
    virtual void setRts(bool on) = 0;

Q_SIGNALS:
    // A background open finished: the link is open now, or could not be opened (`reason`, a
    // sentence for the user, is then also errorString()).
    void opened();
    void openFailed(const QString& reason);
    // The receive event: the threshold number of bytes (or more) are waiting.
    void receiveThresholdReached();
    // The device went away while open (adapter unplugged, connection lost). The link is
    // already closed when this is emitted; `reason` is a sentence for the user.
    void linkLost(const QString& reason);
};
