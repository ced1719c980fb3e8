#include "service/LogHealth.h"

#include "comm/CommEngine.h"
#include "core/Clock.h"
#include "core/Version.h"
#include "logging/DataFile.h"
#include "logging/DataFileNames.h"
#include "logging/DataFileWriter.h"
#include "publish/RecordPublisher.h"
#include "service/DataRetention.h"
#include "service/MetricsText.h"

#include <QStorageInfo>

namespace {

constexpr qint64 kMinuteUs = 60000000;

using Type = MetricsText::Type;

// The clock face's seconds since 2000, as record stamps count them.
qint64 faceSeconds(const QDateTime& t) {
    return QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC)
        .secsTo(QDateTime(t.date(), t.time(), Qt::UTC));
}

} // namespace

LogHealth::LogHealth(const Clock& clock, const CommEngine& engine, const DataFileWriter& writer,
                     QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_engine(engine)
    , m_settings(writer.settings()) {
    connect(&writer, &DataFileWriter::saved, this,
            [this](const QDateTime&, const QStringList& files) { onSaved(files); });
    connect(&writer, &DataFileWriter::writeFailed, this,
            [this](const QString& file, const QString&) { onFailed(file); });
    connect(&writer, &DataFileWriter::statusText, this,
            [this](const QString& text) { m_writerProblem = text; });
}

void LogHealth::onSaved(const QStringList& files) {
    const qint64 now = m_clock.nowUs();
    for (const QString& file : files) {
        Meter& m = m_meters[DataFileName::parse(file).address];
        ++m.records;
        m.lastRecordUs = now;
    }
    if (!files.isEmpty())
        m_recent.emplace_back(now, int(files.size()));
    recordsLastMinute(); // drops what is older, so that it holds a minute at most
}

void LogHealth::onFailed(const QString& file) {
    ++m_meters[DataFileName::parse(file).address].failures;
}

int LogHealth::recordsLastMinute() const {
    const qint64 from = m_clock.nowUs() - kMinuteUs;
    while (!m_recent.empty() && m_recent.front().first <= from)
        m_recent.pop_front();
    int n = 0;
    for (const auto& [at, records] : m_recent)
        n += records;
    return n;
}

QByteArray LogHealth::metrics() const {
    MetricsText t;
    t.family(QStringLiteral("td700_build_info"), Type::Gauge,
             QStringLiteral("The program's version (always 1)."));
    t.sample(QStringLiteral("td700_build_info"), 1,
             {{QStringLiteral("version"), ProgramVersion()}});
    t.family(QStringLiteral("td700_port_polling"), Type::Gauge,
             QStringLiteral("1 while the port is open and its meters are polled."));
    t.sample(QStringLiteral("td700_port_polling"),
             m_engine.phase() == CommEngine::Phase::Polling ? 1 : 0);

    // Per meter of the list, by its slave address.
    const CommState& s = m_engine.state();
    const DeviceTables& tables = m_engine.tables();
    const auto perMeter = [&](const char* name, Type type, const QString& help,
                              const std::function<std::optional<double>(int k, int address)>& of) {
        t.family(QLatin1String(name), type, help);
        for (int k = 0; k < s.meterCount(); ++k) {
            const int address = s.gMeterAddress[k];
            if (const std::optional<double> v = of(k, address))
                t.sample(QLatin1String(name), *v,
                         {{QStringLiteral("meter"), QString::number(address)}});
        }
    };
    for (const auto& [name, column, help] :
         {std::tuple{"td700_meter_good_frames_total", 1, "Replies taken from the meter."},
          std::tuple{"td700_meter_timeouts_total", 2, "Requests the meter did not answer in time."},
          std::tuple{"td700_meter_bad_frames_total", 3,
                     "Replies of the meter that were damaged or no reply to the request."}})
        perMeter(name, Type::Counter, QLatin1String(help), [&, column = column](int k, int) {
            return std::optional<double>(double(tables.sprdCommState.integer(column, k + 1)));
        });
    perMeter("td700_meter_link_ok", Type::Gauge,
             QStringLiteral("1 while the meter answers (its link reads OK)."), [&](int k, int) {
                 return std::optional<double>(tables.sprdStatus.text(2, k + 1) == u"OK" ? 1 : 0);
             });
    perMeter("td700_meter_records_written_total", Type::Counter,
             QStringLiteral("Records of the meter written into its data files by this run."),
             [&](int, int address) {
                 return std::optional<double>(double(m_meters.value(address).records));
             });
    perMeter("td700_meter_write_failures_total", Type::Counter,
             QStringLiteral("Records of the meter that could not be written."),
             [&](int, int address) {
                 return std::optional<double>(double(m_meters.value(address).failures));
             });
    const qint64 nowUs = m_clock.nowUs();
    perMeter("td700_meter_last_record_age_seconds", Type::Gauge,
             QStringLiteral("Seconds since the meter's last record was written (none before "
                            "its first)."),
             [&](int, int address) -> std::optional<double> {
                 const qint64 at = m_meters.value(address).lastRecordUs;
                 if (at < 0)
                     return std::nullopt;
                 return double((nowUs - at) / 1000) / 1000.0;
             });

    if (m_publisher) {
        t.family(QStringLiteral("td700_publisher_connected"), Type::Gauge,
                 QStringLiteral("1 while the broker is connected."));
        t.sample(QStringLiteral("td700_publisher_connected"),
                 m_publisher->brokerState() == RecordPublisher::BrokerState::Connected ? 1 : 0);
        t.family(QStringLiteral("td700_publisher_records_waiting"), Type::Gauge,
                 QStringLiteral("Records saved and not yet acknowledged by the broker."));
        t.sample(QStringLiteral("td700_publisher_records_waiting"), double(m_publisher->waiting()));
        t.family(QStringLiteral("td700_publisher_oldest_waiting_age_seconds"), Type::Gauge,
                 QStringLiteral("Age of the oldest record waiting for the broker (0: none "
                                "waits)."));
        const std::optional<qint64> oldest = m_publisher->oldestWaitingStamp();
        t.sample(QStringLiteral("td700_publisher_oldest_waiting_age_seconds"),
                 oldest
                     ? double(std::max<qint64>(0, faceSeconds(m_clock.currentDateTime()) - *oldest))
                     : 0.0);
    }

    QStorageInfo disk(m_settings.gDSaveFolder);
    if (!m_settings.gDSaveFolder.isEmpty() && disk.isValid()) {
        t.family(QStringLiteral("td700_data_folder_free_bytes"), Type::Gauge,
                 QStringLiteral("Free space on the data folder's disk for this program."));
        t.sample(QStringLiteral("td700_data_folder_free_bytes"), double(disk.bytesAvailable()));
        t.family(QStringLiteral("td700_data_folder_size_bytes"), Type::Gauge,
                 QStringLiteral("Size of the data folder's disk."));
        t.sample(QStringLiteral("td700_data_folder_size_bytes"), double(disk.bytesTotal()));
    }
    if (m_retention) {
        t.family(QStringLiteral("td700_retention_deleted_files_total"), Type::Counter,
                 QStringLiteral("Data files deleted by this run to keep the folder within its "
                                "limits."));
        t.sample(QStringLiteral("td700_retention_deleted_files_total"),
                 double(m_retention->deletedFiles()));
        t.family(QStringLiteral("td700_retention_held_files"), Type::Gauge,
                 QStringLiteral("Data files past the limits kept because the broker has not "
                                "acknowledged all their records."));
        t.sample(QStringLiteral("td700_retention_held_files"), m_retention->heldFiles());
        t.family(QStringLiteral("td700_retention_below_free_limit"), Type::Gauge,
                 QStringLiteral("1 while the disk has less free space than it must keep."));
        t.sample(QStringLiteral("td700_retention_below_free_limit"),
                 m_retention->belowFreeLimit() ? 1 : 0);
    }
    return t.text();
}

QString LogHealth::statusLine() const {
    const CommState& s = m_engine.state();
    QStringList parts;
    switch (m_engine.phase()) {
    case CommEngine::Phase::Closed:
        parts << QStringLiteral("port closed, opening it again");
        break;
    case CommEngine::Phase::Connecting:
        parts << QStringLiteral("connecting to the port");
        break;
    case CommEngine::Phase::Scanning:
        parts << QStringLiteral("scanning the bus");
        break;
    case CommEngine::Phase::Polling: {
        int ok = 0;
        for (int k = 0; k < s.meterCount(); ++k)
            ok += s.isOnline(k) && m_engine.tables().sprdStatus.text(2, k + 1) == u"OK" ? 1 : 0;
        parts << QStringLiteral("%1 of %2 meters OK").arg(ok).arg(s.meterCount());
        break;
    }
    }
    const int perMinute = recordsLastMinute();
    parts << (perMinute == 1 ? QStringLiteral("1 record a minute")
                             : QStringLiteral("%1 records a minute").arg(perMinute));
    if (!m_writerProblem.isEmpty())
        parts << m_writerProblem;
    if (m_publisher) {
        QString broker;
        switch (m_publisher->brokerState()) {
        case RecordPublisher::BrokerState::Off:
            broker = QStringLiteral("publishing off");
            break;
        case RecordPublisher::BrokerState::Connecting:
            broker = QStringLiteral("broker connecting");
            break;
        case RecordPublisher::BrokerState::Connected:
            broker = QStringLiteral("broker connected");
            break;
        case RecordPublisher::BrokerState::Waiting:
            broker = QStringLiteral("broker connected, not publishing");
            break;
        case RecordPublisher::BrokerState::Away:
            broker = QStringLiteral("broker away");
            break;
        case RecordPublisher::BrokerState::Refused:
            broker = QStringLiteral("broker refused");
            break;
        }
        parts << broker << QStringLiteral("%1 waiting").arg(m_publisher->waiting());
    }
    if (m_retention && m_retention->heldFiles() > 0)
        parts << QStringLiteral("%1 data files kept for the broker%2")
                     .arg(m_retention->heldFiles())
                     .arg(m_retention->belowFreeLimit()
                              ? QStringLiteral(": DISK FILLING while the broker is away")
                              : QString());
    return parts.join(QStringLiteral(", "));
}
