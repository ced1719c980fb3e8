#include "publish/PublishSettings.h"
#include "publish/RecordPayload.h"
#include "support/DataFileBytes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <ctime>

namespace {

QJsonObject payloadOf(const DataFileBytes::Record& r, const QByteArray& header, int channels,
                      qint64 seq = 17, bool replayed = false) {
    const QByteArray bytes = r.bytes();
    const QByteArray json =
        DataPayload(bytes.constData(), ParseDataHeader(header), channels, seq, replayed, 0);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        qWarning("not JSON: %s", json.constData());
    return doc.object();
}

} // namespace

// The published form of a record, read back as a subscriber reads it.
class TestRecordPayload : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void valuesKeepTheirDecimalsAndInvalidOnesAreNull_data() {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("text"); // the value as it stands in the payload
        QTest::newRow("one decimal") << 1 << 370.0f << 0 << "370.0";
        QTest::newRow("three decimals") << 3 << -4.1875f << 0 << "-4.188";
        QTest::newRow("none") << 0 << 309.4f << 0 << "309";
        QTest::newRow("burn-out") << 1 << 370.0f << 1 << "null";
        QTest::newRow("over range") << 1 << 370.0f << 3 << "null";
        QTest::newRow("not a number")
            << 2 << std::numeric_limits<float>::quiet_NaN() << 0 << "null";
    }

    void valuesKeepTheirDecimalsAndInvalidOnesAreNull() {
        QFETCH(int, decimals);
        QFETCH(float, value);
        QFETCH(int, state);
        QFETCH(QString, text);
        QByteArray header = DataFileBytes::header();
        DataFileBytes::setChannel(header, 3, "T3", decimals);
        DataFileBytes::Record r;
        r.stamp = DataFileBytes::stamp(2026, 12, 7, 14, 52, 29);
        r.values[2] = value;
        r.states[2] = state;
        const QByteArray bytes = r.bytes();
        const QByteArray json =
            DataPayload(bytes.constData(), ParseDataHeader(header), 4, 17, false, 0);
        QVERIFY2(json.contains("{\"ch\":3,\"value\":" + text.toLatin1() +
                               ",\"state\":" + QByteArray::number(state) + '}'),
                 json.constData());
        QVERIFY(!QJsonDocument::fromJson(json).isNull());
    }

    void alarmsInputsAndRelaysAreListed() {
        DataFileBytes::Record r;
        r.stamp = DataFileBytes::stamp(2026, 12, 7, 14, 52, 29);
        // Alarm 2 of channel 3, alarm 4 of channel 6, alarm 1 of channel 12.
        r.alarms = quint64(1) << (4 * 2 + 1) | quint64(1) << (4 * 5 + 3) | quint64(1) << (4 * 11);
        r.inputs = 0b101;
        r.relays = 0x8002;
        const QJsonObject o = payloadOf(r, DataFileBytes::header(), 12, 5, true);
        QCOMPARE(o.value("alarms").toArray(), (QJsonArray{QJsonObject{{"ch", 3}, {"alarm", 2}},
                                                          QJsonObject{{"ch", 6}, {"alarm", 4}},
                                                          QJsonObject{{"ch", 12}, {"alarm", 1}}}));
        QCOMPARE(o.value("di").toArray(), (QJsonArray{1, 3}));
        QCOMPARE(o.value("relays").toArray(), (QJsonArray{2, 16}));
        QCOMPARE(o.value("seq").toInteger(), 5);
        QCOMPARE(o.value("replayed").toBool(), true);
        QCOMPARE(o.value("channels").toArray().size(), 12);
        // Channels 6 and 12 keep no state of their own.
        QVERIFY(o.value("channels").toArray()[5].toObject().value("state").isNull());
    }

    // The record's own local time, with the offset the PC's time zone had then.
    void timeStampCarriesTheOffset_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<quint32>("stamp");
        QTest::addColumn<QString>("ts");
        QTest::newRow("Seoul") << QByteArray("Asia/Seoul")
                               << DataFileBytes::stamp(2026, 12, 7, 14, 52, 29)
                               << "2026-12-07T14:52:29+09:00";
        QTest::newRow("New York, winter")
            << QByteArray("America/New_York") << DataFileBytes::stamp(2026, 1, 31, 23, 0, 0)
            << "2026-01-31T23:00:00-05:00";
        QTest::newRow("New York, summer")
            << QByteArray("America/New_York") << DataFileBytes::stamp(2026, 7, 1, 0, 0, 1)
            << "2026-07-01T00:00:01-04:00";
        QTest::newRow("UTC") << QByteArray("UTC") << DataFileBytes::stamp(2030, 2, 28, 1, 2, 3)
                             << "2030-02-28T01:02:03+00:00";
        QTest::newRow("no such day")
            << QByteArray("UTC") << DataFileBytes::stamp(2026, 2, 30, 1, 2, 3) << "";
    }

    void timeStampCarriesTheOffset() {
        QFETCH(QByteArray, zone);
        QFETCH(quint32, stamp);
        QFETCH(QString, ts);
        const QByteArray before = qgetenv("TZ");
        qputenv("TZ", zone);
        tzset();
        const QString got = StampWithOffset(stamp);
        qputenv("TZ", before);
        tzset();
        QCOMPARE(got, ts);
    }

    void brokerAddressesParse_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("tls");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("plain") << "mqtt://broker.plant/site" << true << false << "broker.plant"
                               << 1883 << "site";
        QTest::newRow("tls default port")
            << "mqtts://10.0.0.5/a/b/" << true << true << "10.0.0.5" << 8883 << "a/b";
        QTest::newRow("port") << "mqtt://127.0.0.1:18830/plant" << true << false << "127.0.0.1"
                              << 18830 << "plant";
        QTest::newRow("IPv6") << "mqtt://[::1]:1884/p" << true << false << "::1" << 1884 << "p";
        QTest::newRow("no prefix") << "mqtt://host/" << false << false << "" << 0 << "";
        QTest::newRow("port 0") << "mqtt://host:0/p" << false << false << "" << 0 << "";
        QTest::newRow("port too high") << "mqtt://host:70000/p" << false << false << "" << 0 << "";
        QTest::newRow("another scheme") << "tcp://host/p" << false << false << "" << 0 << "";
        QTest::newRow("wildcard") << "mqtt://host/p/+" << false << false << "" << 0 << "";
        QTest::newRow("empty level") << "mqtt://host/a//b" << false << false << "" << 0 << "";
        QTest::newRow("empty first level") << "mqtt://host//x" << false << false << "" << 0 << "";
        QTest::newRow("the broker's own topics")
            << "mqtt://host/$SYS/x" << false << false << "" << 0 << "";
        QTest::newRow("$ within") << "mqtt://host/a/$b" << true << false << "host" << 1883
                                  << "a/$b";
    }

    void brokerAddressesParse() {
        QFETCH(QString, url);
        QFETCH(bool, ok);
        BrokerAddress a;
        QString why;
        QCOMPARE(ParseBrokerUrl(url, &a, &why), ok);
        QCOMPARE(why.isEmpty(), ok);
        if (!ok)
            return;
        QTEST(a.tls, "tls");
        QTEST(a.host, "host");
        QTEST(a.port, "port");
        QTEST(a.prefix, "prefix");
    }
};

QTEST_GUILESS_MAIN(TestRecordPayload)
#include "tst_recordpayload.moc"
