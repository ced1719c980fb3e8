#include "monitor/MonitorDemo.h"

#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "comm/MeterModels.h"
#include "comm/RegisterMap.h"
#include "core/AppPaths.h"
#include "core/Clock.h"
#include "core/FloatText.h"
#include "logging/AlarmHistory.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <array>
#include <cmath>
#include <numbers>

namespace {

struct DemoMeter {
    int address;
    int modelCode;
    bool answering;
};

constexpr DemoMeter Meters[] = {
    {1, 20, true}, {2, 10, true}, {3, 40, true}, {4, 0, true}, {5, 21, false}};

int rowOfChannels(int channels) {
    switch (channels) {
    case 6:
        return 2;
    case 4:
        return 3;
    case 2:
        return 4;
    default:
        return 1;
    }
}

struct DemoChannel {
    double low, high;
    int decimals, unitCode, colourCode;
    const char* userUnit;
};

// Ranges, decimal places, units and colours of the selected meter's twelve channels.
constexpr DemoChannel Channels[12] = {
    {0, 200, 1, 3, 0, ""},     {-50, 150, 1, 3, 1, ""}, {0, 10, 2, 0, 2, ""},
    {4, 20, 2, 5, 3, "mA"},    {0, 100, 1, 2, 4, ""},   {0, 50, 1, 1, 5, ""},
    {0, 1000, 0, 5, 6, "kPa"}, {-20, 80, 1, 3, 7, ""},  {-5, 5, 3, 0, 8, ""},
    {0, 300, 1, 4, 9, ""},     {0, 100, 1, 2, 10, ""},  {0, 14, 2, 5, 11, "pH"},
};

// The channels' names, as a plant names them (ten characters at most).
constexpr const char* ChannelNames[12] = {"BOILER-IN", "BOILER-OUT", "FEED-V",  "FLOW-4",
                                          "ROOM-RH",   "TC-MV",      "STEAM-P", "TANK-A",
                                          "VALVE-9",   "FLUE-GAS",   "HALL-RH", "WATER-PH"};

double demoValue(int meterRow, int channel, int tick) {
    const DemoChannel& c = Channels[channel];
    const double span = c.high - c.low;
    if (channel == 0) // a wide swing that crosses the high alarm and falls back
        return c.low + span * (0.55 + 0.4 * std::sin(tick * 2 * std::numbers::pi / 240 + 0.3));
    // Slow waves around levels spread over the range, as a process would move.
    const double level = 0.12 + 0.07 * ((channel * 5 + meterRow) % 12);
    const double wave = std::sin(tick * 2 * std::numbers::pi / (180 + 37 * channel) +
                                 0.9 * channel + 1.3 * meterRow);
    const double drift = 0.015 * std::sin(tick * 0.11 + channel);
    return c.low + span * (level + 0.08 * wave + drift);
}

QString dateTimeText(const QDateTime& t) {
    return t.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

void FillMonitorDemoData(CommState& state, DeviceTables& tables, int selectedChannels, int tick,
                         const QDateTime& deviceTime) {
    const int meters = int(std::size(Meters));
    if (tables.sprdStatus.rowCount() != meters) {
        tables.clearMeterRows();
        state.gMeterAddress.clear();
        for (const DemoMeter& m : Meters) {
            tables.appendMeterRow(m.address);
            state.gMeterAddress.append(m.address);
        }
    }
    state.gMeterOnline = QVector<bool>(meters, true);
    state.gLastMeter = meters - 1;
    const int selectedRow = rowOfChannels(selectedChannels);
    state.gSelMeter = selectedRow - 1;
    state.gSelAddress = Meters[selectedRow - 1].address;
    state.gChannelCount = ChannelCountOfModel(Meters[selectedRow - 1].modelCode);
    state.gDeviceVersion = 1.2;
    state.gPollCycleDone = true;

    for (int r = 1; r <= meters; ++r) {
        const DemoMeter& m = Meters[r - 1];
        const int channels = ChannelCountOfModel(m.modelCode);
        tables.sprdStatus.setText(2, r, m.answering ? QStringLiteral("OK") : QStringLiteral("NG"));
        tables.sprdStatus.setBackColour(2, r, m.answering ? 0x00FF00 : 0x000000);
        tables.sprdStatus.setNumber(3, r, m.modelCode);
        tables.sprdStatus.setText(4, r, QStringLiteral("1.20"));
        TextTable& mon = tables.sprdMON;
        mon.setText(1, r, m.answering ? QStringLiteral("OK") : QStringLiteral("NG"));
        if (!m.answering && !mon.text(13, r).isEmpty())
            continue; // a meter that stopped answering keeps its last values
        mon.setNumber(2, r, m.modelCode);
        mon.setText(3, r, QStringLiteral("1.20"));
        mon.setText(4, r, dateTimeText(deviceTime));
        mon.setNumber(5, r, 1); // memory card in use
        // The selected meter's last channel but one (the last of a two-channel meter) loses
        // its value for good from tick 300 on (a broken sensor); channel 2 drops out for a
        // while before that. The six-channel meter's channel 4 is out of range.
        std::array<int, 12> states{};
        if (r == selectedRow && tick >= 300)
            states[std::size_t(std::max(1, channels - 2))] = 1;
        if (r == selectedRow && tick >= 150 && tick < 175)
            states[1] = 2;
        if (r == 2)
            states[3] = 3;
        qint64 words[2] = {0, 0}; // channels 1..6, 7..12
        for (int ch = 0; ch < 12; ++ch)
            words[ch / 6] |= qint64(states[std::size_t(ch)]) << (2 * (ch % 6));
        mon.setNumber(6, r, words[1]);
        mon.setNumber(7, r, words[0]);
        // Alarm 1 of channel 1 follows its value (high limit at 85 % of the range); alarm 2 of
        // channel 1 and alarm 2 of channel 3 come on at tick 100 and stay; the six-channel
        // meter has alarm 3 of channel 2 on.
        const double v1 = demoValue(r, 0, tick);
        qint64 word1to4 = 0;
        if (v1 > Channels[0].low + 0.85 * (Channels[0].high - Channels[0].low))
            word1to4 |= 1 << 0;
        if (tick >= 100)
            word1to4 |= 1 << 1;
        if (tick >= 100 && channels >= 3)
            word1to4 |= 1 << (4 * 2 + 1);
        if (r == 2)
            word1to4 |= 1 << (4 * 1 + 2);
        // A supply dip sets every alarm of the selected meter for a second: more marks than
        // the trend has room for at one place.
        const bool dip = r == selectedRow && tick >= 360 && tick < 362;
        mon.setNumber(8, r, dip ? 0xFFFF : channels >= 12 && r == 1 ? (1 << (4 * 2)) : 0);
        mon.setNumber(9, r, dip ? 0xFFFF : 0);
        mon.setNumber(10, r, dip ? 0xFFFF : word1to4);
        mon.setNumber(11, r, (1 << 0) | (1 << 2) | (1 << 15)); // inputs 1 and 3, card present
        mon.setNumber(12, r, (1 << 0) | (1 << 1) | (r == 1 ? 1 << 7 : 0));
        for (int ch = 0; ch < 12; ++ch) {
            mon.setText(13 + ch, r,
                        ch < channels ? FloatToText(float(demoValue(r, ch, tick))) : QString());
            // What the channel scan reads of every meter's channels: decimals and unit.
            mon.setNumber(ChannelFirstColumn(ch + 1) + 2, r, Channels[ch].decimals);
            mon.setNumber(ChannelFirstColumn(ch + 1) + 3, r, Channels[ch].unitCode);
        }
        mon.setNumber(26, r, 1000000);
        mon.setNumber(27, r, 423000);
        mon.setNumber(28, r, 37);
    }

    tables.sprdP_Common.setNumber(1, 5, 1);  // alarm marks on
    tables.sprdP_Common.setNumber(1, 15, 0); // black trend background
    for (int ch = 0; ch < 12; ++ch) {
        const DemoChannel& c = Channels[ch];
        TextTable& p = tables.sprdP_CH;
        p.setText(ch + 1, 1, QString::fromLatin1(ChannelNames[ch]).leftJustified(10, QChar(0)));
        p.setText(ch + 1, 2, QString::fromLatin1(c.userUnit).leftJustified(6, QChar(0)));
        p.setNumber(ch + 1, 6, c.decimals);
        p.setNumber(ch + 1, 7, c.unitCode);
        p.setNumber(ch + 1, 10, c.colourCode);
        p.setText(ch + 1, 21, FloatToText(float(c.high)));
        p.setText(ch + 1, 22, FloatToText(float(c.low)));
    }
}

struct MonitorDemo::Private {
    QTemporaryDir temp;
    AppPaths paths;
    CommState state;
    DeviceTables tables;
    VirtualClock clock{QDateTime(QDate(2026, 3, 9), QTime(14, 5, 0))};
    std::unique_ptr<AlarmHistory> alarms;
};

MonitorDemo::MonitorDemo(int selectedChannels, const QString& home)
    : d(std::make_unique<Private>())
    , m_selectedChannels(selectedChannels) {
    d->paths = AppPaths(home.isEmpty() ? d->temp.path() : home);
    d->alarms = std::make_unique<AlarmHistory>(d->state, d->tables, d->paths);
    FillMonitorDemoData(d->state, d->tables, m_selectedChannels, 0, d->clock.currentDateTime());
    d->alarms->PrepareAlarmHistory();
    d->alarms->CheckAlarmHistory();
}

MonitorDemo::~MonitorDemo() = default;

MonitorContext MonitorDemo::context() {
    MonitorContext c;
    c.state = &d->state;
    c.tables = &d->tables;
    c.alarms = d->alarms.get();
    c.paths = &d->paths;
    c.clock = &d->clock;
    return c;
}

CommState& MonitorDemo::state() {
    return d->state;
}
DeviceTables& MonitorDemo::tables() {
    return d->tables;
}

void MonitorDemo::advance() {
    ++m_tick;
    d->clock.advance(500);
    FillMonitorDemoData(d->state, d->tables, m_selectedChannels, m_tick,
                        d->clock.currentDateTime());
    d->alarms->CheckAlarmHistory();
}

QImage RenderMonitorDemo(const QString& name, int selectedChannels, int ticks, QSize size) {
    MonitorDemo demo(selectedChannels);
    std::unique_ptr<QDialog> window(CreateMonitorWindow(name, demo.context(), nullptr));
    if (!window)
        return {};
    SetMonitorTimerEnabled(window.get(), false);
    window->resize(size.isValid() ? size : window->sizeHint().expandedTo(window->size()));
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->show();
    QApplication::processEvents();
    for (int i = 0; i < ticks; ++i) {
        demo.advance();
        RunMonitorTick(window.get());
    }
    QApplication::processEvents();
    return window->grab().toImage();
}
