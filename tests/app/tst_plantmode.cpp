#include "AppTestSupport.h"
#include "app/PlantListModel.h"
#include "monitor/TrendMonitor.h"
#include "support/BusPc.h"
#include "support/TestBroker.h"

#include <QAction>
#include <QTableView>

// Two bus PCs publish to a real mosquitto; the desktop program in plant mode shows every
// meter of both from the broker alone and opens a trend on a remote meter.
class TestPlantMode : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        if (const QString why = BusPcMissing(); !why.isEmpty())
            QSKIP(qPrintable(why));
    }

    void bothNodesListedAndARemoteTrendShowsItsMeter() {
        TestBroker broker;
        QString error;
        QVERIFY2(broker.prepare(&error), qPrintable(error));
        QVERIFY(broker.start());
        const QString url = QStringLiteral("mqtt://127.0.0.1:%1/plant").arg(broker.port());
        const QStringList flags{
            "--publish",          url, "--mqtt-user", TestBroker::user(), "--mqtt-password-file",
            broker.passwordFile()};
        BusPc line1(QStringLiteral("line1"), QStringLiteral("1:12:1.20,2:4:1.16"),
                    QStringLiteral("1,2"), flags);
        BusPc line2(QStringLiteral("line2"), QStringLiteral("3:6:1.20"), QStringLiteral("3"),
                    flags);

        SystemClock clock;
        TestHome home;
        auto window = MakeMainWindow(clock, home);
        PublishSettings settings;
        settings.url = url;
        settings.user = TestBroker::user();
        settings.passwordFile = broker.passwordFile();
        QVERIFY2(window->startPlantMode(settings, &error), qPrintable(error));
        QVERIFY(window->plantView()->isVisible());
        QVERIFY(!window->sprdStatusView()->isVisible());
        // Watching only: nothing that opens the port or writes to a meter can be chosen.
        for (MainCommand c :
             {MainCommand::mOnlinePortOpen, MainCommand::mSetPort, MainCommand::mPMeterList,
              MainCommand::mPMeterSysDate, MainCommand::mSetDSave})
            QVERIFY2(!window->action(c)->isEnabled() && !window->action(c)->toolTip().isEmpty(),
                     MenuItemOf(c).objectName);
        auto* save = window->findChild<QWidget*>(QStringLiteral("fraDataSave"));
        QVERIFY(save && !save->isEnabled() && !save->toolTip().isEmpty());
        QVERIFY(window->action(MainCommand::mOnlineSingleLine)->isEnabled());
        QCOMPARE(window->statusPanelText(2), QStringLiteral("127.0.0.1:%1").arg(broker.port()));

        // Every meter of both nodes, online, with its model and the clock of a record.
        PlantListModel* list = window->plantListModel();
        const QStringList expected{"line1\t1\t20 (12 ch)\tOK", "line1\t2\t40 (4 ch)\tOK",
                                   "line2\t3\t10 (6 ch)\tOK"};
        const auto shown = [&] {
            const QStringList rows = list->rowTexts();
            if (rows.size() != expected.size())
                return false;
            for (int i = 0; i < rows.size(); ++i)
                if (!rows[i].startsWith(expected[i]) || !rows[i].endsWith(u"\tonline") ||
                    rows[i].section(u'\t', 4, 4).size() != 19)
                    return false;
            return true;
        };
        QTRY_VERIFY2_WITH_TIMEOUT(shown(), qPrintable(list->rowTexts().join(u'\n')), 40000);

        // A trend on the six-channel meter of the other node, titled with both, runs on what
        // that node publishes.
        QVERIFY(window->selectPlantMeter(QStringLiteral("line2"), 3));
        window->runCommand(MainCommand::mOnlineSingleLine);
        QCOMPARE(window->openWindows().size(), 1);
        auto* trend = qobject_cast<TrendMonitor*>(window->openWindows().constFirst());
        QVERIFY(trend);
        QVERIFY2(trend->windowTitle().contains(QStringLiteral("line2 / Meter 3")),
                 qPrintable(trend->windowTitle()));
        QCOMPARE(trend->channels(), 6);
        SetMonitorTimerEnabled(trend, false);
        RunMonitorTick(trend);
        QVERIFY(trend->lastTickRefreshed());
        QCOMPARE(trend->model().newestSample(), 0);
        // A meter of the first node opens beside it.
        QVERIFY(window->selectPlantMeter(QStringLiteral("line1"), 2));
        window->runCommand(MainCommand::mOnlineSingleText);
        QCOMPARE(window->openWindows().size(), 2);
        // The plant's alarm list opens beside them, in plant mode only.
        auto* alarms = window->findChild<QAction*>(QStringLiteral("mPlantAlarms"));
        QVERIFY(alarms && alarms->isEnabled());
        alarms->trigger();
        QTRY_VERIFY(window->findChild<QWidget*>(QStringLiteral("PlantAlarmWindow")));

        // The broker away: no meter shown live (stale, or offline by its node's will) and the
        // window says so; back, every meter is online again.
        const auto allRows = [&](bool online) {
            const QStringList rows = list->rowTexts();
            return rows.size() == expected.size() &&
                   std::all_of(rows.begin(), rows.end(), [online](const QString& r) {
                       return r.endsWith(u"\tonline") == online;
                   });
        };
        broker.stop();
        QTRY_VERIFY2_WITH_TIMEOUT(allRows(false), qPrintable(list->rowTexts().join(u'\n')), 20000);
        QTRY_VERIFY2(window->statusPanelText(4).contains(QStringLiteral("shown stale")),
                     qPrintable(window->statusPanelText(4)));
        QVERIFY(broker.start());
        QTRY_VERIFY2_WITH_TIMEOUT(allRows(true), qPrintable(list->rowTexts().join(u'\n')), 40000);

        // A bus PC killed: the broker gives out its last will at once, and the watcher shows
        // its node offline within a second or two, the other node as it was.
        line2.logger.kill();
        QTRY_VERIFY2_WITH_TIMEOUT(list->rowTexts().value(2).endsWith(u"\toffline"),
                                  qPrintable(list->rowTexts().join(u'\n')), 2000);
        QVERIFY(list->rowTexts().value(0).endsWith(u"\tonline"));

        // Back to the local bus: the remote monitors close with the plant.
        window->stopPlantMode();
        QVERIFY(window->openWindows().isEmpty());
        QVERIFY(!window->findChild<QWidget*>(QStringLiteral("PlantAlarmWindow")));
        QVERIFY(!alarms->isEnabled());
        QVERIFY(window->sprdStatusView()->isVisible());
        QVERIFY(window->action(MainCommand::mOnlinePortOpen)->isEnabled());
        QVERIFY(save->isEnabled() && window->action(MainCommand::mSetDSave)->isEnabled());
        window->quitWithoutAsking();
    }
};

QTEST_MAIN(TestPlantMode)
#include "tst_plantmode.moc"
