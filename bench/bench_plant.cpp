// Watching a plant through the broker: a generator (this program again, as a child) publishes
// NODES nodes of METERS twelve-channel meters, a record a second each, to a local mosquitto
// started here; the watcher (a PlantSubscriber, as td700 watch and the desktop's plant mode
// hold it) takes them in. Prints the messages taken a second, the watcher's CPU share and its
// memory. `bench_plant [NODES [METERS [SECONDS]]]`, by default 50 × 247 for 20 s.
#include "LocalBroker.h"
#include "core/Clock.h"
#include "plant/PlantSubscriber.h"
#include "publish/RecordPayload.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

BrokerConnection::Options optionsFor(int port, const QString& clientId) {
    BrokerConnection::Options o;
    o.address.host = QStringLiteral("127.0.0.1");
    o.address.port = port;
    o.address.prefix = QStringLiteral("bench");
    o.clientId = clientId;
    return o;
}

QByteArray meta(int address) {
    QByteArray info;
    for (int ch = 1; ch <= 12; ++ch)
        info += (ch > 1 ? "," : "") + QStringLiteral(R"({"ch":%1,"name":"CH%1","unit":"°C",)"
                                                     R"("decimals":1,"low":0,"high":400})")
                                          .arg(ch)
                                          .toUtf8();
    return QStringLiteral(R"({"address":%1,"model":20,"channels":12,"firmware":"1.20",)")
               .arg(address)
               .toUtf8() +
           R"("channel_info":[)" + info + "]}";
}

QByteArray record(qint64 seq, const QString& ts) {
    QByteArray values;
    for (int ch = 1; ch <= 12; ++ch)
        values += (ch > 1 ? "," : "") + QByteArray(R"({"ch":)") + QByteArray::number(ch) +
                  R"(,"value":)" + QByteArray::number(double(seq % 4000) / 10 + ch, 'f', 1) +
                  R"(,"state":0})";
    return R"({"ts":")" + ts.toUtf8() + R"(","seq":)" + QByteArray::number(seq) +
           R"(,"replayed":false,"channels":[)" + values + R"(],"alarms":[{"ch":1,"alarm":1}]})";
}

// The generator: every node's status and every meter's meta and link once, retained, then a
// record of every meter each second, spread over the second. All at QoS 0: the client library
// walks its queue of unacknowledged messages on every acknowledgement, and twelve thousand at
// QoS 1 would make the generator, not the watcher, the bottleneck.
int generate(int port, int nodes, int meters, int seconds) {
    SystemClock clock;
    BrokerConnection link(clock, optionsFor(port, QStringLiteral("bench-generator")));
    qint64 seq = 0;
    int tick = 0;
    constexpr int kSlices = 20;
    QTimer slices;
    slices.setInterval(1000 / kSlices);
    QObject::connect(&slices, &QTimer::timeout, [&] {
        if (tick >= seconds * kSlices) {
            link.stop(2000);
            QCoreApplication::quit();
            return;
        }
        const int slice = tick++ % kSlices;
        if (slice == 0)
            ++seq;
        const QString ts = QDateTime::currentDateTime().toOffsetFromUtc(0).toString(Qt::ISODate);
        for (int n = 0; n < nodes; ++n)
            for (int m = 1 + slice; m <= meters; m += kSlices)
                link.publish(Topics::meter(QStringLiteral("bench"), QStringLiteral("node%1").arg(n),
                                           m, "data"),
                             record(seq, ts), 0, false);
    });
    QObject::connect(&link, &BrokerLink::connected, [&] {
        for (int n = 0; n < nodes; ++n) {
            const QString node = QStringLiteral("node%1").arg(n);
            link.publish(Topics::status(QStringLiteral("bench"), node),
                         StatusPayload(true, QStringLiteral("bench"), QDateTime::currentDateTime(),
                                       QStringLiteral("s")),
                         0, true);
            for (int m = 1; m <= meters; ++m) {
                link.publish(Topics::meter(QStringLiteral("bench"), node, m, "meta"), meta(m), 0,
                             true);
                link.publish(Topics::meter(QStringLiteral("bench"), node, m, "link"),
                             LinkPayload(true, 1, 0, 0), 0, true);
            }
        }
        slices.start();
    });
    link.start();
    return QCoreApplication::exec();
}

// User and system time of this process alone: the watcher. The generator is a child process
// and the broker another, neither counted.
double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// VmRSS or VmHWM of this process, in MB.
double memoryMb(const char* field) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(strlen(field))).trimmed().split(' ').value(0).toDouble() /
                   1024;
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    if (args.value(1) == u"--generate")
        return generate(args.value(2).toInt(), args.value(3).toInt(), args.value(4).toInt(),
                        args.value(5).toInt());
    const int nodes = args.size() > 1 ? args[1].toInt() : 50;
    const int meters = args.size() > 2 ? args[2].toInt() : 247;
    const int seconds = args.size() > 3 ? args[3].toInt() : 20;
    LocalBroker broker;
    if (broker.port() == 0) {
        std::printf("mosquitto is not installed (scripts/setup installs it)\n");
        return 0;
    }
    std::printf("mosquitto on 127.0.0.1:%d; %d nodes x %d meters, a twelve-channel record a "
                "second each, %d s\n",
                broker.port(), nodes, meters, seconds);
    const double rssBefore = memoryMb("VmRSS:");
    SystemClock clock;
    PlantSubscriber plant(clock, optionsFor(broker.port(), QStringLiteral("bench-watcher")));
    // Messages taken, not changes told: a burst tells of each meter once.
    const auto taken = [&] { return plant.state().counts().taken; };
    qint64 changes = 0;
    QObject::connect(&plant.state(), &PlantState::changed, [&] { ++changes; });
    plant.start();
    QProcess generator;
    generator.setProcessChannelMode(QProcess::ForwardedChannels);
    generator.start(app.applicationFilePath(),
                    {QStringLiteral("--generate"), QString::number(broker.port()),
                     QString::number(nodes), QString::number(meters), QString::number(seconds)});
    // The figures from the third second on: the first ones take in the retained messages.
    QElapsedTimer wall;
    wall.start();
    double cpu0 = 0;
    qint64 wall0 = 0, taken0 = 0, changes0 = 0;
    QTimer second;
    second.setInterval(1000);
    QObject::connect(&second, &QTimer::timeout, [&] {
        if (wall.elapsed() / 1000 == 2) {
            cpu0 = cpuSeconds();
            wall0 = wall.elapsed();
            taken0 = taken();
            changes0 = changes;
        }
    });
    second.start();
    QObject::connect(&generator, &QProcess::finished, [&] { QCoreApplication::quit(); });
    app.exec();
    const double span = double(wall.elapsed() - wall0) / 1000;
    std::printf("messages taken    %.0f a second (expected %d), %.0f changes told\n",
                double(taken() - taken0) / span, nodes * meters, double(changes - changes0) / span);
    const double cpu = cpuSeconds() - cpu0;
    std::printf("watcher CPU       %.1f %% of a core, %.2f us a message (user + system time of "
                "the watcher's process alone)\n",
                100 * cpu / span, 1e6 * cpu / double(std::max<qint64>(1, taken() - taken0)));
    std::printf("watcher memory    %.1f MB now, %.1f MB at most (%.1f MB before)\n",
                memoryMb("VmRSS:"), memoryMb("VmHWM:"), rssBefore);
    const PlantState::Counts& c = plant.state().counts();
    std::printf("messages          %lld taken, %lld malformed, %lld over a limit\n", c.taken,
                c.malformed, c.overLimit);
    plant.stop();
    return 0;
}
