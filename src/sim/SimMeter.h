#pragma once

#include "sim/SimHoldingStore.h"
#include "sim/SimMeterConfig.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <array>

class Clock;

// One simulated recorder's registers. Settings, channel blocks and formulas are stored as
// written; the present-value area is computed when read: the clock runs from the Clock given,
// every channel follows a slow wave inside its display range, now and then a channel is in
// burn-out, alarms follow each channel's alarm set values and types, and the relays follow
// the alarms and inputs. Every channel block and formula of twelve channels is answered
// whatever the channel count, because a master may ask any meter for as many channels as its
// selected meter has.
class SimMeter {
public:
    SimMeter(const SimMeterConfig& config, Clock& clock);

    const SimMeterConfig& config() const { return m_config; }
    int address() const { return m_config.address; }
    int channelCount() const { return m_config.channels; }
    int firmware() const { return m_config.firmware; }
    int digitalInputCount() const { return m_config.channels == 2 ? 2 : 6; }
    int relayCount() const { return m_config.channels; }

    // 0, 40, 10 or 20 for 2, 4, 6 or 12 channels until set otherwise.
    quint16 modelCode() const { return m_modelCode; }
    void setModelCode(quint16 code) { m_modelCode = code; }

    // Requests as they come over the line; each returns 0 or a Modbus exception code.
    // Function 3 reads every area; function 4 the present-value area, addressed by register
    // number (30001..) or from 0; functions 6 and 16 write settings, channel blocks and
    // formulas (a write to the device clock sets the clock; the reserved start takes only real
    // parts of a date and time, and when the clock passes it with the reserve on, the meter
    // starts recording and switches the reserve off; a clock set past it does not).
    int readHolding(int first, int count, QList<quint16>* values);
    int readInput(int first, int count, QList<quint16>* values);
    int writeHolding(int first, const QList<quint16>& values);

    // True when function 3 answers this register.
    bool hasRegister(int number) const;

    // Direct access for tests and the dump option: a register as a read now would give it;
    // one the meter does not have reads 0. Setting a present-value register is ignored.
    quint16 reg(int number);
    void setReg(int number, quint16 value);
    float floatAt(int number);
    void setFloat(int number, float value);
    quint32 u32At(int number);
    void setU32(int number, quint32 value);
    // Characters as consecutive bytes, two to a register, first in the high byte.
    QByteArray textAt(int number, int registers);
    void setText(int number, int registers, const QByteArray& text);

    // Values and clock stand still while frozen; they go on from there when released.
    void setFrozen(bool frozen);
    bool isFrozen() const { return m_frozen; }
    QDateTime deviceClock() const;
    void setDeviceClock(const QDateTime& dateTime);
    // Milliseconds of wave time: since the meter was made, less the frozen spans.
    qint64 elapsedMs() const;

    // The live state as the present-value area reports it now (channels 1..12).
    float presentValue(int channel);
    int channelState(int channel); // 0 valid, 1 burn-out
    bool alarmOn(int channel, int alarm);
    // Holds a channel in burn-out (true) or leaves it to the schedule (false).
    void setForcedBurnout(int channel, bool on);
    void setMemoryCard(bool present) { m_cardPresent = present; }

private:
    struct Live {
        std::array<float, 13> values{};
        std::array<double, 12> slopePerSecond{};
        std::array<int, 12> state{};
        std::array<std::array<bool, 4>, 12> alarm{};
        quint16 inputs = 0;
        quint16 relays = 0;
    };

    void fillDefaults();
    void fillChannel(int channel);
    Live evaluate();
    QList<quint16> inputArea();
    bool scheduledBurnout(int channel, qint64 ms) const;
    bool holdingReadable(int number) const;
    std::array<int, 6> clockFields() const;
    quint16 holdingNow(int number, const std::array<int, 6>& clock) const;
    int writeClock(int first, const QList<quint16>& values);
    int checkReserve(int first, const QList<quint16>& values) const;
    void followReservedStart();

    SimMeterConfig m_config;
    Clock& m_clock;
    quint16 m_modelCode = 0;
    SimHoldingStore m_holding;
    qint64 m_startMs = 0;
    bool m_frozen = false;
    qint64 m_frozenElapsed = 0;
    QDateTime m_frozenDateTime;
    qint64 m_clockOffsetMs = 0;
    QDateTime m_reserveCheckedAt; // the device clock when the reserved start was last looked at
    bool m_cardPresent = true;
    std::array<bool, 12> m_forcedBurnout{};
    std::array<std::array<bool, 4>, 12> m_latched{};
};
