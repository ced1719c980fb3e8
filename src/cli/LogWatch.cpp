#include "cli/LogWatch.h"

#include "cli/CliContext.h"
#include "comm/CommEngine.h"
#include "core/Clock.h"
#include "logging/DataFileWriter.h"

namespace {

QString counted(quint64 n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

} // namespace

LogWatch::LogWatch(const CommEngine& engine, DataFileWriter& writer, const Clock& clock,
                   const SaveSettings& settings, MeterWatch::Say say, QObject* parent)
    : QObject(parent)
    , m_engine(engine)
    , m_clock(clock)
    , m_settings(settings)
    , m_say(say)
    , m_meters(engine, clock, say)
    , m_gaps(SaveSchedule(settings), say) {
    connect(
        &writer, &DataFileWriter::writeFailed, this,
        [this](const QString& file, const QString& reason) { m_failedNow.insert(file, reason); });
    connect(&writer, &DataFileWriter::saved, this, &LogWatch::onSaved);
}

void LogWatch::portClosed(const QString& reason) {
    m_closedWhy = QStringLiteral("the port was closed: ") + AsClause(reason);
    m_gaps.setIdleReason(m_closedWhy);
}

void LogWatch::setSettings(const SaveSettings& settings) {
    if (SaveSchedule(settings).grainSeconds() != SaveSchedule(m_settings).grainSeconds() ||
        settings.intervalSeconds() != m_settings.intervalSeconds())
        m_gaps.setSchedule(SaveSchedule(settings));
    m_settings = settings;
}

void LogWatch::finish(const QDateTime& end, qint64 endUs) {
    // Without its time on the program's clock, `end` is taken to be as far back as the PC's
    // clock says.
    if (endUs < 0)
        endUs = m_clock.nowUs() - end.msecsTo(m_clock.currentDateTime()) * 1000;
    m_gaps.finish(end, endUs);
    // A meter that answered the scan but never got as far as a record: the whole run is its
    // gap.
    const CommState& s = m_engine.state();
    for (int k = 0; k < s.meterCount(); ++k) {
        if (!s.isOnline(k) || m_written.contains(k) || m_meters.dueSinceUs(k) >= 0)
            continue;
        const quint64 missing = std::max<quint64>(1, m_instants);
        m_neverWritten += missing;
        if (m_say)
            m_say(QStringLiteral("meter %1: no record written during the run (%2)")
                      .arg(s.gMeterAddress[k])
                      .arg(m_closedWhy.isEmpty() ? QStringLiteral("no values read") : m_closedWhy));
    }
}

// Every meter that answered the scan and has been read (or lost) since is due a record at
// each save instant.
void LogWatch::onSaved(const QDateTime& at, const QStringList& files) {
    const CommState& s = m_engine.state();
    const qint64 now = m_clock.nowUs();
    QList<RecordGaps::Outcome> outcomes;
    for (int k = 0; k < s.meterCount(); ++k) {
        const qint64 due = m_meters.dueSinceUs(k);
        if (!s.isOnline(k) || due < 0 || due > now)
            continue;
        RecordGaps::Outcome o{k, s.gMeterAddress[k], false, {}};
        const QString file = DataFileWriter::DataFileName(m_settings, o.address, at);
        o.written = files.contains(file);
        if (m_failedNow.contains(file)) {
            o.why = QStringLiteral("not written: ") + AsClause(m_failedNow.value(file));
            ++m_failures;
        } else if (m_engine.tables().sprdStatus.text(2, k + 1) != QStringLiteral("OK")) {
            o.why = QStringLiteral("no answer");
        } else {
            o.why = QStringLiteral("no values read since the port opened");
        }
        outcomes << o;
    }
    m_failedNow.clear();
    m_gaps.instant(at, now, outcomes);
    ++m_instants;
    m_recordsWritten += quint64(files.size());
    for (int k = 0; k < s.meterCount(); ++k)
        if (files.contains(DataFileWriter::DataFileName(m_settings, s.gMeterAddress.value(k), at)))
            m_written.insert(k);
}

// Instants and records are counted apart: the records missing include those of instants
// that never came, so the records written and missing together are the records due, not
// the meters times the instants that came.
QString LogWatch::summary() const {
    const quint64 missed = m_gaps.instantsMissed();
    QString text = counted(m_instants + missed, "save instant", "save instants");
    if (missed > 0)
        text += QStringLiteral(", %1 of which never came").arg(missed);
    text += QStringLiteral("; ") + counted(m_recordsWritten, "record written", "records written");
    if (const quint64 missing = recordsMissing(); missing > 0) {
        text += QStringLiteral(", %1 missing").arg(missing);
        if (m_failures > 0)
            text += QStringLiteral(" (%1 of them could not be written)").arg(m_failures);
    }
    return text;
}
