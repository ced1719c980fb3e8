#pragma once

#include <QWidget>

// A progress bar from 0 to 100 painted from one colour to another, with an optional text.
// Values outside 0..100 are clipped. Colours are Windows RGB values (0xBBGGRR).
class TwoColourBar : public QWidget {
    Q_OBJECT
public:
    explicit TwoColourBar(QWidget* parent = nullptr);

    double value() const { return m_value; }
    void setValue(double percent);
    void setColours(int fromRgb, int toRgb);
    int fromColour() const { return m_from; }
    int toColour() const { return m_to; }
    void setText(const QString& text); // e.g. "42%"; empty: no text
    QString text() const { return m_text; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_value = 0;
    int m_from = 0x00FF00;
    int m_to = 0x00FF00;
    QString m_text;
};
