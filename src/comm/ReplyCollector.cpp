#include "comm/ReplyCollector.h"

#include "comm/ModbusRtu.h"

#include <algorithm>
#include <cstring>
#include <utility>

void ReplyCollector::start(const QByteArray& request, const LateReplies& late) {
    clear();
    m_shape = ReplyShapeOf(request);
    m_request = request;
    setLate(late);
}

void ReplyCollector::watch(const Outcome& outcome, const LateReplies& late) {
    const bool replied = outcome.verdict == Verdict::Reply || outcome.verdict == Verdict::Exception;
    const QByteArray rest = replied ? m_held.mid(outcome.end) : m_held;
    clear();
    m_watching = true;
    setLate(late);
    add(rest);
}

void ReplyCollector::setLate(const LateReplies& late) {
    m_late = late;
    // While a reply is awaited, a frame of its shape is taken for it.
    if (!m_watching)
        m_late.owed.removeAll(m_shape);
    m_lateSlaves = m_late.unknown;
    for (const ReplyShape& s : std::as_const(m_late.owed))
        m_lateSlaves.set(s.slave);
    passOver();
}

void ReplyCollector::clear() {
    m_request.clear();
    m_held.clear();
    m_logTail.clear();
    m_lateReplies.clear();
    m_received = 0;
    m_echoBytes = 0;
    m_echoMissing = 0;
    m_echoHeld = 0;
    m_lateMissing = 0;
    m_lateHeld = 0;
    m_echoDone = false;
    m_damaged = false;
    m_foreignFrame = false;
    m_watching = false;
}

void ReplyCollector::add(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return;
    m_received += bytes.size();
    m_logTail += bytes.right(LogLimit);
    if (m_logTail.size() > LogLimit)
        m_logTail.remove(0, m_logTail.size() - LogLimit);
    m_held += bytes;
    passOver();
}

QList<QByteArray> ReplyCollector::takeLateReplies() {
    return std::exchange(m_lateReplies, {});
}

int ReplyCollector::echoAt(qsizetype at) const {
    const qsizetype have = std::min(m_held.size() - at, m_request.size());
    if (have <= 0 || std::memcmp(m_held.constData() + at, m_request.constData(), size_t(have)) != 0)
        return 0;
    return have == m_request.size() ? int(have) : -int(m_request.size() - have);
}

int ReplyCollector::lateFrameAt(qsizetype at) const {
    const qsizetype size = m_held.size();
    const quint8 slave = quint8(m_held[at]);
    if (m_late.unknown.test(slave)) {
        // Anything but the refusal of the request awaited (its reply never comes here).
        if (!m_watching && slave == m_shape.slave && at + 1 < size &&
            quint8(m_held[at + 1]) == (m_shape.function | ExceptionFunctionBit))
            return 0;
        const int length = ReplyLengthAt(m_held, at);
        if (length <= 0)
            return length;
        return at + length <= size ? length : -int(at + length - size);
    }
    if (at + 1 >= size)
        return -1;
    const quint8 function = quint8(m_held[at + 1]);
    int undecided = 0; // the fewest bytes that may decide a late shape still open
    for (const ReplyShape& late : m_late.owed) {
        if (late.slave != slave || late.function != function)
            continue;
        bool fits = true;
        for (qsizetype i = 0; fits && i < late.fixed.size() && at + 2 + i < size; ++i)
            fits = m_held[at + 2 + i] == late.fixed[i];
        if (!fits)
            continue;
        const qsizetype decided = at + 2 + late.fixed.size();
        if (decided <= size && at + late.length <= size)
            return late.length;
        const int missing = int((decided > size ? decided : at + late.length) - size);
        undecided = undecided == 0 ? missing : std::min(undecided, missing);
    }
    return undecided > 0 ? -undecided : 0;
}

// A late reply leaves no trace: the log tail ends with the same byte as the held bytes, so
// its place there is known as long as the tail reaches back that far.
void ReplyCollector::takeOutLate(qsizetype at, int length) {
    m_lateReplies << m_held.mid(at, length);
    const qsizetype tailAt = m_logTail.size() - (m_held.size() - at);
    const qsizetype first = std::max<qsizetype>(0, tailAt);
    if (tailAt + length > first)
        m_logTail.remove(first, tailAt + length - first);
    m_held.remove(at, length);
    m_received -= length;
}

// Drops the bytes in front of the first place that can still begin the reply: a byte that is
// not the slave's address, an address followed by another function, a start whose fixed bytes
// (byte count, echoed register and count) differ, and a start whose whole frame arrived but
// failed its CRC. A whole good frame stops the walk; the search then finds it. The echo of the
// request is passed over whole; one still arriving stops the walk. A whole good late reply, of
// any slave, is taken out; one still arriving stops the walk until it is whole or proves to be
// none.
void ReplyCollector::passOver() {
    m_echoMissing = 0;
    m_echoHeld = 0;
    m_lateMissing = 0;
    m_lateHeld = 0;
    qsizetype at = 0;
    while (at < m_held.size()) {
        const qsizetype size = m_held.size();
        if (!m_echoDone && !m_watching) {
            const int echo = echoAt(at);
            if (echo > 0) {
                m_held.remove(at, echo); // stays in the log: the line carried it
                m_echoBytes += echo;
                m_echoDone = true;
                continue;
            }
            if (echo < 0) {
                m_echoMissing = -echo;
                m_echoHeld = int(size - at);
                break;
            }
        }
        const quint8 slave = quint8(m_held[at]);
        const bool awaited = !m_watching && slave == m_shape.slave;
        const bool mayBeLate = m_lateSlaves.test(slave);
        if (!awaited && !mayBeLate) {
            ++at;
            continue;
        }
        if (at + 1 >= size)
            break;
        const quint8 function = quint8(m_held[at + 1]);
        qsizetype length = 0;
        bool fits = awaited && function == m_shape.function;
        for (qsizetype i = 0; fits && i < m_shape.fixed.size() && at + 2 + i < size; ++i)
            fits = m_held[at + 2 + i] == m_shape.fixed[i];
        if (fits) {
            length = m_shape.length;
        } else if (const int late = mayBeLate ? lateFrameAt(at) : 0; late < 0) {
            m_lateMissing = -late;
            m_lateHeld = int(size - at);
            break;
        } else if (late > 0 && CrcCheck(m_held.mid(at, late))) {
            takeOutLate(at, late);
            continue;
        } else if (!awaited) {
            ++at;
            continue;
        } else if (function == m_shape.function) {
            m_foreignFrame = true;
            ++at;
            continue;
        } else if (function == (m_shape.function | ExceptionFunctionBit)) {
            length = ExceptionReplyLength;
        } else {
            ++at;
            continue;
        }
        if (at + length > size || CrcCheck(m_held.mid(at, length)))
            break;
        m_damaged = true;
        ++at;
    }
    m_held.remove(0, at);
}

ReplyCollector::Outcome ReplyCollector::evaluate(bool timedOut) const {
    // Bytes that may still grow into the echo decide nothing before the time-out, not even a
    // reply among them. The next bytes may part from the request's: they are asked for as
    // soon as a reply could be whole there.
    if (m_echoMissing > 0 && !timedOut)
        return {Verdict::Wait, {}, std::clamp(m_shape.length - m_echoHeld, 1, m_echoMissing)};
    const ReplySearch found = FindReply(m_held, m_shape);
    // A late reply still arriving at the front decides nothing: at the time-out it is no reply.
    const auto wait = [this](int missing) {
        return Outcome{
            Verdict::Wait, {}, m_lateMissing > 0 ? std::min(missing, m_lateMissing) : missing};
    };
    switch (found.result) {
    case ReplySearch::Result::Reply:
    case ReplySearch::Result::Exception:
        return {found.result == ReplySearch::Result::Reply ? Verdict::Reply : Verdict::Exception,
                m_held.mid(found.offset, found.length), 0, found.offset + found.length};
    case ReplySearch::Result::Incomplete:
        if (!timedOut)
            return wait(found.missing);
        return {m_damaged ? Verdict::BadFrame : Verdict::CutShort, {}, 0};
    case ReplySearch::Result::Garbage:
        break;
    }
    if (timedOut)
        return {m_damaged || m_foreignFrame ? Verdict::BadFrame : Verdict::Silent, {}, 0};
    // The reply's worth of bytes arrived and none of it is the reply, as a receive threshold
    // of the reply's length would tell.
    const qint64 counted = m_received - m_lateHeld - m_echoBytes;
    if (m_damaged || counted >= m_shape.length)
        return {Verdict::BadFrame, {}, 0};
    return wait(int(m_shape.length - counted));
}
