#include "logging/CsvRowFormat.h"

#include "logging/DataFileReader.h"
#include "logging/RecordBytes.h"

#include <QtEndian>
#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr double kScale[5] = {1, 10, 100, 1000, 10000};

// "00" .. "99": two digits at a time.
struct DigitPairs {
    char text[200];
    constexpr DigitPairs()
        : text() {
        for (int i = 0; i < 100; ++i) {
            text[2 * i] = char('0' + i / 10);
            text[2 * i + 1] = char('0' + i % 10);
        }
    }
};
constexpr DigitPairs kPairs;

char* putTwo(char* p, unsigned v) {
    std::memcpy(p, kPairs.text + 2 * v, 2);
    return p + 2;
}

// The numbers of the set bits of a group of four (bits 4 g + 1 .. 4 g + 4), each after a
// blank: " 9 10 12". Copied sixteen bytes at a time, so that a list costs one move, not a
// loop over its bits.
struct BitText {
    char text[15] = {};
    quint8 size = 0;
};
struct BitTexts {
    BitText of[3][16];
    constexpr BitTexts()
        : of() {
        for (int group = 0; group < 3; ++group)
            for (int bits = 0; bits < 16; ++bits) {
                BitText& t = of[group][bits];
                for (int i = 0; i < 4; ++i) {
                    if (!(bits & (1 << i)))
                        continue;
                    const int number = 4 * group + i + 1;
                    t.text[t.size++] = ' ';
                    if (number >= 10)
                        t.text[t.size++] = '1';
                    t.text[t.size++] = char('0' + number % 10);
                }
            }
    }
};
constexpr BitTexts kBitTexts;

// A field of bit numbers from 1 ("1 3", empty when none), after its comma. `groups` of four
// bits; bits above those are ignored.
template <int groups>
char* putBitField(char* p, unsigned bits) {
    char* const start = p;
    for (int g = 0; g < groups; ++g) {
        const BitText& t = kBitTexts.of[g][(bits >> (4 * g)) & 0xF];
        std::memcpy(p, &t, sizeof t);
        p += t.size;
    }
    *start = ','; // in place of the first number's blank
    return p + (p == start);
}

// "YYYY-MM-DD HH:MM:SS", field by field as stored.
char* putStamp(char* p, quint32 s) {
    p = putTwo(p, 20);
    p = putTwo(p, (s >> 26) & 0x1F);
    *p++ = '-';
    p = putTwo(p, (s >> 22) & 0xF);
    *p++ = '-';
    p = putTwo(p, (s >> 17) & 0x1F);
    *p++ = ' ';
    p = putTwo(p, (s >> 12) & 0x1F);
    *p++ = ':';
    p = putTwo(p, (s >> 6) & 0x3F);
    *p++ = ':';
    return putTwo(p, s & 0x3F);
}

// The decimal digits of `v`, two at a time from the right, written in place.
char* putUnsigned(char* p, quint32 v) {
    static constexpr quint32 kPowers[10] = {1,      10,      100,      1000,      10000,
                                            100000, 1000000, 10000000, 100000000, 1000000000};
    const int guess = (std::bit_width(v | 1) * 1233) >> 12;
    const int digits = guess + 1 - ((v | 1) < kPowers[guess]);
    char* const end = p + digits;
    char* q = end;
    while (v >= 100) {
        q -= 2;
        std::memcpy(q, kPairs.text + 2 * (v % 100), 2);
        v /= 100;
    }
    if (v >= 10)
        std::memcpy(q - 2, kPairs.text + 2 * v, 2);
    else
        q[-1] = char('0' + v);
    return end;
}

template <int decimals, typename Whole>
char* putScaled(char* p, Whole scaled) {
    constexpr Whole kDivisor = decimals == 0   ? 1
                               : decimals == 1 ? 10
                               : decimals == 2 ? 100
                               : decimals == 3 ? 1000
                                               : 10000;
    const Whole whole = scaled / kDivisor;
    if constexpr (sizeof(Whole) == sizeof(quint32))
        p = putUnsigned(p, whole);
    else
        p = std::to_chars(p, p + 20, whole).ptr;
    if constexpr (decimals > 0) {
        const auto part = unsigned(scaled - whole * kDivisor);
        *p++ = '.';
        if constexpr (decimals == 1) {
            *p++ = char('0' + part);
        } else if constexpr (decimals == 2) {
            p = putTwo(p, part);
        } else if constexpr (decimals == 3) {
            *p++ = char('0' + part / 100);
            p = putTwo(p, part % 100);
        } else {
            p = putTwo(p, part / 100);
            p = putTwo(p, part % 100);
        }
    }
    return p;
}

template <int decimals>
char* putScaled(char* p, quint64 scaled) {
    return scaled <= 0xFFFFFFFFu ? putScaled<decimals>(p, quint32(scaled))
                                 : putScaled<decimals, quint64>(p, scaled);
}

// A value with `decimals` places, rounded half away from zero, as the recorder shows it. The
// single widened to double and scaled by at most 10^4 is exact (34 significant bits), and so
// is adding one half to it below 10^15, so the rounding sees the stored value itself. Never
// "-0.0".
char* putValue(char* p, float value, int decimals) {
    const double x = double(value) * kScale[decimals];
    if (!(std::fabs(x) < 1e15)) // huge: no whole number holds it, print it as it is
        return std::to_chars(p, p + 64, double(value), std::chars_format::fixed, decimals).ptr;
    const auto n = qint64(x + std::copysign(0.5, x));
    *p = '-';
    p += n < 0;
    const auto scaled = quint64(n < 0 ? -n : n);
    switch (decimals) {
    case 0:
        return putScaled<0>(p, scaled);
    case 1:
        return putScaled<1>(p, scaled);
    case 2:
        return putScaled<2>(p, scaled);
    case 3:
        return putScaled<3>(p, scaled);
    default:
        return putScaled<4>(p, scaled);
    }
}

} // namespace

CsvRowFormat::CsvRowFormat(const DataHeader& header, const QVector<int>& channels,
                           int modelChannels) {
    for (int ch : channels) {
        if (ch < 1 || ch > 12)
            continue;
        const int stateAt = RecordBytes::stateBitOffset(ch);
        m_columns.push_back({4 * ch, std::clamp(header.channels[size_t(ch - 1)].decimals, 0, 4),
                             unsigned(std::max(stateAt, 0)), stateAt < 0 ? 0u : 3u,
                             RecordBytes::alarmWordAt(ch), unsigned(RecordBytes::alarmShift(ch))});
    }
    m_plainRows = m_columns.size() <= sizeof m_validStates / 2;
    for (const Column& c : m_columns) {
        m_stateBitsUsed |= c.stateMask << c.stateShift;
        m_alarmBitsUsed |= quint64(0xF) << (8 * (c.alarmAt - 4) + c.alarmShift);
        if (!m_plainRows)
            continue;
        m_validStates[m_validStatesSize++] = ',';
        if (c.stateMask != 0)
            m_validStates[m_validStatesSize++] = '0';
    }
    // A two-channel model has two inputs; every other model six. A relay per channel.
    m_inputMask = modelChannels == 2 ? 0x3 : 0x3F;
    m_relayMask = (1u << std::clamp(modelChannels, 0, 12)) - 1;
}

size_t CsvRowFormat::maxRowBytes() const {
    // A column's value (a huge one: comma, sign, 39 digits, point, four places), state and
    // alarms (",1 2 3 4"); the stamp, the inputs, the relays and CR LF; and the most that the
    // fixed-size copies of put() reach past what they keep.
    constexpr size_t kColumn = 46 + 2 + 8, kRest = 19 + 12 + 27 + 2, kCopies = 32;
    return m_columns.size() * kColumn + kRest + kCopies;
}

char* CsvRowFormat::put(char* p, const char* record) const {
    const quint8* st = RecordBytes::status(record);
    const unsigned states = RecordBytes::stateBits(st);
    p = putStamp(p, RecordBytes::stamp(record));
    for (const Column& c : m_columns) {
        *p++ = ',';
        const quint32 bits = qFromBigEndian<quint32>(record + c.valueAt);
        const bool finite = (bits & 0x7F800000u) != 0x7F800000u;
        if (finite && ((states >> c.stateShift) & c.stateMask) == 0) {
            float v;
            std::memcpy(&v, &bits, sizeof v);
            p = putValue(p, v, c.decimals);
        }
    }
    if (m_plainRows && (states & m_stateBitsUsed) == 0) {
        std::memcpy(p, m_validStates, sizeof m_validStates);
        p += m_validStatesSize;
    } else {
        for (const Column& c : m_columns) {
            *p++ = ',';
            *p = char('0' + ((states >> c.stateShift) & 3));
            p += c.stateMask != 0;
        }
    }
    if (m_plainRows && (qFromLittleEndian<quint64>(st + 4) & m_alarmBitsUsed) == 0) {
        std::memcpy(p, ",,,,,,,,,,,,,,,,", 16);
        p += m_columns.size();
    } else {
        for (const Column& c : m_columns)
            p = putBitField<1>(p, unsigned(st[c.alarmAt] | st[c.alarmAt + 1] << 8) >> c.alarmShift);
    }
    p = putBitField<2>(p, RecordBytes::digitalInputs(st) & m_inputMask);
    p = putBitField<3>(p, RecordBytes::relays(st) & m_relayMask);
    *p++ = '\r';
    *p++ = '\n';
    return p;
}
