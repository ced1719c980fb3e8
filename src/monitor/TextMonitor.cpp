#include "monitor/TextMonitor.h"

#include "comm/DeviceTables.h"
#include "monitor/ChannelBoard.h"
#include "monitor/MonitorStyle.h"
#include "widgets/GradientLabel.h"
#include "widgets/LanguageFollower.h"
#include "widgets/SmallFont.h"
#include "widgets/TwoColourBar.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace ChannelDisplay;

namespace {
// The value strip's own colours: a dark panel on which the figures stand out.
constexpr int ValueFrom = 0x3A2A1C, ValueTo = 0x120C08;
constexpr int StripEnd = 0x352D27; // where a channel's colour strips fade to
} // namespace

QString TextMonitor::windowName(int channels) {
    return QStringLiteral("frmTD_Mon_Text%1").arg(channels, 2, 10, QLatin1Char('0'));
}

TextMonitor::IndicatorPlace TextMonitor::indicatorOf(int channel, int alarm) {
    return {channel / 2 + 1, 4 * (channel % 2) + alarm};
}

QLabel* TextMonitor::lblALM(int array, int element) const {
    if (array < 1 || array > m_alarms.size() || element < 0 || element > 7)
        return nullptr;
    return m_alarms[array - 1][element];
}

TextMonitor::TextMonitor(int channels, const MonitorContext& context, QWidget* parent)
    : SingleMeterMonitor(context, channels, parent) {
    setObjectName(windowName(channels));
    texts()->add([this] { setWindowTitle(meterTitle(tr("Single Monitoring - TEXT"))); });

    // Two channels a row where the window is tall enough; on a laptop three or four a row,
    // so that every channel stays in sight.
    QList<int> columns{std::min(channels, 2)};
    if (channels > 2)
        columns << (channels == 4 ? 4 : 3);
    auto* content = new ChannelBoard(columns, this);
    content->setObjectName(QStringLiteral("channelBoard"));
    content->setSpacing(8);
    const int arrays = (channels + 1) / 2;
    m_alarms.resize(arrays);
    for (int i = 0; i < arrays; ++i)
        m_alarms[i].fill(nullptr, 8);
    const int figure = channels > 6 ? 34 : channels > 2 ? 48 : 64;

    for (int ch = 0; ch < channels; ++ch) {
        auto* card = MonitorStyle::panel(content);
        card->setObjectName(QStringLiteral("picCH(%1)").arg(ch));
        auto* v = new QVBoxLayout(card);
        v->setContentsMargins(8, 6, 8, 8);
        v->setSpacing(4);

        auto* name = new GradientLabel(QStringLiteral("CH%1").arg(ch + 1, 2, 10, QLatin1Char('0')),
                                       0xFFFFFF, StripEnd, card);
        name->setObjectName(QStringLiteral("lblCH_Name(%1)").arg(ch));
        name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        name->setMinimumHeight(22);
        QFont nf = name->font();
        nf.setBold(true);
        nf.setPixelSize(14);
        name->setFont(nf);
        v->addWidget(name);

        auto* valueRow = new QHBoxLayout;
        valueRow->setSpacing(6);
        auto* pv = new GradientLabel(QString(), ValueFrom, ValueTo, card);
        pv->setObjectName(QStringLiteral("lblPV(%1)").arg(ch));
        pv->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        pv->setTextColour(0xFFFFFF);
        pv->setFontScale(0.72);
        QFont pf = pv->font();
        pf.setBold(true);
        pv->setFont(pf);
        pv->setMinimumHeight(figure);
        auto* unit = new GradientLabel(QString(), ValueTo, 0xFFFFFF, card);
        unit->setObjectName(QStringLiteral("lblUnit(%1)").arg(ch));
        unit->setFixedWidth(channels > 6 ? 64 : 84);
        unit->setFontScale(0.42);
        unit->setFont(pf);
        unit->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        valueRow->addWidget(pv, 1);
        valueRow->addWidget(unit);
        v->addLayout(valueRow, 1);

        auto* bottom = new QHBoxLayout;
        bottom->setSpacing(6);
        auto* rangeBox = new QGridLayout;
        rangeBox->setHorizontalSpacing(4);
        rangeBox->setVerticalSpacing(0);
        auto* high = MonitorStyle::figure(card, 12);
        high->setObjectName(QStringLiteral("lblRangeH(%1)").arg(ch));
        auto* low = MonitorStyle::figure(card, 12);
        low->setObjectName(QStringLiteral("lblRangeL(%1)").arg(ch));
        const auto rangeCaption = [card](const QString& text) {
            QLabel* label = MonitorStyle::caption(text, card);
            QFont f = label->font();
            f.setPixelSize(std::max(f.pixelSize(), SmallestFontPixels()));
            label->setFont(f);
            return label;
        };
        rangeBox->addWidget(rangeCaption(QStringLiteral("H")), 0, 0);
        rangeBox->addWidget(high, 0, 1);
        rangeBox->addWidget(rangeCaption(QStringLiteral("L")), 1, 0);
        rangeBox->addWidget(low, 1, 1);
        bottom->addLayout(rangeBox);
        auto* bar = new TwoColourBar(card);
        bar->setObjectName(QStringLiteral("XProgress1(%1)").arg(ch));
        bar->setMinimumHeight(16);
        bottom->addWidget(bar, 1);
        const IndicatorPlace first = indicatorOf(ch, 0);
        for (int a = 0; a < 4; ++a) {
            auto* alarm = new QLabel(QStringLiteral("AL%1").arg(a + 1), card);
            alarm->setObjectName(
                QStringLiteral("lblALM%1(%2)").arg(first.array).arg(first.element + a));
            alarm->setAlignment(Qt::AlignCenter);
            alarm->setFixedSize(34, 20);
            QFont af = alarm->font();
            af.setBold(true);
            af.setPixelSize(std::max(11, SmallestFontPixels()));
            alarm->setFont(af);
            alarm->setAutoFillBackground(true);
            QPalette ap = alarm->palette();
            ap.setColor(QPalette::Window, QColor(230, 30, 30));
            ap.setColor(QPalette::WindowText, Qt::white);
            alarm->setPalette(ap);
            QSizePolicy sp = alarm->sizePolicy();
            sp.setRetainSizeWhenHidden(true); // nothing moves when an alarm comes or goes
            alarm->setSizePolicy(sp);
            alarm->hide();
            bottom->addWidget(alarm);
            m_alarms[first.array - 1][first.element + a] = alarm;
        }
        v->addLayout(bottom);

        content->addItem(card);
        m_name.append(name);
        m_pv.append(pv);
        m_unit.append(unit);
        m_rangeH.append(high);
        m_rangeL.append(low);
        m_bar.append(bar);
    }
    setContent(QStringLiteral("TEXT VIEW"), QString(), content);
    resize(channels > 6 ? 1180 : 1100, channels > 6 ? 860 : 640);
}

void TextMonitor::refreshTick(const MeterReading& reading) {
    if (!context().tables)
        return;
    for (int ch = 0; ch < channels(); ++ch) {
        const ChannelSettings s = meter().settings(ch);
        m_unit[ch]->setText(s.unit);
        m_name[ch]->setText(ChannelCaption(ch, s.name));
        m_rangeH[ch]->setText(s.maxText);
        m_rangeL[ch]->setText(s.minText);

        for (int a = 0; a < 4; ++a) {
            const IndicatorPlace place = indicatorOf(ch, a);
            m_alarms[place.array - 1][place.element]->setVisible(meter().alarmState(a, ch) != 0);
        }

        const bool invalid = reading.states[std::size_t(ch)] != 0;
        if (invalid) {
            m_pv[ch]->setText(InvalidValueText(s.decimals));
            m_pv[ch]->setTextColour(0x20B0FF);
            m_bar[ch]->setValue(0);
        } else {
            const QString shown = FormatValue(reading.values[std::size_t(ch)], s.decimals);
            m_pv[ch]->setText(shown);
            m_pv[ch]->setTextColour(0xFFFFFF);
            // The bar reads the figures back from the captions, as they are shown.
            const double high = CaptionNumber(m_rangeH[ch]->text());
            const double low = CaptionNumber(m_rangeL[ch]->text());
            m_bar[ch]->setValue(high == low ? 0.0
                                            : (CaptionNumber(shown) - low) / (high - low) * 100.0);
        }

        m_name[ch]->setColours(s.colour, StripEnd);
        m_unit[ch]->setColours(ValueTo, s.colour);
        m_bar[ch]->setColours(s.colour, s.colour);
    }
}
