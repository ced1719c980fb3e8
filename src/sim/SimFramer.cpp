#include "sim/SimFramer.h"

#include "sim/SimCrc.h"

namespace {

int byteAt(const QByteArray& b, qsizetype i) {
    return static_cast<quint8>(b[i]);
}

} // namespace

QList<QByteArray> SimFramer::feed(const QByteArray& bytes) {
    m_buffer.append(bytes);
    return extract(false);
}

QList<QByteArray> SimFramer::gap() {
    return extract(true);
}

void SimFramer::clear() {
    m_buffer.clear();
}

void SimFramer::drop(qsizetype count) {
    m_buffer.remove(0, count);
    m_dropped += count;
}

int SimFramer::expectedLength(qsizetype offset) const {
    const qsizetype have = m_buffer.size() - offset;
    if (have < 2)
        return 0;
    switch (byteAt(m_buffer, offset + 1)) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
        return 8;
    case 15:
    case 16: {
        if (have < 7)
            return 0;
        const int count = byteAt(m_buffer, offset + 4) * 256 + byteAt(m_buffer, offset + 5);
        const int byteCount = byteAt(m_buffer, offset + 6);
        const bool coils = byteAt(m_buffer, offset + 1) == 15;
        const bool plausible = coils ? count >= 1 && count <= 1968 && byteCount == (count + 7) / 8
                                     : count >= 1 && count <= 123 && byteCount == 2 * count;
        return plausible ? 9 + byteCount : -2;
    }
    default:
        return -1;
    }
}

bool SimFramer::completeFrameAt(qsizetype offset) const {
    const int length = expectedLength(offset);
    return length > 0 && offset + length <= m_buffer.size() &&
           simCrcValid(m_buffer.mid(offset, length));
}

QList<QByteArray> SimFramer::extract(bool atGap) {
    QList<QByteArray> frames;
    while (!m_buffer.isEmpty()) {
        const int length = expectedLength(0);
        if (length == -2) {
            drop(1);
            continue;
        }
        if (length == 0) { // header not complete
            if (atGap)
                drop(1);
            else
                break;
            continue;
        }
        if (length > 0) {
            if (m_buffer.size() >= length) {
                if (simCrcValid(m_buffer, length)) {
                    frames.append(m_buffer.left(length));
                    m_buffer.remove(0, length);
                } else {
                    drop(1);
                }
                continue;
            }
            if (atGap)
                drop(1);
            else
                break;
            continue;
        }
        // Unknown function: the shortest length whose CRC fits ends the frame.
        const qsizetype limit = std::min<qsizetype>(m_buffer.size(), MaxFrame);
        qsizetype found = 0;
        for (qsizetype n = 4; n <= limit && !found; ++n)
            if (simCrcValid(m_buffer, n))
                found = n;
        if (found) {
            frames.append(m_buffer.left(found));
            m_buffer.remove(0, found);
            continue;
        }
        bool later = atGap || m_buffer.size() >= MaxFrame;
        for (qsizetype j = 1; !later && j + 8 <= m_buffer.size(); ++j)
            later = completeFrameAt(j);
        if (!later)
            break;
        drop(1);
    }
    return frames;
}
