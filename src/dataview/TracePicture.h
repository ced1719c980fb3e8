#pragma once

#include "dataview/RecordSummary.h"

#include <QPointF>
#include <array>
#include <vector>

class DataTimeLine;

// The part of the time line a picture shows: times from..to (seconds) over `width` pixel
// columns.
struct TimeView {
    double from = 0;
    double to = 1;
    int width = 1;

    double secondsPerPixel() const { return (to - from) / width; }
    double x(double time) const { return (time - from) / (to - from) * width; }
    double time(double x) const { return from + x / width * (to - from); }
};

// A channel's trace as lines to draw: x in pixels, y the value itself (the painter puts it on
// the channel's scale). Each run of points is one line; a new run starts where the channel had
// no value or the meter did not answer, so no line crosses such a gap.
struct ChannelTrace {
    std::vector<QPointF> points;
    std::vector<size_t> runStarts; // index of the first point of each run
    size_t runEnd(size_t run) const {
        return run + 1 < runStarts.size() ? runStarts[run + 1] : points.size();
    }
};

// Everything a picture of the time line draws, reduced to its pixel columns: however many
// records a column covers, each channel gets its first, lowest, highest and last value there
// (so peaks are never lost), and the flags that were on in it. Columns of more than a thousand
// records have their edges on whole blocks of records, at most a thirty-second of a column
// away from the exact time.
//
// Where segments overlap (a clock put back again and again), a column draws the lines of its
// first MaxLayers segments; the values of all the others there are one stroke from their
// lowest to their highest, joined column to column. So a picture holds at most about
// (4 MaxLayers + 2) points per channel and column, however many segments overlap.
struct TracePicture {
    static constexpr int MaxLayers = 8;

    TimeView view;
    std::array<ChannelTrace, 12> channels;
    std::vector<RecordFlags> columnFlags; // per pixel column
    std::vector<bool> columnHasRecords;
    // Pixel spans [x0, x1] of the gaps, at least one pixel wide, merged where they touch.
    std::vector<std::pair<double, double>> gaps;
};

// `shown`: bit ch - 1 for every channel that needs its trace.
TracePicture BuildTracePicture(const DataTimeLine& timeLine, const TimeView& view,
                               unsigned shown = 0xFFF);
