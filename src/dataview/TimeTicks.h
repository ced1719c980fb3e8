#pragma once

#include <QString>
#include <vector>

// Marks along a time axis from `from` to `to` (seconds, see DataTime) over `width` pixels:
// at round times (every 10 s, 5 min, 6 h, a day ...) no closer than `spacing` pixels. Each
// mark has its time of day (or date, for steps of a day and more); a mark where the day
// changes, and the first one, also carry the date.
struct TimeTick {
    qint64 time = 0;
    double x = 0;
    QString label;
    QString date; // empty where the day is the one before
};

std::vector<TimeTick> TimeTicks(double from, double to, int width, int spacing);
// A span as a user reads it: "45 s", "10 min", "2 h 30 min", "3 d 4 h".
QString SpanText(double seconds);
