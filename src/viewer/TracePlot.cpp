#include "viewer/TracePlot.h"

#include "dataview/DataTimeLine.h"
#include "dataview/TimeTicks.h"
#include "logging/DataTime.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

namespace {
constexpr double kShortestSpan = 10; // seconds
constexpr double kWheelStep = 0.8;   // share of the span left after one notch
} // namespace

TracePlot::TracePlot(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("picTraces"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TracePlot::setTimeLine(const DataTimeLine* timeLine) {
    m_source = timeLine;
    m_line = timeLine && timeLine->hasRecords() ? timeLine : nullptr;
    // A cursor of the time line before has no place on this one: whoever shows it hears so.
    const bool hadCursor = m_cursor.has_value();
    m_cursor.reset();
    fitAll();
    if (hadCursor)
        Q_EMIT cursorMoved(std::nullopt);
}

void TracePlot::setSettings(const PlotSettings& settings) {
    m_settings = settings;
    refresh();
}

void TracePlot::timeLineChanged() {
    if (!m_line && m_source && m_source->hasRecords()) {
        setTimeLine(m_source); // the first records arrived
        return;
    }
    if (m_line && !m_line->hasRecords())
        m_line = nullptr;
    refresh();
}

void TracePlot::setEmptyText(const QString& text) {
    m_emptyText = text;
    update();
}

void TracePlot::refresh() {
    m_dirty = true;
    update();
}

PlotLayout TracePlot::plotLayout() const {
    return PlotLayout::of(rect(), int(m_settings.bands.size()), fontMetrics());
}

double TracePlot::timeAtX(double x) const {
    const PlotLayout l = plotLayout();
    return m_from + (x - l.traces.left()) / std::max(1, l.traces.width()) * (m_to - m_from);
}

double TracePlot::xOfTime(double t) const {
    const PlotLayout l = plotLayout();
    return l.traces.left() + (t - m_from) / (m_to - m_from) * l.traces.width();
}

void TracePlot::setView(double from, double to) {
    if (!std::isfinite(from) || !std::isfinite(to))
        return;
    if (to < from)
        std::swap(from, to);
    double span = std::max(to - from, kShortestSpan);
    double centre = (from + to) / 2;
    if (m_line) {
        // Never lose the data altogether: the middle of the view stays within it, and the
        // widest view shows it all with some room.
        const double first = double(m_line->firstTime());
        const double last = double(m_line->lastTime());
        span = std::min(span, std::max(kShortestSpan, (last - first) * 1.5));
        centre = std::clamp(centre, first, last);
    }
    const double newFrom = centre - span / 2, newTo = centre + span / 2;
    if (newFrom == m_from && newTo == m_to)
        return;
    m_from = newFrom;
    m_to = newTo;
    refresh();
    Q_EMIT viewChanged(m_from, m_to);
}

void TracePlot::fitAll() {
    if (!m_line) {
        m_from = 0;
        m_to = 1;
        refresh();
        Q_EMIT viewChanged(m_from, m_to);
        return;
    }
    const double first = double(m_line->firstTime());
    const double last = double(m_line->lastTime());
    const double room = std::max((last - first) * 0.01, 1.0);
    setView(first - room, last + room);
}

void TracePlot::zoom(double factor, double around) {
    if (!(factor > 0))
        return;
    setView(around - (around - m_from) * factor, around + (m_to - around) * factor);
}

void TracePlot::pan(double share) {
    const double by = (m_to - m_from) * share;
    setView(m_from + by, m_to + by);
}

void TracePlot::setCursorTime(std::optional<double> time) {
    if (time == m_cursor)
        return;
    m_cursor = time;
    update();
    Q_EMIT cursorMoved(m_cursor);
}

const TracePicture& TracePlot::picture() {
    ensureCache();
    return m_picture;
}

void TracePlot::ensureCache() {
    if (m_beforeDrawing)
        m_beforeDrawing();
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * dpr).toSize();
    if (!m_dirty && m_cache.size() == pixels)
        return;
    m_dirty = false;
    const PlotLayout layout = plotLayout();
    if (m_line) {
        m_picture = BuildTracePicture(*m_line, TimeView{m_from, m_to, layout.traces.width()},
                                      m_settings.shownMask());
    } else {
        m_picture = TracePicture();
        m_picture.view = TimeView{m_from, m_to, layout.traces.width()};
    }
    if (m_cache.size() != pixels) {
        m_cache = QImage(pixels, QImage::Format_RGB32);
        m_cache.setDevicePixelRatio(dpr);
    }
    QPainter p(&m_cache);
    p.setFont(font());
    if (!m_line) {
        p.fillRect(rect(), TracePainter::axisBackground(m_settings));
        p.setPen(TracePainter::axisText(m_settings));
        p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, m_emptyText);
        return;
    }
    TracePainter::paint(p, layout, m_picture, m_settings);
}

void TracePlot::paintEvent(QPaintEvent*) {
    ensureCache();
    QPainter p(this);
    p.drawImage(0, 0, m_cache);
    if (!m_line)
        return;
    const PlotLayout l = plotLayout();
    if (m_drag == Drag::Zoom) {
        const int x0 =
            std::clamp(std::min(m_pressAt.x(), m_dragAt.x()), l.traces.left(), l.traces.right());
        const int x1 =
            std::clamp(std::max(m_pressAt.x(), m_dragAt.x()), l.traces.left(), l.traces.right());
        const QRect band(x0, l.traces.top(), x1 - x0, l.traces.height());
        p.fillRect(band, QColor(0x40, 0x90, 0xFF, 0x50));
        p.setPen(QColor(0x40, 0x90, 0xFF));
        p.drawRect(band.adjusted(0, 0, -1, -1));
        p.drawText(band.adjusted(4, 4, -4, -4), Qt::AlignTop | Qt::AlignHCenter,
                   SpanText(timeAtX(x1) - timeAtX(x0)));
    }
    if (m_cursor) {
        const double x = xOfTime(*m_cursor);
        if (x >= l.traces.left() && x <= l.traces.right()) {
            const QColor pen = m_settings.whiteBackground ? QColor(0x10, 0x10, 0x10) : Qt::white;
            p.setPen(QPen(pen, 1, Qt::DashLine));
            p.drawLine(QPointF(x, l.traces.top()), QPointF(x, l.bands.bottom()));
            const QString text = DataTime::text(qint64(std::floor(*m_cursor)));
            const int w = fontMetrics().horizontalAdvance(text) + 10;
            const int left = int(x) + w + 4 < l.traces.right() ? int(x) + 4 : int(x) - w - 4;
            const QRect box(left, l.traces.top() + 2, w, fontMetrics().height() + 4);
            p.fillRect(box, TracePainter::axisBackground(m_settings));
            p.setPen(TracePainter::axisText(m_settings));
            p.drawText(box, Qt::AlignCenter, text);
        }
    }
}

void TracePlot::resizeEvent(QResizeEvent*) {
    m_dirty = true;
}

void TracePlot::mousePressEvent(QMouseEvent* event) {
    if (!m_line)
        return;
    m_pressAt = m_dragAt = event->position().toPoint();
    m_pressFrom = m_from;
    m_pressTo = m_to;
    const bool zoomBand =
        event->button() == Qt::RightButton ||
        (event->button() == Qt::LeftButton && event->modifiers().testFlag(Qt::ShiftModifier));
    m_drag = zoomBand ? Drag::Zoom : event->button() == Qt::LeftButton ? Drag::Pan : Drag::None;
    if (m_drag == Drag::Pan)
        setCursor(Qt::ClosedHandCursor);
}

void TracePlot::mouseMoveEvent(QMouseEvent* event) {
    if (!m_line)
        return;
    const QPoint at = event->position().toPoint();
    const PlotLayout l = plotLayout();
    if (m_drag == Drag::Pan) {
        const double perPixel = (m_pressTo - m_pressFrom) / std::max(1, l.traces.width());
        const double by = (m_pressAt.x() - at.x()) * perPixel;
        setView(m_pressFrom + by, m_pressTo + by);
    } else if (m_drag == Drag::Zoom) {
        m_dragAt = at;
        update();
    }
    if (at.x() >= l.traces.left() && at.x() <= l.traces.right())
        setCursorTime(timeAtX(at.x()));
}

void TracePlot::mouseReleaseEvent(QMouseEvent* event) {
    const Drag drag = m_drag;
    m_drag = Drag::None;
    unsetCursor();
    if (drag == Drag::Zoom) {
        const int x0 = std::min(m_pressAt.x(), event->position().toPoint().x());
        const int x1 = std::max(m_pressAt.x(), event->position().toPoint().x());
        if (x1 - x0 >= 4)
            setView(timeAtX(x0), timeAtX(x1));
        update();
    }
}

void TracePlot::mouseDoubleClickEvent(QMouseEvent* event) {
    if (m_line && event->button() == Qt::LeftButton)
        zoom(0.5, timeAtX(event->position().x()));
}

void TracePlot::wheelEvent(QWheelEvent* event) {
    if (!m_line)
        return;
    const QPoint delta = event->angleDelta();
    const double notches =
        (std::abs(delta.y()) >= std::abs(delta.x()) ? delta.y() : -delta.x()) / 120.0;
    if (event->modifiers().testFlag(Qt::ShiftModifier) || std::abs(delta.x()) > std::abs(delta.y()))
        pan(-0.1 * notches);
    else
        zoom(std::pow(kWheelStep, notches), timeAtX(event->position().x()));
    event->accept();
}

void TracePlot::keyPressEvent(QKeyEvent* event) {
    if (!m_line) {
        QWidget::keyPressEvent(event);
        return;
    }
    const double span = m_to - m_from;
    switch (event->key()) {
    case Qt::Key_Left:
        pan(-0.1);
        break;
    case Qt::Key_Right:
        pan(0.1);
        break;
    case Qt::Key_PageUp:
        pan(-0.9);
        break;
    case Qt::Key_PageDown:
        pan(0.9);
        break;
    case Qt::Key_Home:
        setView(double(m_line->firstTime()) - span * 0.02,
                double(m_line->firstTime()) + span * 0.98);
        break;
    case Qt::Key_End:
        setView(double(m_line->lastTime()) - span * 0.98, double(m_line->lastTime()) + span * 0.02);
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoom(0.5);
        break;
    case Qt::Key_Minus:
        zoom(2.0);
        break;
    case Qt::Key_0:
        fitAll();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

QImage TracePlot::render(const QSize& size, const QString& title) const {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setFont(font());
    const QFontMetrics fm(font());
    // The title strip: what is shown and the channels in their colours.
    const int lineHeight = fm.height() + 6;
    std::vector<const PlotChannel*> shown;
    for (const PlotChannel& c : m_settings.channels)
        if (c.shown)
            shown.push_back(&c);
    const int perLine = std::max(1, size.width() / 200);
    const int legendLines = (int(shown.size()) + perLine - 1) / perLine;
    const QRect strip(0, 0, size.width(), lineHeight * (1 + legendLines) + 6);
    p.fillRect(strip, TracePainter::axisBackground(m_settings));
    p.setPen(TracePainter::axisText(m_settings));
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRect(8, 3, size.width() - 16, lineHeight), Qt::AlignVCenter | Qt::AlignLeft, title);
    p.setFont(font());
    for (size_t i = 0; i < shown.size(); ++i) {
        const PlotChannel& c = *shown[i];
        const int x = 8 + int(i % size_t(perLine)) * 200;
        const int y = 3 + lineHeight * (1 + int(i / size_t(perLine)));
        p.fillRect(QRect(x, y + lineHeight / 2 - 2, 18, 4), c.colour);
        QString text = QStringLiteral("CH%1").arg(c.channel, 2, 10, QChar(u'0'));
        if (!c.name.isEmpty())
            text += u' ' + c.name;
        if (!c.unit.isEmpty())
            text += QStringLiteral(" (%1)").arg(c.unit);
        p.setPen(TracePainter::axisText(m_settings));
        p.drawText(QRect(x + 24, y, 172, lineHeight), Qt::AlignVCenter | Qt::AlignLeft,
                   fm.elidedText(text, Qt::ElideRight, 172));
    }
    const QRect area(0, strip.bottom() + 1, size.width(), size.height() - strip.height());
    const PlotLayout layout = PlotLayout::of(area, int(m_settings.bands.size()), fm);
    TracePicture picture;
    if (m_line)
        picture = BuildTracePicture(*m_line, TimeView{m_from, m_to, layout.traces.width()},
                                    m_settings.shownMask());
    else
        picture.view = TimeView{m_from, m_to, layout.traces.width()};
    TracePainter::paint(p, layout, picture, m_settings);
    return image;
}
