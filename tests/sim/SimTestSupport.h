#pragma once

#include <QByteArray>
#include <QList>

// Request frames for the simulator tests, closed with a plain bitwise CRC of the tests' own.
namespace simtest {

inline quint16 referenceCrc(const QByteArray& bytes) {
    quint16 crc = 0xFFFF;
    for (char c : bytes) {
        crc ^= static_cast<quint8>(c);
        for (int i = 0; i < 8; ++i)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

inline QByteArray withCrc(QByteArray frame) {
    const quint16 crc = referenceCrc(frame);
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
    return frame;
}

inline QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

inline QByteArray readRequest(int address, int function, int first, int count) {
    QByteArray f;
    f.append(char(address));
    f.append(char(function));
    f.append(char(first >> 8));
    f.append(char(first & 0xFF));
    f.append(char(count >> 8));
    f.append(char(count & 0xFF));
    return withCrc(f);
}

inline QByteArray writeRequest(int address, int first, const QList<quint16>& values) {
    QByteArray f;
    f.append(char(address));
    f.append(char(16));
    f.append(char(first >> 8));
    f.append(char(first & 0xFF));
    f.append(char(values.size() >> 8));
    f.append(char(values.size() & 0xFF));
    f.append(char(2 * values.size()));
    for (quint16 v : values) {
        f.append(char(v >> 8));
        f.append(char(v & 0xFF));
    }
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
