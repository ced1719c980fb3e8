#pragma once

#include "sim/SimLine.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class Clock;
class SimBus;

// One master's connection to a bus (a pseudo-terminal, a TCP client, the in-process link):
// collects the bytes the master sends into request frames, lets the bus answer, and hands
// the reply back through the sink at the times the line and the faults say, piece by piece
// as it would cross the wire. Works on any Clock.
class SimPort {
public:
    using Sink = std::function<void(const QByteArray&)>;
    // Direction "<-" for a request, "->" for a reply.
    using Trace = std::function<void(const QString& direction, const QByteArray& bytes)>;

    SimPort(SimBus& bus, Clock& clock, Sink sink);
    ~SimPort();
    SimPort(const SimPort&) = delete;
    SimPort& operator=(const SimPort&) = delete;

    // Wire time of requests and replies (baud 0: none).
    void setLine(const SimLine& line);
    SimLine line() const;
    // Time from the end of a request to the first byte of its reply; never less than the
    // line's silence that ends a frame, so 0 answers as soon as a slave may.
    void setTurnaroundMs(int ms);
    int turnaroundMs() const;
    // The silence after which waiting bytes no longer grow into a frame (at least the
    // line's 3.5 characters).
    void setGapMs(int ms);
    // Bytes before the last of a reply (or of a piece of it) may reach the sink late, up to
    // that last byte, never early: for a sink that waits for whole replies (the built-in
    // bus) a reply then costs one wake-up of the program instead of one a millisecond. A sink
    // that passes bytes on as they come (a pseudo-terminal) keeps the default, each byte on
    // time.
    void setLateBytesAllowed(bool allowed);
    void setTrace(Trace trace);
    // The line echoes every byte the master sends back to it, in front of the replies, as a
    // two-wire converter that hears its own transmitter does.
    void setEcho(bool echo);

    // Bytes from the master, as they arrive.
    void receive(const QByteArray& bytes);
    // Forgets bytes waiting and replies not yet sent (the master went away).
    void reset();

    qint64 droppedBytes() const;
    // Reply bytes scheduled but not yet handed to the sink.
    qint64 pendingReplyBytes() const;
    // Everything the port holds: request bytes not yet framed and replies not yet sent.
    qint64 heldBytes() const;

    // Bounds an endpoint keeps for each master: it hands over at most ReadChunk bytes at a
    // time (then serves the others), and reads no more requests while MaxUnreadReplyBytes
    // of replies wait for the master (here or on their way out), so that a master that
    // floods or sends without reading holds a bounded amount of memory and cannot starve
    // the others.
    static constexpr qint64 ReadChunk = 4096;
    static constexpr qint64 MaxUnreadReplyBytes = 64 * 1024;

private:
    struct State;
    std::shared_ptr<State> m_state;
};
