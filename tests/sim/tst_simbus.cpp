#include "SimTestSupport.h"
#include "core/Clock.h"
#include "sim/SimBus.h"
#include "sim/SimCrc.h"

#include <QTest>

using namespace simtest;

Q_DECLARE_METATYPE(SimFaultRule)

class TestSimBus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void crcKnownAnswers();
    void readReplyIsExact();
    void silence_data();
    void silence();
    void exceptions_data();
    void exceptions();
    void writesReadBack_data();
    void writesReadBack();
    void broadcastWriteReachesEveryMeterSilently();
    void faultKnobs_data();
    void faultKnobs();
    void faultConditions_data();
    void faultConditions();
    void randomFaultsRepeatWithTheSeed();
    void faultRulesParse_data();
    void faultRulesParse();
};

void TestSimBus::crcKnownAnswers() {
    QCOMPARE(simCrc16(QByteArray("abc")), quint16(0x5749));
    QByteArray probe = hex("0103753100 2F");
    simAppendCrc(probe);
    QCOMPARE(probe.toHex(' '), QByteArray("01 03 75 31 00 2f 4f d5"));
    for (int bit = 0; bit < probe.size() * 8; ++bit) {
        QByteArray bad = probe;
        bad[bit / 8] = char(bad[bit / 8] ^ (1 << (bit % 8)));
        QVERIFY(!simCrcValid(bad));
    }
}

void TestSimBus::readReplyIsExact() {
    VirtualClock clock;
    SimBus bus(clock);
    bus.setMeters({{2, 6, 116}});
    const SimReply reply = bus.handle(readRequest(2, 3, 30001, 2));
    QCOMPARE(reply.bytes, withCrc(hex("0203 04 000A 0110")));
    QCOMPARE(reply.delayMs, 0);
    QCOMPARE(reply.splitAt, -1);
}

void TestSimBus::silence_data() {
    QTest::addColumn<QByteArray>("frame");
    QByteArray badCrc = readRequest(1, 3, 30001, 2);
    badCrc[7] = char(badCrc[7] ^ 0x01);
    QTest::newRow("bad CRC") << badCrc;
    QTest::newRow("another slave") << readRequest(9, 3, 30001, 2);
    QTest::newRow("broadcast read") << readRequest(0, 3, 30001, 2);
    QTest::newRow("too short") << hex("0103");
}

void TestSimBus::silence() {
    QFETCH(QByteArray, frame);
    VirtualClock clock;
    SimBus bus(clock);
    bus.setMeters(SimMeterConfig::demoBus());
    QVERIFY(bus.handle(frame).bytes.isEmpty());
}

void TestSimBus::exceptions_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply"); // without CRC
    QTest::newRow("unknown function") << withCrc(hex("0107")) << hex("01 87 01");
    QTest::newRow("no such register") << readRequest(1, 3, 40090, 4) << hex("01 83 02");
    QTest::newRow("count 0") << readRequest(1, 3, 40001, 0) << hex("01 83 03");
    QTest::newRow("write to present values") << writeRequest(1, 30001, {1}) << hex("01 90 02");
    QTest::newRow("impossible clock")
        << writeRequest(1, 40025, {2023, 2, 29, 0, 0, 0}) << hex("01 90 03");
    QByteArray lying = hex("01 10 9C41 0002 03 0001 0002");
    QTest::newRow("byte count not twice the count") << withCrc(lying) << hex("01 90 03");
    QTest::newRow("input read of settings") << readRequest(1, 4, 40001, 1) << hex("01 84 02");
}

void TestSimBus::exceptions() {
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);
    VirtualClock clock;
    SimBus bus(clock);
    bus.setMeters(SimMeterConfig::demoBus());
    QCOMPARE(bus.handle(request).bytes.toHex(' '), withCrc(reply).toHex(' '));
}

void TestSimBus::writesReadBack_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    // The writes a master makes: common blocks, channel key, head and body, formulas.
    QTest::newRow("common A") << 40001 << 17;
    QTest::newRow("common B") << 40031 << 47;
    QTest::newRow("channel key") << 40110 << 1;
    QTest::newRow("channel head") << 40101 << 9;
    QTest::newRow("channel 12 body") << 41211 << 83;
    QTest::newRow("memory formulas") << 47001 << 78;
    QTest::newRow("channel 6 formula") << 50601 << 50;
}

void TestSimBus::writesReadBack() {
    QFETCH(int, first);
    QFETCH(int, count);
    VirtualClock clock;
    SimBus bus(clock);
    bus.setMeters({{7, 12, 120}});
    QList<quint16> values;
    for (int i = 0; i < count; ++i)
        values.append(quint16(0x1234 + 977 * i));
    const QByteArray request = writeRequest(7, first, values);
    QCOMPARE(bus.handle(request).bytes, withCrc(request.left(6)));
    const SimReply read = bus.handle(readRequest(7, 3, first, count));
    QCOMPARE(read.bytes.size(), 5 + 2 * count);
    QCOMPARE(replyRegisters(read.bytes), values);

    // Function 6 writes one register and echoes the request.
    QByteArray single = withCrc(hex("0706") + request.mid(2, 2) + hex("BEEF"));
    QCOMPARE(bus.handle(single).bytes, single);
    QCOMPARE(bus.meter(7)->reg(first), quint16(0xBEEF));
}

void TestSimBus::broadcastWriteReachesEveryMeterSilently() {
    VirtualClock clock;
    SimBus bus(clock);
    bus.setMeters(SimMeterConfig::demoBus());
    QVERIFY(bus.handle(writeRequest(0, 40013, {77})).bytes.isEmpty());
    for (SimMeter* meter : bus.meters())
        QCOMPARE(meter->reg(40013), quint16(77));
}

void TestSimBus::faultKnobs_data() {
    QTest::addColumn<SimFaultRule>("rule");
    QTest::addColumn<QString>("expect");
    QTest::newRow("no reply") << SimFaultRule::noReply() << "silent";
    QTest::newRow("delay") << SimFaultRule::delay(1500) << "delay 1500";
    QTest::newRow("split") << SimFaultRule::split(4, 200) << "split 4 200";
    QTest::newRow("split in half") << SimFaultRule::split() << "split 4 50";
    QTest::newRow("junk before") << SimFaultRule::junkBefore(3) << "before 3";
    QTest::newRow("junk after") << SimFaultRule::junkAfter(2) << "after 2";
    QTest::newRow("flip") << SimFaultRule::flipBit(3, 7) << "flip 3 7";
    QTest::newRow("flip middle") << SimFaultRule::flipBit() << "flip 4 0";
    QTest::newRow("exception") << SimFaultRule::exception(2) << "exception 2";
    QTest::newRow("wrong address") << SimFaultRule::wrongAddress(5) << "address 5";
    QTest::newRow("next address") << SimFaultRule::wrongAddress() << "address 2";
    QTest::newRow("short reply") << SimFaultRule::shortReply(1) << "short";
    QTest::newRow("truncate") << SimFaultRule::truncate(2) << "truncate 2";
}

void TestSimBus::faultKnobs() {
    QFETCH(SimFaultRule, rule);
    QFETCH(QString, expect);
    VirtualClock clock;
    SimBus bus(clock);
    bus.setMeters({{1, 12, 120}});
    const QByteArray request = readRequest(1, 3, 40014, 2);
    const QByteArray plain = bus.handle(request).bytes; // 9 bytes
    bus.faults().add(rule);
    const SimReply r = bus.handle(request);
    const QStringList e = expect.split(QLatin1Char(' '));
    const int arg1 = e.value(1).toInt();
    if (e[0] == QLatin1String("silent")) {
        QVERIFY(r.bytes.isEmpty());
        return;
    }
    if (e[0] == QLatin1String("delay")) {
        QCOMPARE(r.delayMs, arg1);
    } else if (e[0] == QLatin1String("split")) {
        QCOMPARE(r.splitAt, arg1);
        QCOMPARE(r.pauseMs, e[2].toInt());
    } else if (e[0] == QLatin1String("before")) {
        QCOMPARE(r.bytes.size(), plain.size() + arg1);
        QVERIFY(r.bytes.endsWith(plain));
    } else if (e[0] == QLatin1String("after")) {
        QCOMPARE(r.bytes.size(), plain.size() + arg1);
        QVERIFY(r.bytes.startsWith(plain));
    } else if (e[0] == QLatin1String("flip")) {
        QCOMPARE(r.bytes.size(), plain.size());
        for (int i = 0; i < plain.size(); ++i)
            QCOMPARE(quint8(r.bytes[i] ^ plain[i]), quint8(i == arg1 ? 1 << e[2].toInt() : 0));
        QVERIFY(!simCrcValid(r.bytes));
    } else if (e[0] == QLatin1String("exception")) {
        QCOMPARE(r.bytes, withCrc(hex("0183") + QByteArray(1, char(arg1))));
    } else if (e[0] == QLatin1String("address")) {
        QCOMPARE(quint8(r.bytes[0]), quint8(arg1));
        QCOMPARE(r.bytes.mid(1, 6), plain.mid(1, 6));
        QVERIFY(simCrcValid(r.bytes));
    } else if (e[0] == QLatin1String("short")) {
        QCOMPARE(r.bytes, withCrc(plain.left(2) + hex("02") + plain.mid(3, 2)));
    } else if (e[0] == QLatin1String("truncate")) {
        QCOMPARE(r.bytes, plain.left(plain.size() - arg1));
    }
    if (e[0] == QLatin1String("delay") || e[0] == QLatin1String("split"))
        QCOMPARE(r.bytes, plain);
}

void TestSimBus::faultConditions_data() {
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("fired"); // which of ten requests, alternately to 30001 and 40014
    QTest::newRow("always") << "noreply"
                            << "1111111111";
    QTest::newRow("every third") << "noreply,every=3"
                                 << "0010010010";
    QTest::newRow("skip two, then twice") << "noreply,skip=2,times=2"
                                          << "0011000000";
    QTest::newRow("values requests only") << "noreply,reg=30001"
                                          << "1010101010";
    QTest::newRow("register range") << "noreply,reg=40000-40100"
                                    << "0101010101";
    QTest::newRow("other meter") << "noreply,meter=2"
                                 << "0000000000";
    QTest::newRow("writes only") << "noreply,fn=16"
                                 << "0000000000";
    QTest::newRow("every second status read") << "noreply,reg=40014,every=2"
                                              << "0001000100";
}

void TestSimBus::faultConditions() {
    QFETCH(QString, rule);
    QFETCH(QString, fired);
    VirtualClock clock;
    SimBus bus(clock);
    bus.setMeters({{1, 12, 120}});
    bus.faults().add(*SimFaultRule::parse(rule));
    QString seen;
    for (int i = 0; i < 10; ++i) {
        const QByteArray request =
            i % 2 == 0 ? readRequest(1, 3, 30001, 47) : readRequest(1, 3, 40014, 2);
        seen += bus.handle(request).bytes.isEmpty() ? QLatin1Char('1') : QLatin1Char('0');
    }
    QCOMPARE(seen, fired);
}

void TestSimBus::randomFaultsRepeatWithTheSeed() {
    auto pattern = [](quint32 seed) {
        VirtualClock clock;
        SimBus bus(clock);
        bus.setMeters({{1, 2, 120}});
        bus.faults().add(SimFaultRule::noReply().atRandom(0.3));
        bus.faults().add(SimFaultRule::junkAfter(4));
        bus.faults().setSeed(seed);
        QByteArray out;
        for (int i = 0; i < 300; ++i)
            out += bus.handle(readRequest(1, 3, 40014, 2)).bytes.right(4) + '|';
        return out;
    };
    const QByteArray a = pattern(7);
    QCOMPARE(pattern(7), a);
    QVERIFY(pattern(8) != a);
    const qsizetype silent = a.count("||") + (a.startsWith('|') ? 1 : 0);
    QVERIFY2(silent > 45 && silent < 135, qPrintable(QString::number(silent)));
}

void TestSimBus::faultRulesParse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("canonical"); // empty: refused
    QTest::newRow("noreply for a meter") << "noreply,meter=3"
                                         << "noreply,meter=3";
    QTest::newRow("delay") << "delay:1500,reg=30001,every=10"
                           << "delay:1500,reg=30001,every=10";
    QTest::newRow("split defaults") << "split"
                                    << "split:-1:50";
    QTest::newRow("flip with bit") << "flip:3:7,rate=0.5"
                                   << "flip:3:7,rate=0.5";
    QTest::newRow("exception default") << "EXCEPTION"
                                       << "exception:4";
    QTest::newRow("range") << "short:2,reg=40101-41293,skip=1,times=3"
                           << "short:2,reg=40101-41293,skip=1,times=3";
    QTest::newRow("unknown kind") << "explode"
                                  << "";
    QTest::newRow("delay without time") << "delay"
                                        << "";
    QTest::newRow("bit 8") << "flip:1:8"
                           << "";
    QTest::newRow("rate above 1") << "noreply,rate=2"
                                  << "";
    QTest::newRow("unknown condition") << "noreply,when=now"
                                       << "";
    QTest::newRow("every 0") << "noreply,every=0"
                             << "";
    QTest::newRow("extra argument") << "noreply:5"
                                    << "";
}

void TestSimBus::faultRulesParse() {
    QFETCH(QString, text);
    QFETCH(QString, canonical);
    QString error;
    const auto rule = SimFaultRule::parse(text, &error);
    QCOMPARE(rule.has_value(), !canonical.isEmpty());
    if (rule)
        QCOMPARE(rule->toString(), canonical);
    else
        QVERIFY(error.contains(text));
}

QTEST_GUILESS_MAIN(TestSimBus)
#include "tst_simbus.moc"
