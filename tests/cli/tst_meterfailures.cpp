#include "support/SimProcess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

// td700 against meters that fall silent, send damaged frames or refuse writes: every run ends,
// names the meter and the failure, and leaves what it could do done.
class TestMeterFailures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
#ifndef Q_OS_UNIX
        QSKIP("the simulator serves pseudo-terminals on Unix only");
#endif
        QVERIFY2(QFile::exists(BinPath("td700")), "TD700_BIN_DIR names no td700");
        QVERIFY(m_home.isValid());
        m_file = QFINDTESTDATA("../paramset/data/p12_120.CFG");
        QVERIFY(!m_file.isEmpty());
    }

    // Silent after 32 requests: the audit's upload ends midway. A meter silent to writes alone
    // fails the clock write.
    void aMeterThatStopsAnsweringEndsTheRun_data() {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        const QString silent = QStringLiteral("does not answer (3 time-outs in a row on %1)");
        QTest::newRow("cfg audit, silent half-way")
            << QStringList{"cfg", "audit", m_file} << "noreply,meter=1,skip=32"
            << "meter 1: did not answer (it " + silent.arg("the upload") + ")";
        QTest::newRow("clock set, silent to the write")
            << QStringList{"clock", "set", "2031-02-03 04:05:06"} << "noreply,meter=1,fn=16"
            << silent.arg("the clock write");
    }

    void aMeterThatStopsAnsweringEndsTheRun() {
        QFETCH(QStringList, command);
        QFETCH(QString, fault);
        Simulator sim({"--pty", "--meter", "1:12:1.20", "--fault", fault});
        const QString port = sim.nextLine();
        QVERIFY(!port.isEmpty());
        QByteArray out, err;
        // Left to itself the engine would ask the meter for ever; the run has an end.
        QCOMPARE(run(command + QStringList{"--port", port, "--meters", "1", "--timeout", "500"},
                     &out, &err),
                 5);
        QFETCH(QString, reason);
        QVERIFY2(QString::fromUtf8(out + err).contains(reason), (out + err).constData());
    }

    // Meter 2 refuses every write, meter 3 takes them: each gets its own write and read-back,
    // the refusal is named with its exception, and meter 2 is left as it was.
    void everyMeterGetsItsOwnClockWrite() {
        Simulator sim(
            {"--pty", "--meter", "2:6:1.16,3:4:1.10", "--fault", "exception,meter=2,fn=16"});
        const QString port = sim.nextLine();
        QVERIFY(!port.isEmpty());
        const QStringList meters{"--port", port, "--meters", "2,3"};
        QByteArray out, err;
        QCOMPARE(
            run(QStringList{"clock", "reserve", "on", "2031-03-01 06:30:00"} + meters, &out, &err),
            1);
        const QString text = QString::fromUtf8(out);
        QVERIFY2(text.contains(QStringLiteral("Meter 2: reserved start not switched ON: refused "
                                              "the clock write (exception 4: slave device "
                                              "failure)")),
                 qPrintable(text));
        QVERIFY2(text.contains(
                     QStringLiteral("Meter 3: reserved start switched ON, at 2031-03-01 06:30:00")),
                 qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("no answer")));

        QCOMPARE(run(QStringList{"clock", "show", "--json"} + meters, &out, &err), 0);
        const QJsonArray shown = QJsonDocument::fromJson(out).array();
        const auto reserve = [&](int i) { return shown[i].toObject()["reserve"].toObject(); };
        QCOMPARE(reserve(0)["on"].toBool(), false);
        QVERIFY(reserve(0)["start"].toString() != QStringLiteral("2031-03-01 06:30:00"));
        QCOMPARE(reserve(1)["on"].toBool(), true);
        QCOMPARE(reserve(1)["start"].toString(), QStringLiteral("2031-03-01 06:30:00"));
    }

    // The selected meter falls silent in its settings read, so the other meter is never
    // polled: its model and channels are those of the scan, its values "not read".
    void pollSaysWhatWasNotRead() {
        Simulator sim(
            {"--pty", "--meter", "1:12:1.20,2:6:1.16", "--fault", "noreply,meter=1,skip=3"});
        const QString port = sim.nextLine();
        QVERIFY(!port.isEmpty());
        QByteArray out, err;
        QCOMPARE(run({"poll", "--port", port, "--meters", "1,2", "--timeout", "300"}, &out, &err),
                 5);
        const QString text = QString::fromUtf8(out);
        QVERIFY2(text.contains(QStringLiteral("Meter 2: model 10, 6 channels, firmware 1.16, "
                                              "clock not read, link OK, values not read\n")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("  CH06  ZONE-6          not read\n")));
    }

private:
    int run(const QStringList& arguments, QByteArray* out, QByteArray* err) {
        return RunProgram("td700", arguments + QStringList{"--home", m_home.path()}, out, err);
    }

    QTemporaryDir m_home;
    QString m_file;
};

QTEST_GUILESS_MAIN(TestMeterFailures)
#include "tst_meterfailures.moc"
