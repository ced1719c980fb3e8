#pragma once

#include <QByteArray>
#include <QList>
#include <bitset>

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

// The length of the frame that begins at `at` when it is a reply to a request of ours, told by
// its function: a read's (function 3) by its byte count, a write's (16) 8 bytes, a refusal of
// either (the function with bit 7 set) 5 bytes. 0 for any other function; -n when n more
// bytes are needed to tell.
int ReplyLengthAt(const QByteArray& bytes, qsizetype at);

// The replies that may arrive besides the one awaited; a whole, good frame of one of them is
// late, and is dropped. Of a slave whose replies are known, the shapes of the requests it
// still owes (`owed`, of any slave). Of a slave not yet known since the line opened (`unknown`,
// by address), any reply at all: a program that had the line before may have left one.
struct LateReplies {
    QList<ReplyShape> owed;
    std::bitset<256> unknown;

    bool isEmpty() const { return owed.isEmpty() && unknown.none(); }
};

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
