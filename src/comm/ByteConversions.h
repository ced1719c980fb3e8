#pragma once

#include <QByteArray>
#include <QString>

// Plain byte copies in the machine's little-endian order; callers place or reverse the bytes
// as the wire or the file needs them.
QByteArray SingleToBytes(float value);   // 4 bytes
QByteArray LongToBytes(qint32 value);    // 4 bytes
QByteArray IntegerToBytes(qint16 value); // 2 bytes
// From the first bytes of `bytes`; missing bytes read as zero.
float BytesToSingle(const QByteArray& bytes);
qint32 BytesToLong(const QByteArray& bytes);
qint16 BytesToInteger(const QByteArray& bytes);

// A byte in upper-case hexadecimal, two digits ("0A").
QString ToHex2(quint8 byte);
// The bytes as "01 03 75 31 ..." for logs and messages.
QString ToHexText(const QByteArray& bytes);
