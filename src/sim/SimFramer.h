#pragma once

#include <QByteArray>
#include <QList>

// Cuts request frames out of a byte stream that arrives in pieces. The length of a frame
// follows from its function code (and, for writes of several registers, its byte count); a
// frame of an unknown function ends where a CRC fits. What cannot begin a good frame is
// dropped a byte at a time, so the framer finds its feet again after line noise, after the
// zero byte a master with RTS control sends behind each frame, and after a torn frame. A
// silence on the line ends whatever is waiting.
class SimFramer {
public:
    // Adds bytes as they arrive; returns the frames they complete, in order.
    QList<QByteArray> feed(const QByteArray& bytes);
    // The line fell silent: returns any frame still found in what waits, drops the rest.
    QList<QByteArray> gap();

    void clear();
    qsizetype waiting() const { return m_buffer.size(); }
    qint64 droppedBytes() const { return m_dropped; }

    static constexpr int MaxFrame = 256;

private:
    QList<QByteArray> extract(bool atGap);
    // Length of the frame at `offset` from its header: > 0 the length, 0 the header is not
    // complete yet, -1 unknown function, -2 a header no good frame has.
    int expectedLength(qsizetype offset) const;
    bool completeFrameAt(qsizetype offset) const;
    void drop(qsizetype count);

    QByteArray m_buffer;
    qint64 m_dropped = 0;
};
