#include "service/LogService.h"

#include "logging/DataFileWriter.h"
#include "publish/RecordPublisher.h"
#include "service/JournalLines.h"
#include "service/MetricsServer.h"

LogService::LogService(Clock& clock, const CommEngine& engine, DataFileWriter& writer,
                       JournalLines& lines, QObject* parent)
    : QObject(parent)
    , m_lines(lines)
    , m_notifier(clock)
    , m_health(clock, engine, writer)
    , m_retention(clock) {
    m_health.setRetention(&m_retention);
    m_retention.setSettings(writer.settings());
    m_retention.setUndelivered([this](int address, const QString& file) {
        return m_publisher && m_publisher->holdsUndelivered(address, file);
    });
    connect(&m_retention, &DataRetention::message, this,
            [this](const QString& line) { m_lines.say(line); });
    connect(&m_retention, &DataRetention::filesDeleted, this,
            [this](int address, const QStringList& files) {
                if (m_publisher)
                    m_publisher->filesDeleted(address, files);
            });
    // A write that failed may have met a full disk: room is made as soon as the limits allow.
    connect(&writer, &DataFileWriter::writeFailed, &m_retention, &DataRetention::checkSoon);
}

LogService::~LogService() = default;

bool LogService::serveMetrics(const QString& address, QString* why) {
    QHostAddress host;
    quint16 port = 0;
    if (!MetricsServer::parseAddress(address, &host, &port, why))
        return false;
    m_metrics = std::make_unique<MetricsServer>([this] { return m_health.metrics(); });
    if (!m_metrics->listen(host, port, why)) {
        m_metrics.reset();
        return false;
    }
    m_lines.say(JournalLines::Priority::Info,
                QStringLiteral("figures on %1").arg(m_metrics->url()));
    return true;
}

void LogService::setSaveSettings(const SaveSettings& settings) {
    m_health.setSaveSettings(settings);
    m_retention.setSettings(settings);
}

void LogService::setMeters(const QList<int>& addresses) {
    m_retention.setMeters(addresses);
}

void LogService::setPublisher(RecordPublisher* publisher) {
    m_publisher = publisher;
    m_health.setPublisher(publisher);
}

void LogService::started() {
    m_notifier.ready();
    m_notifier.followStatus([this] { return m_health.statusLine(); });
    m_retention.start();
}

void LogService::reloading() {
    m_notifier.reloading();
}

void LogService::reloaded() {
    m_notifier.ready();
    m_retention.checkSoon();
}

void LogService::stopping() {
    m_notifier.stopping();
    m_retention.stop();
}
