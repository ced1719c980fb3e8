#pragma once

#include "comm/ReplyMatcher.h"

#include <QByteArray>
#include <QList>
#include <bitset>
#include <map>

// Keeps a late reply from being taken for the reply to another request.
//
// A Modbus RTU reply carries no request number: the reply to a request that was given up may
// still come, and it looks exactly like the reply to any later request of the same shape
// (slave, function and byte count of a read; slave, function, start and count of a write).
// A slave answers in the order it was asked, and so does everything between it and the
// master (converters, radio links, device servers pass bytes on in order). So a reply
// recognised for certain also settles everything sent to that slave before the request it
// answers: those replies came before it or never will.
//
// The guard keeps, per slave, the requests sent that ended without their own good reply
// (owed: their reply may still come). Before a request goes out, fenceBefore() says whether
// an owed request of the same shape but another question stands in the way: then a fence
// goes first, a short read of the present values whose reply no owed request can produce,
// and once it is answered nothing older can arrive. A late reply that arrives while another
// request is outstanding (lateShapes()) or between requests (owedShapes()) is recognised by
// its shape, dropped, and settles what was sent before it (late()): the reply to a repeat,
// right behind the late reply taken for it, spares the next request its fence.
//
// A line just opened may still bring replies to requests of a program that had it before (one
// that closed it with a request unanswered, or was killed): nothing of them is known. So every
// slave of the bus is unknown until it has answered the opening fence, which goes before the
// first request to it: a read whose count no request of this program or an earlier version
// reads, in-run fences included. Whatever the slave sends before that reply is late. A
// previous run of this program may have left the reply to its own opening fence: so one more
// reply of that shape is owed after the fence is answered, and dropped if it comes.
class LateReplyGuard {
public:
    // The fence reads this many registers from FenceRegister, one of the counts that no
    // request of the request table reads.
    static constexpr int FenceRegister = 30001;
    static constexpr int FirstFenceCount = 1;
    static constexpr int LastFenceCount = 46;
    // The opening fence: the first registers of the common settings, which every model and
    // firmware holds, in the lowest count that nothing else reads (1 to 47 are the counts of
    // the fences and the requests from 30001).
    static constexpr int OpeningFenceRegister = 40001;
    static constexpr int OpeningFenceCount = 48;

    // The line opened to these slaves: each is unknown until its opening fence is answered.
    void open(const QList<int>& slaves);
    // Forgets everything (the port closed).
    void clear();

    // The fence to send before `request`, or nothing when `request` can go as it is: its slave
    // is known, and no owed request of its slave has its shape, or only the same request
    // (whose reply answers the same question).
    QByteArray fenceBefore(const QByteArray& request) const;
    static bool isFence(const QByteArray& frame);
    static bool isOpeningFence(const QByteArray& frame);
    bool isKnown(int slave) const;

    // `frame` went out and is outstanding until answered() or unanswered().
    void sent(const QByteArray& frame);
    // The outstanding request got a good reply of its shape.
    void answered();
    // The outstanding request ended without its own good reply: time-out, cut short, damaged,
    // refused. Its reply may still come.
    void unanswered();
    // A whole, good frame of an owed shape arrived while another request was outstanding.
    void late(const QByteArray& reply);

    // What is dropped while waiting for the reply to `request`: the replies owed by every
    // slave, other than of the request's own shape, and anything of the slaves not yet known.
    LateReplies lateWhileAwaiting(const QByteArray& request) const;
    // What is dropped while no request is outstanding.
    LateReplies lateBetweenRequests() const;
    // Owed requests of a slave (counted by frame).
    int owedCount(int slave) const;

private:
    struct Owed {
        QByteArray frame;
        ReplyShape shape;
        quint64 first = 0; // sequence numbers of its oldest and newest send
        quint64 last = 0;
        quint64 sends = 0; // sends of it that may still be answered
    };
    using Slave = QList<Owed>;

    // A reply of this shape from `slave` was recognised: every send before the oldest one
    // that could have produced it is settled. Returns the index of the owed entry of that
    // shape, -1 when there is none.
    static qsizetype settle(Slave& slave, const ReplyShape& shape);
    static const Owed* ofShape(const Slave& slave, const ReplyShape& shape);

    std::map<int, Slave> m_owed;
    std::bitset<256> m_unknown;
    QByteArray m_outstanding;
    quint64 m_outstandingSequence = 0;
    quint64 m_sequence = 0;
};
