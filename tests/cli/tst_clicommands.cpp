#include "support/SimProcess.h"
#include "support/SmallFilesystem.h"
#include "support/TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

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
        const QStringList noPort{QStringLiteral("--port"),
                                 QStringLiteral("/dev/td700-no-such-port")};
        QTest::newRow("missing port") << QStringList{"scan"} + noPort + meter1 << 3;
        QTest::newRow("upload, missing port")
            << QStringList{"upload", "--out", "never.CFG"} + noPort + meter1 << 3;
        QTest::newRow("clock, missing port") << QStringList{"clock", "show"} + noPort + meter1 << 3;
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

    // What a command prints is its result: standard output that cannot be written whole, a
    // full device or a full disk, fails the run with the reason, whatever the command. The
    // commands run side by side.
    void standardOutputThatCannotBeWritten() {
        QTemporaryDir home;
        // A short scheduler interval: the runs take less time.
        WriteBytes(home.filePath(QStringLiteral("Comm.CFG")),
                   "COM1\r\n38400\r\nN\r\n8\r\n1\r\nModbus RTU\r\nOFF\r\n5\r\n");
        const QString set = QFINDTESTDATA("../paramset/data/p12_120.CFG");
        const QString data = QFINDTESTDATA("../logging/data/sample.TDD");
        const QStringList demo{"--port", "DEMO:1:12:1.20", "--meters", "1", "--home", home.path()};
        QList<std::pair<QStringList, QString>> runs{
            {{"cfg", "export", set}, "/dev/full"},
            {{"cfg", "show", set}, "/dev/full"},
            {{"cfg", "show", set, "--json"}, "/dev/full"},
            {{"cfg", "diff", set, set}, "/dev/full"},
            {{"info", data}, "/dev/full"},
            {{"export", data}, "/dev/full"},
            {QStringList{"scan"} + demo, "/dev/full"},
            {QStringList{"poll", "--cycles", "1", "--json"} + demo, "/dev/full"},
            {QStringList{"clock", "show"} + demo, "/dev/full"},
            {QStringList{"cfg", "audit", set, "--json"} + demo, "/dev/full"},
            {{"--version"}, "/dev/full"},
        };
        SmallFilesystem fs(64);
        if (fs.isMounted() && fs.fill())
            runs.append({{"cfg", "export", set}, fs.filePath(QStringLiteral("out.txt"))});
        else
            qInfo("no full disk here: %s", qPrintable(fs.whyNot()));
        std::vector<std::unique_ptr<QProcess>> processes;
        for (const auto& [arguments, output] : runs) {
            processes.push_back(std::make_unique<QProcess>());
            processes.back()->setStandardOutputFile(output);
            processes.back()->start(BinPath("td700"), arguments);
        }
        for (size_t i = 0; i < processes.size(); ++i) {
            QProcess& p = *processes[i];
            const QString what = runs[qsizetype(i)].first.join(u' ') + QStringLiteral(" > ") +
                                 runs[qsizetype(i)].second;
            QVERIFY2(p.waitForFinished(60000), qPrintable(what));
            const QByteArray err = p.readAllStandardError();
            QVERIFY2(p.exitCode() == 1 && err.contains("standard output could not be written (No "
                                                       "space left on device)"),
                     qPrintable(what + u'\n' + QString::fromUtf8(err)));
        }
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
