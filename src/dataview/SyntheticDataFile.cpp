#include "dataview/SyntheticDataFile.h"

#include "comm/MeterModels.h"
#include "logging/DataFile.h"
#include "logging/DataTime.h"

#include <QFile>
#include <QtEndian>
#include <array>
#include <cmath>
#include <cstring>

namespace {

struct ChannelLook {
    const char* name;
    const char* unit; // "`" is the recorder's degree sign
    double low, high;
    int decimals;
};

constexpr std::array<ChannelLook, 12> kLooks{{
    {"TEMP-1", "`C", 0, 500, 1},
    {"TEMP-2", "`C", 0, 500, 1},
    {"TEMP-3", "`C", 0, 500, 1},
    {"TEMP-4", "`C", 0, 500, 1},
    {"PRESS-5", "bar", 0, 10, 2},
    {"PRESS-6", "bar", 0, 10, 2},
    {"FLOW-7", "m3/h", 0, 100, 1},
    {"FLOW-8", "m3/h", 0, 100, 1},
    {"LEVEL-9", "%", 0, 100, 0},
    {"LEVEL-10", "%", 0, 100, 0},
    {"VOLT-11", "V", -10, 10, 3},
    {"CURR-12", "mA", 4, 20, 2},
}};

void putSingle(char* at, float v) {
    quint32 bits;
    std::memcpy(&bits, &v, sizeof bits);
    qToBigEndian(bits, at);
}

bool inside(const SyntheticDataFile::Span& s, qint64 t) {
    return t >= s.from && t < s.to;
}

// A sine from a table: the values need to look smooth, not to be exact, and a gigabyte of
// records wants them fast.
double wave(double turns) {
    static const auto table = [] {
        std::array<double, 4096> t{};
        for (size_t i = 0; i < t.size(); ++i)
            t[i] = std::sin(2 * M_PI * double(i) / double(t.size()));
        return t;
    }();
    const double f = turns - std::floor(turns);
    return table[size_t(f * double(table.size())) % table.size()];
}

} // namespace

double SyntheticDataFile::rangeLow(int channel) {
    return kLooks[size_t(channel - 1)].low;
}

double SyntheticDataFile::rangeHigh(int channel) {
    return kLooks[size_t(channel - 1)].high;
}

int SyntheticDataFile::decimals(int channel) {
    return kLooks[size_t(channel - 1)].decimals;
}

double SyntheticDataFile::value(int channel, qint64 time) const {
    const double low = rangeLow(channel), high = rangeHigh(channel);
    // Every channel at its own level, on its own slow swing (six to twenty hours) with a
    // faster ripple and a little noise, as a plant's measurements drift.
    const double period = 3600.0 * (6.0 + 1.3 * (channel - 1));
    const double t = double(time);
    double share = 0.16 + 0.06 * (channel - 1) + 0.05 * wave(t / period + 0.13 * channel) +
                   0.015 * wave(t / (period / 5.3) + 0.5 * channel) +
                   0.004 * wave(t / 97.0 + 0.07 * channel);
    for (const Bump& b : bumps)
        if (b.channel == channel && inside(b.span, time)) {
            // Up to the peak and back down within the span.
            const double along = (t - double(b.span.from)) / double(b.span.to - b.span.from);
            share += (b.peak - share) * std::sin(M_PI * along);
        }
    return low + (high - low) * share;
}

QByteArray SyntheticDataFile::header() const {
    using namespace DataFile;
    QByteArray h(HeaderSize, '\0');
    std::memcpy(h.data(), magic().constData(), 16);
    // A count no model has is written as a twelve-channel meter.
    const int model = ModelCodeOfChannels(ModelCodeOfChannels(channels) >= 0 ? channels : 12);
    h[16] = char(model / 10);
    h[17] = char(model % 10);
    h[18] = 1;
    h[19] = 8;
    for (int ch = 1; ch <= ChannelSlots; ++ch) {
        char* e = h.data() + ChannelEntryOffset + ChannelEntrySize * (ch - 1);
        const ChannelLook& look = kLooks[size_t(ch - 1)];
        std::memcpy(e + 2, look.unit, std::strlen(look.unit));
        putSingle(e + 8, float(look.high));
        putSingle(e + 12, float(look.low));
        std::memcpy(e + 16, look.name, std::strlen(look.name));
        e[26] = char(look.decimals);
    }
    return h;
}

QByteArray SyntheticDataFile::record(qint64 time) const {
    QByteArray r(DataFile::RecordSize, '\0');
    char* p = r.data();
    qToBigEndian(DataTime::stampOf(time), p);
    unsigned states1to6 = 0, states7to12 = 0, relays = 0;
    quint64 alarms = 0; // four bits a channel, channel 1 lowest
    for (int ch = 1; ch <= channels; ++ch) {
        const double v = value(ch, time);
        putSingle(p + 4 * ch, float(v));
        const double share = (v - rangeLow(ch)) / (rangeHigh(ch) - rangeLow(ch));
        if (share > HighAlarm) {
            alarms |= quint64(1) << (4 * (ch - 1));
            relays |= 1u << (ch - 1);
        }
        if (share < LowAlarm)
            alarms |= quint64(2) << (4 * (ch - 1));
        for (const BadSensor& b : badSensors)
            if (b.channel == ch && inside(b.span, time)) {
                unsigned& word = ch <= 6 ? states1to6 : states7to12;
                word |= unsigned(b.state & 3) << (2 * ((ch - 1) % 6));
            }
    }
    // The status bytes as the recorder's registers are stored.
    p[52] = char(states7to12 & 0xFF);
    p[53] = char((states7to12 >> 8) + 4 * (states1to6 & 3));
    p[54] = char((states1to6 >> 2) & 0xFF);
    const qint64 inDay = ((time % 86400) + 86400) % 86400;
    unsigned inputs = 0;
    if (inDay >= 8 * 3600 && inDay < 17 * 3600)
        inputs |= 1; // the day shift
    if ((time / 2700) % 2 == 1)
        inputs |= 2;
    p[55] = char(inputs);
    const auto word = [&](int at, unsigned v) {
        p[at] = char(v & 0xFF);
        p[at + 1] = char((v >> 8) & 0xFF);
    };
    word(56, unsigned(alarms & 0xFFFF));         // channels 1..4
    word(58, relays);                            // relays
    word(60, unsigned((alarms >> 32) & 0xFFFF)); // channels 9..12
    word(62, unsigned((alarms >> 16) & 0xFFFF)); // channels 5..8
    return r;
}

QByteArray SyntheticDataFile::records(qint64 firstSave, qint64 endSave) const {
    QByteArray out;
    out.reserve((endSave - firstSave) * DataFile::RecordSize);
    for (qint64 i = firstSave; i < endSave; ++i) {
        const qint64 t = saveTime(i);
        bool quiet = false;
        for (const Span& s : silent)
            quiet = quiet || inside(s, t);
        if (!quiet)
            out += record(t);
    }
    return out;
}

qint64 SyntheticDataFile::saveTime(qint64 save) const {
    const qint64 setBacks = setBackEvery > 0 ? save / setBackEvery : 0;
    return start + save * interval - setBacks * setBackBy;
}

bool SyntheticDataFile::write(const QString& path, QString* error) const {
    QFile f(path);
    bool ok = f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(header()) > 0;
    constexpr qint64 kBlock = 16384;
    for (qint64 i = 0; ok && i < saves; i += kBlock) {
        const QByteArray block = records(i, std::min(saves, i + kBlock));
        ok = f.write(block) == block.size();
    }
    ok = ok && f.flush();
    if (!ok && error)
        *error = f.errorString();
    return ok;
}

SyntheticDataFile SyntheticDataFile::plantDay(qint64 dayStart, int day, int interval,
                                              int channels) {
    SyntheticDataFile f;
    f.channels = channels;
    f.start = dayStart;
    f.interval = std::max(1, interval);
    f.saves = 86400 / f.interval;
    const qint64 h = 3600, m = 60;
    const qint64 morning = dayStart + (9 + day % 4) * h + 20 * m;
    f.silent.push_back({morning, morning + 15 * m});
    if (day % 2 == 1)
        f.silent.push_back({dayStart + 15 * h, dayStart + 15 * h + 2 * m});
    const qint64 rise = dayStart + 14 * h + (day * 7) % 50 * m;
    f.bumps.push_back({day % channels + 1, {rise, rise + 12 * m}, 0.97});
    if (day % 7 == 3)
        f.badSensors.push_back(
            {std::min(5, channels), {dayStart + 13 * h, dayStart + 13 * h + 40 * m}, 1});
    return f;
}
