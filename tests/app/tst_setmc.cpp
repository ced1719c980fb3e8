#include "AppTestSupport.h"
#include "app/frmTD_SetMC.h"
#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "core/TextTable.h"

#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

struct Fixture {
    TestHome home;
    CommState state;
    DeviceTables tables;
    std::unique_ptr<frmTD_SetMC> dialog;
    bool active = false; // keys reach it

    explicit Fixture(const QStringList& fileLines) {
        home.writeMeterList(fileLines);
        LoadMeterList(home.paths.setEnvIni(), state, tables);
        dialog = std::make_unique<frmTD_SetMC>(home.paths.setEnvIni(), state, tables);
        dialog->show();
        dialog->activateWindow();
        active = QTest::qWaitForWindowActive(dialog.get());
    }
    void clickCell(int row, int column) {
        QTableView* view = dialog->listView();
        const QRect r = view->visualRect(view->model()->index(row - 1, column - 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    }
    QStringList marks() const {
        QStringList out;
        for (const QString& line : ReadTextLines(home.paths.setEnvIni()))
            out << line.section(u'\t', 0, 0);
        return out;
    }
};

} // namespace

class TestSetMC : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadThenClickAndTypingMarkAnAddress() {
        Fixture f({"O\tfirst", "\tspare", "\t"});
        TextTable& list = f.dialog->sprdList();
        QCOMPARE(list.rowCount(), frmTD_SetMC::MinimumRows); // more addresses than the file has
        QCOMPARE(list.text(1, 1), QStringLiteral("O"));
        QCOMPARE(list.text(2, 2), QStringLiteral("spare"));
        QCOMPARE(list.text(1, 4), QString());
        f.clickCell(2, 1);
        QCOMPARE(list.text(1, 2), QStringLiteral("O"));
        f.clickCell(1, 1);
        QCOMPARE(list.text(1, 1), QString());
        f.clickCell(2, 2); // a click on the note leaves the mark alone
        QCOMPARE(list.text(1, 2), QStringLiteral("O"));

        QVERIFY(f.active);
        QTableView* view = f.dialog->listView();
        view->setFocus();
        view->setCurrentIndex(view->model()->index(4, 0));
        QTest::keyClicks(view, QStringLiteral("O"));
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(editor && editor != view);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(list.text(1, 5), QStringLiteral("O")); // the editor hands its text over later
        view->setCurrentIndex(view->model()->index(5, 0));
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(list.text(1, 6), QStringLiteral("O"));
    }

    void okWithoutAMarkSaysCheck() {
        Fixture f({"O\tonly"});
        f.clickCell(1, 1); // unmark the only meter
        ModalRecorder modals;
        QTest::mouseClick(f.dialog->btnOK, Qt::LeftButton);
        // Titled by the window it is about, not by the program.
        QCOMPARE(modals.seen, QStringList{f.dialog->windowTitle() + QStringLiteral("|Check.")});
        QVERIFY(f.dialog->isVisible());
        QCOMPARE(f.marks(), QStringList{QStringLiteral("O")});
        QCOMPARE(f.state.gMeterAddress, QVector<int>{1});
    }

    void okRewritesEveryLineAndRebuildsTheTables() {
        Fixture f({"\tnote one", "O\ttwo", "\t", "x\tstray mark"});
        f.clickCell(3, 1);
        ModalRecorder modals;
        QTest::mouseClick(f.dialog->btnOK, Qt::LeftButton);
        QVERIFY(modals.seen.isEmpty());
        QCOMPARE(f.dialog->result(), int(QDialog::Accepted));

        const QStringList lines = ReadTextLines(f.home.paths.setEnvIni());
        QCOMPARE(lines.size(), frmTD_SetMC::MinimumRows);
        QCOMPARE(lines.mid(0, 4), (QStringList{"\tnote one", "O\ttwo", "O\t", "x\tstray mark"}));
        QCOMPARE(f.state.gMeterAddress, (QVector<int>{2, 3}));
        QCOMPARE(f.state.gLastMeter, 1);
        QCOMPARE(f.tables.sprdStatus.rowCount(), 2);
        QCOMPARE(f.tables.sprdStatus.text(1, 2), QStringLiteral("3"));
        QCOMPARE(f.tables.sprdCommState.text(0, 2), QStringLiteral("3"));
    }

    void selectedAddressStaysValid_data() {
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("clickedRow");
        QTest::addColumn<int>("expected");
        QTest::newRow("selected meter unmarked")
            << QStringList{"\t", "O\t", "O\t", "\t", "O\t"} << 3 << 3 << 2;
        QTest::newRow("another meter unmarked") << QStringList{"\t", "O\t", "O\t"} << 3 << 2 << 3;
        QTest::newRow("first meter unmarked while selected")
            << QStringList{"O\t", "\t", "\t", "O\t"} << 1 << 1 << 4;
    }

    void selectedAddressStaysValid() {
        QFETCH(QStringList, file);
        QFETCH(int, selected);
        QFETCH(int, clickedRow);
        QFETCH(int, expected);
        Fixture f(file);
        f.state.gSelAddress = selected;
        ResolveSelMeter(f.state);
        f.clickCell(clickedRow, 1);
        QTest::mouseClick(f.dialog->btnOK, Qt::LeftButton);
        QCOMPARE(f.state.gSelAddress, expected);
        QCOMPARE(f.state.gMeterAddress.value(f.state.gSelMeter), expected);
    }
};

QTEST_MAIN(TestSetMC)
#include "tst_setmc.moc"
