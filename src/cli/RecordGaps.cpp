#include "cli/RecordGaps.h"

#include <algorithm>

namespace {
QString timeText(const QDateTime& at) {
    return at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}
} // namespace

RecordGaps::RecordGaps(const SaveSchedule& schedule, Say say)
    : m_schedule(schedule)
    , m_say(std::move(say)) {}

QString RecordGaps::idleWhy() const {
    return m_idleWhy.isEmpty() ? QStringLiteral("no save instant came: polling was held up")
                               : m_idleWhy;
}

void RecordGaps::missSince(const QDateTime& upTo, qint64 us) {
    if (!m_last.isValid())
        return;
    // The clock face moves as the time passes, give or take where in its second (or minute)
    // each save came; when it moved otherwise, the PC's clock was set, and the instants are
    // those of the time that passed, counted back from `upTo`.
    const qint64 passedMs = (us - m_lastUs) / 1000;
    const qint64 faceMs =
        m_last.msecsTo(upTo) + qint64(upTo.offsetFromUtc() - m_last.offsetFromUtc()) * 1000;
    const qint64 slackMs = (m_schedule.grainSeconds() + 3) * 1000;
    const QDateTime from = std::abs(faceMs - passedMs) <= slackMs
                               ? m_last
                               : upTo.addMSecs(-std::max<qint64>(0, passedMs));
    const qint64 missed = m_schedule.count(from, upTo);
    m_instantsMissed += quint64(missed);
    if (missed > 0)
        for (Outcome due : std::as_const(m_lastDue)) {
            due.why = idleWhy();
            miss(due, m_schedule.firstAfter(from), m_schedule.lastUpTo(upTo), quint64(missed));
        }
}

void RecordGaps::setSchedule(const SaveSchedule& schedule) {
    m_schedule = schedule;
    m_last = QDateTime();
    m_lastDue.clear();
}

void RecordGaps::instant(const QDateTime& saved, qint64 us, const QList<Outcome>& outcomes) {
    const QDateTime at = m_schedule.instantOf(saved);
    // The instants of the schedule between the last save and this one never came.
    missSince(at.addSecs(-1), us - 1000000);
    for (const Outcome& o : outcomes) {
        if (!o.written) {
            miss(o, at, at, 1);
            continue;
        }
        const auto open = m_open.find(o.meter);
        if (open != m_open.end()) {
            name(*open, false);
            m_open.erase(open);
        }
    }
    m_last = at;
    m_lastUs = us;
    m_lastDue = outcomes;
    m_idleWhy.clear();
}

void RecordGaps::miss(const Outcome& meter, const QDateTime& from, const QDateTime& to,
                      quint64 count) {
    m_lost += count;
    auto open = m_open.find(meter.meter);
    if (open == m_open.end()) {
        open = m_open.insert(meter.meter, Gap{meter.address, from, to, 0, meter.why});
        if (m_say)
            m_say(QStringLiteral("meter %1: no record from %2 on (%3)")
                      .arg(meter.address)
                      .arg(timeText(from), meter.why));
    }
    open->to = to;
    open->count += count;
}

void RecordGaps::name(const Gap& gap, bool untilEnd) {
    if (!m_say)
        return;
    const QString records =
        gap.count == 1 ? QStringLiteral("1 record") : QStringLiteral("%1 records").arg(gap.count);
    const QString span =
        gap.count == 1 && !untilEnd
            ? QStringLiteral("at %1").arg(timeText(gap.from))
            : QStringLiteral("from %1 to %2").arg(timeText(gap.from), timeText(gap.to));
    m_say(QStringLiteral("meter %1: %2 missing %3 (%4)%5")
              .arg(gap.address)
              .arg(records, span, gap.why,
                   untilEnd ? QStringLiteral(", until the end of the run") : QString()));
}

void RecordGaps::finish(const QDateTime& end, qint64 us) {
    // An instant in the last second may still have been on its way.
    missSince(end.addMSecs(-1000), us - 1000000);
    for (const Gap& gap : std::as_const(m_open))
        name(gap, true);
    m_open.clear();
}
