#include "monitor/MonitorFactory.h"

#include "monitor/BarMonitor.h"
#include "monitor/MultiMonitor.h"
#include "monitor/TextMonitor.h"
#include "monitor/TrendMonitor.h"

namespace {
bool knownChannelCount(int channels) {
    return channels == 2 || channels == 4 || channels == 6 || channels == 12;
}
} // namespace

QDialog* CreateLineMonitor(int channelCount, const MonitorContext& context, QWidget* parent) {
    const std::optional<TrendVariant> variant = TrendVariant::forChannels(channelCount);
    return variant ? new TrendMonitor(*variant, context, parent) : nullptr;
}

QDialog* CreateBarMonitor(int channelCount, const MonitorContext& context, QWidget* parent) {
    return knownChannelCount(channelCount) ? new BarMonitor(channelCount, context, parent)
                                           : nullptr;
}

QDialog* CreateTextMonitor(int channelCount, const MonitorContext& context, QWidget* parent) {
    return knownChannelCount(channelCount) ? new TextMonitor(channelCount, context, parent)
                                           : nullptr;
}

QDialog* CreateMultiMonitor(const MonitorContext& context, QWidget* parent) {
    return new MultiMonitor(MultiGrid::Kind::Full, context, parent);
}

QDialog* CreateMultiPVMonitor(const MonitorContext& context, QWidget* parent) {
    return new MultiMonitor(MultiGrid::Kind::PresentValues, context, parent);
}

QDialog* CreateMonitorWindow(const QString& name, const MonitorContext& context, QWidget* parent) {
    if (name == QLatin1String("frmTD_Mon_Multi"))
        return CreateMultiMonitor(context, parent);
    if (name == QLatin1String("frmTD_Mon_MultiPV"))
        return CreateMultiPVMonitor(context, parent);
    static const QString prefixes[] = {QStringLiteral("frmTD_Mon_Line"),
                                       QStringLiteral("frmTD_Mon_Bar"),
                                       QStringLiteral("frmTD_Mon_Text")};
    for (int i = 0; i < 3; ++i) {
        if (!name.startsWith(prefixes[i]))
            continue;
        const QString suffix = name.mid(prefixes[i].size());
        bool ok = false;
        const int channels = suffix.toInt(&ok);
        if (!ok || suffix.size() != 2)
            return nullptr;
        switch (i) {
        case 0:
            return CreateLineMonitor(channels, context, parent);
        case 1:
            return CreateBarMonitor(channels, context, parent);
        default:
            return CreateTextMonitor(channels, context, parent);
        }
    }
    return nullptr;
}

QStringList MonitorWindowNames(int channelCount) {
    if (!knownChannelCount(channelCount))
        return {QStringLiteral("frmTD_Mon_Multi"), QStringLiteral("frmTD_Mon_MultiPV")};
    const QString suffix = QStringLiteral("%1").arg(channelCount, 2, 10, QLatin1Char('0'));
    return {QStringLiteral("frmTD_Mon_Line") + suffix, QStringLiteral("frmTD_Mon_Bar") + suffix,
            QStringLiteral("frmTD_Mon_Text") + suffix, QStringLiteral("frmTD_Mon_Multi"),
            QStringLiteral("frmTD_Mon_MultiPV")};
}

void RunMonitorTick(QDialog* window) {
    if (auto* single = qobject_cast<SingleMeterMonitor*>(window))
        single->tmrDispGraph_Timer();
    else if (auto* multi = qobject_cast<MultiMonitor*>(window))
        multi->tmrRefresh_Timer();
}

int MonitorMeterAddress(const QDialog* window) {
    const auto* single = qobject_cast<const SingleMeterMonitor*>(window);
    return single ? single->meter().address() : 0;
}

void SetMonitorTimerEnabled(QDialog* window, bool enabled) {
    QTimer* timer = nullptr;
    if (auto* single = qobject_cast<SingleMeterMonitor*>(window))
        timer = &single->tmrDispGraph();
    else if (auto* multi = qobject_cast<MultiMonitor*>(window))
        timer = &multi->tmrRefresh();
    if (!timer)
        return;
    if (enabled)
        timer->start();
    else
        timer->stop();
}
