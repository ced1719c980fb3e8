#include "AppTestSupport.h"
#include "support/PaintLog.h"

#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <map>
#include <utility>

namespace {

const QStringList kDemoPort = QString("DEMO,38400,N,8,1,Modbus RTU,OFF").split(u',');

QAbstractItemModel* modelOf(const frmTD_Main& window, const char* view) {
    auto* table = window.findChild<QTableView*>(QString::fromLatin1(view));
    return table ? table->model() : nullptr;
}

} // namespace

// The main window while it polls meters whose readings it already shows: the send and receive
// lamps flash, and nothing else is repainted or even announced to its view.
class TestMainRepaint : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pollingWithNothingNew_data() {
        QTest::addColumn<QStringList>("meters");
        QTest::newRow("three meters answering") << QStringList{"O\t12 ch", "O\t6 ch", "O\t4 ch"};
        // A silent meter is asked less and less often: its link cell says so as it changes
        // ("NG, 1 in 4", "NG, 1 in 8"), not after every cycle.
        QTest::newRow("and a silent one")
            << QStringList{"O\t12 ch", "O\t6 ch", "O\t4 ch", "O\tsilent"};
    }

    void pollingWithNothingNew() {
        QFETCH(QStringList, meters);
        TestHome home;
        home.writeCommCfg(kDemoPort);
        home.writeMeterList(meters);
        VirtualClock clock;
        auto window = MakeMainWindow(clock, home);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->togglePort();
        QVERIFY(RunUntil(clock,
                         [&] { return window->engine().phase() == CommEngine::Phase::Polling; }));
        RunUntil(
            clock, [] { return false; }, 20000); // the silent meter's back-off settles

        QAbstractItemModel* status = modelOf(*window, "sprdStatus");
        QAbstractItemModel* log = modelOf(*window, "sprdComm");
        QAbstractItemModel* counters = modelOf(*window, "sprdCommState");
        QVERIFY(status && log && counters);
        // A status cell announced must show something new (a clock drift may well go from
        // "0 s" to "-1 s" and back).
        std::map<std::pair<int, int>, QString> shown;
        for (int r = 0; r < status->rowCount(); ++r)
            for (int c = 0; c < status->columnCount(); ++c)
                shown[{r, c}] = status->index(r, c).data().toString();
        QStringList repeated;
        const QMetaObject::Connection watch =
            connect(status, &QAbstractItemModel::dataChanged, this,
                    [&](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                        for (int r = topLeft.row(); r <= bottomRight.row(); ++r)
                            for (int c = topLeft.column(); c <= bottomRight.column(); ++c) {
                                const QString text = status->index(r, c).data().toString();
                                if (std::exchange(shown[{r, c}], text) == text)
                                    repeated << QStringLiteral("%1,%2 %3").arg(r).arg(c).arg(text);
                            }
                    });
        QSignalSpy logRows(log, &QAbstractItemModel::rowsInserted);
        QSignalSpy logCells(log, &QAbstractItemModel::dataChanged);
        QSignalSpy counterCells(counters, &QAbstractItemModel::dataChanged);
        PaintLog paints;
        qApp->installEventFilter(&paints);
        const int logged = window->engine().tables().sprdComm.rowCount();
        RunUntil(
            clock, [] { return false; }, 5000);
        qApp->removeEventFilter(&paints);
        disconnect(watch);

        QCOMPARE(repeated, QStringList());
        // The communication view is hidden: its frame log and counters rest.
        QVERIFY(window->engine().tables().sprdComm.rowCount() != logged);
        QCOMPARE(logRows.count() + logCells.count() + counterCells.count(), 0);
        // The lamps flash without the status bar beneath them; the status list repaints only
        // the drift that changed.
        for (const QString& name : std::as_const(paints.painted))
            QVERIFY2(QStringList({"shpSend", "shpRecv", "qt_scrollarea_viewport"}).contains(name),
                     qPrintable(name + " was repainted"));
        QVERIFY(paints.painted.contains("shpSend"));

        // Shown, the view has every frame logged in the meantime.
        window->setCommViewVisible(true);
        QApplication::processEvents();
        QCOMPARE(log->rowCount(), window->engine().tables().sprdComm.rowCount());
        QCOMPARE(counters->rowCount(), meters.size());
    }
};

QTEST_MAIN(TestMainRepaint)
#include "tst_mainrepaint.moc"
