#include "logging/DataFileReader.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstring>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

// `td700 log` as a user runs it: against the simulator on a pseudo-terminal, stopped by a
// signal, leaving data files that hold every save it reported and the meters' values.
class TestLogCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void logsTheSimulatorUntilStopped_data();
    void logsTheSimulatorUntilStopped();
    void badSettingsAreRefused_data();
    void badSettingsAreRefused();
};

namespace {

QString program(const char* name) {
    return qEnvironmentVariable("TD700_BIN_DIR") + u'/' + QLatin1String(name);
}

// Waits for the next line of a running process's standard output.
QString nextLine(QProcess& p, const QDeadlineTimer& deadline) {
    while (!p.canReadLine()) {
        if (deadline.hasExpired() || p.state() == QProcess::NotRunning)
            return QString();
        p.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
    }
    return QString::fromLocal8Bit(p.readLine()).trimmed();
}

// "ADDR:FIRST:COUNT r1 r2 ..." of the simulator's --dump, read as singles (high word first).
QList<float> dumpedSingles(const QString& line) {
    const QStringList parts = line.split(u' ', Qt::SkipEmptyParts);
    QList<float> out;
    for (int i = 1; i + 1 < parts.size(); i += 2) {
        const quint32 bits = parts[i].toUInt() << 16 | parts[i + 1].toUInt();
        float f;
        std::memcpy(&f, &bits, sizeof f);
        out << f;
    }
    return out;
}

bool near(float a, float b) {
    return std::fabs(a - b) <= 1e-6f * std::max(1.0f, std::fabs(b));
}

} // namespace

void TestLogCommand::initTestCase() {
#ifndef Q_OS_UNIX
    QSKIP("the simulator serves a pseudo-terminal only on Unix");
#endif
    QVERIFY2(QFileInfo::exists(program("td700")), qPrintable(program("td700")));
    QVERIFY2(QFileInfo::exists(program("td700-sim")), qPrintable(program("td700-sim")));
}

void TestLogCommand::logsTheSimulatorUntilStopped_data() {
#ifdef Q_OS_UNIX
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("said");
    QTest::newRow("SIGINT") << int(SIGINT) << "interrupted";
    QTest::newRow("SIGTERM") << int(SIGTERM) << "terminated";
#endif
}

void TestLogCommand::logsTheSimulatorUntilStopped() {
#ifdef Q_OS_UNIX
    QFETCH(int, signal);
    QFETCH(QString, said);
    QTemporaryDir dir;
    QProcess sim;
    sim.start(program("td700-sim"), {"--pty", "--meter", "1:12:1.20,2:4:1.16", "--freeze", "--dump",
                                     "1:30017:24", "--dump", "2:30017:8"});
    const QDeadlineTimer simUp(20000);
    const QString pty = nextLine(sim, simUp);
    QVERIFY2(pty.startsWith(u'/'), qPrintable(pty + sim.readAllStandardError()));
    QMap<int, QList<float>> values; // meter address -> its present values
    for (int i = 0; i < 2; ++i) {
        const QString line = nextLine(sim, simUp);
        values[line.section(u':', 0, 0).toInt()] = dumpedSingles(line);
    }
    QCOMPARE(values.value(1).size(), 12);
    QCOMPARE(values.value(2).size(), 4);

    const QString data = dir.filePath(QStringLiteral("data"));
    QProcess log;
    log.start(program("td700"),
              {"log", "--home", dir.filePath("home"), "--port", pty, "--meters", "1,2", "--folder",
               data, "--name", "RUN", "--interval", "1", "--unit", "sec"});
    // Three saves of both meters, then the signal.
    QStringList lines;
    int full = 0;
    const QDeadlineTimer logging(60000);
    while (full < 3) {
        const QString line = nextLine(log, logging);
        QVERIFY2(!line.isEmpty(), qPrintable(lines.join(u'\n') + log.readAllStandardError()));
        lines << line;
        full += line.contains(QStringLiteral(" 2 meters ")) ? 1 : 0;
    }
    ::kill(pid_t(log.processId()), signal);
    QVERIFY(log.waitForFinished(20000));
    QCOMPARE(log.exitStatus(), QProcess::NormalExit);
    QCOMPARE(log.exitCode(), 0);
    lines << QString::fromLocal8Bit(log.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(QString::fromLocal8Bit(log.readAllStandardError()).contains(said));
    sim.terminate();
    sim.waitForFinished(5000);

    for (int address : {1, 2}) {
        const QString file = data + QStringLiteral("/RUN_%1.TDD").arg(address, 2, 10, QChar(u'0'));
        // Every save it reported is in the file, and nothing more.
        const qsizetype reported = lines.filter(file).size();
        DataFileReader reader;
        QVERIFY2(reader.open(file), qPrintable(reader.errorString()));
        QVERIFY(reader.warnings().isEmpty()); // whole records only
        QCOMPARE(reader.recordCount(), qint64(reported));
        QVERIFY(reported >= 3);
        quint32 lastStamp = 0;
        for (qint64 i = 0; i < reader.recordCount(); ++i) {
            DataRecord r;
            QVERIFY(reader.record(i, &r));
            QVERIFY2(r.stamp > lastStamp, "one record per second, in order");
            lastStamp = r.stamp;
            const QList<float>& expected = values[address];
            for (int ch = 0; ch < expected.size(); ++ch)
                QVERIFY2(
                    near(r.values[size_t(ch)], expected[ch]),
                    qPrintable(QStringLiteral("meter %1 record %2 channel %3: %4, simulator %5")
                                   .arg(address)
                                   .arg(i)
                                   .arg(ch + 1)
                                   .arg(double(r.values[size_t(ch)]))
                                   .arg(double(expected[ch]))));
        }
    }
#endif
}

void TestLogCommand::badSettingsAreRefused_data() {
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said");
    const QStringList ok{"--interval", "5", "--name", "X", "--meters", "1"};
    QTest::newRow("interval 0") << QStringList{"--interval", "0", "--name", "X", "--meters", "1"}
                                << 2 << "1..60";
    QTest::newRow("unit") << ok + QStringList{"--unit", "hour"} << 2 << "--unit";
    QTest::newRow("day-change time") << ok + QStringList{"--daily", "24:00"} << 2 << "--daily";
    QTest::newRow("duration") << ok + QStringList{"--duration", "soon"} << 2 << "--duration";
    QTest::newRow("file name") << QStringList{"--interval", "5", "--name", "a/b", "--meters", "1"}
                               << 2 << "file name";
    QTest::newRow("no port") << ok + QStringList{"--port", "/dev/td700-no-such-port"} << 3
                             << "cannot open port";
}

void TestLogCommand::badSettingsAreRefused() {
    QFETCH(QStringList, flags);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    QTemporaryDir dir;
    QProcess log;
    log.start(program("td700"),
              QStringList{"log", "--home", dir.path(), "--folder", dir.filePath("data")} + flags);
    QVERIFY(log.waitForFinished(20000));
    QCOMPARE(log.exitCode(), exitCode);
    const QString err = QString::fromLocal8Bit(log.readAllStandardError());
    QVERIFY2(err.contains(said), qPrintable(err));
}

QTEST_GUILESS_MAIN(TestLogCommand)
#include "tst_logcommand.moc"
