#include "comm/RequestCodes.h"
#include "support/EngineHarness.h"

#include <QTest>

// Dead-meter back-off on the monitoring cycle: which cycles still ask a silent meter.
class TestEngineBackoff : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void schedule_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("asked"); // per cycle of meter 1: A asked, . passed over
        QTest::newRow("off") << 0 << "AAAAAAAAAAAAAAAAAAAAAAA";
        QTest::newRow("up to 2") << 2 << "A.A.A.A.A.A.A.A.A.A.A.A";
        QTest::newRow("up to 8") << 8 << "A.A...A.......A.......A";
        QTest::newRow("up to 1024") << 1024 << "A.A...A.......A........";
    }

    void schedule() {
        QFETCH(int, limit);
        QFETCH(QString, asked);
        EngineHarness h(QStringLiteral("DEMO"), {1, 2});
        PortSettings port = h.engine.portSettings();
        port.backoff = QString::number(limit);
        h.engine.setPortSettings(port);
        QVERIFY(h.openAndSettle());
        QVERIFY(h.addFaults(QStringLiteral("noreply,meter=2")));
        const int from = h.firstOf(RequestCode::RC_POLL_STATUS);
        const auto pattern = [&] {
            QString out;
            for (int i = from; i < h.sent.size(); ++i) {
                if (h.sent[i].code == RequestCode::RC_POLL_STATUS && h.sent[i].slave == 1)
                    out += u'.';
                else if (h.sent[i].slave == 2 && !out.isEmpty())
                    out.back() = u'A';
            }
            return out;
        };
        QVERIFY(h.runUntil([&] { return pattern().size() > asked.size() + 1; }, 600000));
        QCOMPARE(pattern().left(asked.size()), asked);
        if (limit > 0)
            QVERIFY(h.engine.backoffCycles(1) > 0);

        // Once it answers it is asked in every cycle again.
        h.bus().faults().clear();
        QVERIFY(h.runUntil([&] { return h.engine.isAnswering(1); }, 600000));
        const int back = int(pattern().size());
        QVERIFY(h.runUntil([&] { return pattern().size() > back + 5; }));
        QCOMPARE(pattern().mid(back, 5), "AAAAA");
        QCOMPARE(h.engine.backoffCycles(1), 0);
    }
};

QTEST_GUILESS_MAIN(TestEngineBackoff)
#include "tst_enginebackoff.moc"
