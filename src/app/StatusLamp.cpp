#include "app/StatusLamp.h"

#include "core/Clock.h"

#include <QPainter>
#include <QPointer>

StatusLamp::StatusLamp(const QString& caption, const QColor& litColour, Clock& clock,
                       QWidget* parent)
    : QWidget(parent)
    , m_clock(clock)
    , m_caption(caption)
    , m_litColour(litColour) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setToolTip(caption);
    // The face carries what lies under the lamp, so that a flash repaints the lamp alone and
    // not the status bar and the window behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StatusLamp::setCaption(const QString& caption) {
    m_caption = caption;
    setToolTip(caption);
    updateGeometry();
    update();
}

void StatusLamp::setLit(bool lit) {
    if (lit == m_lit)
        return;
    m_lit = lit;
    if (lit) {
        if (m_darkening)
            m_clock.cancel(*m_darkening);
        m_darkening.reset();
        showLit(true);
        return;
    }
    QPointer<StatusLamp> self(this);
    m_darkening = m_clock.schedule(qint64(kShortestDarkMs) * 1000, 0, [self] {
        if (!self)
            return;
        self->m_darkening.reset();
        self->showLit(false);
    });
}

void StatusLamp::showLit(bool lit) {
    if (lit == m_shownLit)
        return;
    m_shownLit = lit;
    update();
}

QSize StatusLamp::sizeHint() const {
    const QFontMetrics fm(font());
    return {fm.height() + 6 + fm.horizontalAdvance(m_caption) + 4, fm.height() + 4};
}

void StatusLamp::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (m_facesFor != geometry() || m_faces[0].devicePixelRatio() != ratio) {
        m_faces[0] = m_faces[1] = QPixmap();
        m_facesFor = geometry();
    }
    QPixmap& face = m_faces[m_shownLit ? 1 : 0];
    if (face.isNull()) {
        face = QPixmap(size() * ratio);
        face.setDevicePixelRatio(ratio);
        face.fill(palette().color(QPalette::Window));
        if (QWidget* under = parentWidget())
            under->render(&face, {}, QRegion(geometry()), QWidget::DrawWindowBackground);
        QPainter p(&face);
        drawFace(p, m_shownLit);
    }
    QPainter(this).drawPixmap(0, 0, face);
}

void StatusLamp::changeEvent(QEvent* event) {
    // A new palette, font, style or window state changes both looks.
    m_faces[0] = m_faces[1] = QPixmap();
    QWidget::changeEvent(event);
}

void StatusLamp::drawFace(QPainter& p, bool lit) const {
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm(font());
    const qreal d = fm.height() * 0.75;
    const QRectF lamp(2, (height() - d) / 2, d, d);
    const QColor off = palette().color(QPalette::Mid);
    const QColor fill = lit ? m_litColour : off.lighter(130);
    QRadialGradient g(lamp.center() - QPointF(d * 0.15, d * 0.15), d * 0.7);
    g.setColorAt(0, fill.lighter(lit ? 150 : 115));
    g.setColorAt(1, fill);
    p.setPen(QPen(lit ? m_litColour.darker(150) : off, 1));
    p.setBrush(g);
    p.drawEllipse(lamp);
    p.setPen(palette().color(lit ? QPalette::WindowText : QPalette::PlaceholderText));
    p.drawText(QRectF(lamp.right() + 5, 0, width() - lamp.right() - 5, height()),
               Qt::AlignVCenter | Qt::AlignLeft, m_caption);
}
