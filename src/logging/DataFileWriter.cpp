#include "logging/DataFileWriter.h"

#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "comm/MeterModels.h"
#include "comm/RequestCodes.h"
#include "core/Clock.h"
#include "logging/DataFile.h"
#include "logging/DataFileAppend.h"
#include "logging/DataFileNames.h"

#include <QDir>
#include <QMetaMethod>
#include <QScopeGuard>
#include <algorithm>

namespace {

constexpr int kSaveTickMs = 50;

// Saves come while the poller is in its monitoring cycle, whichever of a meter's two requests
// is out: the tables then hold the values as polled (a settings read, an upload or a download
// holds their renewal up, and the saves with it). The check runs with the wake-ups that the
// requests and replies bring; at a short request interval it can meet the same request of the
// cycle at every one of them for seconds on end, so the cycle counts, not one of its requests.
bool inMonitoringCycle(int command) {
    return command == RequestCode::RC_POLL_STATUS || command == RequestCode::RC_POLL_VALUES;
}

// The PC's date value: days since 1899-12-30, the time of day as the fraction.
double dateValue(const QDateTime& t) {
    return double(QDate(1899, 12, 30).daysTo(t.date())) +
           double(t.time().msecsSinceStartOfDay()) / 86400000.0;
}

} // namespace

DataFileWriter::DataFileWriter(Clock& clock, SaveSource source, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_source(std::move(source))
    , m_tmrDSave(clock, QStringLiteral("tmrDSave"), kSaveTickMs, [this] { onSaveTick(); }) {
    // The check may come up to one more tick late, with whatever else wakes the program: a
    // save is stamped to the second, and it then costs no wake-up twenty times a second.
    m_tmrDSave.setSlackMs(kSaveTickMs);
}

DataFileWriter::~DataFileWriter() = default;

QString DataFileWriter::DataFileName(const SaveSettings& s, int address, const QDateTime& now) {
    return DataFileNames::path(s, address, now);
}

void DataFileWriter::onSaveTick() {
    m_tmrDSave.stop();
    // Every gate below ends the tick; the timer runs again whatever happened.
    const auto restart = qScopeGuard([this] { m_tmrDSave.start(); });

    const CommState& state = *m_source.state;
    if (!m_settings.enabled() || !inMonitoringCycle(state.gCommand))
        return;

    const bool minutes = m_settings.gDSaveUnit == QStringLiteral("min");
    const int s = m_settings.intervalSeconds();
    if (s <= 0) // an interval the settings file left at 0 never falls due
        return;

    // Saves fall on whole seconds of the PC's clock. Within the second of the last pass
    // nothing can fall due; telling that from the clock's UTC reading spares a time-zone
    // lookup at nineteen ticks of every twenty.
    const qint64 second = m_clock.currentMSecsSinceEpoch() / 1000;
    if (second == m_lastTickSecond)
        return;
    m_lastTickSecond = second;

    const QDateTime now = m_clock.currentDateTime();
    const double nowValue = dateValue(now);
    // The PC's clock was put back (by a time server, or to winter time): the due time starts
    // again from now, or no save would come until the clock had caught up with it again.
    if (nowValue < m_lastPassValue)
        LastDue = std::min(LastDue, nowValue - double(s + 1) / 86400.0);
    m_lastPassValue = nowValue;
    if ((nowValue - LastDue) * 86400.0 <= double(s))
        return;
    // The due time moves forward by one interval per pass. Starting from zero it trails the
    // clock by decades, so in practice this gate has always stood open and the whole-minute
    // gate below decided alone. Left to run for days it would catch up, fall out of step with
    // whole minutes and stop the saves; it is therefore never let closer than one interval
    // to the clock.
    LastDue = std::min(LastDue + double(s) / 86400.0, nowValue - double(s) / 86400.0);

    const int tick = minutes ? now.time().minute() * 60 : now.time().second();
    if (tick == LastTick)
        return;
    LastTick = tick;
    if (tick % s != 0)
        return;

    if (!m_source.isPortOpen || !m_source.isPortOpen())
        return;

    const DeviceTables& tables = *m_source.tables;
    QStringList files;
    for (int i = 0; i <= state.gLastMeter; ++i) {
        if (tables.sprdStatus.text(2, i + 1) != QStringLiteral("OK"))
            continue;
        if (m_requireValuesRead && !m_valuesRead.contains(i))
            continue;
        const QString file = DataFileName(m_settings, state.gMeterAddress.value(i), now);
        if (m_settings.gDSaveFolder.isEmpty()) {
            noteFailure(i, file, tr("no data folder is set"));
            continue;
        }
        QString error;
        if (SaveMeterRecord(file, i + 1, now, state.gMeterAddress.value(i), &error)) {
            files << file;
            noteSuccess(i);
        } else {
            noteFailure(i, file, error);
        }
    }
    Q_EMIT saved(now, files);
}

bool DataFileWriter::SaveMeterRecord(const QString& fileName, int row, const QDateTime& now,
                                     QString* error) {
    return SaveMeterRecord(fileName, row, now, 0, error);
}

bool DataFileWriter::SaveMeterRecord(const QString& fileName, int row, const QDateTime& now,
                                     int address, QString* error) {
    const CommState& state = *m_source.state;
    const TextTable& mon = m_source.tables->sprdMON;
    const TextTable& status = m_source.tables->sprdStatus;
    bool known = false;
    const int model = status.text(3, row).toInt(&known);
    // Each file carries its own meter's model and channel count, not the selected meter's.
    const int ownChannels = known ? ChannelCountOfModel(model) : 0;
    const int channels = ownChannels > 0 ? ownChannels : state.gChannelCount;
    auto header = [&] {
        m_lastHeader = BuildDataHeader(mon, row, channels, state.gParamVersion, m_lastHeader);
        return m_lastHeader;
    };
    const QByteArray record = BuildDataRecord(mon, row, now);
    const AppendOutcome out = AppendDataRecord(fileName, header, record);
    if (!out.ok && error)
        *error = out.error;
    if (out.ok && isSignalConnected(QMetaMethod::fromSignal(&DataFileWriter::recordSaved))) {
        SavedRecord saved;
        saved.meter = row - 1;
        saved.address = address;
        saved.file = fileName;
        saved.index = out.index;
        saved.record = record;
        saved.modelCode = known ? model : -1;
        saved.firmware = status.text(4, row);
        saved.description = BuildDataHeader(mon, row, channels, state.gParamVersion, m_lastHeader);
        Q_EMIT recordSaved(saved);
    }
    return out.ok;
}

void DataFileWriter::noteFailure(int meter, const QString& file, const QString& reason) {
    const QString text =
        tr("Data file not written: %1 (%2)").arg(QDir::toNativeSeparators(file), reason);
    m_failing[meter] = text;
    Q_EMIT writeFailed(file, reason);
    showStatus(text);
}

void DataFileWriter::noteSuccess(int meter) {
    if (m_failing.remove(meter) == 0)
        return;
    showStatus(m_failing.isEmpty() ? QString() : m_failing.last());
}

void DataFileWriter::showStatus(const QString& text) {
    if (text == m_statusText)
        return;
    m_statusText = text;
    Q_EMIT statusText(text);
}
