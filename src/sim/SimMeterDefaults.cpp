// The contents a simulated recorder starts with: plausible settings for every channel so
// that the values, units, ranges and alarms a master shows look like a plant's.
#include "sim/SimMeter.h"
#include "sim/SimRegisters.h"

#include <cmath>

namespace {

struct Profile {
    int rangeCode;
    int unitCode; // 0 V, 1 mV, 2 %, 3 degC, 4 degF, 5 the unit text
    int decimals;
    const char* unitText;
    float userMin, userMax;
    bool scaled;
    float scaleMin, scaleMax;
    float displayMin, displayMax;
};

// Thermocouple, resistance thermometer, scaled pressure, thermocouple, voltage, humidity.
const Profile kProfiles[] = {
    {1, 3, 1, "", -270.0f, 1372.0f, false, 0.0f, 0.0f, 0.0f, 400.0f},
    {14, 3, 1, "", -200.0f, 850.0f, false, 0.0f, 0.0f, -50.0f, 150.0f},
    {19, 5, 2, "bar", 0.0f, 10.0f, true, 0.0f, 16.0f, 0.0f, 16.0f},
    {2, 4, 0, "", -210.0f, 1200.0f, false, 0.0f, 0.0f, 100.0f, 900.0f},
    {18, 0, 3, "", -10.0f, 10.0f, false, 0.0f, 0.0f, -5.0f, 5.0f},
    {17, 5, 1, "%RH", 0.0f, 100.0f, true, 0.0f, 100.0f, 0.0f, 100.0f},
};

// Names of every length a channel name may have; the third is Korean (code page 949 bytes of
// "온도", temperature), as recorders set up in Korean show it.
const char* const kProcessNames[] = {"BOILER-IN", "BOILER-OUT", "\xBF\xC2\xB5\xB5", "FLUE-GAS",
                                     "V",         "ROOM-RH",    "TANK-A",           "FEED-P",
                                     "OVEN-2",    "MOTOR-V",    "OIL-TEMP",         "HALL"};

float rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return static_cast<float>(std::round(value * scale) / scale);
}

// The screen modes a recorder offers, by firmware: from 1.16 the bar graph and the history
// view have new codes.
quint16 displayModeCode(int firmware, int address) {
    static const quint16 before[] = {1, 3, 5, 6, 17};
    static const quint16 from[] = {1, 3, 5, 7, 129};
    const int mode = (address - 1) % 5;
    return firmware >= 116 ? from[mode] : before[mode];
}

} // namespace

void SimMeter::fillDefaults() {
    using namespace SimReg;
    const int channels = m_config.channels;
    const int firmware = m_config.firmware;
    const int address = m_config.address;
    const quint16 common[] = {
        1,                                  // recording on
        displayModeCode(firmware, address), // screen mode
        1,
        1,
        1,                              // ruler, text bar, alarm marks
        10,                             // scroll speed
        quint16(channels == 2 ? 2 : 4), // text-view windows
        0,
        0, // history view: horizontal, from memory
        5, // save period, seconds
        1,
        1,                             // resume after power failure, beep
        10,                            // screen saver, minutes
        quint16(channels > 6 ? 3 : 1), // record with buffer: all groups / on
        0,
        1,                                   // black background, English
        quint16(firmware >= 116 ? 1234 : 0), // channel-setup password from 1.16
        0,                                   // reserved start off
        2026,
        6,
        1,
        8,
        0,
        0, // reserved start time
    };
    int r = CommonFirst;
    for (quint16 v : common)
        m_holding.set(r++, v);
    for (int port : {Rs232, Rs485}) {
        const quint16 serial[] = {quint16(address), 0, 2, 0, 8, 1, 0}; // 38400,N,8,1
        for (int i = 0; i < 7; ++i)
            m_holding.set(port + i, serial[i]);
    }
    m_holding.set(Rs485 + 6, 20); // a response delay for the converter on the bus
    const int inputs = digitalInputCount();
    for (int i = 0; i < 6; ++i) {
        const int base = DigitalInput + DigitalInputSize * i;
        const bool used = i < inputs;
        m_holding.set(base, i % 2 == 0 ? 1 : 0); // level: high, low, ...
        // record: start on input 1, stop on input 2, bypass on the others
        m_holding.set(base + 1, !used ? 127 : i == 0 ? 1 : i == 1 ? 0 : 127);
        m_holding.set(base + 2, used ? quint16(i % relayCount() + 1) : 0); // relay
        setU32(base + 3, used ? quint32(10 + 60 * i) : 0);                 // on-time, seconds
    }
    setText(FilePrefix, 3,
            QStringLiteral("REC%1").arg(address, 3, 10, QLatin1Char('0')).toLatin1());

    for (int n = 1; n <= MaxChannels; ++n)
        fillChannel(n);

    // Formulas came with firmware 1.16; before it the areas hold nothing.
    if (firmware < 116)
        return;
    const char* const memory[] = {"(CH01+CH02)/2", "CH01-CH02", "CH03*1.8+32", "M01+M02",
                                  "CH05",          "CH06/2",    "CH07+CH08",   "MAX(CH09)",
                                  "CH10-CH09",     "CH11*10",   "M07-M08",     "CH12"};
    const char* const channel[] = {
        "CH01*1.8+32",  "(CH01+CH02)/2", "SQRT(CH03)",    "", "CH05-CH06",
        "LOG(CH06)*10", "CH07+M01",      "(CH08-32)/1.8", "", "CH10*CH10/100",
        "ABS(CH11)",    "CH12+0.5"};
    for (int n = 1; n <= MaxChannels; ++n) {
        setText(MemFormulaFirst + MemFormulaSlot * (n - 1), MemFormulaSlot, memory[n - 1]);
        setText(chFormulaBase(n), ChFormulaSize, channel[n - 1]);
    }
}

void SimMeter::fillChannel(int n) {
    using namespace SimReg;
    const int base = channelBase(n);
    const Profile& p = kProfiles[(n - 1) % 6];
    const bool present = n <= m_config.channels;

    // Odd addresses carry process names, even ones plain zone names with a Korean second
    // channel ("압력", pressure).
    const QByteArray name = m_config.address % 2 == 1 ? QByteArray(kProcessNames[n - 1])
                            : n == 2                  ? QByteArray("\xBE\xD0\xB7\xC2")
                                                      : "ZONE-" + QByteArray::number(n);
    setText(base + Ch::Name, 5, name);
    setText(base + Ch::UnitText, 3, p.unitText);
    m_holding.set(base + Ch::Display, !present ? 0 : m_config.channels > 6 ? (n <= 6 ? 1 : 2) : 1);
    m_holding.set(base + Ch::RangeCode, quint16(p.rangeCode));
    m_holding.set(base + Ch::Scale, p.scaled ? 1 : 0);
    m_holding.set(base + Ch::Decimals, quint16(p.decimals));
    m_holding.set(base + Ch::UnitCode, quint16(p.unitCode));
    m_holding.set(base + Ch::ReadMode, 0);
    m_holding.set(base + Ch::ReadTime, 1);
    m_holding.set(base + Ch::Colour, quint16((n - 1) % 12));
    m_holding.set(base + Ch::Math, 0);
    if (m_config.firmware >= ReferenceFirmware) {
        // Reference junction: the internal sensor, a fixed temperature on channel 4, and
        // channel 7 referred to channel 1's terminal.
        m_holding.set(base + Ch::MathType, n == 4 ? 1 : n == 7 ? 2 : 0);
        setFloat(base + Ch::MathA, n == 4 ? 23.5f : 20.0f); // reference temperature
    } else {
        m_holding.set(base + Ch::MathType, 1);
        m_holding.set(base + Ch::MathA, quint16(n));
        m_holding.set(base + Ch::MathBSelect, 1);
    }
    m_holding.set(base + Ch::MathBChannel, 1);
    setFloat(base + Ch::MathBConst, 1.0f);
    setFloat(base + Ch::UserMax, p.userMax);
    setFloat(base + Ch::UserMin, p.userMin);
    setFloat(base + Ch::ScaleMax, p.scaleMax);
    setFloat(base + Ch::ScaleMin, p.scaleMin);
    setFloat(base + Ch::DisplayMax, p.displayMax);
    setFloat(base + Ch::DisplayMin, p.displayMin);

    // High and low alarms inside the wave's swing, so that they come and go; a burn-out
    // alarm; and a rising-rate alarm per minute that trips near the steepest climb.
    const double mid = (p.displayMax + p.displayMin) / 2.0;
    const double span = p.displayMax - p.displayMin;
    const double steepestPerMinute = 0.42 * span * 2.0 * 3.14159265 / (90.0 + 17.0 * n) * 60.0;
    const struct {
        int type;
        double setValue;
        double hysteresis;
        double rate;
        int relay;
        int onTime;
    } alarms[4] = {
        {3, mid + 0.3 * span, 0.01 * span, 0.0, (n - 1) % m_config.channels + 1, 5},
        {4, mid - 0.3 * span, 0.01 * span, 0.0, 0, 0},
        {15, 0.0, 0.0, 0.0, 0, 0},
        {7, 0.0, 0.0, 0.8 * steepestPerMinute, 0, 0},
    };
    for (int a = 1; a <= 4; ++a) {
        const auto& al = alarms[a - 1];
        setFloat(base + Ch::alarm(a, Ch::AlSetValue), rounded(al.setValue, p.decimals));
        setFloat(base + Ch::alarm(a, Ch::AlHysteresis), rounded(al.hysteresis, p.decimals));
        setFloat(base + Ch::alarm(a, Ch::AlRate), rounded(al.rate, 2));
        m_holding.set(base + Ch::alarm(a, Ch::AlType), present ? quint16(al.type) : 0);
        m_holding.set(base + Ch::alarm(a, Ch::AlCompared), 1);
        m_holding.set(base + Ch::alarm(a, Ch::AlTimeUnit), 1); // per minute
        m_holding.set(base + Ch::alarm(a, Ch::AlRecord), 127); // bypass
        m_holding.set(base + Ch::alarm(a, Ch::AlRelay), quint16(al.relay));
        setU32(base + Ch::alarm(a, Ch::AlOnTime), quint32(al.onTime));
    }
}
