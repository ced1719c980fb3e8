#include "logging/DataFile.h"
#include "logging/DataFileAppend.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Appending to data files that a power cut, a full disk or a stranger has left behind.
class TestDataFileAppend : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void partialRecordIsCutBack_data();
    void partialRecordIsCutBack();
    void headerCutShortIsStartedAgain_data();
    void headerCutShortIsStartedAgain();
    void foreignFileIsLeftAlone_data();
    void foreignFileIsLeftAlone();

private:
    QByteArray header() const;
    QByteArray record(char fill) const { return QByteArray(DataFile::RecordSize, fill); }
    QString write(const QString& name, const QByteArray& bytes);
    static QByteArray read(const QString& path);

    QTemporaryDir m_dir;
};

QByteArray TestDataFileAppend::header() const {
    QByteArray h = DataFile::magic();
    h.append(QByteArray(DataFile::HeaderSize - h.size(), '\x11'));
    return h;
}

QString TestDataFileAppend::write(const QString& name, const QByteArray& bytes) {
    const QString path = m_dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray TestDataFileAppend::read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TestDataFileAppend::partialRecordIsCutBack_data() {
    QTest::addColumn<int>("tail");
    for (int tail = 0; tail < DataFile::RecordSize; ++tail)
        QTest::addRow("tail %d", tail) << tail;
}

void TestDataFileAppend::partialRecordIsCutBack() {
    QFETCH(int, tail);
    const QByteArray whole = header() + record('a') + record('b');
    const QString path = write(QStringLiteral("cut.TDD"), whole + QByteArray(tail, 'x'));
    bool headerAsked = false;
    const AppendOutcome out = AppendDataRecord(
        path,
        [&] {
            headerAsked = true;
            return QByteArray();
        },
        record('c'));
    QVERIFY2(out.ok, qPrintable(out.error));
    QVERIFY(!out.created);
    QVERIFY(!headerAsked);
    QCOMPARE(out.cutBytes, qint64(tail));
    QCOMPARE(read(path), whole + record('c'));
}

void TestDataFileAppend::headerCutShortIsStartedAgain_data() {
    QTest::addColumn<int>("length");
    for (int length : {0, 1, 15, 16, 17, 300, DataFile::HeaderSize - 1})
        QTest::addRow("%d bytes", length) << length;
}

void TestDataFileAppend::headerCutShortIsStartedAgain() {
    QFETCH(int, length);
    const QByteArray fresh = header();
    const QString path = write(QStringLiteral("short.TDD"), fresh.left(length));
    const AppendOutcome out = AppendDataRecord(
        path, [&] { return fresh; }, record('r'));
    QVERIFY2(out.ok, qPrintable(out.error));
    QVERIFY(out.created);
    QCOMPARE(read(path), fresh + record('r'));
}

void TestDataFileAppend::foreignFileIsLeftAlone_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("short text") << QByteArray("hello");
    QTest::newRow("one wrong byte of the magic") << QByteArray("TD700 LOG DATE");
    QByteArray big(DataFile::HeaderSize + 70, 'z');
    QTest::newRow("long file") << big;
}

void TestDataFileAppend::foreignFileIsLeftAlone() {
    QFETCH(QByteArray, bytes);
    const QString path = write(QStringLiteral("foreign.TDD"), bytes);
    const AppendOutcome out = AppendDataRecord(
        path, [&] { return header(); }, record('r'));
    QVERIFY(!out.ok);
    QVERIFY(out.error.contains(path));
    QCOMPARE(read(path), bytes);
}

QTEST_GUILESS_MAIN(TestDataFileAppend)
#include "tst_datafileappend.moc"
