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

const char* const kProcessNames[] = {"BOILER-IN", "BOILER-OUT", "STEAM-P",  "FLUE-GAS",
                                     "DRIVE-V",   "ROOM-RH",    "TANK-A",   "FEED-P",
                                     "OVEN-2",    "MOTOR-V",    "OIL-TEMP", "HALL-RH"};

float rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return static_cast<float>(std::round(value * scale) / scale);
}

} // namespace

void SimMeter::fillDefaults() {
    using namespace SimReg;
    const int channels = m_config.channels;
    const quint16 common[] = {
        1, // recording on
        1, // display mode: horizontal trend
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
        1, // black background, English
        0, // no channel-setup password
        0, // reserved start off
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
    const int address = m_config.address;
    for (int port : {Rs232, Rs485}) {
        const quint16 serial[] = {quint16(address), 0, 2, 0, 8, 1, 0}; // 38400,N,8,1
        for (int i = 0; i < 7; ++i)
            m_holding.set(port + i, serial[i]);
    }
    for (int i = 0; i < 6; ++i) {
        const int base = DigitalInput + DigitalInputSize * i;
        m_holding.set(base, 1);                    // level: high
        m_holding.set(base + 1, i == 0 ? 1 : 127); // record: start on input 1, else bypass
        m_holding.set(base + 2, i == 0 ? 1 : 0);   // relay
        m_holding.set(base + 4, i == 0 ? 10 : 0);  // on-time (low word of the U32)
    }
    setText(FilePrefix, 3,
            QStringLiteral("REC%1").arg(address, 3, 10, QLatin1Char('0')).toLatin1());

    for (int n = 1; n <= MaxChannels; ++n)
        fillChannel(n);

    setText(MemFormulaFirst, MemFormulaSlot, "(CH01+CH02)/2");
    setText(MemFormulaFirst + MemFormulaSlot, MemFormulaSlot, "CH01-CH02");
    setText(chFormulaBase(1), ChFormulaSize, "CH01*1.8+32");
    setText(chFormulaBase(2), ChFormulaSize, "(CH01+CH02)/2");
}

void SimMeter::fillChannel(int n) {
    using namespace SimReg;
    const int base = channelBase(n);
    const Profile& p = kProfiles[(n - 1) % 6];
    const bool present = n <= m_config.channels;

    const QByteArray name = m_config.address % 2 == 1
                                ? QByteArray(kProcessNames[n - 1])
                                : QStringLiteral("CH%1").arg(n, 2, 10, QLatin1Char('0')).toLatin1();
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
        m_holding.set(base + Ch::MathType, 0); // reference junction: internal sensor
        setFloat(base + Ch::MathA, 20.0f);     // reference temperature
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
