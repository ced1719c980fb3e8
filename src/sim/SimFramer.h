#pragma once

#include <QByteArray>
#include <QList>
#include <functional>

// Cuts request frames out of a byte stream that arrives in pieces. The length of a frame
// follows from its function code (and, for writes of several registers, its byte count); a
// frame of an unknown function ends where a CRC fits. A byte that cannot begin a request (an
// address above 247, a function code of 0 or one with the exception bit, a function of
// unknown length for an address nobody on the line answers to) is dropped at once, without a
// CRC search; what else cannot begin a good frame is dropped a byte at a time, so the
// framer finds its feet again after line noise, after the zero byte a master with RTS control
// sends behind each frame, and after a torn frame. A silence on the line ends whatever is
// waiting. The work per byte is bounded, and fewer than MaxFrame bytes wait after each feed,
// however much junk arrives.
class SimFramer {
public:
    // Whether a slave answers to this address. A frame of a function the framer does not
    // know is looked for only at such addresses (a frame of known length is taken whole
    // whoever it is for). Every address is answered until set.
    using AddressFilter = std::function<bool(int address)>;
    void setAddressFilter(AddressFilter answers) { m_answers = std::move(answers); }

    // Adds bytes as they arrive; returns the frames they complete, in order.
    QList<QByteArray> feed(const QByteArray& bytes);
    // The line fell silent: returns any frame still found in what waits, drops the rest.
    QList<QByteArray> gap();

    void clear();
    qsizetype waiting() const { return m_buffer.size() - m_start; }
    qint64 droppedBytes() const { return m_dropped; }

    static constexpr int MaxFrame = 256;

private:
    QList<QByteArray> extract(bool atGap);
    // Length of the frame at `at` from its header: > 0 the length, 0 the header is not
    // complete yet, -1 a function of unknown length, -2 a header no good request has.
    int expectedLength(qsizetype at) const;
    // The shortest length from 4 up to `limit` at which a CRC closes the bytes at `at`; 0 if
    // none does.
    qsizetype crcLengthAt(qsizetype at, qsizetype limit) const;
    // A whole frame of known length with a good CRC starts somewhere after `at`.
    bool completeFrameAfter(qsizetype at) const;
    int byteAt(qsizetype i) const { return static_cast<quint8>(m_buffer[i]); }
    void take(QList<QByteArray>& frames, qsizetype length);
    void drop(qsizetype count);

    QByteArray m_buffer;
    qsizetype m_start = 0; // bytes before it are used up; removed once per feed
    qint64 m_dropped = 0;
    AddressFilter m_answers;
};
