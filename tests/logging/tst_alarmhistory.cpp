#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "logging/AlarmHistory.h"
#include "support/SmallFilesystem.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A selected meter at row 1, address 5, with channel k's value k * 10 + 0.5.
struct History {
    CommState state;
    DeviceTables tables;
    AlarmHistory alarms;

    History(const QString& home, int channels = 12)
        : alarms(state, tables, AppPaths(home)) {
        tables.appendMeterRow(5);
        state.gSelMeter = 0;
        state.gSelAddress = 5;
        state.gChannelCount = channels;
        for (int k = 1; k <= 12; ++k)
            tables.sprdMON.setText(12 + k, 1, QStringLiteral("%1.5").arg(k * 10));
    }
    // Alarm words of channels 9..12, 5..8 and 1..4 (registers 30012, 30013, 30014).
    void check(int word9to12, int word5to8, int word1to4) {
        tables.sprdMON.setNumber(8, 1, word9to12);
        tables.sprdMON.setNumber(9, 1, word5to8);
        tables.sprdMON.setNumber(10, 1, word1to4);
        alarms.CheckAlarmHistory();
    }
    QList<int> onIndexes() const {
        QList<int> out;
        for (int i = 0; i < 48; ++i)
            if (alarms.gAlarmState[std::size_t(i)])
                out << i;
        return out;
    }
};

} // namespace

class TestAlarmHistory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bitLayout_data() {
        QTest::addColumn<int>("word9to12");
        QTest::addColumn<int>("word5to8");
        QTest::addColumn<int>("word1to4");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QList<int>>("on"); // indexes alarm * 12 + channel
        QTest::newRow("alarm 1 of channel 1") << 0 << 0 << 1 << 12 << QList<int>{0};
        QTest::newRow("alarm 4 of channel 12") << 32768 << 0 << 0 << 12 << QList<int>{3 * 12 + 11};
        QTest::newRow("alarm 2 of channel 6") << 0 << 0x20 << 0 << 12 << QList<int>{1 * 12 + 5};
        QTest::newRow("alarm 3 of channel 4") << 0 << 0 << 0x4000 << 12 << QList<int>{2 * 12 + 3};
        QTest::newRow("beyond a two-channel meter") << 1 << 1 << 0x101 << 2 << QList<int>{0};
        QTest::newRow("all off") << 0 << 0 << 0 << 12 << QList<int>{};
    }

    void bitLayout() {
        QFETCH(int, word9to12);
        QFETCH(int, word5to8);
        QFETCH(int, word1to4);
        QFETCH(int, channels);
        QFETCH(QList<int>, on);
        QTemporaryDir home;
        History h(home.path(), channels);
        h.check(word9to12, word5to8, word1to4);
        QCOMPARE(h.onIndexes(), on);
        for (int i : on) {
            const int ch = i % 12;
            QCOMPARE(h.alarms.gAlarmSetValue[std::size_t(i)], float((ch + 1) * 10 + 0.5));
            QCOMPARE(h.tables.sprdOldALM.text(4 * ch + i / 12 + 1, 1), QStringLiteral("1"));
        }
        // Any word with a bit set sounds the alarm, even bits beyond the meter's channels.
        QCOMPARE(h.alarms.gAlarmActive, word9to12 || word5to8 || word1to4);
    }

    void everyChangeIsSavedAtOnce() {
        QTemporaryDir home;
        History h(home.path());
        h.check(0, 0, 0x3); // two alarms come on together
        QCOMPARE(h.alarms.saveCount(), quint64(2));
        const QString file = home.filePath(QStringLiteral("ALM.005"));
        QCOMPARE(h.alarms.stateFilePath(5), file);
        QVERIFY(QFile::exists(file));
        h.check(0, 0, 0x3); // no change, no save
        QCOMPARE(h.alarms.saveCount(), quint64(2));
        h.tables.sprdMON.setText(13, 1, QStringLiteral("99.25"));
        h.check(0, 0, 0x2); // alarm 1 of channel 1 goes off at 99.25
        QCOMPARE(h.alarms.saveCount(), quint64(3));
        QCOMPARE(h.alarms.gAlarmSetValue[0], 99.25f);
        QCOMPARE(h.alarms.gAlarmSetValue[12], 10.5f); // alarm 2 keeps the value it came on at
    }

    void stateSurvivesARestart() {
        QTemporaryDir home;
        {
            History before(home.path());
            before.check(0x8000, 0, 0x1);
        }
        History after(home.path());
        after.alarms.PrepareAlarmHistory();
        QCOMPARE(after.onIndexes(), (QList<int>{0, 3 * 12 + 11}));
        QCOMPARE(after.alarms.gAlarmSetValue[3 * 12 + 11], 120.5f);
        // The alarms already on are no news: nothing changes, nothing is saved.
        after.check(0x8000, 0, 0x1);
        QCOMPARE(after.alarms.saveCount(), quint64(0));

        // Another meter has its own file; a meter without one keeps the table as it was.
        after.state.gSelAddress = 6;
        after.alarms.PrepareAlarmHistory();
        QCOMPARE(after.onIndexes(), (QList<int>{0, 3 * 12 + 11}));
    }

    void failedSaveIsToldAndClearedOnceSavedAgain() {
        SmallFilesystem fs(64);
        if (!fs.isMounted())
            QSKIP(qPrintable(fs.whyNot()));
        History h(fs.path());
        QStringList told;
        h.alarms.setStatusSink([&](const QString& text) { told << text; });
        h.check(0, 0, 0x1);
        const QByteArray saved = ReadBytes(fs.filePath(QStringLiteral("ALM.005")));
        QVERIFY(!saved.isEmpty());
        QVERIFY(told.isEmpty()); // nothing to tell while saves succeed

        QVERIFY(fs.fill());
        h.check(0, 0, 0x3);
        h.check(0, 0, 0x7); // a second failure adds nothing new to tell
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].contains(QStringLiteral("ALM.005")) &&
                     told[0].contains(QStringLiteral("space"), Qt::CaseInsensitive),
                 qPrintable(told[0]));
        QCOMPARE(ReadBytes(fs.filePath(QStringLiteral("ALM.005"))), saved);

        fs.unfill();
        h.check(0, 0, 0xF);
        QCOMPARE(told, QStringList({told[0], QString()}));
        History again(fs.path());
        again.alarms.PrepareAlarmHistory();
        QCOMPARE(again.onIndexes(), (QList<int>{0, 12, 24, 36})); // the changes missed are in
    }

    void unreadableFileKeepsWhatWasThere() {
        QTemporaryDir home;
        History h(home.path());
        h.check(0, 0, 0x10); // alarm 1 of channel 2
        WriteBytes(home.filePath(QStringLiteral("ALM.005")), "garbage\n");
        h.alarms.PrepareAlarmHistory();
        QCOMPARE(h.onIndexes(), (QList<int>{1}));
        QCOMPARE(h.tables.sprdOldALM.columnCount(), 48);
        h.check(0, 0, 0x30); // and the next change is saved over it
        History again(home.path());
        again.alarms.PrepareAlarmHistory();
        QCOMPARE(again.onIndexes(), (QList<int>{1, 12 + 1}));
    }
};

QTEST_GUILESS_MAIN(TestAlarmHistory)
#include "tst_alarmhistory.moc"
