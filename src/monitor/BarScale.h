#pragma once

#include <QWidget>
#include <array>
#include <optional>

// Where a bar stands on a scale of height h: it grows from the bottom.
struct BarGeometry {
    int top = 0;
    int height = 0;
    bool operator==(const BarGeometry&) const = default;
    // top = h - (value - min) / (max - min) * h rounded half to even, height = h - top; an
    // invalid value or an empty range gives an empty bar. Beyond the range the bar reaches
    // past the scale (the scale clips it).
    static BarGeometry of(double value, bool invalid, double min, double max, int h);
};

// A channel's scale in the bar monitor (picRowScale): the range captions, nine tick lines, the
// bar in the channel colour, and a lamp per alarm (1..4) standing level with the value at which
// that alarm came on. Lamps keep to the scale's height so that an alarm on is always in sight.
class BarScale : public QWidget {
    Q_OBJECT
public:
    explicit BarScale(int channel, QWidget* parent = nullptr);

    void setColour(int rgb);
    // The range captions beside the scale: high at the top, the middle, low at the bottom.
    void setScaleTexts(const QString& maxText, const QString& midText, const QString& minText);
    // The scale (as read back from its captions) and the value the bar shows.
    void setScale(double min, double max);
    void setValue(double value, bool invalid);
    // Alarm a (0..3): shown level with `value`, or hidden.
    void setLamp(int alarm, std::optional<double> value);

    // The bar in pixels of the bar area, for its present height.
    BarGeometry bar() const;
    int barAreaHeight() const;
    QRect barArea() const;
    QWidget* lamp(int alarm) const { return m_lamps[std::size_t(alarm)]; }
    // The lamp's centre height in the bar area; none while it is hidden.
    std::optional<int> lampLevel(int alarm) const;

    // The font of the range captions.
    QFont captionFont() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void placeLamps();
    int textLane() const;

    int m_colour = 0xFFFFFF;
    QString m_maxText, m_midText, m_minText;
    mutable int m_textLane = -1; // measured once per texts and font: every paint asks for it
    double m_min = 0, m_max = 0, m_value = 0;
    bool m_invalid = true;
    std::array<QWidget*, 4> m_lamps{};
    std::array<std::optional<double>, 4> m_lampValues{};
};
