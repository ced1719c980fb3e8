#include "support/SimProcess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// `td700 scan` and `td700 poll` as a user runs them: on the built-in simulated bus, and on a
// pseudo-terminal served by the simulator program.
class TestCliCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(QFile::exists(BinPath("td700")), "TD700_BIN_DIR names no td700");
        QVERIFY(m_home.isValid());
    }

    void exitStatus_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        const QStringList demo{QStringLiteral("--port"), QStringLiteral("DEMO")};
        const QStringList meter1{QStringLiteral("--meters"), QStringLiteral("1")};
        QTest::newRow("scan done") << QStringList{"scan"} + demo + meter1 << 0;
        QTest::newRow("unknown flag") << QStringList{"scan", "--bogus"} + demo + meter1 << 2;
        QTest::newRow("stray argument") << QStringList{"poll", "now"} + demo + meter1 << 2;
        QTest::newRow("bad address list") << QStringList{"scan", "--meters", "1-x"} + demo << 2;
        QTest::newRow("no meter configured") << QStringList{"scan"} + demo << 2;
        QTest::newRow("zero cycles") << QStringList{"poll", "--cycles", "0"} + demo + meter1 << 2;
        QTest::newRow("cycles and seconds")
            << QStringList{"poll", "--cycles", "1", "--seconds", "1"} + demo + meter1 << 2;
        QTest::newRow("poll at the shortest interval")
            << QStringList{"poll", "--interval", "0", "--cycles", "3"} + demo + meter1 << 0;
        QTest::newRow("negative interval")
            << QStringList{"poll", "--interval", "-1"} + demo + meter1 << 2;
        QTest::newRow("log, request interval not a number")
            << QStringList{"log", "--request-interval", "fast"} + demo + meter1 << 2;
        QTest::newRow("missing port")
            << QStringList{"scan", "--port", "/dev/td700-no-such-port"} + meter1 << 3;
        QTest::newRow("scan, nobody answers")
            << QStringList{"scan", "--port", "DEMO:9:2:1.20"} + meter1 << 4;
        QTest::newRow("poll, nobody answers")
            << QStringList{"poll", "--port", "DEMO:9:2:1.20"} + meter1 << 4;
    }

    void exitStatus() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QByteArray err;
        QCOMPARE(run(arguments, nullptr, &err), status);
        QCOMPARE(err.isEmpty(), status == 0); // every failure says why
    }

    void scanListsEveryConfiguredAddress() {
        QByteArray out;
        QCOMPARE(run({"scan", "--port", "DEMO", "--meters", "1,3-4", "--json"}, &out), 0);
        const QJsonArray a = QJsonDocument::fromJson(out).array();
        QCOMPARE(a.size(), 3);
        QCOMPARE(a[0].toObject(), (QJsonObject{{"address", 1},
                                               {"link", "OK"},
                                               {"model", 20},
                                               {"channels", 12},
                                               {"firmware", "1.20"}}));
        QCOMPARE(a[1].toObject()[QStringLiteral("channels")].toInt(), 4);
        QCOMPARE(a[2].toObject()[QStringLiteral("link")].toString(), "NG");
        QVERIFY(a[2].toObject()[QStringLiteral("model")].isNull());
    }

    void pollShowsTheSimulatorsValues() {
#ifndef Q_OS_UNIX
        QSKIP("the simulator serves pseudo-terminals on Unix only");
#else
        Simulator sim({"--pty", "--freeze", "--dump", "1:30017:2", "--dump", "3:30019:2"});
        const QStringList lines{sim.nextLine(), sim.nextLine(), sim.nextLine()};
        QVERIFY(!lines.contains(QString()));

        QByteArray out, err;
        const int status =
            run({"poll", "--port", lines[0], "--meters", "1,2,3", "--cycles", "3", "--json"}, &out,
                &err);
        QVERIFY2(status == 0, err.constData());

        const QJsonObject all = QJsonDocument::fromJson(out).object();
        const QJsonObject g = all[QStringLiteral("globals")].toObject();
        QCOMPARE(g["gSelAddress"].toInt(), 1);
        QCOMPARE(g["gChannelCount"].toInt(), 12);
        QCOMPARE(g["gParamVersion"].toDouble(), 1.07);
        QCOMPARE(g["gMeterOnline"].toArray(), (QJsonArray{true, true, true}));

        const QJsonObject t = all[QStringLiteral("tables")].toObject();
        const auto cell = [&](const char* table, int row, int column) {
            return t[QLatin1String(table)].toArray()[row - 1].toArray()[column].toString();
        };
        QCOMPARE(cell("sprdStatus", 2, 3), "10");
        QCOMPARE(cell("sprdStatus", 3, 4), "1.10");
        for (int row = 1; row <= 3; ++row) {
            QVERIFY(cell("sprdCommState", row, 1).toInt() >= 6); // probe, channels, 3 cycles
            QVERIFY(cell("sprdCommState", row, 2).isEmpty());
        }
        // The present values of the frozen meters as the simulator reports its registers: channel
        // 1 of meter 1 and channel 2 of meter 3.
        QCOMPARE(cell("sprdMON", 1, 13).toFloat(), DumpedSingles(lines[1]).value(0));
        QCOMPARE(cell("sprdMON", 3, 14).toFloat(), DumpedSingles(lines[2]).value(0));
        QCOMPARE(cell("sprdMON", 1, 2), "20");
#endif
    }

private:
    int run(const QStringList& arguments, QByteArray* out = nullptr, QByteArray* err = nullptr) {
        return RunProgram("td700", arguments + QStringList{QStringLiteral("--home"), m_home.path()},
                          out, err);
    }

    QTemporaryDir m_home; // no settings files: nothing of the user's is read
};

QTEST_GUILESS_MAIN(TestCliCommands)
#include "tst_clicommands.moc"
