#pragma once

#include "comm/ReplyMatcher.h"

#include <QByteArray>
#include <QList>

// The bytes received for the outstanding request, kept only from the first place where its
// reply can still begin. Everything before that place is passed over as it arrives, so noise
// or a flood costs no more than the bytes themselves and never more than a reply's worth is
// held; what was passed over still counts for the verdict (a whole frame that failed its CRC,
// a frame of the right slave and function but the wrong shape, the number of bytes seen).
//
// Late replies: whole, good frames of the slave in the shape of a request it still owes (one
// given up before) are taken out as they complete, handed over by takeLateReplies(), and count
// for nothing else: not as a bad frame, not towards a reply's worth of bytes, not in the log.
class ReplyCollector {
public:
    // The frame log shows at most the last this many bytes received for one request: a reply
    // is never longer.
    static constexpr int LogLimit = 256;

    enum class Verdict {
        Reply,     // a good reply: `frame`
        Exception, // the meter refused the request (a whole exception reply): `frame`
        Wait,      // undecided: `missing` more bytes may decide
        BadFrame,  // a damaged reply, the reply's worth of bytes without a reply, or a frame of
                   // the right slave that does not answer this request
        CutShort,  // at the time-out: the reply began but never completed
        Silent,    // at the time-out: nothing from the meter (at most noise)
    };
    struct Outcome {
        Verdict verdict = Verdict::Wait;
        QByteArray frame;
        int missing = 0;
        qsizetype end = 0; // of a reply or exception: where the bytes after it begin
    };

    // A request went out: forget everything received before it. `late`: the shapes of the
    // replies the slave still owes, other than `shape`.
    void start(const ReplyShape& shape, const QList<ReplyShape>& late = {});
    // The owed shapes changed while waiting (a late reply settled some of them).
    void setLateShapes(const QList<ReplyShape>& late);
    // The request ended with `outcome`: from now on, until the next start(), only late replies
    // of the shapes `late` (of the same slave) are looked for, first among the bytes that
    // followed the reply, or in what was held when there was none.
    void watch(const Outcome& outcome, const QList<ReplyShape>& late);
    void clear();
    void add(const QByteArray& bytes);
    // The late replies taken out since the last call, in the order they came.
    QList<QByteArray> takeLateReplies();
    // The verdict on what arrived so far; `timedOut` when no more will be waited for.
    Outcome evaluate(bool timedOut) const;

    // Bytes received, late replies left out.
    qint64 received() const { return m_received; }
    bool isWatching() const { return m_watching; }
    // The bytes to log: the last LogLimit received, late replies left out.
    const QByteArray& logBytes() const { return m_logTail; }
    int heldBytes() const { return int(m_held.size()); }

private:
    void passOver();
    // At `at`, the start of a frame of a late shape: 0 when none can begin there, -1 when the
    // bytes there are still too few to tell, else the frame's length.
    int lateFrameAt(qsizetype at) const;
    void takeOutLate(qsizetype at, int length);

    ReplyShape m_shape;
    QList<ReplyShape> m_late;
    QByteArray m_held;
    QByteArray m_logTail;
    QList<QByteArray> m_lateReplies;
    qint64 m_received = 0;
    int m_lateMissing = 0; // bytes a late reply begun at the front still lacks
    int m_lateHeld = 0;    // bytes of that beginning
    bool m_damaged = false;
    bool m_foreignFrame = false;
    bool m_watching = false; // no reply awaited, late ones only
};
