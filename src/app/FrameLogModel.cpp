#include "app/FrameLogModel.h"

#include "core/TextTable.h"
#include "core/WinRgb.h"

#include <QBrush>
#include <QCoreApplication>
#include <QFontDatabase>

namespace {

// The labels of the frames (the log keeps them as the engine writes them).
const char* const kLabels[] = {QT_TRANSLATE_NOOP("FrameLog", "SEND"),
                               QT_TRANSLATE_NOOP("FrameLog", "RECV"),
                               QT_TRANSLATE_NOOP("FrameLog", "LATE")};

} // namespace

FrameLogModel::FrameLogModel(TextTable* table, QObject* parent)
    : TextTableModel(table, parent) {
    setShowHeaderColumn(true);
}

bool FrameLogModel::isBadFrameRow(int tableRow) const {
    return table() && table()->backColour(0, tableRow) == WinRgb::Red;
}

QVariant FrameLogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        if (tableColumn(index.column()) == 0 && table()) {
            const QString label = table()->text(0, tableRow(index.row()));
            for (const char* known : kLabels)
                if (label == QLatin1String(known))
                    return QCoreApplication::translate("FrameLog", known);
        }
        break;
    case Qt::ForegroundRole:
        if (isBadFrameRow(tableRow(index.row())))
            return QBrush(Qt::white);
        break;
    case Qt::FontRole:
        return QFontDatabase::systemFont(QFontDatabase::FixedFont);
    case Qt::ToolTipRole:
        if (isBadFrameRow(tableRow(index.row())))
            return tr("Bad frame: wrong CRC, wrong slave, an exception or too short");
        break;
    default:
        break;
    }
    return TextTableModel::data(index, role);
}

QVariant FrameLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // Byte positions from 0, as a frame is read; the label column has no caption. (An empty
    // log has no byte columns, and its header cells are not asked for.)
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && table() &&
        (table()->columnCount() == 0 || table()->text(tableColumn(section), 0).isEmpty()))
        return section == 0 ? QVariant(QString()) : QVariant(section - 1);
    return TextTableModel::headerData(section, orientation, role);
}
