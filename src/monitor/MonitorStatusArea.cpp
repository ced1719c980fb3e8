#include "monitor/MonitorStatusArea.h"

#include "monitor/MonitorStyle.h"
#include "widgets/GradientLabel.h"
#include "widgets/LanguageFollower.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

MonitorStatusArea::MonitorStatusArea(const MonitorIcons& icons, QWidget* parent)
    : QWidget(parent)
    , m_icons(icons) {
    setObjectName(QStringLiteral("picStatus"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    auto* clockBox = MonitorStyle::panel(this);
    auto* clockLayout = new QVBoxLayout(clockBox);
    clockLayout->setContentsMargins(8, 6, 8, 6);
    clockLayout->setSpacing(0);
    auto* clockCaption = MonitorStyle::caption(QString(), clockBox);
    clockLayout->addWidget(clockCaption);
    m_date = MonitorStyle::figure(clockBox, 15);
    m_date->setObjectName(QStringLiteral("lblSysDate"));
    m_time = MonitorStyle::figure(clockBox, 22);
    m_time->setObjectName(QStringLiteral("lblSysTime"));
    clockLayout->addWidget(m_date);
    clockLayout->addWidget(m_time);
    layout->addWidget(clockBox);

    auto* inputBox = MonitorStyle::panel(this);
    auto* inputLayout = new QGridLayout(inputBox);
    inputLayout->setContentsMargins(8, 6, 8, 8);
    inputLayout->setSpacing(4);
    auto* inputCaption = MonitorStyle::caption(QString(), inputBox);
    inputLayout->addWidget(inputCaption, 0, 0, 1, 3);
    for (int i = 0; i < 6; ++i) {
        auto* lamp = new GradientLabel(QString::number(i + 1), InputOffFrom, InputOffTo, inputBox);
        lamp->setObjectName(QStringLiteral("lblDInput(%1)").arg(i));
        lamp->setMinimumHeight(26);
        QFont f = lamp->font();
        f.setBold(true);
        lamp->setFont(f);
        inputLayout->addWidget(lamp, 1 + i / 3, i % 3);
        m_inputs[i] = lamp;
    }
    layout->addWidget(inputBox);

    auto* iconBox = MonitorStyle::panel(this);
    iconBox->setObjectName(QStringLiteral("picAlarm"));
    auto* iconLayout = new QGridLayout(iconBox);
    iconLayout->setContentsMargins(8, 6, 8, 6);
    iconLayout->setHorizontalSpacing(10);
    iconLayout->setVerticalSpacing(2);
    auto* alarmCaption = MonitorStyle::caption(QString(), iconBox);
    iconLayout->addWidget(alarmCaption, 0, 0, Qt::AlignHCenter);
    auto* cardCaption = MonitorStyle::caption(QString(), iconBox);
    iconLayout->addWidget(cardCaption, 0, 1, Qt::AlignHCenter);
    m_alarm = new QLabel(iconBox);
    m_alarm->setObjectName(QStringLiteral("imgAlarm"));
    m_card = new QLabel(iconBox);
    m_card->setObjectName(QStringLiteral("imgSD"));
    for (QLabel* l : {m_alarm, m_card}) {
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumSize(36, 36);
    }
    iconLayout->addWidget(m_alarm, 1, 0);
    iconLayout->addWidget(m_card, 1, 1);
    layout->addWidget(iconBox);

    auto* memBox = MonitorStyle::panel(this);
    auto* memLayout = new QGridLayout(memBox);
    memLayout->setContentsMargins(8, 6, 8, 6);
    memLayout->setVerticalSpacing(0);
    m_mem = MonitorStyle::figure(memBox, 15);
    m_mem->setObjectName(QStringLiteral("lblMEM_Ratio"));
    m_sdc = MonitorStyle::figure(memBox, 15);
    m_sdc->setObjectName(QStringLiteral("lblSDC_Ratio"));
    memLayout->addWidget(MonitorStyle::caption(QStringLiteral("MEM:"), memBox), 0, 0);
    memLayout->addWidget(m_mem, 0, 1, Qt::AlignRight);
    memLayout->addWidget(MonitorStyle::caption(QStringLiteral("SDC:"), memBox), 1, 0);
    memLayout->addWidget(m_sdc, 1, 1, Qt::AlignRight);
    layout->addWidget(memBox);

    m_mem->setText(QStringLiteral("000"));
    m_sdc->setText(QStringLiteral("000"));
    m_alarm->setPixmap(m_icons.pixmap(m_alarmIcon));
    m_card->setPixmap(m_icons.pixmap(m_cardIcon));

    // "MEM:" and "SDC:" are the recorder's own words and stay as its display shows them.
    auto* texts = new LanguageFollower(this);
    texts->add([=] {
        clockCaption->setText(tr("METER CLOCK"));
        inputCaption->setText(tr("D.INPUT"));
        alarmCaption->setText(tr("ALARM"));
        cardCaption->setText(tr("CARD"));
    });
}

void MonitorStatusArea::showReading(const ChannelDisplay::MeterReading& reading, bool alarmActive) {
    if (!reading.date.isEmpty() || !reading.time.isEmpty()) {
        m_date->setText(reading.date);
        m_time->setText(reading.time);
    }
    // A label given a pixmap repaints and lays itself out again, even for the same picture.
    const MonitorIcons::Icon alarmIcon =
        alarmActive ? MonitorIcons::SoundOn : MonitorIcons::SoundOff;
    if (alarmIcon != m_alarmIcon) {
        m_alarmIcon = alarmIcon;
        m_alarm->setPixmap(m_icons.pixmap(m_alarmIcon));
    }
    for (int i = 0; i < 6; ++i) {
        if (reading.input(i))
            m_inputs[i]->setColours(InputOnFrom, InputOnTo);
        else
            m_inputs[i]->setColours(InputOffFrom, InputOffTo);
    }
    static constexpr MonitorIcons::Icon cards[] = {
        MonitorIcons::CardNone, MonitorIcons::CardPresent, MonitorIcons::CardInUse};
    if (cards[reading.cardIcon()] != m_cardIcon) {
        m_cardIcon = cards[reading.cardIcon()];
        m_card->setPixmap(m_icons.pixmap(m_cardIcon));
    }
    m_mem->setText(reading.memText);
    m_sdc->setText(reading.sdcText);
}

QString MonitorStatusArea::dateText() const {
    return m_date->text();
}
QString MonitorStatusArea::timeText() const {
    return m_time->text();
}
QString MonitorStatusArea::memText() const {
    return m_mem->text();
}
QString MonitorStatusArea::sdcText() const {
    return m_sdc->text();
}
