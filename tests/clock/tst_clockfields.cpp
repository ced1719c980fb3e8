#include "clock/ClockDrift.h"
#include "clock/ClockFields.h"
#include "clock/ClockFrames.h"

#include <QTest>

Q_DECLARE_METATYPE(ClockField)

namespace {
QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}
} // namespace

// The limits of the clock and reserve fields, the frames that write them, and the drift of a
// meter's clock against the PC's.
class TestClockFields : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A committed edit: the text the field shows afterwards and the value written.
    void committedEdit_data() {
        QTest::addColumn<ClockField>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("year"); // of the same group, for the day
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("written");
        const auto Y = ClockField::Year, M = ClockField::Month, D = ClockField::Day,
                   H = ClockField::Hour, Mi = ClockField::Minute, S = ClockField::Second;
        QTest::newRow("day 31 in April") << D << "31" << 2026 << 4 << "30" << 30;
        QTest::newRow("29 Feb 2100") << D << "29" << 2100 << 2 << "28" << 28;
        QTest::newRow("day 0") << D << "0" << 2026 << 1 << "01" << 1;
        QTest::newRow("day, month out of range") << D << "31" << 2026 << 13 << "31" << 31;
        QTest::newRow("month 13") << M << "13" << 2026 << 1 << "12" << 12;
        QTest::newRow("year 0") << Y << "0" << 0 << 1 << "0001" << 1;
        QTest::newRow("year past the register") << Y << "70000" << 0 << 1 << "65535" << 65535;
        QTest::newRow("hour 24") << H << "24" << 2026 << 1 << "23" << 23;
        QTest::newRow("minute 60") << Mi << "60" << 2026 << 1 << "59" << 59;
        QTest::newRow("spaces and a fraction") << S << " 7.9 " << 2026 << 1 << "07" << 7;
        // Text that is no number counts as 0.
        QTest::newRow("letters in the year") << Y << "abc" << 0 << 1 << "0001" << 1;
        QTest::newRow("empty month") << M << "" << 2026 << 1 << "01" << 1;
        QTest::newRow("letters in the hour") << H << "ab" << 2026 << 1 << "ab" << 0;
        QTest::newRow("colon in the minute") << Mi << "1:2" << 2026 << 1 << "1:2" << 0;
    }
    void committedEdit() {
        QFETCH(ClockField, field);
        QFETCH(QString, typed);
        QFETCH(int, year);
        QFETCH(int, month);
        const LimitedField limited = LimitClockField(field, typed, year, month);
        QTEST(limited.text, "shown");
        QTEST(limited.value, "written");
    }

    void partsAreLimitedInOrderAndSaid() {
        QStringList said;
        const ClockParts parts = LimitClockParts({2025, 14, 31, 25, 0, 61}, &said);
        // The day is measured against the month as limited (December), not as given.
        QCOMPARE(parts, (ClockParts{2025, 12, 31, 23, 0, 59}));
        QCOMPARE(said, (QStringList{"month 14 becomes 12", "hour 25 becomes 23",
                                    "second 61 becomes 59"}));
        said.clear();
        QCOMPARE(LimitClockParts({2025, 2, 30, 10, 0, 0}, &said),
                 (ClockParts{2025, 2, 28, 10, 0, 0}));
        QCOMPARE(said, QStringList{"day 30 becomes 28"});
    }

    void clockText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("parses");
        QTest::addColumn<QString>("asWritten"); // after the limits
        QTest::newRow("plain") << "2026-12-24 06:30:00" << true << "2026-12-24 06:30:00";
        QTest::newRow("with T") << "2026-12-24T06:30:00" << true << "2026-12-24 06:30:00";
        QTest::newRow("short parts") << "2026-1-2 3:4:5" << true << "2026-01-02 03:04:05";
        QTest::newRow("31 April") << "2026-04-31 00:00:00" << true << "2026-04-30 00:00:00";
        QTest::newRow("no time") << "2026-12-24" << false << "";
        QTest::newRow("letters") << "tomorrow 06:30" << false << "";
        QTest::newRow("slashes") << "2026/12/24 06:30:00" << false << "";
        QTest::newRow("trailing junk") << "2026-12-24 06:30:00x" << false << "";
    }
    void clockText() {
        QFETCH(QString, text);
        ClockParts parts{};
        QTEST(ParseClockText(text, &parts), "parses");
        if (ParseClockText(text, &parts))
            QTEST(ClockPartsText(LimitClockParts(parts)), "asWritten");
    }

    void frames_data() {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("ON, slave 1")
            << ReserveSwitchFrame(1, true) << hex("01 10 9C 52 00 01 02 00 01 36 2B");
        QTest::newRow("OFF, slave 1")
            << ReserveSwitchFrame(1, false) << hex("01 10 9C 52 00 01 02 00 00 F7 EB");
        QTest::newRow("reserve day 30, slave 2")
            << ReserveFieldFrame(2, ClockField::Day, 30) << hex("02 10 9C 55 00 01 02 00 1E 62 A4");
        QTest::newRow("reserve year 1, slave 1")
            << ReserveFieldFrame(1, ClockField::Year, 1) << hex("01 10 9C 53 00 01 02 00 01 37 FA");
        QTest::newRow("reserve hour 0, slave 3")
            << ReserveFieldFrame(3, ClockField::Hour, 0) << hex("03 10 9C 56 00 01 02 00 00 EF 0F");
        QTest::newRow("SET 2024-02-29 13:05:09")
            << ClockSetFrame(1, {2024, 2, 29, 13, 5, 9})
            << hex("01 10 9C 59 00 06 0C 07 E8 00 02 00 1D 00 0D 00 05 00 09 F8 5C");
    }
    void frames() {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, expected);
        QCOMPARE(frame.toHex(' ').toUpper(), expected.toHex(' ').toUpper());
    }

    void drift_data() {
        QTest::addColumn<QString>("meter");
        QTest::addColumn<QTime>("pc"); // on 2026-12-06
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<bool>("notice");
        QTest::addColumn<QString>("text");
        const QString t = QStringLiteral("2026-12-06 21:05:03");
        QTest::newRow("same second, early")
            << t << QTime(21, 5, 3, 100) << true << 0LL << false << "0 s";
        QTest::newRow("same second, late")
            << t << QTime(21, 5, 3, 950) << true << 0LL << false << "0 s";
        QTest::newRow("a second behind")
            << t << QTime(21, 5, 4, 700) << true << -1LL << false << "1 s behind";
        QTest::newRow("30 s ahead") << "2026-12-06 21:05:33" << QTime(21, 5, 3, 400) << true << 30LL
                                    << false << "30 s ahead";
        QTest::newRow("31 s ahead") << "2026-12-06 21:05:34" << QTime(21, 5, 3, 400) << true << 31LL
                                    << true << "31 s ahead";
        QTest::newRow("minutes behind") << "2026-12-06 21:01:58" << QTime(21, 5, 3, 400) << true
                                        << -185LL << true << "3 min 05 s behind";
        QTest::newRow("over midnight") << "2026-12-07 00:00:01" << QTime(23, 59, 59, 400) << true
                                       << 2LL << false << "2 s ahead";
        QTest::newRow("hours behind") << "2026-12-06 18:55:03" << QTime(21, 5, 3, 400) << true
                                      << -7800LL << true << "2 h 10 min behind";
        QTest::newRow("a year behind") << "2025-11-05 18:05:03" << QTime(21, 5, 3, 400) << true
                                       << -(396LL * 86400 + 3 * 3600) << true << "396 d 3 h behind";
        QTest::newRow("no such day")
            << "2026-02-30 21:05:03" << QTime(21, 5, 3) << false << 0LL << true << "";
        QTest::newRow("a flat battery")
            << "0-00-00 00:00:00" << QTime(21, 5, 3) << false << 0LL << true << "";
        QTest::newRow("never read") << "" << QTime(21, 5, 3) << false << 0LL << true << "";
    }
    void drift() {
        QFETCH(QString, meter);
        QFETCH(QTime, pc);
        QFETCH(bool, valid);
        const ClockDrift::Reading r = ClockDrift::measure(meter, QDateTime(QDate(2026, 12, 6), pc));
        QCOMPARE(r.isValid(), valid);
        QTEST(r.needsNotice(), "notice");
        if (valid) {
            QTEST(r.seconds, "seconds");
            QTEST(ClockDrift::driftText(r.seconds), "text");
        }
    }
};

QTEST_GUILESS_MAIN(TestClockFields)
#include "tst_clockfields.moc"
