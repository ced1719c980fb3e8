#include "monitor/TrendGraph.h"

#include "monitor/MonitorStyle.h"
#include "widgets/SmallFont.h"
#include "widgets/WinColour.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTime>
#include <algorithm>
#include <cmath>

namespace {
constexpr int TopMargin = 20;         // channel numbers over the scale strips
constexpr int TimeBand = 24;          // time labels under the viewport
constexpr int Gap = 6;                // between the strips and the viewport
constexpr int RightMarginTwips = 150; // room right of the newest point
constexpr int MarkTwips = 300;        // length of an alarm mark's line
constexpr int MarkSlantTwips = 75;

// A strip's width at the design size, and within what it grows and shrinks with the picture.
int baseStripWidth(int channels) {
    return channels > 6 ? 24 : 30;
}

QColor textOn(const QColor& background) {
    return readableTextOn(background);
}

// Text in `colour` on a dark or light ground: a colour too close to the ground (navy or dark
// red on black) gets a halo of the opposite shade, so that it reads on any background.
void drawReadableText(QPainter& p, const QRectF& box, int flags, const QString& text,
                      const QColor& colour, const QColor& ground) {
    const double contrast = std::abs(luminanceOf(colour) - luminanceOf(ground));
    if (contrast < 0.35) {
        QPainterPath path;
        const QFontMetricsF fm(p.font());
        const QRectF at = fm.boundingRect(box, flags, text);
        path.addText(QPointF(at.left(), at.top() + fm.ascent()), p.font(), text);
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.strokePath(path, QPen(textOn(ground).lightnessF() > 0.5 ? QColor(235, 235, 235)
                                                                  : QColor(20, 20, 20),
                                2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.restore();
    }
    p.setPen(colour);
    p.drawText(box, flags, text);
}
} // namespace

int TrendGraph::stripWidth() const {
    const int base = baseStripWidth(strips());
    // At the design width of about a thousand pixels the base width; wider or narrower
    // pictures widen or narrow the strips a little.
    return std::clamp(int(std::lround(width() * base / 1000.0)), base - 4, base + 10);
}

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
    return {strips() * baseStripWidth(strips()) + Gap + 700, TopMargin + 420 + TimeBand};
}

QSize TrendGraph::minimumSizeHint() const {
    return {strips() * (baseStripWidth(strips()) - 4) + Gap + 200, TopMargin + 120 + TimeBand};
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
    const int w = stripWidth();
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
    const int left = strips() * stripWidth() + Gap;
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

void TrendGraph::changeEvent(QEvent* event) {
    // A new font, palette or style changes the strips' pictures.
    m_stripFaces = {};
    QWidget::changeEvent(event);
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

void TrendGraph::drawMarkOn(QPainter& p, const TrendMark& mark) {
    const int x = m_model.x(mark.sample);
    const int y = mark.y;
    const int dir = mark.started ? -1 : 1; // a start points in from the left, an end from the right
    const QColor colour = fromWinRgb(mark.colour);
    p.setPen(QPen(colour, 1.6));
    p.drawLine(toPixels({x + dir * MarkTwips, y}), toPixels({x, y}));
    p.drawLine(toPixels({x + dir * MarkSlantTwips, y - MarkSlantTwips}), toPixels({x, y}));
    const QString number = QString::number(mark.number);
    const QFontMetricsF fm(markFont());
    const QPointF at = mark.started ? toPixels({x - 250, y - 200}) : toPixels({x + 130, y - 200});
    QRectF box(at, QSizeF(fm.horizontalAdvance(number) + 2, fm.height()));
    // The number stays in the picture: above the time axis, left of the picture's right edge.
    const double right = m_viewport.width() - std::lround(m_model.left() * m_scale);
    const double bottom = m_viewport.height();
    box.moveLeft(std::clamp(box.left(), 0.0, std::max(0.0, right - box.width())));
    box.moveTop(std::clamp(box.top(), 0.0, std::max(0.0, bottom - box.height())));
    // Numbers of marks that meet are stacked, upwards while there is room, else downwards.
    const auto isFree = [this](const QRectF& b) {
        return std::none_of(m_markLabels.cbegin(), m_markLabels.cend(),
                            [&](const MarkLabel& l) { return l.box.intersects(b); });
    };
    const double step = box.height() + 1;
    for (QRectF b = box; b.top() >= 0; b.translate(0, -step))
        if (isFree(b))
            return addMarkLabel({b, number, colour});
    for (QRectF b = box.translated(0, step); b.bottom() <= bottom; b.translate(0, step))
        if (isFree(b))
            return addMarkLabel({b, number, colour});
    // The stack is full: its last number makes way for the count of those not shown.
    for (auto l = m_markLabels.rbegin(); l != m_markLabels.rend(); ++l) {
        if (l->box.right() <= box.left() || l->box.left() >= box.right())
            continue;
        l->hidden = l->hidden == 0 ? 2 : l->hidden + 1;
        l->text = QStringLiteral("+%1").arg(l->hidden);
        l->box.setWidth(std::max(l->box.width(), fm.horizontalAdvance(l->text) + 2));
        l->box.moveLeft(std::clamp(l->box.left(), 0.0, std::max(0.0, right - l->box.width())));
        return;
    }
}

void TrendGraph::addMarkLabel(const MarkLabel& label) {
    // Far more than a picture holds: the oldest go first.
    if (m_markLabels.size() >= 512)
        m_markLabels.removeFirst();
    m_markLabels.append(label);
}

QFont TrendGraph::markFont() const {
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(std::max(SmallestFontPixels(), int(std::lround(195 * m_scale))));
    return f;
}

QStringList TrendGraph::markTexts() const {
    QStringList texts;
    for (const MarkLabel& l : m_markLabels)
        texts << l.text;
    return texts;
}

QList<QRectF> TrendGraph::markBoxes() const {
    QList<QRectF> boxes;
    for (const MarkLabel& l : m_markLabels)
        boxes << l.box;
    return boxes;
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
    m_markLabels.clear();
    drawSegments(segments, colours);
    drawMarks(marks);
    update();
}

void TrendGraph::drawStrip(QPainter& p, int channel, const QRect& r) const {
    QFont numberFont = font();
    numberFont.setBold(true);
    numberFont.setPixelSize(12);
    QFont scaleFont = font();
    scaleFont.setBold(true);
    scaleFont.setPixelSize(std::clamp(stripWidth() / 2 - 1, 10, 15));
    const Scale& sc = m_scales[std::size_t(channel)];
    const QColor colour = fromWinRgb(sc.colour);
    p.fillRect(r, MonitorStyle::panelColour());
    p.setPen(MonitorStyle::panelEdge());
    p.drawRect(r.adjusted(0, 0, -1, -1));
    // The number on a chip of the channel colour, in black or white as reads on it: navy
    // or dark red figures would vanish on the dark ground.
    p.setFont(numberFont);
    const QColor chip = sc.traceOn ? colour : QColor(0x50, 0x56, 0x5c);
    const QRect number(r.left(), 2, r.width(), TopMargin - 4);
    p.fillRect(number, chip);
    p.setPen(sc.traceOn ? textOn(chip) : QColor(0xa0, 0xa6, 0xac));
    p.drawText(number, Qt::AlignCenter,
               QStringLiteral("%1").arg(channel + 1, 2, 10, QLatin1Char('0')));

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
        {r.center().y() + 0.5, QRectF(-len / 2, -fh / 2, len, fh), Qt::AlignHCenter, sc.midText},
        {r.bottom() - 4.0, QRectF(0, -fh / 2, len, fh), Qt::AlignLeft, sc.minText},
    };
    for (const auto& t : texts) {
        p.save();
        p.translate(cx, t.y);
        p.rotate(-90);
        p.drawText(t.box, t.align | Qt::AlignVCenter, t.text);
        p.restore();
    }
}

void TrendGraph::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), MonitorStyle::windowColour());

    // Scale strips: the picture of each, then its bar.
    const qreal ratio = devicePixelRatioF();
    for (int ch = 0; ch < strips(); ++ch) {
        const Scale& sc = m_scales[std::size_t(ch)];
        const QRect r = scaleRect(ch);
        const QRect area(r.left(), 0, r.width(), r.bottom() + 1); // the chip above it too
        StripFace& face = m_stripFaces[std::size_t(ch)];
        Scale key = sc;
        key.y.reset();
        if (face.picture.isNull() || !(face.drawnFor == key) ||
            face.picture.deviceIndependentSize() != QSizeF(area.size()) ||
            face.picture.devicePixelRatio() != ratio) {
            face.picture = QPixmap(area.size() * ratio);
            face.picture.setDevicePixelRatio(ratio);
            face.picture.fill(MonitorStyle::windowColour());
            QPainter fp(&face.picture);
            fp.translate(-area.topLeft());
            drawStrip(fp, ch, r);
            face.drawnFor = key;
        }
        p.drawPixmap(area.topLeft(), face.picture);
        if (const std::optional<int> y = scaleBarY(ch)) {
            const QColor colour = fromWinRgb(sc.colour);
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
    // The marks' numbers over the traces, where they were stacked; a count may replace one.
    if (!m_markLabels.isEmpty()) {
        p.save();
        p.translate(m_viewport.left() + offset, m_viewport.top());
        p.setFont(markFont());
        for (const MarkLabel& l : m_markLabels)
            drawReadableText(p, l.box, Qt::AlignLeft | Qt::AlignTop, l.text, l.colour, back);
        p.restore();
    }
    p.restore();
    p.setPen(MonitorStyle::panelEdge());
    p.drawRect(m_viewport.adjusted(0, 0, -1, -1));

    // Time labels under their lines. A line the trend has not reached back to yet is labelled
    // with the minute it stands for, dimmer; a label at either end stays whole.
    QFont timeFont = font();
    timeFont.setPixelSize(12);
    timeFont.setBold(true);
    p.setFont(timeFont);
    const QRect band(m_viewport.left(), m_viewport.bottom(), m_viewport.width(), TimeBand + 1);
    p.setClipRect(band.adjusted(-Gap, 0, 1, 0));
    const QStringList texts = axisTexts();
    // Minor ticks every ten seconds between the lines.
    const int minorTwips = periodTwips / 6;
    p.setPen(MonitorStyle::panelEdge().lighter(150));
    for (int k = 1; k < 8 * 6; ++k) {
        const double x = screenX(labelX - k * minorTwips);
        if (x < m_viewport.left())
            break;
        if (k % 6 != 0)
            p.drawLine(QPointF(x, m_viewport.bottom()), QPointF(x, m_viewport.bottom() + 2));
    }
    for (int j = 0; j < texts.size(); ++j) {
        const std::optional<QRectF> box = timeLabelRect(j);
        if (!box)
            break;
        const double x = screenX(labelX - j * periodTwips);
        p.setPen(MonitorStyle::captionColour());
        p.drawLine(QPointF(x, m_viewport.bottom()), QPointF(x, m_viewport.bottom() + 4));
        if (texts[j].isEmpty())
            continue;
        const bool known = !m_timeLabels.value(5 - j).isEmpty();
        p.setPen(known ? MonitorStyle::figureColour() : MonitorStyle::captionColour());
        p.drawText(*box, Qt::AlignCenter, texts[j]);
    }
}

std::optional<QRectF> TrendGraph::timeLabelRect(int j) const {
    const int periodTwips = TrendModel::SamplesPerPeriod * TrendModel::SampleTwips;
    const int labelX = (m_model.variant().trendOrigin + 1) * TrendModel::SampleTwips;
    QFont timeFont = font();
    timeFont.setPixelSize(12);
    timeFont.setBold(true);
    const double half =
        QFontMetricsF(timeFont).horizontalAdvance(QStringLiteral("00:00:00")) / 2.0 + 2;
    const double x = screenX(labelX - j * periodTwips);
    if (x < m_viewport.left() - half)
        return std::nullopt;
    // Centred under its line, but kept whole at either end of the axis.
    QRectF box(x - half, m_viewport.bottom() + 4, 2 * half, TimeBand - 4);
    const double right = m_viewport.right() + 1;
    const double left = m_viewport.left() - Gap;
    if (box.right() > right)
        box.moveRight(right);
    if (box.left() < left)
        box.moveLeft(left);
    return box;
}

QStringList TrendGraph::axisTexts() const {
    // Newest first: the six captions as they stand, then the minutes before the oldest one
    // counted back from it.
    QStringList out;
    QTime oldest;
    int oldestAt = -1;
    for (int j = 0; j < 6; ++j) {
        const QString& t = m_timeLabels.value(5 - j);
        out << t;
        if (!t.isEmpty()) {
            oldest = QTime::fromString(t, QStringLiteral("HH:mm:ss"));
            oldestAt = j;
        }
    }
    if (oldestAt < 0 || !oldest.isValid())
        return out;
    for (int j = oldestAt + 1; j < 8; ++j) {
        const QString back =
            oldest.addSecs(-60 * (j - oldestAt)).toString(QStringLiteral("HH:mm:ss"));
        if (j < out.size())
            out[j] = back;
        else
            out << back;
    }
    return out;
}
