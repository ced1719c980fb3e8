#pragma once

#include "monitor/SingleMeterMonitor.h"

#include <QVector>

class GradientLabel;
class QLabel;
class TwoColourBar;

// The text monitor, one window for 12, 6, 4 and 2 channels (frmTD_Mon_Text12/06/04/02): every
// channel in large figures with its unit, range, a bar of the value within the range and its
// four alarm indicators, beside the status area. Two channels share a row; the indicators of
// a row are one array of eight (lblALM1 .. lblALM6), four per channel.
class TextMonitor final : public SingleMeterMonitor {
    Q_OBJECT
public:
    TextMonitor(int channels, const MonitorContext& context, QWidget* parent);

    static QString windowName(int channels);
    // The indicator of alarm a (0..3) of channel n (0..11): array n / 2 + 1, element
    // 4 (n mod 2) + a.
    struct IndicatorPlace {
        int array = 1;
        int element = 0;
    };
    static IndicatorPlace indicatorOf(int channel, int alarm);

    GradientLabel* lblPV(int channel) const { return m_pv.value(channel); }
    GradientLabel* lblUnit(int channel) const { return m_unit.value(channel); }
    GradientLabel* lblCH_Name(int channel) const { return m_name.value(channel); }
    TwoColourBar* progress(int channel) const { return m_bar.value(channel); }
    QLabel* lblRangeH(int channel) const { return m_rangeH.value(channel); }
    QLabel* lblRangeL(int channel) const { return m_rangeL.value(channel); }
    // lblALM1 .. lblALM6, eight elements each.
    QLabel* lblALM(int array, int element) const;

protected:
    void refreshTick(const ChannelDisplay::MeterReading& reading) override;

private:
    QVector<GradientLabel*> m_name;
    QVector<GradientLabel*> m_pv;
    QVector<GradientLabel*> m_unit;
    QVector<QLabel*> m_rangeH;
    QVector<QLabel*> m_rangeL;
    QVector<TwoColourBar*> m_bar;
    QVector<QVector<QLabel*>> m_alarms; // [array - 1][element]
};
