#include "monitor/SingleMeterMonitor.h"

#include "core/Clock.h"
#include "monitor/MonitorStatusArea.h"
#include "monitor/MonitorStyle.h"
#include "widgets/LanguageFollower.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Ticks without new data before the window says that its picture is frozen: one missed tick
// is a settings read in passing, not a stop.
constexpr int FrozenAfterTicks = 3;
} // namespace

SingleMeterMonitor::SingleMeterMonitor(const MonitorContext& context, int channels, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_meter(context)
    , m_texts(new LanguageFollower(this))
    , m_channels(channels)
    , m_icons(context.paths) {
    MonitorStyle::applyWindowPalette(this);
    m_timer.setInterval(500);
    connect(&m_timer, &QTimer::timeout, this, &SingleMeterMonitor::tmrDispGraph_Timer);
    m_timer.start();
}

void SingleMeterMonitor::setContent(const QString& heading, const QString& subHeading,
                                    QWidget* content) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 8, 10, 10);
    outer->setSpacing(8);

    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(MonitorStyle::heading(heading, this));
    if (!subHeading.isEmpty()) {
        auto* group = MonitorStyle::caption(subHeading, this);
        group->setObjectName(QStringLiteral("lblGroup"));
        top->addWidget(group, 0, Qt::AlignBottom);
    }
    top->addStretch(1);
    m_warning = new QLabel(this);
    m_warning->setObjectName(QStringLiteral("lblWarning"));
    QFont wf = m_warning->font();
    wf.setPixelSize(15);
    wf.setBold(true);
    m_warning->setFont(wf);
    m_warning->setAutoFillBackground(true);
    QPalette wp = m_warning->palette();
    wp.setColor(QPalette::Window, MonitorStyle::warningColour());
    wp.setColor(QPalette::WindowText, Qt::black);
    m_warning->setPalette(wp);
    m_warning->setContentsMargins(10, 3, 10, 3);
    m_warning->hide();
    top->addWidget(m_warning);
    outer->addLayout(top);

    auto* body = new QHBoxLayout;
    body->setSpacing(10);
    m_content = content;
    body->addWidget(content, 1);
    auto* side = new QVBoxLayout;
    side->setSpacing(8);
    m_status = new MonitorStatusArea(m_icons, this);
    m_status->setFixedWidth(190);
    side->addWidget(m_status);
    side->addStretch(1);
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("btnClose"));
    m_close->setMinimumHeight(34);
    m_close->setAutoDefault(false);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    side->addWidget(m_close);
    body->addLayout(side);
    outer->addLayout(body, 1);
    m_texts->add([this] {
        m_close->setText(tr("&Close"));
        m_warning->setText(textOf(m_shownWarning));
    });
    updateWarning(nullptr);
}

QString SingleMeterMonitor::meterTitle(const QString& kind) const {
    const QString meter = tr("Meter %1").arg(m_meter.address());
    return kind + QStringLiteral(" - ") +
           (m_context.origin.isEmpty() ? meter : m_context.origin + QStringLiteral(" / ") + meter);
}

QString SingleMeterMonitor::pcTime() const {
    const QDateTime now =
        m_context.clock ? m_context.clock->currentDateTime() : QDateTime::currentDateTime();
    return now.toString(QStringLiteral("HH:mm:ss"));
}

void SingleMeterMonitor::tmrDispGraph_Timer() {
    m_lastTickRefreshed = m_meter.dataFlows();
    if (!m_lastTickRefreshed) {
        ++m_frozenTicks;
        updateWarning(nullptr);
        idleTick();
        return;
    }
    m_frozenTicks = 0;
    m_lastRefreshTime = pcTime();
    const ChannelDisplay::MeterReading reading = m_meter.reading();
    m_meter.refresh(reading);
    m_status->showReading(reading, m_meter.alarmActive());
    refreshTick(reading);
    updateWarning(&reading);
}

void SingleMeterMonitor::updateWarning(const ChannelDisplay::MeterReading* reading) {
    Warning warning = Warning::None;
    if (m_frozenTicks >= FrozenAfterTicks)
        warning = m_lastRefreshTime.isEmpty() ? Warning::NoData : Warning::Frozen;
    else if (reading && !reading->answering)
        warning = Warning::NotAnswering;
    showWarning(warning);
}

QString SingleMeterMonitor::textOf(Warning warning) const {
    switch (warning) {
    case Warning::None:
        break;
    case Warning::NoData:
        return tr("NO DATA \u2014 waiting for the meter");
    case Warning::Frozen:
        if (movesOnWithoutData())
            return tr("NO NEW DATA since %1 \u2014 records sent later fill the gap")
                .arg(m_lastRefreshTime);
        return tr("NO NEW DATA since %1 \u2014 picture frozen").arg(m_lastRefreshTime);
    case Warning::NotAnswering:
        return tr("METER NOT ANSWERING \u2014 last values shown");
    }
    return {};
}

void SingleMeterMonitor::showWarning(Warning warning) {
    if (!m_warning)
        return;
    const QString text = textOf(warning);
    m_shownWarning = warning;
    if (text == m_warning->text() && m_warning->isVisible() == !text.isEmpty())
        return;
    m_warning->setText(text);
    m_warning->setVisible(!text.isEmpty());
    update(); // the frame around the picture
}

void SingleMeterMonitor::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (!m_content || !m_warning || m_warning->isHidden())
        return;
    // A picture that is not live is framed in the warning colour, seen from across the room.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(MonitorStyle::warningColour(), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(m_content->geometry()).adjusted(-5, -5, 5, 5), 5, 5);
}

QString SingleMeterMonitor::warningText() const {
    return m_warning && !m_warning->isHidden() ? m_warning->text() : QString();
}
