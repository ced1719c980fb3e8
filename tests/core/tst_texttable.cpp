#include "core/TextTable.h"
#include "support/TestFiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestTextTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numericRead_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("integer") << "256" << 256.0;
        QTest::newRow("negative") << "-1" << -1.0;
        QTest::newRow("version") << "1.16" << 1.16;
        QTest::newRow("spaces") << " 42 " << 42.0;
        QTest::newRow("link text") << "OK" << 0.0;
        QTest::newRow("trailing garbage") << "12abc" << 0.0;
        QTest::newRow("dashes") << "----.-" << 0.0;
        QTest::newRow("exponent") << "1.5E+07" << 1.5e7;
    }

    void numericRead() {
        QFETCH(QString, text);
        TextTable t(3, 3);
        t.setText(2, 2, text);
        QCOMPARE(t.text(2, 2), text);
        QTEST(t.number(2, 2), "value");
    }

    void cellsOutsideTheTableAreHarmless() {
        TextTable t(2, 2);
        QVERIFY(!t.setText(3, 1, QStringLiteral("x")));
        QVERIFY(!t.setText(1, -1, QStringLiteral("x")));
        QCOMPARE(t.text(5, 5), QString());
        QCOMPARE(t.number(-1, 0), 0.0);
        t.setBlockBackColour(0, 0, 10, 10, 255); // clipped, not a crash
        QCOMPARE(t.backColour(2, 2), 255);
        t.addToNumber(1, 1, 1);
        t.addToNumber(1, 1, 1);
        QCOMPARE(t.text(1, 1), QStringLiteral("2"));

        // An empty table (the frame log before the first frame) still has its corner cell.
        TextTable empty;
        QCOMPARE(empty.text(0, 0), QString());
        QVERIFY(empty.setText(0, 0, QStringLiteral("corner")));
        QCOMPARE(empty.text(0, 0), QStringLiteral("corner"));
        QVERIFY(!empty.isColumnHidden(0));
    }

    void clearDataKeepsColours() {
        TextTable t(4, 2);
        t.setText(2, 1, QStringLiteral("x"));
        t.setText(0, 1, QStringLiteral("head"));
        t.setBackColour(2, 1, 0x00FF00);
        t.setColumnHidden(3, true);
        QSignalSpy layout(&t, &TextTable::layoutChanged);
        t.clearData(2, 1, 4, 2);
        QCOMPARE(t.text(2, 1), QString());
        QCOMPARE(t.text(0, 1), QStringLiteral("head"));
        QCOMPARE(t.backColour(2, 1), 0x00FF00);
        QVERIFY(t.isColumnHidden(3));
        QCOMPARE(layout.count(), 0);
    }

    void loadOfAForeignFileChangesNothing() {
        QTemporaryDir dir;
        for (const QByteArray& content : {QByteArray(), QByteArray("garbage\n"),
                                          QByteArray("TD700-TABLE 1\t2\t5\nonly one row\n"),
                                          QByteArray("TD700-TABLE 1\t-2\t1\n\n\n")}) {
            const QString path = WriteBytes(dir.filePath(QStringLiteral("bad")), content);
            TextTable t(2, 1);
            t.setText(1, 1, QStringLiteral("kept"));
            QVERIFY(!t.loadData(path));
            QCOMPARE(t.text(1, 1), QStringLiteral("kept"));
        }
        TextTable t(1, 1);
        QVERIFY(!t.loadData(dir.filePath(QStringLiteral("missing"))));
    }
};

QTEST_GUILESS_MAIN(TestTextTable)
#include "tst_texttable.moc"
