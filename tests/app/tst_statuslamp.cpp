#include "app/StatusLamp.h"
#include "core/Clock.h"

#include <QTest>

// The send and receive lamps of the main window's status bar stay lit while the frames follow
// each other closely, and flash when they come further apart.
class TestStatusLamp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A lamp shows a dark spell only when it lasts long enough to be seen.
    void lampShowsOnlyVisibleDarkSpells_data() {
        QTest::addColumn<int>("darkMs");
        QTest::addColumn<bool>("shownDark");
        QTest::newRow("just short") << StatusLamp::kShortestDarkMs - 1 << false;
        QTest::newRow("long enough") << StatusLamp::kShortestDarkMs << true;
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

QTEST_MAIN(TestStatusLamp)
#include "tst_statuslamp.moc"
