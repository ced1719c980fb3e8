#pragma once

#include <QtGlobal>
#include <array>
#include <vector>

class DataFileReader;

// The alarm, input and relay bits of a record, or of several together (on in any of them).
struct RecordFlags {
    quint64 alarms = 0; // bit 4 * (channel - 1) + alarm - 1, channels 1..12, alarms 1..4
    quint32 io = 0;     // bits 0..5 the digital inputs, bits 8..23 the relays

    bool alarm(int channel, int alarmNo) const {
        return (alarms >> (4 * (channel - 1) + alarmNo - 1)) & 1;
    }
    bool channelAlarm(int channel) const { return (alarms >> (4 * (channel - 1))) & 0xF; }
    bool input(int n) const { return (io >> (n - 1)) & 1; } // n = 1..6
    bool relay(int n) const { return (io >> (7 + n)) & 1; } // n = 1..16
    RecordFlags& operator|=(const RecordFlags& o) {
        alarms |= o.alarms;
        io |= o.io;
        return *this;
    }
    bool operator==(const RecordFlags&) const = default;
};

// The flags of one record in place.
RecordFlags FlagsOfRecord(const char* record);

// Lowest and highest valid value of every channel over some records; low > high where the
// channel had no valid value among them.
struct ValueSpan {
    std::array<float, 12> low;
    std::array<float, 12> high;
    ValueSpan();
    bool hasValue(int channel) const {
        return low[size_t(channel - 1)] <= high[size_t(channel - 1)];
    }
};

// What a data file's records hold, summed up so that any span of records can be described
// without reading them all: for every block of 64 records, and every block of 64 such blocks,
// and so on, the lowest and highest valid value of each channel and the flags that were on.
// A question about records a..b reads at most 2 x 63 entries on each level and the records
// at both ends, so a trace of a gigabyte file is drawn as fast as one of a kilobyte.
class RecordSummary {
public:
    static constexpr int Fan = 32;

    // Sums up the reader's records (the file must be mapped, not a stream).
    void build(const DataFileReader& reader);
    // Takes in records the reader has gained since (a file that is still being written).
    void extend(const DataFileReader& reader);
    qint64 records() const { return m_records; }

    // Over records [first, end).
    ValueSpan span(const DataFileReader& reader, qint64 first, qint64 end) const;
    RecordFlags flags(const DataFileReader& reader, qint64 first, qint64 end) const;
    // The first and last record in [first, end) with a valid value of channel 1..12; -1 if none.
    qint64 firstValid(const DataFileReader& reader, int channel, qint64 first, qint64 end) const;
    qint64 lastValid(const DataFileReader& reader, int channel, qint64 first, qint64 end) const;

private:
    struct Level {
        std::vector<float> low, high; // 12 per entry
        std::vector<RecordFlags> flags;
        qint64 size() const { return qint64(flags.size()); }
    };
    // Level k > 0 is m_levels[k - 1]; level 0 is the records themselves.
    qint64 unitsAt(int level) const;
    void recompute(const DataFileReader& reader, int level, qint64 from);
    template <class Visit>
    void cover(int level, qint64 first, qint64 end, Visit&& visit) const;
    bool levelHas(int level, qint64 unit, int channel, const DataFileReader& reader) const;
    qint64 findIn(const DataFileReader& reader, int level, qint64 unit, int channel,
                  bool last) const;

    qint64 m_records = 0;
    std::vector<Level> m_levels;
};
