#include "comm/ByteConversions.h"

#include <QtEndian>
#include <array>
#include <cstring>

namespace {
// The first `size` bytes of `bytes`, missing ones as zero.
template <typename T>
T littleEndianFrom(const QByteArray& bytes) {
    uchar raw[sizeof(T)] = {};
    std::memcpy(raw, bytes.constData(),
                std::min<std::size_t>(sizeof(T), std::size_t(bytes.size())));
    return qFromLittleEndian<T>(raw);
}

template <typename T>
QByteArray littleEndianBytes(T value) {
    QByteArray out(qsizetype(sizeof(T)), '\0');
    qToLittleEndian<T>(value, out.data());
    return out;
}
} // namespace

QByteArray SingleToBytes(float value) {
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return littleEndianBytes<quint32>(bits);
}

QByteArray LongToBytes(qint32 value) {
    return littleEndianBytes<qint32>(value);
}

QByteArray IntegerToBytes(qint16 value) {
    return littleEndianBytes<qint16>(value);
}

float BytesToSingle(const QByteArray& bytes) {
    const quint32 bits = littleEndianFrom<quint32>(bytes);
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

qint32 BytesToLong(const QByteArray& bytes) {
    return littleEndianFrom<qint32>(bytes);
}

qint16 BytesToInteger(const QByteArray& bytes) {
    return littleEndianFrom<qint16>(bytes);
}

QString ToHex2(quint8 byte) {
    // The frame log writes one per byte of every frame: shared copies of 256 texts made once
    // cost no allocation each.
    static const std::array<QString, 256> texts = [] {
        std::array<QString, 256> t;
        constexpr char digits[] = "0123456789ABCDEF";
        for (int b = 0; b < 256; ++b)
            t[b] = QString::fromLatin1(QByteArrayView(digits + (b >> 4), 1)) +
                   QLatin1Char(digits[b & 15]);
        return t;
    }();
    return texts[byte];
}

QString ToHexText(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}
