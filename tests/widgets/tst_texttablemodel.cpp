#include "core/TextTable.h"
#include "widgets/TextTableModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

// The grid adapter under Qt's model checker while the table behind it changes every way the
// engine changes its tables.
class TestTextTableModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void staysConsistentThroughTableChanges_data() {
        QTest::addColumn<bool>("headerColumn");
        QTest::newRow("data columns only") << false;
        QTest::newRow("with the header column") << true;
    }

    void staysConsistentThroughTableChanges() {
        QFETCH(bool, headerColumn);
        TextTable table(4, 0);
        TextTableModel model(&table);
        model.setShowHeaderColumn(headerColumn);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);

        for (int r = 1; r <= 5; ++r) { // meter rows appended one by one
            table.setRowCount(r);
            table.setText(0, r, QString::number(r));
            table.setText(2, r, QStringLiteral("OK"));
        }
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(model.columnCount(), headerColumn ? 5 : 4);
        table.setBlockBackColour(2, 1, 2, 5, 0x00FF00);
        table.clearData(2, 1, 4, 5);
        table.setColumnHidden(3, true);
        table.deleteRows(2, 2);
        QCOMPARE(model.rowCount(), 3);
        table.setColumnCount(7);
        QCOMPARE(model.columnCount(), headerColumn ? 8 : 7);
        table.setText(7, 3, QStringLiteral("last"));
        QCOMPARE(model.data(model.index(2, model.modelColumn(7))).toString(),
                 QStringLiteral("last"));
        table.setRowCount(0);
        QCOMPARE(model.rowCount(), 0);
        table.setText(1, 1, QStringLiteral("outside")); // no rows: nothing to report
    }

    void pausedModelCatchesUpWhenResumed() {
        // The frame log while nothing shows it: rows appended, the log widened, restarted.
        TextTable table(2, 1);
        TextTableModel model(&table);
        model.setShowHeaderColumn(true);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy cells(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy headers(&model, &QAbstractItemModel::headerDataChanged);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        const auto signalsSeen = [&] {
            return cells.count() + headers.count() + inserted.count() + removed.count() +
                   layout.count() + reset.count();
        };
        model.setPaused(true);
        table.setRowCount(3);
        table.setText(1, 3, QStringLiteral("01"));
        table.setColumnCount(5);
        table.setBlockBackColour(1, 2, 5, 2, 0x00FF00);
        table.deleteRows(1, 1);
        table.setRowCount(0);
        table.setRowCount(4);
        table.setText(0, 4, QStringLiteral("RECV"));
        QCOMPARE(signalsSeen(), 0);

        model.setPaused(false);
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(model.columnCount(), 6);
        QCOMPARE(model.index(3, 0).data().toString(), QStringLiteral("RECV"));
        table.setText(2, 1, QStringLiteral("03")); // and follows the table again
        QCOMPARE(cells.count(), 1);
    }
};

QTEST_MAIN(TestTextTableModel)
#include "tst_texttablemodel.moc"
