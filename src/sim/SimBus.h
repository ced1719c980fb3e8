#pragma once

#include "sim/SimFaults.h"
#include "sim/SimMeter.h"

#include <QByteArray>
#include <QList>
#include <functional>
#include <map>
#include <memory>

class Clock;

// What a bus sends back for one request, before the line's timing is laid on it.
struct SimReply {
    QByteArray bytes; // empty: silence
    int delayMs = 0;  // extra wait before the first byte
    int splitAt = -1; // bytes of the first part; -1: one part
    int pauseMs = 0;  // between the two parts
};

// The meters on one line and the faults in force. Given a request frame it answers as the
// addressed meter would: a frame with a bad CRC, or for an address no meter has, gets
// silence; a broadcast write (address 0) is stored by every meter and answered by none.
class SimBus {
public:
    explicit SimBus(Clock& clock);
    ~SimBus();
    SimBus(const SimBus&) = delete;
    SimBus& operator=(const SimBus&) = delete;

    Clock& clock() const { return m_clock; }

    // Replaces a meter of the same address.
    SimMeter* addMeter(const SimMeterConfig& config);
    // Makes the bus hold exactly these meters; one that is already there with the same
    // address, channel count and firmware keeps its contents.
    void setMeters(const QList<SimMeterConfig>& configs);
    void removeMeter(int address);
    SimMeter* meter(int address) const;
    QList<SimMeter*> meters() const; // by address
    QList<SimMeterConfig> configs() const;

    SimFaultPlan& faults() { return m_faults; }

    // Freezes or releases every meter, and those added later.
    void setFrozen(bool frozen);
    bool isFrozen() const { return m_frozen; }

    SimReply handle(const QByteArray& frame);

    // Requests with a good CRC addressed to this meter, since it was added.
    qint64 requestCount(int address) const;
    // Called for every request with a good CRC, with the reply bytes (empty: silence).
    using Observer = std::function<void(const QByteArray& request, const QByteArray& reply)>;
    void setObserver(Observer observer) { m_observer = std::move(observer); }

    // The plain answer of a meter to a request, no faults laid on it.
    static QByteArray answer(SimMeter& meter, const QByteArray& request);
    static QByteArray exceptionFrame(int address, int function, int code);

private:
    void applyFaults(const QList<SimFaultRule>& rules, const QByteArray& request, SimMeter& meter,
                     SimReply* reply);

    Clock& m_clock;
    std::map<int, std::unique_ptr<SimMeter>> m_meters;
    std::map<int, qint64> m_requests;
    SimFaultPlan m_faults;
    bool m_frozen = false;
    Observer m_observer;
};
