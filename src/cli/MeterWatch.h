#pragma once

#include <QDateTime>
#include <QMap>
#include <QObject>
#include <functional>

class Clock;
class CommEngine;

// What td700 tells of the meters while it runs: one line when a meter that had answered stops
// answering and one when it answers again (for standard error, as they happen); how often the
// monitoring cycle visited each meter (read, passed over after three failures, or left out by
// back-off); and at the end which meters' values are stale.
class MeterWatch : public QObject {
    Q_OBJECT
public:
    using Say = std::function<void(const QString& line)>;
    MeterWatch(const CommEngine& engine, const Clock& clock, Say say, QObject* parent = nullptr);

    int visits(int meter) const { return m_meters.value(meter).visits; }
    // A meter stopped answering during the run (it may have come back since).
    bool anyLost() const { return m_anyLost; }
    // The meter answered the scan, but what the tables hold of it is not from its last
    // request: it does not answer now, or its values were never read.
    bool isStale(int meter) const;
    // When its present values were last read; invalid when never.
    QDateTime valuesReadAt(int meter) const { return m_meters.value(meter).valuesRead; }
    // Since when it has been silent; invalid while it answers.
    QDateTime silentSince(int meter) const { return m_meters.value(meter).silentSince; }
    // From when a record of the meter is due, on the program's clock (not the PC's, which may
    // be set meanwhile): its first values read, or the moment it was lost if that came first;
    // -1 before either.
    qint64 dueSinceUs(int meter) const;

    static QString timeText(const QDateTime& at);

private:
    struct Meter {
        int visits = 0;
        qint64 firstValuesUs = -1;
        QDateTime valuesRead;
        QDateTime silentSince;
        qint64 firstLostUs = -1;
    };
    void onAnswering(int meter, bool answering);
    QString addressOf(int meter) const;

    const CommEngine& m_engine;
    const Clock& m_clock;
    Say m_say;
    QMap<int, Meter> m_meters;
    bool m_anyLost = false;
};
