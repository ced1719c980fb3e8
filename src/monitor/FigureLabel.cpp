#include "monitor/FigureLabel.h"

#include <QPainter>
#include <algorithm>

namespace {
constexpr int MinPixels = 9;
// The widest figure a channel shows, for the preferred width.
const QString WidestFigure = QStringLiteral("-0000.00");
} // namespace

FigureLabel::FigureLabel(int maxPixels, QWidget* parent)
    : QLabel(parent)
    , m_maxPixels(maxPixels) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void FigureLabel::setMaxPixels(int pixels) {
    if (pixels == m_maxPixels)
        return;
    m_maxPixels = pixels;
    updateGeometry();
    update();
}

QFont FigureLabel::fontOf(int pixels) const {
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(pixels);
    return f;
}

int FigureLabel::drawnPixels() const {
    int pixels = std::clamp(int(height() * 0.8), MinPixels, std::max(MinPixels, m_maxPixels));
    const int room = width() - 4;
    const int needed = QFontMetrics(fontOf(pixels)).horizontalAdvance(text());
    if (needed > room && needed > 0)
        pixels = std::max(MinPixels, int(pixels * double(room) / needed));
    return pixels;
}

QSize FigureLabel::sizeHint() const {
    const QFontMetrics fm(fontOf(m_maxPixels));
    return {std::max(fm.horizontalAdvance(text()), fm.horizontalAdvance(WidestFigure)) + 4,
            fm.height()};
}

QSize FigureLabel::minimumSizeHint() const {
    const QFontMetrics fm(fontOf(std::min(m_maxPixels, 13)));
    return {fm.horizontalAdvance(QStringLiteral("-000.0")) + 4, fm.height()};
}

void FigureLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(fontOf(drawnPixels()));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(contentsRect().adjusted(2, 0, -2, 0), int(alignment()), text());
}
