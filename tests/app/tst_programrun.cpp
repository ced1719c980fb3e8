#include "core/TextLines.h"
#include "support/SimProcess.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// The desktop program as a user starts it, against the recorder simulator on a
// pseudo-terminal: the port opens, the scan runs and the status list fills with "OK" rows.
class TestProgramRun : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void statusListFillsWithOkRows() {
#ifndef Q_OS_UNIX
        QSKIP("pseudo-terminals are a Unix facility");
#else
        QVERIFY2(QFileInfo(BinPath("td700-sim")).isExecutable(), qPrintable(BinPath("td700-sim")));
        QVERIFY2(QFileInfo(BinPath("TD700_File")).isExecutable(),
                 qPrintable(BinPath("TD700_File")));
        Simulator simulator({"--meter", "1:12:1.20", "--meter", "2:6:1.16", "--pty"});
        const QString device = NextLine(simulator.process(), QDeadlineTimer(20000));
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
        program.start(BinPath("TD700_File"),
                      {"--home", home.path(), "--open", "--report-status-within", "20"});
        QVERIFY(program.waitForFinished(60000));

        // Address, link, model and firmware of each status row.
        QStringList rows;
        for (const QString& row : QString::fromLocal8Bit(program.readAllStandardOutput())
                                      .split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList cells = row.split(u'\t');
            rows << QStringList{cells.value(0), cells.value(1), cells.value(3)}.join(u' ');
        }
        QCOMPARE(rows, (QStringList{"1 OK 1.20", "2 OK 1.16", "3 NG "}));
        QCOMPARE(program.exitCode(), 0); // the scan finished before the time was up
#endif
    }
};

QTEST_GUILESS_MAIN(TestProgramRun)
#include "tst_programrun.moc"
