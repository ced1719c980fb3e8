#include "comm/LateReplyGuard.h"

#include "comm/ModbusRtu.h"
#include "comm/RequestTable.h"

#include <utility>

namespace {

// A count that a request reads is never a fence's: the fence's reply could pass for its.
bool fenceCount(int count) {
    return count >= LateReplyGuard::FirstFenceCount && count <= LateReplyGuard::LastFenceCount &&
           !SomeRequestReads(count);
}

QByteArray OpeningFence(int slave) {
    return BuildReadFrame(slave, LateReplyGuard::OpeningFenceRegister,
                          LateReplyGuard::OpeningFenceCount);
}

} // namespace

void LateReplyGuard::open(const QList<int>& slaves) {
    clear();
    for (int slave : slaves) {
        if (slave <= 0 || slave > 255 || m_unknown.test(size_t(slave)))
            continue;
        m_unknown.set(size_t(slave));
        // The reply to the opening fence of a run before, sent before anything of this run.
        const QByteArray fence = OpeningFence(slave);
        m_owed[slave] << Owed{fence, ReplyShapeOf(fence), 0, 0, 1};
    }
}

void LateReplyGuard::clear() {
    m_owed.clear();
    m_unknown.reset();
    m_outstanding.clear();
}

bool LateReplyGuard::isKnown(int slave) const {
    return slave < 0 || slave > 255 || !m_unknown.test(size_t(slave));
}

const LateReplyGuard::Owed* LateReplyGuard::ofShape(const Slave& slave, const ReplyShape& shape) {
    const Owed* oldest = nullptr;
    for (const Owed& o : slave)
        if (o.shape == shape && (!oldest || o.first < oldest->first))
            oldest = &o;
    return oldest;
}

bool LateReplyGuard::isOpeningFence(const QByteArray& frame) {
    return frame.size() == 8 && frame == OpeningFence(quint8(frame[0]));
}

bool LateReplyGuard::isFence(const QByteArray& frame) {
    if (isOpeningFence(frame))
        return true;
    return frame.size() == 8 && quint8(frame[1]) == 3 &&
           quint8(frame[2]) * 256 + quint8(frame[3]) == FenceRegister &&
           fenceCount(quint8(frame[4]) * 256 + quint8(frame[5]));
}

QByteArray LateReplyGuard::fenceBefore(const QByteArray& request) const {
    if (!isKnown(SlaveOfFrame(request)))
        return isOpeningFence(request) ? QByteArray() : OpeningFence(SlaveOfFrame(request));
    const auto it = m_owed.find(SlaveOfFrame(request));
    if (it == m_owed.end())
        return {};
    const Slave& owed = it->second;
    const Owed* blocking = ofShape(owed, ReplyShapeOf(request));
    if (!blocking || blocking->frame == request)
        return {};
    // An owed fence may go again when it was first sent after the blocking request was last
    // sent: whichever of its sends is answered, the blocking request is settled by then.
    // Otherwise a fence that nothing owed can answer. Should every count be taken, the fence
    // sent most recently: its reply cannot be mistaken, it may only settle too little.
    QByteArray fresh, latest;
    quint64 latestFirst = 0;
    for (int count = FirstFenceCount; count <= LastFenceCount; ++count) {
        if (!fenceCount(count))
            continue;
        const QByteArray fence = BuildReadFrame(SlaveOfFrame(request), FenceRegister, count);
        const Owed* same = ofShape(owed, ReplyShapeOf(fence));
        if (!same) {
            if (fresh.isEmpty())
                fresh = fence;
            continue;
        }
        if (same->frame != fence)
            continue; // another request of this shape: its reply could pass for the fence's
        if (same->first > blocking->last)
            return fence;
        if (latest.isEmpty() || same->first > latestFirst) {
            latest = fence;
            latestFirst = same->first;
        }
    }
    return fresh.isEmpty() ? latest : fresh;
}

void LateReplyGuard::sent(const QByteArray& frame) {
    if (!m_outstanding.isEmpty())
        unanswered();
    m_outstanding = frame;
    m_outstandingSequence = ++m_sequence;
}

qsizetype LateReplyGuard::settle(Slave& slave, const ReplyShape& shape) {
    const Owed* match = ofShape(slave, shape);
    if (!match)
        return -1;
    const quint64 boundary = match->first;
    slave.removeIf([boundary](const Owed& o) { return o.last < boundary; });
    for (qsizetype i = 0; i < slave.size(); ++i)
        if (slave[i].first == boundary && slave[i].shape == shape)
            return i;
    return -1;
}

void LateReplyGuard::answered() {
    const QByteArray request = std::exchange(m_outstanding, {});
    if (isOpeningFence(request))
        m_unknown.reset(size_t(SlaveOfFrame(request)));
    const auto it = m_owed.find(SlaveOfFrame(request));
    if (it == m_owed.end())
        return;
    Slave& slave = it->second;
    const ReplyShape shape = ReplyShapeOf(request);
    if (const qsizetype owed = settle(slave, shape); owed >= 0) {
        // The reply may have been the owed request's: then this one's own is still to come.
        if (slave[owed].frame == request)
            slave[owed].last = m_outstandingSequence;
        else
            slave << Owed{request, shape, m_outstandingSequence, m_outstandingSequence, 1};
    } else {
        slave.clear(); // its reply came after every owed one's
    }
    if (slave.isEmpty())
        m_owed.erase(it);
}

void LateReplyGuard::unanswered() {
    const QByteArray request = std::exchange(m_outstanding, {});
    if (request.isEmpty())
        return;
    Slave& slave = m_owed[SlaveOfFrame(request)];
    for (Owed& o : slave)
        if (o.frame == request) {
            o.last = m_outstandingSequence;
            ++o.sends;
            return;
        }
    slave << Owed{request, ReplyShapeOf(request), m_outstandingSequence, m_outstandingSequence, 1};
}

void LateReplyGuard::late(const QByteArray& reply) {
    const auto it = m_owed.find(SlaveOfFrame(reply));
    if (it == m_owed.end())
        return;
    Slave& slave = it->second;
    const Owed* fitting = nullptr;
    for (const Owed& o : slave)
        if (FitsShape(reply, o.shape) && (!fitting || o.first < fitting->first))
            fitting = &o;
    if (!fitting)
        return;
    // At least the oldest send of that request is answered now.
    const qsizetype owed = settle(slave, ReplyShape(fitting->shape));
    if (owed >= 0 && --slave[owed].sends == 0)
        slave.removeAt(owed);
    if (slave.isEmpty())
        m_owed.erase(it);
}

LateReplies LateReplyGuard::lateWhileAwaiting(const QByteArray& request) const {
    LateReplies late = lateBetweenRequests();
    late.owed.removeAll(ReplyShapeOf(request));
    return late;
}

LateReplies LateReplyGuard::lateBetweenRequests() const {
    LateReplies late;
    late.unknown = m_unknown;
    for (const auto& [slave, owed] : m_owed)
        for (const Owed& o : owed)
            if (!late.owed.contains(o.shape))
                late.owed << o.shape;
    return late;
}

int LateReplyGuard::owedCount(int slave) const {
    const auto it = m_owed.find(slave);
    return it == m_owed.end() ? 0 : int(it->second.size());
}
