#include "monitor/TrendModel.h"

#include <algorithm>

using ChannelDisplay::MaxChannels;
using ChannelDisplay::NoValue;

QString TrendVariant::windowName() const {
    return QStringLiteral("frmTD_Mon_Line%1").arg(channels, 2, 10, QLatin1Char('0'));
}

std::optional<TrendVariant> TrendVariant::forChannels(int channels) {
    switch (channels) {
    case 12:
        return TrendVariant{12, 617, 720, false};
    case 6:
        return TrendVariant{6, 665, 840, true};
    case 4:
        return TrendVariant{4, 685, 840, true};
    case 2:
        return TrendVariant{2, 701, 840, true};
    default:
        return std::nullopt;
    }
}

TrendModel::TrendModel(const TrendVariant& variant)
    : m_variant(variant) {
    m_history.resize(variant.shiftAt + 1);
    m_times.resize(variant.shiftAt + 1);
    restart({});
}

void TrendModel::restart(const std::array<quint8, 48>& alarmStates) {
    for (auto& row : m_history)
        row.fill(NoValue);
    m_times.fill({});
    m_traceOn.fill(true);
    m_previous.fill(NoValue);
    for (int ch = 0; ch < MaxChannels; ++ch)
        for (int a = 0; a < 4; ++a)
            m_alarmSeen[std::size_t(ch)][std::size_t(a)] = alarmStates[std::size_t(a * 12 + ch)];
    m_marks.clear();
    m_sample = 0;
}

int TrendModel::x(int sample) const {
    const int newest = std::max(0, newestSample());
    const int start = m_variant.trendOrigin - SamplesPerPeriod * (newest / SamplesPerPeriod);
    return (start + sample + 1) * SampleTwips;
}

int TrendModel::left() const {
    const int newest = newestSample();
    return newest < 0 ? 0 : -SampleTwips * (newest % SamplesPerPeriod + 1);
}

float TrendModel::history(int sample, int channel) const {
    if (sample < 0 || sample >= m_history.size() || channel < 0 || channel >= MaxChannels)
        return NoValue;
    return m_history[sample][std::size_t(channel)];
}

TrendStep TrendModel::step(const std::array<TrendChannelInput, MaxChannels>& inputs, int h,
                           qint64 atMs, bool live) {
    h = std::max(1, h);
    TrendStep out;
    const int sample = m_sample;
    m_times[sample] = {atMs, 0, live};
    const int k = sample % SamplesPerPeriod;
    const int x0 = (m_variant.trendOrigin - SamplesPerPeriod + k) * SampleTwips +
                   SamplesPerPeriod * SampleTwips;
    const int x1 = x0 + SampleTwips;

    for (int ch = 0; ch < m_variant.channels; ++ch) {
        const TrendChannelInput& in = inputs[std::size_t(ch)];
        const float value = in.invalid ? NoValue : float(in.value);
        m_history[sample][std::size_t(ch)] = value;
        const float previous = m_previous[std::size_t(ch)];
        std::optional<int> y0, y1;
        if (in.max != in.min) {
            y0 = ChannelDisplay::ScaleY(previous, in.min, in.max, h);
            y1 = ChannelDisplay::ScaleY(value, in.min, in.max, h);
        }
        if (!in.invalid)
            out.y[std::size_t(ch)] = y1;
        if (m_traceOn[std::size_t(ch)] && sample != 0 && y0 && y1 && previous != NoValue &&
            value != NoValue)
            out.segments.append({ch, QPoint(x0, *y0), QPoint(x1, *y1)});

        // A mark sits on the present point; without one (no value, no scale) it is kept
        // inside the graph so that an alarm is never drawn out of sight.
        const int markY = std::clamp(y1.value_or(h / 2), 0, h);
        for (int a = 0; a < 4; ++a) {
            quint8& seen = m_alarmSeen[std::size_t(ch)][std::size_t(a)];
            const quint8 now = in.alarms[std::size_t(a)];
            if ((seen == 0) != (now == 0)) {
                const TrendMark mark{sample, markY, a + 1, in.colour, now != 0, ch + 1};
                m_marks.append(mark);
                out.marks.append(mark);
            }
            seen = now;
        }
        m_previous[std::size_t(ch)] = value;
    }

    if (k == 0) {
        out.periodStart = true;
        if (sample >= m_variant.shiftAt) {
            const int keep = m_variant.keep();
            for (int s = 0; s <= keep; ++s) {
                m_history[s] = m_history[s + SamplesPerPeriod];
                m_times[s] = m_times[s + SamplesPerPeriod];
            }
            for (int s = keep + 1; s < m_history.size(); ++s) {
                m_history[s].fill(NoValue);
                m_times[s] = {};
            }
            m_sample = keep;
            shiftMarks(SamplesPerPeriod);
            out.shifted = true;
        }
    }
    ++m_sample;
    return out;
}

bool TrendModel::fillPast(qint64 atMs, qint64 holdMs, qint64 tickMs,
                          const std::array<float, MaxChannels>& values) {
    const int newest = newestSample();
    if (newest < 0 || atMs <= 0)
        return false;
    const qint64 half = tickMs / 2;
    // The record stands from half a tick before its moment until the next record is due, so
    // that a run of records draws a line as live samples of the same records would.
    const qint64 from = atMs - half;
    const qint64 until = atMs + std::max(holdMs, tickMs) - half;
    if (atMs + half < m_times[0].atMs || from > m_times[newest].atMs)
        return false;
    bool filled = false;
    for (int s = 0; s <= newest; ++s) {
        SampleTime& t = m_times[s];
        if (t.atMs < from || t.atMs >= until || t.atMs == 0 || t.live || t.pastMs > atMs)
            continue;
        for (int ch = 0; ch < m_variant.channels; ++ch)
            m_history[s][std::size_t(ch)] = values[std::size_t(ch)];
        if (s == newest) // the next sample's line starts here
            m_previous = values;
        t.pastMs = atMs;
        filled = true;
    }
    return filled;
}

QVector<TrendSegment>
TrendModel::redrawSegments(const std::array<TrendChannelInput, MaxChannels>& scales, int h) const {
    h = std::max(1, h);
    QVector<TrendSegment> out;
    const int newest = newestSample();
    for (int ch = 0; ch < m_variant.channels; ++ch) {
        const TrendChannelInput& scale = scales[std::size_t(ch)];
        if (!m_traceOn[std::size_t(ch)] || scale.max == scale.min)
            continue;
        std::optional<int> yPrev;
        for (int s = 0; s <= newest; ++s) {
            const float v = m_history[s][std::size_t(ch)];
            const std::optional<int> y =
                v == NoValue ? std::nullopt : ChannelDisplay::ScaleY(v, scale.min, scale.max, h);
            if (s > 0 && yPrev && y)
                out.append({ch, QPoint(x(s - 1), *yPrev), QPoint(x(s), *y)});
            yPrev = y;
        }
    }
    return out;
}

QVector<TrendMark> TrendModel::visibleMarks() const {
    QVector<TrendMark> out;
    for (const TrendMark& m : m_marks)
        if (m.channel >= 1 && m.channel <= MaxChannels && m_traceOn[std::size_t(m.channel - 1)])
            out.append(m);
    return out;
}

void TrendModel::shiftMarks(int count) {
    for (TrendMark& m : m_marks)
        m.sample -= count;
    m_marks.removeIf([](const TrendMark& m) { return m.sample < 0; });
}

void TrendModel::rescaleMarks(int oldHeight, int newHeight) {
    if (oldHeight <= 0 || newHeight <= 0 || oldHeight == newHeight)
        return;
    for (TrendMark& m : m_marks)
        m.y = int(qint64(m.y) * newHeight / oldHeight);
}
