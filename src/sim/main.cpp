// td700-sim: a TD700 recorder simulator on a pseudo-terminal or over TCP.
#include "core/Clock.h"
#include "core/Version.h"
#include "sim/SimBus.h"
#include "sim/SimOptions.h"
#include "sim/SimPort.h"
#include "sim/SimPtyEndpoint.h"
#include "sim/SimTcpEndpoint.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTime>
#include <cstdio>
#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int gSignalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(gSignalPipe[1], &byte, 1);
}

// SIGINT and SIGTERM end the event loop, so that the endpoints close and the pty link goes.
void quitOnSignals(QCoreApplication& app) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, gSignalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(gSignalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] {
        char byte;
        [[maybe_unused]] const auto n = ::read(gSignalPipe[0], &byte, 1);
        app.quit();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace
#else
namespace {
void quitOnSignals(QCoreApplication&) {}
} // namespace
#endif

namespace {

void printLine(const QString& line) {
    std::fputs(line.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void trace(const QString& direction, const QByteArray& bytes) {
    const QString line = QStringLiteral("%1 %2 %3\n")
                             .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")),
                                  direction, QString::fromLatin1(bytes.toHex(' ').toUpper()));
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

QString dumpLine(SimBus& bus, const SimOptions::Dump& dump) {
    QString line = QStringLiteral("%1:%2:%3").arg(dump.address).arg(dump.first).arg(dump.count);
    SimMeter* meter = bus.meter(dump.address);
    if (!meter)
        return line + QStringLiteral(" no meter");
    QList<quint16> values;
    const int code = meter->readHolding(dump.first, dump.count, &values);
    if (code)
        return line + QStringLiteral(" exception %1").arg(code);
    for (quint16 v : values)
        line += QStringLiteral(" %1").arg(v);
    return line;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("td700-sim"));

    QString error;
    const auto options = SimOptions::parse(QCoreApplication::arguments(), &error);
    if (!options) {
        std::fprintf(stderr, "td700-sim: %s\nTry td700-sim --help.\n", qPrintable(error));
        return 2;
    }
    if (options->help) {
        std::fputs(SimOptions::helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (options->version) {
        std::fputs(VersionText(QStringLiteral("td700-sim")).toLocal8Bit().constData(), stdout);
        return 0;
    }

    // Before anything is printed: a client may signal as soon as it reads the first line.
    quitOnSignals(app);

    SystemClock clock;
    SimBus bus(clock);
    bus.setMeters(options->meters);
    bus.faults().setSeed(options->seed);
    for (const SimFaultRule& rule : options->faults)
        bus.faults().add(rule);
    if (options->clock.isValid())
        for (SimMeter* meter : bus.meters())
            meter->setDeviceClock(options->clock);
    bus.setFrozen(options->freeze);

    auto setUp = [&options](SimPort& port) {
        port.setLine(options->line);
        port.setTurnaroundMs(options->turnaroundMs);
        port.setEcho(options->echo);
        if (options->verbose)
            port.setTrace(trace);
    };

    std::unique_ptr<SimPtyEndpoint> pty;
    std::unique_ptr<SimTcpEndpoint> tcp;
    if (options->pty) {
        pty = std::make_unique<SimPtyEndpoint>(bus, clock);
        setUp(pty->port());
        if (!pty->open(&error)) {
            std::fprintf(stderr, "td700-sim: %s\n", qPrintable(error));
            return 3;
        }
        if (!options->ptyLink.isEmpty() && !pty->createLink(options->ptyLink, &error)) {
            std::fprintf(stderr, "td700-sim: %s\n", qPrintable(error));
            return 3;
        }
        printLine(pty->slavePath());
    }
    if (!options->tcp.isEmpty()) {
        tcp = std::make_unique<SimTcpEndpoint>(bus, clock);
        tcp->setPortSetup(setUp);
        tcp->setKeepReplies(options->keepReplies);
        if (!tcp->listen(options->tcp, &error)) {
            std::fprintf(stderr, "td700-sim: %s\n", qPrintable(error));
            return 3;
        }
        printLine(tcp->url());
    }
    for (const SimOptions::Dump& dump : options->dumps)
        printLine(dumpLine(bus, dump));
    if (options->verbose) {
        for (const SimMeterConfig& config : bus.configs())
            std::fprintf(stderr, "meter %s\n", qPrintable(config.toString()));
        for (const SimFaultRule& rule : bus.faults().rules())
            std::fprintf(stderr, "fault %s\n", qPrintable(rule.toString()));
    }

    return app.exec();
}
