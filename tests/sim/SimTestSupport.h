#pragma once

#include <QByteArray>
#include <QList>

// Request frames for the simulator tests, closed with a plain bitwise CRC of the tests' own.
namespace simtest {

inline QByteArray withCrc(QByteArray frame) {
    quint16 crc = 0xFFFF;
    for (char c : frame) {
        crc ^= static_cast<quint8>(c);
        for (int i = 0; i < 8; ++i)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return frame.append(char(crc & 0xFF)).append(char(crc >> 8));
}

inline QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

// Address, function, then 16-bit words high byte first.
inline QByteArray frame(int address, int function, const QList<int>& words) {
    QByteArray f;
    f.append(char(address)).append(char(function));
    for (int w : words)
        f.append(char(w >> 8)).append(char(w & 0xFF));
    return f;
}

inline QByteArray readRequest(int address, int function, int first, int count) {
    return withCrc(frame(address, function, {first, count}));
}

inline QByteArray writeRequest(int address, int first, const QList<quint16>& values) {
    QByteArray f = frame(address, 16, {first, int(values.size())}).append(char(2 * values.size()));
    for (quint16 v : values)
        f.append(char(v >> 8)).append(char(v & 0xFF));
    return withCrc(f);
}

// The registers of a read reply (address, function, byte count, data, CRC).
inline QList<quint16> replyRegisters(const QByteArray& reply) {
    QList<quint16> values;
    for (int i = 3; i + 1 < reply.size() - 2; i += 2)
        values.append(quint16(quint8(reply[i]) << 8 | quint8(reply[i + 1])));
    return values;
}

} // namespace simtest
