#pragma once

#include "comm/ReplyMatcher.h"

#include <QByteArray>

// The bytes received for the outstanding request, kept only from the first place where its
// reply can still begin. Everything before that place is passed over as it arrives, so noise
// or a flood costs no more than the bytes themselves and never more than a reply's worth is
// held; what was passed over still counts for the verdict (a whole frame that failed its CRC,
// a frame of the right slave and function but the wrong shape, the number of bytes seen).
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
    };

    // A request went out: forget everything received before it.
    void start(const ReplyShape& shape);
    void clear();
    void add(const QByteArray& bytes);
    // The verdict on what arrived so far; `timedOut` when no more will be waited for.
    Outcome evaluate(bool timedOut) const;

    qint64 received() const { return m_received; }
    // The bytes to log: the last LogLimit received.
    const QByteArray& logBytes() const { return m_logTail; }
    int heldBytes() const { return int(m_held.size()); }

private:
    void passOver();

    ReplyShape m_shape;
    QByteArray m_held;
    QByteArray m_logTail;
    qint64 m_received = 0;
    bool m_damaged = false;
    bool m_foreignFrame = false;
};
