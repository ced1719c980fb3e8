#include "AppTestSupport.h"
#include "comm/ChannelDisplay.h"
#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "comm/RequestCodes.h"
#include "help/HelpCentre.h"
#include "help/HelpWindow.h"
#include "help/ManualWindow.h"
#include "monitor/BarMonitor.h"
#include "monitor/MonitorFactory.h"
#include "sim/SimBus.h"
#include "simlink/SimSerialLink.h"
#include "support/FakeSerialLink.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

// The demo bus answers at addresses 1, 2 and 3; address 5 is configured but silent.
const QStringList kDemoList{"O\t12 ch", "O\t6 ch", "O\t4 ch", "\t", "O\tsilent"};

enum class Reach { Closed, Scanning, Polling };

struct Session : DemoWindow {
    explicit Session(Reach reach, const QString& port = "DEMO", LinkFactoryFunction links = {})
        : DemoWindow(kDemoList, port) {
        open(std::move(links));
        if (reach == Reach::Polling)
            poll();
        else if (reach == Reach::Scanning)
            window->togglePort();
    }
    CommEngine& engine() { return window->engine(); }
};

QStringList disabledControls(const frmTD_Main& w) {
    QStringList out;
    for (const MenuItemInfo& item : kMenuItems)
        if (!w.action(item.command)->isEnabled())
            out << QString::fromLatin1(item.objectName);
    for (int i = 0; i < 15; ++i)
        if (!w.btnMenu(i)->isEnabled())
            out << QStringLiteral("btnMenu(%1)").arg(i);
    return out;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuStateFollowsThePort_data() {
        QTest::addColumn<int>("reach");
        QTest::addColumn<QString>("portCaption");
        QTest::addColumn<QStringList>("disabled");
        const QStringList onlineViews =
            QString(
                "mOnlineSingleLine mOnlineSingleBar mOnlineSingleText mOnlineMulti mOnlineMultiPV "
                "mPMeterSysDate btnMenu(4) btnMenu(5) btnMenu(6) btnMenu(7) btnMenu(8) btnMenu(10)")
                .split(u' ');
        const QStringList settings{"mSetMC", "mSetPort", "btnMenu(0)", "btnMenu(2)"};
        QTest::newRow("closed") << int(Reach::Closed) << "&Port Open" << onlineViews;
        // While the scan runs the settings may still be changed; the views wait for the scan.
        QTest::newRow("scanning") << int(Reach::Scanning) << "&Port Close" << onlineViews;
        QTest::newRow("polling") << int(Reach::Polling) << "&Port Close" << settings;
    }

    void menuStateFollowsThePort() {
        QFETCH(int, reach);
        QFETCH(QString, portCaption);
        QFETCH(QStringList, disabled);
        Session s{Reach(reach)};
        QCOMPARE(int(s.engine().phase()), reach);
        QStringList actual = disabledControls(*s.window);
        actual.sort();
        disabled.sort();
        QCOMPARE(actual, disabled);
        QCOMPARE(s.window->action(MainCommand::mOnlinePortOpen)->text(), portCaption);
        QCOMPARE(s.window->btnMenu(3)->text(), QString(portCaption).remove(u'&'));
    }

    void buttonRunsItsMenuItemsHandler_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("reach");
        QTest::addColumn<QString>("expected"); // part of what the handler visibly does
        const int closed = int(Reach::Closed), polling = int(Reach::Polling);
        QTest::newRow("0 Meter List") << 0 << closed << "frmTD_SetMC";
        QTest::newRow("1 Data Save Setup") << 1 << closed << "frmTD_Set_DSave";
        QTest::newRow("15 Publish Setup") << 15 << closed << "frmTD_Set_Publish";
        QTest::newRow("2 Port Setup") << 2 << closed << "frmTD_SetPort";
        QTest::newRow("3 Port Open") << 3 << closed << "port opened";
        QTest::newRow("3 Port Close") << 3 << polling << "port closed";
        QTest::newRow("4 LINE") << 4 << polling << "frmTD_Mon_Line12";
        QTest::newRow("5 BAR") << 5 << polling << "frmTD_Mon_Bar12";
        QTest::newRow("6 TEXT") << 6 << polling << "frmTD_Mon_Text12";
        QTest::newRow("7 Multi") << 7 << polling << "frmTD_Mon_Multi";
        QTest::newRow("8 Multi PV") << 8 << polling << "frmTD_Mon_MultiPV";
        QTest::newRow("9 Parameter Setup") << 9 << closed << "frmTD_Parameter";
        QTest::newRow("10 Date/Time Reserve") << 10 << polling << "frmTD_DateReserve";
        QTest::newRow("11 About") << 11 << closed << "frmTD_About";
        QTest::newRow("12 Help") << 12 << closed << "HelpWindow index.html";
        QTest::newRow("13 Manual") << 13 << closed << "ManualWindow";
        QTest::newRow("14 Graph Viewer") << 14 << closed << "dlgOpenDataFiles";
    }

    void buttonRunsItsMenuItemsHandler() {
        QFETCH(int, index);
        QFETCH(int, reach);
        QFETCH(QString, expected);
        MainCommand command{};
        for (const ButtonInfo& b : kButtons)
            if (b.index == index)
                command = b.command;

        // What a trigger visibly does, on a fresh window each time.
        auto effectOf = [&](bool viaButton) {
            Session s{Reach(reach)};
            const bool wasOpen = s.engine().isPortOpen();
            ModalRecorder modals;
            if (viaButton)
                QTest::mouseClick(s.window->btnMenu(index), Qt::LeftButton);
            else
                s.window->action(command)->trigger();
            QStringList effect = modals.seen;
            for (const QDialog* w : s.window->openWindows())
                effect << w->objectName();
            // The guide's windows stand beside the program's, not modally.
            const HelpCentre& guide = s.window->help();
            if (guide.helpWindow() && guide.helpWindow()->isVisible())
                effect << QStringLiteral("HelpWindow ") + guide.helpWindow()->currentPage();
            if (guide.manualWindow() && guide.manualWindow()->isVisible())
                effect << QStringLiteral("ManualWindow");
            if (s.engine().isPortOpen() != wasOpen)
                effect << (wasOpen ? QStringLiteral("port closed") : QStringLiteral("port opened"));
            // The home folder differs between windows; the file names do not.
            return effect.join(u';').replace(s.home.dir.path(), QStringLiteral("HOME"));
        };
        const QString byButton = effectOf(true);
        QVERIFY2(byButton.contains(expected), qPrintable(byButton));
        QCOMPARE(byButton, effectOf(false));
    }

    // Monitors of two meters open beside the main window, each on its meter, the menus usable;
    // F1 in one brings the guide above it; closing the main window closes them.
    void monitorsOfTwoMetersStandBesideTheMainWindow() {
        Session s(Reach::Polling);
        const auto select = [&](int row) {
            s.engine().selectMeter(row);
            QVERIFY(RunUntil(s.clock, [&] { return s.engine().settingsComplete(); }));
        };
        select(1);
        s.window->action(MainCommand::mOnlineSingleLine)->trigger();
        select(3);
        s.window->action(MainCommand::mOnlineSingleBar)->trigger();
        s.window->action(MainCommand::mOnlineSingleBar)->trigger(); // comes to the front
        select(1);
        const QList<QDialog*> windows = s.window->openWindows();
        QStringList shown;
        for (const QDialog* w : windows)
            shown << w->objectName() + u' ' + w->windowTitle();
        QCOMPARE(shown, (QStringList{"frmTD_Mon_Line12 Single Monitoring - LINE - Meter 1",
                                     "frmTD_Mon_Bar04 Single Monitoring - BAR GRAPH - Meter 3"}));
        // The bar graph shows meter 3's values in meter 3's format, meter 1 selected.
        const DeviceTables& t = s.engine().tables();
        QVERIFY(RunUntil(s.clock, [&] {
            return s.engine().state().gPollCycleDone && !t.sprdMON.text(13, 3).isEmpty();
        }));
        RunMonitorTick(windows[1]);
        const auto* bar = qobject_cast<BarMonitor*>(windows[1]);
        for (int ch = 0; ch < 4; ++ch) {
            const int decimals = int(t.sprdMON.integer(31 + 6 * ch, 3));
            QCOMPARE(bar->valueLabel(ch)->text(),
                     ChannelDisplay::FormatValue(t.sprdMON.number(13 + ch, 3), decimals));
        }
        QVERIFY(t.sprdMON.number(13, 1) != t.sprdMON.number(13, 3));

        // The menus work meanwhile: the grids open beside them, the parameter window modally.
        ModalRecorder modals;
        s.window->action(MainCommand::mOnlineMultiPV)->trigger();
        s.window->action(MainCommand::mPMeterList)->trigger();
        QCOMPARE(modals.seen, QStringList{"frmTD_Parameter"});
        QCOMPARE(s.window->openWindows().size(), 3);

        QTest::keyClick(windows[0], Qt::Key_F1);
        HelpWindow* guide = s.window->help().helpWindow();
        QVERIFY(guide && guide->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(guide));
        QVERIFY(windows[0]->isVisible());

        const QPointer<QDialog> trend = windows[0];
        s.window->quitWithoutAsking();
        QVERIFY(!trend);
    }

    void quitAsksAndNoKeepsThePort_data() {
        QTest::addColumn<int>("reach");
        QTest::addColumn<int>("answer");
        QTest::newRow("closed, No") << int(Reach::Closed) << int(QMessageBox::No);
        QTest::newRow("polling, No") << int(Reach::Polling) << int(QMessageBox::No);
        QTest::newRow("polling, Yes") << int(Reach::Polling) << int(QMessageBox::Yes);
    }

    void quitAsksAndNoKeepsThePort() {
        QFETCH(int, reach);
        QFETCH(int, answer);
        Session s{Reach(reach)};
        const bool wasOpen = s.engine().isPortOpen();
        ModalRecorder modals(answer);
        s.window->action(MainCommand::mExit)->trigger();
        QCOMPARE(modals.seen, QStringList{QStringLiteral("Confirm|Quit?")});
        if (answer == QMessageBox::No) {
            QVERIFY(s.window->isVisible());
            QCOMPARE(s.engine().isPortOpen(), wasOpen);
            QCOMPARE(s.engine().tmrTX().isEnabled() || s.engine().tmrRX_TOVR().isEnabled(),
                     wasOpen);
        } else {
            QVERIFY(!s.window->isVisible());
            QVERIFY(!s.engine().isPortOpen());
        }
    }

    void portClosedAfterAFailureSilently_data() {
        QTest::addColumn<QString>("portName");
        QTest::addColumn<bool>("busyLink");
        QTest::addColumn<QString>("panel4"); // empty: the port never opened
        QTest::newRow("busy port") << "COM1" << true << QString();
        QTest::newRow("missing device") << "/dev/td700-no-such-port" << false << QString();
        // The port opens, the scan finds nobody and the engine closes the port itself.
        QTest::newRow("nobody answers the scan")
            << "DEMO:9:2:1.20" << false << QString("Meter [5] ==> COMM. Error");
    }

    void portClosedAfterAFailureSilently() {
        QFETCH(QString, portName);
        QFETCH(bool, busyLink);
        QFETCH(QString, panel4);
        LinkFactoryFunction links;
        if (busyLink)
            links = [](const QString&, Clock&) {
                auto link = std::make_unique<FakeSerialLink>();
                link->openSucceeds = false;
                return link;
            };
        Session s(Reach::Closed, portName, links);
        frmTD_Main* w = s.window.get();
        ModalRecorder modals;
        w->btnMenu(3)->click();
        QCOMPARE(w->engine().isPortOpen(), !panel4.isEmpty());
        QVERIFY(RunUntil(s.clock, [&] { return !w->engine().isPortOpen(); }));
        QCOMPARE(w->engine().phase(), CommEngine::Phase::Closed);
        QCOMPARE(w->action(MainCommand::mOnlinePortOpen)->text(), QStringLiteral("&Port Open"));
        QCOMPARE(w->btnMenu(3)->text(), QStringLiteral("Port Open"));
        QVERIFY(w->action(MainCommand::mSetPort)->isEnabled());
        QVERIFY(!w->action(MainCommand::mOnlineMulti)->isEnabled());
        QVERIFY(w->statusPanelText(4).contains(panel4));
        QVERIFY(modals.seen.isEmpty());
        // And the port command tries again from there.
        w->btnMenu(3)->click();
        QCOMPARE(w->engine().isPortOpen(), !panel4.isEmpty());
    }

    // The status list shows each meter's clock drift, marked once it is worth setting.
    void statusListShowsEachMetersClockDrift() {
        SimSerialLink* sim = nullptr;
        Session s(Reach::Closed, "DEMO", [&sim](const QString&, Clock& clock) {
            auto link = std::make_unique<SimSerialLink>(clock);
            sim = link.get();
            return std::unique_ptr<SerialLink>(std::move(link));
        });
        QVERIFY(s.poll());
        sim->bus().meter(2)->setDeviceClock(s.clock.currentDateTime().addSecs(-250));
        const QAbstractItemModel* m = s.window->sprdStatusView()->model();
        const int column = m->columnCount() - 1;
        QCOMPARE(m->headerData(column, Qt::Horizontal).toString(), QStringLiteral("Clock"));
        const auto drift = [&](int row, int role = Qt::DisplayRole) {
            return m->index(row, column).data(role);
        };
        QVERIFY(RunUntil(s.clock, [&] { return drift(1).toString() == "4 min 10 s behind"; }));
        QCOMPARE(drift(0).toString(), QStringLiteral("0 s"));
        QVERIFY(drift(1, Qt::BackgroundRole).isValid());
        QVERIFY(!drift(0, Qt::BackgroundRole).isValid());
        QVERIFY(drift(1, Qt::ToolTipRole).toString().contains("behind the PC by 4 min 10 s"));
        QVERIFY(drift(3).toString().isEmpty()); // the silent meter
        s.window->togglePort();
        QVERIFY(drift(0).toString().isEmpty());
    }

    void clickingAStatusRowSelectsAnOkMeter_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("nextCommand");
        QTest::newRow("OK row") << 2 << "2" << RequestCode::RC_READ_COMMON;
        QTest::newRow("NG row") << 4 << "1" << 0;
    }

    void clickingAStatusRowSelectsAnOkMeter() {
        QFETCH(int, row);
        QFETCH(QString, selected);
        Session s(Reach::Polling);
        const TextTable& status = s.engine().tables().sprdStatus;
        // Wait for a moment between requests, so that the click's effect can be seen unchanged.
        QVERIFY(RunUntil(s.clock, [&] {
            return status.text(2, 4) == QStringLiteral("NG") &&
                   s.engine().state().gNextCommand == 0;
        }));
        QCOMPARE(s.window->selectedMeterText(), QStringLiteral("1"));
        QTableView* view = s.window->sprdStatusView();
        const QRect cell = view->visualRect(view->model()->index(row - 1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(s.window->selectedMeterText(), selected);
        QCOMPARE(s.engine().state().gSelAddress, selected.toInt());
        QTEST(s.engine().state().gNextCommand, "nextCommand");
    }

    void communicationViewShowsFramesAndCounters() {
        Session s(Reach::Polling);
        QAction* view = s.window->action(MainCommand::mHelpViewComm);
        // The switch is in the Online menu, beside the port and the monitors.
        auto* online = s.window->findChild<QMenu*>(QStringLiteral("mOnline"));
        QVERIFY(online && online->actions().contains(view));
        QVERIFY(!s.window->isCommViewVisible());
        view->trigger();
        QApplication::processEvents();
        QVERIFY(s.window->isCommViewVisible());
        QVERIFY(view->isChecked());
        auto* log = s.window->findChild<QTableView*>(QStringLiteral("sprdComm"));
        QVERIFY(log && log->isVisible());
        QVERIFY(log->model()->rowCount() > 0);

        const TextTable& counters = s.engine().tables().sprdCommState;
        QVERIFY(counters.integer(1, 1) > 0);
        s.window->findChild<QPushButton*>(QStringLiteral("btnCountClear"))->click();
        for (int r = 1; r <= counters.rowCount(); ++r)
            QCOMPARE(counters.text(1, r) + counters.text(2, r) + counters.text(3, r), QString());
        // The view reads a cleared or never-counted counter as 0, never blank.
        QAbstractItemModel* shown =
            s.window->findChild<QTableView*>(QStringLiteral("sprdCommState"))->model();
        QCOMPARE(shown->index(0, 2).data().toString(), QStringLiteral("0"));
        QCOMPARE(counters.text(0, 1), QStringLiteral("1")); // the address column stays

        view->trigger();
        QVERIFY(!s.window->isCommViewVisible());
        QVERIFY(!view->isChecked());
    }

    void meterListChangedDuringTheScan() {
        // A list edited during the scan restarts it; polling reaches every meter that answers.
        Session s(Reach::Scanning);
        RunUntil(s.clock, [&] { return s.engine().tables().sprdStatus.text(2, 2) == "OK"; });
        QCOMPARE(s.engine().phase(), CommEngine::Phase::Scanning);
        const ModalHook previous = SetModalHook([](QDialog& dialog) {
            auto* list = dialog.findChild<QTableView*>(QStringLiteral("sprdList"));
            auto* model = list->model();
            model->setData(model->index(0, 0), QString()); // address 1 leaves
            model->setData(model->index(4, 0), QString()); // the silent address 5 leaves
            QMetaObject::invokeMethod(&dialog, "accept");
            return dialog.result();
        });
        s.window->action(MainCommand::mSetMC)->trigger();
        SetModalHook(previous);
        QCOMPARE(s.engine().state().gMeterAddress, (QVector<int>{2, 3}));
        QVERIFY(
            RunUntil(s.clock, [&] { return s.engine().phase() == CommEngine::Phase::Polling; }));
        const TextTable& counters = s.engine().tables().sprdCommState;
        const auto good = [&](int row) { return counters.integer(1, row); };
        const qint64 before[2] = {good(1), good(2)};
        s.clock.advance(5000);
        QVERIFY(good(1) > before[0]);
        QVERIFY(good(2) > before[1]);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
