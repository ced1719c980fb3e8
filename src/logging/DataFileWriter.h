#pragma once

#include "core/EngineTimer.h"
#include "logging/SaveSettings.h"

#include <QDateTime>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <functional>

class Clock;
class CommEngine;
struct CommState;
struct DeviceTables;

// What the save tick reads from the engine: the shared state (gCommand, gLastMeter,
// gMeterAddress, gChannelCount, gParamVersion), the tables (sprdStatus, sprdMON) and whether
// the port is open.
struct SaveSource {
    const CommState* state = nullptr;
    const DeviceTables* tables = nullptr;
    std::function<bool()> isPortOpen;
};
// The engine as the save tick's source.
SaveSource EngineSaveSource(const CommEngine& engine);

// One record as it went into a data file, for those who pass saved records on.
struct SavedRecord {
    int meter = 0;      // meter index
    int address = 0;    // slave address
    QString file;       // the data file it was appended to
    qint64 index = 0;   // its place in that file, from 0
    QByteArray record;  // the 64 bytes written
    int modelCode = -1; // the meter's own model code and firmware text, as it answered
    QString firmware;
    // A data file header built for this meter now (its own channel count): the channels'
    // names, units, ranges and decimals as they are at this save.
    QByteArray description;
};

// The data file writer: every 50 ms the save tick (tmrDSave) decides whether this is a save
// instant and, if so, appends one record per answering meter to that meter's data file.
class DataFileWriter : public QObject {
    Q_OBJECT
public:
    DataFileWriter(Clock& clock, SaveSource source, QObject* parent = nullptr);
    // The writer of the program: the engine is the source, and a meter is saved only once its
    // present values have been read since the port opened (until then its row holds nothing,
    // or the values of the last time the port was open).
    DataFileWriter(Clock& clock, CommEngine& engine, QObject* parent = nullptr);
    ~DataFileWriter() override;

    // Whether a meter needs a present-value read (noteValuesRead) before it is saved;
    // forgetValuesRead() starts over, as the port opening or closing does.
    void setRequireValuesRead(bool on) { m_requireValuesRead = on; }
    void noteValuesRead(int meter) { m_valuesRead.insert(meter); }
    void forgetValuesRead() { m_valuesRead.clear(); }

    void setSettings(const SaveSettings& settings) { m_settings = settings; }
    const SaveSettings& settings() const { return m_settings; }

    EngineTimer& tmrDSave() { return m_tmrDSave; }
    // The save tick; tmrDSave runs it.
    void onSaveTick();

    // The data file of the meter with slave address `address` at time `now`: folder/name_AA.TDD
    // or, with daily files, folder/name_AA_YYYYMMDD.TDD, where the day is yesterday's until
    // the day-change time.
    static QString DataFileName(const SaveSettings& settings, int address, const QDateTime& now);
    // Appends one record of sprdMON row `row` to `fileName`, creating the file with its header
    // when it does not exist. False when the file could not be written; `error` says why.
    bool SaveMeterRecord(const QString& fileName, int row, const QDateTime& now,
                         QString* error = nullptr);
    // The same, telling each record saved through recordSaved().
    bool SaveMeterRecord(const QString& fileName, int row, const QDateTime& now, int address,
                         QString* error);

    // The interval gate's last due instant (days since 1899-12-30, as the PC's date values
    // count) and the last tick value; both start where no save has happened yet.
    double LastDue = 0;
    int LastTick = 100000;
    qint64 m_lastTickSecond = -1; // UTC second of the last tick that read the local time

Q_SIGNALS:
    // A save instant passed: `files` were written (one per answering meter, possibly none).
    void saved(const QDateTime& at, const QStringList& files);
    // A data file could not be written; the other meters are still saved.
    void writeFailed(const QString& file, const QString& reason);
    // A record was appended to a data file (emitted before saved()).
    void recordSaved(const SavedRecord& record);
    // The text for the status bar's data-save panel: which file failed and why, or empty once
    // every meter whose write failed has been written again.
    void statusText(const QString& text);

private:
    void noteFailure(int meter, const QString& file, const QString& reason);
    void noteSuccess(int meter);
    void showStatus(const QString& text);

    Clock& m_clock;
    SaveSource m_source;
    SaveSettings m_settings;
    EngineTimer m_tmrDSave;
    QByteArray m_lastHeader;      // unit bytes carry over into the next header built
    QMap<int, QString> m_failing; // meter index -> status text of its last failure
    bool m_requireValuesRead = false;
    QSet<int> m_valuesRead;
    QString m_statusText;
    double m_lastPassValue = 0; // the PC's date value at the last pass through the gates
};
