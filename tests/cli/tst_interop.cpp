#include "support/SimProcess.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");

QString slaveScript(const char* name) {
    return qEnvironmentVariable("TD700_SOURCE_DIR") + QStringLiteral("/tests/cli/slaves/") +
           QLatin1String(name);
}

// A slave written apart from the program, on RTU over TCP; killed when it goes out of scope.
class Slave {
public:
    Slave(const char* script, const QStringList& args) {
        m_process.start(kPython, QStringList{slaveScript(script)} + args);
        const QString line = NextLine(m_process);
        if (line.startsWith(QStringLiteral("PORT ")))
            m_port = QStringLiteral("tcp://127.0.0.1:") + line.mid(5);
    }
    ~Slave() {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    QString port() const { return m_port; }
    // Every request it got, as "REQ hex" lines; ends the slave.
    QString requests() {
        m_process.terminate();
        m_process.waitForFinished(5000);
        return QString::fromLatin1(m_process.readAllStandardError());
    }

private:
    QProcess m_process;
    QString m_port;
};

struct Run : ProgramRun {
    qint64 ms = 0;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
    QString cell(const char* table, int row, int column) const {
        return json()[QStringLiteral("tables")]
            .toObject()[QLatin1String(table)]
            .toArray()[row - 1]
            .toArray()[column]
            .toString();
    }
};

Run td700(const QStringList& args, const QString& home) {
    QElapsedTimer took;
    took.start();
    Run r{RunToEnd("td700", args + QStringList{QStringLiteral("--home"), home}), 0};
    r.ms = took.elapsed();
    return r;
}

bool pythonHas(const char* module) {
    QProcess p;
    p.start(kPython, {QStringLiteral("-c"), QStringLiteral("import %1").arg(module)});
    return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

// td700 against Modbus slaves that are not the project's simulator: pymodbus, and a small RTU
// slave of the tests' own that cuts replies short, leaves some unanswered, goes silent or
// floods the line.
class TestInterop : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        if (!QFile::exists(kPython))
            QSKIP("no /usr/bin/python3");
        QVERIFY(QFile::exists(BinPath("td700")));
        QVERIFY(m_home.isValid());
    }

    // The last listed meter is silent: every answering meter still has its channel names and
    // units.
    void pymodbusWithASilentLastMeter() {
        if (!pythonHas("pymodbus.server"))
            QSKIP("pymodbus (python3-pymodbus, python3-serial-asyncio) is not installed");
        Slave slave("pymodbus_slave.py", {"1:12:1.20", "3:6:1.16"});
        QVERIFY(!slave.port().isEmpty());
        const Run r = td700(
            {"poll", "--port", slave.port(), "--meters", "1,3,5", "--timeout", "200", "--json"},
            m_home.path());
        QVERIFY2(r.status == 0, r.err.constData());
        for (int row : {1, 2}) {
            const int address = row == 1 ? 1 : 3;
            QCOMPARE(r.cell("sprdMON", row, 29).trimmed(), QStringLiteral("M%1-CH01").arg(address));
            QCOMPARE(r.cell("sprdMON", row, 30).trimmed(), "mV");
            QCOMPARE(r.cell("sprdMON", row, 29 + 6 * 5).trimmed(),
                     QStringLiteral("M%1-CH06").arg(address));
            QCOMPARE(r.cell("sprdMON", row, 13).toDouble(), address * 100 + 1.5);
        }
        QCOMPARE(r.cell("sprdStatus", 3, 2), "NG");
        QCOMPARE(
            r.json()[QStringLiteral("settings")].toObject()[QStringLiteral("state")].toString(),
            "complete");
    }

    void ownSlave_data() {
        QTest::addColumn<QStringList>("slave");
        QTest::addColumn<QStringList>("poll");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said"); // on standard error
        const QStringList bus{"1:12:1.20", "3:6:1.16"};
        const QStringList both{"--meters", "1,3", "--cycles", "2"};
        QTest::newRow("values reply cut to 40 bytes")
            << bus + QStringList{"--cut", "3:30001:40"} << both << 5 << "meter 3 stopped answering";
        QTest::newRow("channel 5 block unanswered three times")
            << bus + QStringList{"--drop", "1:40501:3:93"} << both << 5 << "meter 1 answers again";
        QTest::newRow("a meter comes back")
            << bus + QStringList{"--mute", "3:16:6"}
            << QStringList{"--meters", "1,3", "--cycles", "6"} << 5 << "meter 3 answers again";
        QTest::newRow("random bytes instead of answers")
            << QStringList{"--junk", "1:12:1.20"}
            << QStringList{"--meters", "1", "--cycles", "1000"} << 4 << "no meter answered";
        QTest::newRow("the server closes in the middle of a reply")
            << QStringList{"--close-mid-frame", "1:30001", "1:12:1.20"}
            << QStringList{"--meters", "1"} << 1 << "closed by the other side";
    }

    void ownSlave() {
        QFETCH(QStringList, slave);
        QFETCH(QStringList, poll);
        QFETCH(int, status);
        QFETCH(QString, said);
        Slave s("rtu_slave.py", slave);
        QVERIFY(!s.port().isEmpty());
        const Run r =
            td700(QStringList{"poll", "--port", s.port(), "--timeout", "200", "--json"} + poll,
                  m_home.path());
        QVERIFY2(r.status == status, r.err.constData());
        QVERIFY2(QString::fromUtf8(r.err).contains(said), r.err.constData());
        QVERIFY2(r.ms < 30000, qPrintable(QString::number(r.ms)));
        if (status != 5)
            return;
        const QJsonObject all = r.json();
        // Never a bad frame for a reply cut short or left out: time-outs, and "NG" while it lasts.
        for (int row : {1, 2}) {
            QVERIFY(r.cell("sprdCommState", row, 3).isEmpty());
            const bool stale = all[QStringLiteral("meters")]
                                   .toArray()[row - 1]
                                   .toObject()[QStringLiteral("stale")]
                                   .toBool();
            QCOMPARE(r.cell("sprdStatus", row, 2), stale ? "NG" : "OK");
        }
        // The settings read completed, every channel block of the selected meter is there.
        QCOMPARE(all[QStringLiteral("settings")].toObject()[QStringLiteral("state")].toString(),
                 "complete");
        for (int ch = 1; ch <= 12; ++ch)
            QVERIFY(!r.cell("sprdP_CH", 1, ch).isEmpty());
        QVERIFY(!r.cell("sprdP_Common", 1, 1).isEmpty());
    }

    // Marked lines past address 247 make no meter and put nothing on the line.
    void meterListPastTheLastAddress() {
        QTemporaryDir home;
        QDir(home.path()).mkpath(QStringLiteral("CFG"));
        QByteArray list;
        for (int n = 1; n <= 257; ++n)
            list += n == 1 || n >= 256 ? "O\t\r\n" : "\t\r\n";
        WriteBytes(home.filePath(QStringLiteral("CFG/SetEnv.INI")), list);
        Slave s("rtu_slave.py", {"1:12:1.20"});
        const Run r = td700({"scan", "--port", s.port(), "--timeout", "200"}, home.path());
        QVERIFY2(r.status == 0, r.err.constData());
        QCOMPARE(QString::fromUtf8(r.out).trimmed().split(u'\n').size(), 1);
        QVERIFY(r.out.startsWith("address 1: OK"));
        QVERIFY2(r.err.contains("2 marked lines after line 247 ignored"), r.err.constData());
        const QStringList requests = s.requests().split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(!requests.isEmpty());
        for (const QString& request : requests)
            QVERIFY2(request.startsWith(QStringLiteral("REQ 01")), qPrintable(request));
    }

private:
    QTemporaryDir m_home;
};

QTEST_GUILESS_MAIN(TestInterop)
#include "tst_interop.moc"
