// The monitoring cycle's rate on a real pseudo-terminal: td700's engine against td700-sim with
// wire-time emulation at each baud rate, one 12-channel meter. With the shortest interval the
// rate is set against the line's ceiling (the wire time of the cycle's 124 characters and its
// four silences that end a frame); with the standard 50 ms against its model (the same wire
// time plus 50 ms after each reply). Wall-clock figures: a busy machine lowers them, so each
// row is measured --runs times and the best and the median are printed.
//
//   bench_wire [--seconds S] [--runs N] [--bauds 9600,19200,...]

#include "comm/CommEngine.h"
#include "comm/LinkFactory.h"
#include "comm/MeterList.h"
#include "comm/SerialLink.h"
#include "core/Clock.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <memory>

namespace {

constexpr int kCycleChars = 8 + 9 + 8 + 99; // status and values, request and reply
constexpr int kCycleFrames = 4;
constexpr int kStandardMs = 50;

double characterSeconds(int baud) {
    return 10.0 / baud; // start, 8 data, stop
}

double silenceSeconds(int baud) {
    return baud > 19200 ? 0.00175 : 3.5 * characterSeconds(baud);
}

double wireSeconds(int baud) {
    return kCycleChars * characterSeconds(baud);
}

// The most cycles the line can carry: nothing but characters and the silences between frames.
double ceilingPerSecond(int baud) {
    return 1.0 / (wireSeconds(baud) + kCycleFrames * silenceSeconds(baud));
}

// The standard interval: each reply arrives a silence after its request, and the next request
// goes 50 ms after the reply.
double standardModelPerSecond(int baud) {
    return 1.0 / (wireSeconds(baud) + 2 * silenceSeconds(baud) + 2 * kStandardMs / 1000.0);
}

struct Run {
    double cyclesPerSecond = 0;
    double masterLateUs = 0; // per request: from the reply's last byte read to the next
                             // request, beyond the silence that ends a frame
    quint64 cycles = 0, timeouts = 0, badFrames = 0;
    QString problem;
};

// td700-sim on a pseudo-terminal; its device path is the first line it prints.
class Simulator {
public:
    explicit Simulator(int baud) {
        m_process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/td700-sim"),
                        {QStringLiteral("--meter"), QStringLiteral("1:12:1.20"),
                         QStringLiteral("--baud"), QString::number(baud),
                         QStringLiteral("--turnaround"), QStringLiteral("0")});
        const QDeadlineTimer deadline(10000);
        while (!m_process.canReadLine() && !deadline.hasExpired() &&
               m_process.state() != QProcess::NotRunning)
            m_process.waitForReadyRead(100);
        m_pty = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~Simulator() {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
    const QString& pty() const { return m_pty; }

private:
    QProcess m_process;
    QString m_pty;
};

Run measure(int baud, const QString& interval, double seconds) {
    Run r;
    Simulator sim(baud);
    if (!sim.pty().startsWith(u'/')) {
        r.problem = QStringLiteral("td700-sim did not start");
        return r;
    }
    SystemClock clock;
    const std::unique_ptr<SerialLink> link = CreateSerialLink(sim.pty(), clock);
    CommEngine engine(clock);
    BuildMeterTables({QStringLiteral("O")}, engine.state(), engine.tables());
    PortSettings port;
    port.portName = sim.pty();
    port.baud = QString::number(baud);
    port.txInterval = interval;
    engine.setPortSettings(port);
    engine.setLink(link.get());

    // Cycles are counted from the first answered one after a few to warm up, over `seconds`.
    constexpr quint64 kWarmUp = 3;
    quint64 answered = 0;
    qint64 firstUs = -1, lastUs = -1;
    CommEngine::Totals before;
    QEventLoop loop;
    QTimer window;
    window.setSingleShot(true);
    QObject::connect(&window, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&engine, &CommEngine::meterPolled, [&](int, bool ok) {
        if (!ok)
            return;
        ++answered;
        if (answered == kWarmUp) {
            firstUs = clock.nowUs();
            before = engine.totals();
            window.start(int(seconds * 1000));
        } else if (answered > kWarmUp && window.isActive()) {
            lastUs = clock.nowUs();
            ++r.cycles;
        }
    });
    // The master's share: the time from the reply being read to the next request beyond the
    // silence (or the 50 ms) it must wait; the rest of a cycle beyond the ceiling is the rig's (the
    // simulator, the pseudo-terminal, the scheduler of a busy machine).
    qint64 replyReadUs = -1, lateSumUs = 0, lateCount = 0;
    const qint64 waitUs =
        interval.isEmpty() ? kStandardMs * 1000 : qint64(silenceSeconds(baud) * 1e6 + 0.5);
    QObject::connect(link.get(), &SerialLink::receiveThresholdReached,
                     [&] { replyReadUs = clock.nowUs(); });
    QObject::connect(&engine, &CommEngine::requestSent, [&] {
        if (window.isActive() && replyReadUs >= 0) {
            lateSumUs += clock.nowUs() - replyReadUs - waitUs;
            ++lateCount;
        }
    });
    QObject::connect(&engine, &CommEngine::portOpenChanged, [&](bool open) {
        if (!open)
            loop.quit();
    });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, &loop, [&] {
        if (firstUs < 0)
            loop.quit();
    });
    giveUp.start(30000);
    if (!engine.openPort()) {
        r.problem = QStringLiteral("port %1 not opened").arg(sim.pty());
        return r;
    }
    loop.exec();
    const CommEngine::Totals after = engine.totals();
    engine.closePort();
    if (firstUs < 0 || r.cycles == 0) {
        r.problem = QStringLiteral("no monitoring cycle");
        return r;
    }
    r.cyclesPerSecond = r.cycles * 1e6 / double(lastUs - firstUs);
    r.masterLateUs = lateCount ? double(lateSumUs) / lateCount : 0;
    r.timeouts = after.timeouts - before.timeouts;
    r.badFrames = after.badFrames - before.badFrames;
    return r;
}

struct Summary {
    double best = 0, median = 0;
    double masterLateUs = 0; // of the median run
    quint64 timeouts = 0, badFrames = 0;
    QString problem;
};

Summary measureRuns(int baud, const QString& interval, double seconds, int runs) {
    Summary s;
    QList<double> rates;
    QList<Run> done;
    for (int i = 0; i < runs; ++i) {
        const Run r = measure(baud, interval, seconds);
        if (!r.problem.isEmpty()) {
            s.problem = r.problem;
            continue;
        }
        rates << r.cyclesPerSecond;
        done << r;
        s.timeouts += r.timeouts;
        s.badFrames += r.badFrames;
    }
    if (rates.isEmpty())
        return s;
    std::sort(rates.begin(), rates.end());
    s.best = rates.last();
    s.median = rates.size() % 2 ? rates[rates.size() / 2]
                                : (rates[rates.size() / 2 - 1] + rates[rates.size() / 2]) / 2;
    std::sort(done.begin(), done.end(),
              [](const Run& a, const Run& b) { return a.cyclesPerSecond < b.cyclesPerSecond; });
    s.masterLateUs = done[done.size() / 2].masterLateUs;
    return s;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({
        {QStringLiteral("seconds"), QStringLiteral("Seconds measured per run (default 5)."),
         QStringLiteral("S")},
        {QStringLiteral("runs"), QStringLiteral("Runs per row (default 3)."), QStringLiteral("N")},
        {QStringLiteral("bauds"), QStringLiteral("Baud rates (default 9600 to 115200)."),
         QStringLiteral("LIST")},
    });
    parser.addHelpOption();
    parser.process(app);
    const double seconds = std::max(1.0, parser.value(QStringLiteral("seconds")).toDouble());
    const int runs = std::max(1, parser.value(QStringLiteral("runs")).toInt());
    QList<int> bauds{9600, 19200, 38400, 57600, 115200};
    if (parser.isSet(QStringLiteral("bauds"))) {
        bauds.clear();
        for (const QString& b : parser.value(QStringLiteral("bauds")).split(u','))
            if (b.toInt() > 0)
                bauds << b.toInt();
    }
    QTextStream out(stdout);
    out << "Monitoring cycles of one 12-channel meter, td700-sim --turnaround 0 on a "
           "pseudo-terminal, "
        << (parser.isSet(QStringLiteral("seconds")) ? seconds : 5.0) << " s x " << runs
        << " runs per row (best / median)\n"
        << "interval 0 (shortest):\n"
        << "  baud  ceiling/s  best/s  median/s  best/ceiling  median/ceiling  time-outs  "
           "bad frames  master late us  rig late us\n";
    out.flush();
    const auto row = [&](int baud, const Summary& s, double reference) {
        if (s.best <= 0) {
            out << QStringLiteral("%1  %2\n").arg(baud, 6).arg(s.problem);
            return;
        }
        // Per request, of the median run: the time beyond the reference that the master did
        // not take is the rig's (the simulator, the pseudo-terminal, a busy machine's
        // scheduler).
        const double excessUs = (1e6 / s.median - 1e6 / reference) / 2;
        out << QStringLiteral("%1  %2  %3  %4  %5 %  %6 %  %7  %8  %9  %10\n")
                   .arg(baud, 6)
                   .arg(reference, 9, 'f', 2)
                   .arg(s.best, 6, 'f', 2)
                   .arg(s.median, 8, 'f', 2)
                   .arg(100 * s.best / reference, 10, 'f', 1)
                   .arg(100 * s.median / reference, 12, 'f', 1)
                   .arg(s.timeouts, 9)
                   .arg(s.badFrames, 10)
                   .arg(s.masterLateUs, 14, 'f', 0)
                   .arg(excessUs - s.masterLateUs, 11, 'f', 0);
        out.flush();
    };
    for (int baud : bauds)
        row(baud, measureRuns(baud, QStringLiteral("0"), seconds, runs), ceilingPerSecond(baud));
    out << "interval 50 ms (standard), against its model (wire time, a silence before each "
           "reply, 50 ms after it):\n"
        << "  baud    model/s  best/s  median/s    best/model    median/model  time-outs  "
           "bad frames  master late us  rig late us\n";
    for (int baud : bauds)
        row(baud, measureRuns(baud, QString(), seconds, runs), standardModelPerSecond(baud));
    return 0;
}
