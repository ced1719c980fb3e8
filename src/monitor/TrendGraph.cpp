#include "monitor/TrendGraph.h"

#include "monitor/MonitorStyle.h"
#include "widgets/WinColour.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace {
constexpr int TopMargin = 20;         // channel numbers over the scale strips
constexpr int TimeBand = 24;          // time labels under the viewport
constexpr int Gap = 6;                // between the strips and the viewport
constexpr int RightMarginTwips = 150; // room right of the newest point
constexpr int MarkTwips = 300;        // length of an alarm mark's line
constexpr int MarkSlantTwips = 75;

int stripWidth(int channels) {
    return channels > 6 ? 24 : 30;
}
} // namespace

TrendGraph::TrendGraph(const TrendModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model) {
    setObjectName(QStringLiteral("picBGraph"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    for (int i = 0; i < 6; ++i)
        m_timeLabels << QString();
    layoutParts();
}

QSize TrendGraph::sizeHint() const {
    return {strips() * stripWidth(strips()) + Gap + 700, TopMargin + 420 + TimeBand};
}

QSize TrendGraph::minimumSizeHint() const {
    return {strips() * stripWidth(strips()) + Gap + 200, TopMargin + 120 + TimeBand};
}

void TrendGraph::setWhiteBackground(bool white) {
    if (white == m_white)
        return;
    m_white = white;
    update();
}

void TrendGraph::setScales(const std::array<Scale, ChannelDisplay::MaxChannels>& scales) {
    m_scales = scales;
    update(0, 0, m_viewport.left(), height());
}

void TrendGraph::setTimeLabels(const QStringList& labels) {
    m_timeLabels = labels;
    while (m_timeLabels.size() < 6)
        m_timeLabels.prepend(QString());
    update();
}

QRect TrendGraph::viewportRect() const {
    return m_viewport;
}

QRect TrendGraph::scaleRect(int channel) const {
    const int w = stripWidth(strips());
    return {channel * w, m_viewport.top(), w - 2, m_viewport.height()};
}

std::optional<int> TrendGraph::scaleBarY(int channel) const {
    if (channel < 0 || channel >= strips() || !m_scales[std::size_t(channel)].y)
        return std::nullopt;
    const int y = m_viewport.top() + int(std::lround(*m_scales[std::size_t(channel)].y * m_scale));
    return std::clamp(y, m_viewport.top(), m_viewport.bottom());
}

double TrendGraph::screenX(int surfaceX) const {
    return m_viewport.left() + std::lround(m_model.left() * m_scale) + surfaceX * m_scale;
}

QPointF TrendGraph::toPixels(const QPoint& twips) const {
    return {twips.x() * m_scale, twips.y() * m_scale};
}

void TrendGraph::layoutParts() {
    const int left = strips() * stripWidth(strips()) + Gap;
    m_viewport = QRect(left, TopMargin, std::max(40, width() - left - 1),
                       std::max(40, height() - TopMargin - TimeBand));
    const int designWidth = m_model.newestScreenX() + RightMarginTwips;
    m_scale = double(m_viewport.width()) / designWidth;
    const int oldHeight = m_surfaceHeight;
    m_surfaceHeight = std::max(1, int(std::lround(m_viewport.height() / m_scale)));
    const qreal dpr = devicePixelRatioF();
    const QSize px(int(std::ceil(m_model.surfaceWidth() * m_scale)) + 2, m_viewport.height());
    m_surface = QImage(px * dpr, QImage::Format_ARGB32_Premultiplied);
    m_surface.setDevicePixelRatio(dpr);
    m_surface.fill(Qt::transparent);
    Q_EMIT surfaceResized(oldHeight, m_surfaceHeight);
}

void TrendGraph::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutParts();
}

void TrendGraph::drawSegments(const QVector<TrendSegment>& segments,
                              const std::array<int, ChannelDisplay::MaxChannels>& colours) {
    if (segments.isEmpty())
        return;
    QPainter p(&m_surface);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen;
    pen.setWidthF(2.0);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    // Segments that join up are drawn as one line: faster, and with clean joins.
    QPolygonF line;
    int channel = -1;
    const auto flush = [&] {
        if (line.size() < 2)
            return;
        pen.setColor(fromWinRgb(colours[std::size_t(channel)]));
        p.setPen(pen);
        p.drawPolyline(line);
    };
    for (const TrendSegment& s : segments) {
        if (s.channel != channel || line.isEmpty() || line.last() != toPixels(s.p0)) {
            flush();
            line.clear();
            channel = s.channel;
            line << toPixels(s.p0);
        }
        line << toPixels(s.p1);
    }
    flush();
    update(m_viewport);
}

void TrendGraph::drawMarkOn(QPainter& p, const TrendMark& mark) const {
    const int x = m_model.x(mark.sample);
    const int y = mark.y;
    const int dir = mark.started ? -1 : 1; // a start points in from the left, an end from the right
    const QColor colour = fromWinRgb(mark.colour);
    p.setPen(QPen(colour, 1.6));
    p.drawLine(toPixels({x + dir * MarkTwips, y}), toPixels({x, y}));
    p.drawLine(toPixels({x + dir * MarkSlantTwips, y - MarkSlantTwips}), toPixels({x, y}));
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(std::max(10, int(std::lround(195 * m_scale))));
    p.setFont(f);
    const QString number = QString::number(mark.number);
    const QPointF at = mark.started ? toPixels({x - 250, y - 200}) : toPixels({x + 130, y - 200});
    p.drawText(
        QRectF(at, QSizeF(p.fontMetrics().horizontalAdvance(number) + 2, p.fontMetrics().height())),
        Qt::AlignLeft | Qt::AlignTop, number);
}

void TrendGraph::drawMarks(const QVector<TrendMark>& marks) {
    if (!m_marksEnabled || marks.isEmpty())
        return;
    QPainter p(&m_surface);
    p.setRenderHint(QPainter::Antialiasing);
    for (const TrendMark& m : marks)
        drawMarkOn(p, m);
    update(m_viewport);
}

void TrendGraph::redraw(const QVector<TrendSegment>& segments,
                        const std::array<int, ChannelDisplay::MaxChannels>& colours,
                        const QVector<TrendMark>& marks) {
    m_surface.fill(Qt::transparent);
    drawSegments(segments, colours);
    drawMarks(marks);
    update();
}

void TrendGraph::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), MonitorStyle::windowColour());

    // Scale strips.
    QFont numberFont = font();
    numberFont.setBold(true);
    numberFont.setPixelSize(12);
    QFont scaleFont = font();
    scaleFont.setBold(true);
    scaleFont.setPixelSize(stripWidth(strips()) > 26 ? 13 : 11);
    for (int ch = 0; ch < strips(); ++ch) {
        const Scale& sc = m_scales[std::size_t(ch)];
        const QRect r = scaleRect(ch);
        const QColor colour = fromWinRgb(sc.colour);
        p.fillRect(r, MonitorStyle::panelColour());
        p.setPen(MonitorStyle::panelEdge());
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setFont(numberFont);
        p.setPen(sc.traceOn ? colour : QColor(0x70, 0x78, 0x80));
        p.drawText(QRect(r.left(), 0, r.width(), TopMargin), Qt::AlignCenter,
                   QStringLiteral("%1").arg(ch + 1, 2, 10, QLatin1Char('0')));

        // The range texts, turned to run up the strip: high at the top, low at the bottom.
        p.setFont(scaleFont);
        p.setPen(sc.traceOn ? MonitorStyle::figureColour() : QColor(0x70, 0x78, 0x80));
        const double cx = r.center().x() + 0.5;
        const double len = r.height() / 2.0 - 6;
        const double fh = p.fontMetrics().height();
        const struct {
            double y;
            QRectF box;
            int align;
            const QString& text;
        } texts[] = {
            {r.top() + 4.0, QRectF(-len, -fh / 2, len, fh), Qt::AlignRight, sc.maxText},
            {r.center().y() + 0.5, QRectF(-len / 2, -fh / 2, len, fh), Qt::AlignHCenter,
             sc.midText},
            {r.bottom() - 4.0, QRectF(0, -fh / 2, len, fh), Qt::AlignLeft, sc.minText},
        };
        for (const auto& t : texts) {
            p.save();
            p.translate(cx, t.y);
            p.rotate(-90);
            p.drawText(t.box, t.align | Qt::AlignVCenter, t.text);
            p.restore();
        }
        if (const std::optional<int> y = scaleBarY(ch)) {
            const QRectF bar(r.left() + 2, *y - 3, r.width() - 4, 6);
            p.fillRect(bar, colour);
            p.setPen(QPen(colour.lightnessF() > 0.5 ? Qt::black : Qt::white, 1));
            p.drawRect(bar);
        }
    }

    // The viewport: background, grid, the scrolled surface.
    const QColor back = m_white ? Qt::white : Qt::black;
    const QColor grid = m_white ? QColor(0xd0, 0xd4, 0xd8) : QColor(0x30, 0x36, 0x3c);
    const QColor gridStrong = m_white ? QColor(0xa8, 0xb0, 0xb8) : QColor(0x48, 0x50, 0x58);
    p.fillRect(m_viewport, back);
    p.save();
    p.setClipRect(m_viewport);
    for (int i = 1; i < 10; ++i) {
        const int y = m_viewport.top() + int(std::lround(i * m_viewport.height() / 10.0));
        p.setPen(QPen(i == 5 ? gridStrong : grid, 1, Qt::DotLine));
        p.drawLine(m_viewport.left(), y, m_viewport.right(), y);
    }
    // Vertical lines and time labels mark the samples where the labels' minutes began; they
    // scroll with the traces.
    const int periodTwips = TrendModel::SamplesPerPeriod * TrendModel::SampleTwips;
    const int labelX = (m_model.variant().trendOrigin + 1) * TrendModel::SampleTwips;
    p.setPen(QPen(gridStrong, 1, Qt::SolidLine));
    for (int j = 0; j < 8; ++j) {
        const double x = screenX(labelX - j * periodTwips);
        if (x < m_viewport.left())
            break;
        p.drawLine(QPointF(x, m_viewport.top()), QPointF(x, m_viewport.bottom()));
    }
    const double offset = std::lround(m_model.left() * m_scale);
    p.drawImage(QPointF(m_viewport.left() + offset, m_viewport.top()), m_surface);
    p.restore();
    p.setPen(MonitorStyle::panelEdge());
    p.drawRect(m_viewport.adjusted(0, 0, -1, -1));

    // Time labels under their lines.
    QFont timeFont = font();
    timeFont.setPixelSize(12);
    timeFont.setBold(true);
    p.setFont(timeFont);
    p.setClipRect(QRect(m_viewport.left(), m_viewport.bottom(), m_viewport.width(), TimeBand + 1));
    for (int j = 0; j < 6; ++j) {
        const QString& text = m_timeLabels.value(5 - j);
        const double x = screenX(labelX - j * periodTwips);
        if (x < m_viewport.left() - 60)
            break;
        p.setPen(MonitorStyle::captionColour());
        p.drawLine(QPointF(x, m_viewport.bottom()), QPointF(x, m_viewport.bottom() + 4));
        if (text.isEmpty())
            continue;
        p.setPen(MonitorStyle::figureColour());
        p.drawText(QRectF(x - 40, m_viewport.bottom() + 4, 80, TimeBand - 4), Qt::AlignCenter,
                   text);
    }
}
