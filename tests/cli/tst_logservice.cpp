#include "logging/DataFileNames.h"
#include "support/SimProcess.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

// The program folder of a logger on `pty`: meter 1, its data every second into `data`.
void writeSettings(const QString& home, const QString& pty, const QString& data) {
    QDir().mkpath(home + "/CFG");
    WriteBytes(home + "/Comm.CFG", pty.toUtf8() + "\r\n38400\r\nN\r\n8\r\n1\r\nRTU\r\nOFF\r\n");
    WriteBytes(home + "/CFG/SetEnv.INI", "O\r\n");
    WriteBytes(home + "/CFG/SaveData.INI",
               "Yes\r\n1\r\nsec\r\n" + data.toUtf8() + "\r\nRUN\r\n0\r\n0\r\n0\r\n");
}

qint64 recordsIn(const QString& folder) {
    qint64 n = 0;
    for (const QString& f : DataFileNames::meterFiles(folder, QStringLiteral("RUN"), 1))
        n += DataFileNames::recordCount(QDir(folder).filePath(f));
    return n;
}

#ifdef Q_OS_LINUX
// A service manager's end of the notify protocol: a datagram socket of the test's own.
class NotifySocket {
public:
    NotifySocket() {
        m_path = m_dir.filePath(QStringLiteral("notify"));
        m_fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        const QByteArray p = QFile::encodeName(m_path);
        std::memcpy(a.sun_path, p.constData(), size_t(p.size()));
        m_bound = ::bind(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    }
    ~NotifySocket() { ::close(m_fd); }
    bool isBound() const { return m_bound; }
    QString path() const { return m_path; }

    // Everything that comes within `ms`.
    void receive(int ms) {
        const QDeadlineTimer deadline(ms);
        while (!deadline.hasExpired()) {
            pollfd p{m_fd, POLLIN, 0};
            if (::poll(&p, 1, int(std::max<qint64>(1, deadline.remainingTime()))) <= 0)
                continue;
            char buffer[4096];
            const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
            if (n > 0)
                for (const QByteArray& line : QByteArray(buffer, int(n)).split('\n'))
                    messages << line;
        }
    }
    QByteArrayList with(const QByteArray& prefix) const {
        QByteArrayList out;
        for (const QByteArray& m : messages)
            if (m.startsWith(prefix))
                out << m;
        return out;
    }
    QByteArrayList messages;

private:
    QTemporaryDir m_dir;
    QString m_path;
    int m_fd = -1;
    bool m_bound = false;
};
#endif

} // namespace

// `td700 log` as a service runs it: telling the service manager how it stands, reloading its
// settings, serving its figures and keeping its data folder, against the simulator.
class TestLogService : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
#ifndef Q_OS_LINUX
        QSKIP("the service manager and the simulator's pseudo-terminals are Linux's");
#endif
        QVERIFY(QFileInfo::exists(BinPath("td700")));
    }

    // Ready, status and watchdog; SIGHUP rereads the settings (a new folder at once, a new port
    // by starting again in place), SIGTERM stops cleanly.
    void tellsTheServiceManagerAndReloads() {
#ifdef Q_OS_LINUX
        NotifySocket manager;
        QVERIFY(manager.isBound());
        Simulator sim({"--pty", "--meter", "1:4:1.20"});
        Simulator other({"--pty", "--meter", "1:4:1.20"});
        const QString pty = sim.nextLine(), otherPty = other.nextLine();
        QVERIFY(pty.startsWith(u'/') && otherPty.startsWith(u'/'));
        QTemporaryDir dir;
        const QString home = dir.filePath("home"), first = dir.filePath("a"),
                      second = dir.filePath("b");
        writeSettings(home, pty, first);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("NOTIFY_SOCKET", manager.path());
        env.insert("WATCHDOG_USEC", "2000000");
        RunningProgram log("td700", {"log", "--home", home}, env);
        const qint64 pid = log.process().processId();
        manager.receive(6000);
        QCOMPARE(manager.with("READY=1").size(), 1);
        const QByteArrayList statuses = manager.with("STATUS=");
        const QByteArray status = statuses.isEmpty() ? QByteArray() : statuses.last();
        QVERIFY2(status.contains("1 of 1 meters OK") && status.contains("records a minute"),
                 status.constData());
        QVERIFY(manager.with("WATCHDOG=1").size() >= 5);

        // Another data folder: taken as the program runs, not a record lost.
        writeSettings(home, pty, second);
        ::kill(pid_t(pid), SIGHUP);
        QVERIFY(log.waitFor("now logging every 1 sec into .*b as RUN").hasMatch());
        manager.receive(3000);
        QCOMPARE(manager.with("RELOADING=1").size(), 1);
        QCOMPARE(manager.with("READY=1").size(), 2);
        QVERIFY(recordsIn(second) > 0);
        QVERIFY2(!log.err().contains("missing"), qPrintable(log.err()));

        // Another port: the program starts again in its place, the same process.
        writeSettings(home, otherPty, second);
        const qint64 before = recordsIn(second);
        ::kill(pid_t(pid), SIGHUP);
        QVERIFY(log.waitFor("reloading: the port or the meter list changed").hasMatch());
        QVERIFY(log.waitFor("logging every 1 sec(.|\\n)*logging every 1 sec").hasMatch());
        manager.receive(4000);
        QCOMPARE(manager.with("READY=1").size(), 3);
        QCOMPARE(log.process().processId(), pid);
        QVERIFY(recordsIn(second) > before + 1);

        QCOMPARE(log.finish(SIGTERM), 0);
        manager.receive(200);
        QVERIFY(!manager.with("STOPPING=1").isEmpty());
        QVERIFY2(log.err().contains("terminated"), qPrintable(log.err()));
#endif
    }

    // Prometheus text on /metrics that promtool accepts, counting what the data files hold; a
    // client sending nonsense gets its answer and the figures go on.
    void servesItsFigures() {
        Simulator sim({"--pty", "--meter", "1:12:1.20"});
        const QString pty = sim.nextLine();
        QVERIFY(pty.startsWith(u'/'));
        QTemporaryDir dir;
        const QString data = dir.filePath("data");
        RunningProgram log("td700",
                           {"log", "--home", dir.filePath("home"), "--port", pty, "--meters", "1",
                            "--folder", data, "--name", "RUN", "--interval", "1", "--metrics",
                            "127.0.0.1:0", "--keep-days", "30"});
        const QRegularExpressionMatch at =
            log.waitFor("figures on http://127\\.0\\.0\\.1:(\\d+)/metrics");
        QVERIFY2(at.hasMatch() && log.err().contains("keeping 30 days"), qPrintable(log.err()));
        const quint16 port = quint16(at.captured(1).toUInt());
        const auto ask = [port](const QByteArray& request) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, port);
            if (!s.waitForConnected(5000))
                return QByteArray();
            s.write(request);
            while (s.state() == QAbstractSocket::ConnectedState && s.waitForReadyRead(5000)) {
            }
            return s.readAll();
        };
        QTRY_VERIFY_WITH_TIMEOUT(recordsIn(data) >= 2, 30000);

        QVERIFY(ask("HELLO\r\n\r\n").startsWith("HTTP/1.1 400 "));
        QVERIFY(ask("GET /other HTTP/1.1\r\n\r\n").startsWith("HTTP/1.1 404 "));
        // The files and the figures at the same moment: between two saves.
        QByteArray body;
        qint64 inFiles = -1, counted = -2;
        for (int tries = 0; tries < 20 && inFiles != counted; ++tries) {
            const qint64 before = recordsIn(data);
            const QByteArray reply = ask("GET /metrics HTTP/1.1\r\nHost: x\r\n\r\n");
            QVERIFY(reply.startsWith("HTTP/1.1 200 OK\r\n"));
            body = reply.mid(reply.indexOf("\r\n\r\n") + 4);
            const QRegularExpressionMatch m =
                QRegularExpression(
                    QStringLiteral("^td700_meter_records_written_total\\{meter=\"1\"\\} (\\d+)$"),
                    QRegularExpression::MultilineOption)
                    .match(QString::fromUtf8(body));
            QVERIFY2(m.hasMatch(), body.constData());
            counted = m.captured(1).toLongLong();
            inFiles = recordsIn(data) == before ? before : -1;
        }
        QCOMPARE(counted, inFiles);
        QVERIFY(inFiles >= 2);
        for (const char* figure : {"td700_meter_link_ok{meter=\"1\"} 1", "td700_port_polling 1",
                                   "td700_data_folder_free_bytes ", "td700_build_info{version="})
            QVERIFY2(body.contains(figure), figure);

        const QString promtool = QStandardPaths::findExecutable(QStringLiteral("promtool"));
        if (!promtool.isEmpty()) {
            QProcess check;
            check.start(promtool, {"check", "metrics"});
            check.write(body);
            check.closeWriteChannel();
            QVERIFY(check.waitForFinished(30000));
            QVERIFY2(check.exitCode() == 0,
                     qPrintable(check.readAllStandardOutput() + check.readAllStandardError()));
        }
        // A second logger cannot serve its figures where the first does: it does not start.
        QByteArray err;
        QCOMPARE(RunProgram("td700",
                            {"log", "--home", dir.path(), "--port", "DEMO", "--meters", "1",
                             "--folder", data, "--name", "X", "--interval", "1", "--metrics",
                             at.captured(0).section(u'/', 2, 2)},
                            nullptr, &err),
                 1);
        QVERIFY2(err.contains("cannot be served"), err.constData());
        QCOMPARE(log.finish(SIGTERM), 0);
        if (promtool.isEmpty())
            QSKIP("promtool (Debian: prometheus) is not installed: the format was not checked");
    }
};

QTEST_GUILESS_MAIN(TestLogService)
#include "tst_logservice.moc"
