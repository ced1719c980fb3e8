#include "core/Clock.h"

#include <QElapsedTimer>
#include <QTimer>

struct SystemClock::Private {
    QElapsedTimer elapsed;
    QObject context; // owns the pending single shots, so they die with the clock
};

SystemClock::SystemClock()
    : d(new Private) {
    d->elapsed.start();
}

SystemClock::~SystemClock() {
    delete d;
}

qint64 SystemClock::nowMs() const {
    return d->elapsed.elapsed();
}

QDateTime SystemClock::currentDateTime() const {
    return QDateTime::currentDateTime();
}

void SystemClock::callAfter(int ms, std::function<void()> fn) {
    QTimer::singleShot(std::max(0, ms), Qt::PreciseTimer, &d->context, std::move(fn));
}

VirtualClock::VirtualClock(const QDateTime& start)
    : m_start(start) {}

void VirtualClock::callAfter(int ms, std::function<void()> fn) {
    m_queue.emplace(std::make_pair(m_now + std::max(0, ms), m_sequence++), std::move(fn));
}

bool VirtualClock::runNext(qint64 limit) {
    if (m_queue.empty() || m_queue.begin()->first.first > limit)
        return false;
    auto node = m_queue.extract(m_queue.begin());
    m_now = std::max(m_now, node.key().first);
    node.mapped()();
    return true;
}

void VirtualClock::advance(qint64 ms) {
    const qint64 end = m_now + std::max<qint64>(0, ms);
    while (runNext(end)) {
    }
    m_now = end;
}

bool VirtualClock::runUntil(const std::function<bool()>& done, qint64 maxMs) {
    const qint64 end = m_now + std::max<qint64>(0, maxMs);
    while (!done()) {
        if (!runNext(end)) {
            m_now = end;
            return done();
        }
    }
    return true;
}

void VirtualClock::setDateTime(const QDateTime& now) {
    m_start = now.addMSecs(-m_now);
}
