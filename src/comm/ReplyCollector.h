#pragma once

#include "comm/ReplyMatcher.h"

#include <QByteArray>
#include <QList>
#include <bitset>

// The bytes received for the outstanding request, kept only from the first place where its
// reply can still begin. Everything before that place is passed over as it arrives, so noise
// or a flood costs no more than the bytes themselves and never more than a reply's worth is
// held; what was passed over still counts for the verdict (a whole frame that failed its CRC,
// a frame of the right slave and function but the wrong shape, the number of bytes seen).
//
// The echo: a two-wire converter that echoes what the master sends puts the request's own
// bytes in front of the reply. Exactly those bytes, once, are passed over and count for
// nothing. While the bytes in front could still grow into the echo, no reply is taken from
// them: a reply whose bytes happen to begin the request's is taken only when the bytes after
// it part from the request's, or at the time-out.
//
// Late replies: whole, good frames that another request may still bring (LateReplies) are
// taken out as they complete, of whichever slave, handed over by takeLateReplies(), and count
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

    // `request` went out: forget everything received before it. `late`: the replies other
    // requests may still bring (never of the request's own shape).
    void start(const QByteArray& request, const LateReplies& late = {});
    // What may arrive late changed while waiting (a late reply settled some of it).
    void setLate(const LateReplies& late);
    // The request ended with `outcome`: from now on, until the next start(), only late replies
    // are looked for, first among the bytes that followed the reply, or in what was held when
    // there was none.
    void watch(const Outcome& outcome, const LateReplies& late);
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
    // At `at`, the echo of the request: its length when whole, -n when it may still be
    // arriving (n bytes missing), 0 when the bytes there are no echo.
    int echoAt(qsizetype at) const;
    // At `at`, the start of a late reply: 0 when none can begin there, -n when n more bytes
    // are needed to tell, else the frame's length.
    int lateFrameAt(qsizetype at) const;
    void takeOutLate(qsizetype at, int length);

    ReplyShape m_shape;
    QByteArray m_request;
    LateReplies m_late;
    std::bitset<256> m_lateSlaves; // slaves a late reply may come from
    QByteArray m_held;
    QByteArray m_logTail;
    QList<QByteArray> m_lateReplies;
    qint64 m_received = 0;
    qint64 m_echoBytes = 0;  // bytes passed over as the echo
    int m_echoMissing = 0;   // bytes an echo begun at the front still lacks
    int m_echoHeld = 0;      // bytes of that beginning
    int m_lateMissing = 0;   // bytes a late reply begun at the front still lacks
    int m_lateHeld = 0;      // bytes of that beginning
    bool m_echoDone = false; // the echo was passed over (there is one at most)
    bool m_damaged = false;
    bool m_foreignFrame = false;
    bool m_watching = false; // no reply awaited, late ones only
};
