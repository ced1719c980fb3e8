// What every command refuses before touching a port or file: the bad-usage status and the reason
// on standard error, in-process (tst_clicommands checks the program exits with them).
#include "cli/Commands.h"
#include "support/SpecialFiles.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <cstdio>
#include <unistd.h>

namespace {

int Dispatch(const QStringList& args) {
    const QString word = args.value(1);
    for (const auto& [name, run] : {std::pair{"scan", &RunScan},
                                    {"poll", &RunPoll},
                                    {"log", &RunLog},
                                    {"export", &RunExport},
                                    {"info", &RunInfo},
                                    {"upload", &RunUpload},
                                    {"download", &RunDownload},
                                    {"cfg", &RunCfg},
                                    {"clock", &RunClock}})
        if (word == QLatin1String(name))
            return run(args);
    return -1;
}

// Runs the command with standard error caught in a file.
int RunCaught(const QStringList& args, QString* err) {
    QTemporaryFile caught;
    if (!caught.open())
        return -1;
    std::fflush(stderr);
    const int saved = ::dup(2);
    ::dup2(caught.handle(), 2);
    const int status = Dispatch(args);
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    caught.seek(0);
    *err = QString::fromUtf8(caught.readAll());
    return status;
}

} // namespace

class TestCliUsage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_home.isValid());
        WriteBytes(path("notes.CFG"), "COM1\r\n38400\r\nN\r\n8\r\n1\r\n");
        WriteBytes(path("zeros.CFG"), QByteArray(4832, '\0'));
        WriteBytes(path("in.TDD"), ReadBytes(QFINDTESTDATA("../logging/data/sample.TDD")));
        WriteBytes(path("shared"), "open secret\n");
        QFile(path("shared"))
            .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    }

    // @HOME, @IN (a data file), @GOOD, @TEXT, @ZEROS, @SHARED (a password file others may
    // read) and @FIFO stand for files of the test's own.
    void refused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said");
        const QStringList demo{"--port", "DEMO", "--meters", "1"};
        const QStringList log{"log", "--folder", "@HOME/data", "--port", "DEMO"};
        const QStringList logOk =
            log + QStringList{"--interval", "5", "--name", "X", "--meters", "1"};
        const auto row = [](const char* name, const QStringList& arguments, const char* said) {
            QTest::newRow(name) << arguments << QString::fromUtf8(said);
        };
        row("unknown flag", QStringList{"scan", "--bogus"} + demo, "Unknown option 'bogus'");
        row("stray argument", QStringList{"poll", "now"} + demo, "now");
        row("bad address list", {"scan", "--port", "DEMO", "--meters", "1-x"}, "--meters wants");
        row("empty --port", {"scan", "--port", "", "--meters", "1"}, "--port: no port is named");
        row("home that is a file", {"scan", "--meters", "1", "--home", "@TEXT"}, "is a file");
        row("no meter configured", {"scan", "--port", "DEMO"}, "meter");
        row("zero cycles", QStringList{"poll", "--cycles", "0"} + demo, "--cycles");
        row("cycles and seconds", QStringList{"poll", "--cycles", "1", "--seconds", "1"} + demo,
            "--seconds");
        row("negative interval", QStringList{"poll", "--interval", "-1"} + demo, "--interval");
        row("request interval not a number", logOk + QStringList{"--request-interval", "fast"},
            "--request-interval");
        row("log interval 0", log + QStringList{"--interval", "0", "--name", "X", "--meters", "1"},
            "1..60");
        row("log unit", logOk + QStringList{"--unit", "hour"}, "--unit");
        row("log day-change time", logOk + QStringList{"--daily", "24:00"}, "--daily");
        row("log duration", logOk + QStringList{"--duration", "soon"}, "--duration");
        row("log file name", log + QStringList{"--interval", "5", "--name", "a/b", "--meters", "1"},
            "file name");
        row("clock, no action", QStringList{"clock"} + demo, "show, set or reserve");
        row("clock set without a time", QStringList{"clock", "set"} + demo, "--pc or a date");
        row("clock set, --pc and a time",
            QStringList{"clock", "set", "--pc", "2026-01-01 00:00:00"} + demo, "--pc");
        row("clock set, no date", QStringList{"clock", "set", "noon"} + demo, "noon");
        row("clock reserve, neither on nor off", QStringList{"clock", "reserve", "soon"} + demo,
            "on or off");
        row("clock show with a time", QStringList{"clock", "show", "2026-01-01 00:00:00"} + demo,
            "takes no time");
        row("upload without a file", QStringList{"upload"} + demo, "--out");
        row("download without a file", QStringList{"download"} + demo, "wants");
        row("download of a text file", QStringList{"download", "@TEXT", "--yes"} + demo,
            "not a parameter file");
        row("download, all and select",
            QStringList{"download", "@GOOD", "--all", "--select", "1", "--yes"} + demo, "not both");
        row("forced download of zero bytes",
            QStringList{"download", "@ZEROS", "--force", "--yes"} + demo, "not a parameter file");
        row("cfg show of a text file", {"cfg", "show", "@TEXT"}, "holds no model");
        row("cfg diff of one file", {"cfg", "diff", "@GOOD"}, "cfg wants");
        row("cfg show of a missing file", {"cfg", "show", "@HOME/none.CFG"}, "Cannot open");
        row("cfg show of zero bytes", {"cfg", "show", "@ZEROS"},
            "not a parameter file: its header names firmware 0.00");
        row("cfg import of a parameter file", {"cfg", "import", "@GOOD", "--out", "@HOME/x.CFG"},
            "not a parameter set as text");
        const char* isFifo = "it is a FIFO (named pipe), not a regular file";
        row("cfg show of a FIFO", {"cfg", "show", "@FIFO"}, isFifo);
        row("export, channel beyond the model", {"export", "@IN", "--channels", "7"}, "6 channels");
        row("export, channel 13", {"export", "@IN", "--channels", "1,13"}, "1..12");
        row("export, a time that is none", {"export", "@IN", "--from", "2024-02-30"}, "--from");
        row("export, from after to",
            {"export", "@IN", "--from", "2009-03-08", "--to", "2009-03-07"}, "later than");
        row("export --out onto the data file", {"export", "@IN", "--out", "@IN"}, "itself");
        row("info without a file", {"info"}, "");
        const auto publish = [&](const QStringList& more) {
            return logOk + QStringList{"--publish"} + more;
        };
        row("publish to a web address", publish({"http://host/plant"}), "mqtt://HOST");
        row("publish topics longer than MQTT allows",
            publish({"mqtt://host/" + QString(70000, u'p')}), "MQTT allows");
        row("publish at QoS 2", publish({"mqtt://host/p", "--mqtt-qos", "2"}), "--mqtt-qos");
        row("publish, missing CA", publish({"mqtts://host/p", "--mqtt-ca", "/no/such/ca.pem"}),
            "is not there");
        row("publish, a password others may read",
            publish({"mqtt://host/p", "--mqtt-user", "u", "--mqtt-password-file", "@SHARED"}),
            "may be read by others");
        row("publish, a password file that is a folder",
            publish({"mqtt://host/p", "--mqtt-user", "u", "--mqtt-password-file", "@HOME"}),
            "is a folder, not a file");
        row("a Sparkplug group of two levels", publish({"mqtt://host", "--sparkplug", "a/b"}),
            "one topic level");
        row("an empty Sparkplug group", publish({"mqtt://host", "--sparkplug", ""}),
            "--sparkplug: it is empty");
        row("a Sparkplug host without a group", publish({"mqtt://host/p", "--sparkplug-host", "h"}),
            "needs --sparkplug");
        row("figures without a port", logOk + QStringList{"--metrics", "127.0.0.1:"}, "--metrics");
        row("figures on a host name", logOk + QStringList{"--metrics", "metrics.plant:9700"},
            "--metrics");
    }

    void refused() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        const QByteArray data = ReadBytes(path("in.TDD"));
        arguments.replaceInStrings("@HOME", m_home.path());
        arguments.replaceInStrings("@IN", path("in.TDD"));
        arguments.replaceInStrings("@GOOD", QFINDTESTDATA("../paramset/data/p12_120.CFG"));
        arguments.replaceInStrings("@TEXT", path("notes.CFG"));
        arguments.replaceInStrings("@ZEROS", path("zeros.CFG"));
        arguments.replaceInStrings("@FIFO", path("x.CFG"));
        arguments.replaceInStrings("@SHARED", path("shared"));
        const auto removeFifo = qScopeGuard([this] { QFile::remove(path("x.CFG")); });
        const FifoWatch fifo(path("x.CFG"));
        QString err;
        // The row's own --home, given later, wins; export and info read no settings.
        QStringList args{"td700", arguments.takeFirst()};
        if (args[1] != "export" && args[1] != "info")
            args << "--home" << m_home.path();
        QCOMPARE(RunCaught(args + arguments, &err), 2);
        QVERIFY2(err.contains(said) && !err.isEmpty() && !err.contains("open secret"),
                 qPrintable(err));
        QVERIFY(!fifo.wasOpenedForReading());
        QCOMPARE(ReadBytes(path("in.TDD")), data);
    }

private:
    QString path(const char* name) const { return m_home.filePath(QLatin1String(name)); }

    QTemporaryDir m_home; // no settings files: nothing of the user's is read
};

QTEST_GUILESS_MAIN(TestCliUsage)
#include "tst_cliusage.moc"
