#include "logging/DataFileReader.h"
#include "support/SimProcess.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

bool near(float a, float b) {
    return std::fabs(a - b) <= 1e-6f * std::max(1.0f, std::fabs(b));
}

} // namespace

// `td700 log` as a user runs it: against the simulator on a pseudo-terminal, stopped by a
// signal, leaving data files that hold every save it reported and the meters' values.
class TestLogCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
#ifndef Q_OS_UNIX
        QSKIP("the simulator serves a pseudo-terminal only on Unix");
#endif
        QVERIFY2(QFileInfo::exists(BinPath("td700")), qPrintable(BinPath("td700")));
        QVERIFY2(QFileInfo::exists(BinPath("td700-sim")), qPrintable(BinPath("td700-sim")));
    }

    void logsTheSimulatorUntilStopped_data() {
#ifdef Q_OS_UNIX
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("said");
        QTest::newRow("SIGINT") << int(SIGINT) << "interrupted";
        QTest::newRow("SIGTERM") << int(SIGTERM) << "terminated";
#endif
    }

    void logsTheSimulatorUntilStopped() {
#ifdef Q_OS_UNIX
        QFETCH(int, signal);
        QFETCH(QString, said);
        QTemporaryDir dir;
        Simulator sim({"--pty", "--meter", "1:12:1.20,2:4:1.16", "--freeze", "--dump", "1:30017:24",
                       "--dump", "2:30017:8"});
        const QString pty = sim.nextLine();
        QVERIFY2(pty.startsWith(u'/'), qPrintable(pty + sim.process().readAllStandardError()));
        // The present values of meters 1 and 2, as the simulator dumps them in order.
        const QList<float> values[] = {
            {}, DumpedSingles(sim.nextLine()), DumpedSingles(sim.nextLine())};
        QCOMPARE(values[1].size(), 12);
        QCOMPARE(values[2].size(), 4);

        const QString data = dir.filePath(QStringLiteral("data"));
        QProcess log;
        log.start(BinPath("td700"),
                  {"log", "--home", dir.filePath("home"), "--port", pty, "--meters", "1,2",
                   "--folder", data, "--name", "RUN", "--interval", "1", "--unit", "sec"});
        // Three saves of both meters, then the signal.
        QStringList lines;
        int full = 0;
        const QDeadlineTimer logging(60000);
        while (full < 3) {
            const QString line = NextLine(log, logging);
            QVERIFY2(!line.isEmpty(), qPrintable(lines.join(u'\n') + log.readAllStandardError()));
            lines << line;
            full += line.contains(QStringLiteral(" 2 meters ")) ? 1 : 0;
        }
        ::kill(pid_t(log.processId()), signal);
        QVERIFY(log.waitForFinished(20000));
        QCOMPARE(log.exitStatus(), QProcess::NormalExit);
        QCOMPARE(log.exitCode(), 0);
        lines
            << QString::fromLocal8Bit(log.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(QString::fromLocal8Bit(log.readAllStandardError()).contains(said));

        for (int address : {1, 2}) {
            const QString file =
                data + QStringLiteral("/RUN_%1.TDD").arg(address, 2, 10, QChar(u'0'));
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
                    QVERIFY2(near(r.values[size_t(ch)], expected[ch]),
                             qPrintable(QString::asprintf("meter %d record %lld channel %d",
                                                          address, i, ch + 1)));
            }
        }
#endif
    }
};

QTEST_GUILESS_MAIN(TestLogCommand)
#include "tst_logcommand.moc"
