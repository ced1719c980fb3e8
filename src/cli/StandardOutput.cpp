#include "cli/StandardOutput.h"

#include "cli/CliContext.h"

#include <QTextStream>
#include <cerrno>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <unistd.h>
#endif

namespace {

class StandardOutputDevice : public QIODevice {
public:
    StandardOutputDevice() { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

    bool isSequential() const override { return true; }
    // The reason for the first write that failed; empty while none did.
    QString failure() const { return m_failure; }
    void fail(int code) {
        if (m_failure.isEmpty())
            m_failure = qt_error_string(code);
        setErrorString(m_failure);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (!m_failure.isEmpty())
            return -1; // nothing after a gap: what was printed stays a whole beginning
#ifdef Q_OS_UNIX
        for (qint64 done = 0; done < size;) {
            const ssize_t n = ::write(STDOUT_FILENO, data + done, size_t(size - done));
            if (n >= 0) {
                done += n;
                continue;
            }
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN) { // an output left non-blocking by whoever started us
                pollfd p{STDOUT_FILENO, POLLOUT, 0};
                ::poll(&p, 1, -1);
                continue;
            }
            fail(errno);
            return -1;
        }
#else
        if (std::fwrite(data, 1, size_t(size), stdout) != size_t(size) || std::fflush(stdout)) {
            fail(errno);
            return -1;
        }
#endif
        return size;
    }

private:
    QString m_failure;
};

StandardOutputDevice& device() {
    static StandardOutputDevice d;
    return d;
}

} // namespace

QIODevice& StandardOutput() {
    return device();
}

int FinishStandardOutput(int status) {
    StandardOutputDevice& out = device();
    // Whatever went through the C library (Qt's own messages never do; a command that writes
    // its rows straight to the descriptor checks them itself).
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        out.fail(errno);
#ifdef Q_OS_UNIX
    // Only now does a file on some disks report that it could not be kept. A standard output
    // that was closed from the start and never written to is no failure.
    if (::close(STDOUT_FILENO) != 0 && errno != EBADF)
        out.fail(errno);
#endif
    if (out.failure().isEmpty())
        return status;
    QTextStream(stderr) << "td700: standard output could not be written (" << out.failure()
                        << "): what was printed is cut short\n";
    return status == Exit::Done ? Exit::Failed : status;
}
