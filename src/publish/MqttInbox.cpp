#include "publish/MqttInbox.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// A read asks for this much at least: a second of a large plant's records in a few reads.
constexpr qsizetype kReadSize = 64 * 1024;

} // namespace

char* MqttInbox::room(qsizetype n) {
    // What a large packet made room for is given back once it has been taken.
    if (m_begin == m_end) {
        m_begin = m_end = 0;
        if (m_buffer.size() > size_t(4 * kReadSize))
            std::vector<char>().swap(m_buffer);
    }
    if (m_begin > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, size_t(m_end - m_begin));
        m_end -= m_begin;
        m_begin = 0;
    }
    if (qsizetype(m_buffer.size()) < m_end + n)
        m_buffer.resize(size_t(std::max(m_end + n, qsizetype(m_buffer.size()) * 2)));
    return m_buffer.data() + m_end;
}

qsizetype MqttInbox::readFrom(int fd) {
#ifdef Q_OS_UNIX
    char* at = room(kReadSize);
    const ssize_t n = ::read(fd, at, size_t(qsizetype(m_buffer.size()) - m_end));
    if (n > 0)
        m_end += n;
    return n;
#else
    Q_UNUSED(fd);
    errno = EINVAL;
    return -1;
#endif
}

void MqttInbox::append(QByteArrayView bytes) {
    std::memcpy(room(bytes.size()), bytes.data(), size_t(bytes.size()));
    m_end += bytes.size();
}

bool MqttInbox::next(Packet* out) {
    if (m_malformed)
        return false;
    const char* p = m_buffer.data() + m_begin;
    const qsizetype have = m_end - m_begin;
    // The remaining length: seven bits a byte, low ones first, at most four bytes.
    qsizetype length = 0, at = 1;
    for (int shift = 0;; shift += 7, ++at) {
        if (at >= have)
            return false;
        const quint8 byte = quint8(p[at]);
        length |= qsizetype(byte & 0x7f) << shift;
        if (!(byte & 0x80))
            break;
        if (at == 4) {
            m_malformed = true;
            return false;
        }
    }
    ++at;
    if (have - at < length)
        return false;
    out->header = quint8(p[0]);
    out->body = QByteArrayView(p + at, length);
    m_begin += at + length;
    if (m_begin == m_end)
        m_begin = m_end = 0;
    return true;
}

void MqttInbox::clear() {
    m_begin = m_end = 0;
    m_malformed = false;
}

bool MqttInbox::readPublish(const Packet& packet, Publish* out) {
    const QByteArrayView b = packet.body;
    out->qos = (packet.header >> 1) & 3;
    out->retained = packet.header & 1;
    if (b.size() < 2 || out->qos == 3)
        return false;
    const qsizetype topicSize = (qsizetype(quint8(b[0])) << 8) | quint8(b[1]);
    const qsizetype payloadAt = 2 + topicSize + (out->qos > 0 ? 2 : 0);
    if (topicSize == 0 || b.size() < payloadAt)
        return false;
    out->topic = b.sliced(2, topicSize);
    out->payload = b.sliced(payloadAt);
    return true;
}

int MqttInbox::packetId(const Packet& packet) {
    if (packet.body.size() < 2)
        return -1;
    return (int(quint8(packet.body[0])) << 8) | quint8(packet.body[1]);
}
