#pragma once

#include "logging/SaveSchedule.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <functional>

// The records a log run should have written and did not. A meter due a record that misses a
// save instant opens or widens its gap; the gap is named (span, number of records, why) when
// the meter's next record is written, or at the end of the run. Save instants that never came
// (the port closed, polling held up) count for every meter that was due a record before.
// Gaps name the instants of the schedule (whole seconds or minutes), whenever in its second
// or minute a save came. The PC's clock may be set while it runs (a time server's step, a
// change to or from summer time): the instants missed are then those of the time that really
// passed, on the program's own clock, not those the clock face skipped or went through again.
class RecordGaps {
public:
    using Say = std::function<void(const QString& line)>;
    RecordGaps(const SaveSchedule& schedule, Say say);

    struct Outcome {
        int meter = 0;   // meter index
        int address = 0; // its slave address, for the message
        bool written = false;
        QString why; // when not written
    };
    // A save instant passed (the save came at `saved`, `us` on the program's clock): one outcome
    // per meter due a record.
    void instant(const QDateTime& saved, qint64 us, const QList<Outcome>& outcomes);
    // Why save instants may not come from now on: it names the instants missed until the next
    // one comes.
    void setIdleReason(const QString& why) { m_idleWhy = why; }
    // The run ends at `end` (`us` on the program's clock): the instants missed since the last
    // one count, and every open gap is named.
    void finish(const QDateTime& end, qint64 us);
    // Another interval: the instants from the last save until the next one are not counted.
    void setSchedule(const SaveSchedule& schedule);

    quint64 lost() const { return m_lost; }
    // The instants of the schedule that never came, after the first one that did.
    quint64 instantsMissed() const { return m_instantsMissed; }

private:
    struct Gap {
        int address = 0;
        QDateTime from, to;
        quint64 count = 0;
        QString why;
    };
    // The instants missed after the last save up to `upTo` (`us` on the program's clock), for
    // every meter that was due a record then.
    void missSince(const QDateTime& upTo, qint64 us);
    void miss(const Outcome& meter, const QDateTime& from, const QDateTime& to, quint64 count);
    void name(const Gap& gap, bool untilEnd);
    QString idleWhy() const;

    SaveSchedule m_schedule;
    Say m_say;
    QDateTime m_last; // the instant of the last save
    qint64 m_lastUs = 0;
    QList<Outcome> m_lastDue;
    QMap<int, Gap> m_open;
    QString m_idleWhy;
    quint64 m_lost = 0;
    quint64 m_instantsMissed = 0;
};
