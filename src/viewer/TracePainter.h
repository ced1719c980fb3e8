#pragma once

#include "dataview/TracePicture.h"
#include "viewer/PlotSettings.h"

#include <QFontMetrics>
#include <QRect>

class QPainter;

// Where the parts of a plot go in its rectangle: the left axis with the scale of one
// channel, the traces, the state bands under them and the time axis at the bottom.
struct PlotLayout {
    QRect area;
    QRect traces;
    QRect bands;
    QRect timeAxis;
    int bandRowHeight = 10;

    static PlotLayout of(const QRect& area, int bandRows, const QFontMetrics& metrics);
    // The band row at a widget y, or -1.
    int bandRowAt(int y) const;
};

// Paints a plot of the time line: the same picture on screen and into a PNG file.
namespace TracePainter {

QColor traceBackground(const PlotSettings& settings);
QColor axisBackground(const PlotSettings& settings);
QColor axisText(const PlotSettings& settings);

void paint(QPainter& painter, const PlotLayout& layout, const TracePicture& picture,
           const PlotSettings& settings);
// The y of a value on a channel's scale within the traces rectangle (kept within a few
// heights of it, so that wild values stay drawable).
double valueY(const PlotLayout& layout, const PlotChannel& channel, double value);
// The pixel size of the band labels ("No data", "DI 1").
int bandLabelPixels(const PlotLayout& layout);
// Where the left axis writes the value of its i-th mark (0 the bottom, 4 the top).
QRect axisLabelBox(const PlotLayout& layout, int i, const QFontMetrics& metrics);

} // namespace TracePainter
