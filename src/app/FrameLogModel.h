#pragma once

#include "widgets/TextTableModel.h"

// The frame log as the communication view shows it: the label column kept, the bytes in a
// fixed-width font under their position in the frame, and the rows the engine marked red
// (bad frames) in white on red so that a noisy line shows at a glance.
class FrameLogModel : public TextTableModel {
    Q_OBJECT
public:
    explicit FrameLogModel(TextTable* table, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    bool isBadFrameRow(int tableRow) const;
};
