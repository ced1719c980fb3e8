#pragma once

#include "comm/ChannelDisplay.h"

#include <QPoint>
#include <QString>
#include <QVector>
#include <array>
#include <optional>

// The figures that tell the four trend windows apart.
struct TrendVariant {
    int channels = 12;
    // x position, in samples, of the newest point when a 120-sample period starts.
    int trendOrigin = 617;
    // When the sample index reaches this, the oldest 120 samples are dropped.
    int shiftAt = 720;
    // Clicks on a channel's panel, value and unit toggle its trace too, and a channel switched
    // off shows "CH.OFF" in its unit label (all windows but the 12-channel one).
    bool panelToggles = false;

    int keep() const { return shiftAt - 120; }
    QString windowName() const; // "frmTD_Mon_Line12" ...
    static std::optional<TrendVariant> forChannels(int channels);
};

// One line on the drawing surface, in twips.
struct TrendSegment {
    int channel = 0; // 0..11
    QPoint p0, p1;
    bool operator==(const TrendSegment&) const = default;
};

// One alarm mark: where an alarm of a channel started or ended.
struct TrendMark {
    int sample = 0; // sample index
    int y = 0;      // twips on the drawing surface
    int number = 1; // alarm number 1..4
    int colour = 0; // Windows RGB
    bool started = true;
    int channel = 1; // 1..12
    bool operator==(const TrendMark&) const = default;
};

// What one tick hands the trend for one channel.
struct TrendChannelInput {
    double value = 0;
    bool invalid = false;
    double max = 0; // the scale, as read back from the scale captions
    double min = 0;
    int colour = 0;
    std::array<quint8, 4> alarms{}; // states of alarms 1..4
};

struct TrendStep {
    QVector<TrendSegment> segments; // drawn this tick
    QVector<TrendMark> marks;       // added this tick
    // y of the present value per channel (the scale bar follows it); none for an empty range
    // or an invalid channel.
    std::array<std::optional<int>, ChannelDisplay::MaxChannels> y{};
    bool periodStart = false; // every 120 samples: the time labels move on, the graph is redrawn
    bool shifted = false;     // the buffer dropped its oldest 120 samples
};

// The trend's data and geometry, without any drawing: the sample history, the traces switched
// on, the alarm marks and where everything goes on the scrolling drawing surface. Positions
// are in twips (a sample is 15 twips wide); the surface scrolls 15 twips left per sample, so
// that the newest point stays at trendOrigin * 15 on the screen.
class TrendModel {
public:
    static constexpr int SamplesPerPeriod = 120;
    static constexpr int SampleTwips = 15;

    explicit TrendModel(const TrendVariant& variant);

    const TrendVariant& variant() const { return m_variant; }

    // Starts from sample 0 with every trace on and no marks; `alarmStates` (index
    // alarm * 12 + channel) are the alarms already on, which draw no start mark.
    void restart(const std::array<quint8, 48>& alarmStates);

    // The sample step of one tick. `h` is the height of the drawing surface in twips. `atMs`
    // is the sample's moment (ms since 1970 UTC); `live`: taken from the meter's values, not
    // a blank for a tick without data.
    TrendStep step(const std::array<TrendChannelInput, ChannelDisplay::MaxChannels>& inputs, int h,
                   qint64 atMs = 0, bool live = true);

    // Draws a record of the past where it belongs: into the samples from the one nearest its
    // moment (within half a tick) until its hold ends (at least that one sample), wherever a
    // sample holds no live value and no later record. False when no sample took it: a record
    // older than the first sample shown, newer than the newest, or over live samples only.
    bool fillPast(qint64 atMs, qint64 holdMs, qint64 tickMs,
                  const std::array<float, ChannelDisplay::MaxChannels>& values);

    // Every segment of a whole redraw with the channels' present scales. Channels with an
    // empty range or a trace switched off are left out, and so is every segment that touches
    // a sample without a value.
    QVector<TrendSegment>
    redrawSegments(const std::array<TrendChannelInput, ChannelDisplay::MaxChannels>& scales,
                   int h) const;
    // The marks a redraw shows: those of channels whose trace is on.
    QVector<TrendMark> visibleMarks() const;

    // The index of the next sample and of the newest one (-1 before the first).
    int sample() const { return m_sample; }
    int newestSample() const { return m_sample - 1; }
    // x of sample s on the drawing surface, twips.
    int x(int sample) const;
    // The drawing surface's left edge relative to the viewport (0 or less), twips.
    int left() const;
    // Width the drawing surface needs, twips.
    int surfaceWidth() const {
        return (m_variant.trendOrigin + SamplesPerPeriod + 2) * SampleTwips;
    }
    // x on the screen where the newest point stays.
    int newestScreenX() const { return m_variant.trendOrigin * SampleTwips; }

    bool traceOn(int channel) const { return m_traceOn[std::size_t(channel)]; }
    void setTraceOn(int channel, bool on) { m_traceOn[std::size_t(channel)] = on; }
    float history(int sample, int channel) const;
    const QVector<TrendMark>& marks() const { return m_marks; }
    // Moves every mark `count` samples back; marks that would fall before sample 0 go.
    void shiftMarks(int count);
    // Keeps marks level with their points when the surface changes height.
    void rescaleMarks(int oldHeight, int newHeight);

private:
    struct SampleTime {
        qint64 atMs = 0;
        qint64 pastMs = 0; // the moment of the past record it holds; 0: none
        bool live = false;
    };

    TrendVariant m_variant;
    QVector<std::array<float, ChannelDisplay::MaxChannels>> m_history; // gTrendHistory
    QVector<SampleTime> m_times;                                       // beside m_history
    std::array<bool, ChannelDisplay::MaxChannels> m_traceOn{};         // gTraceOn
    std::array<float, ChannelDisplay::MaxChannels> m_previous{};
    std::array<std::array<quint8, 4>, ChannelDisplay::MaxChannels> m_alarmSeen{};
    QVector<TrendMark> m_marks; // sprdQue
    int m_sample = 0;
};
