#include "sim/SimBus.h"

#include "sim/SimCrc.h"
#include "sim/SimRegisters.h"

#include <algorithm>

namespace {

int byteAt(const QByteArray& b, qsizetype i) {
    return static_cast<quint8>(b[i]);
}

int wordAt(const QByteArray& b, qsizetype i) {
    return byteAt(b, i) * 256 + byteAt(b, i + 1);
}

QByteArray readReply(int address, int function, const QList<quint16>& values) {
    QByteArray reply;
    reply.append(static_cast<char>(address));
    reply.append(static_cast<char>(function));
    reply.append(static_cast<char>(2 * values.size()));
    for (quint16 v : values) {
        reply.append(static_cast<char>(v >> 8));
        reply.append(static_cast<char>(v & 0xFF));
    }
    simAppendCrc(reply);
    return reply;
}

// Applies a write request to a meter; returns 0 or an exception code.
int applyWrite(SimMeter& meter, const QByteArray& request) {
    const int function = byteAt(request, 1);
    if (function == 6)
        return meter.writeHolding(wordAt(request, 2), {quint16(wordAt(request, 4))});
    const int count = wordAt(request, 4);
    if (request.size() != 9 + 2 * count || byteAt(request, 6) != 2 * count)
        return SimReg::IllegalValue;
    QList<quint16> values;
    for (int i = 0; i < count; ++i)
        values.append(static_cast<quint16>(wordAt(request, 7 + 2 * i)));
    return meter.writeHolding(wordAt(request, 2), values);
}

} // namespace

SimBus::SimBus(Clock& clock)
    : m_clock(clock) {}

SimBus::~SimBus() = default;

SimMeter* SimBus::addMeter(const SimMeterConfig& config) {
    auto meter = std::make_unique<SimMeter>(config, m_clock);
    meter->setFrozen(m_frozen);
    SimMeter* raw = meter.get();
    m_meters[config.address] = std::move(meter);
    m_requests[config.address] = 0;
    return raw;
}

void SimBus::setMeters(const QList<SimMeterConfig>& configs) {
    for (auto it = m_meters.begin(); it != m_meters.end();) {
        if (configs.contains(it->second->config()))
            ++it;
        else
            it = m_meters.erase(it);
    }
    for (const SimMeterConfig& config : configs)
        if (!m_meters.count(config.address))
            addMeter(config);
}

void SimBus::removeMeter(int address) {
    m_meters.erase(address);
}

SimMeter* SimBus::meter(int address) const {
    const auto it = m_meters.find(address);
    return it == m_meters.end() ? nullptr : it->second.get();
}

QList<SimMeter*> SimBus::meters() const {
    QList<SimMeter*> list;
    for (const auto& [address, meter] : m_meters)
        list.append(meter.get());
    return list;
}

QList<SimMeterConfig> SimBus::configs() const {
    QList<SimMeterConfig> list;
    for (const auto& [address, meter] : m_meters)
        list.append(meter->config());
    return list;
}

void SimBus::setFrozen(bool frozen) {
    m_frozen = frozen;
    for (const auto& [address, meter] : m_meters)
        meter->setFrozen(frozen);
}

qint64 SimBus::requestCount(int address) const {
    const auto it = m_requests.find(address);
    return it == m_requests.end() ? 0 : it->second;
}

QByteArray SimBus::exceptionFrame(int address, int function, int code) {
    QByteArray frame;
    frame.append(static_cast<char>(address));
    frame.append(static_cast<char>(function | 0x80));
    frame.append(static_cast<char>(code));
    simAppendCrc(frame);
    return frame;
}

QByteArray SimBus::answer(SimMeter& meter, const QByteArray& request) {
    const int address = byteAt(request, 0);
    const int function = byteAt(request, 1);
    switch (function) {
    case 3:
    case 4: {
        if (request.size() != 8)
            return exceptionFrame(address, function, SimReg::IllegalValue);
        QList<quint16> values;
        const int first = wordAt(request, 2);
        const int count = wordAt(request, 4);
        const int code = function == 3 ? meter.readHolding(first, count, &values)
                                       : meter.readInput(first, count, &values);
        return code ? exceptionFrame(address, function, code)
                    : readReply(address, function, values);
    }
    case 6:
    case 16: {
        if ((function == 6 && request.size() != 8) || (function == 16 && request.size() < 9))
            return exceptionFrame(address, function, SimReg::IllegalValue);
        const int code = applyWrite(meter, request);
        if (code)
            return exceptionFrame(address, function, code);
        QByteArray reply = request.left(6); // a write is confirmed by its address and count
        simAppendCrc(reply);
        return reply;
    }
    default:
        return exceptionFrame(address, function, SimReg::IllegalFunction);
    }
}

SimReply SimBus::handle(const QByteArray& frame) {
    SimReply reply;
    if (frame.size() < 4 || !simCrcValid(frame))
        return reply;
    const int address = byteAt(frame, 0);
    const int function = byteAt(frame, 1);
    if (address == 0) {
        if (function == 6 || function == 16)
            for (const auto& [a, meter] : m_meters)
                applyWrite(*meter, frame);
        if (m_observer)
            m_observer(frame, reply.bytes);
        return reply;
    }
    SimMeter* target = meter(address);
    if (!target)
        return reply;
    ++m_requests[address];
    const int start = frame.size() >= 4 ? wordAt(frame, 2) : 0;
    const QList<SimFaultRule> rules = m_faults.firing(address, function, start);
    // A meter that refuses a request does not carry it out: a refused write changes nothing.
    const bool refused = std::any_of(rules.begin(), rules.end(), [](const SimFaultRule& r) {
        return r.kind == SimFaultKind::Exception;
    });
    if (!refused)
        reply.bytes = answer(*target, frame);
    if (!rules.isEmpty())
        applyFaults(rules, frame, *target, &reply);
    if (m_observer)
        m_observer(frame, reply.bytes);
    return reply;
}

void SimBus::applyFaults(const QList<SimFaultRule>& rules, const QByteArray& request,
                         SimMeter& meter, SimReply* reply) {
    auto each = [&rules](SimFaultKind kind, const auto& fn) {
        for (const SimFaultRule& r : rules)
            if (r.kind == kind)
                fn(r);
    };
    const int address = meter.address();
    const int function = byteAt(request, 1);
    QByteArray& bytes = reply->bytes;

    for (const SimFaultRule& r : rules)
        if (r.kind == SimFaultKind::NoReply) {
            *reply = SimReply();
            return;
        }
    each(SimFaultKind::Exception,
         [&](const SimFaultRule& r) { bytes = exceptionFrame(address, function, r.code); });
    each(SimFaultKind::ShortReply, [&](const SimFaultRule& r) {
        if ((function == 3 || function == 4) && (byteAt(bytes, 1) & 0x80) == 0) {
            const int registers = std::max(0, byteAt(bytes, 2) / 2 - r.code);
            QList<quint16> values;
            for (int i = 0; i < registers; ++i)
                values.append(static_cast<quint16>(wordAt(bytes, 3 + 2 * i)));
            bytes = readReply(address, function, values);
        }
    });
    each(SimFaultKind::WrongAddress, [&](const SimFaultRule& r) {
        bytes.chop(2);
        bytes[0] = static_cast<char>(r.code ? r.code : address % 255 + 1);
        simAppendCrc(bytes);
    });
    each(SimFaultKind::FlipBit, [&](const SimFaultRule& r) {
        const qsizetype at =
            r.bytes < 0 ? bytes.size() / 2 : std::min<qsizetype>(r.bytes, bytes.size() - 1);
        bytes[at] = static_cast<char>(bytes[at] ^ (1 << (r.bit & 7)));
    });
    each(SimFaultKind::Truncate,
         [&](const SimFaultRule& r) { bytes.chop(std::min<qsizetype>(r.bytes, bytes.size())); });
    each(SimFaultKind::JunkBefore,
         [&](const SimFaultRule& r) { bytes.prepend(m_faults.randomBytes(r.bytes)); });
    each(SimFaultKind::JunkAfter,
         [&](const SimFaultRule& r) { bytes.append(m_faults.randomBytes(r.bytes)); });
    each(SimFaultKind::Split, [&](const SimFaultRule& r) {
        reply->splitAt =
            r.bytes < 0 ? int(bytes.size() / 2) : int(std::min<qsizetype>(r.bytes, bytes.size()));
        reply->pauseMs = r.ms;
    });
    each(SimFaultKind::Delay, [&](const SimFaultRule& r) { reply->delayMs += r.ms; });
}
