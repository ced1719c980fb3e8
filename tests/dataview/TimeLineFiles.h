#pragma once

#include "support/DataFileBytes.h"

#include <QList>

// Files of records at chosen times: seconds from 2024-03-04 00:00:00 (within March).
namespace TimeLineFiles {

// 2024-03-04 00:00:00 in seconds since 2000-01-01: 8829 days.
constexpr qint64 kBase = 8829LL * 86400;

inline quint32 stampAt(qint64 offset) {
    const int day = 4 + int(offset / 86400);
    const qint64 s = offset % 86400;
    return DataFileBytes::stamp(2024, 3, day, int(s / 3600), int(s / 60 % 60), int(s % 60));
}

// A stand-in for an unreadable stamp: month 13.
constexpr qint64 kBadStamp = -1;

// Channel 1 carries the record's offset (so that a value says which record it is), the others
// a fixed value each.
inline DataFileBytes::Record recordAt(qint64 offset) {
    DataFileBytes::Record r;
    r.stamp = offset == kBadStamp ? DataFileBytes::stamp(2024, 13, 1, 0, 0, 0) : stampAt(offset);
    r.values[0] = float(offset);
    for (int ch = 1; ch < 12; ++ch)
        r.values[size_t(ch)] = float(ch * 10);
    return r;
}

inline QByteArray fileOf(const QList<qint64>& offsets) {
    QByteArray bytes = DataFileBytes::header();
    for (qint64 t : offsets)
        bytes += recordAt(t).bytes();
    return bytes;
}

// Offsets from `from` to `to` (inclusive) every `step` seconds.
inline QList<qint64> every(qint64 step, qint64 from, qint64 to) {
    QList<qint64> out;
    for (qint64 t = from; t <= to; t += step)
        out << t;
    return out;
}

} // namespace TimeLineFiles
