#pragma once

#include <QDateTime>
#include <QObject>
#include <QVector>
#include <optional>

class Clock;
class CommEngine;

// How far each meter's clock is off the PC's, measured at every present-value reply (which
// carries the meter's clock) against the PC's clock halfway between the request and the reply,
// when the meter read its clock, and at every settings read of the selected meter (its common
// block carries the clock too) against the PC's clock when the block was asked for. A meter's own
// records are stamped by its clock, so a technician sees a wrong clock here before the data is
// wrong.
class ClockDrift : public QObject {
    Q_OBJECT
public:
    // Past this many seconds either way a drift is worth setting the clock for.
    static constexpr int NoticeSeconds = 30;

    struct Reading {
        QString meterText;   // the clock as the meter reported it
        QDateTime meterTime; // invalid when the meter reports no real date and time
        QDateTime pcTime;    // the PC's clock when the meter answered
        qint64 seconds = 0;  // meter minus PC, to the nearest second

        bool isValid() const { return meterTime.isValid(); }
        // Worth a technician's look: off by more than NoticeSeconds, or no real date.
        bool needsNotice() const { return !isValid() || qAbs(seconds) > NoticeSeconds; }
    };

    ClockDrift(CommEngine& engine, const Clock& clock, QObject* parent = nullptr);

    // The last reading of meter index k, none before its first reply since the port opened.
    std::optional<Reading> reading(int meter) const;

    // Meter clock text "YYYY-MM-DD HH:MM:SS" and the PC's clock: the reading they make.
    static Reading measure(const QString& meterText, const QDateTime& pcTime);
    // "12 s ahead", "3 min 05 s behind", "2 h 10 min ahead", "400 d 3 h behind", "0 s".
    static QString driftText(qint64 seconds);
    // "ahead of the PC by 12 s", "behind the PC by 3 min 05 s", "on time".
    static QString driftSentence(qint64 seconds);

Q_SIGNALS:
    void changed(int meter);

private:
    void onRequestSent(int code, int meter);
    void onMeterPolled(int meter, bool answered);
    void onSettingsRead();
    void clear();

    CommEngine& m_engine;
    const Clock& m_clock;
    QVector<std::optional<Reading>> m_readings;
    int m_askedMeter = -1;
    qint64 m_askedAtUs = -1; // when the present values of m_askedMeter were asked for
    int m_commonAskedMeter = -1;
    QDateTime m_commonAskedAt; // when the common settings block was last asked for
};
