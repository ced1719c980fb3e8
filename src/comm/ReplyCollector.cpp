#include "comm/ReplyCollector.h"

#include "comm/ModbusRtu.h"

namespace {

constexpr int kExceptionLength = 5;
constexpr quint8 kExceptionBit = 0x80;

} // namespace

void ReplyCollector::start(const ReplyShape& shape) {
    clear();
    m_shape = shape;
}

void ReplyCollector::clear() {
    m_held.clear();
    m_logTail.clear();
    m_received = 0;
    m_damaged = false;
    m_foreignFrame = false;
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

// Drops the bytes in front of the first place that can still begin the reply: a byte that is
// not the slave's address, an address followed by another function, a start whose fixed bytes
// (byte count, echoed register and count) differ, and a start whose whole frame arrived but
// failed its CRC. A whole good frame stops the walk; the search then finds it.
void ReplyCollector::passOver() {
    const qsizetype size = m_held.size();
    qsizetype at = 0;
    while (at < size) {
        if (quint8(m_held[at]) != m_shape.slave) {
            ++at;
            continue;
        }
        if (at + 1 >= size)
            break;
        const quint8 function = quint8(m_held[at + 1]);
        qsizetype length = 0;
        if (function == m_shape.function) {
            bool fits = true;
            for (qsizetype i = 0; fits && i < m_shape.fixed.size() && at + 2 + i < size; ++i)
                fits = m_held[at + 2 + i] == m_shape.fixed[i];
            if (!fits) {
                m_foreignFrame = true;
                ++at;
                continue;
            }
            length = m_shape.length;
        } else if (function == (m_shape.function | kExceptionBit)) {
            length = kExceptionLength;
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
    const ReplySearch found = FindReply(m_held, m_shape);
    switch (found.result) {
    case ReplySearch::Result::Reply:
        return {Verdict::Reply, m_held.mid(found.offset, found.length), 0};
    case ReplySearch::Result::Exception:
        return {Verdict::Exception, m_held.mid(found.offset, found.length), 0};
    case ReplySearch::Result::Incomplete:
        if (!timedOut)
            return {Verdict::Wait, {}, found.missing};
        return {m_damaged ? Verdict::BadFrame : Verdict::CutShort, {}, 0};
    case ReplySearch::Result::Garbage:
        break;
    }
    if (timedOut)
        return {m_damaged || m_foreignFrame ? Verdict::BadFrame : Verdict::Silent, {}, 0};
    // The reply's worth of bytes arrived and none of it is the reply, as a receive threshold
    // of the reply's length would tell.
    if (m_damaged || m_received >= m_shape.length)
        return {Verdict::BadFrame, {}, 0};
    return {Verdict::Wait, {}, int(m_shape.length - m_received)};
}
