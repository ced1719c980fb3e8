#pragma once

#include "logging/SaveSettings.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>
#include <deque>

class Clock;
class CommEngine;
class DataFileWriter;
class DataRetention;
class RecordPublisher;

// How a running logger stands, for those who watch it from afar: per meter its frames, link
// and records, the publisher's connection and backlog, the data folder's disk and what
// retention does with it. Given as Prometheus text (metrics()) and as the one line a service
// manager shows (statusLine()): "3 of 3 meters OK, 12 records a minute, broker connected,
// 0 waiting".
class LogHealth : public QObject {
    Q_OBJECT
public:
    LogHealth(const Clock& clock, const CommEngine& engine, const DataFileWriter& writer,
              QObject* parent = nullptr);

    void setSaveSettings(const SaveSettings& settings) { m_settings = settings; }
    // Either may be none (not publishing, no limits).
    void setPublisher(const RecordPublisher* publisher) { m_publisher = publisher; }
    void setRetention(const DataRetention* retention) { m_retention = retention; }

    QByteArray metrics() const;
    QString statusLine() const;
    // Records written in the last minute, of all meters.
    int recordsLastMinute() const;
    quint64 recordsWritten(int address) const { return m_meters.value(address).records; }

private:
    void onSaved(const QStringList& files);
    void onFailed(const QString& file);

    struct Meter {
        quint64 records = 0;
        quint64 failures = 0;
        qint64 lastRecordUs = -1; // on the program's clock
    };
    const Clock& m_clock;
    const CommEngine& m_engine;
    SaveSettings m_settings;
    const RecordPublisher* m_publisher = nullptr;
    const DataRetention* m_retention = nullptr;
    QMap<int, Meter> m_meters; // by slave address
    // Records per save instant of the last minute: (clock's time in us, records).
    mutable std::deque<std::pair<qint64, int>> m_recent;
    QString m_writerProblem;
};
