#include "monitor/BarScale.h"

#include "comm/ChannelDisplay.h"
#include "monitor/MonitorStyle.h"
#include "widgets/WinColour.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

constexpr int Pad = 4; // above and below the bar area
constexpr int LampSize = 13;
constexpr int LampStep = 9; // lamps of neighbouring alarms overlap a little
constexpr int LampLane = 3 * LampStep + LampSize + 2;
constexpr int MinTextLane = 24;
constexpr int MinBar = 16;
constexpr int ScalePixels = 11;

// An alarm lamp: a red disc with the alarm number.
class AlarmLamp final : public QWidget {
public:
    AlarmLamp(int number, QWidget* parent)
        : QWidget(parent)
        , m_number(number) {
        setFixedSize(LampSize, LampSize);
        setTexts();
    }

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange)
            setTexts();
        QWidget::changeEvent(event);
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(120, 0, 0), 1));
        p.setBrush(QColor(235, 30, 30));
        p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        QFont f = font();
        f.setPixelSize(10);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(rect(), Qt::AlignCenter, QString::number(m_number));
    }

private:
    void setTexts() {
        setToolTip(QCoreApplication::translate("BarScale", "Alarm %1").arg(m_number));
    }

    int m_number;
};

} // namespace

BarGeometry BarGeometry::of(double value, bool invalid, double min, double max, int h) {
    if (invalid)
        return {h, 0};
    const std::optional<int> top = ChannelDisplay::ScaleY(value, min, max, h);
    if (!top)
        return {h, 0};
    const int t = std::min(*top, h);
    return {t, h - t};
}

BarScale::BarScale(int channel, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("picRowScale(%1)").arg(channel));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    for (int a = 0; a < 4; ++a) {
        auto* lamp = new AlarmLamp(a + 1, this);
        lamp->setObjectName(QStringLiteral("imgALM%1(%2)").arg(channel + 1).arg(a));
        lamp->hide();
        m_lamps[std::size_t(a)] = lamp;
    }
}

QFont BarScale::captionFont() const {
    QFont f = font();
    f.setPixelSize(ScalePixels);
    f.setBold(true);
    return f;
}

int BarScale::textLane() const {
    if (m_textLane >= 0)
        return m_textLane;
    // As wide as the widest range caption, so that no sign or digit is cut off.
    const QFontMetrics fm(captionFont());
    int widest = 0;
    for (const QString* t : {&m_maxText, &m_midText, &m_minText})
        widest = std::max(widest, fm.horizontalAdvance(*t));
    m_textLane = std::max(MinTextLane, widest + 6);
    return m_textLane;
}

void BarScale::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        m_textLane = -1;
    QWidget::changeEvent(event);
}

QSize BarScale::sizeHint() const {
    return {textLane() + LampLane + 40, 360};
}
QSize BarScale::minimumSizeHint() const {
    return {textLane() + LampLane + MinBar, 120};
}

QRect BarScale::barArea() const {
    const int lane = textLane();
    return QRect(lane, Pad, std::max(1, width() - LampLane - lane),
                 std::max(1, height() - 2 * Pad));
}

void BarScale::setScaleTexts(const QString& maxText, const QString& midText,
                             const QString& minText) {
    if (maxText == m_maxText && midText == m_midText && minText == m_minText)
        return;
    const int lane = textLane();
    m_maxText = maxText;
    m_midText = midText;
    m_minText = minText;
    m_textLane = -1;
    if (textLane() != lane) {
        updateGeometry();
        placeLamps();
    }
    update();
}

int BarScale::barAreaHeight() const {
    return barArea().height();
}

void BarScale::setColour(int rgb) {
    if (rgb == m_colour)
        return;
    m_colour = rgb;
    update();
}

void BarScale::setScale(double min, double max) {
    if (min == m_min && max == m_max)
        return;
    m_min = min;
    m_max = max;
    placeLamps();
    update();
}

void BarScale::setValue(double value, bool invalid) {
    if (value == m_value && invalid == m_invalid)
        return;
    const BarGeometry before = bar();
    m_value = value;
    m_invalid = invalid;
    const BarGeometry after = bar();
    if (after == before)
        return;
    // Only the stretch between the old and the new top of the bar changes (its edge line
    // included); the captions beside it and the rest of the bar stay as they are.
    const QRect area = barArea();
    const int from = std::clamp(std::min(before.top, after.top) - 1, 0, area.height());
    const int to = std::clamp(std::max(before.top, after.top) + 1, 0, area.height());
    update(QRect(area.left(), area.top() + from, area.width(), to - from + 1));
}

void BarScale::setLamp(int alarm, std::optional<double> value) {
    if (alarm < 0 || alarm > 3 || m_lampValues[std::size_t(alarm)] == value)
        return;
    m_lampValues[std::size_t(alarm)] = value;
    placeLamps();
}

BarGeometry BarScale::bar() const {
    return BarGeometry::of(m_value, m_invalid, m_min, m_max, barAreaHeight());
}

std::optional<int> BarScale::lampLevel(int alarm) const {
    const std::optional<double> value = m_lampValues[std::size_t(alarm)];
    if (!value)
        return std::nullopt;
    const int h = barAreaHeight();
    // Without a range there is no level to stand at: the lamp stays in sight at mid-height.
    const int y = ChannelDisplay::ScaleY(*value, m_min, m_max, h).value_or(h / 2);
    return std::clamp(y, 0, h);
}

void BarScale::placeLamps() {
    const QRect area = barArea();
    for (int a = 0; a < 4; ++a) {
        QWidget* lamp = m_lamps[std::size_t(a)];
        const std::optional<int> level = lampLevel(a);
        if (!level) {
            lamp->hide();
            continue;
        }
        // Each alarm has its own lane, so that two alarms on at one value stay apart.
        // A lamp at either end of the scale stays whole.
        const int top =
            std::clamp(area.top() + *level - LampSize / 2, 0, std::max(0, height() - LampSize));
        lamp->move(area.right() + 2 + a * LampStep, top);
        lamp->show();
    }
}

void BarScale::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeLamps();
}

void BarScale::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect area = barArea();
    p.fillRect(area, MonitorStyle::panelColour().darker(130));
    // Nine ticks at tenths of the height, the middle one stronger.
    for (int i = 1; i <= 9; ++i) {
        const int y = area.top() + i * area.height() / 10;
        p.setPen(i == 5 ? MonitorStyle::captionColour() : MonitorStyle::panelEdge());
        p.drawLine(area.left(), y, area.right(), y);
    }
    p.save();
    p.setClipRect(area);
    const BarGeometry geometry = bar();
    if (geometry.height > 0) {
        const QRect bar(area.left() + 3, area.top() + geometry.top, area.width() - 6,
                        geometry.height);
        const QColor c = fromWinRgb(m_colour);
        p.fillRect(bar, c);
        p.setPen(c.darker(150));
        p.drawRect(bar.adjusted(0, 0, -1, -1));
    }
    p.restore();
    p.setPen(MonitorStyle::panelEdge().lighter(120));
    p.drawRect(area.adjusted(0, 0, -1, -1));
    // The range captions, each level with its place on the scale (laid out only when they
    // are to be painted: a new value repaints the bar alone).
    const QRect lane(0, 0, area.left() - 4, height());
    if (!event->rect().intersects(lane.adjusted(0, 0, 4, 0)) &&
        !event->rect().intersects(QRect(area.right() + 1, 0, width(), height())))
        return;
    p.setFont(captionFont());
    p.setPen(MonitorStyle::figureColour());
    const int fh = p.fontMetrics().height();
    p.drawText(QRect(lane.left(), area.top() - 1, lane.width(), fh), Qt::AlignRight | Qt::AlignTop,
               m_maxText);
    p.drawText(QRect(lane.left(), area.center().y() - fh / 2, lane.width(), fh),
               Qt::AlignRight | Qt::AlignVCenter, m_midText);
    p.drawText(QRect(lane.left(), area.bottom() - fh + 2, lane.width(), fh),
               Qt::AlignRight | Qt::AlignBottom, m_minText);
    // The lamps' lane.
    p.fillRect(QRect(area.right() + 1, area.top(), LampLane, area.height()),
               MonitorStyle::panelColour());
}
