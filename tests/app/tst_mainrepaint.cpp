#include "AppTestSupport.h"
#include "app/StatusLamp.h"
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

// The main window while it polls meters whose readings it already shows: nothing is repainted
// or even announced to its view but what changed. The send and receive lamps stay lit while
// the frames follow each other closely, and flash when they come further apart.
class TestMainRepaint : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pollingWithNothingNew_data() {
        QTest::addColumn<QStringList>("meters");
        QTest::addColumn<bool>("lampsSteady");
        QTest::newRow("three meters answering")
            << QStringList{"O\t12 ch", "O\t6 ch", "O\t4 ch"} << true;
        // A silent meter is asked less and less often: its link cell says so as it changes
        // ("NG, 1 in 4", "NG, 1 in 8"), not after every cycle. A time-out is a pause in which
        // the lamps may go dark.
        QTest::newRow("and a silent one")
            << QStringList{"O\t12 ch", "O\t6 ch", "O\t4 ch", "O\tsilent"} << false;
    }

    void pollingWithNothingNew() {
        QFETCH(QStringList, meters);
        QFETCH(bool, lampsSteady);
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
        // "0 s" to "1 s behind" and back).
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
        if (lampsSteady) {
            QVERIFY(!paints.painted.contains("shpSend"));
            QVERIFY(!paints.painted.contains("shpRecv"));
            QVERIFY(window->findChild<StatusLamp*>("shpSend")->isShownLit());
        }

        // Shown, the view has every frame logged in the meantime.
        window->setCommViewVisible(true);
        QApplication::processEvents();
        QCOMPARE(log->rowCount(), window->engine().tables().sprdComm.rowCount());
        QCOMPARE(counters->rowCount(), meters.size());
    }

    // A lamp shows a dark spell only when it lasts long enough to be seen.
    void lampShowsOnlyVisibleDarkSpells_data() {
        QTest::addColumn<int>("darkMs");
        QTest::addColumn<bool>("shownDark");
        QTest::newRow("a few milliseconds") << 8 << false;
        QTest::newRow("just short") << StatusLamp::kShortestDarkMs - 1 << false;
        QTest::newRow("long enough") << StatusLamp::kShortestDarkMs << true;
        QTest::newRow("a time-out") << 1000 << true;
    }

    void lampShowsOnlyVisibleDarkSpells() {
        QFETCH(int, darkMs);
        QFETCH(bool, shownDark);
        VirtualClock clock;
        StatusLamp lamp(QStringLiteral("SEND"), Qt::red, clock);
        lamp.setLit(true);
        QVERIFY(lamp.isShownLit());
        lamp.setLit(false);
        QVERIFY(!lamp.isLit());
        clock.advance(darkMs);
        QCOMPARE(lamp.isShownLit(), !shownDark);
        lamp.setLit(true);
        QVERIFY(lamp.isShownLit());
        clock.advance(1000); // a dark look left pending would show now
        QVERIFY(lamp.isShownLit());
    }
};

QTEST_MAIN(TestMainRepaint)
#include "tst_mainrepaint.moc"
