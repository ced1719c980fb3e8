// `td700 upload`, `download` and `cfg` as a user runs them: on the built-in simulated bus and
// against the simulator program over TCP, which keeps what a download wrote between runs.
#include "support/SimProcess.h"
#include "support/TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

class TestParamCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(QFile::exists(BinPath("td700")), "TD700_BIN_DIR names no td700");
        QVERIFY(m_home.isValid());
        // The port settings with a short scheduler interval: the runs take less time.
        WriteBytes(path("Comm.CFG"), "COM1\r\n38400\r\nN\r\n8\r\n1\r\nModbus RTU\r\nOFF\r\n5\r\n");
    }

    // cfg export and import: the set comes back byte for byte, and a text with a fault is
    // refused by its line with nothing written.
    void exportThenImport() {
        const QString good = QFINDTESTDATA("../paramset/data/p12_120.CFG");
        const QString text = path("exported.txt"), out = path("in.CFG");
        QCOMPARE(run({"cfg", "export", good, "--out", text}), 0);
        QByteArray said, err;
        QCOMPARE(run({"cfg", "import", text, "--out", out}, &said, &err), 0);
        QVERIFY2((said + err).contains("5588 bytes"), (said + err).constData());
        QCOMPARE(ReadBytes(out), ReadBytes(good));
        QCOMPARE(run({"cfg", "diff", text, good}), 0);
        QFile::remove(out);
        WriteBytes(text, "# patch\nBEEP_ONOFF = ON\n" + ReadBytes(text));
        QCOMPARE(run({"cfg", "import", text, "--out", out}, &said, &err), 2);
        QVERIFY2((said + err).contains("line 2: BEEP_ONOFF comes before any section"),
                 (said + err).constData());
        QVERIFY(!QFile::exists(out));
    }

    // A set carried from one meter to another: before the download the two differ, after it
    // only in the meter's own machine addresses; a meter of another model is passed over.
    void downloadThenCompareWithTheMeter() {
        Simulator sim({"--tcp", "127.0.0.1:0", "--meter", "1:12:1.20,2:12:1.20,3:6:1.16"});
        const QString port = sim.nextLine();
        QVERIFY2(port.startsWith(QStringLiteral("tcp://")), qPrintable(port));
        const auto on = [&](const char* meters) {
            return QStringList{"--port", port, "--meters", QString::fromLatin1(meters)};
        };
        const QString m1 = path("m1.CFG");
        QCOMPARE(run(QStringList{"upload", "--out", m1} + on("1")), 0);

        QByteArray out;
        QCOMPARE(run(QStringList{"cfg", "diff", m1, "--meter"} + on("2"), &out), 1);
        QVERIFY(out.contains("CH_NAME (CHANNEL NAME): BOILER-IN | ZONE-1"));

        // A batch keeps every meter's own machine address and passes over the other model.
        QCOMPARE(run(QStringList{"download", m1, "--all", "--yes"} + on("1-3"), &out), 1);
        const QStringList lines = QString::fromUtf8(out).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[1].startsWith(QStringLiteral("meter 2: downloaded")));
        QVERIFY(lines[2].startsWith(QStringLiteral("meter 3: refused")));
        QCOMPARE(run(QStringList{"cfg", "diff", m1, "--meter", "--json"} + on("2"), &out), 1);
        QStringList differ;
        for (const QJsonValue& d : QJsonDocument::fromJson(out)["differences"].toArray())
            differ << d["key"].toString() + u' ' + d["right"].toString();
        QCOMPARE(differ, (QStringList{"RS232_MAC_NUMBER 2", "RS485_MAC_NUMBER 2"}));
    }

    void runsBackToBack_data() {
        QTest::addColumn<QStringList>("line");
        QTest::newRow("slow replies through a device server that keeps them")
            << QStringList{"--tcp", "127.0.0.1:0", "--keep-replies", "--turnaround", "300"};
        QTest::newRow("a line that echoes every request") << QStringList{"--pty", "--echo"};
    }

    // Commands back to back on one line: none takes a slow reply the one before left, writes on
    // an echoing line are taken, a day the month lacks is said and limited.
    void runsBackToBack() {
        QFETCH(QStringList, line);
        Simulator sim(line + QStringList{"--meter", "1:4:1.20"});
        const QString port = sim.nextLine();
        QVERIFY(!port.isEmpty());
        const QStringList on{"--port", port, "--meters", "1"};
        const QString file = path("line.CFG");
        QByteArray out, err;
        QCOMPARE(run(QStringList{"upload", "--out", file} + on, &out, &err), 0);
        QCOMPARE(run(QStringList{"cfg", "diff", file, "--meter"} + on, &out, &err), 0);
        QCOMPARE(run(QStringList{"download", file, "--yes", "--verify"} + on, &out, &err), 0);
        QVERIFY2(
            out.contains("meter 1: downloaded (model 40 (4 channels), firmware 1.20), verified"),
            (out + err).constData());
        QCOMPARE(run(QStringList{"clock", "set", "2031-02-30 04:05:06"} + on, &out, &err), 0);
        QVERIFY2(out.contains("Meter 1: clock set to 2031-02-28 04:05:06") &&
                     err.contains("day 30 becomes 28"),
                 (out + err).constData());
    }

    // A bus of four meters against one reference set: made the same, one row changed on one
    // meter through an edited text, found by the audit.
    void auditFindsTheOneChangedRow() {
        Simulator sim(
            {"--tcp", "127.0.0.1:0", "--meter", "1:12:1.20,2:12:1.20,3:12:1.20,4:12:1.20"});
        const QString port = sim.nextLine();
        QVERIFY2(port.startsWith(QStringLiteral("tcp://")), qPrintable(port));
        const auto on = [&](const char* meters) {
            return QStringList{"--port", port, "--meters", QString::fromLatin1(meters)};
        };
        const QString ref = path("ref.CFG"), m3 = path("m3.CFG"), text = path("m3.txt");
        QByteArray out, err;
        QCOMPARE(run(QStringList{"upload", "--out", ref} + on("1")), 0);
        QCOMPARE(run(QStringList{"download", ref, "--all", "--yes"} + on("1-4")), 0);
        QCOMPARE(run(QStringList{"upload", "--out", m3, "--select", "3"} + on("1-4")), 0);
        QCOMPARE(run({"cfg", "export", m3, "--out", text}), 0);
        QByteArray lines = ReadBytes(text);
        QVERIFY(lines.contains("\nALARM_MARK_ONOFF = ON "));
        WriteBytes(text, lines.replace("\nALARM_MARK_ONOFF = ON ", "\nALARM_MARK_ONOFF = OFF"));
        QCOMPARE(
            run(QStringList{"download", text, "--select", "3", "--yes"} + on("1-4"), &out, &err),
            0);

        const QString kept = path("audit");
        QCOMPARE(run(QStringList{"cfg", "audit", ref, "--out", kept} + on("1-4"), &out, &err), 1);
        QCOMPARE(QString::fromUtf8(out).split(u'\n', Qt::SkipEmptyParts),
                 (QStringList{"meter 1: same", "meter 2: same",
                              "meter 3: 1 row differs: ALARM_MARK_ONOFF", "meter 4: same"}));
        QVERIFY(ReadBytes(kept + "/meter003.txt").contains("\nALARM_MARK_ONOFF = OFF"));

        QCOMPARE(run(QStringList{"cfg", "audit", ref, "--json"} + on("3,5"), &out, &err), 1);
        const QJsonObject report = QJsonDocument::fromJson(out).object();
        QCOMPARE(report["meters"].toArray()[1].toObject()["result"].toString(),
                 QStringLiteral("did not answer"));
        const QJsonValue row = report["differences"][0];
        QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                     .arg(row["meter"].toInt())
                     .arg(row["key"].toString(), row["reference"].toString(),
                          row["meterText"].toString()),
                 QStringLiteral("3 ALARM_MARK_ONOFF ON OFF"));
        QCOMPARE(run(QStringList{"cfg", "audit", ref} + on("1,2,4"), &out), 0);
        QCOMPARE(run(QStringList{"cfg", "audit", ref} + on("9"), &out), 4);
        QCOMPARE(
            run(QStringList{"cfg", "audit", ref, "--ignore", "UNIT_TEXT"} + on("1"), &out, &err),
            2);
        QVERIFY(err.contains("the row UNIT TEXT has the key UNIT_NAME"));
    }

    void showAndDiffFiles() {
        const QString a = QFINDTESTDATA("../paramset/data/p12_120.CFG");
        const QString b = QFINDTESTDATA("../paramset/data/p12_150.CFG");
        QByteArray out;
        QCOMPARE(run({"cfg", "show", a, "--json"}, &out), 0);
        const QJsonObject set = QJsonDocument::fromJson(out).object();
        QCOMPARE(set["channels"].toInt(), 12);
        QCOMPARE(set["bytes"].toInt(), 5588);
        const QJsonArray names = set["channelRows"].toArray()[0].toObject()["values"].toArray();
        QCOMPARE(names[2].toString(), QStringLiteral("온도"));
        QCOMPARE(set["formulas"].toArray().size(), 12);

        QCOMPARE(run({"cfg", "show", a}, &out), 0);
        QVERIFY(out.contains("Channel parameters, CH.07 to CH.12"));
        QCOMPARE(run({"cfg", "diff", a, b}, &out), 1);
        QVERIFY(out.contains("MODEL (MODEL AND FIRMWARE): 12 channels, firmware 1.20 | 12 "
                             "channels, firmware 1.50"));
        QVERIFY(out.contains("MATH_FTYPE"));
    }

private:
    QString path(const char* name) const { return m_home.filePath(QLatin1String(name)); }

    int run(const QStringList& arguments, QByteArray* out = nullptr, QByteArray* err = nullptr) {
        return RunProgram("td700", arguments + QStringList{"--home", m_home.path()}, out, err);
    }

    QTemporaryDir m_home;
};

QTEST_GUILESS_MAIN(TestParamCommands)
#include "tst_paramcommands.moc"
