#include "support/EngineHarness.h"

#include <QTest>
#include <map>

// Many virtual hours of polling with faults at random (TD700_SOAK_HOURS, default a day).
class TestEngineSoak : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dayOfRandomFaults();
};

// Many virtual hours on a bus of eight meters with every kind of fault at random: polling
// never stalls, every meter keeps being polled, and the counters account for every request.
void TestEngineSoak::dayOfRandomFaults() {
    const qint64 hours = qEnvironmentVariableIntValue("TD700_SOAK_HOURS") > 0
                             ? qEnvironmentVariableIntValue("TD700_SOAK_HOURS")
                             : 24;
    EngineHarness h(QStringLiteral("DEMO:1:12:1.20,2:6:1.16,3:4:1.10,4:2:1.05,5:12:2.10,"
                                   "6:6:1.50,7:4:1.16,8:2:1.20"),
                    {1, 2, 3, 4, 5, 6, 7, 8});
    h.bus().faults().setSeed(7);
    QVERIFY(h.addFaults("noreply,rate=0.01;flip,rate=0.01;junk-before:4,rate=0.01;"
                        "junk-after:3,rate=0.01;split:-1:20,rate=0.02;exception:4,rate=0.003;"
                        "truncate:2,rate=0.003;short:1,rate=0.003;wrong-address,rate=0.003;"
                        "delay:1100,rate=0.002"));
    QVERIFY(h.openAndSettle());
    for (int k = 0; k < 8; ++k)
        QVERIFY(h.state().gMeterOnline[k]);

    std::map<int, int> answered;
    QObject::connect(&h.engine, &CommEngine::meterPolled, [&](int meter, bool ok) {
        if (ok)
            ++answered[meter];
    });
    for (qint64 hour = 0; hour < hours; ++hour) {
        answered.clear();
        const int from = int(h.sent.size());
        h.clock.advance(3600 * 1000);
        for (int k = 0; k < 8; ++k)
            QVERIFY2(answered[k] > 1000,
                     qPrintable(QStringLiteral("meter %1 hour %2").arg(k).arg(hour)));
        qint64 longest = 0;
        for (int i = from + 1; i < h.sent.size(); ++i)
            longest = std::max(longest, h.sent[i].atMs - h.sent[i - 1].atMs);
        QVERIFY2(longest <= 1100, qPrintable(QString::number(longest)));
        h.sent.remove(0, h.sent.size() - 1); // keep memory flat over the hours
    }
    const CommEngine::Totals& t = h.engine.totals();
    const quint64 outstanding = h.engine.tmrRX_TOVR().isEnabled() ? 1 : 0;
    QCOMPARE(t.goodFrames + t.timeouts + t.badFrames + outstanding, t.requests);
    quint64 counted = 0;
    for (int k = 0; k < 8; ++k)
        counted += h.counter(k, 1) + h.counter(k, 2) + h.counter(k, 3);
    QCOMPARE(counted + outstanding, t.requests);
    QVERIFY(t.timeouts > 0 && t.badFrames > 0);
}

QTEST_GUILESS_MAIN(TestEngineSoak)
#include "tst_enginesoak.moc"
