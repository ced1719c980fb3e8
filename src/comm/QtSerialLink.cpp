#include "comm/QtSerialLink.h"

#include "comm/PortSettings.h"
#include "comm/SerialOpenProblem.h"
#include "comm/SerialPorts.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>

namespace {

QSerialPort::Parity parityOf(char letter) {
    switch (letter) {
    case 'E':
        return QSerialPort::EvenParity;
    case 'O':
        return QSerialPort::OddParity;
    case 'M':
        return QSerialPort::MarkParity;
    case 'S':
        return QSerialPort::SpaceParity;
    default:
        return QSerialPort::NoParity;
    }
}

QSerialPort::StopBits stopBitsOf(int halfBits) {
    switch (halfBits) {
    case 3:
        return QSerialPort::OneAndHalfStop;
    case 4:
        return QSerialPort::TwoStop;
    default:
        return QSerialPort::OneStop;
    }
}

// Errors that mean the device is gone or no longer usable; any other error (an unsupported
// line-control request, a time-out of a blocking call we never make) leaves the port open.
bool isFatal(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::PermissionError:
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
        return true;
    default:
        return false;
    }
}

// What QSerialPort may hold unread. The link takes everything at every notification, so the
// limit is never reached; it is there because with a limit set, a read of the empty port
// arms its read notification again (see onError).
constexpr qint64 kReadBufferBytes = 64 * 1024;

// After a failed read of a device that is still there, how long before the port watches for
// input again: a device that fails at every look (a hung-up line) is looked at no more often.
constexpr int kRewatchMs = 10;

} // namespace

QtSerialLink::QtSerialLink(QObject* parent)
    : IoDeviceLink(new QSerialPort, parent)
    , m_port(static_cast<QSerialPort*>(device()))
    , m_rtsTimer(new QTimer(this)) {
    m_port->setReadBufferSize(kReadBufferBytes);
    m_rtsTimer->setSingleShot(true);
    m_rtsTimer->setTimerType(Qt::PreciseTimer);
    connect(m_rtsTimer, &QTimer::timeout, this, [this] {
        m_rtsDropWaiting = false;
        setRtsLine(false);
    });
    connect(m_port, &QSerialPort::errorOccurred, this, &QtSerialLink::onError);
    connect(m_port, &QSerialPort::bytesWritten, this, [this] {
        accountHandover();
        if (m_rtsDropWaiting && m_queued == 0)
            scheduleRtsDrop();
    });
}

QtSerialLink::~QtSerialLink() {
    close();
}

QString QtSerialLink::systemPortName(const QString& portName) {
#ifdef Q_OS_WIN
    return portName;
#else
    static const QRegularExpression com(QStringLiteral("^COM([1-9][0-9]{0,2})$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = com.match(portName.trimmed());
    if (m.hasMatch())
        return QStringLiteral("/dev/ttyS%1").arg(m.captured(1).toInt() - 1);
    // A bare name ("ttyUSB0") is a device under /dev, as the serial port takes it; a path
    // with a folder in it is taken from the working folder, as any program takes a path.
    if (portName.contains(u'/') && QDir::isRelativePath(portName))
        return QDir::current().absoluteFilePath(portName);
    return portName;
#endif
}

bool QtSerialLink::open(const QString& portName, const QString& lineSettings) {
    close();
    // Such a name would reach the system as it stands (a lock file named with a NUL byte).
    if (const QString why = PortNameProblem(portName); !why.isEmpty()) {
        setErrorString(why);
        return false;
    }
    const std::optional<LineSettings> line = ParseLineSettings(lineSettings);
    if (!line) {
        setErrorString(InvalidLineSettingsMessage(lineSettings));
        return false;
    }
    m_line = *line;
    m_portName = portName;
    m_port->setPortName(systemPortName(portName));
    m_port->setBaudRate(m_line.baud);
    m_port->setParity(parityOf(m_line.parity));
    m_port->setDataBits(QSerialPort::DataBits(m_line.dataBits));
    m_port->setStopBits(stopBitsOf(m_line.stopHalfBits));
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port->open(QIODevice::ReadWrite)) {
        const QString device = systemPortName(portName);
        const SerialDeviceAccess access = ProbeSerialDevice(device);
        SerialOpenFailure failure = SerialOpenFailure::Other;
        switch (m_port->error()) {
        case QSerialPort::DeviceNotFoundError:
            failure = SerialOpenFailure::NotFound;
            break;
        case QSerialPort::PermissionError:
#ifdef Q_OS_WIN
            failure = SerialOpenFailure::InUse; // Windows denies a port another program holds
#else
            // A device this user may use is refused when another program has locked it.
            failure = access.exists && access.readWrite ? SerialOpenFailure::InUse
                                                        : SerialOpenFailure::NoPermission;
#endif
            break;
        case QSerialPort::OpenError:
            failure = SerialOpenFailure::InUse;
            break;
        default:
            break;
        }
        const QString why = SerialOpenMessage(portName, device, failure, m_port->errorString(),
                                              access, AvailableSerialPorts());
        m_port->clearError();
        setErrorString(why);
        return false;
    }
    sessionStarted();
    m_sinceOpen.start();
    m_lineBusyUntilUs = 0;
    m_queued = 0;
    return true;
}

void QtSerialLink::close() {
    sessionEnded();
    closeDevice();
}

void QtSerialLink::closeDevice() {
    m_rtsTimer->stop();
    m_rtsDropWaiting = false;
    if (m_port->isOpen())
        m_port->close();
    m_port->clearError();
}

void QtSerialLink::flushDevice() {
    m_port->flush();
}

void QtSerialLink::clearDeviceInput() {
    m_quiet = true;
    m_port->clear(QSerialPort::Input);
    m_quiet = false;
}

void QtSerialLink::onError(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError || !m_port->isOpen())
        return;
    if (m_quiet || !isFatal(error)) {
        m_port->clearError();
        return;
    }
    // A read that finds nothing after the system said the port was readable fails, and
    // QSerialPort reports it with whatever system error came last ("Resource temporarily
    // unavailable", even "Inappropriate ioctl for device"), as it reports a device that is
    // gone. It happens when bytes that arrive just as the input is thrown away (before every
    // request) have woken the reader, and when another program reads the same device (a
    // pseudo-terminal shared with a line monitor) and takes the bytes first. Whether the device
    // is gone is told by its node, which the system removes with the device (an adapter
    // unplugged, the far end of a pseudo-terminal closed); a write to a device that is gone
    // fails again and tells then.
    const bool readOrResource =
        error == QSerialPort::ReadError || error == QSerialPort::ResourceError;
    const std::optional<bool> node = deviceNodePresent();
    if (readOrResource && node.value_or(false)) {
        // The port works; QSerialPort may have stopped watching it for input, though. A look
        // into the empty port (never taking a byte) makes it watch again.
        m_port->clearError();
        QTimer::singleShot(kRewatchMs, this, [this] {
            char byte;
            if (m_port->isOpen())
                m_port->peek(&byte, 1);
        });
        return;
    }
    // The error text may be left from an earlier call; a device that is gone is said so.
    const bool gone = readOrResource && !node.value_or(true);
    reportLost(tr("The port %1 stopped working (%2).")
                   .arg(m_portName, gone ? tr("its device is gone") : m_port->errorString()));
}

std::optional<bool> QtSerialLink::deviceNodePresent() const {
#ifdef Q_OS_WIN
    return std::nullopt; // no node to look at: the error decides
#else
    QString location = systemPortName(m_portName);
    if (!location.contains(u'/'))
        location = QStringLiteral("/dev/") + location;
    return QFileInfo::exists(location);
#endif
}

void QtSerialLink::setRtsLine(bool on) {
    if (!m_port->isOpen() || lossReported())
        return;
    // A pseudo-terminal or an adapter without the line refuses the request; RTS is then
    // simply not there, and the port goes on working.
    m_quiet = true;
    m_port->setRequestToSend(on);
    m_quiet = false;
    m_port->clearError();
}

bool QtSerialLink::write(const QByteArray& bytes) {
    const bool written = IoDeviceLink::write(bytes);
    if (written)
        m_queued += bytes.size();
    accountHandover();
    return written;
}

// RTS must stay up until the last bit of the frame has left the line, or an RS-485 adapter
// switched by RTS cuts the frame short; dropping it much later makes it talk over the reply.
// The port tells when the driver has taken the bytes (bytesToWrite() falls), not when the
// UART has shifted them out, and draining the driver (tcdrain and the like) would block the
// user-interface thread. So every hand-over to the driver moves an estimate of when the line
// falls silent forward by the wire time of the bytes handed over (start, data, parity and
// stop bits at the baud rate). Once the driver holds everything, the drop is a precise
// single-shot timer set for that moment, plus a millisecond for the timer's granularity.
void QtSerialLink::setRts(bool on) {
    if (!isOpen())
        return;
    if (on) {
        m_rtsTimer->stop();
        m_rtsDropWaiting = false;
        setRtsLine(true);
        return;
    }
    m_rtsDropWaiting = true;
    accountHandover();
    if (m_queued == 0)
        scheduleRtsDrop();
}

void QtSerialLink::accountHandover() {
    const qint64 queued = m_port->isOpen() ? m_port->bytesToWrite() : 0;
    const qint64 taken = m_queued - queued;
    m_queued = queued;
    if (taken <= 0)
        return;
    const qint64 now = m_sinceOpen.nsecsElapsed() / 1000;
    m_lineBusyUntilUs = std::max(now, m_lineBusyUntilUs) + m_line.wireTimeUs(taken);
}

void QtSerialLink::scheduleRtsDrop() {
    const qint64 now = m_sinceOpen.nsecsElapsed() / 1000;
    const qint64 remainingUs = m_lineBusyUntilUs - now;
    if (remainingUs <= 0) {
        m_rtsDropWaiting = false;
        setRtsLine(false);
        return;
    }
    m_rtsTimer->start(int((remainingUs + 999) / 1000) + 1);
}
