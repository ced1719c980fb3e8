#include "core/FileRead.h"
#include "core/FileWrite.h"
#include "core/TextLines.h"
#include "core/TextTable.h"
#include "support/SmallFilesystem.h"
#include "support/SpecialFiles.h"
#include "support/TestFiles.h"

#include <QTest>
#include <functional>
#include <optional>

namespace {

// One of the program's whole-file writers: writes `size` bytes' worth of content to `path`.
using Writer = std::function<bool(const QString& path, int size, QString* error)>;

bool writeLines(const QString& path, int size, QString* error) {
    return WriteTextLines(path, QStringList(size / 10, QStringLiteral("38400,N,8")), error);
}

bool writeTable(const QString& path, int size, QString* error) {
    TextTable t(48, size / 100);
    for (int r = 1; r <= t.rowCount(); ++r)
        t.setText(1, r, QStringLiteral("1.5"));
    return t.saveData(path, error);
}

bool writeBytes(const QString& path, int size, QString* error) {
    return WriteFileWhole(path, QByteArray(size, 'b'), error);
}

} // namespace

Q_DECLARE_METATYPE(Writer)

// Settings and state files on a disk that runs full: the write fails with the system's
// reason and the file that was there stays byte for byte, with no leftovers beside it.
class TestFileWrite : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fullDiskKeepsTheOldFile_data() {
        QTest::addColumn<Writer>("writer");
        QTest::newRow("settings lines") << Writer(writeLines);
        QTest::newRow("saved table") << Writer(writeTable);
        QTest::newRow("bytes") << Writer(writeBytes);
    }

    void fullDiskKeepsTheOldFile() {
        QFETCH(Writer, writer);
        SmallFilesystem fs(128);
        if (!fs.isMounted())
            QSKIP(qPrintable(fs.whyNot()));
        const QString path = fs.filePath(QStringLiteral("Comm.CFG"));
        QString error;
        QVERIFY2(writer(path, 20000, &error), qPrintable(error)); // fits while there is room
        const QByteArray old = ReadBytes(path);

        QVERIFY(fs.fill());
        QVERIFY(!writer(path, 40000, &error));
        QVERIFY2(error.contains(QStringLiteral("space"), Qt::CaseInsensitive), qPrintable(error));
        QCOMPARE(ReadBytes(path), old);
        QCOMPARE(QDir(fs.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({QStringLiteral(".filler"), QStringLiteral("Comm.CFG")}));

        fs.unfill();
        QVERIFY2(writer(path, 40000, &error), qPrintable(error));
        QVERIFY(ReadBytes(path).size() > old.size());
    }

#ifdef Q_OS_UNIX
    // A FIFO or a device is written into, never replaced by a file of that name; what cannot
    // be written (a FIFO nobody reads, a full device, a folder) fails and stays as it was.
    void outputsThatAreNotFilesStay_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("failure"); // empty: written
        QTest::newRow("FIFO with a reader") << "fifo"
                                            << "";
        QTest::newRow("FIFO nobody reads") << "lonely fifo"
                                           << "no program reads";
        QTest::newRow("full device") << "full"
                                     << "space";
        QTest::newRow("folder") << "folder"
                                << "folder";
    }

    void outputsThatAreNotFilesStay() {
        QFETCH(QString, kind);
        QFETCH(QString, failure);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Comm.CFG"));
        SpecialOutput output(path, kind);
        if (!output.isMade())
            QSKIP("no device nodes can be made here (root only)");
        QString error;
        QCOMPARE(WriteFileWhole(path, "38400\r\n", &error), failure.isEmpty());
        QVERIFY2(error.contains(failure), qPrintable(error));
        QVERIFY(output.isAsItWas());
        if (kind == QStringLiteral("fifo"))
            QCOMPARE(output.received(), QByteArray("38400\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 QStringList{QStringLiteral("Comm.CFG")});
    }

    // A settings file that is a FIFO or a device is named as such at once, never read: a FIFO
    // would hold the program until something writes into it.
    void settingsThatAreNotFilesAreNotRead_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "a FIFO";
        QTest::newRow("device") << "a character device";
        QTest::newRow("folder") << "a folder";
    }

    void settingsThatAreNotFilesAreNotRead() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("SetEnv.INI"));
        std::optional<FifoWatch> fifo;
        std::optional<SpecialOutput> node;
        if (kind == QStringLiteral("a FIFO"))
            QVERIFY(fifo.emplace(path).isMade());
        else if (!node.emplace(path, kind == QStringLiteral("a folder") ? "folder" : "null")
                      .isMade())
            QSKIP("no device nodes can be made here (root only)");
        const TextFile file = ReadTextFile(path);
        QVERIFY(file.found);
        QVERIFY2(file.problem.contains(kind), qPrintable(file.problem));
        QVERIFY(!fifo || !fifo->wasOpenedForReading());
    }

    // A save cut off by a kill leaves its temporary file; the next save of that file removes
    // it, but not one another save is writing right now, nor those of other files.
    void leftoversOfAKilledSaveGo() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("m1.CFG"));
        const QString leftover = WriteBytes(path + QStringLiteral(".td700-Ab3xZ9.part"), "half");
        const QString others =
            WriteBytes(dir.filePath(QStringLiteral("m2.CFG.td700-Ab3xZ9.part")), "another file's");
        QString error;
        QVERIFY2(WriteFileWhole(path, "first", &error), qPrintable(error));
        QVERIFY(!QFileInfo::exists(leftover));
        QVERIFY(QFileInfo::exists(others));
        // Another save of m1.CFG meanwhile leaves this one's temporary file alone.
        FileOutput writing(path);
        QVERIFY(writing.open());
        QVERIFY2(WriteFileWhole(path, "second", &error), qPrintable(error));
        QCOMPARE(writing.device().write("third"), qint64(5));
        QVERIFY2(writing.commit(), qPrintable(writing.errorString()));
        QCOMPARE(ReadBytes(path), QByteArray("third"));
        QCOMPARE(
            QDir(dir.path()).entryList(QDir::Files),
            QStringList({QStringLiteral("m1.CFG"), QStringLiteral("m2.CFG.td700-Ab3xZ9.part")}));
    }
#endif

    void lineEnds_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("LF") << QByteArray("a\nb") << QStringList{"a", "b"};
        QTest::newRow("CR alone") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("mixed, empty lines kept")
            << QByteArray("a\r\r\nb\n\nc") << QStringList{"a", "", "b", "", "c"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }

    void lineEnds() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const TextFile file = ReadTextFile(WriteBytes(dir.filePath(QStringLiteral("f")), bytes));
        QTEST(file.lines, "lines");
        QVERIFY(file.found);
        QVERIFY(file.problem.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFileWrite)
#include "tst_filewrite.moc"
