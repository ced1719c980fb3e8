#pragma once

#include "service/DataRetention.h"
#include "service/LogHealth.h"
#include "service/ServiceNotifier.h"

#include <QObject>
#include <memory>

class Clock;
class CommEngine;
class DataFileWriter;
class JournalLines;
class MetricsServer;
class RecordPublisher;

// What makes the logger fit to run unattended as a service, around its engine, writer and
// publisher: the service manager told how it stands (ready, status, watchdog), its figures
// served, and the data folder kept within its limits without deleting what the broker has not
// got. Its lines go to the journal with their priority.
class LogService : public QObject {
    Q_OBJECT
public:
    LogService(Clock& clock, const CommEngine& engine, DataFileWriter& writer, JournalLines& lines,
               QObject* parent = nullptr);
    ~LogService() override;

    // Serves the figures on ADDRESS:PORT (127.0.0.1 when only a port is given) and says where.
    bool serveMetrics(const QString& address, QString* why);
    void setSaveSettings(const SaveSettings& settings);
    void setMeters(const QList<int>& addresses);
    // The publisher whose undelivered records are kept; none while not publishing.
    void setPublisher(RecordPublisher* publisher);

    // The port is open and the meter list read.
    void started();
    void reloading();
    void reloaded();
    void stopping();

    LogHealth& health() { return m_health; }
    DataRetention& retention() { return m_retention; }
    ServiceNotifier& notifier() { return m_notifier; }

private:
    JournalLines& m_lines;
    ServiceNotifier m_notifier;
    LogHealth m_health;
    DataRetention m_retention;
    std::unique_ptr<MetricsServer> m_metrics;
    RecordPublisher* m_publisher = nullptr;
};
