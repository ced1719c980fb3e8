#include "core/TextLines.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The desktop program as a user starts it, against the recorder simulator on a
// pseudo-terminal: the port opens, the scan runs and the status list fills with "OK" rows.
class TestProgramRun : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void statusListFillsWithOkRows();
};

void TestProgramRun::statusListFillsWithOkRows() {
#ifndef Q_OS_UNIX
    QSKIP("pseudo-terminals are a Unix facility");
#else
    const QDir bin(qEnvironmentVariable("TD700_BIN_DIR"));
    const QString sim = bin.filePath(QStringLiteral("td700-sim"));
    const QString app = bin.filePath(QStringLiteral("TD700_File"));
    QVERIFY2(QFileInfo(sim).isExecutable(), qPrintable(sim));
    QVERIFY2(QFileInfo(app).isExecutable(), qPrintable(app));

    QProcess simulator;
    simulator.start(sim, {QStringLiteral("--meter"), QStringLiteral("1:12:1.20"),
                          QStringLiteral("--meter"), QStringLiteral("2:6:1.16"),
                          QStringLiteral("--pty")});
    QVERIFY(simulator.waitForStarted(10000));
    QString device;
    for (int i = 0; i < 100 && !simulator.canReadLine(); ++i)
        simulator.waitForReadyRead(200);
    device = QString::fromLocal8Bit(simulator.readLine()).trimmed();
    QVERIFY2(device.startsWith(u'/'), qPrintable(device));

    QTemporaryDir home;
    QVERIFY(WriteTextLines(home.filePath(QStringLiteral("Comm.CFG")),
                           {device, "38400", "N", "8", "1", "Modbus RTU", "OFF"}));
    QVERIFY(QDir(home.path()).mkpath(QStringLiteral("CFG")));
    // Address 3 is configured but not on the bus.
    QVERIFY(WriteTextLines(home.filePath(QStringLiteral("CFG/SetEnv.INI")),
                           {"O\trecorder one", "O\trecorder two", "O\tabsent"}));

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.start(app, {QStringLiteral("--home"), home.path(), QStringLiteral("--open"),
                        QStringLiteral("--report-status-within"), QStringLiteral("20")});
    QVERIFY(program.waitForStarted(10000));
    QVERIFY(program.waitForFinished(60000));
    simulator.terminate();
    simulator.waitForFinished(5000);

    const QStringList rows =
        QString::fromLocal8Bit(program.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(rows.size() == 3, qPrintable(rows.join(u'|')));
    const QStringList first = rows[0].split(u'\t');
    const QStringList second = rows[1].split(u'\t');
    const QStringList third = rows[2].split(u'\t');
    QCOMPARE(first.value(0), QStringLiteral("1"));
    QCOMPARE(first.value(1), QStringLiteral("OK"));
    QCOMPARE(first.value(3), QStringLiteral("1.20"));
    QCOMPARE(second.value(0), QStringLiteral("2"));
    QCOMPARE(second.value(1), QStringLiteral("OK"));
    QCOMPARE(second.value(3), QStringLiteral("1.16"));
    QCOMPARE(third.value(1), QStringLiteral("NG"));
    QCOMPARE(program.exitCode(), 0); // the scan finished before the time was up
#endif
}

QTEST_GUILESS_MAIN(TestProgramRun)
#include "tst_programrun.moc"
