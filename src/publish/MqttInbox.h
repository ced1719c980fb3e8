#pragma once

#include <QByteArrayView>
#include <vector>

// The packets of an MQTT 3.1.1 stream as a socket gives them, in pieces of any size: a
// subscriber that reads the broker's stream itself takes in many packets with one read
// instead of a read for each packet's every header byte.
class MqttInbox {
public:
    struct Packet {
        quint8 header = 0; // the type in the high nibble, its flags in the low one
        QByteArrayView body;
        int type() const { return header >> 4; }
    };
    // A PUBLISH packet's parts; the packet identifier is there from QoS 1 on.
    struct Publish {
        QByteArrayView topic;
        QByteArrayView payload;
        int qos = 0;
        bool retained = false;
    };
    static constexpr int kPublish = 3;
    static constexpr int kSuback = 9;
    static constexpr int kUnsuback = 11;
    static constexpr int kPingresp = 13;

    // Reads what the socket holds (non-blocking): the bytes read, 0 at the end of the stream,
    // -1 with errno set (EAGAIN: nothing more for now).
    qsizetype readFrom(int fd);
    void append(QByteArrayView bytes);
    // The next whole packet, valid until the next read or append; false when none is whole
    // yet, or the stream is malformed (then for good).
    bool next(Packet* out);
    bool isMalformed() const { return m_malformed; }
    void clear();

    static bool readPublish(const Packet& packet, Publish* out);
    // The identifier of an UNSUBACK or SUBACK; -1 when the body is too short.
    static int packetId(const Packet& packet);

private:
    // Room for `n` more bytes at the end, the bytes taken in so far moved to the front.
    char* room(qsizetype n);

    std::vector<char> m_buffer;
    qsizetype m_begin = 0; // the first byte not yet taken as a packet
    qsizetype m_end = 0;
    bool m_malformed = false;
};
