#pragma once

#include <QByteArray>

// What the reply to a request must look like: from the request's slave, with its function
// (or the function with bit 7 set, an exception), and for a read the byte count of the
// registers asked for, for a write the echo of start register and count (of a single-register
// write, its register and value).
struct ReplyShape {
    quint8 slave = 0;
    quint8 function = 0;
    int length = 0;   // bytes of a complete reply, CRC included
    QByteArray fixed; // the bytes that follow address and function in every good reply

    bool operator==(const ReplyShape&) const = default;
};

// The shape of the reply the request frame `request` asks for. Two requests of one shape get
// replies that nothing but their data tells apart.
ReplyShape ReplyShapeOf(const QByteArray& request);
// True when `frame` (CRC not checked) is as long as a reply of `shape` and begins as one.
bool FitsShape(const QByteArray& frame, const ReplyShape& shape);

// Looks for the reply inside the bytes received since the request went out. Bytes that are
// no part of it (line noise at the turn of the line, an echo of the request, the tail of a
// late reply to an earlier request) are passed over, so a noisy line costs a repeat only when
// the reply itself is damaged.
struct ReplySearch {
    enum class Result {
        Reply,      // a complete reply with a good CRC at `offset`
        Exception,  // a complete exception reply (5 bytes) at `offset`
        Incomplete, // the reply may still be arriving: `missing` more bytes could decide
        Garbage,    // nothing here can become the reply
    };
    Result result = Result::Garbage;
    qsizetype offset = 0;
    qsizetype length = 0;
    int missing = 0;
};
ReplySearch FindReply(const QByteArray& received, const ReplyShape& shape);
