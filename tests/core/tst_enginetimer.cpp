#include "core/Clock.h"
#include "core/EngineTimer.h"

#include <QTest>

// The engine's timers on the virtual clock (whose own order and wall time every engine test
// relies on).
class TestEngineTimer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void periodicTimerTicksUntilStoppedOrDestroyed() {
        VirtualClock clock;
        int ticks = 0;
        EngineTimer t(clock, QStringLiteral("t"), 50, [&] { ++ticks; });
        t.start();
        t.start(); // enabling an enabled timer changes nothing
        clock.advance(175);
        QCOMPARE(ticks, 3);
        t.stop();
        clock.advance(500);
        QCOMPARE(ticks, 3);
        {
            EngineTimer pending(clock, QStringLiteral("p"), 10, [&] { ++ticks; });
            pending.start();
        }
        clock.advance(100);
        QCOMPARE(ticks, 3);
    }

    // A stopped or restarted timer leaves no tick of its old count on the clock: each would
    // wake the program for nothing (a reply's time-out is stopped by nearly every reply).
    void stoppedTimerLeavesNothingOnTheClock() {
        VirtualClock clock;
        EngineTimer t(clock, QStringLiteral("t"), 1000, {});
        t.start();
        QCOMPARE(clock.pendingCount(), std::size_t(1));
        t.stop();
        QCOMPARE(clock.pendingCount(), std::size_t(0));
        t.start();
        t.startAt(500);
        QCOMPARE(clock.pendingCount(), std::size_t(1));
        const quint64 other = clock.schedule(10, 0, [] {});
        clock.cancel(other);
        clock.cancel(other); // again, and an id never handed out: ignored
        clock.cancel(987654);
        QCOMPARE(clock.pendingCount(), std::size_t(1));
    }

    void restartingResetsTheCount() {
        VirtualClock clock;
        QList<qint64> at;
        EngineTimer t(clock, QStringLiteral("t"), 100, {});
        t.setHandler([&] {
            at << clock.nowMs();
            t.stop(); // a one-shot, as the scheduler tick is
        });
        t.start();
        clock.advance(60);
        t.stop();
        t.start(); // restarted at 60: due at 160, not 100
        clock.advance(300);
        QCOMPARE(at, (QList<qint64>{160}));
    }
};

QTEST_GUILESS_MAIN(TestEngineTimer)
#include "tst_enginetimer.moc"
