#include "comm/ChannelDisplay.h"
#include "comm/RequestCodes.h"
#include "sim/SimMeter.h"
#include "support/EngineHarness.h"

#include <QSignalSpy>
#include <QTest>

using namespace RequestCode;
using State = CommEngine::SettingsState;

Q_DECLARE_METATYPE(CommEngine::SettingsState)

// A settings read with an unanswered block: the request is sent again, same code, until the
// read completes, and whether the tables are whole is known all along.
class TestEngineSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void failingBlock_data() {
        QTest::addColumn<int>("start");    // start register of the failing block
        QTest::addColumn<int>("failures"); // time-outs in a row before it answers
        QTest::addColumn<QString>("read"); // the settings read as sent
        QTest::addColumn<bool>("incompleteShown");
        for (int failures = 1; failures <= 3; ++failures) {
            QTest::addRow("common block, %d failures", failures)
                << 40001 << failures
                << EngineHarness::expand(QStringLiteral("100@1*%1 101-112@1").arg(failures + 1))
                << (failures == 3);
            // The reply to channel 5 may be a late one to a try given up: a fence (98) goes
            // before channel 6, whose reply has the same length.
            QTest::addRow("channel 5, %d failures", failures)
                << 40501 << failures
                << EngineHarness::expand(
                       QStringLiteral("100-104@1 105@1*%1 98@1 106-112@1").arg(failures + 1))
                << (failures == 3);
        }
        QTest::newRow("channel 12, three failures")
            << 41201 << 3 << EngineHarness::expand("100-111@1 112@1*4") << true;
    }

    void failingBlock() {
        QFETCH(int, start);
        QFETCH(int, failures);
        QFETCH(QString, read);
        QFETCH(bool, incompleteShown);

        EngineHarness h;
        QSignalSpy states(&h.engine, &CommEngine::settingsStateChanged);
        QSignalSpy done(&h.engine, &CommEngine::settingsRead);
        // A first, clean read, then the meter is selected again: the faults meet the second.
        QVERIFY(h.openAndSettle());
        QVERIFY(h.engine.settingsComplete());
        QVERIFY(h.addFaults(
            QStringLiteral("noreply,meter=1,reg=%1,times=%2").arg(start).arg(failures)));
        h.bus().meter(1)->setReg(41212, 3); // channel 12's decimals, set on the meter's keys
        h.engine.selectMeter(1);
        QCOMPARE(h.engine.settingsState(), State::Reading);
        const int from = int(h.sent.size());
        QVERIFY(h.runUntil([&] { return h.firstOf(RC_POLL_STATUS, from) >= 0; }));
        const int end = h.firstOf(RC_POLL_STATUS, from);
        QCOMPARE(h.trace(from, end - from), read);

        QCOMPARE(done.count(), 2);
        QVERIFY(h.engine.settingsComplete());
        QVERIFY(h.engine.settingsMissing().isEmpty());
        QCOMPARE(h.counter(0, 2), failures);
        const bool shown =
            h.panel4.contains(QStringLiteral("Meter [1] ==> Settings read incomplete"));
        QCOMPARE(shown, incompleteShown);
        QCOMPARE(states.contains(QVariantList{QVariant::fromValue(State::Incomplete)}),
                 incompleteShown);
        if (incompleteShown)
            QVERIFY(h.panel4.last().isEmpty()); // the message goes once the read completes
        for (int ch = 1; ch <= 12; ++ch)
            QVERIFY(!h.tables().sprdP_CH.text(ch, 1).isEmpty());
        QVERIFY(!h.tables().sprdP_Common.text(1, 1).isEmpty());
        // A monitor of the meter, selected or not, shows the settings as now read.
        QCOMPARE(ChannelDisplay::ReadScannedChannelSettings(h.tables(), 1, 11).decimals, 3);
    }

    // A block never answered is asked again and again, saying what it lacks; without back-off the
    // other meters wait, with it they are polled and the read resumes once the meter answers.
    void blockNeverAnswered_data() {
        QTest::addColumn<int>("backoff");
        QTest::addColumn<QString>("afterThirdFailure");
        QTest::newRow("no back-off") << 0 << EngineHarness::expand("105@1*6");
        QTest::newRow("back-off") << 8 << EngineHarness::expand("11@2 12@2 11@3 12@3 11@2 12@2");
    }

    void blockNeverAnswered() {
        QFETCH(int, backoff);
        QFETCH(QString, afterThirdFailure);
        EngineHarness h;
        PortSettings port = h.engine.portSettings();
        port.backoff = QString::number(backoff);
        h.engine.setPortSettings(port);
        QVERIFY(h.addFaults(QStringLiteral("noreply,meter=1,reg=40501")));
        QVERIFY(h.engine.openPort());
        QVERIFY(h.runUntil([&] { return h.trace().count(QStringLiteral("105@1")) == 3; }));
        const int from = int(h.sent.size());
        QVERIFY(h.runUntil([&] { return h.sent.size() >= from + 6; }));
        QCOMPARE(h.trace(from, 6), afterThirdFailure);

        QCOMPARE(h.engine.settingsState(), State::Incomplete);
        QCOMPARE(h.engine.settingsMissing(), (QList<int>{5, 6, 7, 8, 9, 10, 11, 12}));
        QVERIFY(h.tables().sprdP_CH.text(5, 1).isEmpty());
        QVERIFY(!h.tables().sprdP_CH.text(4, 1).isEmpty());
        QVERIFY(!h.state().gSettingsRead);

        // The meter answers again: the read ends where it stopped, then monitoring.
        h.bus().faults().clear();
        const int back = int(h.sent.size());
        QVERIFY(h.runUntil([&] { return h.engine.settingsComplete(); }));
        QVERIFY(h.state().gSettingsRead);
        const QString after = h.trace(back);
        QVERIFY2(after.contains(EngineHarness::expand("105@1 98@1 106-112@1")), qPrintable(after));
        QVERIFY(!after.contains(QStringLiteral("100@1")));
    }
};

QTEST_GUILESS_MAIN(TestEngineSettings)
#include "tst_enginesettings.moc"
