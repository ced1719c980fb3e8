// Replies after their request was given up: whatever the delay, an upload, a download with its
// read-back and a settings read end with exactly what the meter holds.
#include "comm/DownloadData.h"
#include "paramset/ParamCompare.h"
#include "paramset/ParamFile.h"
#include "sim/SimMeter.h"
#include "support/ParamTransferHarness.h"

#include <QTemporaryDir>
#include <QTest>

using namespace RequestCode;

namespace {

const QString kBus = QStringLiteral("DEMO:1:12:1.20,2:12:1.20");

struct Block {
    int first, count;
};
enum class Blocks { Settings, Upload, Download };

// The blocks of a twelve-channel meter's set that a settings read and an upload read, and
// that a download writes.
QList<Block> setBlocks(Blocks which) {
    QList<Block> blocks;
    if (which == Blocks::Download)
        blocks << Block{40001, 17} << Block{40031, 47} << Block{47001, 78};
    else
        blocks << Block{40001, 77};
    if (which == Blocks::Upload)
        blocks << Block{47001, 156};
    for (int n = 1; n <= 12; ++n) {
        blocks << Block{40001 + 100 * n, 93};
        if (which != Blocks::Settings)
            blocks << Block{50001 + 100 * n, 50};
    }
    return blocks;
}

// The first register in which the set differs from the meter, as "register: set / meter".
QString firstDifference(const ParamSet& set, SimMeter& meter, Blocks which) {
    const ImageParameterSource source(set);
    for (const Block& b : setBlocks(which))
        for (int r = b.first; r < b.first + b.count; ++r)
            if (const auto value = DownloadRegisters(source, r, 1);
                value && (*value)[0] != meter.reg(r))
                return QStringLiteral("%1: %2 / %3").arg(r).arg((*value)[0]).arg(meter.reg(r));
    return QString();
}

} // namespace

class TestLateReplies : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void endsWithTheMetersData_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("faults"); // on meter 1; REG: the kind's registers
        QTest::addColumn<bool>("healthy");
        for (const QString kind :
             {"upload channels", "upload formulas", "download and verify", "settings read"}) {
            const auto row = [&](const QString& name, const QString& faults) {
                QTest::newRow(qPrintable(kind + QStringLiteral(", ") + name))
                    << kind << faults << faults.isEmpty();
            };
            row(QStringLiteral("healthy"), QString());
            // Every fifth reply late; the others queue behind it, as behind a slow converter.
            for (int ms : {1001, 3000})
                row(QStringLiteral("every 5th %1 ms late").arg(ms),
                    QStringLiteral("delay:%1,meter=1,REG,every=5").arg(ms));
            // A request and its repeat both late: the repeat's reply comes after the next
            // request of the same length went out.
            for (int ms : {1500, 3000})
                row(QStringLiteral("a request %1 ms and its repeat %2 ms late")
                        .arg(ms)
                        .arg(ms - 500),
                    QStringLiteral(
                        "delay:%1,meter=1,REG,times=1;delay:%2,meter=1,REG,skip=1,times=1")
                        .arg(ms)
                        .arg(ms - 500));
        }
    }

    void endsWithTheMetersData() {
        QFETCH(QString, kind);
        QFETCH(QString, faults);
        const QString blocks = kind == u"upload formulas"       ? QStringLiteral("reg=47001-51201")
                               : kind == u"download and verify" ? QStringLiteral("reg=40101-51201")
                                                                : QStringLiteral("reg=40101-41201");
        faults.replace(QStringLiteral("REG"), blocks);
        EngineHarness h(kBus, {1, 2});
        h.bus().setFrozen(true);
        SimMeter& meter = *h.bus().meter(1);
        QVERIFY(h.openAndSettle());
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("m2.CFG"));
        if (kind == u"download and verify") {
            // What goes down: the set of the other meter of the model, through a file.
            ParamSet other;
            QVERIFY(ParamTransfer::selectMeter(h, 2) && ParamTransfer::upload(h, other));
            QVERIFY(SaveParameterFile(other, file).ok);
            QVERIFY(ParamTransfer::selectMeter(h, 1));
        }
        QVERIFY(h.addFaults(faults));

        ParamSet set;
        if (kind.startsWith(u"upload")) {
            QVERIFY(ParamTransfer::upload(h, set));
            TakeImageFromTables(set);
            QCOMPARE(firstDifference(set, meter, Blocks::Upload), QString());
        } else if (kind == u"download and verify") {
            // As td700 download runs it: the meter's own set first (a file holds no formulas
            // of channels 7 to 12), the file over it, the download, the read-back.
            QVERIFY(ParamTransfer::upload(h, set));
            QCOMPARE(firstDifference(set, meter, Blocks::Upload), QString());
            QVERIFY(LoadParameterFile(set, file).ok);
            QVERIFY(ParamTransfer::download(h, set));
            QCOMPARE(firstDifference(set, meter, Blocks::Download), QString());
            ParamSet check;
            QVERIFY(ParamTransfer::upload(h, check));
            TakeImageFromTables(check);
            QVERIFY(CompareWrittenSet(set, check, true).isEmpty());
        } else {
            bool read = false;
            connect(&h.engine, &CommEngine::settingsRead, this, [&] { read = true; });
            QVERIFY(h.engine.post(RC_READ_COMMON));
            QVERIFY(h.runUntil([&] { return read; }));
            ShowDeviceTablesInSet(set, h.tables(), 12, QStringLiteral("1.20"));
            TakeImageFromTables(set);
            QCOMPARE(firstDifference(set, meter, Blocks::Settings), QString());
        }
        // Besides the fence of each meter when the line opened, a fence is sent only after a
        // request was given up.
        QFETCH(bool, healthy);
        const CommEngine::Totals& t = h.engine.totals();
        const quint64 inRun = t.fences - 2;
        QVERIFY(inRun <= t.timeouts + t.badFrames);
        if (healthy)
            QCOMPARE(t.timeouts + inRun + t.lateReplies, 0u);
    }

    // The reply to a repeat, right behind the late reply taken for it, is recognised between
    // requests: it settles the block, and the next block of the same length needs no fence.
    void replyBehindTheLateOneSparesTheFence() {
        EngineHarness h(kBus, {1, 2});
        PortSettings port = h.engine.portSettings();
        port.baud = QStringLiteral("115200");
        h.engine.setPortSettings(port);
        QVERIFY(h.openAndSettle());
        QVERIFY(h.addFaults(QStringLiteral("delay:1200,meter=1,reg=40501,times=1")));
        const int from = int(h.sent.size());
        ParamSet set;
        QVERIFY(ParamTransfer::upload(h, set));
        QVERIFY(h.trace(from).contains(EngineHarness::expand("205@1*2 206@1")));
        QCOMPARE(h.engine.totals().fences, 2u); // those of the line opened
        QCOMPARE(h.engine.totals().lateReplies, 1u);
    }

    // A download's read-back also compares the formulas of channels 7 to 12 it wrote back as
    // the meter held them: one that reads back otherwise is named.
    void readBackComparesTheMetersOwnFormulas() {
        EngineHarness h(kBus, {1, 2});
        QVERIFY(h.openAndSettle());
        ParamSet written, readBack;
        QVERIFY(ParamTransfer::upload(h, written));
        TakeImageFromTables(written);
        h.bus().meter(1)->setReg(50901, 0x4142);
        QVERIFY(ParamTransfer::upload(h, readBack));
        TakeImageFromTables(readBack);
        QVERIFY(CompareWrittenSet(written, readBack, false).isEmpty());
        const QVector<ParamDifference> found = CompareWrittenSet(written, readBack, true);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].where() + u' ' + found[0].key, QStringLiteral("CH.09 CH_FORMULA"));
    }
};

QTEST_GUILESS_MAIN(TestLateReplies)
#include "tst_latereplies.moc"
