#include "comm/ChannelColours.h"
#include "comm/ModbusRtu.h"
#include "comm/ParameterSource.h"
#include "comm/RegisterMap.h"
#include "comm/RequestCodes.h"
#include "comm/RequestTable.h"
#include "comm/TransferSequence.h"
#include "paramset/ParamFields.h"
#include "paramset/ParamSet.h"
#include "sim/SimMeter.h"
#include "simlink/FactorySettings.h"
#include "support/EngineHarness.h"

#include <QSignalSpy>
#include <QTest>

using namespace RequestCode;

namespace {

QString busOf(int channels, const char* version) {
    return QStringLiteral("DEMO:1:%1:%2").arg(channels).arg(QLatin1String(version));
}

void addColumns() {
    QTest::addColumn<QString>("bus");
    QTest::addColumn<int>("channels");
    QTest::addColumn<QString>("sequence");
}

QTestData& addRow(int channels, const char* version, const char* sequence) {
    return QTest::addRow("%d channels, firmware %s", channels, version)
           << busOf(channels, version) << channels << QString::fromLatin1(sequence);
}

// Posts a transfer on a polling engine and runs it to its end; returns the percentages shown.
QList<int> runTransfer(EngineHarness& h, int code, int* from, QString* message) {
    QList<int> percents;
    const auto connection =
        QObject::connect(&h.engine, &CommEngine::transferProgress, [&](int p, const QString& m) {
            percents << p;
            *message = m;
        });
    *from = int(h.sent.size());
    if (h.engine.post(code))
        h.runUntil([&] { return h.firstOf(RC_POLL_STATUS, *from) >= 0; });
    QObject::disconnect(connection);
    return percents;
}

// The parameter image as a download reads it: every register a value made from its number;
// channel n's colour register holds one of the twelve colours, channel 2's none of them.
struct FakeImage : ParameterSource {
    static quint16 rgbOf(int channel) {
        return channel == 2 ? 0x1234 : ChannelColourRgb565[(channel + 4) % 12];
    }
    static quint16 valueOf(int reg) { return quint16((reg * 37 + 11) & 0x7FFF); }
    QVector<quint16> holdingRegisters(int first, int count) const override {
        QVector<quint16> v;
        for (int r = first; r < first + count; ++r)
            v << valueOf(r);
        for (int n = 1; n <= 12; ++n)
            if (ChannelColourRegister(n) >= first && ChannelColourRegister(n) < first + count)
                v[ChannelColourRegister(n) - first] = rgbOf(n);
        return v;
    }
    // What the meter must hold afterwards.
    static quint16 expected(int reg) {
        for (int n = 1; n <= 12; ++n)
            if (reg == ChannelColourRegister(n))
                return quint16(std::max(0, ChannelColourIndex(rgbOf(n))));
        return valueOf(reg);
    }
};

} // namespace

// Parameter upload and download, and the clock write, frame by frame against the simulated
// meter, whose registers afterwards hold what was written.
class TestEngineTransfer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void upload_data() {
        addColumns();
        QTest::addColumn<int>("firstPercent"); // after the common block
        QTest::addColumn<int>("lastPercent");
        // Before firmware 1.16 the progress counts 632 registers whatever the channel count.
        addRow(2, "1.05", "200-202@1") << 12 << 41;
        addRow(6, "1.10", "200-206@1") << 12 << 100;
        addRow(4, "1.16", "200-204@1 250@1 251-254@1") << 10 << 100;
        addRow(2, "2.10", "200-202@1 250@1 251-252@1") << 17 << 100;
        addRow(12, "1.10", "200-212@1 250@1 350@1 251-262@1") << 12 << 100;
        addRow(12, "1.20", "200-212@1 250@1 350@1 251-262@1") << 4 << 100;
    }

    void upload() {
        QFETCH(QString, bus);
        QFETCH(int, channels);
        QFETCH(QString, sequence);
        EngineHarness h(bus, {1});
        QSignalSpy completed(&h.engine, &CommEngine::uploadCompleted);
        QVERIFY(h.openAndSettle());
        int from = 0;
        QString message;
        const QList<int> percents = runTransfer(h, RC_UPLOAD_COMMON, &from, &message);
        const int end = h.firstOf(RC_POLL_STATUS, from);
        QCOMPARE(h.trace(from, end - from), EngineHarness::expand(sequence));
        QCOMPARE(completed.count(), 1);
        QCOMPARE(message, "Parameter Upload(TD700==>PC) Complete");
        QVERIFY(!h.state().gPollCycleDone); // no values read since the upload's reads
        QCOMPARE(percents.size(), end - from);
        QTEST(percents.first(), "firstPercent");
        QTEST(percents.last(), "lastPercent");

        // The tables hold what the meter holds: the last channel's name and, with formulas,
        // the last channel's formula.
        SimMeter* meter = h.bus().meter(1);
        QCOMPARE(h.tables().sprdP_CH.text(channels, 1),
                 QString::fromLatin1(meter->textAt(40001 + 100 * channels, 5)));
        if (sequence.contains(QStringLiteral("251")))
            QCOMPARE(h.tables().sprdFormual_CH.text(1, channels),
                     QString::fromLatin1(meter->textAt(50001 + 100 * channels, 50)));

        // A new set is the factory set: it shows every value as the upload of a fresh meter
        // does, the same texts in the same formats; the meter's own file-name prefix aside.
        const QString firmware = bus.section(u':', 3);
        ParamSet uploaded;
        ShowDeviceTablesInSet(uploaded, h.tables(), channels, firmware);
        ParamSet fresh;
        DeviceTables factory;
        ReadFactorySettings(factory, channels, firmware);
        NewParameterSet(fresh, channels, firmware, factory);
        for (const auto& [a, b] : {std::pair{&uploaded.tables.sprdP, &fresh.tables.sprdP},
                                   std::pair{&uploaded.tables.sprdP_CH, &fresh.tables.sprdP_CH}})
            for (int row = 1; row <= a->rowCount(); ++row)
                for (int column = 1; column <= a->columnCount(); ++column)
                    if (a == &uploaded.tables.sprdP_CH ||
                        (row != FilePrefixRow &&
                         (row < SystemDateFirstRow || row > SystemDateLastRow)))
                        QVERIFY2(a->text(column, row) == b->text(column, row),
                                 qPrintable(QStringLiteral("row %1 column %2: %3 / %4")
                                                .arg(row)
                                                .arg(column)
                                                .arg(a->text(column, row), b->text(column, row))));
        QCOMPARE(fresh.tables.sprdP.text(ParamTables::ValueColumn, FilePrefixRow), "TD2009");
    }

    void download_data() {
        addColumns();
        addRow(2, "1.05", "501-502@1 521-522@1 541-542@1 553-554@1");
        addRow(6, "1.10", "501-506@1 521-526@1 541-546@1 553-554@1");
        addRow(4, "1.16", "501-504@1 521-524@1 541-544@1 553-555@1 556-559@1");
        addRow(12, "1.20", "501-512@1 521-532@1 541-552@1 553-555@1 556-567@1");
    }

    void download() {
        QFETCH(QString, bus);
        QFETCH(int, channels);
        QFETCH(QString, sequence);
        EngineHarness h(bus, {1});
        FakeImage image;
        QVERIFY(h.openAndSettle());
        QVERIFY(!h.engine.post(RC_DL_CH_KEY)); // nothing to send without an image
        h.engine.setParameterSource(&image);
        QSignalSpy completed(&h.engine, &CommEngine::downloadCompleted);
        int from = 0;
        QString message;
        const QList<int> percents = runTransfer(h, RC_DL_CH_KEY, &from, &message);
        const int end = h.firstOf(RC_POLL_STATUS, from);
        QCOMPARE(h.trace(from, end - from), EngineHarness::expand(sequence));
        QCOMPARE(completed.count(), 1);
        QCOMPARE(message, "Parameter Download(PC==>TD700) Complete");
        QCOMPARE(percents.last(), 100);
        QVERIFY(std::is_sorted(percents.begin(), percents.end()));

        SimMeter* meter = h.bus().meter(1);
        for (int i = from; i < end; ++i) {
            const SentRequest& r = h.sent[i];
            QCOMPARE(quint8(r.frame[1]), quint8(16));
            for (int reg = r.startRegister(); reg < r.startRegister() + r.count(); ++reg)
                QVERIFY2(
                    meter->reg(reg) == FakeImage::expected(reg),
                    qPrintable(QStringLiteral("register %1 of request %2").arg(reg).arg(r.code)));
        }
        // What a monitor of the meter shows follows the download at once.
        const int decimals = 40012 + 100 * channels; // the last channel's decimals
        QCOMPARE(h.tables().sprdMON.integer(ChannelFirstColumn(channels) + 2, 1),
                 qint64(FakeImage::expected(decimals)));
    }

    void clockWriteRereadsTheSettings() {
        EngineHarness h;
        QVERIFY(h.openAndSettle());
        QVERIFY(!h.engine.post(RC_SEND_CLOCK_FRAME)); // no frame prepared yet
        h.state().gClockFrame = BuildWriteFrame(1, 40025, {2024, 2, 29, 13, 5, 9});
        h.state().gSettingsRead = false;
        QSignalSpy settings(&h.engine, &CommEngine::settingsRead);
        const int from = int(h.sent.size());
        QVERIFY(h.engine.post(RC_SEND_CLOCK_FRAME));
        QVERIFY(h.runUntil([&] { return h.firstOf(RC_POLL_STATUS, from) >= 0; }));
        const int end = h.firstOf(RC_POLL_STATUS, from);
        QCOMPARE(h.trace(from, end - from + 1), EngineHarness::expand("601@1 100-112@1 11@1"));
        QCOMPARE(h.sent[from].frame, h.state().gClockFrame);
        QCOMPARE(settings.count(), 1);
        QVERIFY(h.state().gSettingsRead);
        const TextTable& common = h.tables().sprdP_Common;
        QCOMPARE((QStringList{common.text(1, 25), common.text(1, 26), common.text(1, 27),
                              common.text(1, 28)}),
                 (QStringList{"2024", "2", "29", "13"}));
    }

    void percentRoundsHalvesToEven_data() {
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("whole");
        QTest::addColumn<int>("percent");
        QTest::newRow("12.5") << 1 << 8 << 12;
        QTest::newRow("37.5") << 3 << 8 << 38;
        QTest::newRow("62.5") << 5 << 8 << 62;
        QTest::newRow("3.8") << 74 << 1946 << 4;
        QTest::newRow("above the whole") << 1190 << 632 << 100;
        QTest::newRow("no whole") << 5 << 0 << 0;
    }

    void percentRoundsHalvesToEven() {
        QFETCH(int, part);
        QFETCH(int, whole);
        QTEST(RoundedPercent(part, whole), "percent");
    }
};

QTEST_GUILESS_MAIN(TestEngineTransfer)
#include "tst_enginetransfer.moc"
