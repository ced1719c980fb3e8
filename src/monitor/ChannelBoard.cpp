#include "monitor/ChannelBoard.h"

#include <QEvent>
#include <algorithm>

ChannelBoard::ChannelBoard(QList<int> columnChoices, QWidget* parent)
    : QWidget(parent)
    , m_choices(std::move(columnChoices)) {
    if (m_choices.isEmpty())
        m_choices << 1;
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChannelBoard::addItem(QWidget* item) {
    item->setParent(this);
    m_items << item;
    updateGeometry();
    arrange();
}

void ChannelBoard::setSpacing(int spacing) {
    m_spacing = spacing;
    updateGeometry();
    arrange();
}

int ChannelBoard::rowsOf(int columns) const {
    const int n = int(m_items.size());
    return columns <= 0 ? 0 : (n + columns - 1) / columns;
}

QSize ChannelBoard::boardSize(int columns, QSize item) const {
    const int cols = std::min<int>(columns, std::max<int>(1, int(m_items.size())));
    const int rows = std::max(1, rowsOf(columns));
    return {cols * item.width() + (cols - 1) * m_spacing,
            rows * item.height() + (rows - 1) * m_spacing};
}

QSize ChannelBoard::itemMinimum() const {
    QSize least(0, 0);
    for (const QWidget* item : m_items)
        least = least.expandedTo(item->minimumSizeHint().expandedTo(item->minimumSize()));
    return least;
}

QSize ChannelBoard::itemHint() const {
    QSize hint(0, 0);
    for (const QWidget* item : m_items)
        hint = hint.expandedTo(item->sizeHint());
    return hint.expandedTo(itemMinimum());
}

QSize ChannelBoard::sizeHint() const {
    return boardSize(m_choices.front(), itemHint());
}

QSize ChannelBoard::minimumSizeHint() const {
    return boardSize(m_choices.back(), itemMinimum());
}

bool ChannelBoard::event(QEvent* event) {
    if (event->type() == QEvent::LayoutRequest) {
        updateGeometry();
        arrange();
    }
    return QWidget::event(event);
}

void ChannelBoard::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange();
}

void ChannelBoard::arrange() {
    if (m_items.isEmpty())
        return;
    const QSize least = itemMinimum();
    const QSize hint = itemHint();
    const auto cellOf = [this](int columns) {
        const int cols = std::min<int>(columns, int(m_items.size()));
        const int rows = rowsOf(columns);
        return QSize((width() - (cols - 1) * m_spacing) / std::max(1, cols),
                     (height() - (rows - 1) * m_spacing) / std::max(1, rows));
    };
    // Of the counts at which every channel gets its minimum, the one whose cells come closest
    // to the preferred size in the direction they fall shortest; none: the last count.
    int best = m_choices.back();
    double bestScale = -1;
    for (int columns : std::as_const(m_choices)) {
        const QSize cell = cellOf(columns);
        if (cell.width() < least.width() || cell.height() < least.height())
            continue;
        const double scale = std::min(double(cell.width()) / std::max(1, hint.width()),
                                      double(cell.height()) / std::max(1, hint.height()));
        if (scale > bestScale + 1e-9) {
            best = columns;
            bestScale = scale;
        }
    }
    const QSize cell = cellOf(best);
    for (int i = 0; i < m_items.size(); ++i) {
        const int row = i / best, column = i % best;
        m_items[i]->setGeometry(column * (cell.width() + m_spacing),
                                row * (cell.height() + m_spacing), cell.width(), cell.height());
    }
    const bool changed = best != m_columns || cell != m_cell;
    m_columns = best;
    m_cell = cell;
    if (changed)
        Q_EMIT arranged(cell);
}
