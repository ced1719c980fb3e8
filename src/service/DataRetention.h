#pragma once

#include "core/EngineTimer.h"
#include "logging/SaveSettings.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSet>
#include <functional>

class Clock;

// Keeps the data folder within its limits: the meters' oldest data files are deleted, whole,
// when they hold only records older than the days to keep, or while the disk has less free
// space than it must keep. Only daily files of the meters in the list go, never the file a
// meter's records go to now, and never a file that still holds a record the broker has not
// acknowledged: such files are kept, and said loudly, however full the disk gets (saving stops
// only when a record can no longer be written, as it always has). One line per deleted file.
// It looks at the disk every minute, and at the files when that may find one to delete: the
// free space below its limit, files kept for the broker, the oldest day to keep moved on, or
// a write that failed.
class DataRetention : public QObject {
    Q_OBJECT
public:
    struct DiskSpace {
        qint64 free = -1; // for the program's user
        qint64 total = -1;
    };
    using SpaceOf = std::function<DiskSpace(const QString& folder)>;
    // Whether a meter's data file (a name in the folder) holds a record not yet delivered.
    using Undelivered = std::function<bool(int address, const QString& file)>;

    explicit DataRetention(Clock& clock, QObject* parent = nullptr);

    void setSettings(const SaveSettings& settings);
    void setMeters(const QList<int>& addresses);
    void setUndelivered(Undelivered undelivered) { m_undelivered = std::move(undelivered); }
    // The disk's space; QStorageInfo's unless a test says otherwise.
    void setSpaceOf(SpaceOf spaceOf) { m_spaceOf = std::move(spaceOf); }

    bool hasLimits() const { return m_settings.keepDays > 0 || m_settings.keepFree.isSet(); }
    // A pass at once, then every minute.
    void start();
    void stop();
    // A look at the files within a few seconds (a write failed: the disk may be full).
    void checkSoon();
    // A look at the files now.
    void check();

    // Files past a limit that are kept because the broker has not got all their records.
    int heldFiles() const { return m_held; }
    quint64 deletedFiles() const { return m_deleted; }
    // Whether the disk had less free space than it must keep after the last pass.
    bool belowFreeLimit() const { return m_belowLimit; }
    DiskSpace space() const;
    // A line for a status bar while files are kept for the broker; empty otherwise.
    QString statusText() const;

Q_SIGNALS:
    void message(const QString& line);
    // The files of a meter that went (names in the folder).
    void filesDeleted(int address, const QStringList& files);
    void stateChanged();

private:
    struct Candidate {
        QString file;
        int address = 0;
        QDateTime end; // when its last record was due: the day-change after its day
    };
    QList<Candidate> candidates(const QDateTime& now) const;
    void onTimer();
    // The day-change day whose files are the newest to go by age at `now`.
    QDate oldestKeptDay(const QDateTime& now) const;
    void sayHeld(int held, const DiskSpace& space, qint64 limit);

    Clock& m_clock;
    SaveSettings m_settings;
    QSet<int> m_meters;
    Undelivered m_undelivered;
    SpaceOf m_spaceOf;
    EngineTimer m_timer;
    EngineTimer m_soon;
    QSet<QString> m_failed; // files that could not be deleted, said once
    int m_held = 0;
    quint64 m_deleted = 0;
    bool m_belowLimit = false;
    bool m_saidSingle = false;
    qint64 m_heldSaidMs = -1;
    QDate m_lookedAtDay; // oldestKeptDay() at the last look at the files
};
