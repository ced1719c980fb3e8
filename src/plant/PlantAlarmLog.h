#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QTimer>
#include <optional>
#include <vector>

struct PlantRecord;

// One alarm of one channel of one meter, from the first record that showed it to the first
// that showed it no more; the stamps are the records' (the meter's clock), not arrivals.
struct PlantAlarmEntry {
    QString node;
    int address = 0;
    int ch = 0;
    int alarm = 0;
    qint64 cameMs = 0;
    QString came;
    std::optional<qint64> goneMs; // none while it is active
    QString gone;

    friend bool operator==(const PlantAlarmEntry&, const PlantAlarmEntry&) = default;
};

// The plant's alarm history, from the records of every meter. Records may come in any order
// (replayed ones after live ones): each meter keeps the stretches of records with the same
// alarms, and its entries are read off them, so that a record put where it belongs in time
// moves a "came" or splits a stretch, never adds a second entry for the same alarm. Only a
// record can tell that an alarm went: a meter that goes quiet keeps its alarms active.
// Bounded: beyond kMaxEntries the oldest stretches go (an alarm still active keeps its came).
class PlantAlarmLog : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxEntries = 10000;

    explicit PlantAlarmLog(QObject* parent = nullptr);
    ~PlantAlarmLog() override;

    // A record of a meter; one without a readable stamp says nothing of when and is left out.
    void take(const QString& node, int address, const PlantRecord& record);
    // Newest first (by the time each came).
    QList<PlantAlarmEntry> entries() const;
    qsizetype size() const { return m_count; }
    // Replaces the history with `entries` (as a file gave them).
    void restore(const QList<PlantAlarmEntry>& entries);

    // Keeps the history in the file at `path` (ALM.PLANT): what it holds is read now (as far as
    // it reads: the message says what was left out, or why it could not be read at all), and
    // every change is written to it within a few seconds and at the end.
    QString keepIn(const QString& path);
    // Writes the file now, when there is one and something changed; false with the reason
    // when it could not be written (it is tried again at the next change).
    bool save(QString* error = nullptr);

Q_SIGNALS:
    // An entry came, went, or moved.
    void changed();

private:
    struct Run {
        qint64 firstMs = 0, lastMs = 0;
        QString firstTs, lastTs;
        QList<int> keys; // ch * 256 + alarm, ascending
    };
    struct Stamp {
        qint64 ms = 0;
        QString ts;
    };
    struct Meter {
        std::vector<Run> runs; // by time; neighbours never have the same alarms
        // The came of alarms active at the first run that began before it (its elders went).
        QHash<int, Stamp> carried;
        std::vector<PlantAlarmEntry> entries;
    };
    using MeterKey = QPair<QString, int>;

    // Puts a record into the meter's runs; true when a run began, moved or split.
    static bool place(Meter& meter, qint64 ms, const QString& ts, const QList<int>& keys);
    void derive(const MeterKey& key, Meter& meter);
    void prune();

    QHash<MeterKey, Meter> m_meters;
    qsizetype m_count = 0;
    QString m_path;
    bool m_unsaved = false;
    QTimer m_saveTimer;
};
