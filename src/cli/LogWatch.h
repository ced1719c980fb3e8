#pragma once

#include "cli/MeterWatch.h"
#include "cli/RecordGaps.h"
#include "logging/SaveSettings.h"

#include <QMap>
#include <QObject>
#include <QSet>

class Clock;
class CommEngine;
class DataFileWriter;

// What `td700 log` watches while it runs: the meters (MeterWatch) and, at every save instant,
// which meter due a record got none and why (RecordGaps), from the data file writer's reports.
class LogWatch : public QObject {
    Q_OBJECT
public:
    LogWatch(const CommEngine& engine, DataFileWriter& writer, const Clock& clock,
             const SaveSettings& settings, MeterWatch::Say say, QObject* parent = nullptr);

    // The port closed: save instants stop coming, for this reason.
    void portClosed(const QString& reason);
    // The run ends now: missed instants counted, open gaps named.
    void finish();

    quint64 recordsMissing() const { return m_gaps.lost() + m_neverWritten; }
    quint64 writeFailures() const { return m_failures; }
    const MeterWatch& meters() const { return m_meters; }

private:
    void onSaved(const QDateTime& at, const QStringList& files);

    const CommEngine& m_engine;
    const Clock& m_clock;
    SaveSettings m_settings;
    MeterWatch::Say m_say;
    MeterWatch m_meters;
    RecordGaps m_gaps;
    QMap<QString, QString> m_failedNow; // file -> why, within one save instant
    quint64 m_failures = 0;
    quint64 m_instants = 0;
    quint64 m_neverWritten = 0;
    QSet<int> m_written; // meters with a record written during the run
    QString m_closedWhy;
};
