#include "widgets/TextTableModel.h"

#include "core/TextTable.h"
#include "widgets/WinColour.h"

#include <QBrush>
#include <QCoreApplication>
#include <utility>

TextTableModel::TextTableModel(TextTable* table, QObject* parent)
    : QAbstractTableModel(parent)
    , m_table(table) {
    if (m_table) {
        m_rows = m_table->rowCount();
        m_columns = m_table->columnCount();
        connect(m_table, &TextTable::cellsChanged, this, &TextTableModel::onCellsChanged);
        connect(m_table, &TextTable::layoutChanged, this, &TextTableModel::onLayoutChanged);
        connect(m_table, &TextTable::rowCountAboutToChange, this,
                &TextTableModel::onRowCountAboutToChange);
        connect(m_table, &TextTable::rowCountChanged, this, &TextTableModel::onRowCountChanged);
        connect(m_table, &TextTable::rowsAboutToBeDeleted, this,
                &TextTableModel::onRowsAboutToBeDeleted);
        connect(m_table, &TextTable::rowsDeleted, this, &TextTableModel::onRowsDeleted);
        connect(m_table, &QObject::destroyed, this, [this] {
            beginResetModel();
            m_rows = m_columns = 0;
            endResetModel();
        });
    }
}

void TextTableModel::setShowHeaderColumn(bool show) {
    if (show == m_showHeaderColumn)
        return;
    beginResetModel();
    m_showHeaderColumn = show;
    endResetModel();
}

void TextTableModel::setPaused(bool paused) {
    if (paused == m_paused)
        return;
    m_paused = paused;
    if (paused)
        return;
    beginResetModel();
    m_rows = m_table ? m_table->rowCount() : 0;
    m_columns = m_table ? m_table->columnCount() : 0;
    endResetModel();
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns + (m_showHeaderColumn ? 1 : 0);
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (!m_table || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int c = tableColumn(index.column());
    const int r = tableRow(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_table->text(c, r);
    case Qt::BackgroundRole: {
        const int rgb = m_table->effectiveBackColour(c, r);
        return rgb == TextTable::NoColour ? QVariant() : QVariant(QBrush(fromWinRgb(rgb)));
    }
    case Qt::ForegroundRole: {
        int rgb = m_table->effectiveForeColour(c, r);
        if (rgb == TextTable::NoColour) {
            // Keep text readable on dark cell colours that carry no text colour of their own.
            const int back = m_table->effectiveBackColour(c, r);
            if (back != TextTable::NoColour && fromWinRgb(back).lightnessF() < 0.45)
                return QBrush(Qt::white);
            return {};
        }
        return QBrush(fromWinRgb(rgb));
    }
    case Qt::TextAlignmentRole:
        return int(c >= m_alignFirst && c <= m_alignLast ? m_alignment : Qt::AlignCenter);
    default:
        return {};
    }
}

bool TextTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!m_table || role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    return m_table->setText(tableColumn(index.column()), tableRow(index.row()), value.toString());
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!m_table || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QString caption = orientation == Qt::Horizontal ? m_table->text(tableColumn(section), 0)
                                                          : m_table->text(0, tableRow(section));
    if (caption.isEmpty())
        return orientation == Qt::Horizontal ? tableColumn(section) : tableRow(section);
    if (m_headerContext)
        return QCoreApplication::translate(m_headerContext, caption.toUtf8().constData());
    return caption;
}

void TextTableModel::languageChanged() {
    if (columnCount() > 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (m_rows > 0)
        Q_EMIT headerDataChanged(Qt::Vertical, 0, m_rows - 1);
}

Qt::ItemFlags TextTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (m_editable && index.isValid())
        f |= Qt::ItemIsEditable;
    return f;
}

void TextTableModel::onCellsChanged(int column1, int row1, int column2, int row2) {
    if (m_paused)
        return;
    if (m_rows == 0 || columnCount() == 0)
        return;
    // Header cells are reported as header changes; data cells as data changes.
    if (row1 == 0 || (!m_showHeaderColumn && column1 == 0)) {
        if (row1 == 0)
            Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        if (column1 == 0 && !m_showHeaderColumn)
            Q_EMIT headerDataChanged(Qt::Vertical, 0, m_rows - 1);
    }
    const int top = std::clamp(modelRow(std::max(row1, 1)), 0, m_rows - 1);
    const int bottom = std::clamp(modelRow(row2), 0, m_rows - 1);
    const int left = std::clamp(modelColumn(column1), 0, columnCount() - 1);
    const int right = std::clamp(modelColumn(column2), 0, columnCount() - 1);
    if (row2 >= 1 && top <= bottom && left <= right)
        Q_EMIT dataChanged(index(top, left), index(bottom, right));
}

void TextTableModel::onLayoutChanged() {
    if (!m_table || m_paused)
        return;
    if (m_table->rowCount() == m_rows && m_table->columnCount() == m_columns) {
        Q_EMIT layoutAboutToBeChanged();
        Q_EMIT layoutChanged();
        return;
    }
    beginResetModel();
    m_rows = m_table->rowCount();
    m_columns = m_table->columnCount();
    endResetModel();
}

// Rows are announced as insertions and removals around the table's change, so that a view
// keeps its scroll position and column widths (the frame log grows by a row per frame).
void TextTableModel::onRowCountAboutToChange(int oldRows, int newRows) {
    if (m_paused)
        return;
    if (oldRows != m_rows) {
        m_pending = Pending::Reset; // out of step: start afresh after the change
        beginResetModel();
    } else if (newRows > m_rows) {
        m_pending = Pending::Insert;
        beginInsertRows({}, m_rows, newRows - 1);
    } else {
        m_pending = Pending::Remove;
        beginRemoveRows({}, newRows, m_rows - 1);
    }
}

void TextTableModel::onRowCountChanged(int, int newRows) {
    if (m_paused)
        return;
    const Pending pending = std::exchange(m_pending, Pending::None);
    m_rows = newRows;
    switch (pending) {
    case Pending::Insert:
        endInsertRows();
        break;
    case Pending::Remove:
        endRemoveRows();
        break;
    case Pending::Reset:
        m_columns = m_table ? m_table->columnCount() : 0;
        endResetModel();
        break;
    case Pending::None:
        break;
    }
}

void TextTableModel::onRowsAboutToBeDeleted(int row, int count) {
    if (m_paused)
        return;
    m_pending = Pending::Remove;
    beginRemoveRows({}, modelRow(row), modelRow(row) + count - 1);
}

void TextTableModel::onRowsDeleted(int, int count) {
    if (std::exchange(m_pending, Pending::None) != Pending::Remove)
        return;
    m_rows -= count;
    endRemoveRows();
}
