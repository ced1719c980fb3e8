#pragma once

#include <QFrame>

class ElidedLabel;
class GradientLabel;
class QLabel;

// A channel's panel under the trend (picCH): its number on the channel colour, the present
// value in large figures, the channel's name and the unit. A click on the number toggles the
// channel's trace; with `wholePanelToggles` a click anywhere on the panel does.
class ChannelPanel : public QFrame {
    Q_OBJECT
public:
    ChannelPanel(int channel, bool wholePanelToggles, int figureSize, QWidget* parent = nullptr);

    int channel() const { return m_channel; }
    GradientLabel* lblCH() const { return m_number; }
    QLabel* lblCH_Val() const { return m_value; }
    QLabel* lblCH_Unit() const { return m_unit; }
    ElidedLabel* lblCH_Name() const { return m_name; }
    void setValueWarning(bool warning); // the value is no measurement (dashes)

Q_SIGNALS:
    void toggleRequested(int channel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_channel;
    bool m_wholePanel;
    GradientLabel* m_number = nullptr;
    QLabel* m_value = nullptr;
    QLabel* m_unit = nullptr;
    ElidedLabel* m_name = nullptr;
};
