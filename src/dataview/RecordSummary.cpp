#include "dataview/RecordSummary.h"

#include "logging/DataFileReader.h"
#include "logging/RecordBytes.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int kChannels = 12;

// The channels whose state says "no valid value", as a bit mask (bit 0 = channel 1).
unsigned invalidStates(const quint8* st) {
    unsigned mask = 0;
    const unsigned low = (st[1] >> 2) | unsigned(st[2]) << 2; // channels 1..5
    const unsigned high = st[0] | (unsigned(st[1]) & 3) << 8; // channels 7..11
    for (int i = 0; i < 5; ++i) {
        if ((low >> (2 * i)) & 3)
            mask |= 1u << i;
        if ((high >> (2 * i)) & 3)
            mask |= 1u << (6 + i);
    }
    return mask;
}

void takeRecord(const char* record, std::array<float, 12>& low, std::array<float, 12>& high) {
    const unsigned invalid = invalidStates(RecordBytes::status(record));
    for (int ch = 0; ch < kChannels; ++ch) {
        const float v = RecordBytes::value(record, ch + 1);
        if ((invalid >> ch) & 1 || !std::isfinite(v))
            continue;
        low[size_t(ch)] = std::min(low[size_t(ch)], v);
        high[size_t(ch)] = std::max(high[size_t(ch)], v);
    }
}

} // namespace

RecordFlags FlagsOfRecord(const char* record) {
    const quint8* st = RecordBytes::status(record);
    RecordFlags f;
    // Alarm words low byte first: channels 1..4 at 4, 5..8 at 10, 9..12 at 8.
    f.alarms = quint64(st[4] | st[5] << 8) | quint64(st[10] | st[11] << 8) << 16 |
               quint64(st[8] | st[9] << 8) << 32;
    f.io = (st[3] & 0x3Fu) | quint32(st[6] | st[7] << 8) << 8;
    return f;
}

ValueSpan::ValueSpan() {
    low.fill(std::numeric_limits<float>::infinity());
    high.fill(-std::numeric_limits<float>::infinity());
}

qint64 RecordSummary::unitsAt(int level) const {
    return level == 0 ? m_records : m_levels[size_t(level - 1)].size();
}

void RecordSummary::build(const DataFileReader& reader) {
    m_records = 0;
    m_levels.clear();
    extend(reader);
}

void RecordSummary::extend(const DataFileReader& reader) {
    const qint64 records = reader.recordCount();
    if (records < m_records) {
        m_records = 0;
        m_levels.clear();
    }
    if (records == m_records || !reader.recordData(0))
        return;
    qint64 changed = m_records; // the first unit that changed on the level below
    m_records = records;
    for (int level = 1;; ++level) {
        const bool fresh = level > int(m_levels.size());
        if (fresh)
            m_levels.emplace_back();
        const qint64 from = fresh ? 0 : changed / Fan;
        recompute(reader, level, from);
        changed = from;
        if (unitsAt(level) <= Fan)
            break; // small enough to be the top
    }
}

void RecordSummary::recompute(const DataFileReader& reader, int level, qint64 from) {
    Level& l = m_levels[size_t(level - 1)];
    const qint64 below = unitsAt(level - 1);
    const qint64 size = (below + Fan - 1) / Fan;
    l.low.resize(size_t(size * kChannels));
    l.high.resize(size_t(size * kChannels));
    l.flags.resize(size_t(size));
    for (qint64 u = from; u < size; ++u) {
        std::array<float, 12> low, high;
        low.fill(std::numeric_limits<float>::infinity());
        high.fill(-std::numeric_limits<float>::infinity());
        RecordFlags flags;
        const qint64 end = std::min(below, (u + 1) * Fan);
        if (level == 1) {
            for (qint64 r = u * Fan; r < end; ++r) {
                const char* record = reader.recordData(r);
                takeRecord(record, low, high);
                flags |= FlagsOfRecord(record);
            }
        } else {
            const Level& b = m_levels[size_t(level - 2)];
            for (qint64 c = u * Fan; c < end; ++c) {
                for (int ch = 0; ch < kChannels; ++ch) {
                    low[size_t(ch)] = std::min(low[size_t(ch)], b.low[size_t(c * kChannels + ch)]);
                    high[size_t(ch)] =
                        std::max(high[size_t(ch)], b.high[size_t(c * kChannels + ch)]);
                }
                flags |= b.flags[size_t(c)];
            }
        }
        std::copy(low.begin(), low.end(), l.low.begin() + u * kChannels);
        std::copy(high.begin(), high.end(), l.high.begin() + u * kChannels);
        l.flags[size_t(u)] = flags;
    }
}

// Visits [first, end) of `level`'s units as the fewest pieces, in order: single units at the
// edges, whole units of the coarser levels in between.
template <class Visit>
void RecordSummary::cover(int level, qint64 first, qint64 end, Visit&& visit) const {
    if (first >= end)
        return;
    if (level < int(m_levels.size())) {
        const qint64 a = (first + Fan - 1) / Fan;
        const qint64 b = end / Fan;
        if (a < b) {
            for (qint64 u = first; u < a * Fan; ++u)
                visit(level, u);
            cover(level + 1, a, b, visit);
            for (qint64 u = b * Fan; u < end; ++u)
                visit(level, u);
            return;
        }
    }
    for (qint64 u = first; u < end; ++u)
        visit(level, u);
}

ValueSpan RecordSummary::span(const DataFileReader& reader, qint64 first, qint64 end) const {
    ValueSpan s;
    end = std::min(end, m_records);
    cover(0, std::max<qint64>(first, 0), end, [&](int level, qint64 u) {
        if (level == 0) {
            takeRecord(reader.recordData(u), s.low, s.high);
            return;
        }
        const Level& l = m_levels[size_t(level - 1)];
        for (int ch = 0; ch < kChannels; ++ch) {
            s.low[size_t(ch)] = std::min(s.low[size_t(ch)], l.low[size_t(u * kChannels + ch)]);
            s.high[size_t(ch)] = std::max(s.high[size_t(ch)], l.high[size_t(u * kChannels + ch)]);
        }
    });
    return s;
}

RecordFlags RecordSummary::flags(const DataFileReader& reader, qint64 first, qint64 end) const {
    RecordFlags f;
    end = std::min(end, m_records);
    cover(0, std::max<qint64>(first, 0), end, [&](int level, qint64 u) {
        f |= level == 0 ? FlagsOfRecord(reader.recordData(u))
                        : m_levels[size_t(level - 1)].flags[size_t(u)];
    });
    return f;
}

bool RecordSummary::levelHas(int level, qint64 unit, int channel,
                             const DataFileReader& reader) const {
    if (level == 0)
        return RecordBytes::isValid(reader.recordData(unit), channel);
    const Level& l = m_levels[size_t(level - 1)];
    const size_t at = size_t(unit * kChannels + channel - 1);
    return l.low[at] <= l.high[at];
}

qint64 RecordSummary::findIn(const DataFileReader& reader, int level, qint64 unit, int channel,
                             bool last) const {
    while (level > 0) {
        const qint64 first = unit * Fan;
        const qint64 end = std::min(first + Fan, unitsAt(level - 1));
        qint64 found = -1;
        if (last) {
            for (qint64 c = end - 1; c >= first && found < 0; --c)
                if (levelHas(level - 1, c, channel, reader))
                    found = c;
        } else {
            for (qint64 c = first; c < end && found < 0; ++c)
                if (levelHas(level - 1, c, channel, reader))
                    found = c;
        }
        if (found < 0)
            return -1; // cannot happen while the summary matches the records
        unit = found;
        --level;
    }
    return unit;
}

qint64 RecordSummary::firstValid(const DataFileReader& reader, int channel, qint64 first,
                                 qint64 end) const {
    end = std::min(end, m_records);
    first = std::max<qint64>(first, 0);
    if (first >= end)
        return -1;
    if (RecordBytes::isValid(reader.recordData(first), channel))
        return first; // the usual case, answered at once
    int foundLevel = -1;
    qint64 foundUnit = -1;
    cover(0, first, end, [&](int level, qint64 u) {
        if (foundLevel < 0 && levelHas(level, u, channel, reader)) {
            foundLevel = level;
            foundUnit = u;
        }
    });
    return foundLevel < 0 ? -1 : findIn(reader, foundLevel, foundUnit, channel, false);
}

qint64 RecordSummary::lastValid(const DataFileReader& reader, int channel, qint64 first,
                                qint64 end) const {
    end = std::min(end, m_records);
    first = std::max<qint64>(first, 0);
    if (first >= end)
        return -1;
    if (RecordBytes::isValid(reader.recordData(end - 1), channel))
        return end - 1;
    int foundLevel = -1;
    qint64 foundUnit = -1;
    cover(0, first, end, [&](int level, qint64 u) {
        if (levelHas(level, u, channel, reader)) {
            foundLevel = level;
            foundUnit = u;
        }
    });
    return foundLevel < 0 ? -1 : findIn(reader, foundLevel, foundUnit, channel, true);
}
