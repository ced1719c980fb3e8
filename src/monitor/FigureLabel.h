#pragma once

#include <QLabel>

// A figure (a present value, a scale's end) in the largest bold font that its box holds, up to
// `maxPixels`: the figures grow and shrink with the window, and a long figure in a narrow
// column is made smaller rather than cut off.
class FigureLabel : public QLabel {
    Q_OBJECT
public:
    FigureLabel(int maxPixels, QWidget* parent = nullptr);

    void setMaxPixels(int pixels);
    // The pixel size the text is drawn in at the label's present size.
    int drawnPixels() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont fontOf(int pixels) const;

    int m_maxPixels;
};
