#pragma once

// FIFOs and device nodes made in a test's own folder, for reads and writes of things that are
// not regular files: code that wrongly replaces what it writes to replaces only these.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#ifdef Q_OS_UNIX
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

inline bool MakeFifo(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// An output of a kind a test names: "fifo" (a reader already waits on it), "lonely fifo"
// (nobody reads it), "full" (a node of /dev/full: only root can make it, isMade() is false
// otherwise: skip), "folder".
class SpecialOutput {
public:
    SpecialOutput(const QString& path, const QString& kind)
        : m_path(QFile::encodeName(path)) {
        if (kind.endsWith(QLatin1String("fifo")))
            m_made = MakeFifo(path);
        else if (kind == QLatin1String("folder"))
            m_made = QDir().mkpath(path);
        else
            m_made = ::mknod(m_path.constData(), S_IFCHR | 0600, makedev(1, 7)) == 0;
        m_type = type();
        if (kind == QLatin1String("fifo"))
            m_reader = ::open(m_path.constData(), O_RDONLY | O_NONBLOCK);
    }
    ~SpecialOutput() {
        if (m_reader >= 0)
            ::close(m_reader);
    }
    bool isMade() const { return m_made; }
    // Still a node of the kind it was made, not replaced by a file.
    bool isAsItWas() const { return m_made && type() == m_type; }
    // What the FIFO's reader got, once the writer is done.
    QByteArray received() const {
        QByteArray out;
        char buffer[4096];
        ssize_t n = 0;
        while (m_reader >= 0 && (n = ::read(m_reader, buffer, sizeof buffer)) > 0)
            out.append(buffer, n);
        return out;
    }

private:
    mode_t type() const {
        struct stat st {};
        return ::lstat(m_path.constData(), &st) == 0 ? st.st_mode & S_IFMT : 0;
    }

    QByteArray m_path;
    bool m_made = false;
    mode_t m_type = 0;
    int m_reader = -1;
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
            m_thread = std::thread([this] {
                while (!m_stop) {
                    const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
                    if (fd >= 0) { // a reader is there
                        m_opened = true;
                        ::close(fd);
                    }
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
                }
            });
    }
    ~FifoWatch() {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    bool isMade() const { return m_made; }
    bool wasOpenedForReading() const { return m_opened; }

private:
    QByteArray m_path;
    bool m_made = false;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_opened{false};
    std::thread m_thread;
};
#endif
