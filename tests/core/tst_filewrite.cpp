#include "core/FileWrite.h"
#include "core/TextLines.h"
#include "core/TextTable.h"
#include "support/SmallFilesystem.h"
#include "support/TestFiles.h"

#include <QTest>
#include <functional>

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
