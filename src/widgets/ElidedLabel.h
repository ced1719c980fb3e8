#pragma once

#include <QLabel>

// A one-line label that never widens its window: a text longer than the room it has is cut
// with an ellipsis, and the whole text is its tool tip.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    void setText(const QString& text);
    bool isElided() const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
