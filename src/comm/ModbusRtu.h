#pragma once

#include <QByteArray>
#include <QVector>

// Modbus RTU framing as the master uses it: function 3 reads and function 16 writes, the
// register's own number (30001, 40014, ...) on the wire, CRC-16 low byte first.

// The Modbus CRC-16 (reflected polynomial 0xA001, initial 0xFFFF) of `size` bytes.
quint16 Crc16(const char* data, qsizetype size);
// Computes the CRC over all but the last two bytes and stores it there (low byte first).
// A frame shorter than two bytes is returned unchanged.
QByteArray CrcAppend(QByteArray frame);
// True when the last two bytes hold the CRC of the bytes before them.
bool CrcCheck(const QByteArray& frame);

// Function 3: read `count` registers from `startRegister` (8 bytes, CRC included).
QByteArray BuildReadFrame(int slave, int startRegister, int count);
// Function 16: write the values (9 + 2N bytes, CRC included). The byte count is one byte, so
// more than 127 values cannot be expressed: the frame is then empty and nothing is sent.
QByteArray BuildWriteFrame(int slave, int startRegister, const QVector<quint16>& values);
// A meter's answer to a function 3 read: the registers it read, CRC included.
QByteArray BuildReadReply(int slave, const QVector<quint16>& registers);

constexpr int ReadReplyLength(int registers) {
    return 5 + 2 * registers;
}
constexpr int WriteReplyLength = 8;
// A refusal: the function code with its top bit set, one exception code, the CRC.
constexpr quint8 ExceptionFunctionBit = 0x80;
constexpr int ExceptionReplyLength = 5;

// The slave address a frame starts with; -1 for an empty one.
inline int SlaveOfFrame(const QByteArray& frame) {
    return frame.isEmpty() ? -1 : quint8(frame[0]);
}
