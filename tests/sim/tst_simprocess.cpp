#include "SimTestSupport.h"
#include "support/SimProcess.h"

#include <QFileInfo>
#include <QProcess>
#include <QSerialPort>
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

    void usage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("says");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--fault";
        QTest::newRow("bad meter") << QStringList{"--meter", "1:3:1.20"} << 2 << "channel count";
        QTest::newRow("bad fault") << QStringList{"--fault", "explode"} << 2 << "explode";
    }

    void usage() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        QProcess p;
        p.start(BinPath("td700-sim"), args);
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), exitCode);
        const QString out =
            QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError());
        QVERIFY2(out.contains(says), qPrintable(out));
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

    void terminateEndsCleanly() {
#ifndef Q_OS_UNIX
        QSKIP("signals and pseudo-terminals are Unix features");
#else
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("ttyTD700"));
        Simulator sim({"--pty-link", link});
        QVERIFY(!sim.nextLine().isEmpty());
        QVERIFY(QFileInfo(link).isSymLink());
        sim.process().terminate(); // SIGTERM
        QVERIFY(sim.process().waitForFinished(10000));
        QCOMPARE(sim.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.process().exitCode(), 0);
        QVERIFY(!QFileInfo(link).isSymLink());
#endif
    }
};

QTEST_GUILESS_MAIN(TestSimProcess)
#include "tst_simprocess.moc"
