// Parameter sets as text: reference files round-trip byte for byte, a patch changes only what it
// names, a faulty text makes nothing and names the line.
#include "paramset/ParamCompare.h"
#include "paramset/ParamFields.h"
#include "paramset/ParamSet.h"
#include "paramtext/ParamSetFiles.h"
#include "paramtext/ParamTextExport.h"
#include "paramtext/ParamTextImport.h"
#include "paramtext/ParamTextSyntax.h"
#include "support/GoldenFile.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const char* const kGoldens[] = {"p02_105", "p02_150", "p04_110", "p04_116", "p04_200",
                                "p06_115", "p06_210", "p12_105", "p12_120", "p12_150"};

QByteArray golden(const QString& stem) {
    return ReadBytes(QFINDTESTDATA(QStringLiteral("../paramset/data/%1.CFG").arg(stem)));
}

// A twelve-channel set a recorder may hold though the pages never make it: GROUP 1 holds eight
// channels (two of them ALL), GROUP 2 six, and the reserved start is set for 31 February.
QByteArray beyondThePages() {
    QByteArray bytes = golden(QStringLiteral("p12_120"));
    const auto set = [&](int offset, int value) {
        bytes[512 + offset] = char(value & 0xFF);
        bytes[512 + offset + 1] = char(value >> 8);
    };
    const int groups[] = {1, 1, 1, 1, 1, 1, 3, 3, 2, 2, 2, 2};
    for (int n = 1; n <= 12; ++n)
        set(720 + 300 * (n - 1), groups[n - 1]);
    set(540, 2025);
    set(542, 2);
    set(544, 31);
    return bytes;
}

// A reference file by its name, or the set above.
QByteArray baseSet(const QString& name) {
    return name == QStringLiteral("beyond the pages") ? beyondThePages() : golden(name);
}

ParamFileContents contentsOf(const QByteArray& bytes) {
    QString error;
    return ParseParameterFile(bytes, QStringLiteral("file"), &error).value();
}

QByteArray textOf(const QByteArray& file) {
    QString error;
    return ParameterText(contentsOf(file), &error).value().toUtf8();
}

// The rows in which two parameter files differ, as "where KEY: right text".
QStringList differences(const QByteArray& a, const QByteArray& b) {
    ParamSet left, right;
    LoadParameterBytes(left, a, QStringLiteral("a"));
    LoadParameterBytes(right, b, QStringLiteral("b"));
    QStringList out;
    for (const ParamDifference& d : CompareParameterSets(left, right, true))
        out << QStringLiteral("%1 %2: %3").arg(d.where(), d.key, d.right);
    return out;
}

} // namespace

class TestParamText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exportThenImportGivesTheFileBack_data() {
        QTest::addColumn<QByteArray>("file");
        for (const char* stem : kGoldens)
            QTest::newRow(stem) << golden(QLatin1String(stem));
        // An empty set holds values no page offers (a period of 0): they come back all the same.
        for (const auto& [channels, firmware] :
             {std::pair{12, "1.20"}, std::pair{2, "1.05"}, std::pair{6, "1.50"}}) {
            ParamSet set;
            NewParameterSet(set, channels, QLatin1String(firmware));
            QTest::addRow("new %d channels %s", channels, firmware) << ParameterFileBytes(set);
        }
        // Names that need quotes, and one with bytes after its end.
        QByteArray odd = golden(QStringLiteral("p04_116"));
        const int name = 512 + 720 + 216;
        for (const auto& [channel, text] :
             {std::pair{1, "A#B@C"}, std::pair{2, " LEAD"}, std::pair{3, "Q\"\\"}}) {
            QByteArray field(20, '\0');
            for (int i = 0; text[i]; ++i)
                field[2 * i] = text[i];
            odd.replace(name + 300 * (channel - 1), 20, field);
        }
        QByteArray stray(20, '\0'); // "A", a zero slot, then a stray character
        stray[0] = 'A';
        stray[4] = 'Z';
        odd.replace(name + 300 * 3, 20, stray);
        QTest::newRow("awkward names") << odd;
        QTest::newRow("beyond the pages: full groups, 31 February") << beyondThePages();
    }

    void exportThenImportGivesTheFileBack() {
        QFETCH(QByteArray, file);
        const QByteArray text = textOf(file);
        const ParamTextResult back = ParameterFileFromText(text, QStringLiteral("t"), nullptr);
        QVERIFY2(back.bytes, qPrintable(back.errors.join(u'\n')));
        if (*back.bytes != file) {
            QVERIFY(MatchesGolden(*back.bytes, QDir::current().filePath(QStringLiteral("t.CFG"))));
            QFAIL("the file came back otherwise");
        }
        // The text of the file that came back is the same text.
        QCOMPARE(textOf(*back.bytes), text);
        // Whatever ends its lines.
        for (const char* end : {"\r\n", "\r"}) {
            const ParamTextResult again = ParameterFileFromText(QByteArray(text).replace("\n", end),
                                                                QStringLiteral("t"), nullptr);
            QVERIFY2(again.bytes == back.bytes, qPrintable(again.errors.join(u'\n')));
        }
    }

    void patchChangesWhatItNames_data() {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QByteArray>("patch");
        QTest::addColumn<QStringList>("changed");
        const auto row = [](const char* name, const char* base, const char* patch,
                            const QStringList& changed) {
            QTest::newRow(name) << QString(base) << QByteArray(patch) << changed;
        };
        // clang-format off
        row("channel name", "p12_120", "[CH03]\nCH_NAME = BOILER-3\n", {"CH.03 CH_NAME: BOILER-3"});
        // The text the base shows keeps the base's stored code (5 stays 5).
        row("a row as the base shows it", "p12_120", "[common]\nTEXTBAR_ONOFF = ON\nBEEP_ONOFF = OFF\n", {});
        row("display mode by firmware", "p04_116", "[common]\nSCREEN_DISPLAY_MODE = BAR GRAPH # was H.TREND\n", {"common SCREEN_DISPLAY_MODE: BAR GRAPH"});
        row("reference junction", "p12_150", "[CH05]\nMATH_FTYPE = CH07\nMATH_A_CH = -12.5\n", {"CH.05 MATH_FTYPE: CH07", "CH.05 MATH_A_CH: -12.5"});
        row("formula and file", "p06_210", "[file]\nCHANNELS = 6\nFIRMWARE = 2.10\n[formulas]\nMEM02 = M01*2\n", {"CH.02 MEM_FORMULA: M01*2"});
        row("a value kept as it stands", "p12_120", "[common]\nSAVE_PERIOD_TIME = 0 @\n", {"common SAVE_PERIOD_TIME: 0"});
        row("reserved byte", "p02_105", "[reserved]\n0 = 00 01\n", {"common RESERVED: 2 bytes differ"});
        // Beside rows the pages would not have made, a patch changes what it names; a channel
        // may leave a group too full, or stay in it.
        row("rename beside full groups", "beyond the pages", "[CH03]\nCH_NAME = B3\nDISP_ONOFF = GROUP 1\n", {"CH.03 CH_NAME: B3"});
        row("a channel leaves a full group", "beyond the pages", "[CH07]\nDISP_ONOFF = GROUP 2\n", {"CH.07 DISP_ONOFF: GROUP 2"});
        // clang-format on
    }

    void patchChangesWhatItNames() {
        QFETCH(QString, base);
        QFETCH(QByteArray, patch);
        QFETCH(QStringList, changed);
        const QByteArray file = baseSet(base);
        const ParamFileContents contents = contentsOf(file);
        const ParamTextResult r = ParameterFileFromText(patch, QStringLiteral("p"), &contents);
        QVERIFY2(r.bytes, qPrintable(r.errors.join(u'\n')));
        QCOMPARE(differences(file, *r.bytes), changed);
    }

    void faultyTextMakesNothing_data() {
        QTest::addColumn<QString>("base"); // empty: a whole text
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("fault");
        const QByteArray whole = textOf(golden(QStringLiteral("p06_115")));
        const auto edited = [&](const char* from, const char* to) {
            QByteArray t = whole;
            const qsizetype at = t.indexOf(from);
            return at < 0 ? QByteArray("(no such line)") : t.replace(at, qstrlen(from), to);
        };
        const auto row = [](const char* name, const char* base, const QByteArray& text,
                            const char* fault) {
            QTest::newRow(name) << QString(base) << text << QString(fault);
        };
        // clang-format off
        row("unknown section", "p06_115", "\n[CH3]\n", "line 2: unknown section [CH3]");
        row("unknown key", "p06_115", "[common]\nBEEP = ON\n", "line 2: unknown key BEEP");
        row("channel row in common", "p06_115", "[common]\nCH_NAME = A\n", "line 2: CH_NAME is a channel row");
        row("key twice", "p06_115", "[CH01]\nCH_NAME = A\n# x\nCH_NAME = B\n", "line 4: CH_NAME is given twice in [CH01] (first on line 2)");
        row("above the page's limit", "p06_115", "[common]\nSAVE_PERIOD_TIME = 901\n", "line 2: SAVE_PERIOD_TIME = 901: takes a whole number from 1 to 900");
        row("name too long", "p06_115", "[CH01]\nCH_NAME = ABCDEFGHIJK @\n", "is 11 bytes long; the row holds 10");
        row("channel the model lacks", "p06_115", "\n\n[CH07]\nCH_NAME = A\n", "line 3: the set has 6 channels: there is no [CH07]");
        row("formula of channel 7", "p12_120", "[formulas]\nCH07 = CH01\n", "line 2: CH07: a parameter file keeps the formulas of channels 1 to 6 only");
        row("formula with E", "p12_120", "[formulas]\nCH01 = EXP(CH02)\n", "line 2: CH01 = EXP(CH02): takes capital letters but E");
        row("formulas before 1.16", "p06_115", "[formulas]\nCH01 = CH02\n", "line 1: a set of firmware 1.15 keeps no formulas");
        row("file against the base", "p06_115", "[file]\nFIRMWARE = 1.16\n", "line 1: [file] says firmware 1.16, the base set is 1.15");
        row("stored value against its text", "p06_115", "[common]\nBEEP_ONOFF = ON @ 0\n", "line 2: BEEP_ONOFF = ON: @ 0 shows as OFF");
        row("reserved byte of a row", "p06_115", "[reserved]\n1040 = 01\n", "line 2: byte 1040 belongs to a row");
        row("seven channels in a group", "p12_120", "[CH04]\nDISP_ONOFF = GROUP 1\n", "line 2: DISP_ONOFF = GROUP 1: GROUP 1 would hold 7 channels");
        row("a day beyond its month", "p12_120", "[common]\nRESERVE_RUN_MONTH = 4\nRESERVE_RUN_DAY = 31\n", "line 3: RESERVE_RUN_DAY = 31: takes a day of the reserved month");
        QByteArray full = textOf(beyondThePages());
        full.replace("DISP_ONOFF = GROUP 1 @", "DISP_ONOFF = GROUP 1").replace("= ALL @", "= ALL");
        row("full groups without @ and without a base", "", full, "DISP_ONOFF = ALL: GROUP 1 would hold 8 channels");
        row("empty", "", QByteArray(), "t.txt: the text is empty");
        row("only comments", "p06_115", "# history\r\n\r\n# more\r\n", "the text is empty");
        row("a row before any section", "p06_115", "BEEP_ONOFF = ON\n", "line 1: BEEP_ONOFF comes before any section");
        row("open quote", "p06_115", "[CH01]\nCH_NAME = \"AB\n", "line 2: the quoted text has no closing quote");
        row("system date", "p06_115", "[common]\nSYSTEM_DATE_YEAR = 2026\n", "line 2: SYSTEM_DATE_YEAR is the meter's clock");
        row("row missing without a base", "", edited("\nREAD_TIME = 3 ", "\n# READ_TIME = 3 "), "[CH03] lacks READ_TIME");
        row("section twice", "", edited("[CH06]", "[reserved]\n[CH06]"), "section [reserved] is given twice");
        row("file missing without a base", "", edited("CHANNELS = 6", ""), "[file] must give CHANNELS and FIRMWARE");
        // clang-format on
    }

    void faultyTextMakesNothing() {
        QFETCH(QString, base);
        QFETCH(QByteArray, text);
        QFETCH(QString, fault);
        std::optional<ParamFileContents> contents;
        if (!base.isEmpty())
            contents = contentsOf(baseSet(base));
        const ParamTextResult r =
            ParameterFileFromText(text, QStringLiteral("t.txt"), contents ? &*contents : nullptr);
        QVERIFY(!r.bytes);
        const QString said = r.errors.join(u'\n');
        QVERIFY2(said.startsWith(QStringLiteral("t.txt")) && said.contains(fault),
                 qPrintable(said));
    }

    // How a line is taken apart: where a text ends, what @ and # do, what quotes hold.
    void lines_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("text"); // "!" + the reason's start for a refused line
        QTest::addColumn<int>("keep");     // TextLine::Keep
        QTest::addColumn<QString>("stored");
        // clang-format off
        QTest::newRow("plain") << "CH_NAME = BOILER-IN" << "BOILER-IN" << 0 << "";
        QTest::newRow("inner spaces, comment") << "  K =  GROUP 1   # DISPLAY" << "GROUP 1" << 0 << "";
        QTest::newRow("quoted signs") << "K = \"a # b @ c\" # x" << "a # b @ c" << 0 << "";
        QTest::newRow("escapes") << "K = \" q\\\"\\\\\\x01\"" << QString(" q\"\\") + QChar(1) << 0 << "";
        QTest::newRow("as it stands") << "K = 0 @ # c" << "0" << 1 << "";
        QTest::newRow("stored") << "K = ON @ 5" << "ON" << 2 << "5";
        QTest::newRow("no equals") << "CH_NAME BOILER" << "!a row is written" << 0 << "";
        QTest::newRow("open section") << "[CH01" << "!a section is written" << 0 << "";
        QTest::newRow("after the quote") << "K = \"a\" b" << "!'b' after the quoted text" << 0 << "";
        QTest::newRow("bad escape") << "K = \"a\\qb\"" << "!unknown escape" << 0 << "";
        // clang-format on
    }

    void lines() {
        QFETCH(QString, line);
        QFETCH(QString, text);
        QFETCH(int, keep);
        QFETCH(QString, stored);
        QString why;
        const auto parsed = ParseTextLine(line, &why);
        if (text.startsWith(u'!')) {
            QVERIFY(!parsed);
            QVERIFY2(why.startsWith(text.mid(1)), qPrintable(why));
            return;
        }
        QVERIFY2(parsed, qPrintable(why));
        QCOMPARE(parsed->text, text);
        QCOMPARE(int(parsed->keep), keep);
        QCOMPARE(parsed->stored, stored);
        // Written back, the text reads the same.
        const auto again = ParseTextLine(
            RowLine(QStringLiteral("K"), text, TextLine::Keep(keep), stored, QStringLiteral("c")),
            &why);
        QVERIFY(again && again->text == text && again->stored == stored);
    }

    // The rows a download writes, from its frames: not the reserved start, and formulas only
    // from the firmware that has them.
    void downloadedRows_data() {
        QTest::addColumn<QString>("key"); // CH_FORMULA / MEM_FORMULA: the formulas of `channel`
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("written");
        // clang-format off
        QTest::newRow("record period") << "SAVE_PERIOD_TIME" << 0 << 12 << 120 << true;
        QTest::newRow("password") << "CH_SETUP_PWD" << 0 << 6 << 116 << true;
        QTest::newRow("reserved start") << "RESERVE_RUN_ONOFF" << 0 << 12 << 120 << false;
        QTest::newRow("file prefix") << "FILE_PREFIX" << 0 << 4 << 110 << true;
        QTest::newRow("name of the last channel") << "CH_NAME" << 12 << 12 << 150 << true;
        QTest::newRow("last alarm's on-time") << "ALARM04_RYT" << 4 << 4 << 200 << true;
        QTest::newRow("reference temperature") << "MATH_A_CH" << 2 << 6 << 150 << true;
        QTest::newRow("channel formula 12") << "CH_FORMULA" << 12 << 12 << 120 << true;
        QTest::newRow("formulas before 1.16") << "MEM_FORMULA" << 1 << 6 << 115 << false;
        // clang-format on
    }

    void downloadedRows() {
        QFETCH(QString, key);
        QFETCH(int, channel);
        QFETCH(int, channels);
        QFETCH(int, version);
        QFETCH(bool, written);
        if (key.endsWith(QStringLiteral("_FORMULA"))) {
            const bool memory = key.startsWith(QStringLiteral("MEM"));
            QCOMPARE(DownloadWritesFormula(memory, channel, channels, version), written);
            return;
        }
        for (const ParamField& f : channel > 0 ? ChannelFields(version) : CommonFields())
            if (f.key == key) {
                QCOMPARE(DownloadWritesRow(f, channel, channels, version), written);
                return;
            }
        QFAIL("no such row");
    }

    // Saved to a .txt name, a set is its text; a text with a fault leaves a set as it was.
    void setFilesOfEitherForm() {
        QTemporaryDir dir;
        ParamSet set;
        QVERIFY(LoadParameterBytes(set, golden(QStringLiteral("p12_150")), QStringLiteral("g")).ok);
        const QByteArray before = ParameterFileBytes(set);
        const QString text = dir.filePath(QStringLiteral("s.txt"));
        QVERIFY(SaveParameterSetFile(set, text).ok);
        QVERIFY(ReadBytes(text).startsWith("# TD700 parameter set as text"));
        ParamSet reread;
        QVERIFY(LoadParameterSetFile(reread, text).ok);
        QCOMPARE(ParameterFileBytes(reread), before);
        // A history of comments longer than any parameter file before the first section.
        WriteBytes(text, QByteArray("# 2024-05-02: alarm 1 of the boiler raised\n").repeated(200) +
                             ReadBytes(text));
        QString error;
        QCOMPARE(ReadParameterBytes(text, &error), std::optional<QByteArray>(before));
        QVERIFY(LoadParameterSetFile(reread, text).ok);
        QCOMPARE(ParameterFileBytes(reread), before);

        WriteBytes(text, ReadBytes(text).replace("\nCHANNELS = 12", "\nCHANNELS = 13"));
        const ParamFileResult refused = LoadParameterSetFile(reread, text);
        QVERIFY(!refused.ok);
        QVERIFY2(refused.error.contains(QStringLiteral("line 206: CHANNELS = 13")),
                 qPrintable(refused.error));
        QCOMPARE(ParameterFileBytes(reread), before);
    }

    // What tells a text from a parameter file, so that either can be given where a set goes.
    void textOrFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("text");
        // clang-format off
        QTest::newRow("parameter file") << golden(QStringLiteral("p02_105")) << false;
        QTest::newRow("exported text") << textOf(golden(QStringLiteral("p02_105"))) << true;
        QTest::newRow("comments first") << QByteArray("\xEF\xBB\xBF# a set\n\n  [CH01]\n") << true;
        QTest::newRow("port settings") << QByteArray("COM1\r\n38400\r\nN\r\n") << false;
        QTest::newRow("empty") << QByteArray() << false;
        // A text with a fault in its first row, or of nothing but comments, is a text: its
        // import names the line, or says that it is empty.
        QTest::newRow("a row before any section") << QByteArray("# x\rBEEP_ONOFF = ON\r") << true;
        QTest::newRow("CR alone") << QByteArray("# a set\r[CH01]\r") << true;
        // clang-format on
    }

    void textOrFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, text);
        QCOMPARE(IsParameterText(bytes), text);
    }
};

QTEST_GUILESS_MAIN(TestParamText)
#include "tst_paramtext.moc"
