// A parameter set carried from one simulated meter to another through a parameter file, on
// the virtual clock: upload, save, load, download, upload again.
#include "comm/ReplyDecoder.h"
#include "paramset/ParamCompare.h"
#include "paramset/ParamFields.h"
#include "paramset/ParamFile.h"
#include "paramset/ParamSet.h"
#include "sim/SimMeter.h"
#include "support/ParamTransferHarness.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

void uploadInto(EngineHarness& h, ParamSet& set) {
    QVERIFY(ParamTransfer::upload(h, set));
}

// Every value cell but the meter's clock, which runs.
QStringList valueCells(const ParamSet& set) {
    const ParamTables& t = set.tables;
    QStringList cells;
    for (int row = 1; row <= CommonRows; ++row)
        if (row < SystemDateFirstRow || row > SystemDateLastRow)
            cells << t.sprdP.text(ParamTables::ValueColumn, row);
    for (int n = 1; n <= set.channelCount(); ++n) {
        for (int row = 1; row <= ChannelRows; ++row)
            cells << t.sprdP_CH.text(ParamTables::channelColumn(n), row);
        cells << t.sprdFormual_CH.text(1, n) << t.sprdFormual_Mem.text(1, n);
    }
    return cells;
}

} // namespace

class TestParamTransfer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void setTravelsThroughAFileToAnotherMeter_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<int>("fileSize");
        QTest::newRow("2 ch, 1.05") << 2 << "1.05" << 4832;
        QTest::newRow("4 ch, 1.16") << 4 << "1.16" << 5588;
        QTest::newRow("6 ch, 1.50") << 6 << "1.50" << 5588;
        QTest::newRow("12 ch, 1.05") << 12 << "1.05" << 4832;
        QTest::newRow("12 ch, 1.20") << 12 << "1.20" << 5588;
        QTest::newRow("2 ch, 2.10") << 2 << "2.10" << 5588;
    }

    void setTravelsThroughAFileToAnotherMeter() {
        QFETCH(int, channels);
        QFETCH(QString, firmware);
        QFETCH(int, fileSize);
        const QString meter = QStringLiteral("%1:") + QString::number(channels) + u':' + firmware;
        EngineHarness h(QStringLiteral("DEMO:") + meter.arg(1) + u',' + meter.arg(2), {1, 2});
        QVERIFY(h.openAndSettle());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("m1.CFG"));

        ParamSet first;
        uploadInto(h, first);
        QCOMPARE(first.channelCount(), channels);
        QCOMPARE(first.versionText(), firmware);
        const ParamFileResult saved = SaveParameterFile(first, path);
        QVERIFY2(saved.ok, qPrintable(saved.error));
        QCOMPARE(QFileInfo(path).size(), qint64(fileSize));

        // The second meter's own formulas of channels 7 to 12 stay: the file has none.
        QVERIFY(ParamTransfer::selectMeter(h, 2));
        ParamSet carried;
        uploadInto(h, carried);
        const ParamFileResult loaded = LoadParameterFile(carried, path);
        QVERIFY2(loaded.ok, qPrintable(loaded.error));
        QVERIFY(ParamTransfer::download(h, carried));

        ParamSet second;
        uploadInto(h, second);
        QCOMPARE(valueCells(second), valueCells(first));
        TakeImageFromTables(second);
        const QVector<ParamDifference> differences = CompareParameterSets(first, second, false);
        QVERIFY2(differences.isEmpty(), qPrintable(differences.value(0).key));

        // The wire carried the colour index, and the first meter's names over the second's
        // own (a Korean one among them).
        SimMeter* target = h.bus().meter(2);
        QCOMPARE(target->reg(40116 + 100 * (channels - 1)), quint16((channels - 1) % 12));
        QCOMPARE(target->textAt(40201, 5), QByteArray("BOILER-OUT"));
    }

    // The refresh after an upload: the decoder's numbers become the set's values and texts.
    void refreshShowsTheMetersNumbers_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<QString>("cell");   // "P row", "C row" (channel 1) or "F row"
        QTest::addColumn<QString>("device"); // what the decoder wrote
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("offset"); // in the image after a save, -1: not looked at
        QTest::addColumn<QByteArray>("bytes");
        const int ch1 = ParamLayout::channelOffset(1);
        const auto row = [](const char* name, int channels, const char* firmware, const char* cell,
                            const QString& device, const char* shown, int offset = -1,
                            const char* bytes = "") {
            QTest::newRow(name) << channels << QString(firmware) << QString(cell) << device
                                << QString(shown) << offset << QByteArray::fromHex(bytes);
        };
        row("protocol", 6, "1.16", "P 32", "3", "Modbus-RTU", 590, "0300");
        row("no prefix", 6, "1.16", "P 69", QString(6, QChar(0)), "TD2009", ParamLayout::FilePrefix,
            "540044003200300030003900");
        row("prefix before 1.10 is not the meter's", 6, "1.05", "P 69", "REC001", "TD2009");
        row("prefix", 6, "1.10", "P 69", "REC001", "REC001");
        row("group", 12, "1.20", "P 14", "3", "ALL", 522, "0300");
        row("unsigned register", 6, "1.16", "C 9", "65535", "-1", ch1 + 12, "ffff");
        row("colour index", 6, "1.16", "C 10", "3", "3", ch1 + 2, "00f8");
        row("colour out of range", 6, "1.16", "C 10", "12", "", ch1 + 2, "0000");
        row("reference temperature", 6, "1.50", "C 13", "20", "20.0", ch1 + 60, "0000a041");
        row("no beta type from 1.50", 6, "1.50", "C 14", "7", "");
        row("display mode 2 from 1.16", 6, "1.16", "P 2", "2", "H.TREND", 512, "0200");
        row("formulas of a twelve-channel meter", 12, "1.05", "F 1", "CH01+1", "CH01+1");
        row("no formulas read before 1.16", 6, "1.10", "F 1", "CH01+1", "");
    }

    void refreshShowsTheMetersNumbers() {
        QFETCH(int, channels);
        QFETCH(QString, firmware);
        QFETCH(QString, cell);
        QFETCH(QString, device);
        QFETCH(QString, shown);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        DeviceTables tables;
        const int row = cell.mid(2).toInt();
        TextTable& source = cell[0] == u'P'   ? tables.sprdP_Common
                            : cell[0] == u'C' ? tables.sprdP_CH
                                              : tables.sprdFormual_CH;
        source.setText(1, row, device);
        ParamSet set;
        ShowDeviceTablesInSet(set, tables, channels, firmware);
        QVERIFY(!set.hasEdits()); // what an upload shows is the set as it stands
        const ParamTables& t = set.tables;
        const QString text = cell[0] == u'P'   ? t.sprdP.text(ParamTables::ValueColumn, row)
                             : cell[0] == u'C' ? t.sprdP_CH.text(ParamTables::channelColumn(1), row)
                                               : t.sprdFormual_CH.text(1, row);
        QCOMPARE(text.left(text.indexOf(QChar(0))), shown);
        if (offset >= 0)
            QCOMPARE(
                ParameterFileBytes(set).mid(ParamLayout::HeaderSize + offset, bytes.size()).toHex(),
                bytes.toHex());
    }
};

QTEST_GUILESS_MAIN(TestParamTransfer)
#include "tst_paramtransfer.moc"
