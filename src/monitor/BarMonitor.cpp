#include "monitor/BarMonitor.h"

#include "comm/DeviceTables.h"
#include "monitor/BarScale.h"
#include "monitor/ChannelBoard.h"
#include "monitor/FigureLabel.h"
#include "monitor/MonitorStyle.h"
#include "widgets/ElidedLabel.h"
#include "widgets/GradientLabel.h"
#include "widgets/LanguageFollower.h"

#include <QLabel>
#include <QVBoxLayout>

using namespace ChannelDisplay;

QString BarMonitor::windowName(int channels) {
    return QStringLiteral("frmTD_Mon_Bar%1").arg(channels, 2, 10, QLatin1Char('0'));
}

BarMonitor::BarMonitor(int channels, const MonitorContext& context, QWidget* parent)
    : SingleMeterMonitor(context, channels, parent) {
    setObjectName(windowName(channels));
    texts()->add([this] { setWindowTitle(meterTitle(tr("Single Monitoring - BAR GRAPH"))); });

    auto* content = MonitorStyle::panel(this);
    auto* frame = new QVBoxLayout(content);
    frame->setContentsMargins(8, 8, 8, 8);
    // Twelve bars stand in one row where the window is wide enough, in two rows of six where
    // it is not (a laptop); fewer channels likewise.
    QList<int> columns{channels};
    if (channels > 2)
        columns << (channels + 1) / 2;
    auto* board = new ChannelBoard(columns, content);
    board->setObjectName(QStringLiteral("channelBoard"));
    board->setSpacing(channels > 6 ? 6 : 16);
    frame->addWidget(board);
    for (int ch = 0; ch < channels; ++ch) {
        auto* column = new QWidget(board);
        column->setObjectName(QStringLiteral("picCH(%1)").arg(ch));
        auto* v = new QVBoxLayout(column);
        v->setContentsMargins(0, 0, 0, 0);
        v->setSpacing(4);
        auto* name =
            new GradientLabel(QStringLiteral("[CH.%1]").arg(ch + 1, 2, 10, QLatin1Char('0')),
                              0xFFFFFF, 0xFFFFFF, column);
        name->setObjectName(QStringLiteral("lblCH(%1)").arg(ch));
        QFont nf = name->font();
        nf.setBold(true);
        nf.setPixelSize(14);
        name->setFont(nf);
        name->setMinimumHeight(24);
        auto* channelName = new ElidedLabel(column);
        channelName->setObjectName(QStringLiteral("lblCH_Name(%1)").arg(ch));
        channelName->setAlignment(Qt::AlignCenter);
        MonitorStyle::styleCaption(channelName);
        auto* scale = new BarScale(ch, column);
        auto* value = new FigureLabel(channels > 6 ? 26 : 34, column);
        value->setObjectName(QStringLiteral("lblCH_Val(%1)").arg(ch));
        value->setAlignment(Qt::AlignCenter);
        QPalette vp = value->palette();
        vp.setColor(QPalette::WindowText, MonitorStyle::figureColour());
        value->setPalette(vp);
        auto* unit = MonitorStyle::caption(QString(), column);
        unit->setObjectName(QStringLiteral("lblCH_Unit(%1)").arg(ch));
        unit->setAlignment(Qt::AlignCenter);
        QFont uf = unit->font();
        uf.setPixelSize(13);
        unit->setFont(uf);
        v->addWidget(name);
        v->addWidget(channelName);
        v->addWidget(scale, 1);
        v->addWidget(value);
        v->addWidget(unit);
        board->addItem(column);
        m_names.append(name);
        m_channelNames.append(channelName);
        m_scales.append(scale);
        m_values.append(value);
        m_units.append(unit);
    }
    setContent(QStringLiteral("BAR GRAPH"), QString(), content);
    resize(channels > 6 ? 1500 : 1100, 720);
}

void BarMonitor::refreshTick(const MeterReading& reading) {
    if (!context().tables)
        return;
    for (int ch = 0; ch < channels(); ++ch) {
        const ChannelSettings s = meter().settings(ch);
        BarScale* scale = m_scales[ch];
        // The number takes the channel colour, so that bar and number are found together.
        m_names[ch]->setColours(s.colour, s.colour);
        scale->setColour(s.colour);
        m_units[ch]->setText(s.unit);
        m_channelNames[ch]->setText(s.name);
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
            if (meter().alarmState(a, ch) != 0)
                scale->setLamp(a, double(meter().alarmValue(a, ch)));
            else
                scale->setLamp(a, std::nullopt);
        }
        scale->setValue(value, invalid);
    }
}
