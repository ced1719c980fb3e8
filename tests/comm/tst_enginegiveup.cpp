#include "comm/ParameterSource.h"
#include "comm/RequestCodes.h"
#include "support/EngineHarness.h"

#include <QSignalSpy>
#include <QTest>

using namespace RequestCode;

namespace {

struct ZeroImage : ParameterSource {
    QVector<quint16> holdingRegisters(int, int count) const override {
        return QVector<quint16>(count, 0);
    }
};

// The worst case of one request given up: three tries, each waiting out the time-out after
// the scheduler's interval.
constexpr qint64 kGiveUpMs = 3 * (1000 + 50) + 100;

bool within(int code, int first, int last) {
    return code >= first && code <= last;
}

} // namespace

// The selected meter stops answering usably mid-work: the engine tells how within one request's
// three tries, and a cancel hands the line back to monitoring the other meter.
class TestEngineGiveUp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void selectedMeterFallsSilent_data() {
        QTest::addColumn<int>("code");          // what is started on meter 1
        QTest::addColumn<QString>("fault");     // on every request to meter 1 from then on
        QTest::addColumn<QString>("predicate"); // how the engine says it failed
        const struct {
            const char* name;
            int code;
            const char* purpose;
        } work[] = {{"settings read", RC_READ_COMMON, "its settings"},
                    {"upload", RC_UPLOAD_COMMON, "the upload"},
                    {"download", RC_DL_CH_KEY, "the download"}};
        for (const auto& w : work) {
            const QString on = QString::fromLatin1(w.purpose);
            QTest::addRow("%s, no reply", w.name)
                << w.code << "noreply,meter=1"
                << "does not answer (3 time-outs in a row on " + on + ")";
            QTest::addRow("%s, bad CRC", w.name)
                << w.code << "flip,meter=1"
                << "does not answer usably (3 damaged replies in a row on " + on + ")";
        }
        QTest::newRow("download refused")
            << int(RC_DL_CH_KEY) << "exception:4,meter=1,fn=16"
            << "refused the download (exception 4: slave device failure)";
        QTest::newRow("settings read, cut short and damaged")
            << int(RC_READ_COMMON) << "truncate:3,meter=1,times=2;flip,meter=1"
            << "does not answer usably (2 time-outs and 1 damaged reply in a row on its settings)";
    }

    void selectedMeterFallsSilent() {
        QFETCH(int, code);
        QFETCH(QString, fault);
        EngineHarness h(QStringLiteral("DEMO:1:12:1.20,2:6:1.16"), {1, 2});
        ZeroImage image;
        h.engine.setParameterSource(&image);
        QVERIFY(h.openAndSettle());
        QCOMPARE(h.state().gSelAddress, 1);
        QSignalSpy givenUp(&h.engine, &CommEngine::requestGivenUp);
        QVERIFY(h.addFaults(fault));
        const qint64 start = h.clock.nowMs();
        QVERIFY(h.engine.post(code));

        QVERIFY(h.runUntil([&] { return givenUp.count() > 0; }, kGiveUpMs));
        const auto failure = givenUp.first().first().value<FailedRequest>();
        QCOMPARE(failure.meter, 0);
        QCOMPARE(failure.address, 1);
        QCOMPARE(RequestPurpose(failure.code), RequestPurpose(code));
        QTEST(failure.predicate(), "predicate");
        QCOMPARE(h.engine.lastGivenUp().code, failure.code);
        QVERIFY(h.clock.nowMs() - start <= kGiveUpMs);

        // Left to itself the engine would ask meter 1 again; the cancel returns to monitoring,
        // which passes meter 1 over and reads meter 2.
        QVERIFY(h.engine.cancelTransfer());
        const int from = int(h.sent.size());
        QVERIFY(h.runUntil(
            [&] {
                for (int i = from; i < h.sent.size(); ++i)
                    if (h.sent[i].code == RC_POLL_VALUES && h.sent[i].slave == 2)
                        return true;
                return false;
            },
            2 * kGiveUpMs));
        for (int i = from; i < h.sent.size(); ++i)
            QVERIFY2(within(h.sent[i].code, RC_POLL_STATUS, RC_POLL_VALUES),
                     qPrintable(h.trace(from)));
        QVERIFY(!h.engine.isCancelPending());
        // A settings read cut off is incomplete, never left "reading" for ever.
        QVERIFY(h.engine.settingsState() != CommEngine::SettingsState::Reading);
    }

    void failureTexts_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("timeouts");
        QTest::addColumn<int>("damaged");
        QTest::addColumn<int>("refused");
        QTest::addColumn<int>("exception");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("silent scan")
            << int(RC_PROBE) << 3 << 0 << 0 << 0
            << "Meter 7 does not answer (3 time-outs in a row on the scan)";
        QTest::newRow("refused read")
            << int(RC_READ_CHANNEL + 2) << 0 << 0 << 3 << 2
            << "Meter 7 refused the request for its settings (exception 2: illegal data address)";
        QTest::newRow("refused clock write, unknown code")
            << int(RC_SEND_CLOCK_FRAME) << 0 << 0 << 3 << 19
            << "Meter 7 refused the clock write (exception 19)";
        QTest::newRow("all three kinds")
            << int(RC_POLL_VALUES) << 1 << 1 << 1 << 6
            << "Meter 7 does not answer usably (1 time-out, 1 damaged reply and 1 refusal "
               "(exception 6: slave device busy) in a row on its present values)";
    }

    void failureTexts() {
        QFETCH(int, code);
        QFETCH(int, timeouts);
        QFETCH(int, damaged);
        QFETCH(int, refused);
        QFETCH(int, exception);
        FailureCount count;
        for (int i = 0; i < timeouts; ++i)
            count.noteTimeout();
        for (int i = 0; i < damaged; ++i)
            count.noteDamaged();
        for (int i = 0; i < refused; ++i)
            count.noteRefused(exception);
        QTEST(count.giveUp(code, 6, 7).sentence(), "sentence");
        QCOMPARE(count.giveUp(code, 6, 7).failures(), 0); // each give-up starts a new count
    }
};

QTEST_GUILESS_MAIN(TestEngineGiveUp)
#include "tst_enginegiveup.moc"
