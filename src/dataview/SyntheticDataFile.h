#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// Data files made up from slow waves, for demonstrations, pictures and measurements: what a
// twelve-channel (or smaller) meter would have logged, with the things a real log holds —
// times the meter did not answer, a channel whose sensor broke for a while, alarms where a
// value passes its alarm level, digital inputs that follow a shift, relays that follow the
// alarms.
struct SyntheticDataFile {
    struct Span {
        qint64 from = 0; // seconds, see DataTime
        qint64 to = 0;
    };
    struct BadSensor {
        int channel = 1;
        Span span;
        int state = 1; // the state the meter reports (1..3)
    };
    // One channel's value rising to `peak` (a share of its range) and back within `span`.
    struct Bump {
        int channel = 1;
        Span span;
        double peak = 0.97;
    };

    int channels = 12; // 2, 4, 6 or 12
    qint64 start = 0;  // the first save
    int interval = 1;  // seconds between saves
    qint64 saves = 0;  // save times from `start` on; silent ones give no record
    std::vector<Span> silent;
    std::vector<BadSensor> badSensors;
    std::vector<Bump> bumps;
    // A PC clock put back again and again: after every `setBackEvery` saves the stamps go
    // back by `setBackBy` seconds (0: never).
    qint64 setBackEvery = 0;
    qint64 setBackBy = 0;

    QByteArray header() const;
    QByteArray record(qint64 time) const;
    // Writes the file (header and every record); false with `error` on a write error.
    bool write(const QString& path, QString* error = nullptr) const;
    // The records of saves [firstSave, endSave), for a file that grows.
    QByteArray records(qint64 firstSave, qint64 endSave) const;

    // The range and alarm levels every channel uses.
    static double rangeLow(int channel);
    static double rangeHigh(int channel);
    static int decimals(int channel);
    // Alarm 1 when a value rises above this share of the range, alarm 2 below the other.
    static constexpr double HighAlarm = 0.9;
    static constexpr double LowAlarm = 0.08;

    double value(int channel, qint64 time) const;
    // The stamp of save `save` (before any silence leaves it out).
    qint64 saveTime(qint64 save) const;

    // One day of a plant's log from `dayStart` (midnight), the `day`-th of a series, each day a
    // little different: the meter silent for a quarter of an hour in the morning (and two
    // minutes in the afternoon of every other day), one channel rising through its alarm level
    // in the afternoon, on some days a broken sensor for forty minutes.
    static SyntheticDataFile plantDay(qint64 dayStart, int day, int interval = 1,
                                      int channels = 12);
};
