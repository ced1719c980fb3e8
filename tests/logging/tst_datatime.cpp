#include "logging/DataTime.h"
#include "support/DataFileBytes.h"

#include <QTest>

// Record times as numbers: which stamps name a moment, and the times a user types.
class TestDataTime : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void stampsNameMomentsOrNone_data() {
        QTest::addColumn<quint32>("stamp");
        QTest::addColumn<qint64>("seconds"); // -1: no moment
        using DataFileBytes::stamp;
        // 2024-03-04 is 8829 days after 2000-01-01.
        QTest::newRow("2000-01-01 00:00:00") << stamp(2000, 1, 1, 0, 0, 0) << qint64(0);
        QTest::newRow("2024-03-04 05:06:07")
            << stamp(2024, 3, 4, 5, 6, 7) << qint64(8829LL * 86400 + 5 * 3600 + 6 * 60 + 7);
        QTest::newRow("leap day") << stamp(2024, 2, 29, 0, 0, 0) << qint64(8825LL * 86400);
        QTest::newRow("2000 was a leap year")
            << stamp(2000, 2, 29, 0, 0, 0) << qint64(59LL * 86400);
        QTest::newRow("29 February 2023") << stamp(2023, 2, 29, 0, 0, 0) << qint64(-1);
        QTest::newRow("31 April") << stamp(2024, 4, 31, 0, 0, 0) << qint64(-1);
        QTest::newRow("month 13") << stamp(2024, 13, 1, 0, 0, 0) << qint64(-1);
        QTest::newRow("month 0") << stamp(2024, 0, 1, 0, 0, 0) << qint64(-1);
        QTest::newRow("hour 24") << stamp(2024, 1, 1, 24, 0, 0) << qint64(-1);
        QTest::newRow("second 60") << stamp(2024, 1, 1, 0, 0, 60) << qint64(-1);
        QTest::newRow("bit 31") << (stamp(2024, 1, 1, 0, 0, 0) | 0x80000000u) << qint64(-1);
    }

    void stampsNameMomentsOrNone() {
        QFETCH(quint32, stamp);
        QFETCH(qint64, seconds);
        const std::optional<qint64> t = DataTime::stampSeconds(stamp);
        QCOMPARE(t.value_or(-1), seconds);
        if (t)
            QCOMPARE(DataTime::stampOf(*t), stamp);
    }

    void typedTimes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("last");
        QTest::addColumn<QString>("means"); // empty: refused
        QTest::newRow("a day") << "2024-03-04" << false << "2024-03-04 00:00:00";
        QTest::newRow("a day, to its end") << "2024-03-04" << true << "2024-03-04 23:59:59";
        QTest::newRow("a minute, to its end")
            << "2024-03-04 14:00" << true << "2024-03-04 14:00:59";
        QTest::newRow("with seconds") << " 2024-03-04T14:00:05 " << true << "2024-03-04 14:00:05";
        QTest::newRow("one-digit month") << "2024-3-4 9:05" << false << "2024-03-04 09:05:00";
        QTest::newRow("no such day") << "2024-02-30" << false << "";
        QTest::newRow("before 2000") << "1999-12-31" << false << "";
        QTest::newRow("words") << "yesterday" << false << "";
    }

    void typedTimes() {
        QFETCH(QString, text);
        QFETCH(bool, last);
        const std::optional<qint64> t = DataTime::parse(text, last);
        QTEST(t ? DataTime::text(*t) : QString(), "means");
    }
};

QTEST_GUILESS_MAIN(TestDataTime)
#include "tst_datatime.moc"
