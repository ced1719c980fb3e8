#include "plant/PlantJson.h"
#include "plant/PlantRecord.h"
#include "plant/PlantState.h"
#include "publish/MqttInbox.h"

#include <QTest>

namespace {

struct Message {
    QString topic;
    QByteArray payload;
    bool retained = false;
    qint64 nowMs = 1'000'000;
};
using Messages = QList<Message>;
using Counts = QList<qint64>; // taken, malformed, too large, over a limit, repeated

const QByteArray kOnline =
    R"({"state":"online","version":"5.4.1","since":"2026-12-07T14:50:02+09:00",)"
    R"("session":"s1","host":"pc1","pid":4711})";
const QByteArray kMeta =
    R"({"address":1,"model":40,"channels":4,"firmware":"1.16","channel_info":[)"
    R"({"ch":1,"name":"IN","unit":"C","decimals":1,"low":0,"high":400},)"
    R"({"ch":2,"name":"P","unit":"bar","decimals":2,"low":0,"high":10}]})";

QByteArray data(int seq, const char* ts, const char* value = "370.0", bool replayed = false) {
    return QByteArray(R"({"ts":")") + ts + R"(","seq":)" + QByteArray::number(seq) +
           R"(,"replayed":)" + (replayed ? "true" : "false") + R"(,"channels":[{"ch":1,"value":)" +
           value + R"(,"state":0},{"ch":2,"value":null,"state":3}],"alarms":[{"ch":1,"alarm":2}]})";
}

QString meterTopic(const char* node, const char* address, const char* leaf) {
    return QStringLiteral("plant/%1/%2/%3").arg(node, address, leaf);
}

Messages lineOne() {
    return {{QStringLiteral("plant/line1/status"), kOnline, true},
            {meterTopic("line1", "1", "meta"), kMeta, true},
            {meterTopic("line1", "1", "link"), R"({"link":"OK","good":5,"timeouts":0,"bad":0})"},
            {meterTopic("line1", "1", "data"), data(5, "2026-12-07T14:52:29+09:00")}};
}

QByteArray lineOneJson(const QByteArray& ts, int seq, const QByteArray& value) {
    return R"({"nodes":[{"node":"line1","state":"online","since":"2026-12-07T14:50:02+09:00",)"
           R"("meters":[{"address":1,"model":40,"link":"OK","ts":")" +
           ts + R"(","seq":)" + QByteArray::number(seq) +
           R"(,"stale":false,"channels":[{"ch":1,"value":)" + value +
           R"(,"state":0},{"ch":2,"value":null,"state":3}],"alarms":[{"ch":1,"alarm":2}]}]}]})";
}

// A record as text, every value to the last bit (the sign of a zero too).
QByteArray recordText(const PlantRecord& r) {
    QByteArray out = QByteArray::number(r.seq) + ' ' + r.ts.toUtf8() + ' ' +
                     (r.utcMs ? QByteArray::number(*r.utcMs) : "-") + (r.replayed ? " R" : " L");
    for (const PlantChannel& c : r.channels)
        out += ' ' + QByteArray::number(c.ch) + '=' +
               (c.value ? QByteArray::number(*c.value, 'g', 17) : "null") + '/' +
               (c.state ? QByteArray::number(*c.state) : "null");
    for (const PlantAlarm& a : r.alarms)
        out += " AL" + QByteArray::number(a.ch) + '.' + QByteArray::number(a.alarm);
    for (const auto& [name, bits] : {std::pair{" DI", r.inputs}, std::pair{" RL", r.relays}})
        out += name + (bits ? QByteArray::number(*bits, 2) : "-");
    return out;
}

// An MQTT packet: its first byte, the remaining length as the protocol writes it, the body.
QByteArray packet(char header, const QByteArray& body) {
    QByteArray out(1, header);
    qsizetype n = body.size();
    do {
        out += char((n & 0x7f) | (n > 0x7f ? 0x80 : 0));
        n >>= 7;
    } while (n > 0);
    return out + body;
}

QByteArray publish(char flags, const QByteArray& topic, const QByteArray& payload) {
    return packet(char(0x30 | flags), QByteArray(1, char(topic.size() >> 8)) +
                                          char(topic.size() & 0xff) + topic + payload);
}

QByteArray withChannel(const char* channel) {
    return R"({"ts":"2026-12-07T14:52:29+09:00","seq":5,"replayed":false,"channels":[)" +
           QByteArray(channel) + R"(],"alarms":[]})";
}

} // namespace

class TestPlantState : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void messages_data() {
        QTest::addColumn<Messages>("messages");
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<Counts>("counts");
        const QByteArray good = lineOneJson("2026-12-07T14:52:29+09:00", 5, "370.0");
        QTest::newRow("good") << lineOne() << good << Counts{4, 0, 0, 0, 0};
        QTest::newRow("values to the channel's decimals")
            << lineOne() + Messages{{meterTopic("line1", "1", "data"),
                                     data(6, "2026-12-07T14:52:30+09:00", "12.34")}}
            << lineOneJson("2026-12-07T14:52:30+09:00", 6, "12.3") << Counts{5, 0, 0, 0, 0};
        QTest::newRow("a copy and an older record replayed leave the last")
            << lineOne() + Messages{{meterTopic("line1", "1", "data"),
                                     data(5, "2026-12-07T14:52:29+09:00", "1.0", true)},
                                    {meterTopic("line1", "1", "data"),
                                     data(3, "2026-12-07T14:52:27+09:00", "2.0", true)}}
            << good << Counts{4, 0, 0, 0, 2};
        QTest::newRow("numbered anew: a lower number with a later stamp")
            << lineOne() + Messages{{meterTopic("line1", "1", "data"),
                                     data(1, "2026-12-08T09:00:00+09:00", "7.5")}}
            << lineOneJson("2026-12-08T09:00:00+09:00", 1, "7.5") << Counts{5, 0, 0, 0, 0};
        QTest::newRow("malformed")
            << lineOne() + Messages{{QStringLiteral("plant/line1/status"), "{not json"},
                                    {QStringLiteral("plant/line1/status"), R"({"state":"gone"})"},
                                    {meterTopic("line1", "01", "data"), data(9, "x")},
                                    {meterTopic("line1", "0", "meta"), kMeta},
                                    {meterTopic("line1", "248", "link"), R"({"link":"OK"})"},
                                    {meterTopic("line1", "1", "link"), R"({"link":"MAYBE"})"},
                                    {meterTopic("line1", "1", "meta"), R"({"address":2})"},
                                    {meterTopic("line1", "1", "data"), R"({"seq":"7"})"},
                                    {meterTopic("line1", "1", "data"), R"([1,2])"},
                                    {meterTopic("line1", "1", "data"),
                                     R"({"seq":9,"channels":[{"ch":13,"value":1}]})"},
                                    {meterTopic("line1", "1", "data"),
                                     R"({"seq":9,"channels":[{"ch":1,"value":"1"}]})"},
                                    {meterTopic("line1", "1", "other"), "{}"},
                                    {QStringLiteral("plant/line\x1b[2J/status"), kOnline},
                                    {QStringLiteral("elsewhere/line2/status"), kOnline},
                                    {QStringLiteral("plant/line1/1/2/data"), "{}"}}
            << good << Counts{4, 15, 0, 0, 0};
        QByteArray manyChannels = R"({"address":1,"model":20,"channels":10000})";
        QByteArray manyInfo = R"({"address":1,"model":20,"channels":12,"channel_info":[)";
        QByteArray manyValues = R"({"ts":"x","seq":9,"channels":[)";
        for (int ch = 1; ch <= PlantState::kMaxChannels + 1; ++ch) {
            manyInfo += (ch > 1 ? "," : "") + QByteArray(R"({"ch":1})");
            manyValues += (ch > 1 ? "," : "") + QByteArray(R"({"ch":1,"value":1,"state":0})");
        }
        manyInfo += "]}";
        manyValues += "]}";
        QTest::newRow("hostile sizes")
            << lineOne() +
                   Messages{{meterTopic("line1", "1", "meta"), manyChannels},
                            {meterTopic("line1", "1", "meta"), manyInfo},
                            {meterTopic("line1", "1", "data"), manyValues},
                            {meterTopic("line1", "1", "data"), QByteArray(10 * 1024 * 1024, ' ')},
                            {QStringLiteral("plant/%1/status").arg(QString(200, u'n')), kOnline}}
            << good << Counts{4, 1, 1, 3, 0};
        Messages crowd = lineOne();
        for (int n = 1; n <= PlantState::kMaxNodes; ++n)
            crowd << Message{QStringLiteral("plant/n%1/status").arg(n, 3, 10, QChar(u'0')),
                             R"({"state":"offline"})", true};
        crowd << Message{meterTopic("zz", "1", "meta"), kMeta};
        QTest::newRow("one node too many") << crowd << QByteArray() << Counts{259, 0, 0, 2, 0};
        QTest::newRow("a last will seen: offline since then; a meter taken off the list")
            << lineOne() +
                   Messages{{QStringLiteral("plant/line1/status"),
                             R"({"state":"offline","session":"s1"})", false, 1'765'090'000'000},
                            {meterTopic("line1", "1", "meta"), ""}}
            << QByteArray(R"({"nodes":[{"node":"line1","state":"offline","since":")" +
                          QDateTime::fromMSecsSinceEpoch(1'765'090'000'000)
                              .toOffsetFromUtc(
                                  QDateTime::fromMSecsSinceEpoch(1'765'090'000'000).offsetFromUtc())
                              .toString(Qt::ISODate)
                              .toUtf8() +
                          R"(","meters":[]}]})")
            << Counts{6, 0, 0, 0, 0};
    }
    void messages() {
        QFETCH(Messages, messages);
        QFETCH(QByteArray, json);
        QFETCH(Counts, counts);
        // Told one by one, and held as a burst read at once is: the same picture, and the
        // burst tells of each node and meter that changed once.
        using Changes = QList<QPair<QString, int>>;
        PlantState plant(QStringLiteral("plant")), held(QStringLiteral("plant"));
        Changes changes, heldChanges;
        connect(&plant, &PlantState::changed, this,
                [&](const QString& node, int address) { changes << qMakePair(node, address); });
        connect(&held, &PlantState::changed, this,
                [&](const QString& node, int address) { heldChanges << qMakePair(node, address); });
        held.holdChanges();
        for (const Message& m : messages) {
            plant.take(m.topic, m.payload, m.nowMs, m.retained);
            held.take(m.topic, m.payload, m.nowMs, m.retained);
        }
        QVERIFY(heldChanges.isEmpty());
        held.releaseChanges();
        if (!json.isEmpty())
            QCOMPARE(PlantJson(plant), json);
        QCOMPARE(PlantJson(held), PlantJson(plant));
        const PlantState::Counts& c = plant.counts();
        QCOMPARE((Counts{c.taken, c.malformed, c.tooLarge, c.overLimit, c.repeated}), counts);
        QVERIFY(!changes.isEmpty());
        Changes once;
        for (const auto& change : std::as_const(changes))
            if (!once.contains(change))
                once << change;
        QCOMPARE(heldChanges, once);
    }

    // The broker's stream as a subscriber reads it itself: the same packets however the socket
    // cuts it, and a stream that cannot be framed, or a message not as subscribed, refused.
    void packets_data() {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QByteArrayList>("expected");
        const QByteArray large(20000, 'x'); // a remaining length of three bytes
        QTest::newRow("messages, answers, a ping")
            << publish(1, "plant/a/status", "{}") + packet(char(0xb0), QByteArray("\x00\x07", 2)) +
                   publish(0, "plant/a/1/data", large) + packet(char(0xd0), "")
            << QByteArrayList{"R plant/a/status {}", "11 7", "L plant/a/1/data 20000", "13"};
        QTest::newRow("an empty retained message: cleared")
            << publish(1, "p/n/status", "") << QByteArrayList{"R p/n/status "};
        QTest::newRow("QoS 1 not subscribed to")
            << publish(2, "p/n/status", "\x00\x01{}") << QByteArrayList{"refused"};
        QTest::newRow("no topic") << publish(0, "", "{}") << QByteArrayList{"refused"};
        QTest::newRow("five length bytes")
            << QByteArray("\x30\xff\xff\xff\xff\x01", 6) << QByteArrayList{"malformed"};
    }

    void packets() {
        QFETCH(QByteArray, stream);
        QFETCH(QByteArrayList, expected);
        for (const qsizetype piece : {qsizetype(1), qsizetype(7), stream.size()}) {
            MqttInbox inbox;
            QByteArrayList got;
            for (qsizetype at = 0; at < stream.size(); at += piece) {
                inbox.append(
                    QByteArrayView(stream).sliced(at, std::min(piece, stream.size() - at)));
                MqttInbox::Packet p;
                MqttInbox::Publish m;
                while (inbox.next(&p)) {
                    if (p.type() != MqttInbox::kPublish)
                        got << QByteArray::number(p.type()) +
                                   (p.type() == MqttInbox::kUnsuback
                                        ? ' ' + QByteArray::number(MqttInbox::packetId(p))
                                        : QByteArray());
                    else if (!MqttInbox::readPublish(p, &m) || m.qos > 0)
                        got << "refused";
                    else
                        got << (m.retained ? "R " : "L ") + m.topic.toByteArray() + ' ' +
                                   (m.payload.size() > 100 ? QByteArray::number(m.payload.size())
                                                           : m.payload.toByteArray());
                }
            }
            if (inbox.isMalformed())
                got << "malformed";
            QCOMPARE(got, expected);
        }
    }

    // The publisher's shape is read directly, anything else by the JSON reader: both must come
    // to the same record, or the direct one must leave the payload to the other.
    void records_data() {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("direct");
        QTest::addColumn<int>("reading");
        const int read = int(PlantReading::Read), malformed = int(PlantReading::Malformed),
                  over = int(PlantReading::OverLimit);
        QTest::newRow("as published") << data(5, "2026-12-07T14:52:29+09:00") << true << read;
        QTest::newRow("replayed, digital inputs and relays")
            << QByteArray(data(5, "2026-12-07T14:52:29-03:30", "-12.25", true))
                   .replace("]}", R"(],"di":[1,3],"relays":[]})")
            << true << read;
        QTest::newRow("no stamp") << data(5, "x").replace(R"("x")", "null") << true << read;
        QTest::newRow("negative zero, whole")
            << withChannel(R"({"ch":1,"value":-0,"state":0})") << true << read;
        QTest::newRow("fifteen places")
            << withChannel(R"({"ch":12,"value":0.123456789012345,"state":7})") << true << read;
        QTest::newRow("no channels") << withChannel("") << true << read;
        QTest::newRow("exponent") << withChannel(R"({"ch":1,"value":1e2,"state":0})") << false
                                  << read;
        QTest::newRow("spaces") << data(5, "2026-12-07T14:52:29Z").replace(":", ": ") << false
                                << read;
        QTest::newRow("escaped stamp")
            << data(5, "2026-12-07T14:52:29Z").replace("2026", "\\u0032026") << false << read;
        QTest::newRow("channel 13")
            << withChannel(R"({"ch":13,"value":1.0,"state":0})") << false << malformed;
        QTest::newRow("leading zero")
            << withChannel(R"({"ch":01,"value":1.0,"state":0})") << false << malformed;
        QTest::newRow("state not whole")
            << withChannel(R"({"ch":1,"value":1.0,"state":1.5})") << false << malformed;
        QTest::newRow("value a string")
            << withChannel(R"({"ch":1,"value":"1","state":0})") << false << malformed;
        QTest::newRow("alarm 256")
            << data(5, "x").replace(R"("alarm":2)", R"("alarm":256)") << false << malformed;
        QTest::newRow("number 0") << data(5, "x").replace(R"("seq":5)", R"("seq":0)") << false
                                  << malformed;
        QTest::newRow("trailing bytes") << data(5, "x") + "x" << false << malformed;
        QTest::newRow("cut short") << data(5, "x").chopped(3) << false << malformed;
        QByteArray thirteen;
        for (int ch = 1; ch <= 13; ++ch)
            thirteen += (ch > 1 ? "," : "") + QByteArray(R"({"ch":1,"value":1,"state":0})");
        QTest::newRow("thirteen channels") << withChannel(thirteen) << false << over;
    }
    void records() {
        QFETCH(QByteArray, payload);
        QFETCH(bool, direct);
        QFETCH(int, reading);
        PlantRecord general, fast, either;
        QCOMPARE(int(ReadRecordAsJson(payload, &general)), reading);
        QCOMPARE(ReadPublishedRecord(payload, &fast), direct);
        QCOMPARE(int(ReadPlantRecord(payload, &either)), reading);
        if (reading != int(PlantReading::Read))
            return;
        QCOMPARE(recordText(either), recordText(general));
        if (direct)
            QCOMPARE(recordText(fast), recordText(general));
    }

    // Stamps read directly name the moment QDateTime reads in them.
    void stamps_data() {
        QTest::addColumn<QString>("ts");
        for (const char* ts :
             {"2026-12-07T14:52:29+09:00", "2024-02-29T23:59:59-05:30", "2023-02-29T00:00:00Z",
              "2026-03-01T00:00:00+14:00", "1999-12-31T23:59:59Z", "2100-02-28T12:00:00-12:00",
              "2026-04-31T00:00:00Z", "2026-12-07T14:52:29.250+09:00", "2026-12-07T14:52:29",
              "2026-12-07T24:00:00Z", "2000-02-29T00:00:00+00:45"})
            QTest::newRow(ts) << QString::fromLatin1(ts);
    }
    void stamps() {
        QFETCH(QString, ts);
        const QDateTime moment = QDateTime::fromString(ts, Qt::ISODate);
        QCOMPARE(PlantStampMs(ts), moment.isValid()
                                       ? std::optional<qint64>(moment.toMSecsSinceEpoch())
                                       : std::nullopt);
    }

    // A reader's copy of the plant (all of it, or one node) stays as it was while records
    // keep coming, whichever messages came in between (each may copy what the copy shares).
    void readerCopy_data() {
        QTest::addColumn<Message>("between");
        QTest::addColumn<bool>("whole");
        const QList<QPair<const char*, Message>> between{
            {"a record", {meterTopic("line1", "1", "data"), data(7, "2026-12-07T14:52:31+09:00")}},
            {"a link", {meterTopic("line1", "1", "link"), R"({"link":"NG"})"}},
            {"a new meter",
             {meterTopic("line1", "2", "meta"),
              QByteArray(kMeta).replace(R"("address":1)", R"("address":2)")}},
            {"a new node", {QStringLiteral("plant/line2/status"), kOnline}}};
        for (const auto& [name, message] : between)
            for (bool whole : {true, false})
                QTest::addRow("%s, %s", name, whole ? "all copied" : "a node copied")
                    << message << whole;
    }
    void readerCopy() {
        QFETCH(Message, between);
        QFETCH(bool, whole);
        PlantState plant(QStringLiteral("plant"));
        for (const Message& m : lineOne())
            plant.take(m.topic, m.payload, m.nowMs, m.retained);
        const QString topic = meterTopic("line1", "1", "data");
        const auto seqOf = [](const PlantNode& node) { return node.meters.value(1).seq; };
        plant.take(topic, data(6, "2026-12-07T14:52:30+09:00"), 1'000'000);
        {
            const QMap<QString, PlantNode> all = whole ? plant.nodes() : QMap<QString, PlantNode>();
            const PlantNode one =
                whole ? PlantNode() : plant.nodes().value(QStringLiteral("line1"));
            plant.take(between.topic, between.payload, between.nowMs);
            plant.take(topic, data(8, "2026-12-07T14:52:32+09:00"), 1'000'000);
            plant.refresh(1'000'000);
            QCOMPARE(seqOf(whole ? all.value(QStringLiteral("line1")) : one), 6);
        }
        plant.take(topic, data(9, "2026-12-07T14:52:33+09:00"), 1'000'000);
        QCOMPARE(seqOf(plant.nodes().value(QStringLiteral("line1"))), 9);
    }

    // Stale after three save intervals as the records' stamps show it; also at once when the
    // broker is lost; a record replayed from the files is as old as its stamp.
    void stale_data() {
        QTest::addColumn<qint64>("refreshMs");
        QTest::addColumn<bool>("replayed");
        QTest::addColumn<bool>("brokerLost");
        QTest::addColumn<bool>("stale");
        QTest::newRow("within three intervals") << qint64(12'999) << false << false << false;
        QTest::newRow("after three intervals") << qint64(13'001) << false << false << true;
        QTest::newRow("broker lost") << qint64(10'001) << false << true << true;
        QTest::newRow("replayed, old by its stamp") << qint64(10'001) << true << false << true;
    }
    void stale() {
        QFETCH(qint64, refreshMs);
        QFETCH(bool, replayed);
        QFETCH(bool, brokerLost);
        QFETCH(bool, stale);
        PlantState plant(QStringLiteral("plant"));
        const QString topic = meterTopic("line1", "1", "data");
        // Stamps 1970-01-01T00:00:05 and 06 UTC: a one-second interval.
        plant.take(topic, data(1, "1970-01-01T00:00:05Z"), 9'000);
        plant.take(topic, data(2, "1970-01-01T00:00:06Z", "1.0", replayed), 10'000);
        if (brokerLost)
            plant.setBrokerConnected(false, 10'001);
        plant.refresh(refreshMs);
        QCOMPARE(plant.nodes()[QStringLiteral("line1")].meters[1].stale, stale);
    }
};

QTEST_GUILESS_MAIN(TestPlantState)
#include "tst_plantstate.moc"
