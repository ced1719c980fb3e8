#include "support/SimProcess.h"
#include "support/SmallFilesystem.h"
#include "support/TestFiles.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

// `td700 scan` and `td700 poll` as a user runs them, on the built-in simulated bus.
class TestCliCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(QFile::exists(BinPath("td700")), "TD700_BIN_DIR names no td700");
        QVERIFY(m_home.isValid());
    }

    // The exit statuses as the program gives them, each with its reason on standard error (the
    // usage errors one by one are tst_cliusage's).
    void exitStatus_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        const QStringList demo{"--port", "DEMO", "--meters", "1"};
        const QStringList noPort{"--port", "/dev/td700-no-such-port", "--meters", "1"};
        const QStringList silent{"--port", "DEMO:9:2:1.20", "--meters", "1"};
        const QString good = QFINDTESTDATA("../paramset/data/p12_120.CFG");
        QTest::newRow("scan done") << QStringList{"scan"} + demo << 0 << "";
        QTest::newRow("poll at the shortest interval")
            << QStringList{"poll", "--interval", "0", "--cycles", "3"} + demo << 0 << "";
        QTest::newRow("download without a terminal")
            << QStringList{"download", good} + demo << 2 << "give --yes";
        QTest::newRow("download to another model")
            << QStringList{"download", good, "--port", "DEMO:1:12:1.20,2:6:1.16", "--meters", "1,2",
                           "--select", "2",  "--yes"}
            << 1 << "6 channels";
        QTest::newRow("missing port") << QStringList{"scan"} + noPort << 3 << "cannot open port";
        QTest::newRow("log, missing port")
            << QStringList{"log", "--interval", "5", "--name", "X", "--folder", m_home.path()} +
                   noPort
            << 3 << "cannot open port";
        QTest::newRow("scan, nobody answers") << QStringList{"scan"} + silent << 4 << "";
        QTest::newRow("clock, nobody answers") << QStringList{"clock", "show"} + silent << 4 << "";
        QTest::newRow("clock set to the PC's time")
            << QStringList{"clock", "set", "--pc"} + demo << 0
            << "clock set to " + QDate::currentDate().toString(u"yyyy-MM-dd");
        QTest::newRow("clock, one of two answers")
            << QStringList{"clock", "show", "--port", "DEMO", "--meters", "1,7"} << 5 << "";
    }

    void exitStatus() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, said);
        QByteArray out, err;
        QCOMPARE(run(arguments, &out, &err), status);
        // Nothing on standard error when all went well; every failure says why.
        QVERIFY2(status == 0 ? err.isEmpty() : !(out + err).isEmpty(), err.constData());
        QVERIFY2(QString::fromLocal8Bit(out + err).contains(said), (out + err).constData());
    }

    // What a command prints is its result: standard output that cannot be written whole (a
    // full device or disk) fails any command with the reason.
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
            {{"export", data}, "/dev/full"},
            {QStringList{"poll", "--cycles", "1", "--json"} + demo, "/dev/full"},
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

private:
    int run(const QStringList& arguments, QByteArray* out = nullptr, QByteArray* err = nullptr) {
        return RunProgram("td700", arguments + QStringList{QStringLiteral("--home"), m_home.path()},
                          out, err);
    }

    QTemporaryDir m_home; // no settings files: nothing of the user's is read
};

QTEST_GUILESS_MAIN(TestCliCommands)
#include "tst_clicommands.moc"
