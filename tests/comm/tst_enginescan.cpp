#include "comm/AlarmHistoryHook.h"
#include "comm/RequestCodes.h"
#include "support/EngineHarness.h"

#include <QSignalSpy>
#include <QTest>

namespace {
struct CountingHistory : AlarmHistoryHook {
    int prepared = 0, checked = 0;
    void PrepareAlarmHistory() override { ++prepared; }
    void CheckAlarmHistory() override { ++checked; }
};
} // namespace

// The meter scan, the channel scan, the settings read and the monitoring cycle against the
// simulated bus, on the virtual clock.
class TestEngineScan : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scanThenMonitoring_data() {
        QTest::addColumn<QString>("bus");
        QTest::addColumn<QList<int>>("meters");
        QTest::addColumn<QString>("scan");
        QTest::addColumn<QString>("monitoring");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("channels");
        QTest::addColumn<double>("paramVersion");
        QTest::addColumn<int>("commonRegisters");
        QTest::addColumn<QString>("online"); // per meter: 1 answered the scan

        const QString err = QStringLiteral("Meter [%1] ==> COMM. Error");
        QTest::newRow("every meter answers")
            << "DEMO" << QList<int>{1, 2, 3}
            << "98@1 99@1 98@2 99@2 98@3 99@3 901-912@1 901-912@2 901-912@3 100-112@1"
            << "11@1 12@1 11@2 12@2 11@3 12@3 11@1 12@1" << QStringList{} << 1 << 12 << 1.07 << 77
            << "111";
        QTest::newRow("only the third answers")
            << "DEMO:3:4:1.10" << QList<int>{1, 2, 3}
            << "98@1*3 98@2*3 98@3 99@3 901-904@3 100-104@3"
            << "11@3 12@3 11@3 12@3" << QStringList{err.arg(1), err.arg(2)} << 3 << 4 << 1.06 << 77
            << "001";
        // However the last probe ends, the channel descriptions of every online meter are read.
        QTest::newRow("the last is silent")
            << "DEMO:1:12:1.20,3:6:1.16" << QList<int>{1, 3, 5}
            << "98@1 99@1 98@3 99@3 98@5*3 901-912@1 901-912@3 100-112@1"
            << "11@1 12@1 11@3 12@3 11@1 12@1" << QStringList{err.arg(5)} << 1 << 12 << 1.07 << 77
            << "110";
        QTest::newRow("a silent meter in the middle")
            << "DEMO:1:2:1.05,3:12:2.10" << QList<int>{1, 2, 3}
            << "98@1 99@1 98@2*3 98@3 99@3 901-902@1 901-902@3 100-102@1"
            << "11@1 12@1 11@3 12@3 11@1 12@1" << QStringList{err.arg(2)} << 1 << 2 << 1.06 << 74
            << "101";
        QTest::newRow("addresses with gaps")
            << "DEMO:2:4:1.16,5:2:2.10" << QList<int>{2, 5}
            << "98@2 99@2 98@5 99@5 901-904@2 901-904@5 100-104@2"
            << "11@2 12@2 11@5 12@5 11@2" << QStringList{} << 2 << 4 << 1.07 << 77 << "11";
    }

    void scanThenMonitoring() {
        QFETCH(QString, bus);
        QFETCH(QList<int>, meters);
        QFETCH(QString, scan);
        QFETCH(QString, monitoring);
        QFETCH(QString, online);

        EngineHarness h(bus, meters);
        QSignalSpy menus(&h.engine, &CommEngine::portClosedMenus);
        QSignalSpy settings(&h.engine, &CommEngine::settingsRead);
        QVERIFY(h.openAndSettle());
        const int firstPoll = h.firstOf(RequestCode::RC_POLL_STATUS);
        const QString trace = h.trace(0, firstPoll);
        QCOMPARE(trace, EngineHarness::expand(scan));
        const QStringList expected = EngineHarness::expand(monitoring).split(u' ');
        QVERIFY(h.runUntil([&] { return h.sent.size() >= firstPoll + expected.size(); }));
        QCOMPARE(h.trace(firstPoll, int(expected.size())), expected.join(u' '));

        const CommState& s = h.state();
        QTEST(s.gSelAddress, "selected");
        QTEST(s.gChannelCount, "channels");
        QTEST(s.gParamVersion, "paramVersion");
        QTEST(h.sent[h.firstOf(RequestCode::RC_READ_COMMON)].count(), "commonRegisters");
        QVERIFY(s.gSettingsRead);
        QVERIFY(s.gPollCycleDone); // values were read since the settings
        QCOMPARE(settings.count(), 1);
        QCOMPARE(menus.count(), 1);
        QCOMPARE(menus.first().first().toBool(), false);

        QStringList shown;
        for (const QString& text : std::as_const(h.panel4))
            if (!text.isEmpty())
                shown << text;
        QTEST(shown, "errors");
        QVERIFY(h.panel4.last().isEmpty());
        for (int k = 0; k < meters.size(); ++k) {
            const bool answered = online[k] == u'1';
            QCOMPARE(s.gMeterOnline[k], answered);
            QCOMPARE(h.tables().sprdStatus.text(2, k + 1), answered ? "OK" : "NG");
            // Every answering meter's channels have their names and units.
            const TextTable& mon = h.tables().sprdMON;
            if (answered)
                for (int ch = 1; ch <= s.gChannelCount; ++ch) {
                    const int first = 29 + 6 * (ch - 1);
                    QVERIFY2(!mon.text(first, k + 1).trimmed().isEmpty(), qPrintable(trace));
                    QVERIFY(!mon.text(first + 3, k + 1).isEmpty());
                }
        }
    }

    void scanWithoutAnswerClosesThePort_data() {
        QTest::addColumn<QString>("bus");
        QTest::addColumn<QList<int>>("meters");
        QTest::addColumn<int>("requests");
        QTest::addColumn<QString>("panel4");
        QTest::newRow("no meter answers")
            << "DEMO:9:2:1.20" << QList<int>{1, 2} << 6 << "Meter [2] ==> COMM. Error";
        QTest::newRow("no meter enabled")
            << "DEMO" << QList<int>{} << 0 << "No meter enabled ==> Port Closed";
    }

    void scanWithoutAnswerClosesThePort() {
        QFETCH(QString, bus);
        QFETCH(QList<int>, meters);
        EngineHarness h(bus, meters);
        QSignalSpy open(&h.engine, &CommEngine::portOpenChanged);
        QSignalSpy menus(&h.engine, &CommEngine::portClosedMenus);
        QVERIFY(h.engine.openPort());
        QVERIFY(h.runUntil([&] { return !h.engine.isPortOpen(); }, 60000));
        h.clock.advance(10000);
        QTEST(int(h.sent.size()), "requests");
        QTEST(h.panel4.last(), "panel4");
        QCOMPARE(h.engine.phase(), CommEngine::Phase::Closed);
        QVERIFY(!h.engine.lastFailure().isEmpty());
        QCOMPARE(open.count(), 2);
        QCOMPARE(open.last().first().toBool(), false);
        QCOMPARE(menus.count(), 1);
        QCOMPARE(menus.last().first().toBool(), true);
        QVERIFY(!h.engine.tmrTX().isEnabled() && !h.engine.tmrRX_TOVR().isEnabled());
    }

    void selectionCountClearAndAlarmHistory() {
        EngineHarness h;
        CountingHistory history;
        h.engine.setAlarmHistory(&history);
        QVERIFY(h.openAndSettle());
        QCOMPARE(history.prepared, 1);

        // The history is checked each time the cycle comes back to the selected meter.
        const int from = int(h.sent.size());
        QVERIFY(h.runUntil([&] { return h.trace(from).count(QStringLiteral("12@3")) == 3; }));
        QVERIFY(h.runUntil([&] { return h.sent.last().code == RequestCode::RC_POLL_STATUS; }));
        QCOMPARE(history.checked, 3);

        // A meter whose link reads "NG" cannot be selected.
        h.bus().faults().add(SimFaultRule::noReply().forMeter(2).atMost(1));
        QVERIFY(h.runUntil([&] { return h.tables().sprdStatus.text(2, 2) == "NG"; }));
        h.engine.selectMeter(2);
        QCOMPARE(h.state().gSelAddress, 1);
        QCOMPARE(h.state().gNextCommand, 0);

        // Once it answers again it can: its settings are read, then monitoring goes on from it.
        QVERIFY(h.runUntil([&] { return h.tables().sprdStatus.text(2, 2) == "OK"; }));
        QSignalSpy selected(&h.engine, &CommEngine::selectedMeterChanged);
        h.engine.selectMeter(2);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.first().first().toInt(), 2);
        QCOMPARE(history.prepared, 2);
        const int at = int(h.sent.size());
        QVERIFY(h.runUntil([&] { return h.sent.size() >= at + 9; }));
        QCOMPARE(h.trace(at, 9), EngineHarness::expand("100-106@2 11@2 12@2"));
        QCOMPARE(h.state().gChannelCount, 6);
        QCOMPARE(h.state().gDeviceVersion, 1.16);

        // Count Clear empties every counter; the next good frame counts from 1 again.
        h.engine.countClear();
        for (int row = 1; row <= 3; ++row)
            for (int column = 1; column <= 3; ++column)
                QVERIFY(h.tables().sprdCommState.text(column, row).isEmpty());
        const int before = int(h.sent.size());
        QVERIFY(h.runUntil([&] { return h.sent.size() > before + 1; }));
        QCOMPARE(h.tables().sprdCommState.text(1, h.sent[before].meter + 1), "1");
    }
};

QTEST_GUILESS_MAIN(TestEngineScan)
#include "tst_enginescan.moc"
