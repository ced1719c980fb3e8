#include "logging/DataFile.h"
#include "logging/DataFileAppend.h"
#include "support/SmallFilesystem.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

// Appending to data files that a power cut, a full disk or a stranger has left behind.
class TestDataFileAppend : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void partialRecordIsCutBack_data() {
        QTest::addColumn<int>("tail");
        for (int tail = 0; tail < DataFile::RecordSize; ++tail)
            QTest::addRow("tail %d", tail) << tail;
    }

    void partialRecordIsCutBack() {
        QFETCH(int, tail);
        const QByteArray whole = header() + record('a') + record('b');
        const QString path = write(whole + QByteArray(tail, 'x'));
        bool headerAsked = false;
        const auto newHeader = [&] {
            headerAsked = true;
            return QByteArray();
        };
        const AppendOutcome out = AppendDataRecord(path, newHeader, record('c'));
        QVERIFY2(out.ok, qPrintable(out.error));
        QVERIFY(!out.created);
        QVERIFY(!headerAsked);
        QCOMPARE(out.cutBytes, qint64(tail));
        QCOMPARE(ReadBytes(path), whole + record('c'));
    }

    void headerCutShortIsStartedAgain_data() {
        QTest::addColumn<int>("length");
        for (int length : {0, 1, 15, 16, 17, 300, DataFile::HeaderSize - 1})
            QTest::addRow("%d bytes", length) << length;
    }

    void headerCutShortIsStartedAgain() {
        QFETCH(int, length);
        const QString path = write(header().left(length));
        const AppendOutcome out = AppendDataRecord(path, &header, record('r'));
        QVERIFY2(out.ok, qPrintable(out.error));
        QVERIFY(out.created);
        QCOMPARE(ReadBytes(path), header() + record('r'));
    }

    void foreignFileIsLeftAlone_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("short text") << QByteArray("hello");
        QTest::newRow("one wrong byte of the magic") << QByteArray("TD700 LOG DATE");
        QTest::newRow("long file") << QByteArray(DataFile::HeaderSize + 70, 'z');
    }

    void foreignFileIsLeftAlone() {
        QFETCH(QByteArray, bytes);
        const QString path = write(bytes);
        const AppendOutcome out = AppendDataRecord(path, &header, record('r'));
        QVERIFY(!out.ok);
        QVERIFY(out.error.contains(path));
        QCOMPARE(ReadBytes(path), bytes);
    }

    void fullDisk_data() {
        QTest::addColumn<int>("records"); // already in the file; -1: no file yet
        QTest::newRow("new file") << -1;
        // 4096 bytes: the next record needs a new block of the filesystem.
        QTest::newRow("file with records") << (4096 - DataFile::HeaderSize) / DataFile::RecordSize;
    }

    // A save on a full disk fails with the reason and keeps every whole record (and makes no
    // empty file); once space is freed the next save goes on where the file ended.
    void fullDisk() {
        QFETCH(int, records);
        SmallFilesystem fs(64);
        if (!fs.isMounted())
            QSKIP(qPrintable(fs.whyNot()));
        const QString path = fs.filePath(QStringLiteral("LOG_01.TDD"));
        QByteArray before;
        if (records >= 0) {
            before = header();
            for (int i = 0; i < records; ++i)
                before += record(char('a' + i % 26));
            WriteBytes(path, before);
        }
        QVERIFY(fs.fill());
        const AppendOutcome failed = AppendDataRecord(path, &header, record('n'));
        QVERIFY(!failed.ok);
        QVERIFY2(failed.error.contains(QStringLiteral("space"), Qt::CaseInsensitive),
                 qPrintable(failed.error));
        QCOMPARE(QFile::exists(path), records >= 0);
        QCOMPARE(ReadBytes(path), before);

        fs.unfill();
        const AppendOutcome out = AppendDataRecord(path, &header, record('n'));
        QVERIFY2(out.ok, qPrintable(out.error));
        QCOMPARE(ReadBytes(path), (records >= 0 ? before : header()) + record('n'));
    }

private:
    static QByteArray header() {
        return DataFile::magic().leftJustified(DataFile::HeaderSize, '\x11');
    }
    static QByteArray record(char fill) { return QByteArray(DataFile::RecordSize, fill); }
    QString write(const QByteArray& bytes) {
        return WriteBytes(m_dir.filePath(QStringLiteral("LOG_01.TDD")), bytes);
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestDataFileAppend)
#include "tst_datafileappend.moc"
