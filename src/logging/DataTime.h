#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// Record times as plain numbers: seconds since 2000-01-01 00:00:00 of the PC's wall clock
// that the stamp was taken from (no time zone; a clock put back shows as time going back).
namespace DataTime {

constexpr bool isLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

constexpr int daysInMonth(int y, int m) {
    constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeapYear(y) ? 29 : days[m - 1];
}

// Days from 2000-01-01 to y-m-d (y >= 2000), counting years from March so that the leap day
// comes last.
constexpr qint64 daysSince2000(int y, int m, int d) {
    const int yearFromMarch = m <= 2 ? y - 1 : y;
    const int era = yearFromMarch / 400;
    const int yearOfEra = yearFromMarch - era * 400;
    const int dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return qint64(era) * 146097 + dayOfEra - 730425;
}

// The time of a record's stamp, or nothing when a field is outside its range (month 13,
// 31 April, hour 24 ...): such a stamp names no moment.
constexpr std::optional<qint64> stampSeconds(quint32 s) {
    const int year = 2000 + int((s >> 26) & 0x1F);
    const int month = int((s >> 22) & 0xF);
    const int day = int((s >> 17) & 0x1F);
    const int hour = int((s >> 12) & 0x1F);
    const int minute = int((s >> 6) & 0x3F);
    const int second = int(s & 0x3F);
    if ((s >> 31) != 0 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month) ||
        hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    return daysSince2000(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
}

// The stamp of a time (2000 to 2031; earlier and later times are clamped to the ends).
quint32 stampOf(qint64 seconds);
// "YYYY-MM-DD HH:MM:SS".
QString text(qint64 seconds);
// Reads "YYYY-MM-DD", "YYYY-MM-DD HH:MM" or "YYYY-MM-DD HH:MM:SS" (a "T" may stand for the
// blank). `last` gives the last second the text names instead of the first: "2024-01-05" is
// 23:59:59 of that day, "2024-01-05 14:00" is 14:00:59.
std::optional<qint64> parse(const QString& text, bool last = false);

} // namespace DataTime
