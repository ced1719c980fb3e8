#include "monitor/TrendMonitor.h"

#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "comm/MeterPast.h"
#include "core/Clock.h"
#include "monitor/ChannelPanel.h"
#include "monitor/MonitorStyle.h"
#include "monitor/TrendGraph.h"
#include "widgets/ElidedLabel.h"
#include "widgets/GradientLabel.h"
#include "widgets/LanguageFollower.h"

#include <QDateTime>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace ChannelDisplay;

TrendMonitor::TrendMonitor(const TrendVariant& variant, const MonitorContext& context,
                           QWidget* parent)
    : SingleMeterMonitor(context, variant.channels, parent)
    , m_model(variant) {
    setObjectName(variant.windowName());
    texts()->add([this] { setWindowTitle(meterTitle(tr("Single Monitoring - LINE"))); });

    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    m_graph = new TrendGraph(m_model, content);
    layout->addWidget(m_graph, 1);
    auto* panels = new QGridLayout;
    panels->setSpacing(6);
    const int perRow = variant.channels > 6 ? 6 : variant.channels;
    for (int ch = 0; ch < variant.channels; ++ch) {
        const int figure = variant.channels > 6 ? 24 : variant.channels > 2 ? 30 : 38;
        auto* panel = new ChannelPanel(ch, variant.panelToggles, figure, content);
        panel->setMinimumHeight(figure + 26);
        connect(panel, &ChannelPanel::toggleRequested, this, &TrendMonitor::lblCH_Click);
        panels->addWidget(panel, ch / perRow, ch % perRow);
        m_panels.append(panel);
    }
    layout->addLayout(panels);
    setContent(QStringLiteral("H.TREND VIEW"), QStringLiteral("(ALL CH)"), content);

    connect(m_graph, &TrendGraph::surfaceResized, this, [this](int oldHeight, int newHeight) {
        m_model.rescaleMarks(oldHeight, newHeight);
        // The scale bars stay level with the newest points, frozen picture or not.
        for (int ch = 0; ch < channels(); ++ch) {
            std::optional<int>& y = m_barY[std::size_t(ch)];
            if (y && oldHeight > 0)
                y = int(qint64(*y) * newHeight / oldHeight);
            m_scales[std::size_t(ch)].y = y;
        }
        m_graph->setScales(m_scales);
        redrawTrend();
    });

    // What the window takes over at load: the alarm-mark switch, the alarms already on (they
    // draw no start mark), every trace on, sample 0 and blank time labels.
    const DeviceTables* tables = context.tables;
    m_marksOn = tables && tables->sprdP_Common.number(1, 5) > 0;
    m_graph->setMarksEnabled(m_marksOn);
    m_background = tables ? tables->sprdP_Common.number(1, 15) : 0;
    m_graph->setWhiteBackground(m_background > 0);
    m_model.restart(meter().alarmStates());
    m_portOpens = context.state ? context.state->gPortOpens : 0;
    for (int i = 0; i < 6; ++i)
        m_timeLabels << QString();
    m_graph->setTimeLabels(m_timeLabels);
    refreshScales();
    if (context.past)
        connect(context.past, &MeterPast::arrived, this, &TrendMonitor::takePast);
    resize(1180, 760);
}

std::array<int, MaxChannels> TrendMonitor::colours() const {
    std::array<int, MaxChannels> out{};
    for (int ch = 0; ch < MaxChannels; ++ch)
        out[std::size_t(ch)] = m_settings[std::size_t(ch)].colour;
    return out;
}

void TrendMonitor::showUnit(int channel) {
    const bool off = !m_model.traceOn(channel);
    m_panels[channel]->lblCH_Unit()->setText(off && m_model.variant().panelToggles
                                                 ? QStringLiteral("CH.OFF")
                                                 : m_settings[std::size_t(channel)].unit);
}

void TrendMonitor::refreshScales() {
    if (!context().tables)
        return;
    for (int ch = 0; ch < channels(); ++ch) {
        const ChannelSettings s = meter().settings(ch);
        m_settings[std::size_t(ch)] = s;
        TrendChannelInput& in = m_inputs[std::size_t(ch)];
        in.max = s.max;
        in.min = s.min;
        in.colour = s.colour;
        const bool on = m_model.traceOn(ch);
        ChannelPanel* panel = m_panels[ch];
        const int numberColour = on ? s.colour : MonitorStyle::traceOffRgb();
        panel->lblCH()->setColours(numberColour, numberColour);
        panel->lblCH_Name()->setText(s.name);
        showUnit(ch);
        m_scales[std::size_t(ch)] = {s.maxText, s.midText, s.minText,
                                     s.colour,  on,        m_barY[std::size_t(ch)]};
    }
    m_graph->setScales(m_scales);
}

void TrendMonitor::checkBackground() {
    // The common settings are those of the selected meter; another meter's trend keeps the
    // background it opened with.
    if (!meter().settingsCurrent())
        return;
    const double background = context().tables->sprdP_Common.number(1, 15);
    if (background == m_background)
        return;
    m_background = background;
    m_graph->setWhiteBackground(background > 0);
    redrawTrend();
}

void TrendMonitor::refreshTick(const MeterReading& reading) {
    refreshScales();
    sampleStep(reading);
}

void TrendMonitor::sampleStep(const MeterReading& reading) {
    checkBackground();
    const CommState* state = context().state;
    if (state && state->gPortOpens != m_portOpens) {
        // The port was opened again: the trend starts afresh.
        m_portOpens = state->gPortOpens;
        m_model.restart(meter().alarmStates());
        redrawTrend();
    }

    for (int ch = 0; ch < channels(); ++ch) {
        const ChannelSettings& s = m_settings[std::size_t(ch)];
        TrendChannelInput& in = m_inputs[std::size_t(ch)];
        in.invalid = reading.states[std::size_t(ch)] != 0;
        in.value = reading.values[std::size_t(ch)];
        for (int a = 0; a < 4; ++a)
            in.alarms[std::size_t(a)] = meter().alarmState(a, ch);
        ChannelPanel* panel = m_panels[ch];
        panel->lblCH_Val()->setText(in.invalid ? InvalidValueText(s.decimals)
                                               : FormatValue(in.value, s.decimals));
        panel->setValueWarning(in.invalid);
    }
    advance(true);
}

void TrendMonitor::idleTick() {
    // A local meter's trend stands still; a remote one keeps the time for what comes late.
    if (!context().past || m_model.sample() == 0)
        return;
    for (int ch = 0; ch < channels(); ++ch)
        m_inputs[std::size_t(ch)].invalid = true;
    advance(false);
}

void TrendMonitor::takePast(const PastRecord& record) {
    if (record.address == meter().address() &&
        m_model.fillPast(record.atMs, record.holdMs, tmrDispGraph().interval(), record.values))
        m_pastTaken = true; // a burst of them is drawn once, at the next tick
}

void TrendMonitor::advance(bool live) {
    const qint64 atMs = context().clock ? context().clock->currentMSecsSinceEpoch()
                                        : QDateTime::currentMSecsSinceEpoch();
    const TrendStep step = m_model.step(m_inputs, m_graph->surfaceHeight(), atMs, live);
    m_graph->drawSegments(step.segments, colours());
    m_graph->drawMarks(step.marks);
    m_barY = step.y;
    if (step.periodStart) {
        m_timeLabels.removeFirst();
        m_timeLabels.append(pcTime());
        m_graph->setTimeLabels(m_timeLabels);
    }
    // A new period, or records of the past drawn in since: the whole graph anew.
    if (step.periodStart || m_pastTaken) {
        m_pastTaken = false;
        redrawTrend();
    }
    for (int ch = 0; ch < channels(); ++ch)
        m_scales[std::size_t(ch)].y = m_barY[std::size_t(ch)]; // the bars follow the values
    m_graph->setScales(m_scales);
    m_graph->update();
}

void TrendMonitor::redrawTrend() {
    m_graph->redraw(m_model.redrawSegments(m_inputs, m_graph->surfaceHeight()), colours(),
                    m_model.visibleMarks());
}

void TrendMonitor::lblCH_Click(int channel) {
    if (channel < 0 || channel >= channels())
        return;
    m_model.setTraceOn(channel, !m_model.traceOn(channel));
    refreshScales();
    redrawTrend();
}
