#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>

// The six parts of a recorder's date and time, one register each and in this order: the
// reserved start from 40019, the device clock from 40025.
enum class ClockField { Year, Month, Day, Hour, Minute, Second };
constexpr int ClockFieldCount = 6;
using ClockParts = std::array<int, ClockFieldCount>;

// A register holds no larger year.
constexpr int MaxClockYear = 65535;

// Days of `month` in `year`: 31 or 30, and for February 28, or 29 in a year divisible by 4
// unless it is divisible by 100 and not by 400. A month outside 1..12 counts 31 days.
int DaysInMonth(int year, int month);

// What the text of a field stands for: its number, truncated toward zero; 0 for text that is
// no number (empty, letters, "1:2").
int ClockFieldValue(const QString& text);
// True when the text reads as a number at all.
bool IsClockNumber(const QString& text);

// What a field is called ("YEAR", "MIN."), in the program's language.
QString ClockFieldCaption(ClockField field);

// A value as its field shows it: the year in four digits, every other part in two.
QString ClockFieldText(ClockField field, int value);

// A committed edit of a field, with the field's limits applied: a year below 1 becomes 1
// (and above the register's range its top), a month stays within 1..12, a day within the days
// of the group's month, an hour within 0..23, a minute or second within 0..59. The value is
// replaced, not refused. Text that is no number counts as 0: a year, month or day is then
// raised to its lowest value; an hour, minute or second keeps the text as typed and is
// written as 0.
struct LimitedField {
    QString text;         // what the field shows afterwards
    int value = 0;        // what is written to the meter
    bool limited = false; // a limit replaced the typed value
    // Said to the user when the typed text was changed, in the program's language: the
    // field, its limits and what the entry became ("MONTH takes 1 to 12: 13 becomes 12.").
    QString message;
};
// `year` and `month` are the values of the same group's year and month fields: the day is
// measured against them.
LimitedField LimitClockField(ClockField field, const QString& typed, int year = 2000,
                             int month = 1);

// All six parts with their limits, in order, the day against the limited year and month.
// Each part a limit changed is told in `corrections` ("day 31 becomes 30").
ClockParts LimitClockParts(const ClockParts& parts, QStringList* corrections = nullptr);

// "YYYY-MM-DD HH:MM:SS", two digits to every part but the year.
QString ClockPartsText(const ClockParts& parts);
ClockParts ClockPartsOf(const QDateTime& dateTime);
// The parts as a date and time; invalid when they name none (a month 13, a 30th of February).
QDateTime DateTimeOfParts(const ClockParts& parts);
// Reads "YYYY-MM-DD HH:MM:SS" (also with a T between date and time) into six numbers, each
// whatever its size; false when the text has another shape.
bool ParseClockText(const QString& text, ClockParts* parts);
