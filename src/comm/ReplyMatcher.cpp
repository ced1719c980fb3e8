#include "comm/ReplyMatcher.h"

#include "comm/ModbusRtu.h"

#include <algorithm>
#include <limits>

ReplyShape ReplyShapeOf(const QByteArray& request) {
    ReplyShape shape;
    if (request.size() < 2)
        return shape;
    shape.slave = quint8(request[0]);
    shape.function = quint8(request[1]);
    if (shape.function == 3 && request.size() >= 6) {
        const int count = quint8(request[4]) * 256 + quint8(request[5]);
        shape.length = ReadReplyLength(count);
        shape.fixed = QByteArray(1, char(quint8(2 * count)));
    } else {
        shape.length = WriteReplyLength;
        if ((shape.function == 16 || shape.function == 6) && request.size() >= 6)
            shape.fixed = request.mid(2, 4);
    }
    return shape;
}

bool FitsShape(const QByteArray& frame, const ReplyShape& shape) {
    return frame.size() == shape.length && frame.size() >= 2 + shape.fixed.size() &&
           quint8(frame[0]) == shape.slave && quint8(frame[1]) == shape.function &&
           frame.mid(2, shape.fixed.size()) == shape.fixed;
}

int ReplyLengthAt(const QByteArray& bytes, qsizetype at) {
    const qsizetype size = bytes.size();
    if (at + 1 >= size)
        return -int(at + 2 - size);
    const quint8 function = quint8(bytes[at + 1]);
    if (function == 3) {
        if (at + 2 >= size)
            return -1;
        return 3 + quint8(bytes[at + 2]) + 2; // address, function, byte count, data, CRC
    }
    if (function == 16)
        return WriteReplyLength;
    if (function == (3 | ExceptionFunctionBit) || function == (16 | ExceptionFunctionBit))
        return ExceptionReplyLength;
    return 0;
}

ReplySearch FindReply(const QByteArray& rx, const ReplyShape& shape) {
    const qsizetype size = rx.size();
    qsizetype missing = std::numeric_limits<qsizetype>::max();
    const auto pending = [&missing, size](qsizetype end) {
        missing = std::min(missing, end - size);
    };
    const auto framed = [&rx](qsizetype at, qsizetype length) {
        return CrcCheck(rx.mid(at, length));
    };

    for (qsizetype s = 0; s < size; ++s) {
        if (quint8(rx[s]) != shape.slave)
            continue;
        if (s + 1 >= size) {
            pending(s + std::min(ExceptionReplyLength, shape.length));
            continue;
        }
        const quint8 function = quint8(rx[s + 1]);
        if (function == shape.function) {
            bool fits = true;
            for (qsizetype i = 0; i < shape.fixed.size() && s + 2 + i < size; ++i)
                fits = fits && rx[s + 2 + i] == shape.fixed[i];
            if (!fits)
                continue;
            if (s + shape.length > size)
                pending(s + shape.length);
            else if (framed(s, shape.length))
                return {ReplySearch::Result::Reply, s, shape.length, 0};
        } else if (function == (shape.function | ExceptionFunctionBit)) {
            if (s + ExceptionReplyLength > size)
                pending(s + ExceptionReplyLength);
            else if (framed(s, ExceptionReplyLength))
                return {ReplySearch::Result::Exception, s, ExceptionReplyLength, 0};
        }
    }
    if (missing != std::numeric_limits<qsizetype>::max())
        return {ReplySearch::Result::Incomplete, 0, 0, int(missing)};
    return {};
}
