#include "widgets/GradientLabel.h"

#include "widgets/WinColour.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

GradientLabel::GradientLabel(QWidget* parent)
    : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

GradientLabel::GradientLabel(const QString& text, int fromRgb, int toRgb, QWidget* parent)
    : GradientLabel(parent) {
    m_text = text;
    m_from = fromRgb;
    m_to = toRgb;
}

void GradientLabel::setText(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void GradientLabel::setColours(int fromRgb, int toRgb) {
    if (fromRgb == m_from && toRgb == m_to)
        return;
    m_from = fromRgb;
    m_to = toRgb;
    m_ground = QPixmap();
    update();
}

// The monitors set every look on every refresh: only a change repaints.
void GradientLabel::setTextColour(int rgb) {
    if (rgb == m_textRgb)
        return;
    m_textRgb = rgb;
    update();
}

void GradientLabel::setAlignment(Qt::Alignment alignment) {
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

void GradientLabel::setFontScale(double fractionOfHeight) {
    m_fontScale = fractionOfHeight;
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    update();
}

QSize GradientLabel::sizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(m_text) + 16, fm.height() + 8};
}

QSize GradientLabel::minimumSizeHint() const {
    const QFontMetrics fm(font());
    return {fm.averageCharWidth() * 3, fm.height() + 4};
}

void GradientLabel::paintEvent(QPaintEvent*) {
    const QColor from = fromWinRgb(m_from);
    const QColor to = fromWinRgb(m_to);
    const qreal ratio = devicePixelRatioF();
    if (m_ground.isNull() || m_ground.deviceIndependentSize() != QSizeF(size()) ||
        m_ground.devicePixelRatio() != ratio) {
        m_ground = QPixmap(size() * ratio);
        m_ground.setDevicePixelRatio(ratio);
        m_ground.fill(Qt::transparent);
        QPainter g(&m_ground);
        g.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient gradient(r.topLeft(), r.topRight());
        gradient.setColorAt(0, from);
        gradient.setColorAt(1, to);
        g.setPen(QPen(from.darker(140), 1));
        g.setBrush(gradient);
        g.drawRoundedRect(r, 3, 3);
    }
    QPainter p(this);
    p.drawPixmap(0, 0, m_ground);

    QColor text;
    if (m_textRgb >= 0) {
        text = fromWinRgb(m_textRgb);
    } else {
        const QColor middle((from.red() + to.red()) / 2, (from.green() + to.green()) / 2,
                            (from.blue() + to.blue()) / 2);
        text = readableTextOn(middle);
    }
    QFont f = font();
    if (m_fontScale > 0) {
        // Large figures fill the height, but never spill out of the label's width.
        int pixels = std::max(8, int(height() * m_fontScale));
        f.setPixelSize(pixels);
        const int room = width() - 10;
        const int needed = QFontMetrics(f).horizontalAdvance(m_text);
        if (needed > room && needed > 0) {
            pixels = std::max(8, int(pixels * double(room) / needed));
            f.setPixelSize(pixels);
        }
    }
    p.setFont(f);
    p.setPen(text);
    p.drawText(rect().adjusted(4, 0, -4, 0), int(m_alignment), m_text);
}

void GradientLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QWidget::mouseReleaseEvent(event);
}
