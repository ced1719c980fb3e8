#include "monitor/ChannelPanel.h"

#include "monitor/FigureLabel.h"
#include "monitor/MonitorStyle.h"
#include "widgets/ElidedLabel.h"
#include "widgets/GradientLabel.h"
#include "widgets/LanguageFollower.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

ChannelPanel::ChannelPanel(int channel, bool wholePanelToggles, int figureSize, QWidget* parent)
    : QFrame(parent)
    , m_channel(channel)
    , m_wholePanel(wholePanelToggles) {
    setObjectName(QStringLiteral("picCH(%1)").arg(channel));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 5, 8, 5);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(0);

    m_number = new GradientLabel(QStringLiteral("%1").arg(channel + 1, 2, 10, QLatin1Char('0')),
                                 0xFFFFFF, 0xFFFFFF, this);
    m_number->setObjectName(QStringLiteral("lblCH(%1)").arg(channel));
    QFont nf = m_number->font();
    nf.setBold(true);
    nf.setPixelSize(15);
    m_number->setFont(nf);
    m_number->setFixedWidth(34);
    m_number->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_number->setCursor(Qt::PointingHandCursor);
    auto* texts = new LanguageFollower(this);
    texts->add([this] { m_number->setToolTip(tr("Click to switch the trace on or off")); });

    // The figure grows and shrinks with the panel.
    m_value = new FigureLabel(figureSize, this);
    m_value->setObjectName(QStringLiteral("lblCH_Val(%1)").arg(channel));
    m_value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValueWarning(false);
    m_unit = MonitorStyle::caption(QString(), this);
    m_unit->setObjectName(QStringLiteral("lblCH_Unit(%1)").arg(channel));
    m_unit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont uf = m_unit->font();
    uf.setPixelSize(13);
    m_unit->setFont(uf);

    // The name shares the unit's line and gives way to it where the panel is narrow.
    m_name = new ElidedLabel(this);
    m_name->setObjectName(QStringLiteral("lblCH_Name(%1)").arg(channel));
    MonitorStyle::styleCaption(m_name);
    QFont namef = m_name->font();
    namef.setPixelSize(12);
    namef.setBold(false);
    namef.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    m_name->setFont(namef);
    auto* nameRow = new QHBoxLayout;
    nameRow->setSpacing(6);
    nameRow->addWidget(m_name, 1);
    nameRow->addWidget(m_unit);

    layout->addWidget(m_number, 0, 0, 2, 1);
    layout->addWidget(m_value, 0, 1);
    layout->addLayout(nameRow, 1, 1);
    layout->setColumnStretch(1, 1);

    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(m_number),
                       static_cast<QWidget*>(m_value), static_cast<QWidget*>(m_unit),
                       static_cast<QWidget*>(m_name)})
        w->installEventFilter(this);
    if (m_wholePanel)
        setCursor(Qt::PointingHandCursor);
}

void ChannelPanel::setValueWarning(bool warning) {
    QPalette p = m_value->palette();
    p.setColor(QPalette::WindowText,
               warning ? MonitorStyle::warningColour() : MonitorStyle::figureColour());
    m_value->setPalette(p);
}

bool ChannelPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* me = static_cast<QMouseEvent*>(event);
        auto* w = qobject_cast<QWidget*>(watched);
        if (me->button() == Qt::LeftButton && w && w->rect().contains(me->position().toPoint()) &&
            (watched == m_number || m_wholePanel)) {
            Q_EMIT toggleRequested(m_channel);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void ChannelPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(MonitorStyle::panelEdge(), 1));
    p.setBrush(MonitorStyle::panelColour());
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}
