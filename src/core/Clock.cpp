#include "core/Clock.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace {

// Without a timerfd, Qt's timer is set this much before the time, which covers its lateness of
// up to about a millisecond; the rest is waited out.
constexpr qint64 kWaitedRestUs = 1500;

} // namespace

struct SystemClock::Private {
    QElapsedTimer elapsed;
    std::multimap<std::pair<qint64, quint64>, std::function<void()>> queue;
    quint64 sequence = 0;
    QObject context; // owns the timer and the notifier, so they die with the clock
    QTimer* timer = nullptr;
    int timerFd = -1;

    qint64 now() const { return elapsed.nsecsElapsed() / 1000; }
    void arm();
    void runDue();
    void armSystemTimer(qint64 delayUs);
};

SystemClock::SystemClock()
    : d(new Private) {
    d->elapsed.start();
#ifdef Q_OS_LINUX
    d->timerFd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (d->timerFd >= 0) {
        auto* notifier = new QSocketNotifier(d->timerFd, QSocketNotifier::Read, &d->context);
        QObject::connect(notifier, &QSocketNotifier::activated, &d->context, [this] {
            quint64 expirations = 0;
            [[maybe_unused]] const auto n = ::read(d->timerFd, &expirations, sizeof expirations);
            d->runDue();
        });
    }
#endif
    if (d->timerFd < 0) {
        d->timer = new QTimer(&d->context);
        d->timer->setSingleShot(true);
        d->timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(d->timer, &QTimer::timeout, &d->context, [this] { d->runDue(); });
    }
}

SystemClock::~SystemClock() {
#ifdef Q_OS_LINUX
    if (d->timerFd >= 0) {
        qDeleteAll(d->context.findChildren<QSocketNotifier*>());
        ::close(d->timerFd);
    }
#endif
    delete d;
}

qint64 SystemClock::nowUs() const {
    return d->now();
}

QDateTime SystemClock::currentDateTime() const {
    return QDateTime::currentDateTime();
}

void SystemClock::callAfterUs(qint64 us, std::function<void()> fn) {
    const qint64 due = d->now() + std::max<qint64>(0, us);
    const bool earliest = d->queue.empty() || due < d->queue.begin()->first.first;
    d->queue.emplace(std::make_pair(due, d->sequence++), std::move(fn));
    if (earliest)
        d->arm();
}

// Runs what is due by now, in time order. Each callback is taken out before it runs, so one
// that spins an event loop of its own meets a consistent queue.
void SystemClock::Private::runDue() {
    if (timer && !queue.empty()) {
        const qint64 rest = queue.begin()->first.first - now();
        if (rest > 0 && rest <= kWaitedRestUs) {
            const QDeadlineTimer deadline(std::chrono::microseconds(rest), Qt::PreciseTimer);
            while (!deadline.hasExpired()) {
            }
        }
    }
    const qint64 limit = now();
    while (!queue.empty() && queue.begin()->first.first <= limit) {
        auto node = queue.extract(queue.begin());
        node.mapped()();
    }
    arm();
}

void SystemClock::Private::arm() {
    if (queue.empty()) {
        if (timer)
            timer->stop();
        else
            armSystemTimer(-1);
        return;
    }
    const qint64 delay = std::max<qint64>(0, queue.begin()->first.first - now());
    if (timer)
        timer->start(int(std::max<qint64>(0, delay - kWaitedRestUs) / 1000));
    else
        armSystemTimer(delay);
}

// -1 disarms.
void SystemClock::Private::armSystemTimer(qint64 delayUs) {
#ifdef Q_OS_LINUX
    itimerspec spec{};
    if (delayUs >= 0) {
        // A zero it_value would disarm the timer: a callback due now wakes after 1 ns.
        const qint64 ns = std::max<qint64>(1, delayUs * 1000);
        spec.it_value.tv_sec = time_t(ns / 1000000000);
        spec.it_value.tv_nsec = long(ns % 1000000000);
    }
    timerfd_settime(timerFd, 0, &spec, nullptr);
#else
    Q_UNUSED(delayUs);
#endif
}

VirtualClock::VirtualClock(const QDateTime& start)
    : m_start(start) {}

void VirtualClock::callAfterUs(qint64 us, std::function<void()> fn) {
    m_queue.emplace(std::make_pair(m_nowUs + std::max<qint64>(0, us), m_sequence++), std::move(fn));
}

bool VirtualClock::runNext(qint64 limitUs) {
    if (m_queue.empty() || m_queue.begin()->first.first > limitUs)
        return false;
    auto node = m_queue.extract(m_queue.begin());
    m_nowUs = std::max(m_nowUs, node.key().first);
    node.mapped()();
    return true;
}

void VirtualClock::advanceUs(qint64 us) {
    const qint64 end = m_nowUs + std::max<qint64>(0, us);
    while (runNext(end)) {
    }
    m_nowUs = end;
}

bool VirtualClock::runUntil(const std::function<bool()>& done, qint64 maxMs) {
    const qint64 end = m_nowUs + std::max<qint64>(0, maxMs) * 1000;
    while (!done()) {
        if (!runNext(end)) {
            m_nowUs = end;
            return done();
        }
    }
    return true;
}

void VirtualClock::setDateTime(const QDateTime& now) {
    m_start = now.addMSecs(-(m_nowUs / 1000));
}
