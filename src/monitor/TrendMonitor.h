#pragma once

#include "monitor/SingleMeterMonitor.h"
#include "monitor/TrendGraph.h"
#include "monitor/TrendModel.h"

#include <QStringList>

class ChannelPanel;
struct PastRecord;

// The trend monitor, one window for 12, 6, 4 and 2 channels (frmTD_Mon_Line12/06/04/02):
// the selected meter's channels as moving line graphs, a scale per channel, the channel
// panels and the status area. Every tick it refreshes the status and the scales and takes one
// sample; a click on a channel's number (or, but for 12 channels, anywhere on its panel)
// switches that channel's trace on or off at once. A trend of a remote meter keeps its time
// while no data flows, with samples that hold no value, and draws the records that arrive late
// into them.
class TrendMonitor final : public SingleMeterMonitor {
    Q_OBJECT
public:
    TrendMonitor(const TrendVariant& variant, const MonitorContext& context, QWidget* parent);

    const TrendModel& model() const { return m_model; }
    TrendGraph* graph() const { return m_graph; }
    ChannelPanel* channelPanel(int channel) const { return m_panels.value(channel); }
    QStringList timeLabels() const { return m_timeLabels; }
    bool alarmMarksOn() const { return m_marksOn; }

    // Toggles a channel's trace and redraws the graph.
    void lblCH_Click(int channel);

protected:
    void refreshTick(const ChannelDisplay::MeterReading& reading) override;
    void idleTick() override;
    bool movesOnWithoutData() const override { return context().past != nullptr; }

private:
    void takePast(const PastRecord& record);
    // Takes this tick's sample from m_inputs and draws it.
    void advance(bool live);
    void refreshScales();
    void sampleStep(const ChannelDisplay::MeterReading& reading);
    void redrawTrend();
    void checkBackground();
    void showUnit(int channel);
    std::array<int, ChannelDisplay::MaxChannels> colours() const;

    TrendModel m_model;
    TrendGraph* m_graph = nullptr;
    QVector<ChannelPanel*> m_panels;
    std::array<ChannelDisplay::ChannelSettings, ChannelDisplay::MaxChannels> m_settings{};
    std::array<TrendChannelInput, ChannelDisplay::MaxChannels> m_inputs{};
    std::array<std::optional<int>, ChannelDisplay::MaxChannels> m_barY{};
    std::array<TrendGraph::Scale, ChannelDisplay::MaxChannels> m_scales{};
    QStringList m_timeLabels;
    bool m_marksOn = false;
    double m_background = 0;
    int m_portOpens = 0;      // the port's opening the trend belongs to
    bool m_pastTaken = false; // past records went into the samples since the last redraw
};
