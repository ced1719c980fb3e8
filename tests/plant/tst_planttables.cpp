#include "comm/ChannelDisplay.h"
#include "core/Clock.h"
#include "monitor/MonitorMeter.h"
#include "monitor/TrendMonitor.h"
#include "plant/PlantJson.h"
#include "plantview/PlantTables.h"

#include <QTest>

using namespace ChannelDisplay;

namespace {

const QByteArray kOnline = R"({"state":"online","since":"2026-12-07T14:50:02+09:00"})";
const QByteArray kOffline = R"({"state":"offline"})";

const QByteArray kFourChannels =
    R"({"address":7,"model":40,"channels":4,"firmware":"1.16","channel_info":[)"
    R"({"ch":1,"name":"BOILER-IN","unit":"°C","decimals":1,"low":-50,"high":400},)"
    R"({"ch":2,"name":"P","unit":"bar","decimals":2,"low":0,"high":10},)"
    R"({"ch":3,"name":"","unit":"%","decimals":3,"low":-5,"high":5},)"
    R"({"ch":4,"name":"FLOW","unit":"m3/h","decimals":0,"low":0,"high":1000}]})";
const QByteArray kFourData =
    R"({"ts":"2026-12-07T14:52:29+09:00","seq":17,"channels":[{"ch":1,"value":370.4,"state":0},)"
    R"({"ch":2,"value":null,"state":3},{"ch":3,"value":-1.235,"state":0},)"
    R"({"ch":4,"value":512,"state":null}],"alarms":[{"ch":1,"alarm":2},{"ch":3,"alarm":4}]})";

const QByteArray kTwelveChannels =
    R"({"address":12,"model":20,"channels":12,"firmware":"1.20","channel_info":[)"
    R"({"ch":9,"name":"TANK","unit":"mm","decimals":1,"low":0,"high":2500},)"
    R"({"ch":12,"name":"PH","unit":"pH","decimals":2,"low":0,"high":14}]})";
const QByteArray kTwelveData =
    R"({"ts":"2026-01-02T03:04:05+09:00","seq":3,"channels":[{"ch":1,"value":12,"state":0},)"
    R"({"ch":7,"value":null,"state":1},{"ch":9,"value":2499.9,"state":0},)"
    R"({"ch":12,"value":7.01,"state":null}],"alarms":[{"ch":5,"alarm":3},{"ch":12,"alarm":1}],)"
    R"("di":[2,6],"relays":[1,12]})";

QString topic(const char* leaf, int address = 0) {
    return address ? QStringLiteral("plant/line1/%1/%2").arg(address).arg(QLatin1String(leaf))
                   : QStringLiteral("plant/line1/%1").arg(QLatin1String(leaf));
}

} // namespace

// A meter's meta and data messages in its table row, read back as the monitors read it and
// compared with the messages as the watcher reads them.
class TestPlantTables : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowsAsTheMonitorsReadThem_data() {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<int>("address");
        QTest::addColumn<QByteArray>("meta");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QByteArray>("link");
        QTest::addColumn<bool>("flows");
        QTest::addColumn<QList<int>>("lamps"); // the words of the inputs and relays that are on
        QTest::newRow("four channels, one invalid, two alarms")
            << kOnline << 7 << kFourChannels << kFourData << QByteArray(R"({"link":"OK"})") << true
            << QList<int>{0, 0};
        QTest::newRow("twelve channels, link lost, inputs and relays")
            << kOnline << 12 << kTwelveChannels << kTwelveData << QByteArray(R"({"link":"NG"})")
            << true << QList<int>{0b100010, 0b100000000001};
        QTest::newRow("as published, inputs and relays")
            << kOnline << 7 << kFourChannels
            << QByteArray(R"({"ts":"2026-12-07T14:52:29+09:00","seq":17,"replayed":false,)"
                          R"("channels":[{"ch":1,"value":370.4,"state":0}],"alarms":[],)"
                          R"("di":[1,4,16],"relays":[3,16]})")
            << QByteArray(R"({"link":"OK"})") << true << QList<int>{0b1001, 0b1000000000000100};
        QTest::newRow("a record before its meta") << kOnline << 7 << QByteArray() << kFourData
                                                  << QByteArray() << true << QList<int>{0, 0};
        QTest::newRow("node gone offline")
            << kOffline << 7 << kFourChannels << kFourData << QByteArray(R"({"link":"OK"})")
            << false << QList<int>{0, 0};
    }
    void rowsAsTheMonitorsReadThem() {
        QFETCH(QByteArray, status);
        QFETCH(int, address);
        QFETCH(QByteArray, meta);
        QFETCH(QByteArray, record);
        QFETCH(QByteArray, link);
        QFETCH(bool, flows);
        QFETCH(QList<int>, lamps);

        PlantState plant(QStringLiteral("plant"));
        PlantTables source(plant);
        // A meter before and after it, so that the row is found by its address.
        plant.take(topic("data", 1), kFourData, 1000);
        plant.take(topic("status"), status, 1000);
        if (!meta.isEmpty())
            plant.take(topic("meta", address), meta, 1000);
        if (!link.isEmpty())
            plant.take(topic("link", address), link, 1000);
        plant.take(topic("data", address), record, 1000);
        plant.take(topic("data", 200), kTwelveData, 1000);

        const NodeTables* node = source.node(QStringLiteral("line1"));
        QVERIFY(node);
        const PlantMeter& meter = plant.nodes().value(QStringLiteral("line1")).meters[address];
        const int row = int(node->state.gMeterAddress.indexOf(address)) + 1;
        QCOMPARE(row, 2);
        const DeviceTables& t = node->tables;

        // The status list: address, link, model and firmware as the meter reports them.
        QCOMPARE(t.sprdStatus.text(1, row), QString::number(address));
        const QString linkText =
            link.isEmpty() ? QStringLiteral("OK") : meter.link; // records flow: it answers
        QCOMPARE(t.sprdStatus.text(2, row), linkText);
        QCOMPARE(t.sprdStatus.text(3, row),
                 meta.isEmpty() ? QString() : QString::number(meter.description.modelCode));
        QCOMPARE(t.sprdStatus.text(4, row), meter.description.firmware);

        const MeterReading reading = ReadMeter(t, row);
        QCOMPARE(reading.answering, linkText == u"OK");
        QCOMPARE((QList<int>{int(reading.inputWord), int(t.sprdMON.integer(12, row))}), lamps);
        QCOMPARE(reading.date + u'T' + reading.time, meter.ts.left(19));
        for (const PlantChannel& c : meter.channels) {
            const int ch = c.ch - 1;
            QCOMPARE(reading.states[size_t(ch)] == 0, c.value.has_value());
            if (!meta.isEmpty()) // the watcher's figure is the monitor's figure
                QCOMPARE(MeterValueText(t, row, ch, c.value.has_value()),
                         c.value ? QString::fromLatin1(PlantValueText(meter, c.ch, *c.value))
                                 : InvalidValueText(
                                       meter.description.channels.channels[size_t(ch)].decimals));
            if (c.value)
                QCOMPARE(float(reading.values[size_t(ch)]), float(*c.value));
        }
        for (int ch = 0; ch < meter.description.channelCount; ++ch) {
            const DataChannel& d = meter.description.channels.channels[size_t(ch)];
            const ChannelSettings s = ReadScannedChannelSettings(t, row, ch);
            QCOMPARE(s.name, d.name);
            QCOMPARE(s.unit, d.unit);
            QCOMPARE(s.decimals, d.decimals);
            QCOMPARE(s.max, double(CaptionNumber(FormatValue(d.high, d.decimals))));
            QCOMPARE(s.min, double(CaptionNumber(FormatValue(d.low, d.decimals))));
        }

        // The alarms a monitor shows of this meter are the record's, no more.
        MonitorContext context;
        context.state = &node->state;
        context.tables = &t;
        context.address = address;
        context.settingsCurrent = [](int) { return false; };
        const MonitorMeter shown(context);
        QCOMPARE(shown.dataFlows(), flows);
        int on = 0;
        for (int ch = 0; ch < 12; ++ch)
            for (int a = 0; a < 4; ++a)
                on += shown.alarmState(a, ch);
        QCOMPARE(on, int(meter.alarms.size()));
        for (const PlantAlarm& a : meter.alarms)
            QCOMPARE(shown.alarmState(a.alarm - 1, a.ch - 1), quint8(1));
        QCOMPARE(shown.alarmActive(), !meter.alarms.isEmpty());
    }

    // A broker away or a record too old freezes a remote monitor as a silent meter does; the
    // next record lets it run again.
    void staleMetersStopTheirMonitors() {
        PlantState plant(QStringLiteral("plant"));
        PlantTables source(plant);
        plant.take(topic("status"), kOnline, 0);
        plant.take(topic("meta", 7), kFourChannels, 0);
        const QByteArray second = QByteArray(kFourData).replace("14:52:29", "14:52:30");
        plant.take(topic("data", 7), kFourData, 0);
        plant.take(topic("data", 7), QByteArray(second).replace("\"seq\":17", "\"seq\":18"), 1000);
        const NodeTables* node = source.node(QStringLiteral("line1"));
        QVERIFY(node->state.isOnline(0));
        plant.setBrokerConnected(false, 1500);
        QVERIFY(!node->state.isOnline(0));
        plant.setBrokerConnected(true, 1600);
        QVERIFY(node->state.isOnline(0));
        plant.refresh(1000 + 4 * 1000);
        QVERIFY(!node->state.isOnline(0));
    }

    // A trend open on a remote meter while its node is cut off for four seconds: the records
    // its node sends again afterwards fill the gap where they belong, never a live sample.
    void replayedRecordsFillAnOpenTrend() {
        const QDateTime start = QDateTime::fromString("2026-12-07T14:52:00+09:00", Qt::ISODate);
        VirtualClock clock(start);
        PlantState plant(QStringLiteral("plant"));
        PlantTables source(plant);
        const auto record = [&](int second, int seq, int value, bool replayed) {
            const QString ts = start.addSecs(second).toString(Qt::ISODate);
            plant.take(topic("data", 7),
                       QStringLiteral(R"({"ts":"%1","seq":%2,"replayed":%3,)"
                                      R"("channels":[{"ch":1,"value":%4,"state":0}],"alarms":[]})")
                           .arg(ts)
                           .arg(seq)
                           .arg(replayed ? "true" : "false")
                           .arg(value)
                           .toUtf8(),
                       clock.currentMSecsSinceEpoch());
        };
        plant.take(topic("status"), kOnline, 0);
        plant.take(topic("meta", 7), kFourChannels, 0);
        record(0, 1, 100, false);

        const NodeTables* node = source.node(QStringLiteral("line1"));
        MonitorContext context;
        context.state = &node->state;
        context.tables = &node->tables;
        context.clock = &clock;
        context.address = 7;
        context.settingsCurrent = [](int) { return false; };
        context.past = &node->past;
        TrendMonitor trend(*TrendVariant::forChannels(4), context, nullptr);
        trend.tmrDispGraph().stop();
        const auto tick = [&] {
            clock.advance(500);
            plant.refresh(clock.currentMSecsSinceEpoch());
            trend.tmrDispGraph_Timer();
        };
        for (int second = 0; second < 3; ++second) { // a record a second, two samples each
            if (second > 0)
                record(second, second + 1, 100 + second, false);
            tick();
            tick();
        }
        plant.take(topic("status"), kOffline, clock.currentMSecsSinceEpoch());
        for (int i = 0; i < 8; ++i)
            tick();
        plant.take(topic("status"), kOnline, clock.currentMSecsSinceEpoch());
        for (int second = 3; second < 7; ++second)
            record(second, second + 1, 200 + second, true);
        record(1, 2, 901, true);   // a second shown live
        record(-60, 1, 902, true); // before the first sample
        tick();

        QStringList shown;
        for (int s = 0; s <= trend.model().newestSample(); ++s) {
            const float v = trend.model().history(s, 0);
            shown << (v == NoValue ? QStringLiteral("-") : QString::number(v));
        }
        QCOMPARE(shown.join(u' '), "100 100 101 101 102 102 203 204 204 205 205 206 206 - 206");
    }
};

QTEST_MAIN(TestPlantTables)
#include "tst_planttables.moc"
