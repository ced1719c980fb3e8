#include "core/Clock.h"

#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <vector>

namespace {

struct Run {
    int id;
    qint64 dueUs;
    qint64 ranUs;
};

} // namespace

// The program's clock on the real event loop. Only what holds however busy the machine is:
// nothing runs before its time, everything runs, in time order, and a cancelled callback never.
class TestSystemClock : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void runsEverythingInTimeOrderNeverEarly_data() {
        QTest::addColumn<QList<int>>("delaysMs");
        QTest::addColumn<QList<int>>("slacksMs");
        QTest::addColumn<QList<int>>("cancelled"); // indexes
        QTest::newRow("exact") << QList<int>{30, 0, 10, 20} << QList<int>{0, 0, 0, 0}
                               << QList<int>{};
        // A callback with slack rides on a later exact one, or wakes the loop itself.
        QTest::newRow("slack behind an exact one")
            << QList<int>{5, 40} << QList<int>{500, 0} << QList<int>{};
        QTest::newRow("slack alone") << QList<int>{5, 15} << QList<int>{30, 60} << QList<int>{};
        QTest::newRow("the earliest cancelled")
            << QList<int>{5, 20, 25} << QList<int>{0, 0, 40} << QList<int>{0};
        QTest::newRow("all but one cancelled")
            << QList<int>{5, 10, 15} << QList<int>{0, 0, 0} << QList<int>{0, 2};
    }

    void runsEverythingInTimeOrderNeverEarly() {
        QFETCH(QList<int>, delaysMs);
        QFETCH(QList<int>, slacksMs);
        QFETCH(QList<int>, cancelled);
        SystemClock clock;
        std::vector<Run> runs;
        QList<quint64> ids;
        for (int i = 0; i < delaysMs.size(); ++i) {
            const qint64 due = clock.nowUs() + qint64(delaysMs[i]) * 1000;
            ids << clock.schedule(qint64(delaysMs[i]) * 1000, qint64(slacksMs[i]) * 1000,
                                  [&, i, due] {
                                      runs.push_back({i, due, clock.nowUs()});
                                  });
        }
        for (int i : cancelled)
            clock.cancel(ids[i]);
        const std::size_t expected = std::size_t(delaysMs.size() - cancelled.size());
        QTRY_COMPARE_WITH_TIMEOUT(runs.size(), expected, 10000);
        QTest::qWait(100); // nothing more comes
        QCOMPARE(runs.size(), expected);
        for (std::size_t k = 0; k < runs.size(); ++k) {
            QVERIFY(!cancelled.contains(runs[k].id));
            QVERIFY2(runs[k].ranUs >= runs[k].dueUs, "ran before its time");
            if (k > 0)
                QVERIFY(runs[k - 1].dueUs <= runs[k].dueUs);
        }
    }

    void virtualClockTakesSlackThisWay_data() {
        QTest::addColumn<QList<int>>("delaysMs");
        QTest::addColumn<QList<int>>("slacksMs");
        QTest::addColumn<QStringList>("ran"); // "index@ms", in the order they ran
        QTest::newRow("exact") << QList<int>{30, 0, 10} << QList<int>{0, 0, 0}
                               << QStringList{"1@0", "2@10", "0@30"};
        QTest::newRow("slack behind an exact one")
            << QList<int>{5, 40} << QList<int>{500, 0} << QStringList{"0@40", "1@40"};
        QTest::newRow("slack alone")
            << QList<int>{5, 15} << QList<int>{30, 60} << QStringList{"0@35", "1@35"};
        QTest::newRow("slack before a later exact one")
            << QList<int>{5, 100} << QList<int>{10, 0} << QStringList{"0@15", "1@100"};
    }

    // The virtual clock taking slack runs such a callback at the next wake-up, in order with the
    // others due, so tests see the moments the program runs it.
    void virtualClockTakesSlackThisWay() {
        QFETCH(QList<int>, delaysMs);
        QFETCH(QList<int>, slacksMs);
        QFETCH(QStringList, ran);
        VirtualClock clock;
        clock.setSlackTaken(true);
        QStringList runs;
        for (int i = 0; i < delaysMs.size(); ++i)
            clock.schedule(qint64(delaysMs[i]) * 1000, qint64(slacksMs[i]) * 1000,
                           [&, i] { runs << QStringLiteral("%1@%2").arg(i).arg(clock.nowMs()); });
        clock.advance(1000);
        QCOMPARE(runs, ran);
    }

    // A callback may wait in an event loop of its own (a message box) for another one it
    // queued: the clock's timer must be set before that loop waits.
    void callbackWaitingForAnotherInItsOwnLoop() {
        SystemClock clock;
        bool inner = false;
        bool outerDone = false;
        clock.callAfter(1, [&] {
            QEventLoop loop;
            clock.schedule(20000, 10000, [&] {
                inner = true;
                loop.quit();
            });
            QTimer::singleShot(10000, &loop, &QEventLoop::quit); // not for ever, if it fails
            loop.exec();
            outerDone = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(outerDone, 10000);
        QVERIFY(inner);
    }
};

QTEST_GUILESS_MAIN(TestSystemClock)
#include "tst_systemclock.moc"
