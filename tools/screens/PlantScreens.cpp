#include "app/PlantListModel.h"
#include "app/frmTD_Main.h"
#include "app/frmTD_SetPlant.h"
#include "core/Clock.h"
#include "monitor/MonitorFactory.h"
#include "publish/BrokerConnection.h"
#include "publish/RecordPayload.h"
#include "screens/ScreenRegistry.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextStream>
#include <cmath>
#include <numbers>

namespace {

struct ShownMeter {
    const char* node;
    int address;
    int model;
    QList<DataChannel> channels;
    const char* link;
};

// Two bus PCs and one that has gone, as a plant shows them.
const QList<ShownMeter>& plantMeters() {
    static const QList<ShownMeter> meters{
        {"boiler-house",
         1,
         20,
         {{"BOILER-IN", "°C", 200, 0, 1},
          {"BOILER-OUT", "°C", 150, -50, 1},
          {"FEED-V", "V", 10, 0, 2},
          {"FLOW-4", "mA", 20, 4, 2},
          {"ROOM-RH", "%", 100, 0, 1},
          {"TC-MV", "mV", 50, 0, 1},
          {"STEAM-P", "kPa", 1000, 0, 0},
          {"TANK-A", "°C", 80, -20, 1},
          {"VALVE-9", "V", 5, -5, 3},
          {"FLUE-GAS", "°F", 300, 0, 1},
          {"HALL-RH", "%", 100, 0, 1},
          {"WATER-PH", "pH", 14, 0, 2}},
         "OK"},
        {"boiler-house",
         2,
         40,
         {{"FEED-A", "°C", 120, 0, 1},
          {"FEED-B", "°C", 120, 0, 1},
          {"DRUM-P", "bar", 16, 0, 2},
          {"LEVEL", "mm", 800, 0, 0}},
         "OK"},
        {"line-2",
         3,
         10,
         {{"OVEN-1", "°C", 400, 0, 1},
          {"OVEN-2", "°C", 400, 0, 1},
          {"OVEN-3", "°C", 400, 0, 1},
          {"BELT-V", "m/min", 20, 0, 2},
          {"EXHAUST", "°C", 250, 0, 1},
          {"HUMIDITY", "%", 100, 0, 1}},
         "OK"},
        {"line-2", 4, 0, {{"COOL-IN", "°C", 60, 0, 1}, {"COOL-OUT", "°C", 60, 0, 1}}, "NG"},
        {"packing", 5, 0, {{"ROOM", "°C", 50, 0, 1}, {"RH", "%", 100, 0, 1}}, "OK"},
    };
    return meters;
}

QString stampText(const QDateTime& t) {
    return t.toOffsetFromUtc(t.offsetFromUtc()).toString(Qt::ISODate);
}

QByteArray metaOf(const ShownMeter& m) {
    MeterDescription d;
    d.address = m.address;
    d.modelCode = m.model;
    d.channelCount = int(m.channels.size());
    d.firmware = QStringLiteral("1.20");
    for (int i = 0; i < m.channels.size(); ++i)
        d.channels.channels[size_t(i)] = m.channels[i];
    return MetaPayload(d);
}

// A record of slow waves over each channel's range; channel 1 crosses its high alarm.
QByteArray dataOf(const ShownMeter& m, int tick, const QDateTime& at) {
    QByteArray channels;
    QByteArray alarms;
    for (int i = 0; i < m.channels.size(); ++i) {
        const DataChannel& c = m.channels[i];
        const double phase = tick * 2 * std::numbers::pi / (150 + 23 * i) + 0.8 * i + m.address;
        const double share = 0.5 + 0.3 * std::sin(phase) + 0.05 * std::sin(tick * 0.21 + i);
        const double value = c.low + (c.high - c.low) * share;
        if (!channels.isEmpty())
            channels += ',';
        channels += "{\"ch\":" + QByteArray::number(i + 1) +
                    ",\"value\":" + QByteArray::number(value, 'f', c.decimals) + ",\"state\":0}";
        if (i == 0 && share > 0.75)
            alarms = "{\"ch\":1,\"alarm\":1}";
    }
    return "{\"ts\":\"" + stampText(at).toLatin1() + "\",\"seq\":" + QByteArray::number(tick + 1) +
           ",\"replayed\":false,\"channels\":[" + channels + "],\"alarms\":[" + alarms + "]}";
}

bool waitFor(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

// A mosquitto of its own on a free loopback port, open to anyone there.
class LocalBroker {
public:
    bool start() {
        const QString program = QStandardPaths::findExecutable(
            QStringLiteral("mosquitto"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
        if (program.isEmpty())
            return false;
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        m_port = probe.serverPort();
        probe.close();
        QFile conf(m_dir.path() + QStringLiteral("/mosquitto.conf"));
        if (!conf.open(QIODevice::WriteOnly))
            return false;
        QTextStream(&conf) << "listener " << m_port << " 127.0.0.1\nallow_anonymous true\n";
        conf.close();
        m_process.start(program, {QStringLiteral("-c"), conf.fileName()});
        return m_process.waitForStarted(5000);
    }
    ~LocalBroker() {
        m_process.terminate();
        m_process.waitForFinished(3000);
    }
    QString url() const { return QStringLiteral("mqtt://127.0.0.1:%1/plant").arg(m_port); }
    int port() const { return m_port; }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
};

void renderPlant(ScreenContext& context) {
    LocalBroker broker;
    if (!broker.start()) {
        QTextStream(stderr) << "td700-screens: plant mode needs mosquitto; not rendered\n";
        return;
    }
    SystemClock clock;
    BrokerConnection::Options options;
    options.address =
        BrokerAddress{false, QStringLiteral("127.0.0.1"), broker.port(), QStringLiteral("plant")};
    options.clientId = QStringLiteral("td700-screens-plant");
    BrokerConnection publisher(clock, options);
    publisher.start();
    if (!waitFor([&] { return publisher.isConnected(); })) {
        QTextStream(stderr) << "td700-screens: the local broker was not reached\n";
        return;
    }
    const QDateTime start = QDateTime::currentDateTime().addSecs(-400);
    for (const char* node : {"boiler-house", "line-2", "packing"}) {
        const bool gone = QByteArray(node) == "packing";
        publisher.publish(Topics::status(QStringLiteral("plant"), QLatin1String(node)),
                          StatusPayload(!gone, QStringLiteral("5.4"), start, QStringLiteral("s")),
                          1, true);
    }
    const auto topic = [](const ShownMeter& m, const char* leaf) {
        return Topics::meter(QStringLiteral("plant"), QLatin1String(m.node), m.address, leaf);
    };
    for (const ShownMeter& m : plantMeters()) {
        publisher.publish(topic(m, "meta"), metaOf(m), 1, true);
        publisher.publish(topic(m, "link"), LinkPayload(QByteArray(m.link) == "OK", 100, 0, 0), 1,
                          true);
    }

    QTemporaryDir home;
    frmTD_Main::Options windowOptions;
    windowOptions.paths = AppPaths(home.path());
    windowOptions.askBeforeQuit = false;
    frmTD_Main window(clock, windowOptions);
    window.resize(context.mainWindowSize());
    window.show();
    PublishSettings settings;
    settings.url = broker.url();
    QString why;
    if (!window.startPlantMode(settings, &why)) {
        QTextStream(stderr) << "td700-screens: plant mode: " << why << '\n';
        return;
    }
    // The packing node's last record is long gone by; the others publish a record a second.
    publisher.publish(topic(plantMeters().last(), "data"),
                      dataOf(plantMeters().last(), 0, start.addSecs(-3600)), 1, false);
    waitFor([&] { return window.plantListModel()->rowCount() == plantMeters().size(); });
    window.selectPlantMeter(QStringLiteral("boiler-house"), 1);
    window.runCommand(MainCommand::mOnlineSingleLine);
    QDialog* trend = window.openWindows().value(0);
    if (trend)
        SetMonitorTimerEnabled(trend, false);
    constexpr int kTicks = 400;
    for (int tick = 0; tick < kTicks; ++tick) {
        const QDateTime at = start.addSecs(tick);
        for (int i = 0; i < plantMeters().size() - 1; ++i)
            publisher.publish(topic(plantMeters()[i], "data"), dataOf(plantMeters()[i], tick, at),
                              1, false);
        const QString shown = at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        waitFor([&] { return window.plantListModel()->rowTexts().value(2).contains(shown); });
        if (trend)
            RunMonitorTick(trend);
    }
    window.selectPlantMeter(QStringLiteral("boiler-house"), 1);
    context.save(window, QStringLiteral("frmTD_Main-plant"));
    if (trend)
        context.save(*trend, QStringLiteral("frmTD_Mon_Line12-plant"));
    window.stopPlantMode();
    publisher.stop(0);
}

void renderWatchDialog(ScreenContext& context) {
    QTemporaryDir home;
    const AppPaths paths(home.path());
    paths.ensureCfgFolder();
    PublishSettings s;
    s.url = QStringLiteral("mqtts://broker.plant.local:8883/plant");
    s.user = QStringLiteral("office");
    s.passwordFile = QStringLiteral("/home/office/.td700-broker");
    s.caFile = QStringLiteral("/etc/td700/plant-ca.pem");
    WritePublishSettings(paths.plantIni(), s);
    frmTD_SetPlant dialog(paths.plantIni());
    context.save(dialog, QStringLiteral("frmTD_SetPlant"));
}

} // namespace

void RegisterPlantScreens(ScreenRegistry& registry) {
    registry.add(QStringLiteral("frmTD_SetPlant"), QStringLiteral("the broker plant mode watches"),
                 renderWatchDialog);
    registry.add(QStringLiteral("frmTD_Main-plant"),
                 QStringLiteral("plant mode: the nodes and meters of a local mosquitto, and a "
                                "trend of a remote meter"),
                 renderPlant);
}
