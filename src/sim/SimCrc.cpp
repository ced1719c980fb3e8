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

quint16 simCrc16(const QByteArray& bytes, qsizetype length) {
    quint16 crc = 0xFFFF;
    const qsizetype n = std::min(length, bytes.size());
    for (qsizetype i = 0; i < n; ++i)
        crc =
            static_cast<quint16>((crc >> 8) ^ kTable[(crc ^ static_cast<quint8>(bytes[i])) & 0xFF]);
    return crc;
}

void simAppendCrc(QByteArray& frame) {
    const quint16 crc = simCrc16(frame);
    frame.append(static_cast<char>(crc & 0xFF));
    frame.append(static_cast<char>(crc >> 8));
}

bool simCrcValid(const QByteArray& frame, qsizetype length) {
    if (length < 3 || length > frame.size())
        return false;
    const quint16 crc = simCrc16(frame, length - 2);
    return static_cast<quint8>(frame[length - 2]) == (crc & 0xFF) &&
           static_cast<quint8>(frame[length - 1]) == (crc >> 8);
}
