#include "sim/SimFramer.h"

#include "sim/SimCrc.h"

namespace {

constexpr int kHighestAddress = 247;
constexpr int kExceptionBit = 0x80;

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
    m_start = 0;
}

void SimFramer::take(QList<QByteArray>& frames, qsizetype length) {
    frames.append(m_buffer.mid(m_start, length));
    m_start += length;
}

void SimFramer::drop(qsizetype count) {
    m_start += count;
    m_dropped += count;
}

int SimFramer::expectedLength(qsizetype at) const {
    const qsizetype have = m_buffer.size() - at;
    if (have < 2)
        return 0;
    const int function = byteAt(at + 1);
    switch (function) {
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
        const int count = byteAt(at + 4) * 256 + byteAt(at + 5);
        const int byteCount = byteAt(at + 6);
        const bool coils = function == 15;
        const bool plausible = coils ? count >= 1 && count <= 1968 && byteCount == (count + 7) / 8
                                     : count >= 1 && count <= 123 && byteCount == 2 * count;
        return plausible ? 9 + byteCount : -2;
    }
    default:
        return function == 0 || (function & kExceptionBit) ? -2 : -1;
    }
}

qsizetype SimFramer::crcLengthAt(qsizetype at, qsizetype limit) const {
    if (limit < 4)
        return 0;
    // One running CRC serves every candidate length: the work is linear in `limit`.
    quint16 crc = simCrcStep(simCrcStep(0xFFFF, quint8(byteAt(at))), quint8(byteAt(at + 1)));
    for (qsizetype n = 4; n <= limit; ++n) {
        const int lo = byteAt(at + n - 2);
        const int hi = byteAt(at + n - 1);
        if (lo == (crc & 0xFF) && hi == (crc >> 8))
            return n;
        crc = simCrcStep(crc, quint8(lo));
    }
    return 0;
}

bool SimFramer::completeFrameAfter(qsizetype at) const {
    for (qsizetype j = at + 1; j + 8 <= m_buffer.size(); ++j) {
        if (byteAt(j) > kHighestAddress)
            continue;
        const int length = expectedLength(j);
        if (length > 0 && j + length <= m_buffer.size() &&
            simCrcValid(m_buffer.constData() + j, length))
            return true;
    }
    return false;
}

QList<QByteArray> SimFramer::extract(bool atGap) {
    QList<QByteArray> frames;
    while (m_start < m_buffer.size()) {
        const qsizetype have = m_buffer.size() - m_start;
        if (byteAt(m_start) > kHighestAddress) {
            drop(1);
            continue;
        }
        const int length = expectedLength(m_start);
        if (length == -2) {
            drop(1);
            continue;
        }
        if (length == 0 || (length > 0 && have < length)) { // not all there yet
            if (!atGap)
                break;
            drop(1);
            continue;
        }
        if (length > 0) {
            if (simCrcValid(m_buffer.constData() + m_start, length))
                take(frames, length);
            else
                drop(1);
            continue;
        }
        // Unknown function: the shortest length whose CRC fits ends the frame. Junk starts
        // such a "frame" at nearly every other byte, so it is looked for only where a slave
        // would answer.
        if (m_answers && !m_answers(byteAt(m_start))) {
            drop(1);
            continue;
        }
        if (const qsizetype found = crcLengthAt(m_start, std::min<qsizetype>(have, MaxFrame))) {
            take(frames, found);
            continue;
        }
        if (!atGap && have < MaxFrame && !completeFrameAfter(m_start))
            break; // the frame may still be arriving
        drop(1);
    }
    m_buffer.remove(0, m_start);
    m_start = 0;
    return frames;
}
