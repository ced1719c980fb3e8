#pragma once

#include <QPixmap>
#include <QWidget>

// A label on a two-colour gradient (left to right), as the status lamps, channel strips and
// the selected-meter label use. Colours are Windows RGB values (0xBBGGRR).
class GradientLabel : public QWidget {
    Q_OBJECT
public:
    explicit GradientLabel(QWidget* parent = nullptr);
    GradientLabel(const QString& text, int fromRgb, int toRgb, QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    void setColours(int fromRgb, int toRgb);
    int fromColour() const { return m_from; }
    int toColour() const { return m_to; }
    void setTextColour(int rgb); // -1: black or white, whichever reads better
    void setAlignment(Qt::Alignment alignment);
    // Scales the font so that the text fills the label's height (large figures), or its width
    // when the text would not fit.
    void setFontScale(double fractionOfHeight);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_text;
    // The gradient and its rounded edge, drawn once per size and colours: the monitors
    // change the text every half second, not the ground under it.
    QPixmap m_ground;
    int m_from = 0xFFFFFF;
    int m_to = 0xFFFFFF;
    int m_textRgb = -1;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    double m_fontScale = 0;
};
