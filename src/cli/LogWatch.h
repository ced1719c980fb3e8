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
    // The run ended at `end` (`endUs` on the program's clock, -1: not known), when its saving
    // stopped: the instants missed up to then are counted (not those that passed while the
    // program was taking its leave), open gaps named.
    void finish(const QDateTime& end, qint64 endUs = -1);
    // The data-save settings changed while running (a reload): file names and instants follow.
    void setSettings(const SaveSettings& settings);

    // Records due and not written (a write that failed is one of them).
    quint64 recordsMissing() const { return m_gaps.lost() + m_neverWritten; }
    // The counts for the end of the run: "114 save instants, 8 of which never came; 3380
    // records written, 256 missing (2 of them could not be written)".
    QString summary() const;
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
    quint64 m_failures = 0;             // of the records missing
    quint64 m_instants = 0;
    quint64 m_recordsWritten = 0;
    quint64 m_neverWritten = 0;
    QSet<int> m_written; // meters with a record written during the run
    QString m_closedWhy;
};
