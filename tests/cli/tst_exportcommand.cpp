#include "support/SimProcess.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
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

    void dataFileThroughAPipe_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("length"); // bytes of the sample sent
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QString>("said");
        const QByteArray csv = ReadBytes(QFINDTESTDATA("../logging/data/sample.csv"));
        QTest::newRow("info of /dev/stdin")
            << QStringList{"info", "/dev/stdin"} << 704 << QByteArray("Records:  3\n") << "";
        QTest::newRow("info, a record cut short")
            << QStringList{"info", "-"} << 700 << QByteArray("Records:  2\n")
            << "not a whole record";
        QTest::newRow("header only")
            << QStringList{"info", "-"} << 512 << QByteArray("Records:  0\n") << "";
        QTest::newRow("export of -") << QStringList{"export", "-"} << 704 << csv << "";
    }

    void dataFileThroughAPipe() {
        QFETCH(QStringList, args);
        QFETCH(int, length);
        QFETCH(QByteArray, expected);
        QFETCH(QString, said);
        const QByteArray sample = ReadBytes(QFINDTESTDATA("../logging/data/sample.TDD"));
        QProcess p;
        p.start(BinPath("td700"), args);
        QVERIFY(p.waitForStarted());
        p.write(sample.left(length));
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(30000));
        const QByteArray out = p.readAllStandardOutput();
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        QCOMPARE(p.exitCode(), 0);
        QVERIFY2(args[0] == u"info" ? out.contains(expected) : out == expected, out.constData());
        QVERIFY2(said.isEmpty() ? err.isEmpty() : err.contains(said), qPrintable(err));
    }

#ifdef Q_OS_LINUX
    void fullDiskLosesNothing_data() {
        QTest::addColumn<bool>("toStdout");
        QTest::newRow("standard output to /dev/full") << true;
        QTest::newRow("--out on a full file system") << false;
    }

    void fullDiskLosesNothing() {
        QFETCH(bool, toStdout);
        // A file of 3000 records: its CSV is far larger than the little file system.
        QByteArray big = ReadBytes(QFINDTESTDATA("../logging/data/sample.TDD")).left(576);
        big += big.mid(512).repeated(2999);
        const QString in = WriteBytes(m_dir.filePath(QStringLiteral("big.TDD")), big);
        if (toStdout) {
            QProcess p;
            p.setStandardOutputFile(QStringLiteral("/dev/full"));
            p.start(BinPath("td700"), {"export", in});
            QVERIFY(p.waitForFinished(30000));
            QCOMPARE(p.exitCode(), 1);
            QVERIFY(QString::fromLocal8Bit(p.readAllStandardError()).contains("No space left"));
            return;
        }
        const QString mountPoint = m_dir.filePath(QStringLiteral("small"));
        QDir().mkpath(mountPoint);
        if (QProcess::execute(QStringLiteral("mount"),
                              {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mountPoint}) != 0)
            QSKIP("no small file system can be mounted here");
        const auto unmount =
            qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {mountPoint}); });
        const QString target = WriteBytes(mountPoint + QStringLiteral("/out.csv"), "the old CSV\n");
        const Run r = td700({"export", in, "--out", target});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("not written") && r.err.contains("No space left"),
                 r.err.constData());
        QCOMPARE(ReadBytes(target), QByteArray("the old CSV\n"));
        QCOMPARE(QDir(mountPoint).entryList(QDir::Files), QStringList{"out.csv"});
    }
#endif

    void controlBytesAreShownEscaped() {
        QByteArray bytes = ReadBytes(QFINDTESTDATA("../logging/data/sample.TDD"));
        std::memcpy(bytes.data() + 32 + 16, "\x1b[31mRED\a", 10);
        const QString in = WriteBytes(m_dir.filePath(QStringLiteral("esc.TDD")), bytes);
        for (const QStringList& args : {QStringList{"info", in}, QStringList{"export", in}}) {
            const Run r = td700(args);
            QCOMPARE(r.exitCode, 0);
            QVERIFY2(!r.out.contains('\x1b') && !r.out.contains('\a'), r.out.constData());
            QVERIFY2(r.out.contains("\\x1B[31mRED\\x07"), r.out.constData());
        }
    }

    void info() {
        const QString sample = QFINDTESTDATA("../logging/data/sample.TDD");
        const Run text = td700({"info", sample});
        QCOMPARE(text.exitCode, 0);
        QVERIFY2(text.out.contains("Records:  3\n"), text.out.constData());
        const Run json = td700({"info", "--json", "--all-channels", sample});
        QCOMPARE(json.exitCode, 0);
        QCOMPARE(json.out.count("\"channel\":"), 12);
        QCOMPARE(td700({"info", m_dir.filePath(QStringLiteral("missing.TDD"))}).exitCode, 1);
        // A device given by name is no data file, neither an empty one nor an endless one.
        for (const char* command : {"info", "export"}) {
            const Run r = td700({command, "/dev/null"});
            QCOMPARE(r.exitCode, 1);
            QVERIFY2(r.err.contains("it is a character device"), r.err.constData());
        }
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
