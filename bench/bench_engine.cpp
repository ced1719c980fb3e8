// The monitoring cycle's rate against the simulated bus with wire-time emulation, on the
// virtual clock: meter cycles per second (one status and one values request answered) for
// 1 and 8 meters at each baud rate, at the 50 ms scheduler interval and at the shortest one
// the baud rate allows, beside the ceiling the line itself sets for the same bytes. Also how
// many requests per second of processor time the engine and the simulator get through.

#include "comm/CommEngine.h"
#include "comm/MeterList.h"
#include "core/Clock.h"
#include "simlink/SimSerialLink.h"

#include <QCoreApplication>
#include <QTextStream>
#include <ctime>

namespace {

constexpr qint64 kMeasureMs = 300 * 1000; // virtual time measured, after the scan

// Bytes of one meter cycle on the line: status request and reply, values request and reply.
constexpr int kCycleBytes = 8 + 9 + 8 + 99;
constexpr int kCycleFrames = 4;

// The line's own limit: 10 bits per character, and 3.5 characters of silence after every
// frame (a fixed 1.75 ms above 19200 baud).
double ceilingCyclesPerSecond(int baud) {
    const double charSeconds = 10.0 / baud;
    const double silence = baud > 19200 ? 0.00175 : 3.5 * charSeconds;
    return 1.0 / (kCycleBytes * charSeconds + kCycleFrames * silence);
}

struct Result {
    double cyclesPerSecond = 0;
    double requestsPerCpuSecond = 0;
    int intervalMs = 0;
};

Result measure(int meters, int baud, bool shortestInterval) {
    VirtualClock clock;
    SimSerialLink link(clock);
    link.setTurnaroundMs(0); // each reply as soon as a slave may, as the ceiling counts it
    CommEngine engine(clock);
    QStringList marks;
    QStringList bus;
    for (int a = 1; a <= meters; ++a) {
        marks << QStringLiteral("O");
        bus << QStringLiteral("%1:12:1.20").arg(a);
    }
    BuildMeterTables(marks, engine.state(), engine.tables());
    PortSettings port;
    port.portName = QStringLiteral("DEMO:") + bus.join(u',');
    port.baud = QString::number(baud);
    port.txInterval = shortestInterval ? QStringLiteral("0") : QString();
    engine.setPortSettings(port);
    engine.setLink(&link);

    quint64 cycles = 0;
    QObject::connect(&engine, &CommEngine::meterPolled,
                     [&](int, bool answered) { cycles += answered ? 1 : 0; });
    if (!engine.openPort())
        return {};
    clock.runUntil([&] { return cycles > 0; }, 600 * 1000);
    cycles = 0;
    const quint64 requestsBefore = engine.totals().requests;
    // Processor time, not wall time: the figure should not depend on what else the machine runs.
    const std::clock_t cpuBefore = std::clock();
    clock.advance(kMeasureMs);
    const double cpuSeconds = std::max(1e-6, double(std::clock() - cpuBefore) / CLOCKS_PER_SEC);
    Result r;
    r.cyclesPerSecond = cycles * 1000.0 / kMeasureMs;
    r.requestsPerCpuSecond = (engine.totals().requests - requestsBefore) / cpuSeconds;
    r.intervalMs = port.txIntervalMs();
    engine.closePort();
    return r;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    out << "Monitoring cycle rate on the simulated bus (virtual clock, " << kMeasureMs / 1000
        << " s measured per row)\n"
        << "meters   baud  interval  cycles/s  ceiling/s  ratio  requests per CPU second\n";
    for (int meters : {1, 8})
        for (int baud : {9600, 19200, 38400, 57600})
            for (bool shortest : {false, true}) {
                const Result r = measure(meters, baud, shortest);
                const double ceiling = ceilingCyclesPerSecond(baud);
                out << QStringLiteral("%1  %2  %3 ms  %4  %5  %6  %7\n")
                           .arg(meters, 6)
                           .arg(baud, 5)
                           .arg(r.intervalMs, 5)
                           .arg(r.cyclesPerSecond, 8, 'f', 2)
                           .arg(ceiling, 9, 'f', 2)
                           .arg(r.cyclesPerSecond / ceiling, 5, 'f', 2)
                           .arg(r.requestsPerCpuSecond, 12, 'f', 0);
                out.flush();
            }
    return 0;
}
