// Parameter files against references built from the byte layout (data/make_cfg.py): rows shown,
// the same bytes saved as loaded, edited texts stored, bad files refused.
#include "paramset/FieldText.h"
#include "paramset/ParamFields.h"
#include "paramset/ParamFile.h"
#include "paramset/ParamSet.h"
#include "support/GoldenFile.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace ParamLayout;

namespace {

const char* const kGoldens[] = {"p02_105", "p02_150", "p04_110", "p04_116", "p04_200",
                                "p06_115", "p06_210", "p12_105", "p12_120", "p12_150"};

QString dataFile(const QString& name) {
    return QFINDTESTDATA(QStringLiteral("data/") + name);
}

// The value cell of a row given by its key: "common" or "CH.nn", as the .expect files say.
QString cellOf(const ParamSet& set, const QString& where, const QString& key) {
    const ParamTables& t = set.tables;
    if (where == QStringLiteral("common")) {
        for (const ParamField& f : CommonFields())
            if (f.key == key)
                return t.sprdP.text(ParamTables::ValueColumn, f.row);
    } else if (where.startsWith(QStringLiteral("CH."))) {
        const int n = where.mid(3).toInt();
        for (const ParamField& f : ChannelFields(set.versionHundredths()))
            if (f.key == key)
                return t.sprdP_CH.text(ParamTables::channelColumn(n), f.row);
    } else if (where.startsWith(QStringLiteral("FCH."))) {
        return t.sprdFormual_CH.text(1, where.mid(4).toInt());
    } else if (where.startsWith(QStringLiteral("MEM."))) {
        return t.sprdFormual_Mem.text(1, where.mid(4).toInt());
    }
    return QStringLiteral("<no row %1 %2>").arg(where, key);
}

bool setCell(ParamSet& set, const QString& where, const QString& key, const QString& text) {
    ParamTables& t = set.tables;
    const bool common = where == QStringLiteral("common");
    for (const ParamField& f : common ? CommonFields() : ChannelFields(set.versionHundredths()))
        if (f.key == key)
            return common ? t.sprdP.setText(ParamTables::ValueColumn, f.row, text)
                          : t.sprdP_CH.setText(ParamTables::channelColumn(where.mid(3).toInt()),
                                               f.row, text);
    return false;
}

// Everything a refused load must leave alone.
QByteArray stateOf(const ParamSet& set) {
    QByteArray out = set.header.toByteArray() + set.image.toByteArray();
    for (const FormulaRec& r : set.gFormulaTable)
        out += r.toByteArray();
    out += QByteArray::number(set.channelCount()) + QByteArray::number(set.versionHundredths());
    for (const TextTable* t : {&set.tables.sprdP, &set.tables.sprdP_CH, &set.tables.sprdFormual_Mem,
                               &set.tables.sprdFormual_CH})
        for (int r = 0; r <= t->rowCount(); ++r)
            for (int c = 0; c <= t->columnCount(); ++c)
                out += t->text(c, r).toUtf8() + '\t';
    return out;
}

} // namespace

class TestParamFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void referenceFilesShowAndSaveUnchanged_data() {
        QTest::addColumn<QString>("stem");
        for (const char* stem : kGoldens)
            QTest::newRow(stem) << QString::fromLatin1(stem);
    }

    void referenceFilesShowAndSaveUnchanged() {
        QFETCH(QString, stem);
        const QString path = dataFile(stem + QStringLiteral(".CFG"));
        const QByteArray bytes = ReadBytes(path);
        QVERIFY(!bytes.isEmpty());
        ParamSet set;
        const ParamFileResult result = LoadParameterFile(set, path);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(result.warnings, QStringList());
        QCOMPARE(set.channelCount(), stem.mid(1, 2).toInt());
        QCOMPARE(set.versionHundredths(), stem.mid(4).toInt());

        const QStringList lines =
            QString::fromUtf8(ReadBytes(dataFile(stem + QStringLiteral(".expect"))))
                .split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() > 100);
        for (const QString& line : lines) {
            const QStringList p = line.split(u'\t');
            const QString cell = cellOf(set, p[0], p[1]);
            const QString shown = cell.left(cell.indexOf(QChar(0)));
            QVERIFY2(shown == p.value(2), qPrintable(line + QStringLiteral(" -> ") + cell));
        }
        QVERIFY(!set.hasEdits());
        QVERIFY(MatchesGolden(ParameterFileBytes(set), path));
    }

    // The rows a model and firmware use, and the captions that change with them.
    void layoutFollowsModelAndFirmware_data() {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<QString>("hidden");  // "P14 P17 C12 ..." : sprdP / sprdP_CH rows
        QTest::addColumn<QString>("caption"); // sprdP row 14, then sprdP_CH row 12
        const QString buffer = QStringLiteral("REC. WITH BUFFER|"),
                      group = QStringLiteral("DISPLAY GROUP|");
        const QString math = QStringLiteral("MATH. TYPE"),
                      rjc = QStringLiteral("RJC TYPE (Only T/C)");
        const auto row = [](const char* stem, const char* name, const char* hidden,
                            const QString& caption) {
            QTest::newRow(name) << QString(stem) << QString(hidden) << caption;
        };
        row("p02_105", "2 ch, 1.05", "P17 P53 P68", buffer + math);
        row("p04_110", "4 ch, 1.10", "P17", buffer + math);
        row("p04_116", "4 ch, 1.16", "P14 C12 C13 C14 C15 C16", buffer + math);
        row("p04_200", "4 ch, 2.00", "P14 C14 C15 C16", buffer + rjc);
        row("p02_150", "2 ch, 1.50", "P14 P53 P68 C14 C15 C16", buffer + rjc);
        row("p12_105", "12 ch, 1.05", "P17", group + math);
        row("p12_120", "12 ch, 1.20", "C12 C13 C14 C15 C16", group + math);
        row("p12_150", "12 ch, 1.50", "C14 C15 C16", group + rjc);
    }

    void layoutFollowsModelAndFirmware() {
        QFETCH(QString, stem);
        QFETCH(QString, hidden);
        QFETCH(QString, caption);
        ParamSet set;
        QVERIFY(LoadParameterFile(set, dataFile(stem + QStringLiteral(".CFG"))).ok);
        const ParamTables& t = set.tables;
        QStringList found;
        for (int r = 1; r <= t.sprdP.rowCount(); ++r)
            if (t.sprdP.isRowHidden(r) && (r == 14 || r == 17 || r == 53 || r == 68))
                found << QStringLiteral("P%1").arg(r);
        for (int r = 1; r <= t.sprdP_CH.rowCount(); ++r)
            if (t.sprdP_CH.isRowHidden(r))
                found << QStringLiteral("C%1").arg(r);
        QCOMPARE(found.join(u' '), hidden);
        QCOMPARE(t.sprdP.text(1, 14) + u'|' + t.sprdP_CH.text(1, 12), caption);
        const int channels = set.channelCount();
        QCOMPARE(t.sprdP_CH.columnCount(), channels + 2);
        QCOMPARE(t.sprdP_CH.text(channels + 2, 0),
                 QStringLiteral("CH.%1").arg(channels, 2, 10, QLatin1Char('0')));
        QCOMPARE(t.sprdFormual_CH.rowCount(), channels);
        QVERIFY(t.sprdP.isColumnHidden(2) && t.sprdP_CH.isColumnHidden(2));
    }

    // An edited cell is stored by its row's rule; the bytes are those of the file layout.
    void editedTextsAreStored_data() {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("offset"); // in the image
        QTest::addColumn<QByteArray>("bytes");
        const int ch1 = channelOffset(1);
        const int ch3 = channelOffset(3);
        const auto row = [](const char* name, const char* stem, const char* where, const char* key,
                            const char* text, int offset, const char* hex) {
            QTest::newRow(name) << stem << where << key << QString::fromUtf8(text) << offset
                                << QByteArray::fromHex(hex);
        };
        // clang-format off
        row("mode before 1.16", "p06_115", "common", "SCREEN_DISPLAY_MODE", "TEXT-VIEW", 512, "0500");
        row("history from 1.16", "p12_120", "common", "SCREEN_DISPLAY_MODE", "HISTORY-VIEW", 512, "8100");
        row("history before 1.16", "p12_105", "common", "SCREEN_DISPLAY_MODE", "HISTORY-VIEW", 512, "1100");
        row("record switch lower case", "p02_105", "common", "RECORD_ONOFF", "on", 276, "0000");
        row("switch unknown text kept", "p02_105", "common", "TEXTBAR_ONOFF", "YES", 516, "0500");
        row("bypass is 127", "p04_116", "common", "DI01_RCD", "BYPASS", 616 + 2, "7f00");
        row("32-bit on-time", "p04_116", "common", "DI01_RYT", "4294967295", 616 + 8, "ffffffff");
        row("16-bit saturates", "p04_116", "common", "SAVE_PERIOD_TIME", "70000", 528, "ffff");
        row("negative 16-bit", "p04_116", "common", "SAVE_PERIOD_TIME", "-2", 528, "feff");
        row("not a number is 0", "p04_116", "common", "SAVE_PERIOD_TIME", "abc", 528, "0000");
        row("baud not in list kept", "p04_116", "common", "RS485_BAUDRATE_CODE", "115200", 606, "0300");
        row("protocol always 0", "p04_116", "common", "RS232_PROTOCOL_CODE", "Modbus-RTU", 590, "0000");
        row("group empty", "p12_120", "common", "RECORD_WITH_BUFFER", "", 522, "0000");
        row("on in a small set", "p06_115", "CH.01", "DISP_ONOFF", "OFF", ch1, "0000");
        row("prefix short", "p06_115", "common", "FILE_PREFIX", "AB", FilePrefix, "410042000000000000000000");
        row("name cut at 10", "p06_115", "CH.01", "CH_NAME", "ABCDEFGHIJK", ch1 + 216, "4100420043004400450046004700480049004a00");
        row("korean name", "p06_115", "CH.01", "CH_NAME", "온도", ch1 + 216, "bf00c200b500b500000000000000000000000000");
        row("korean cut between characters", "p06_115", "CH.01", "UNIT_NAME", "ABC온도", ch1 + 204, "410042004300bf00c2000000");
        row("colour index", "p12_120", "CH.03", "COLOR", "3", ch3 + 2, "00f8");
        row("colour not in list kept", "p12_120", "CH.05", "COLOR", "12", channelOffset(5) + 2, "3412");
        row("single", "p12_120", "CH.03", "USER_RANGE_MAX", "1.5", ch3 + 16, "0000c03f");
        row("math alpha before 1.50", "p12_105", "CH.03", "MATH_A_CH", "7", ch3 + 60, "0700");
        row("reference channel", "p12_150", "CH.03", "MATH_FTYPE", "CH05", ch3 + 58, "0600");
        row("reference temperature", "p12_150", "CH.03", "MATH_A_CH", "-12.5", ch3 + 60, "000048c1");
        row("beta channel from 1.50", "p12_150", "CH.03", "MATH_B_CH", "9", ch3 + 64, "0900");
        // clang-format on
    }

    void editedTextsAreStored() {
        QFETCH(QString, stem);
        QFETCH(QString, where);
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        ParamSet set;
        const QString path = dataFile(stem + QStringLiteral(".CFG"));
        QVERIFY(LoadParameterFile(set, path).ok);
        QVERIFY(setCell(set, where, key, text));
        QVERIFY(set.hasEdits());
        const QByteArray saved = ParameterFileBytes(set);
        QCOMPARE(saved.mid(HeaderSize + offset, bytes.size()).toHex(), bytes.toHex());
        // Nothing else moved.
        QByteArray original = ReadBytes(path);
        original.replace(HeaderSize + offset, bytes.size(), bytes);
        QCOMPARE(saved.size(), original.size());
        QVERIFY(saved == original);
    }

    // Every text a list row offers is stored as a value that shows as that text again (the
    // protocol rows take either spelling and show one).
    void everyListTextComesBack_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("version");
        for (const auto& [channels, version] : {std::pair{6, 105}, {12, 120}, {4, 150}, {2, 210}})
            QTest::addRow("%d ch, %d", channels, version) << channels << version;
    }

    void everyListTextComesBack() {
        QFETCH(int, channels);
        QFETCH(int, version);
        const ParamContext c{channels, version};
        for (const int base : {0, channelOffset(1)})
            for (const ParamField& f : base == 0 ? CommonFields() : ChannelFields(version))
                for (const QString& text : FieldTexts(f, c)) {
                    if (text == ParamText::UploadedProtocolText)
                        continue;
                    ParamImage image;
                    QVERIFY2(StoreFieldText(f, text, image, base, c), qPrintable(f.key));
                    QCOMPARE(FieldText(f, image, base, c).value_or(QStringLiteral("(kept)")) +
                                 u' ' + f.key,
                             text + u' ' + f.key);
                }
    }

    void formulasAreStoredHighByteFirst() {
        ParamSet set;
        QVERIFY(LoadParameterFile(set, dataFile(QStringLiteral("p04_116.CFG"))).ok);
        set.tables.sprdFormual_CH.setText(1, 2, QStringLiteral("CH01+1"));
        set.tables.sprdFormual_Mem.setText(1, 2, QStringLiteral("M1"));
        const QByteArray saved = ParameterFileBytes(set);
        const int rec = FileSizeWithoutFormulas + FormulaRecSize;
        QCOMPARE(saved.mid(rec, 8).toHex(), QByteArray("48433130312b0000"));
        QCOMPARE(saved.mid(rec + 100, 4).toHex(), QByteArray("314d0000"));
    }

    // Files that are not good parameter files: refused ones change nothing at all.
    void badFilesAreRefusedWithoutChange_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QByteArray good = ReadBytes(dataFile(QStringLiteral("p12_120.CFG")));
        const QByteArray old = ReadBytes(dataFile(QStringLiteral("p06_115.CFG")));
        QByteArray data("TD700 LOG DATA\0\0", 16);
        data += QByteArray(4832 - 16, '\0');
        data[16] = 2; // model and layout bytes as a data file has them: they look plausible
        data[18] = 1;
        data[19] = 8;
        const QByteArray text = QByteArray("COM1\r\n38400\r\nN\r\n8\r\n1\r\n").repeated(300);
        QTest::newRow("empty") << QByteArray() << "is empty";
        QTest::newRow("data file") << data << "is a data file";
        QTest::newRow("text file") << text << "holds no model and firmware";
        QTest::newRow("header only") << good.left(512) << "too short: 512 bytes";
        QTest::newRow("formulas cut") << good.left(5587) << "firmware 1.20 has 5588";
        QTest::newRow("image cut") << old.left(4831) << "firmware 1.15 has 4832";
        QTest::newRow("a 1.20 header, 1.05 size") << good.left(4832) << "too short: 4832";
        QTest::newRow("zero bytes") << QByteArray(4832, '\0') << "names firmware 0.00";
        QByteArray noModel = good;
        noModel[16] = 3;
        QTest::newRow("model code of no model") << noModel << "model code 3, which is no model";
    }

    void badFilesAreRefusedWithoutChange() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QTemporaryDir dir;
        ParamSet set;
        QVERIFY(LoadParameterFile(set, dataFile(QStringLiteral("p04_116.CFG"))).ok);
        set.tables.sprdP.setText(3, 6, QStringLiteral("55")); // an edit in progress stays
        const QByteArray before = stateOf(set);
        const ParamFileResult r =
            LoadParameterFile(set, WriteBytes(dir.filePath(QStringLiteral("bad.CFG")), bytes));
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains(message), qPrintable(r.error));
        QVERIFY(stateOf(set) == before);

        const ParamFileResult missing =
            LoadParameterFile(set, dir.filePath(QStringLiteral("none")));
        QVERIFY(!missing.ok && missing.error.startsWith(QStringLiteral("Cannot open")));
        QVERIFY(stateOf(set) == before);
    }

    void longFilesLoadWithAWarning() {
        QTemporaryDir dir;
        ParamSet set;
        QVERIFY(LoadParameterFile(set, dataFile(QStringLiteral("p06_210.CFG"))).ok);
        const QByteArray longer = ReadBytes(dataFile(QStringLiteral("p12_120.CFG"))) + "trailing!";
        const QString path = WriteBytes(dir.filePath(QStringLiteral("odd.CFG")), longer);
        const ParamFileResult r = LoadParameterFile(set, path);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.warnings.size(), 1);
        QVERIFY(r.warnings[0].contains(QStringLiteral("9 bytes longer")));
        QCOMPARE(set.channelCount(), 12);
        QCOMPARE(set.versionHundredths(), 120);
        // Saved, the extra bytes are gone.
        QVERIFY(ParameterFileBytes(set) == longer.left(5588));
    }

    // A file holds the formulas of channels 1 to 6; the others stay as they were.
    void formulasOfChannelsSevenToTwelveStay() {
        ParamSet set;
        QVERIFY(LoadParameterFile(set, dataFile(QStringLiteral("p12_120.CFG"))).ok);
        set.tables.sprdFormual_CH.setText(1, 9, QStringLiteral("CH09*2"));
        ParameterFileBytes(set); // takes the edit into the image
        QVERIFY(LoadParameterFile(set, dataFile(QStringLiteral("p12_150.CFG"))).ok);
        QCOMPARE(set.tables.sprdFormual_CH.text(1, 9).left(6), QStringLiteral("CH09*2"));
        QCOMPARE(set.tables.sprdFormual_CH.text(1, 1).left(11), QStringLiteral("CH01*1.8+32"));
    }
};

QTEST_GUILESS_MAIN(TestParamFile)
#include "tst_paramfile.moc"
