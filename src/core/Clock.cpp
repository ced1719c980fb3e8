#include "core/Clock.h"

#include <QAbstractEventDispatcher>
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

// The latest moment at which the program must wake for a queue of callbacks (by time, then
// posting order; each with its slack): the earliest of their times plus slacks, -1 for none.
// (The queue holds a handful of callbacks.)
template <typename Queue>
qint64 wakeUpFor(const Queue& queue) {
    qint64 earliest = -1;
    for (const auto& [key, pending] : queue) {
        const qint64 latest = key.first + pending.slackUs;
        if (earliest < 0 || latest < earliest)
            earliest = latest;
        if (key.first >= earliest) // later entries cannot be earlier than this one
            break;
    }
    return earliest;
}

} // namespace

struct SystemClock::Private {
    struct Pending {
        qint64 slackUs;
        std::function<void()> fn;
    };
    QElapsedTimer elapsed;
    std::multimap<std::pair<qint64, quint64>, Pending> queue;
    quint64 sequence = 0;
    QObject context; // owns the timer and the notifier, so they die with the clock
    QTimer* timer = nullptr;
    int timerFd = -1;
    qint64 armedFor = -1; // the deadline the system timer is set to; -1: not set (or has fired)
    bool watchingLoop = false;
    // While callbacks run, what they queue or cancel sets the timer once, when they are done
    // (or before a loop that one of them spins waits).
    int running = 0;
    bool armPending = false;

    qint64 now() const { return elapsed.nsecsElapsed() / 1000; }
    qint64 deadline() const { return wakeUpFor(queue); }
    void arm();
    // `woken`: by the system timer (the one case in which the rest is waited out).
    void runDue(bool woken);
    void armSystemTimer(qint64 delayUs);
    void watchLoop();
    void rearm();
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
            d->armedFor = -1;
            d->runDue(true);
        });
    }
#endif
    if (d->timerFd < 0) {
        d->timer = new QTimer(&d->context);
        d->timer->setSingleShot(true);
        d->timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(d->timer, &QTimer::timeout, &d->context, [this] {
            d->armedFor = -1;
            d->runDue(true);
        });
    }
    d->watchLoop();
}

// Whatever woke the event loop (a reply, a repaint, another callback), what is due runs
// before the loop waits again: a callback with slack thus rides on a wake-up that happens
// anyway.
void SystemClock::Private::watchLoop() {
    if (watchingLoop)
        return;
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        watchingLoop = true;
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &context, [this] {
            if (!queue.empty() && queue.begin()->first.first <= now())
                runDue(false);
            else if (armPending)
                arm();
        });
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

qint64 SystemClock::currentMSecsSinceEpoch() const {
    return QDateTime::currentMSecsSinceEpoch();
}

quint64 SystemClock::schedule(qint64 us, qint64 slackUs, std::function<void()> fn) {
    d->watchLoop();
    const qint64 due = d->now() + std::max<qint64>(0, us);
    const quint64 id = d->sequence++;
    d->queue.emplace(std::make_pair(due, id),
                     Private::Pending{std::max<qint64>(0, slackUs), std::move(fn)});
    d->rearm();
    return id;
}

void SystemClock::cancel(quint64 id) {
    for (auto it = d->queue.begin(); it != d->queue.end(); ++it) {
        if (it->first.second == id) {
            d->queue.erase(it);
            d->rearm();
            return;
        }
    }
}

// Runs what is due by now, in time order. Each callback is taken out before it runs, so one
// that spins an event loop of its own meets a consistent queue.
void SystemClock::Private::runDue(bool woken) {
    if (woken && timer && !queue.empty()) {
        const qint64 rest = deadline() - now();
        if (rest > 0 && rest <= kWaitedRestUs) {
            const QDeadlineTimer until(std::chrono::microseconds(rest), Qt::PreciseTimer);
            while (!until.hasExpired()) {
            }
        }
    }
    const qint64 limit = now();
    ++running;
    while (!queue.empty() && queue.begin()->first.first <= limit) {
        auto node = queue.extract(queue.begin());
        node.mapped().fn();
    }
    --running;
    arm();
}

void SystemClock::Private::rearm() {
    if (running > 0)
        armPending = true;
    else
        arm();
}

// Sets the system timer for the deadline, unless it already is: most callbacks are queued
// behind an earlier one, and the timer need not be touched for them.
void SystemClock::Private::arm() {
    armPending = false;
    const qint64 due = deadline();
    if (due == armedFor)
        return;
    armedFor = due;
    if (due < 0) {
        if (timer)
            timer->stop();
        else
            armSystemTimer(-1);
        return;
    }
    const qint64 delay = std::max<qint64>(0, due - now());
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

quint64 VirtualClock::schedule(qint64 us, qint64 slackUs, std::function<void()> fn) {
    const quint64 id = m_sequence++;
    m_queue.emplace(std::make_pair(m_nowUs + std::max<qint64>(0, us), id),
                    Pending{std::max<qint64>(0, slackUs), std::move(fn)});
    return id;
}

void VirtualClock::cancel(quint64 id) {
    for (auto it = m_queue.begin(); it != m_queue.end(); ++it) {
        if (it->first.second == id) {
            m_queue.erase(it);
            return;
        }
    }
}

bool VirtualClock::runNext(qint64 limitUs) {
    if (m_queue.empty())
        return false;
    qint64 at = m_queue.begin()->first.first;
    // What is due by now runs now: the program is awake. Else it sleeps until the wake-up.
    if (m_slackTaken && at > m_nowUs)
        at = wakeUpFor(m_queue);
    if (at > limitUs)
        return false;
    auto node = m_queue.extract(m_queue.begin());
    m_nowUs = std::max(m_nowUs, at);
    node.mapped().fn();
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
