#include "service/ServiceNotifier.h"

#include "core/Clock.h"

#ifdef TD700_WITH_SYSTEMD
#include <systemd/sd-daemon.h>
#endif

namespace {
constexpr int kStatusEveryMs = 5000;
} // namespace

ServiceNotifier::ServiceNotifier(Clock& clock)
    : m_watchdog(clock, QStringLiteral("watchdog"), 0, [this] { send("WATCHDOG=1"); })
    , m_statusTimer(clock, QStringLiteral("service status"), kStatusEveryMs,
                    [this] { setStatus(m_statusSource()); }) {
    m_statusTimer.setSlackMs(kStatusEveryMs / 5);
#ifdef TD700_WITH_SYSTEMD
    m_listening = !qEnvironmentVariableIsEmpty("NOTIFY_SOCKET");
    uint64_t us = 0;
    if (m_listening && sd_watchdog_enabled(0, &us) > 0 && us > 0) {
        m_watchdogUs = qint64(us);
        // Half the time is the latest a sign of life may come; a third leaves room for a loop
        // that is busy for a moment.
        m_watchdog.setIntervalUs(std::max<qint64>(1000, m_watchdogUs / 3));
        m_watchdog.start();
    }
#endif
}

ServiceNotifier::~ServiceNotifier() = default;

void ServiceNotifier::ready() {
    send("READY=1");
}

void ServiceNotifier::reloading() {
    send("RELOADING=1");
}

void ServiceNotifier::stopping() {
    send("STOPPING=1");
}

void ServiceNotifier::setStatus(const QString& line) {
    if (line == m_status)
        return;
    m_status = line;
    // One line: a status is shown as it comes.
    QString text = line;
    text.replace(u'\n', u' ');
    send("STATUS=" + text.toUtf8());
}

void ServiceNotifier::followStatus(std::function<QString()> source) {
    m_statusSource = std::move(source);
    if (!m_listening || !m_statusSource)
        return;
    setStatus(m_statusSource());
    m_statusTimer.start();
}

void ServiceNotifier::send(const QByteArray& state) {
#ifdef TD700_WITH_SYSTEMD
    if (m_listening)
        sd_notify(0, state.constData());
#else
    Q_UNUSED(state);
#endif
}
