#include "sim/SimMeter.h"

#include "core/Clock.h"
#include "sim/SimRegisters.h"

#include <bit>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

constexpr int kMaxReadCount = 125;
constexpr int kMaxWriteCount = 123;
constexpr int kClockFields = 6;

quint16 modelCodeFor(int channels) {
    switch (channels) {
    case 2:
        return 0;
    case 4:
        return 40;
    case 6:
        return 10;
    default:
        return 20;
    }
}

bool inInputArea(int first, int count) {
    return first >= SimReg::InputFirst && first + count <= SimReg::InputFirst + SimReg::InputCount;
}

double roundTo(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

} // namespace

SimMeter::SimMeter(const SimMeterConfig& config, Clock& clock)
    : m_config(config)
    , m_clock(clock)
    , m_modelCode(modelCodeFor(config.channels))
    , m_startMs(clock.nowMs()) {
    fillDefaults();
}

qint64 SimMeter::elapsedMs() const {
    return m_frozen ? m_frozenElapsed : m_clock.nowMs() - m_startMs;
}

void SimMeter::setFrozen(bool frozen) {
    if (frozen == m_frozen)
        return;
    if (frozen) {
        m_frozenElapsed = m_clock.nowMs() - m_startMs;
        m_frozenDateTime = m_clock.currentDateTime();
    } else {
        m_startMs = m_clock.nowMs() - m_frozenElapsed;
        // The device clock goes on from the time it showed while frozen.
        m_clockOffsetMs += m_clock.currentDateTime().msecsTo(m_frozenDateTime);
    }
    m_frozen = frozen;
}

QDateTime SimMeter::deviceClock() const {
    const QDateTime base = m_frozen ? m_frozenDateTime : m_clock.currentDateTime();
    return base.addMSecs(m_clockOffsetMs);
}

void SimMeter::setDeviceClock(const QDateTime& dateTime) {
    const QDateTime base = m_frozen ? m_frozenDateTime : m_clock.currentDateTime();
    m_clockOffsetMs = base.msecsTo(dateTime);
}

bool SimMeter::hasRegister(int number) const {
    return inInputArea(number, 1) || holdingReadable(number);
}

bool SimMeter::holdingReadable(int number) const {
    if (number >= SimReg::FilePrefix && number < SimReg::FilePrefix + 3 &&
        m_config.firmware < SimReg::PrefixFirmware)
        return false;
    return m_holding.contains(number);
}

std::array<int, 6> SimMeter::clockFields() const {
    const QDateTime now = deviceClock();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

quint16 SimMeter::holdingNow(int number, const std::array<int, 6>& clock) const {
    if (number >= SimReg::DeviceClock && number < SimReg::DeviceClock + kClockFields)
        return static_cast<quint16>(clock[size_t(number - SimReg::DeviceClock)]);
    return m_holding.value(number);
}

int SimMeter::readHolding(int first, int count, QList<quint16>* values) {
    followReservedStart();
    if (count < 1 || count > kMaxReadCount)
        return SimReg::IllegalValue;
    if (inInputArea(first, count)) {
        *values = inputArea().mid(first - SimReg::InputFirst, count);
        return 0;
    }
    for (int r = first; r < first + count; ++r)
        if (!holdingReadable(r))
            return SimReg::IllegalAddress;
    const bool clockRead =
        first < SimReg::DeviceClock + kClockFields && first + count > SimReg::DeviceClock;
    const std::array<int, 6> clock = clockRead ? clockFields() : std::array<int, 6>{};
    values->clear();
    values->reserve(count);
    for (int r = first; r < first + count; ++r)
        values->append(holdingNow(r, clock));
    return 0;
}

int SimMeter::readInput(int first, int count, QList<quint16>* values) {
    followReservedStart();
    if (count < 1 || count > kMaxReadCount)
        return SimReg::IllegalValue;
    // Masters that count input registers from 0 are served as well.
    if (first >= 0 && first + count <= SimReg::InputCount)
        first += SimReg::InputFirst;
    if (!inInputArea(first, count))
        return SimReg::IllegalAddress;
    *values = inputArea().mid(first - SimReg::InputFirst, count);
    return 0;
}

int SimMeter::writeHolding(int first, const QList<quint16>& values) {
    const int count = static_cast<int>(values.size());
    if (count < 1 || count > kMaxWriteCount)
        return SimReg::IllegalValue;
    // The file prefix is taken on every firmware: a download always writes it.
    for (int r = first; r < first + count; ++r)
        if (!m_holding.contains(r))
            return SimReg::IllegalAddress;
    followReservedStart();
    if (const int refused = checkReserve(first, values))
        return refused;
    if (first < SimReg::DeviceClock + kClockFields && first + count > SimReg::DeviceClock) {
        const int result = writeClock(first, values);
        if (result != 0)
            return result;
    }
    for (int i = 0; i < count; ++i) {
        const int r = first + i;
        if (r < SimReg::DeviceClock || r >= SimReg::DeviceClock + kClockFields)
            m_holding.set(r, values[i]);
    }
    return 0;
}

int SimMeter::writeClock(int first, const QList<quint16>& values) {
    std::array<int, 6> fields = clockFields();
    for (int i = 0; i < values.size(); ++i) {
        const int field = first + static_cast<int>(i) - SimReg::DeviceClock;
        if (field >= 0 && field < kClockFields)
            fields[size_t(field)] = values[i];
    }
    const QDate date(fields[0], fields[1], fields[2]);
    const QTime time(fields[3], fields[4], fields[5]);
    if (!date.isValid() || !time.isValid())
        return SimReg::IllegalValue;
    setDeviceClock(QDateTime(date, time));
    // A clock set past the reserved start has not run into it.
    m_reserveCheckedAt = deviceClock();
    return 0;
}

// The switch is 0 or 1; each part of the reserved start keeps to the range of its kind (the
// day to 1..31: the month may be written after it).
int SimMeter::checkReserve(int first, const QList<quint16>& values) const {
    static constexpr int low[] = {1, 1, 1, 0, 0, 0};
    static constexpr int high[] = {9999, 12, 31, 23, 59, 59};
    for (int i = 0; i < values.size(); ++i) {
        const int r = first + i;
        const int v = values[i];
        if (r == SimReg::ReserveOn && v > 1)
            return SimReg::IllegalValue;
        const int part = r - SimReg::ReserveTime;
        if (part >= 0 && part < kClockFields && (v < low[part] || v > high[part]))
            return SimReg::IllegalValue;
    }
    return 0;
}

// Looked at whenever the meter is asked anything: a reserved start that the clock has passed
// since the last look starts the recording. One that already lay behind the clock when it was
// set is never reached.
void SimMeter::followReservedStart() {
    using namespace SimReg;
    const QDateTime now = deviceClock();
    const QDateTime last = std::exchange(m_reserveCheckedAt, now);
    if (!last.isValid() || m_holding.value(ReserveOn) != 1)
        return;
    const QDateTime at(QDate(m_holding.value(ReserveTime), m_holding.value(ReserveTime + 1),
                             m_holding.value(ReserveTime + 2)),
                       QTime(m_holding.value(ReserveTime + 3), m_holding.value(ReserveTime + 4),
                             m_holding.value(ReserveTime + 5)));
    if (at.isValid() && last < at && at <= now) {
        m_holding.set(RecordOn, 1);
        m_holding.set(ReserveOn, 0);
    }
}

quint16 SimMeter::reg(int number) {
    followReservedStart();
    if (inInputArea(number, 1))
        return inputArea().at(number - SimReg::InputFirst);
    const bool clock = number >= SimReg::DeviceClock && number < SimReg::DeviceClock + kClockFields;
    return holdingNow(number, clock ? clockFields() : std::array<int, 6>{});
}

void SimMeter::setReg(int number, quint16 value) {
    if (m_holding.contains(number))
        writeHolding(number, {value});
}

float SimMeter::floatAt(int number) {
    return std::bit_cast<float>(u32At(number));
}

void SimMeter::setFloat(int number, float value) {
    setU32(number, std::bit_cast<quint32>(value));
}

quint32 SimMeter::u32At(int number) {
    return (quint32(reg(number)) << 16) | reg(number + 1);
}

void SimMeter::setU32(int number, quint32 value) {
    setReg(number, static_cast<quint16>(value >> 16));
    setReg(number + 1, static_cast<quint16>(value & 0xFFFF));
}

QByteArray SimMeter::textAt(int number, int registers) {
    QByteArray text;
    for (int i = 0; i < registers; ++i) {
        const quint16 v = reg(number + i);
        text.append(static_cast<char>(v >> 8));
        text.append(static_cast<char>(v & 0xFF));
    }
    return text;
}

void SimMeter::setText(int number, int registers, const QByteArray& text) {
    const QByteArray padded = text.left(2 * registers).leftJustified(2 * registers, '\0');
    for (int i = 0; i < registers; ++i)
        setReg(number + i,
               static_cast<quint16>((quint8(padded[2 * i]) << 8) | quint8(padded[2 * i + 1])));
}

void SimMeter::setForcedBurnout(int channel, bool on) {
    if (channel >= 1 && channel <= SimReg::MaxChannels)
        m_forcedBurnout[channel - 1] = on;
}

float SimMeter::presentValue(int channel) {
    return channel >= 1 && channel <= SimReg::MaxChannels ? evaluate().values[channel - 1] : 0.0f;
}

int SimMeter::channelState(int channel) {
    return channel >= 1 && channel <= SimReg::MaxChannels ? evaluate().state[channel - 1] : 0;
}

bool SimMeter::alarmOn(int channel, int alarm) {
    if (channel < 1 || channel > SimReg::MaxChannels || alarm < 1 || alarm > 4)
        return false;
    return evaluate().alarm[channel - 1][alarm - 1];
}

// A channel goes into burn-out for ten seconds in the middle of every five minutes, the
// channels taking turns; none does in the first two minutes, so frozen values are all valid.
bool SimMeter::scheduledBurnout(int channel, qint64 ms) const {
    constexpr qint64 window = 300000;
    const qint64 within = ms % window;
    if (within < 150000 || within >= 160000)
        return false;
    return (ms / window + m_config.address) % m_config.channels + 1 == channel;
}

SimMeter::Live SimMeter::evaluate() {
    using namespace SimReg;
    Live live;
    const qint64 ms = elapsedMs();
    const double t = ms / 1000.0;
    const double twoPi = 2.0 * std::numbers::pi;

    for (int n = 1; n <= m_config.channels; ++n) {
        const int base = channelBase(n);
        double hi = floatAt(base + Ch::DisplayMax);
        double lo = floatAt(base + Ch::DisplayMin);
        if (!(hi > lo) || !std::isfinite(hi - lo)) {
            lo = 0.0;
            hi = 100.0;
        }
        const double amplitude = 0.42 * (hi - lo);
        const double w = twoPi / (90.0 + 17.0 * n);
        const double angle = w * t + 0.9 * n;
        const int decimals = std::clamp<int>(m_holding.value(base + Ch::Decimals), 0, 4);
        double value = roundTo((hi + lo) / 2.0 + amplitude * std::sin(angle), decimals);
        double slope = amplitude * w * std::cos(angle);
        if (m_forcedBurnout[n - 1] || scheduledBurnout(n, ms)) {
            live.state[n - 1] = 1;
            value = hi; // up-scale, as a broken thermocouple drives the input
            slope = 0.0;
        }
        live.values[n - 1] = static_cast<float>(value);
        live.slopePerSecond[n - 1] = slope;
    }
    // The thirteenth value: the recorder's own terminal temperature.
    live.values[12] =
        static_cast<float>(roundTo(25.0 + 1.5 * std::sin(twoPi * t / 900.0 + 0.3), 1));

    for (int i = 1; i <= digitalInputCount(); ++i)
        if (((ms / 1000 + 11 * i) / (30 + 10 * i)) % 2 == 1)
            live.inputs |= quint16(1u << (i - 1));
    if (m_cardPresent)
        live.inputs |= 0x8000;

    for (int n = 1; n <= m_config.channels; ++n) {
        const int base = channelBase(n);
        const double v = live.values[n - 1];
        for (int a = 1; a <= 4; ++a) {
            const int type = m_holding.value(base + Ch::alarm(a, Ch::AlType));
            const double sv = floatAt(base + Ch::alarm(a, Ch::AlSetValue));
            const double hys = std::max(0.0f, floatAt(base + Ch::alarm(a, Ch::AlHysteresis)));
            const double rate = floatAt(base + Ch::alarm(a, Ch::AlRate));
            const int compared = m_holding.value(base + Ch::alarm(a, Ch::AlCompared));
            const int unit = m_holding.value(base + Ch::alarm(a, Ch::AlTimeUnit));
            const double perUnit = live.slopePerSecond[n - 1] * (unit == 0   ? 3600.0
                                                                 : unit == 1 ? 60.0
                                                                             : 1.0);
            const bool was = m_latched[n - 1][a - 1];
            const double deviation = compared >= 1 && compared <= m_config.channels
                                         ? v - live.values[compared - 1]
                                         : 0.0;
            bool on = false;
            switch (type) {
            case 3: // high
                on = v >= sv || (was && v > sv - hys);
                break;
            case 4: // low
                on = v <= sv || (was && v < sv + hys);
                break;
            case 5: // deviation above the compared channel
                on = deviation >= sv || (was && deviation > sv - hys);
                break;
            case 6: // deviation below the compared channel
                on = deviation <= -sv || (was && deviation < -sv + hys);
                break;
            case 7:
            case 9: // rising faster than the rate per time unit
                on = rate > 0 && perUnit >= rate;
                break;
            case 8:
            case 10: // falling faster
                on = rate > 0 && -perUnit >= rate;
                break;
            case 15: // burn-out or open input
                on = live.state[n - 1] != 0;
                break;
            default:
                break;
            }
            m_latched[n - 1][a - 1] = on;
            live.alarm[n - 1][a - 1] = on;
            const int relay = m_holding.value(base + Ch::alarm(a, Ch::AlRelay));
            if (on && relay >= 1 && relay <= relayCount())
                live.relays |= quint16(1u << (relay - 1));
        }
    }
    for (int i = 1; i <= digitalInputCount(); ++i) {
        const int relay = m_holding.value(DigitalInput + DigitalInputSize * (i - 1) + 2);
        if ((live.inputs & (1u << (i - 1))) && relay >= 1 && relay <= relayCount())
            live.relays |= quint16(1u << (relay - 1));
    }
    return live;
}

QList<quint16> SimMeter::inputArea() {
    using namespace SimReg;
    const Live live = evaluate();
    const qint64 ms = elapsedMs();
    QList<quint16> area(InputCount, 0);
    auto put = [&area](int number, quint16 value) { area[number - InputFirst] = value; };
    auto put32 = [&put](int number, quint32 value) {
        put(number, static_cast<quint16>(value >> 16));
        put(number + 1, static_cast<quint16>(value & 0xFFFF));
    };

    put(Model, m_modelCode);
    put(Firmware,
        static_cast<quint16>(((m_config.firmware / 100) << 8) | (m_config.firmware % 100)));
    const std::array<int, 6> clock = clockFields();
    for (int i = 0; i < kClockFields; ++i)
        put(InputClock + i, static_cast<quint16>(clock[size_t(i)]));
    const bool recording = m_holding.value(RecordOn) >= 1;
    put(CardState, m_cardPresent && recording ? 1 : 0);

    quint16 low = 0;
    quint16 high = 0;
    for (int n = 1; n <= m_config.channels; ++n) {
        const quint16 state = static_cast<quint16>(live.state[n - 1] & 3);
        if (n <= 6)
            low |= quint16(state << (2 * (n - 1)));
        else
            high |= quint16(state << (2 * (n - 7)));
    }
    put(StateHigh, high);
    put(StateLow, low);

    quint16 words[3] = {0, 0, 0}; // channels 1..4, 5..8, 9..12
    for (int n = 1; n <= m_config.channels; ++n)
        for (int a = 1; a <= 4; ++a)
            if (live.alarm[n - 1][a - 1])
                words[(n - 1) / 4] |= quint16(1u << (4 * ((n - 1) % 4) + (a - 1)));
    put(AlarmWord1to4, words[0]);
    put(AlarmWord5to8, words[1]);
    put(AlarmWord9to12, words[2]);
    put(DigitalInputs, live.inputs);
    put(Relays, live.relays);

    for (int i = 0; i < 13; ++i)
        put32(Values + 2 * i, std::bit_cast<quint32>(live.values[i]));

    constexpr quint32 capacity = 1966080; // kilobytes of a 2 GB card
    const quint32 used = std::min<quint32>(capacity, 412160 + 2 * quint32(ms / 10000));
    put32(CardCapacity, m_cardPresent ? capacity : 0);
    put32(CardUsed, m_cardPresent ? used : 0);
    put(MemoryUsage, static_cast<quint16>(37 + (ms / 60000) % 60));
    return area;
}
