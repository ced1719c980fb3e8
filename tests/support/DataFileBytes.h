#pragma once

#include "support/TestFiles.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <array>
#include <cmath>
#include <cstring>

// Data file bytes built from the file layout itself, apart from the program's code, so that a
// layout mistake in the program does not cancel out in the tests.
namespace DataFileBytes {

// A header whose channels are named CH-1 .. CH-12, in volts from 0 to 100, one decimal.
inline QByteArray header(int modelCode = 20) {
    QByteArray h(512, '\0');
    std::memcpy(h.data(), "TD700 LOG DATA", 14);
    h[16] = char(modelCode / 10);
    h[17] = char(modelCode % 10);
    h[18] = 1;
    h[19] = 8;
    for (int ch = 0; ch < 12; ++ch) {
        char* e = h.data() + 32 + 40 * ch;
        e[2] = 'V';
        const float high = 100, low = 0;
        quint32 bits;
        std::memcpy(&bits, &high, 4);
        qToBigEndian(bits, e + 8);
        std::memcpy(&bits, &low, 4);
        qToBigEndian(bits, e + 12);
        const QByteArray name = "CH-" + QByteArray::number(ch + 1);
        std::memcpy(e + 16, name.constData(), size_t(name.size()));
        e[26] = 1;
    }
    return h;
}

// Channel 1..12's name and decimal places in a header.
inline void setChannel(QByteArray& h, int channel, const QByteArray& name, int decimals) {
    char* e = h.data() + 32 + 40 * (channel - 1);
    std::memset(e + 16, 0, 10);
    std::memcpy(e + 16, name.constData(), size_t(std::min<qsizetype>(name.size(), 10)));
    e[26] = char(decimals);
}

// The stamp of a date and time, field by field.
inline quint32 stamp(int y, int mo, int d, int h, int mi, int s) {
    return quint32(y - 2000) << 26 | quint32(mo) << 22 | quint32(d) << 17 | quint32(h) << 12 |
           quint32(mi) << 6 | quint32(s);
}

struct Record {
    quint32 stamp = 0;
    std::array<float, 12> values{};
    std::array<int, 12> states{}; // 0..3, channels 1..12 (6 and 12 are not kept)
    quint64 alarms = 0;           // bit 4 (ch - 1) + alarm - 1
    quint8 inputs = 0;
    quint16 relays = 0;

    QByteArray bytes() const {
        QByteArray r(64, '\0');
        qToBigEndian(stamp, r.data());
        for (int ch = 0; ch < 12; ++ch) {
            quint32 bits;
            std::memcpy(&bits, &values[size_t(ch)], 4);
            qToBigEndian(bits, r.data() + 4 + 4 * ch);
        }
        unsigned w1to6 = 0, w7to12 = 0;
        for (int ch = 0; ch < 6; ++ch) {
            w1to6 |= unsigned(states[size_t(ch)] & 3) << (2 * ch);
            w7to12 |= unsigned(states[size_t(ch + 6)] & 3) << (2 * ch);
        }
        r[52] = char(w7to12 % 256);
        r[53] = char((w7to12 / 256 + 4 * (w1to6 % 4)) % 256);
        r[54] = char((w1to6 / 4) % 256);
        r[55] = char(inputs);
        const auto word = [&r](int at, unsigned v) {
            r[at] = char(v & 0xFF);
            r[at + 1] = char(v >> 8);
        };
        word(56, unsigned(alarms & 0xFFFF));         // channels 1..4
        word(58, relays);                            // relays
        word(60, unsigned((alarms >> 32) & 0xFFFF)); // channels 9..12
        word(62, unsigned((alarms >> 16) & 0xFFFF)); // channels 5..8
        return r;
    }
    bool valid(int channel) const {
        const bool stateKept = channel != 6 && channel != 12;
        return (!stateKept || states[size_t(channel - 1)] == 0) &&
               std::isfinite(values[size_t(channel - 1)]);
    }
};

inline QString write(const QString& path, const QByteArray& bytes) {
    return WriteBytes(path, bytes);
}

inline void append(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::Append) || f.write(bytes) != bytes.size())
        qFatal("cannot append to %s", qPrintable(path));
}

} // namespace DataFileBytes
