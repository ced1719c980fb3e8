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
    void replies_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply"); // without CRC; none: silence
        const auto row = [](const char* name, const QByteArray& request, const char* reply) {
            QTest::newRow(name) << request << hex(reply);
        };
        row("read", readRequest(2, 3, 30001, 2), "0203 04 000A 0110");
        QByteArray badCrc = readRequest(1, 3, 30001, 2);
        badCrc[7] = char(badCrc[7] ^ 0x01);
        row("bad CRC", badCrc, "");
        row("another slave", readRequest(9, 3, 30001, 2), "");
        row("broadcast read", readRequest(0, 3, 30001, 2), "");
        row("too short", hex("0103"), "");
        // A broadcast write reaches every meter (checked below) and is answered by none.
        row("broadcast write", writeRequest(0, 40013, {77}), "");
        row("unknown function", withCrc(hex("0107")), "01 87 01");
        row("no such register", readRequest(1, 3, 40090, 4), "01 83 02");
        row("count 0", readRequest(1, 3, 40001, 0), "01 83 03");
        row("write to present values", writeRequest(1, 30001, {1}), "01 90 02");
        row("impossible clock", writeRequest(1, 40025, {2023, 2, 29, 0, 0, 0}), "01 90 03");
        row("reserved start in month 13", writeRequest(1, 40020, {13}), "01 90 03");
        row("byte count not twice the count", withCrc(hex("01 10 9C41 0002 03 0001 0002")),
            "01 90 03");
        row("input read of settings", readRequest(1, 4, 40001, 1), "01 84 02");
    }

    void replies() {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        VirtualClock clock;
        SimBus bus(clock);
        bus.setMeters(SimMeterConfig::demoBus());
        const SimReply r = bus.handle(request);
        QCOMPARE(r.bytes.toHex(' '), reply.isEmpty() ? QByteArray() : withCrc(reply).toHex(' '));
        QCOMPARE(r.delayMs, 0);
        QCOMPARE(r.splitAt, -1);
        for (SimMeter* meter : bus.meters())
            QCOMPARE(meter->reg(40013) == 77,
                     QByteArray(QTest::currentDataTag()) == "broadcast write");
    }

    void faultKnobs_data() {
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

    void faultKnobs() {
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

    void faultConditions_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("fired"); // which of ten requests, alternately to 30001 and 40014
        const auto row = [](const char* name, const char* rule, const char* fired) {
            QTest::newRow(name) << QString(rule) << QString(fired);
        };
        row("always", "noreply", "1111111111");
        row("every third", "noreply,every=3", "0010010010");
        row("skip two, then twice", "noreply,skip=2,times=2", "0011000000");
        row("values requests only", "noreply,reg=30001", "1010101010");
        row("register range", "noreply,reg=40000-40100", "0101010101");
        row("other meter", "noreply,meter=2", "0000000000");
        row("writes only", "noreply,fn=16", "0000000000");
        row("every second status read", "noreply,reg=40014,every=2", "0001000100");
    }

    void faultConditions() {
        QFETCH(QString, rule);
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
        QTEST(seen, "fired");
    }

    void randomFaultsRepeatWithTheSeed() {
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

    void faultRulesParse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("canonical"); // empty: refused
        const auto row = [](const char* text, const char* canonical) {
            QTest::newRow(text) << QString(text) << QString(canonical);
        };
        row("noreply,meter=3", "noreply,meter=3");
        row("delay:1500,reg=30001,every=10", "delay:1500,reg=30001,every=10");
        row("split", "split:-1:50");
        row("flip:3:7,rate=0.5", "flip:3:7,rate=0.5");
        row("EXCEPTION", "exception:4");
        row("short:2,reg=40101-41293,skip=1,times=3", "short:2,reg=40101-41293,skip=1,times=3");
        for (const char* refused : {"explode", "delay", "flip:1:8", "noreply,rate=2",
                                    "noreply,when=now", "noreply,every=0", "noreply:5"})
            row(refused, "");
    }

    void faultRulesParse() {
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
};

QTEST_GUILESS_MAIN(TestSimBus)
#include "tst_simbus.moc"
