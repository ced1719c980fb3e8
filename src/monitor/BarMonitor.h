#pragma once

#include "monitor/SingleMeterMonitor.h"

#include <QVector>

class BarScale;
class ElidedLabel;
class GradientLabel;
class QLabel;

// The bar monitor, one window for 12, 6, 4 and 2 channels (frmTD_Mon_Bar12/06/04/02): every
// channel as a bar on its scale, with its value, unit and a lamp per active alarm at the value
// where the alarm came on, beside the status area.
class BarMonitor final : public SingleMeterMonitor {
    Q_OBJECT
public:
    BarMonitor(int channels, const MonitorContext& context, QWidget* parent);

    static QString windowName(int channels);

    BarScale* scale(int channel) const { return m_scales.value(channel); }
    QLabel* valueLabel(int channel) const { return m_values.value(channel); }
    QLabel* unitLabel(int channel) const { return m_units.value(channel); }

protected:
    void refreshTick(const ChannelDisplay::MeterReading& reading) override;

private:
    QVector<GradientLabel*> m_names;
    QVector<ElidedLabel*> m_channelNames;
    QVector<BarScale*> m_scales;
    QVector<QLabel*> m_values;
    QVector<QLabel*> m_units;
};
