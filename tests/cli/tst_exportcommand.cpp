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
    void initTestCase() {
        m_sample = ReadBytes(QFINDTESTDATA("../logging/data/sample.TDD"));
        QByteArray escaped = m_sample;
        std::memcpy(escaped.data() + 32 + 16, "\x1b[31mRED\a", 10);
        WriteBytes(path("esc.TDD"), escaped);
        WriteBytes(path("notes.TDD"), "a,b\n");
    }

    // @DIR: the test's folder, @SAMPLE: the sample file ("-" pipes it in). `out`: standard
    // output (or the --out file) whole, or "~TEXT" where it holds TEXT.
    void runs_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QString>("err"); // what standard error says; empty: nothing
        const QByteArray csv = ReadBytes(QFINDTESTDATA("../logging/data/sample.csv"));
        const auto row = [](const char* name, const QStringList& args, int status,
                            const QByteArray& out, const char* err = "") {
            QTest::newRow(name) << args << status << out << QString::fromUtf8(err);
        };
        row("export to standard output", {"export", "@SAMPLE"}, 0, csv);
        row("export --out --bom", {"export", "@SAMPLE", "--out", "@DIR/out.csv", "--bom"}, 0,
            "\xEF\xBB\xBF" + csv);
        row("export of no data file", {"export", "@DIR/notes.TDD", "--out", "@DIR/out.csv"}, 1, {},
            "not a TD700 data file");
        row("export through a pipe", {"export", "-"}, 0, csv);
        row("info through a pipe", {"info", "/dev/stdin"}, 0, "~Records:  3\n");
        row("info", {"info", "@SAMPLE"}, 0, "~Records:  3\n");
        row("info --json --all-channels", {"info", "--json", "--all-channels", "@SAMPLE"}, 0,
            "~\"channel\": 12");
        row("info of a missing file", {"info", "@DIR/missing.TDD"}, 1, {}, "missing.TDD");
        // A device given by name is no data file, neither an empty one nor an endless one.
        row("export of a device", {"export", "/dev/null"}, 1, {}, "it is a character device");
        // A text in the file that would steer the terminal is shown escaped.
        row("info of control bytes", {"info", "@DIR/esc.TDD"}, 0, "~\\x1B[31mRED\\x07");
        row("export of control bytes", {"export", "@DIR/esc.TDD"}, 0, "~\\x1B[31mRED\\x07");
    }

    void runs() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, out);
        QFETCH(QString, err);
        args.replaceInStrings(QStringLiteral("@DIR"), m_dir.path());
        args.replaceInStrings(QStringLiteral("@SAMPLE"),
                              QFINDTESTDATA("../logging/data/sample.TDD"));
        const qsizetype outAt = args.indexOf(QStringLiteral("--out"));
        if (outAt > 0)
            QFile::remove(args[outAt + 1]);
        QProcess p;
        p.start(BinPath("td700"), args);
        QVERIFY(p.waitForStarted());
        p.write(m_sample);
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(30000));
        QTEST(p.exitCode(), "status");
        // A failed export leaves no file.
        const QByteArray got = outAt > 0 ? ReadBytes(args[outAt + 1]) : p.readAllStandardOutput();
        QVERIFY2(out.startsWith('~') ? got.contains(out.mid(1)) : got == out, got.constData());
        QVERIFY(!got.contains('\x1b') && !got.contains('\a'));
        const QString said = QString::fromLocal8Bit(p.readAllStandardError());
        QVERIFY2(err.isEmpty() ? said.isEmpty() : said.contains(err), qPrintable(said));
    }

    // The old CSV stays whole when the new one does not fit.
    void fullDiskLosesNothing() {
        SmallFilesystem fs(64);
        if (!fs.isMounted())
            QSKIP(qPrintable(fs.whyNot()));
        // A file of 3000 records: its CSV is far larger than the little file system.
        QByteArray big = m_sample.left(576);
        big += big.mid(512).repeated(2999);
        const QString in = WriteBytes(path("big.TDD"), big);
        const QString target = WriteBytes(fs.filePath(QStringLiteral("out.csv")), "the old CSV\n");
        const ProgramRun r = RunToEnd("td700", {"export", in, "--out", target});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains("not written") && r.err.contains("No space left"),
                 r.err.constData());
        QCOMPARE(ReadBytes(target), QByteArray("the old CSV\n"));
        QCOMPARE(QDir(fs.path()).entryList(QDir::Files), QStringList{"out.csv"});
    }

private:
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

    QByteArray m_sample;
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestExportCommand)
#include "tst_exportcommand.moc"
