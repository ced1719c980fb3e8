#include "viewer/TracePainter.h"

#include "comm/ChannelDisplay.h"
#include "dataview/TimeTicks.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr int kLeftAxis = 70;
constexpr int kRightMargin = 10;
constexpr int kTopMargin = 22; // the axis channel's unit above the scale
constexpr int kTickSpacing = 90;

QColor gridColour(const PlotSettings& s) {
    return s.whiteBackground ? QColor(0xDD, 0xDD, 0xDD) : QColor(0x2A, 0x2F, 0x36);
}

void paintGrid(QPainter& p, const PlotLayout& l, const std::vector<TimeTick>& ticks,
               const PlotSettings& s) {
    p.setPen(QPen(gridColour(s), 1));
    for (int i = 1; i < 10; ++i) {
        const int y = l.traces.top() + int(std::lround(l.traces.height() * i / 10.0));
        p.drawLine(l.traces.left(), y, l.traces.right(), y);
    }
    for (const TimeTick& t : ticks) {
        const int x = l.traces.left() + int(std::floor(t.x));
        p.drawLine(x, l.traces.top(), x, l.traces.bottom());
    }
}

void paintGaps(QPainter& p, const PlotLayout& l, const TracePicture& picture,
               const PlotSettings& s) {
    // A plain shade: a hatched brush costs far more, and a long log has a gap in every day.
    const QColor shade = s.whiteBackground ? QColor(0xDE, 0xDE, 0xE2) : QColor(0x33, 0x33, 0x3A);
    for (const auto& [x0, x1] : picture.gaps)
        p.fillRect(QRectF(l.traces.left() + x0, l.traces.top(), x1 - x0, l.traces.height()), shade);
}

// Vertical runs of pixels written straight into a picture in memory: a trace cut to pixel
// columns is almost all such runs, and writing them costs a fraction of what the painter's
// general line drawing does. Only for an image painted without a transform beyond its pixel
// ratio; `usable` is false otherwise and the painter draws lines instead.
class PixelColumns {
public:
    PixelColumns(QPainter& p, const QRect& clip) {
        QPaintDevice* device = p.device();
        if (!device || device->devType() != QInternal::Image)
            return;
        auto* image = static_cast<QImage*>(device);
        const QTransform t = p.deviceTransform();
        const bool plain = t.type() <= QTransform::TxScale && t.dx() == 0 && t.dy() == 0 &&
                           t.m11() == t.m22() && t.m11() >= 1;
        const QImage::Format f = image->format();
        if (!plain || (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 &&
                       f != QImage::Format_ARGB32_Premultiplied))
            return;
        m_image = image;
        m_scale = t.m11();
        const QRect area(
            QPoint(int(std::ceil(clip.left() * m_scale)), int(std::ceil(clip.top() * m_scale))),
            QPoint(int(std::floor((clip.right() + 1) * m_scale)) - 1,
                   int(std::floor((clip.bottom() + 1) * m_scale)) - 1));
        m_clip = area.intersected(image->rect());
        m_bits = image->bits();
        m_stride = image->bytesPerLine();
    }
    bool usable() const { return m_image != nullptr; }

    // Pixels of column x from y0 to y1 (widget pixels), `width` columns wide.
    void draw(double x, double y0, double y1, QRgb colour, int width) const {
        const int px = int(std::floor(x * m_scale));
        const int w = width * int(std::ceil(m_scale));
        const int x0 = std::max(px, m_clip.left()), x1 = std::min(px + w - 1, m_clip.right());
        const int top = std::max(int(std::floor(y0 * m_scale)), m_clip.top());
        const int bottom = std::min(int(std::floor(y1 * m_scale + m_scale - 1)), m_clip.bottom());
        for (int y = top; y <= bottom; ++y) {
            auto* line = reinterpret_cast<QRgb*>(m_bits + qsizetype(y) * m_stride);
            for (int xx = x0; xx <= x1; ++xx)
                line[xx] = colour;
        }
    }

private:
    QImage* m_image = nullptr;
    qreal m_scale = 1;
    QRect m_clip;
    uchar* m_bits = nullptr;
    qsizetype m_stride = 0;
};

// Each column is one vertical run from its lowest to its highest value, reaching back to the
// last value of the column before when that is its neighbour, so every pixel of the trace is
// drawn once; columns further apart are joined by lines. Thin lines only: a wider pen would
// send thousands of joins through the stroker. A bold trace is two pixels wide.
void paintTrace(QPainter& p, const PlotLayout& l, const ChannelTrace& trace, const PlotChannel& c,
                bool bold) {
    const PixelColumns pixels(p, l.traces);
    const QRgb colour = c.colour.rgb();
    const int width = bold ? 2 : 1;
    std::vector<QLineF> lines;
    const auto column = [&](double x, double lo, double hi) {
        if (pixels.usable())
            pixels.draw(x, lo, hi, colour, width);
        else
            for (int k = 0; k < width; ++k)
                lines.emplace_back(x + k, lo, x + k, hi);
    };
    const double left = l.traces.left();
    for (size_t r = 0; r < trace.runStarts.size(); ++r) {
        const size_t end = trace.runEnd(r);
        bool joined = false;
        QPointF previous;
        for (size_t i = trace.runStarts[r]; i < end;) {
            const double x = std::floor(left + trace.points[i].x());
            const double first = TracePainter::valueY(l, c, trace.points[i].y());
            double lo = first, hi = first, last = first;
            for (++i; i < end && std::floor(left + trace.points[i].x()) == x; ++i) {
                last = TracePainter::valueY(l, c, trace.points[i].y());
                lo = std::min(lo, last);
                hi = std::max(hi, last);
            }
            if (joined && x - previous.x() <= 1) {
                lo = std::min(lo, previous.y());
                hi = std::max(hi, previous.y());
            } else if (joined) {
                for (int k = 0; k < width; ++k)
                    lines.emplace_back(previous + QPointF(k, 0), QPointF(x + k, first));
            } else if (i == end) {
                lo -= 1; // a column alone: a short mark, so that it is seen
                hi += 1;
            }
            column(x, lo, hi);
            previous = QPointF(x, last);
            joined = true;
        }
    }
    if (!lines.empty()) {
        QPen pen(c.colour, 1);
        pen.setCosmetic(true);
        p.setPen(pen);
        p.drawLines(lines.data(), int(lines.size()));
    }
}

bool bandOn(const BandRow& row, const RecordFlags& f) {
    switch (row.kind) {
    case BandRow::Kind::Alarm:
        return f.channelAlarm(row.number);
    case BandRow::Kind::Input:
        return f.input(row.number);
    case BandRow::Kind::Relay:
        return f.relay(row.number);
    case BandRow::Kind::NoData:
        return false;
    }
    return false;
}

void paintBands(QPainter& p, const PlotLayout& l, const TracePicture& picture,
                const PlotSettings& s) {
    p.save();
    QFont small = p.font();
    small.setPixelSize(TracePainter::bandLabelPixels(l));
    p.setFont(small);
    for (size_t r = 0; r < s.bands.size(); ++r) {
        const BandRow& row = s.bands[r];
        const QRect stripe(l.traces.left(), l.bands.top() + int(r) * l.bandRowHeight,
                           l.traces.width(), l.bandRowHeight - 1);
        p.fillRect(stripe, TracePainter::traceBackground(s));
        p.setPen(TracePainter::axisText(s));
        p.drawText(QRect(l.area.left() + 4, stripe.top(), kLeftAxis - 8, stripe.height() + 1),
                   Qt::AlignVCenter | Qt::AlignRight, row.label);
        if (row.kind == BandRow::Kind::NoData) {
            for (const auto& [x0, x1] : picture.gaps)
                p.fillRect(
                    QRectF(stripe.left() + x0, stripe.top() + 1, x1 - x0, stripe.height() - 2),
                    row.colour);
            continue;
        }
        const size_t columns = picture.columnFlags.size();
        for (size_t c = 0; c < columns;) {
            if (!bandOn(row, picture.columnFlags[c])) {
                ++c;
                continue;
            }
            const size_t from = c;
            while (c < columns && bandOn(row, picture.columnFlags[c]))
                ++c;
            p.fillRect(QRect(stripe.left() + int(from), stripe.top() + 1, int(c - from),
                             stripe.height() - 2),
                       row.colour);
        }
    }
    p.restore();
}

void paintLeftAxis(QPainter& p, const PlotLayout& l, const PlotSettings& s) {
    const PlotChannel* c = s.channel(s.axisChannel);
    if (!c)
        return;
    const QFontMetrics fm(p.font());
    p.setPen(c->colour);
    const QString unit = c->unit.isEmpty() ? QStringLiteral("CH%1").arg(c->channel)
                                           : QStringLiteral("CH%1 %2").arg(c->channel).arg(c->unit);
    p.drawText(QRect(l.area.left() + 2, l.area.top() + 2, kLeftAxis + 120, kTopMargin - 4),
               Qt::AlignLeft | Qt::AlignVCenter, unit);
    for (int i = 0; i <= 4; ++i) {
        const double value = c->low + (c->high - c->low) * i / 4.0;
        const int y = l.traces.bottom() - int(std::lround(l.traces.height() * i / 4.0));
        p.drawLine(l.traces.left() - 5, y, l.traces.left() - 1, y);
        p.drawText(TracePainter::axisLabelBox(l, i, fm), Qt::AlignRight | Qt::AlignVCenter,
                   ChannelDisplay::FormatValue(value, c->decimals));
    }
}

void paintTimeAxis(QPainter& p, const PlotLayout& l, const std::vector<TimeTick>& ticks,
                   const PlotSettings& s) {
    const QFontMetrics fm(p.font());
    p.setPen(TracePainter::axisText(s));
    const int y = l.timeAxis.top();
    p.drawLine(l.traces.left(), y, l.traces.right(), y);
    // Labels centred on their mark, but kept inside the picture at both ends.
    const auto box = [&](int x, int width, int top) {
        const int left = std::clamp(x - width / 2, l.area.left() + 2, l.area.right() - width - 2);
        return QRect(left, top, width, fm.height());
    };
    for (const TimeTick& t : ticks) {
        const int x = l.traces.left() + int(std::floor(t.x));
        p.drawLine(x, y, x, y + 4);
        p.drawText(box(x, fm.horizontalAdvance(t.label) + 4, y + 5), Qt::AlignCenter, t.label);
        if (!t.date.isEmpty())
            p.drawText(box(x, fm.horizontalAdvance(t.date) + 4, y + 5 + fm.height()),
                       Qt::AlignCenter, t.date);
    }
}

} // namespace

PlotLayout PlotLayout::of(const QRect& area, int bandRows, const QFontMetrics& metrics) {
    PlotLayout l;
    l.area = area;
    // Rows that a label of about the text's size reads in, unless the bands would take more
    // than a third of the picture: then as many as fit, no lower than 9 pixels.
    const int readable = std::max(13, metrics.height() * 4 / 5);
    const int fitting = bandRows > 0 ? area.height() / 3 / bandRows : readable;
    l.bandRowHeight = std::clamp(fitting, 9, readable);
    const int timeHeight = 2 * metrics.height() + 10;
    const int bandsHeight = bandRows * l.bandRowHeight + (bandRows > 0 ? 6 : 0);
    const int left = area.left() + kLeftAxis;
    const int right = area.right() - kRightMargin;
    const int top = area.top() + kTopMargin;
    const int tracesBottom = std::max(top + 40, area.bottom() - timeHeight - bandsHeight);
    l.traces = QRect(QPoint(left, top), QPoint(std::max(left + 40, right), tracesBottom));
    l.bands = QRect(l.traces.left(), tracesBottom + 4, l.traces.width(), bandsHeight);
    l.timeAxis = QRect(l.traces.left(), l.bands.bottom() + 2, l.traces.width(), timeHeight);
    return l;
}

namespace TracePainter {

int bandLabelPixels(const PlotLayout& layout) {
    return std::max(8, layout.bandRowHeight - 2);
}

QRect axisLabelBox(const PlotLayout& l, int i, const QFontMetrics& metrics) {
    const int y = l.traces.bottom() - int(std::lround(l.traces.height() * i / 4.0));
    QRect box(l.area.left() + 2, y - metrics.height() / 2, kLeftAxis - 10, metrics.height());
    // The ends stay beside the traces: the lowest above the bands, the highest below the top.
    if (box.bottom() > l.traces.bottom())
        box.moveBottom(l.traces.bottom());
    if (box.top() < l.traces.top())
        box.moveTop(l.traces.top());
    return box;
}

} // namespace TracePainter

int PlotLayout::bandRowAt(int y) const {
    if (y < bands.top() || bandRowHeight <= 0)
        return -1;
    return (y - bands.top()) / bandRowHeight;
}

namespace TracePainter {

QColor traceBackground(const PlotSettings& s) {
    return s.whiteBackground ? Qt::white : Qt::black;
}

QColor axisBackground(const PlotSettings& s) {
    return s.whiteBackground ? QColor(0xF4, 0xF4, 0xF4) : QColor(0x1B, 0x1F, 0x24);
}

QColor axisText(const PlotSettings& s) {
    return s.whiteBackground ? QColor(0x20, 0x20, 0x20) : QColor(0xD8, 0xDC, 0xE0);
}

double valueY(const PlotLayout& l, const PlotChannel& c, double value) {
    const double h = l.traces.height();
    const double share = c.high != c.low ? (value - c.low) / (c.high - c.low) : 0.5;
    return std::clamp(l.traces.bottom() - share * h, l.traces.top() - 2 * h,
                      l.traces.bottom() + 2 * h);
}

void paint(QPainter& p, const PlotLayout& l, const TracePicture& picture, const PlotSettings& s) {
    p.fillRect(l.area, axisBackground(s));
    p.fillRect(l.traces, traceBackground(s));
    const std::vector<TimeTick> ticks =
        TimeTicks(picture.view.from, picture.view.to, l.traces.width(), kTickSpacing);
    paintGrid(p, l, ticks, s);
    paintGaps(p, l, picture, s);

    p.save();
    p.setClipRect(l.traces);
    // The axis channel last, on top of the others.
    for (const PlotChannel& c : s.channels)
        if (c.shown && c.channel != s.axisChannel)
            paintTrace(p, l, picture.channels[size_t(c.channel - 1)], c, false);
    if (const PlotChannel* axis = s.channel(s.axisChannel); axis && axis->shown)
        paintTrace(p, l, picture.channels[size_t(axis->channel - 1)], *axis, true);
    p.restore();

    p.setPen(QPen(axisText(s), 1));
    p.drawRect(l.traces.adjusted(0, 0, -1, -1));
    paintBands(p, l, picture, s);
    paintLeftAxis(p, l, s);
    paintTimeAxis(p, l, ticks, s);
}

} // namespace TracePainter
