#pragma once

// FIFOs and character devices made in a test's own folder, for the program's reads and writes
// of things that are not regular files. Nothing here touches a node outside that folder: code
// that wrongly replaces what it writes to replaces only these.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#ifdef Q_OS_UNIX
#include <atomic>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

inline bool MakeFifo(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// A character device node of the system's /dev/null (1, 3) or /dev/full (1, 7); only root may
// make one, and only where the file system allows device nodes: false otherwise (skip).
inline bool MakeCharacterDevice(const QString& path, unsigned minor) {
    const QByteArray name = QFile::encodeName(path);
    if (::mknod(name.constData(), S_IFCHR | 0600, makedev(1, minor)) != 0)
        return false;
    const int fd = ::open(name.constData(), O_WRONLY);
    if (fd < 0) {
        ::unlink(name.constData());
        return false;
    }
    ::close(fd);
    return true;
}

inline bool IsFifo(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

// The reading end of a FIFO, open before a writer comes; readAll() after the writer is done.
class FifoReader {
public:
    explicit FifoReader(const QString& path)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK)) {}
    ~FifoReader() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isOpen() const { return m_fd >= 0; }
    QByteArray readAll() {
        QByteArray out;
        char buffer[4096];
        ssize_t n = 0;
        while ((n = ::read(m_fd, buffer, sizeof buffer)) > 0)
            out.append(buffer, n);
        return out;
    }

private:
    int m_fd;
};

// An output of a kind a test names, made in the test's folder: "fifo" (a reader already waits
// on it), "lonely fifo" (nobody reads it), "null" and "full" (nodes of the devices /dev/null and
// /dev/full: isMade() is false where none can be made, skip then), "folder".
class SpecialOutput {
public:
    SpecialOutput(const QString& path, const QString& kind)
        : m_path(path) {
        if (kind.endsWith(QLatin1String("fifo")))
            m_made = MakeFifo(path);
        else if (kind == QLatin1String("folder"))
            m_made = QDir().mkpath(path);
        else
            m_made = MakeCharacterDevice(path, kind == QLatin1String("null") ? 3 : 7);
        m_type = typeOf(path);
        if (kind == QLatin1String("fifo"))
            m_reader = std::make_unique<FifoReader>(path);
    }
    bool isMade() const { return m_made; }
    // Still a node of the kind it was made (not replaced by a regular file).
    bool isAsItWas() const { return m_made && typeOf(m_path) == m_type; }
    // What the reader of a FIFO got, once the writer is done.
    QByteArray received() { return m_reader ? m_reader->readAll() : QByteArray(); }

private:
    static mode_t typeOf(const QString& path) {
        struct stat st {};
        return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & S_IFMT : 0;
    }

    QString m_path;
    bool m_made = false;
    mode_t m_type = 0;
    std::unique_ptr<FifoReader> m_reader;
};

// A FIFO nobody should ever open for reading, watched: should code under test open it (and
// wait there for a writer), the watch lets it go on by opening and closing the other end, and
// notes it. So such a test fails instead of hanging.
class FifoWatch {
public:
    explicit FifoWatch(const QString& path)
        : m_path(QFile::encodeName(path)) {
        m_made = MakeFifo(path);
        if (m_made)
            m_thread = std::thread([this] { watch(); });
    }
    ~FifoWatch() {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    FifoWatch(const FifoWatch&) = delete;
    FifoWatch& operator=(const FifoWatch&) = delete;

    bool isMade() const { return m_made; }
    bool wasOpenedForReading() const { return m_opened; }

private:
    void watch() {
        while (!m_stop) {
            const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) { // a reader is there
                m_opened = true;
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }

    QByteArray m_path;
    bool m_made = false;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_opened{false};
    std::thread m_thread;
};
#endif
