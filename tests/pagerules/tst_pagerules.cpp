// The rules behind the parameter pages' controls: the entry limits, stepping through lists and
// ranges, input types, display groups, the alarm types, the firmware-dependent lists, what a
// row set by hand may hold, the file prefix, and which page a click on a table opens.
#include "pagerules/AlarmRules.h"
#include "pagerules/ChannelInputs.h"
#include "pagerules/DisplayGroups.h"
#include "pagerules/DisplayRules.h"
#include "pagerules/RowRules.h"
#include "pagerules/StepRules.h"
#include "pagerules/SystemRules.h"
#include "pages/PageFactory.h"
#include "paramset/FieldText.h"
#include "paramset/ParamFields.h"

#include <QTest>

namespace {

struct Entry {
    const char* name;
    NumberRule rule;
    const char *typed, *box, *cell; // box "": refused, the old text stays
    const char* said;               // part of the message; "": none
};

const std::vector<Entry>& kEntries() {
    using namespace AlarmRules;
    using namespace SystemRules;
    static const std::vector<Entry> all{
        // clang-format off
        {"rounded to whole", SetValue().withDecimals(0), "999.99", "999", "999", "at most 999"},
        {"keeps one decimal", SetValue().withDecimals(1), "12.34", "12.3", "12.3", ""},
        {"below", SetValue().withDecimals(2), "-1000", "-999.99", "-999.99", "at least -999.99"},
        {"named", Hysteresis().named("HYSTERESIS").withDecimals(1), "99999", "1999.9", "1999.9", "HYSTERESIS is at most 1999.9"},
        {"hysteresis below", Hysteresis().withDecimals(2), "-5", "0.00", "0.00", "at least 0.00"},
        {"rate", Rate().withDecimals(2), "2500", "1999.99", "1999.99", "at most 1999.99"},
        {"channel beyond the set", Channel(4), "7", "4", "4", "at most 4"},
        {"input beyond six", Input(), "8", "6", "6", "at most 6"},
        {"relay none", RelayOutput(), "0", "--", "0", ""},
        {"relay below is none", RelayOutput().named("RELAY NO."), "-3", "--", "0", "RELAY NO."},
        {"relay above", RelayOutput(), "9", "6", "6", "at most 6"},
        {"letters", RelayOnTime(), "abc", "", "", "is not a number"},
        {"on-time above", RelayOnTime(), "1234567", "999999", "999999", "at most 999999"},
        {"period", RecordPeriod(), "1000", "900", "900", "at most 900"},
        {"period cuts a fraction", RecordPeriod(), "12.9", "12", "12", ""},
        {"saver none", ScreenSaver(), "0", "--", "0", ""},
        {"saver above", ScreenSaver(), "500", "120", "120", "at most 120"},
        {"password below is none", Password(), "-4", "----", "0", "----"},
        {"password above", Password(), "12345", "9999", "9999", "at most 9999"},
        {"address above", MachineAddress(), "300", "255", "255", "at most 255"},
        {"address below", MachineAddress(), "-5", "1", "1", "at least 1"},
        {"response", ResponseTime(), "12000", "9999", "9999", "at most 9999"},
        {"scroll speed", ScrollSpeed(), "500", "120", "120", "at most 120"},
        {"refused beyond", NumberRule::between(-50, 50).withDecimals(1).refusedBeyond(), "60", "", "", "takes -50 to 50: 60 was not taken"},
        {"range keeps the decimals", DisplayedNumber(1), "12.345", "12.3", "12.3", ""},
        {"range low", DisplayedNumber(2), "-2000000", "-999.99", "-999.99", "at least -999.99"},
        {"range high", DisplayedNumber(1), "1e9", "9999.9", "9999.9", "at most 9999.9"},
        {"range whole", DisplayedNumber(0), "-123456", "-99999", "-99999", "at least -99999"},
        {"offset", DisplayedNumber(3), "-500", "-99.999", "-99.999", "at least -99.999"},
        {"rounded half away", DisplayedNumber(1), "-1.25", "-1.3", "-1.3", ""},
        // clang-format on
    };
    return all;
}

} // namespace

class tst_PageRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A value beyond its limit is corrected to the limit, or refused, with a message that
    // names the limit; a text that is no number is refused; a value keeps its decimals.
    void numberEntries_data() {
        QTest::addColumn<int>("entry");
        for (int i = 0; i < int(kEntries().size()); ++i)
            QTest::newRow(kEntries()[i].name) << i;
    }
    void numberEntries() {
        QFETCH(int, entry);
        const Entry& e = kEntries()[entry];
        const EntryOutcome out = ApplyNumberRule(e.rule, QString::fromUtf8(e.typed));
        QCOMPARE(out.accepted, *e.box != 0);
        QCOMPARE(out.boxText, QString::fromUtf8(e.box));
        QCOMPARE(out.cellText, QString::fromUtf8(e.cell));
        QVERIFY2(QString(e.said).isEmpty() ? out.message.isEmpty()
                                           : out.message.contains(QString::fromUtf8(e.said)),
                 qPrintable(out.message));
    }

    void rangeSteps_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("expected");
        QTest::newRow("scroll 120 up wraps") << 120 << 1 << 1 << 120 << 1;
        QTest::newRow("scroll 1 down wraps") << 1 << -1 << 1 << 120 << 120;
        QTest::newRow("response 0 down wraps") << 0 << -1 << 0 << 9999 << 9999;
        QTest::newRow("alarm type 15 up") << 15 << 1 << 0 << 15 << 0;
        QTest::newRow("stray value up starts low") << 500 << 1 << 1 << 120 << 1;
        QTest::newRow("stray value down starts high") << -3 << -1 << 1 << 120 << 120;
    }
    void rangeSteps() {
        QFETCH(int, value);
        QFETCH(int, delta);
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, expected);
        QCOMPARE(StepWrapped(value, delta, low, high), expected);
    }

    void listSteps_data() {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("current");
        QTest::addColumn<int>("delta");
        QTest::addColumn<QString>("expected");
        const QStringList bauds = ParamText::BaudRates();
        const QStringList parities = ParamText::Parities();
        const QStringList early = TextViewWindowNumbers(199);
        const QStringList late = TextViewWindowNumbers(200);
        QTest::newRow("baud 57600 up") << bauds << "57600" << 1 << "9600";
        QTest::newRow("parity NONE down") << parities << "NONE" << -1 << "EVEN";
        QTest::newRow("data 8 up toggles") << SystemRules::DataLengths() << "8" << 1 << "7";
        QTest::newRow("stop 1 down toggles") << SystemRules::StopBits() << "1" << -1 << "2";
        QTest::newRow("windows 1.99: 6 up") << early << "6" << 1 << "1";
        QTest::newRow("windows 2.00: 6 up") << late << "6" << 1 << "9";
        QTest::newRow("windows 2.00: 1 down") << late << "1" << -1 << "12";
        QTest::newRow("windows: 5 up") << late << "5" << 1 << "1";
        QTest::newRow("windows, firmware unknown: 6 up")
            << TextViewWindowNumbers(0) << "6" << 1 << "9";
    }
    void listSteps() {
        QFETCH(QStringList, list);
        QFETCH(QString, current);
        QFETCH(int, delta);
        QFETCH(QString, expected);
        QCOMPARE(StepInList(list, current, delta), expected);
    }

    void alarmTypes_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("rateCaption");
        QTest::addColumn<QString>("picture");
        const auto row = [](int type, int panel, const char* rateCaption, const char* picture) {
            QTest::newRow(qPrintable(QString::number(type)))
                << type << panel << QString(rateCaption) << QString(picture);
        };
        row(0, -1, "", "ARM00.BMP");
        row(3, 0, "", "ARM03.BMP");
        row(7, 2, "UP RATE", "ARM07.BMP");
        row(8, 2, "DOWN RATE", "ARM08.BMP");
        row(14, -1, "", "ARM14.BMP");
        row(15, 3, "", "ARM15.BMP");
        row(16, -1, "", "");
        row(-1, -1, "", "");
    }
    void alarmTypes() {
        QFETCH(int, type);
        QFETCH(int, panel);
        QFETCH(QString, rateCaption);
        QFETCH(QString, picture);
        QCOMPARE(AlarmTypePanel(type), panel);
        QCOMPARE(AlarmRateCaption(type), rateCaption);
        QCOMPARE(AlarmTypePictureName(type), picture);
    }

    // A row set by hand takes what its page could have written, by the page's own limits,
    // for the set's channel count and firmware.
    void rowsSetByHand_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("channel"); // 0: a common row
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("taken");
        // clang-format off
        QTest::newRow("period at the top") << "SAVE_PERIOD_TIME" << 0 << 12 << 120 << "900" << true;
        QTest::newRow("period above") << "SAVE_PERIOD_TIME" << 0 << 12 << 120 << "901" << false;
        QTest::newRow("period a fraction") << "SAVE_PERIOD_TIME" << 0 << 12 << 120 << "5.5" << false;
        QTest::newRow("scroll speed 0") << "SCROLL_SPEED_TIME" << 0 << 12 << 120 << "0" << false;
        QTest::newRow("screen saver none") << "SCREEN_SAVER_TIME" << 0 << 12 << 120 << "0" << true;
        QTest::newRow("9 windows before 2.0") << "TEXTVIEW_WINDOW_NUMBER" << 0 << 12 << 116 << "9" << false;
        QTest::newRow("9 windows from 2.0") << "TEXTVIEW_WINDOW_NUMBER" << 0 << 12 << 200 << "9" << true;
        QTest::newRow("data length 9") << "RS485_DATA_LENGTH" << 0 << 4 << 116 << "9" << false;
        QTest::newRow("address 0") << "RS232_MAC_NUMBER" << 0 << 4 << 116 << "0" << false;
        QTest::newRow("buffer group on 12") << "RECORD_WITH_BUFFER" << 0 << 12 << 120 << "ALL" << true;
        QTest::newRow("buffer switch on 12") << "RECORD_WITH_BUFFER" << 0 << 12 << 120 << "ON" << false;
        QTest::newRow("prefix with _") << "FILE_PREFIX" << 0 << 12 << 120 << "TD_1" << false;
        QTest::newRow("relay 7") << "DI02_RYO" << 0 << 12 << 120 << "7" << false;
        QTest::newRow("name with a sign") << "CH_NAME" << 3 << 12 << 120 << "T<1>#" << true;
        QTest::newRow("Korean name") << "CH_NAME" << 3 << 12 << 120 << QString::fromUtf8("온도") << false;
        QTest::newRow("no display group") << "DISP_ONOFF" << 3 << 12 << 120 << "" << true;
        QTest::newRow("no display switch") << "DISP_ONOFF" << 3 << 6 << 120 << "" << false;
        QTest::newRow("input type 9") << "RANGE_CODE" << 1 << 12 << 120 << "9" << false;
        QTest::newRow("input type 16") << "RANGE_CODE" << 1 << 12 << 120 << "16" << true;
        QTest::newRow("math type 0") << "MATH_FTYPE" << 1 << 12 << 120 << "0" << false;
        QTest::newRow("junction on itself") << "MATH_FTYPE" << 5 << 12 << 150 << "CH05" << false;
        QTest::newRow("junction on another") << "MATH_FTYPE" << 5 << 6 << 150 << "CH06" << true;
        QTest::newRow("junction past the model") << "MATH_FTYPE" << 5 << 6 << 150 << "CH07" << false;
        QTest::newRow("reference 50.1") << "MATH_A_CH" << 1 << 12 << 150 << "50.1" << false;
        QTest::newRow("alpha channel 7 of 6") << "MATH_A_CH" << 1 << 6 << 120 << "7" << false;
        QTest::newRow("compared channel") << "ALARM03_CCH" << 2 << 4 << 120 << "4" << true;
        QTest::newRow("set value below") << "ALARM04_SV" << 2 << 4 << 120 << "-1000" << false;
        QTest::newRow("range the display shows") << "USER_RANGE_MAX" << 2 << 4 << 120 << "99999" << true;
        QTest::newRow("range beyond the display") << "DISP_RANGE_MAX" << 2 << 4 << 120 << "123456" << false;
        QTest::newRow("colour 12") << "COLOR" << 2 << 4 << 120 << "12" << false;
        // clang-format on
    }

    void rowsSetByHand() {
        QFETCH(QString, key);
        QFETCH(int, channel);
        QFETCH(int, channels);
        QFETCH(int, version);
        QFETCH(QString, text);
        QFETCH(bool, taken);
        const auto& fields = channel > 0 ? ChannelFields(version) : CommonFields();
        const auto f = std::find_if(fields.begin(), fields.end(),
                                    [&](const ParamField& g) { return g.key == key; });
        QVERIFY(f != fields.end());
        const auto refusal = RowRefusal(*f, text, {channels, version, channel});
        QVERIFY2(refusal.has_value() != taken,
                 qPrintable(refusal.value_or(QStringLiteral("taken"))));
    }

    // Up steps inside the input's group, wrapping (T/C passes over 9); a type brings its unit
    // and decimals.
    void inputTypes_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("up");
        QTest::addColumn<QString>("unitAndDecimals");
        QTest::newRow("TYPE N skips 9") << 8 << 10 << "°C 1";
        QTest::newRow("TYPE W wraps") << 13 << 1 << "°C 1";
        QTest::newRow("RTD wraps") << 16 << 14 << "°C 1";
        QTest::newRow("±10 V in mV") << 18 << 19 << "mV 3";
        QTest::newRow("VDC wraps") << 19 << 17 << "V 2";
        QTest::newRow("unknown code stays") << 9 << 9 << "°C 1";
    }
    void inputTypes() {
        QFETCH(int, code);
        QFETCH(int, up);
        QFETCH(QString, unitAndDecimals);
        QCOMPARE(StepInputCode(code, +1), up);
        QCOMPARE(StepInputCode(up, -1), code);
        QCOMPARE(UnitCaptions().value(UnitForCode(code)) + u' ' +
                     QString::number(DecimalsForCode(code)),
                 unitAndDecimals);
    }

    void referenceJunctionSteps_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("channel 1 skips itself") << 4 << 1 << "DIRECT INPUT"
                                                << "CH02";
        QTest::newRow("skips its own channel") << 6 << 3 << "CH02"
                                               << "CH04";
        QTest::newRow("last channel back round") << 4 << 4 << "CH03"
                                                 << "IN.SENSOR";
        QTest::newRow("stray text") << 4 << 1 << "CH09"
                                    << "IN.SENSOR";
    }
    void referenceJunctionSteps() {
        QFETCH(int, channels);
        QFETCH(int, channel);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QCOMPARE(NextReferenceJunction(from, channel, channels), to);
    }

    // A channel's cell after its button is clicked: G1, G2, A(LL), - none; "x": nothing
    // changes.
    void displayGroupToggle_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("members");
        QTest::addColumn<QString>("after");
        QTest::newRow("joins") << "G1"
                               << "-" << 5 << "G1";
        QTest::newRow("seventh refused") << "G1"
                                         << "-" << 6 << "x";
        QTest::newRow("leaves") << "G1"
                                << "G1" << 6 << "-";
        QTest::newRow("other group joins both") << "G2"
                                                << "G1" << 3 << "A";
        QTest::newRow("both back to other") << "G1"
                                            << "A" << 6 << "G2";
        QTest::newRow("ALL shown") << "A"
                                   << "-" << 0 << "x";
        QTest::newRow("none shown") << "-"
                                    << "G1" << 0 << "x";
    }
    void displayGroupToggle() {
        const auto text = [](const QString& s) {
            return s == u"G1"   ? DisplayGroups::Group1
                   : s == u"G2" ? DisplayGroups::Group2
                   : s == u"A"  ? DisplayGroups::All
                                : QString();
        };
        QFETCH(QString, shown);
        QFETCH(QString, cell);
        QFETCH(int, members);
        QFETCH(QString, after);
        const auto got = DisplayGroups::Toggle(text(shown), text(cell), members);
        QCOMPARE(got.has_value(), after != u"x");
        if (got)
            QCOMPARE(*got, text(after));
    }

    void displayGroupSteps() {
        using namespace DisplayGroups;
        QStringList up{QString()}, down{QString()};
        for (int i = 0; i < 4; ++i) {
            up << Next(up.back());
            down << Previous(down.back());
        }
        QCOMPARE(up, (QStringList{"", Group1, Group2, All, Group1}));
        QCOMPARE(down, (QStringList{"", Group1, All, Group2, Group1}));
        QVERIFY(Lights(All, Group2) && Lights(Group1, All) && !Lights(Group1, Group2));
    }

    // The settings the display page shows: T trend, W text-view windows, H history.
    void displayModeGroups_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("shown");
        for (const auto& [mode, shown] : {std::pair{"H.TREND", "T"},
                                          {"V.TREND", "T"},
                                          {"TEXT-VIEW", "W"},
                                          {"BAR GRAPH", ""},
                                          {"HISTORY-VIEW", "H"},
                                          {"17", "?"}})
            QTest::newRow(mode) << QString(mode) << QString(shown);
    }
    void displayModeGroups() {
        QFETCH(QString, mode);
        QFETCH(QString, shown);
        const auto g = GroupsOfDisplayMode(mode);
        const QString got =
            !g ? QStringLiteral("?")
               : QString(g->trend ? "T" : "") + (g->textView ? "W" : "") + (g->history ? "H" : "");
        QCOMPARE(got, shown);
    }

    void filePrefix_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("letters and digits") << "TD2009" << true;
        QTest::newRow("every mark") << "()+-*/" << true;
        QTest::newRow("more marks") << "%,.[]$" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("space") << "TD 09" << false;
        QTest::newRow("underscore") << "TD_09" << false;
        QTest::newRow("seven characters") << "ABCDEFG" << false;
        QTest::newRow("non-ASCII letter") << QString::fromUtf8("TDé") << false;
        QTest::newRow("Korean") << QString::fromUtf8("기록") << false;
    }
    void filePrefix() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(SystemRules::IsFilePrefixText(text), valid);
    }
    // Which page, tab and channel a click on a cell of the parameter tables opens.
    void clickTable_data() {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("channel");
        // Grid 0 common, 1 channel, 2 formula; the description only where it decides.
        const auto row = [](const char* name, int grid, int line, int column, int channels,
                            int version, const char* page, int tab, int channel,
                            const char* description = "") {
            QTest::newRow(name) << grid << line << column << channels << version
                                << QString(description) << QString(page) << tab << channel;
        };
        row("description column", 0, 2, 1, 12, 120, "", 0, 0);
        row("home of four channels", 0, 1, 3, 4, 120, "frmTD_P_Main04", 0, 0);
        row("display", 0, 7, 3, 12, 120, "frmTD_P_Display", 0, 0);
        row("row 8 opens nothing", 0, 8, 3, 12, 120, "", 0, 0);
        row("display group", 0, 14, 3, 12, 120, "frmTD_P_Main12", 0, 0, "DISPLAY GROUP");
        row("record buffer", 0, 14, 3, 6, 105, "frmTD_P_System", 0, 0, "REC. WITH BUFFER");
        row("password", 0, 17, 3, 6, 120, "frmTD_P_System", 0, 0);
        row("background", 0, 15, 3, 6, 120, "frmTD_P_System", 1, 0);
        row("language", 0, 16, 3, 6, 120, "frmTD_P_System", 5, 0);
        row("file prefix", 0, 69, 3, 6, 120, "frmTD_P_System", 5, 0);
        row("system date", 0, 30, 3, 6, 120, "frmTD_P_System", 2, 0);
        row("RS-232", 0, 31, 3, 6, 120, "frmTD_P_System", 3, 0);
        row("RS-485", 0, 44, 3, 6, 120, "frmTD_P_System", 4, 0);
        row("digital input", 0, 45, 3, 6, 120, "frmTD_P_ARM_DI", 0, 0);
        row("channel name", 1, 1, 5, 12, 120, "frmTD_P_Channel", 0, 3);
        row("channel key column", 1, 1, 2, 12, 120, "", 0, 0);
        row("beyond the channels", 1, 1, 7, 4, 120, "", 0, 0);
        row("display on/off", 1, 3, 3, 6, 120, "frmTD_P_Main06", 0, 1);
        row("colour", 1, 10, 4, 6, 120, "frmTD_P_System", 1, 2);
        row("scale", 1, 20, 3, 6, 120, "frmTD_P_Channel", 1, 1);
        row("read method", 1, 8, 3, 6, 120, "frmTD_P_Channel", 2, 1);
        row("math on/off", 1, 11, 3, 6, 120, "frmTD_P_Channel", 3, 1);
        row("RJC from 1.50", 1, 12, 3, 6, 150, "frmTD_P_Channel", 0, 1);
        row("math type before 1.50", 1, 13, 3, 6, 149, "frmTD_P_Channel", 3, 1);
        row("display range", 1, 22, 14, 12, 120, "frmTD_P_Channel", 4, 12);
        row("alarm", 1, 61, 3, 6, 120, "frmTD_P_ARM_DI", 0, 1);
        row("formula row", 2, 4, 1, 6, 120, "frmTD_P_Channel", 3, 4);
        row("formula row past the channels", 2, 5, 1, 4, 120, "", 0, 0);
    }
    void clickTable() {
        QFETCH(int, grid);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, channels);
        QFETCH(int, version);
        QFETCH(QString, description);
        QFETCH(QString, page);
        QFETCH(int, tab);
        QFETCH(int, channel);
        const PageTarget t = grid == 0   ? PageForCommonCell(row, column, description, channels)
                             : grid == 1 ? PageForChannelCell(row, column, channels, version)
                                         : PageForFormulaRow(row, channels);
        QCOMPARE(PageWindowName(t.page), page);
        if (t.page == PageId::None)
            return;
        QCOMPARE(t.tab, tab);
        QCOMPARE(t.channel(), channel);
    }
};

QTEST_GUILESS_MAIN(tst_PageRules)
#include "tst_pagerules.moc"
