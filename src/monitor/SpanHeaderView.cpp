#include "monitor/SpanHeaderView.h"

#include <QLinearGradient>
#include <QPainter>
#include <climits>

SpanHeaderView::SpanHeaderView(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(false);
    setHighlightSections(false);
}

void SpanHeaderView::setCells(int levels, const QVector<Cell>& cells) {
    m_levels = std::max(1, levels);
    m_cells = cells;
    updateGeometry();
    viewport()->update();
}

int SpanHeaderView::levelHeight() const {
    return fontMetrics().height() + 8;
}

QSize SpanHeaderView::sizeHint() const {
    QSize s = QHeaderView::sizeHint();
    s.setHeight(m_levels * levelHeight());
    return s;
}

QRect SpanHeaderView::cellRect(const Cell& cell) const {
    int left = INT_MAX, right = INT_MIN;
    for (int s = cell.section; s < cell.section + cell.sectionSpan && s < count(); ++s) {
        if (s < 0 || isSectionHidden(s))
            continue;
        const int x = sectionViewportPosition(s);
        left = std::min(left, x);
        right = std::max(right, x + sectionSize(s));
    }
    if (left >= right)
        return {};
    const int h = height() / m_levels;
    const int top = cell.level * h;
    const int bottom =
        cell.level + cell.levelSpan >= m_levels ? height() : top + cell.levelSpan * h;
    return QRect(left, top, right - left, bottom - top);
}

void SpanHeaderView::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    const QPalette& pal = palette();
    p.fillRect(viewport()->rect(), pal.color(QPalette::Button));
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    const QColor line = pal.color(QPalette::Mid);
    for (const Cell& c : m_cells) {
        const QRect r = cellRect(c);
        if (r.isEmpty() || !r.intersects(viewport()->rect()))
            continue;
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, pal.color(QPalette::Button).lighter(108));
        g.setColorAt(1, pal.color(QPalette::Button).darker(106));
        p.fillRect(r, g);
        p.setPen(line);
        p.drawLine(r.topRight() + QPoint(0, 0), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.setPen(pal.color(QPalette::ButtonText));
        p.drawText(r.adjusted(2, 0, -2, 0), Qt::AlignCenter, c.text);
    }
}
