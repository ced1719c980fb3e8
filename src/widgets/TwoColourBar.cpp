#include "widgets/TwoColourBar.h"

#include "widgets/WinColour.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>

TwoColourBar::TwoColourBar(QWidget* parent)
    : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TwoColourBar::setValue(double percent) {
    if (!std::isfinite(percent))
        percent = 0;
    const double clipped = std::clamp(percent, 0.0, 100.0);
    if (clipped == m_value)
        return;
    m_value = clipped;
    update();
}

// The monitors set every look on every refresh: only a change repaints.
void TwoColourBar::setColours(int fromRgb, int toRgb) {
    if (fromRgb == m_from && toRgb == m_to)
        return;
    m_from = fromRgb;
    m_to = toRgb;
    update();
}

void TwoColourBar::setText(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    update();
}

QSize TwoColourBar::sizeHint() const {
    return {160, fontMetrics().height() + 6};
}

void TwoColourBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    p.setPen(palette().color(QPalette::Mid));
    p.setBrush(palette().color(QPalette::Base));
    p.drawRect(frame);
    const int filled = int(std::lround((frame.width() - 1) * m_value / 100.0));
    if (filled > 0) {
        const QRect bar(frame.left() + 1, frame.top() + 1, filled, frame.height() - 1);
        QLinearGradient g(frame.topLeft(), frame.topRight());
        g.setColorAt(0, fromWinRgb(m_from));
        g.setColorAt(1, fromWinRgb(m_to));
        p.fillRect(bar, g);
    }
    if (!m_text.isEmpty()) {
        p.setPen(palette().color(QPalette::Text));
        p.drawText(frame, Qt::AlignCenter, m_text);
    }
}
