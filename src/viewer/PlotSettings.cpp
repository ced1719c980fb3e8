#include "viewer/PlotSettings.h"

#include "comm/ChannelDisplay.h"
#include "core/PrintableText.h"
#include "dataview/DataTimeLine.h"
#include "widgets/WinColour.h"

#include <QCoreApplication>
#include <cmath>

namespace {

// The band captions, translated where the viewer shows them.
struct PlotSettingsTexts {
    Q_DECLARE_TR_FUNCTIONS(GraphViewer)
};

} // namespace

unsigned PlotSettings::shownMask() const {
    unsigned mask = 0;
    for (const PlotChannel& c : channels)
        if (c.shown)
            mask |= 1u << (c.channel - 1);
    return mask;
}

const PlotChannel* PlotSettings::channel(int number) const {
    for (const PlotChannel& c : channels)
        if (c.channel == number)
            return &c;
    return nullptr;
}

PlotSettings PlotSettings::forTimeLine(const DataTimeLine& timeLine) {
    PlotSettings s;
    const DataHeader& h = timeLine.header();
    const ValueSpan& data = timeLine.overallSpan();
    for (int ch = 1; ch <= timeLine.channelCount(); ++ch) {
        const DataChannel& c = h.channels[size_t(ch - 1)];
        PlotChannel p;
        p.channel = ch;
        p.name = PrintableText(c.name);
        p.unit = PrintableText(c.unit);
        p.decimals = std::clamp(c.decimals, 0, 4);
        p.colour = fromWinRgb(ChannelDisplay::ChannelColourCode(ch - 1));
        p.low = c.low;
        p.high = c.high;
        if (!std::isfinite(p.low) || !std::isfinite(p.high) || p.low == p.high) {
            // No display range to go by: the values' own span, with a little room.
            p.rangeFromData = true;
            if (data.hasValue(ch)) {
                const double lo = data.low[size_t(ch - 1)], hi = data.high[size_t(ch - 1)];
                const double room = hi > lo ? (hi - lo) * 0.05 : std::max(1.0, std::abs(lo) * 0.1);
                p.low = lo - room;
                p.high = hi + room;
            } else {
                p.low = 0;
                p.high = 1;
            }
        }
        s.channels.push_back(p);
    }
    s.bands.push_back(
        {BandRow::Kind::NoData, 0, PlotSettingsTexts::tr("No data"), QColor(0x80, 0x80, 0x80)});
    const RecordFlags& on = timeLine.everOn();
    for (const PlotChannel& c : s.channels)
        if (on.channelAlarm(c.channel))
            s.bands.push_back({BandRow::Kind::Alarm, c.channel,
                               PlotSettingsTexts::tr("CH%1 ALM").arg(c.channel, 2, 10, QChar(u'0')),
                               c.colour});
    const int inputs = timeLine.channelCount() == 2 ? 2 : 6;
    for (int i = 1; i <= inputs; ++i)
        if (on.input(i))
            s.bands.push_back({BandRow::Kind::Input, i, PlotSettingsTexts::tr("DI %1").arg(i),
                               QColor(0x30, 0xC0, 0x60)});
    for (int i = 1; i <= timeLine.channelCount(); ++i)
        if (on.relay(i))
            s.bands.push_back({BandRow::Kind::Relay, i, PlotSettingsTexts::tr("RY %1").arg(i),
                               QColor(0xE0, 0x90, 0x20)});
    return s;
}
