#include "SimTestSupport.h"
#include "support/SimProcess.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace simtest;

namespace {

template <typename Device>
QByteArray exchange(Device& device, const QByteArray& request, int replyBytes) {
    device.write(request);
    QByteArray reply;
    while (reply.size() < replyBytes && device.waitForReadyRead(5000))
        reply += device.readAll();
    return reply;
}

} // namespace

class TestSimProcess : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(QFileInfo::exists(BinPath("td700-sim")), qPrintable(BinPath("td700-sim")));
    }

    // Its usage refused with the reason (the rules' parsing is the bus's own test).
    void usage() {
        QProcess p;
        p.start(BinPath("td700-sim"), {"--fault", "explode"});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY((p.readAllStandardOutput() + p.readAllStandardError()).contains("explode"));
    }

    void ptyAnswersAndSurvivesReopen() {
#ifndef Q_OS_UNIX
        QSKIP("pseudo-terminals are a Unix feature");
#else
        Simulator sim({"--meter", "2:6:1.16", "--freeze", "--dump", "2:30001:2"});
        const QString path = sim.nextLine();
        QVERIFY2(path.startsWith(QLatin1String("/dev/")), qPrintable(path));
        const QList<quint16> expected = DumpedRegisters(sim.nextLine());
        QCOMPARE(expected, (QList<quint16>{10, 0x0110}));

        for (int round = 0; round < 2; ++round) {
            QSerialPort port(path);
            port.setBaudRate(38400);
            QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
            // Noise ahead and the zero byte of RTS control behind do not spoil the request.
            const QByteArray request =
                hex("55") + readRequest(2, 3, 30001, 2) + QByteArray(1, '\0');
            const QByteArray reply = exchange(port, request, 9);
            QCOMPARE(reply.size(), 9);
            QCOMPARE(replyRegisters(reply), expected);
            port.close();
        }
#endif
    }

    // libmodbus's master (mbpoll), written apart from the simulator, reads what it holds.
    void mbpollReadsWhatTheSimulatorHolds() {
#ifndef Q_OS_UNIX
        QSKIP("mbpoll is run here on a pseudo-terminal");
#else
        const int first = 41201, count = 93; // channel 12's block
        const QString mbpoll = QStandardPaths::findExecutable(QStringLiteral("mbpoll"));
        if (mbpoll.isEmpty())
            QSKIP("mbpoll is not installed (Debian package mbpoll)");
        const QString dump = QStringLiteral("1:%1:%2").arg(first).arg(count);
        Simulator sim({"--pty", "--freeze", "--clock", "2024-02-29 13:05:09", "--dump", dump});
        const QString path = sim.nextLine();
        const QList<quint16> expected = DumpedRegisters(sim.nextLine());
        QCOMPARE(expected.size(), count);

        QProcess poll;
        poll.start(mbpoll,
                   {"-m", "rtu", "-a", "1", "-b", "38400", "-P", "none", "-t", "4:hex", "-0", "-r",
                    QString::number(first), "-c", QString::number(count), "-1", "-o", "2", path});
        QVERIFY(poll.waitForFinished(20000));
        const QString out = QString::fromLocal8Bit(poll.readAllStandardOutput());
        QCOMPARE(poll.exitCode(), 0);
        // Lines read "[30001]: 	0x0014".
        const QRegularExpression line(QStringLiteral("^\\[(\\d+)\\]:\\s+0x([0-9A-Fa-f]{4})"),
                                      QRegularExpression::MultilineOption);
        QList<quint16> got;
        int next = first;
        for (auto it = line.globalMatch(out); it.hasNext();) {
            const auto m = it.next();
            QCOMPARE(m.captured(1).toInt(), next++);
            got.append(quint16(m.captured(2).toUInt(nullptr, 16)));
        }
        QCOMPARE(got, expected);
#endif
    }
};

QTEST_GUILESS_MAIN(TestSimProcess)
#include "tst_simprocess.moc"
