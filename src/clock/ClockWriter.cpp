#include "clock/ClockWriter.h"

#include "comm/CommEngine.h"
#include "comm/ModbusRtu.h"
#include "comm/RequestCodes.h"

#include <utility>

namespace {

// Slave, function, start register and register count: what a frame covers.
QByteArray coverOf(const QByteArray& frame) {
    return frame.left(6);
}

bool isRead(const QByteArray& frame) {
    return frame.size() == 8 && quint8(frame[1]) == 3 && CrcCheck(frame);
}

bool isClockFrame(const QByteArray& frame) {
    return isRead(frame) || (frame.size() >= 11 && quint8(frame[1]) == 16 && CrcCheck(frame));
}

} // namespace

ClockWriter::ClockWriter(CommEngine& engine, QObject* parent)
    : QObject(parent)
    , m_engine(engine) {
    connect(&engine, &CommEngine::clockFrameDone, this, &ClockWriter::onWriteDone);
    connect(&engine, &CommEngine::portOpenChanged, this, &ClockWriter::onPortOpenChanged);
}

bool ClockWriter::write(const QByteArray& frame) {
    if (!isClockFrame(frame) || m_engine.phase() != CommEngine::Phase::Polling)
        return false;
    if (!m_inFlight)
        return send(frame);
    if (isRead(frame)) {
        m_waiting.removeAll(frame);
    } else {
        for (QByteArray& waiting : m_waiting) {
            if (coverOf(waiting) == coverOf(frame)) {
                waiting = frame;
                return true;
            }
        }
    }
    m_waiting.append(frame);
    return true;
}

bool ClockWriter::send(const QByteArray& frame) {
    const QByteArray before = std::exchange(m_engine.state().gClockFrame, frame);
    if (!m_engine.post(RequestCode::RC_SEND_CLOCK_FRAME)) {
        m_engine.state().gClockFrame = before;
        return false;
    }
    m_current = frame;
    m_inFlight = true;
    return true;
}

void ClockWriter::onWriteDone(bool taken) {
    if (!m_inFlight)
        return;
    m_inFlight = false;
    Q_EMIT written(std::exchange(m_current, QByteArray()), taken);
    while (!m_waiting.isEmpty()) {
        const QByteArray next = m_waiting.takeFirst();
        if (send(next))
            return;
        Q_EMIT written(next, false);
    }
    Q_EMIT finished();
}

void ClockWriter::cancel(int slave) {
    QList<QByteArray> dropped;
    m_waiting.removeIf([&](const QByteArray& frame) {
        const bool drop = slave < 0 || quint8(frame[0]) == slave;
        if (drop)
            dropped.append(frame);
        return drop;
    });
    for (const QByteArray& frame : dropped)
        Q_EMIT written(frame, false);
    if (!dropped.isEmpty() && !m_inFlight)
        Q_EMIT finished();
}

void ClockWriter::onPortOpenChanged(bool open) {
    if (open || !isBusy())
        return;
    const bool hadCurrent = std::exchange(m_inFlight, false);
    QList<QByteArray> dropped = std::exchange(m_waiting, {});
    if (hadCurrent)
        dropped.prepend(std::exchange(m_current, QByteArray()));
    for (const QByteArray& frame : dropped)
        Q_EMIT written(frame, false);
    Q_EMIT finished();
}
