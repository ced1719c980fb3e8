#include "support/SimProcess.h"
#include "support/SmallFilesystem.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

// `td700 export` and `td700 info` as a user runs them: where the output goes, what is said on
// standard error, and the exit codes.
class TestExportCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exportOutputs_data() {
        const QByteArray sample = ReadBytes(QFINDTESTDATA("../logging/data/sample.TDD"));
        const QByteArray csv = ReadBytes(QFINDTESTDATA("../logging/data/sample.csv"));
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QString>("said");
        QTest::newRow("to standard output") << sample << QStringList{} << 0 << csv << "";
        QTest::newRow("--out --bom")
            << sample << QStringList{"--out", "--bom"} << 0 << "\xEF\xBB\xBF" + csv << "";
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
        const ProgramRun r = td700(QStringList{"export", in} + flags);
        QCOMPARE(r.status, exitCode);
        QTEST(toFile ? ReadBytes(out) : r.out, "expected"); // a failed export leaves no file
        QVERIFY2(said.isEmpty() ? r.err.isEmpty() : QString::fromLocal8Bit(r.err).contains(said),
                 r.err.constData());
    }

    // The sample through a pipe: read as it comes, nothing said.
    void dataFileThroughAPipe_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("info of /dev/stdin")
            << QStringList{"info", "/dev/stdin"} << QByteArray("Records:  3\n");
        QTest::newRow("export of -")
            << QStringList{"export", "-"} << ReadBytes(QFINDTESTDATA("../logging/data/sample.csv"));
    }

    void dataFileThroughAPipe() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, expected);
        QProcess p;
        p.start(BinPath("td700"), args);
        QVERIFY(p.waitForStarted());
        p.write(ReadBytes(QFINDTESTDATA("../logging/data/sample.TDD")));
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(30000));
        const QByteArray out = p.readAllStandardOutput();
        QCOMPARE(p.exitCode(), 0);
        QVERIFY2(args[0] == u"info" ? out.contains(expected) : out == expected, out.constData());
        QVERIFY2(p.readAllStandardError().isEmpty(), "something said on standard error");
    }

    // The old CSV stays whole when the new one does not fit.
    void fullDiskLosesNothing() {
        SmallFilesystem fs(64);
        if (!fs.isMounted())
            QSKIP(qPrintable(fs.whyNot()));
        // A file of 3000 records: its CSV is far larger than the little file system.
        QByteArray big = ReadBytes(QFINDTESTDATA("../logging/data/sample.TDD")).left(576);
        big += big.mid(512).repeated(2999);
        const QString in = WriteBytes(m_dir.filePath(QStringLiteral("big.TDD")), big);
        const QString target = WriteBytes(fs.filePath(QStringLiteral("out.csv")), "the old CSV\n");
        const ProgramRun r = td700({"export", in, "--out", target});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains("not written") && r.err.contains("No space left"),
                 r.err.constData());
        QCOMPARE(ReadBytes(target), QByteArray("the old CSV\n"));
        QCOMPARE(QDir(fs.path()).entryList(QDir::Files), QStringList{"out.csv"});
    }

    void controlBytesAreShownEscaped() {
        QByteArray bytes = ReadBytes(QFINDTESTDATA("../logging/data/sample.TDD"));
        std::memcpy(bytes.data() + 32 + 16, "\x1b[31mRED\a", 10);
        const QString in = WriteBytes(m_dir.filePath(QStringLiteral("esc.TDD")), bytes);
        for (const QStringList& args : {QStringList{"info", in}, QStringList{"export", in}}) {
            const ProgramRun r = td700(args);
            QCOMPARE(r.status, 0);
            QVERIFY2(!r.out.contains('\x1b') && !r.out.contains('\a'), r.out.constData());
            QVERIFY2(r.out.contains("\\x1B[31mRED\\x07"), r.out.constData());
        }
    }

    void info() {
        const QString sample = QFINDTESTDATA("../logging/data/sample.TDD");
        const ProgramRun text = td700({"info", sample});
        QCOMPARE(text.status, 0);
        QVERIFY2(text.out.contains("Records:  3\n"), text.out.constData());
        const ProgramRun json = td700({"info", "--json", "--all-channels", sample});
        QCOMPARE(json.status, 0);
        QCOMPARE(json.out.count("\"channel\":"), 12);
        QCOMPARE(td700({"info", m_dir.filePath(QStringLiteral("missing.TDD"))}).status, 1);
        // A device given by name is no data file, neither an empty one nor an endless one.
        for (const char* command : {"info", "export"}) {
            const ProgramRun r = td700({command, "/dev/null"});
            QCOMPARE(r.status, 1);
            QVERIFY2(r.err.contains("it is a character device"), r.err.constData());
        }
    }

private:
    static ProgramRun td700(const QStringList& args) { return RunToEnd("td700", args); }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestExportCommand)
#include "tst_exportcommand.moc"
