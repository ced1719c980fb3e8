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
// or minute a save came.
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
    // A save instant passed (the save came at `saved`): one outcome per meter due a record.
    void instant(const QDateTime& saved, const QList<Outcome>& outcomes);
    // Why save instants may not come from now on: it names the instants missed until the next
    // one comes.
    void setIdleReason(const QString& why) { m_idleWhy = why; }
    // The run ends at `end`: the instants missed since the last one count, and every open gap
    // is named.
    void finish(const QDateTime& end);

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
    void miss(const Outcome& meter, const QDateTime& from, const QDateTime& to, quint64 count);
    void name(const Gap& gap, bool untilEnd);
    QString idleWhy() const;

    SaveSchedule m_schedule;
    Say m_say;
    QDateTime m_last; // the instant of the last save
    QList<Outcome> m_lastDue;
    QMap<int, Gap> m_open;
    QString m_idleWhy;
    quint64 m_lost = 0;
    quint64 m_instantsMissed = 0;
};
