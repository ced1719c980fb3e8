#pragma once

#include <QByteArray>

// The Modbus RTU CRC-16, kept apart from the master's own so that a mistake on one side
// cannot hide behind the same mistake on the other.
quint16 simCrc16(const char* data, qsizetype length);
quint16 simCrc16(const QByteArray& bytes, qsizetype length);
inline quint16 simCrc16(const QByteArray& bytes) {
    return simCrc16(bytes, bytes.size());
}
// One more byte into a running CRC (start with 0xFFFF).
quint16 simCrcStep(quint16 crc, quint8 byte);

// Appends the CRC of everything before it, low byte first.
void simAppendCrc(QByteArray& frame);

// True when the frame has at least one byte before a correct CRC.
bool simCrcValid(const char* data, qsizetype length);
bool simCrcValid(const QByteArray& frame, qsizetype length);
inline bool simCrcValid(const QByteArray& frame) {
    return simCrcValid(frame, frame.size());
}
