#pragma once

#include <QtEndian>
#include <cmath>
#include <cstring>

// A data file record read in place, without decoding it whole: what the readers that walk
// millions of records (export, viewer) need of each one. Offsets: the stamp at 0, channel ch's
// value (big-endian single) at 4 * ch, the status bytes from 52.
namespace RecordBytes {

inline quint32 stamp(const char* record) {
    return qFromBigEndian<quint32>(record);
}

// The value of channel 1..12.
inline float value(const char* record, int channel) {
    const quint32 bits = qFromBigEndian<quint32>(record + 4 * channel);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

inline const quint8* status(const char* record) {
    return reinterpret_cast<const quint8*>(record + 52);
}

// The states of channels 1..5 and 7..11 in one word, two bits a channel, from the status bytes.
// Bytes 0..2 hold the state word of channels 7..12 (its low ten bits and, added on, the rest)
// and four times the word of channels 1..6 (its bits 0..9), so channel 1's state is stored
// added to channel 12's; the states of channels 6 and 12 are not kept.
inline unsigned stateBits(const quint8* st) {
    const unsigned from7 = st[0] | (st[1] & 3u) << 8;
    const unsigned from1 = (st[1] >> 2) | unsigned(st[2]) << 2;
    return from1 | from7 << 10;
}

// Where channel 1..12's state sits in stateBits(), or -1 for channels 6 and 12.
constexpr int stateBitOffset(int channel) {
    if (channel >= 1 && channel <= 5)
        return 2 * (channel - 1);
    if (channel >= 7 && channel <= 11)
        return 10 + 2 * (channel - 7);
    return -1;
}

// The state of channel 1..12 (0 = valid value), or -1 for channels 6 and 12.
inline int channelState(const quint8* st, int channel) {
    const int at = stateBitOffset(channel);
    return at < 0 ? -1 : int((stateBits(st) >> at) & 3);
}

// The alarm words are stored low byte first: channels 1..4 at status byte 4, 9..12 at 8, 5..8
// at 10, four bits a channel (bit 0 = alarm 1). The status byte of channel 1..12's word:
constexpr int alarmWordAt(int channel) {
    constexpr int kWordAt[3] = {4, 10, 8};
    return kWordAt[(channel - 1) / 4];
}

// Where channel 1..12's four alarm bits sit in its word.
constexpr int alarmShift(int channel) {
    return 4 * ((channel - 1) % 4);
}

// The four alarm bits of channel 1..12 (bit 0 = alarm 1).
inline unsigned alarms(const quint8* st, int channel) {
    const int at = alarmWordAt(channel);
    return ((st[at] | st[at + 1] << 8) >> alarmShift(channel)) & 0xF;
}

inline unsigned digitalInputs(const quint8* st) {
    return st[3];
}

inline unsigned relays(const quint8* st) {
    return unsigned(st[6] | st[7] << 8);
}

// A value the channel really had: its state says valid and it is a number.
inline bool isValid(const char* record, int channel) {
    return channelState(status(record), channel) <= 0 && std::isfinite(value(record, channel));
}

} // namespace RecordBytes
