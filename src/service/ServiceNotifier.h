#pragma once

#include "core/EngineTimer.h"

#include <QByteArray>
#include <QString>
#include <functional>

class Clock;

// Tells the service manager (systemd, a unit of Type=notify) how the program stands: ready,
// reloading its settings, stopping, a one-line status, and the watchdog's sign of life. The
// sign of life comes from the program's event loop, every third of the watchdog's time, so that
// a program whose loop hangs is restarted. Nothing is sent where the program was not started
// so (no NOTIFY_SOCKET), nor where there is no such manager (not Linux).
class ServiceNotifier {
public:
    explicit ServiceNotifier(Clock& clock);
    ~ServiceNotifier();
    ServiceNotifier(const ServiceNotifier&) = delete;
    ServiceNotifier& operator=(const ServiceNotifier&) = delete;

    // Whether a service manager listens.
    bool isListening() const { return m_listening; }
    // The watchdog's time for this process in microseconds; 0 when it has none.
    qint64 watchdogUs() const { return m_watchdogUs; }

    void ready();
    void reloading();
    void stopping();
    // Sent when it differs from the last one sent.
    void setStatus(const QString& line);
    // The status is taken from `source` now and every few seconds.
    void followStatus(std::function<QString()> source);

private:
    void send(const QByteArray& state);

    bool m_listening = false;
    qint64 m_watchdogUs = 0;
    QString m_status;
    EngineTimer m_watchdog;
    EngineTimer m_statusTimer;
    std::function<QString()> m_statusSource;
};
