#include "sim/SimPtyEndpoint.h"

#include "sim/SimPort.h"

#include <QFile>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>
#endif

SimPtyEndpoint::SimPtyEndpoint(SimBus& bus, Clock& clock, QObject* parent)
    : QObject(parent)
    , m_port(std::make_unique<SimPort>(bus, clock, [this](const QByteArray& b) { send(b); })) {}

SimPtyEndpoint::~SimPtyEndpoint() {
    close();
}

#ifdef Q_OS_UNIX

bool SimPtyEndpoint::open(QString* error) {
    auto fail = [&](const char* step) {
        if (error)
            *error = QStringLiteral("cannot create a pseudo-terminal (%1: %2)")
                         .arg(QLatin1String(step), QString::fromLocal8Bit(strerror(errno)));
        close();
        return false;
    };
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return fail("posix_openpt");
    if (grantpt(m_master) != 0)
        return fail("grantpt");
    if (unlockpt(m_master) != 0)
        return fail("unlockpt");
    const char* name = ptsname(m_master);
    if (!name)
        return fail("ptsname");
    m_slavePath = QString::fromLocal8Bit(name);
    // Holding the slave side open ourselves keeps the master side free of hang-ups while no
    // client has the device open, so a client can close it and open it again.
    m_slaveHold = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slaveHold < 0)
        return fail("open slave");
    termios tio{};
    if (tcgetattr(m_slaveHold, &tio) != 0)
        return fail("tcgetattr");
    cfmakeraw(&tio);
    if (tcsetattr(m_slaveHold, TCSANOW, &tio) != 0)
        return fail("tcsetattr");
    const int flags = fcntl(m_master, F_GETFL);
    if (flags < 0 || fcntl(m_master, F_SETFL, flags | O_NONBLOCK) != 0)
        return fail("fcntl");

    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &SimPtyEndpoint::onReadable);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &SimPtyEndpoint::flush);
    return true;
}

void SimPtyEndpoint::close() {
    delete m_readNotifier;
    m_readNotifier = nullptr;
    delete m_writeNotifier;
    m_writeNotifier = nullptr;
    if (!m_linkPath.isEmpty()) {
        QFile::remove(m_linkPath);
        m_linkPath.clear();
    }
    if (m_slaveHold >= 0)
        ::close(m_slaveHold);
    if (m_master >= 0)
        ::close(m_master);
    m_slaveHold = m_master = -1;
    m_out.clear();
    m_port->reset();
}

bool SimPtyEndpoint::createLink(const QString& linkPath, QString* error) {
    QFile::remove(linkPath); // a link left by an earlier run
    if (m_slavePath.isEmpty() || !QFile::link(m_slavePath, linkPath)) {
        if (error)
            *error = QStringLiteral("cannot create the link %1").arg(linkPath);
        return false;
    }
    m_linkPath = linkPath;
    return true;
}

void SimPtyEndpoint::onReadable() {
    // A few chunks per turn, so that the replies' timers run between them; none while the
    // master leaves its replies unread (the line then holds the master back).
    for (int chunk = 0; chunk < 4; ++chunk) {
        if (unreadReplies() > SimPort::MaxUnreadReplyBytes) {
            m_readNotifier->setEnabled(false); // on again once replies have left
            return;
        }
        char buffer[SimPort::ReadChunk];
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            m_port->receive(QByteArray(buffer, n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // EAGAIN: all read. EIO would mean no slave is open, which our own hold prevents.
        break;
    }
}

qint64 SimPtyEndpoint::unreadReplies() const {
    return m_out.size() + m_port->pendingReplyBytes();
}

void SimPtyEndpoint::send(const QByteArray& bytes) {
    if (m_master < 0)
        return;
    m_out.append(bytes);
    flush();
}

void SimPtyEndpoint::flush() {
    while (!m_out.isEmpty()) {
        const ssize_t n = ::write(m_master, m_out.constData(), size_t(m_out.size()));
        if (n > 0) {
            m_out.remove(0, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // full: wait until the line can take more
    }
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(!m_out.isEmpty());
    if (m_readNotifier && !m_readNotifier->isEnabled() &&
        unreadReplies() <= SimPort::MaxUnreadReplyBytes)
        m_readNotifier->setEnabled(true);
}

#else

bool SimPtyEndpoint::open(QString* error) {
    if (error)
        *error = QStringLiteral("pseudo-terminals are not available on this system; use --tcp");
    return false;
}

void SimPtyEndpoint::close() {}

bool SimPtyEndpoint::createLink(const QString&, QString* error) {
    if (error)
        *error = QStringLiteral("pseudo-terminals are not available on this system");
    return false;
}

void SimPtyEndpoint::onReadable() {}

qint64 SimPtyEndpoint::unreadReplies() const {
    return 0;
}

void SimPtyEndpoint::send(const QByteArray&) {}

void SimPtyEndpoint::flush() {}

#endif
