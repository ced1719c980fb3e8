#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <vector>

class DataTimeLine;

// How the viewer shows each channel: colour, scale, name and unit, on or off.
struct PlotChannel {
    int channel = 1; // 1..12
    QString name;
    QString unit;
    int decimals = 0;
    QColor colour;
    double low = 0; // the scale: low at the bottom of the picture, high at the top
    double high = 1;
    bool rangeFromData = false; // the file's display range was empty; the data's span is used
    bool shown = true;
};

// A row of the state bands under the traces.
struct BandRow {
    enum class Kind { NoData, Alarm, Input, Relay };
    Kind kind = Kind::NoData;
    int number = 0; // channel for an alarm row, input or relay number
    QString label;
    QColor colour;
};

struct PlotSettings {
    std::vector<PlotChannel> channels; // the time line's channels, channel 1 first
    int axisChannel = 1;               // whose scale the left axis shows
    bool whiteBackground = false;
    std::vector<BandRow> bands;

    unsigned shownMask() const;
    const PlotChannel* channel(int number) const;

    // Channels as the time line's header describes them (colour by channel number, as the
    // recorder gives its channels by default), and a band row for the silences and for every
    // channel alarm, input and relay that was ever on.
    static PlotSettings forTimeLine(const DataTimeLine& timeLine);
};
