#include "cli/LogWatch.h"

#include "cli/CliContext.h"
#include "comm/CommEngine.h"
#include "core/Clock.h"
#include "logging/DataFileWriter.h"

LogWatch::LogWatch(const CommEngine& engine, DataFileWriter& writer, const Clock& clock,
                   const SaveSettings& settings, MeterWatch::Say say, QObject* parent)
    : QObject(parent)
    , m_engine(engine)
    , m_clock(clock)
    , m_settings(settings)
    , m_meters(engine, clock, say)
    , m_gaps(settings.intervalSeconds(), say) {
    connect(&writer, &DataFileWriter::writeFailed, this,
            [this](const QString& file, const QString& reason) {
                ++m_failures;
                m_failedNow.insert(file, reason);
            });
    connect(&writer, &DataFileWriter::saved, this, &LogWatch::onSaved);
}

void LogWatch::portClosed(const QString& reason) {
    m_gaps.setIdleReason(QStringLiteral("the port was closed: ") + AsClause(reason));
}

void LogWatch::finish() {
    m_gaps.finish(m_clock.currentDateTime());
}

// Every meter that answered the scan and has been read (or lost) since is due a record at
// each save instant.
void LogWatch::onSaved(const QDateTime& at, const QStringList& files) {
    const CommState& s = m_engine.state();
    QList<RecordGaps::Outcome> outcomes;
    for (int k = 0; k < s.meterCount(); ++k) {
        const QDateTime due = m_meters.dueSince(k);
        if (!s.isOnline(k) || !due.isValid() || due > at)
            continue;
        RecordGaps::Outcome o{k, s.gMeterAddress[k], false, {}};
        const QString file = DataFileWriter::DataFileName(m_settings, o.address, at);
        o.written = files.contains(file);
        if (m_failedNow.contains(file))
            o.why = QStringLiteral("not written: ") + AsClause(m_failedNow.value(file));
        else if (m_engine.tables().sprdStatus.text(2, k + 1) != QStringLiteral("OK"))
            o.why = QStringLiteral("no answer");
        else
            o.why = QStringLiteral("no values read since the port opened");
        outcomes << o;
    }
    m_failedNow.clear();
    m_gaps.instant(at, outcomes);
}
