#include "monitor/BarMonitor.h"

#include "comm/DeviceTables.h"
#include "monitor/BarScale.h"
#include "monitor/MonitorStyle.h"
#include "widgets/GradientLabel.h"

#include <QGridLayout>
#include <QLabel>

using namespace ChannelDisplay;

QString BarMonitor::windowName(int channels) {
    return QStringLiteral("frmTD_Mon_Bar%1").arg(channels, 2, 10, QLatin1Char('0'));
}

BarMonitor::BarMonitor(int channels, const MonitorContext& context, QWidget* parent)
    : SingleMeterMonitor(context, channels, parent) {
    setObjectName(windowName(channels));
    setWindowTitle(QStringLiteral("Single Monitoring - BAR GRAPH"));

    auto* content = MonitorStyle::panel(this);
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(channels > 6 ? 4 : 16);
    grid->setVerticalSpacing(4);
    for (int ch = 0; ch < channels; ++ch) {
        auto* name =
            new GradientLabel(QStringLiteral("[CH.%1]").arg(ch + 1, 2, 10, QLatin1Char('0')),
                              0xFFFFFF, 0xFFFFFF, content);
        name->setObjectName(QStringLiteral("lblCH(%1)").arg(ch));
        QFont nf = name->font();
        nf.setBold(true);
        nf.setPixelSize(14);
        name->setFont(nf);
        name->setMinimumHeight(24);
        auto* scale = new BarScale(ch, content);
        auto* value = MonitorStyle::figure(content, channels > 6 ? 19 : 28);
        value->setObjectName(QStringLiteral("lblCH_Val(%1)").arg(ch));
        value->setAlignment(Qt::AlignCenter);
        auto* unit = MonitorStyle::caption(QString(), content);
        unit->setObjectName(QStringLiteral("lblCH_Unit(%1)").arg(ch));
        unit->setAlignment(Qt::AlignCenter);
        QFont uf = unit->font();
        uf.setPixelSize(13);
        unit->setFont(uf);
        grid->addWidget(name, 0, ch);
        grid->addWidget(scale, 1, ch);
        grid->addWidget(value, 2, ch);
        grid->addWidget(unit, 3, ch);
        grid->setColumnStretch(ch, 1);
        m_names.append(name);
        m_scales.append(scale);
        m_values.append(value);
        m_units.append(unit);
    }
    grid->setRowStretch(1, 1);
    setContent(QStringLiteral("BAR GRAPH"), QString(), content);
    resize(channels > 6 ? 1500 : 1100, 720);
}

void BarMonitor::refreshTick(const MeterReading& reading) {
    if (!context().tables)
        return;
    for (int ch = 0; ch < channels(); ++ch) {
        const ChannelSettings s = ReadChannelSettings(*context().tables, ch);
        BarScale* scale = m_scales[ch];
        // The number takes the channel colour, so that bar and number are found together.
        m_names[ch]->setColours(s.colour, s.colour);
        scale->setColour(s.colour);
        m_units[ch]->setText(s.unit);
        scale->setScaleTexts(s.maxText, s.midText, s.minText);
        scale->setScale(s.min, s.max);

        const bool invalid = reading.states[std::size_t(ch)] != 0;
        const double value = invalid ? double(NoValue) : reading.values[std::size_t(ch)];
        m_values[ch]->setText(invalid ? InvalidValueText(s.decimals)
                                      : FormatValue(value, s.decimals));
        QPalette vp = m_values[ch]->palette();
        vp.setColor(QPalette::WindowText,
                    invalid ? MonitorStyle::warningColour() : MonitorStyle::figureColour());
        m_values[ch]->setPalette(vp);

        for (int a = 0; a < 4; ++a) {
            if (alarmState(a, ch) != 0)
                scale->setLamp(a, double(alarmSetValue(a, ch)));
            else
                scale->setLamp(a, std::nullopt);
        }
        scale->setValue(value, invalid);
    }
}
