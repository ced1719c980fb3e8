#include "support/SimProcess.h"

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

private:
    QProcess m_process;
    QString m_port;
};

struct Run : ProgramRun {
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
    return {RunToEnd("td700", args + QStringList{QStringLiteral("--home"), home})};
}

bool pythonHas(const char* module) {
    QProcess p;
    p.start(kPython, {QStringLiteral("-c"), QStringLiteral("import %1").arg(module)});
    return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

// td700 against a Modbus slave that is not the project's simulator: pymodbus.
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

private:
    QTemporaryDir m_home;
};

QTEST_GUILESS_MAIN(TestInterop)
#include "tst_interop.moc"
