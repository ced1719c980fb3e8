#pragma once

#include <QDateTime>

struct SaveSettings;

// The save instants of the data file writer, as its save tick finds them: the whole seconds
// (unit "sec") or whole minutes (unit "min") of the PC's clock whose second of the minute (or
// minute of the hour) is a multiple of the interval. An interval that does not divide the
// minute (or the hour) starts over at each: every 7 s saves at :00, :07 ... :56, then :00.
// A save comes in the first tick of its second (or minute) in which polling lets it; a second
// (or minute) without such a tick has no record at all.
class SaveSchedule {
public:
    explicit SaveSchedule(const SaveSettings& settings);
    SaveSchedule(int intervalSeconds, bool minutes);

    // The instant a save made at `at` belongs to: `at` cut to its second (or minute).
    QDateTime instantOf(const QDateTime& at) const;
    // How many instants lie after `after` up to and including `upTo`.
    qint64 count(const QDateTime& after, const QDateTime& upTo) const;
    // The first instant after `after`, and the last one not after `upTo`.
    QDateTime firstAfter(const QDateTime& after) const;
    QDateTime lastUpTo(const QDateTime& upTo) const;
    // What instantOf() cuts to: a second, or a minute.
    qint64 grainSeconds() const { return m_period == 3600 ? 60 : 1; }

private:
    qint64 m_step;   // seconds between instants within a period
    qint64 m_period; // the minute or the hour, in seconds
};
