#include "sim/SimPort.h"

#include "core/Clock.h"
#include "sim/SimBus.h"
#include "sim/SimFramer.h"

#include <QList>
#include <deque>

namespace {
// The shortest time between two hand-overs of one reply's bytes.
constexpr qint64 kWakeSpacingMicros = 1000;
} // namespace

struct SimPort::State {
    State(SimBus& b, Clock& c, Sink s)
        : bus(b)
        , clock(c)
        , sink(std::move(s)) {
        // A function of unknown length is looked for only where a meter answers, so that
        // junk costs no CRC search at every byte.
        framer.setAddressFilter([this](int address) { return bus.meter(address) != nullptr; });
    }

    SimBus& bus;
    Clock& clock;
    Sink sink;
    Trace trace;
    SimFramer framer;
    SimLine line;
    int turnaroundMs = 3;
    int gapMs = 20;
    bool lateBytesAllowed = false;
    bool echo = false;
    quint64 generation = 0;
    quint64 received = 0;
    qint64 pendingBytes = 0; // scheduled for the sink in this generation
    // The pieces scheduled, in the order they cross the line: each delivery hands over the
    // first, so bytes keep their order whatever order the clock runs equal times in.
    struct Piece {
        qint64 atMicros; // on the clock
        QByteArray bytes;
    };
    std::deque<Piece> outbox;
    qint64 lineFreeMicros = 0; // on the clock: when the last reply scheduled has ended

    void process(const std::shared_ptr<State>& self, const QByteArray& frame);
    void sendPart(const std::shared_ptr<State>& self, const QByteArray& part, qint64 startAtMicros);
    void handleAll(const std::shared_ptr<State>& self, const QList<QByteArray>& frames) {
        for (const QByteArray& frame : frames)
            process(self, frame);
    }
};

SimPort::SimPort(SimBus& bus, Clock& clock, Sink sink)
    : m_state(std::make_shared<State>(bus, clock, std::move(sink))) {}

SimPort::~SimPort() = default;

void SimPort::setLine(const SimLine& line) {
    m_state->line = line;
}

SimLine SimPort::line() const {
    return m_state->line;
}

void SimPort::setTurnaroundMs(int ms) {
    m_state->turnaroundMs = std::max(0, ms);
}

int SimPort::turnaroundMs() const {
    return m_state->turnaroundMs;
}

void SimPort::setGapMs(int ms) {
    m_state->gapMs = std::max(1, ms);
}

void SimPort::setLateBytesAllowed(bool allowed) {
    m_state->lateBytesAllowed = allowed;
}

void SimPort::setTrace(Trace trace) {
    m_state->trace = std::move(trace);
}

void SimPort::setEcho(bool echo) {
    m_state->echo = echo;
}

qint64 SimPort::droppedBytes() const {
    return m_state->framer.droppedBytes();
}

qint64 SimPort::pendingReplyBytes() const {
    return m_state->pendingBytes;
}

qint64 SimPort::heldBytes() const {
    return m_state->framer.waiting() + m_state->pendingBytes;
}

void SimPort::reset() {
    ++m_state->generation;
    m_state->pendingBytes = 0;
    m_state->outbox.clear();
    m_state->lineFreeMicros = 0;
    m_state->framer.clear();
}

void SimPort::receive(const QByteArray& bytes) {
    State& s = *m_state;
    if (s.echo && !bytes.isEmpty()) {
        // Heard as it is sent, behind whatever is already on its way back.
        const qint64 now = s.clock.nowUs();
        const qint64 start = std::max(now, s.lineFreeMicros);
        s.sendPart(m_state, bytes, start);
        s.lineFreeMicros = start + s.line.micros(bytes.size());
    }
    s.handleAll(m_state, s.framer.feed(bytes));
    if (s.framer.waiting() == 0)
        return;
    const quint64 mark = ++s.received;
    const qint64 gap = std::max<qint64>(1000LL * s.gapMs, s.line.silenceMicros());
    std::weak_ptr<State> weak = m_state;
    s.clock.callAfterUs(gap, [weak, mark] {
        const auto self = weak.lock();
        if (!self || self->received != mark)
            return; // more bytes came in the meantime
        self->handleAll(self, self->framer.gap());
    });
}

void SimPort::State::process(const std::shared_ptr<State>& self, const QByteArray& frame) {
    if (trace)
        trace(QStringLiteral("<-"), frame);
    const SimReply reply = bus.handle(frame);
    if (reply.bytes.isEmpty())
        return;
    if (trace)
        trace(QStringLiteral("->"), reply.bytes);
    // Replies leave in the order their requests came: one that is late (a slow converter, a
    // radio link) holds those after it back until it has passed. A slave answers no sooner
    // than the silence that ends the request has passed.
    const qint64 now = clock.nowUs();
    const qint64 turnaround = std::max(1000LL * turnaroundMs, line.silenceMicros());
    qint64 start = line.micros(frame.size()) + turnaround + 1000LL * reply.delayMs;
    start = std::max(start, lineFreeMicros - now);
    if (reply.splitAt < 0 || reply.splitAt >= reply.bytes.size()) {
        sendPart(self, reply.bytes, now + start);
        lineFreeMicros = now + start + line.micros(reply.bytes.size());
        return;
    }
    const QByteArray first = reply.bytes.left(reply.splitAt);
    sendPart(self, first, now + start);
    start += line.micros(first.size()) + 1000LL * reply.pauseMs;
    const QByteArray rest = reply.bytes.mid(reply.splitAt);
    sendPart(self, rest, now + start);
    lineFreeMicros = now + start + line.micros(rest.size());
}

// Each byte is handed over when its last bit would have arrived, to the microsecond, so that
// a slow line delivers a reply in pieces as a real port does. A wake-up that comes late hands
// over everything due by then at once.
void SimPort::State::sendPart(const std::shared_ptr<State>& self, const QByteArray& part,
                              qint64 startAtMicros) {
    if (part.isEmpty())
        return;
    std::weak_ptr<State> weak = self;
    const quint64 gen = generation;
    auto deliverDue = [weak, gen] {
        const auto alive = weak.lock();
        if (!alive || alive->generation != gen)
            return;
        QByteArray due;
        const qint64 now = alive->clock.nowUs();
        while (!alive->outbox.empty() && alive->outbox.front().atMicros <= now) {
            due += alive->outbox.front().bytes;
            alive->outbox.pop_front();
        }
        alive->pendingBytes -= due.size();
        if (!due.isEmpty() && alive->sink)
            alive->sink(due);
    };
    pendingBytes += part.size();
    const qint64 now = clock.nowUs();
    if (line.baud <= 0) {
        outbox.push_back({startAtMicros, part});
        clock.callAfterUs(startAtMicros - now, deliverDue);
        return;
    }
    // A wake-up per byte would cost a desktop on the built-in bus a wake-up every quarter of a
    // millisecond; bytes in between are handed over at the next wake-up (never early), which
    // comes at least every millisecond and exactly at the part's last byte.
    const qint64 lastAt = startAtMicros + line.micros(part.size());
    qint64 lastWake = 0;
    for (qsizetype i = 0; i < part.size(); ++i) {
        const qint64 at = startAtMicros + line.micros(i + 1);
        outbox.push_back({at, part.mid(i, 1)});
        if (i == 0 || i + 1 == part.size() || at - lastWake >= kWakeSpacingMicros) {
            clock.schedule(at - now, lateBytesAllowed ? lastAt - at : 0, deliverDue);
            lastWake = at;
        }
    }
}
