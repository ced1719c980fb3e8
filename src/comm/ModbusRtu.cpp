#include "comm/ModbusRtu.h"

quint16 Crc16(const char* data, qsizetype size) {
    quint16 crc = 0xFFFF;
    for (qsizetype i = 0; i < size; ++i) {
        crc ^= quint8(data[i]);
        for (int bit = 0; bit < 8; ++bit) {
            const bool carry = crc & 1;
            crc >>= 1;
            if (carry)
                crc ^= 0xA001;
        }
    }
    return crc;
}

QByteArray CrcAppend(QByteArray frame) {
    const qsizetype n = frame.size();
    if (n < 2)
        return frame;
    const quint16 crc = Crc16(frame.constData(), n - 2);
    frame[n - 2] = char(crc & 0xFF);
    frame[n - 1] = char(crc >> 8);
    return frame;
}

bool CrcCheck(const QByteArray& frame) {
    const qsizetype n = frame.size();
    if (n < 2)
        return false;
    const quint16 crc = Crc16(frame.constData(), n - 2);
    return quint8(frame[n - 2]) == (crc & 0xFF) && quint8(frame[n - 1]) == (crc >> 8);
}

namespace {
void putWord(QByteArray& frame, qsizetype at, int value) {
    frame[at] = char((value >> 8) & 0xFF);
    frame[at + 1] = char(value & 0xFF);
}
} // namespace

QByteArray BuildReadReply(int slave, const QVector<quint16>& registers) {
    QByteArray frame;
    frame.reserve(ReadReplyLength(int(registers.size())));
    frame.append(char(slave & 0xFF)).append(char(3)).append(char(2 * registers.size()));
    for (quint16 r : registers)
        frame.append(char(r >> 8)).append(char(r & 0xFF));
    frame.append(2, '\0');
    return CrcAppend(frame);
}

QByteArray BuildReadFrame(int slave, int startRegister, int count) {
    QByteArray frame(8, '\0');
    frame[0] = char(slave & 0xFF);
    frame[1] = 3;
    putWord(frame, 2, startRegister);
    putWord(frame, 4, count);
    return CrcAppend(frame);
}

QByteArray BuildWriteFrame(int slave, int startRegister, const QVector<quint16>& values) {
    const qsizetype n = values.size();
    if (n > 127)
        return {}; // the byte count is one byte: such a write cannot be expressed
    QByteArray frame(9 + 2 * n, '\0');
    frame[0] = char(slave & 0xFF);
    frame[1] = 16;
    putWord(frame, 2, startRegister);
    putWord(frame, 4, int(n));
    frame[6] = char(2 * n);
    for (qsizetype i = 0; i < n; ++i)
        putWord(frame, 7 + 2 * i, values[i]);
    return CrcAppend(frame);
}
