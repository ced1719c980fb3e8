#include "sim/SimCrc.h"

#include <array>

namespace {

constexpr std::array<quint16, 256> makeTable() {
    std::array<quint16, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned crc = i;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
        table[i] = static_cast<quint16>(crc);
    }
    return table;
}

constexpr std::array<quint16, 256> kTable = makeTable();

} // namespace

quint16 simCrcStep(quint16 crc, quint8 byte) {
    return static_cast<quint16>((crc >> 8) ^ kTable[(crc ^ byte) & 0xFF]);
}

quint16 simCrc16(const char* data, qsizetype length) {
    quint16 crc = 0xFFFF;
    for (qsizetype i = 0; i < length; ++i)
        crc = simCrcStep(crc, static_cast<quint8>(data[i]));
    return crc;
}

quint16 simCrc16(const QByteArray& bytes, qsizetype length) {
    return simCrc16(bytes.constData(), std::clamp<qsizetype>(length, 0, bytes.size()));
}

void simAppendCrc(QByteArray& frame) {
    const quint16 crc = simCrc16(frame);
    frame.append(static_cast<char>(crc & 0xFF));
    frame.append(static_cast<char>(crc >> 8));
}

bool simCrcValid(const char* data, qsizetype length) {
    if (length < 3)
        return false;
    const quint16 crc = simCrc16(data, length - 2);
    return static_cast<quint8>(data[length - 2]) == (crc & 0xFF) &&
           static_cast<quint8>(data[length - 1]) == (crc >> 8);
}

bool simCrcValid(const QByteArray& frame, qsizetype length) {
    return length <= frame.size() && simCrcValid(frame.constData(), length);
}
