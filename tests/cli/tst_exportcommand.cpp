#include "support/SimProcess.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// `td700 export` and `td700 info` as a user runs them: where the output goes, what is said on
// standard error, and the exit codes.
class TestExportCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exportOutputs_data() {
        const QByteArray sample = ReadBytes(QFINDTESTDATA("../logging/data/sample.TDD"));
        const QByteArray csv = ReadBytes(QFINDTESTDATA("../logging/data/sample.csv"));
        const QByteArray twoRows = csv.left(csv.lastIndexOf("2009-03-07 14:05:14"));
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QString>("said");
        QTest::newRow("to standard output") << sample << QStringList{} << 0 << csv << "";
        QTest::newRow("--out --bom")
            << sample << QStringList{"--out", "--bom"} << 0 << "\xEF\xBB\xBF" + csv << "";
        QTest::newRow("partial record")
            << sample.left(700) << QStringList{} << 0 << twoRows << "not a whole record";
        QTest::newRow("not a data file") << QByteArray("a,b\n") << QStringList{"--out"} << 1
                                         << QByteArray() << "not a TD700 data file";
    }

    void exportOutputs() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, flags);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        const QString in = WriteBytes(m_dir.filePath(QStringLiteral("in.TDD")), file);
        const QString out = m_dir.filePath(QStringLiteral("out.csv"));
        QFile::remove(out);
        const bool toFile = flags.contains(QStringLiteral("--out"));
        if (toFile)
            flags.insert(flags.indexOf(QStringLiteral("--out")) + 1, out);
        const Run r = td700(QStringList{"export", in} + flags);
        QCOMPARE(r.exitCode, exitCode);
        QTEST(toFile ? ReadBytes(out) : r.out, "expected"); // a failed export leaves no file
        QVERIFY2(said.isEmpty() ? r.err.isEmpty() : QString::fromLocal8Bit(r.err).contains(said),
                 r.err.constData());
    }

    void infoAndUsage() {
        const QString sample = QFINDTESTDATA("../logging/data/sample.TDD");
        const Run text = td700({"info", sample});
        QCOMPARE(text.exitCode, 0);
        QVERIFY2(text.out.contains("Records:  3\n"), text.out.constData());
        const Run json = td700({"info", "--json", "--all-channels", sample});
        QCOMPARE(json.exitCode, 0);
        QCOMPARE(json.out.count("\"channel\":"), 12);
        QCOMPARE(td700({"info"}).exitCode, 2);
        QCOMPARE(td700({"export", sample, "--no-such-flag"}).exitCode, 2);
        QCOMPARE(td700({"info", m_dir.filePath(QStringLiteral("missing.TDD"))}).exitCode, 1);
    }

private:
    struct Run {
        int exitCode = -1;
        QByteArray out, err;
    };
    Run td700(const QStringList& args) {
        QProcess p;
        p.start(BinPath("td700"), args);
        Run r;
        if (p.waitForFinished(30000)) {
            r.exitCode = p.exitCode();
            r.out = p.readAllStandardOutput();
            r.err = p.readAllStandardError();
        }
        return r;
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestExportCommand)
#include "tst_exportcommand.moc"
