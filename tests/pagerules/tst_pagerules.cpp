// The rules behind the page controls: entry limits, stepping, input types, display groups, alarm
// types, firmware lists, hand-set rows, the file prefix, the page a table click opens.
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

class tst_PageRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The rules of the pages' steppers and choices, of rows set by hand and of the clicks that
    // open the pages, as a table: a rule, its input (parts separated by |) and what it gives.
    void rules_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* rule, const char* input,
                            const char* expected) {
            QTest::newRow(name) << QString(rule) << QString::fromUtf8(input)
                                << QString::fromUtf8(expected);
        };
        // clang-format off
        // Beyond its limit an entry is corrected or refused (the box keeps its text), the message
        // naming the limit. RULE|decimals|typed gives box|cell|part of the message.
        row("rounded to whole", "number", "set value|0|999.99", "999|999|at most 999");
        row("keeps one decimal", "number", "set value|1|12.34", "12.3|12.3|");
        row("below", "number", "set value|2|-1000", "-999.99|-999.99|at least -999.99");
        row("named hysteresis", "number", "hysteresis|1|99999", "1999.9|1999.9|HYSTERESIS is at most 1999.9");
        row("hysteresis below", "number", "hysteresis|2|-5", "0.00|0.00|at least 0.00");
        row("rate", "number", "rate|2|2500", "1999.99|1999.99|at most 1999.99");
        row("channel beyond the set", "number", "channel of 4|-1|7", "4|4|at most 4");
        row("input beyond six", "number", "input|-1|8", "6|6|at most 6");
        row("relay none", "number", "relay|-1|0", "--|0|");
        row("relay below is none", "number", "relay|-1|-3", "--|0|RELAY NO.");
        row("relay above", "number", "relay|-1|9", "6|6|at most 6");
        row("letters", "number", "on-time|-1|abc", "kept|is not a number");
        row("on-time above", "number", "on-time|-1|1234567", "999999|999999|at most 999999");
        row("period", "number", "period|-1|1000", "900|900|at most 900");
        row("period cuts a fraction", "number", "period|-1|12.9", "12|12|");
        row("saver none", "number", "saver|-1|0", "--|0|");
        row("saver above", "number", "saver|-1|500", "120|120|at most 120");
        row("password below is none", "number", "password|-1|-4", "----|0|----");
        row("password above", "number", "password|-1|12345", "9999|9999|at most 9999");
        row("address above", "number", "address|-1|300", "255|255|at most 255");
        row("address below", "number", "address|-1|-5", "1|1|at least 1");
        row("response", "number", "response|-1|12000", "9999|9999|at most 9999");
        row("scroll speed", "number", "scroll speed|-1|500", "120|120|at most 120");
        row("refused beyond", "number", "reference|-1|60", "kept|takes -50 to 50: 60 was not taken");
        row("range keeps the decimals", "number", "displayed|1|12.345", "12.3|12.3|");
        row("range low", "number", "displayed|2|-2000000", "-999.99|-999.99|at least -999.99");
        row("range high", "number", "displayed|1|1e9", "9999.9|9999.9|at most 9999.9");
        row("range whole", "number", "displayed|0|-123456", "-99999|-99999|at least -99999");
        row("offset", "number", "displayed|3|-500", "-99.999|-99.999|at least -99.999");
        row("rounded half away", "number", "displayed|1|-1.25", "-1.3|-1.3|");
        row("scroll 120 up wraps", "wrap", "120|1|1|120", "1");
        row("scroll 1 down wraps", "wrap", "1|-1|1|120", "120");
        row("response 0 down wraps", "wrap", "0|-1|0|9999", "9999");
        row("stray value up starts low", "wrap", "500|1|1|120", "1");
        row("stray value down starts high", "wrap", "-3|-1|1|120", "120");
        row("baud 57600 up", "baud", "57600|1", "9600");
        row("parity NONE down", "parity", "NONE|-1", "EVEN");
        row("data 8 up toggles", "data length", "8|1", "7");
        row("stop 1 down toggles", "stop bits", "1|-1", "2");
        row("windows 1.99: 6 up", "windows 199", "6|1", "1");
        row("windows 2.00: 6 up", "windows 200", "6|1", "9");
        row("windows 2.00: 1 down", "windows 200", "1|-1", "12");
        row("windows: 5 up", "windows 200", "5|1", "1");
        row("windows, firmware unknown: 6 up", "windows 0", "6|1", "9");
        row("TYPE N up skips 9", "input type", "8|1", "10");
        row("TYPE E down skips 9", "input type", "10|-1", "8");
        row("TYPE W up wraps", "input type", "13|1", "1");
        row("RTD up wraps", "input type", "16|1", "14");
        row("VDC up wraps", "input type", "19|1", "17");
        row("VDC down wraps", "input type", "17|-1", "19");
        row("unknown code stays", "input type", "9|1", "9");
        row("thermocouple in °C, one decimal", "unit", "8", "°C 1");
        row("±10 V in mV, three decimals", "unit", "18", "mV 3");
        row("VDC in V, two decimals", "unit", "19", "V 2");
        row("junction: channel 1 skips itself", "junction", "DIRECT INPUT|1|4", "CH02");
        row("junction: skips its own channel", "junction", "CH02|3|6", "CH04");
        row("junction: last channel back round", "junction", "CH03|4|4", "IN.SENSOR");
        row("junction: stray text", "junction", "CH09|1|4", "IN.SENSOR");
        row("alarm type 0", "alarm type", "0", "-1||ARM00.BMP");
        row("alarm type 3", "alarm type", "3", "0||ARM03.BMP");
        row("alarm type 7", "alarm type", "7", "2|UP RATE|ARM07.BMP");
        row("alarm type 8", "alarm type", "8", "2|DOWN RATE|ARM08.BMP");
        row("alarm type 14", "alarm type", "14", "-1||ARM14.BMP");
        row("alarm type 15", "alarm type", "15", "3||ARM15.BMP");
        row("alarm type 16", "alarm type", "16", "-1||");
        row("alarm type -1", "alarm type", "-1", "-1||");
        // A channel's display group when its button is clicked: shown group, cell, members.
        row("joins", "group click", "GROUP 1||5", "GROUP 1");
        row("seventh refused", "group click", "GROUP 1||6", "unchanged");
        row("leaves", "group click", "GROUP 1|GROUP 1|6", "");
        row("other group joins both", "group click", "GROUP 2|GROUP 1|3", "ALL");
        row("both back to other", "group click", "GROUP 1|ALL|6", "GROUP 2");
        row("ALL shown", "group click", "ALL||0", "unchanged");
        row("none shown", "group click", "|GROUP 1|0", "unchanged");
        row("groups up", "group up", "|GROUP 1|GROUP 2|ALL", "GROUP 1|GROUP 2|ALL|GROUP 1");
        row("groups down", "group down", "|GROUP 1|ALL|GROUP 2", "GROUP 1|ALL|GROUP 2|GROUP 1");
        row("ALL lights both", "lights", "ALL|GROUP 2", "yes");
        row("a group lights ALL", "lights", "GROUP 1|ALL", "yes");
        row("a group not the other", "lights", "GROUP 1|GROUP 2", "no");
        // The settings the display page shows: T trend, W text-view windows, H history.
        row("H.TREND", "display mode", "H.TREND", "T");
        row("V.TREND", "display mode", "V.TREND", "T");
        row("TEXT-VIEW", "display mode", "TEXT-VIEW", "W");
        row("BAR GRAPH", "display mode", "BAR GRAPH", "");
        row("HISTORY-VIEW", "display mode", "HISTORY-VIEW", "H");
        row("no mode: as they are", "display mode", "17", "unchanged");
        row("prefix of letters and digits", "file prefix", "TD2009", "yes");
        row("prefix of every mark", "file prefix", "()+-*/", "yes");
        row("prefix of more marks", "file prefix", "%,.[]$", "yes");
        row("empty prefix", "file prefix", "", "yes");
        row("prefix with a space", "file prefix", "TD 09", "no");
        row("prefix with an underscore", "file prefix", "TD_09", "no");
        row("prefix of seven characters", "file prefix", "ABCDEFG", "no");
        row("prefix with a non-ASCII letter", "file prefix", "TDé", "no");
        row("Korean prefix", "file prefix", "기록", "no");
        // A row set by hand takes what its page could have written, by the page's own limits,
        // for the set's channel count and firmware: KEY|channel (0 common)|channels|firmware|text.
        row("period at the top", "row", "SAVE_PERIOD_TIME|0|12|120|900", "taken");
        row("period above", "row", "SAVE_PERIOD_TIME|0|12|120|901", "refused");
        row("period a fraction", "row", "SAVE_PERIOD_TIME|0|12|120|5.5", "refused");
        row("scroll speed 0", "row", "SCROLL_SPEED_TIME|0|12|120|0", "refused");
        row("screen saver none", "row", "SCREEN_SAVER_TIME|0|12|120|0", "taken");
        row("9 windows before 2.0", "row", "TEXTVIEW_WINDOW_NUMBER|0|12|116|9", "refused");
        row("9 windows from 2.0", "row", "TEXTVIEW_WINDOW_NUMBER|0|12|200|9", "taken");
        row("data length 9", "row", "RS485_DATA_LENGTH|0|4|116|9", "refused");
        row("address 0", "row", "RS232_MAC_NUMBER|0|4|116|0", "refused");
        row("buffer group on 12", "row", "RECORD_WITH_BUFFER|0|12|120|ALL", "taken");
        row("buffer switch on 12", "row", "RECORD_WITH_BUFFER|0|12|120|ON", "refused");
        row("prefix with _", "row", "FILE_PREFIX|0|12|120|TD_1", "refused");
        row("relay 7", "row", "DI02_RYO|0|12|120|7", "refused");
        row("name with a sign", "row", "CH_NAME|3|12|120|T<1>#", "taken");
        row("Korean name", "row", "CH_NAME|3|12|120|온도", "refused");
        row("no display group", "row", "DISP_ONOFF|3|12|120|", "taken");
        row("no display switch", "row", "DISP_ONOFF|3|6|120|", "refused");
        row("input type 9", "row", "RANGE_CODE|1|12|120|9", "refused");
        row("input type 16", "row", "RANGE_CODE|1|12|120|16", "taken");
        row("math type 0", "row", "MATH_FTYPE|1|12|120|0", "refused");
        row("junction on itself", "row", "MATH_FTYPE|5|12|150|CH05", "refused");
        row("junction on another", "row", "MATH_FTYPE|5|6|150|CH06", "taken");
        row("junction past the model", "row", "MATH_FTYPE|5|6|150|CH07", "refused");
        row("reference 50.1", "row", "MATH_A_CH|1|12|150|50.1", "refused");
        row("alpha channel 7 of 6", "row", "MATH_A_CH|1|6|120|7", "refused");
        row("compared channel", "row", "ALARM03_CCH|2|4|120|4", "taken");
        row("set value below", "row", "ALARM04_SV|2|4|120|-1000", "refused");
        row("range the display shows", "row", "USER_RANGE_MAX|2|4|120|99999", "taken");
        row("range beyond the display", "row", "DISP_RANGE_MAX|2|4|120|123456", "refused");
        row("colour 12", "row", "COLOR|2|4|120|12", "refused");
        // The page, tab and channel a click on a table opens: grid (0 common, 1 channel, 2
        // formula)|row|column|channels|firmware|the row's description where it decides.
        row("click: description column", "click", "0|2|1|12|120", "");
        row("click: home of four channels", "click", "0|1|3|4|120", "frmTD_P_Main04 0 0");
        row("click: display", "click", "0|7|3|12|120", "frmTD_P_Display 0 0");
        row("click: row 8 opens nothing", "click", "0|8|3|12|120", "");
        row("click: display group", "click", "0|14|3|12|120|DISPLAY GROUP", "frmTD_P_Main12 0 0");
        row("click: record buffer", "click", "0|14|3|6|105|REC. WITH BUFFER", "frmTD_P_System 0 0");
        row("click: password", "click", "0|17|3|6|120", "frmTD_P_System 0 0");
        row("click: background", "click", "0|15|3|6|120", "frmTD_P_System 1 0");
        row("click: language", "click", "0|16|3|6|120", "frmTD_P_System 5 0");
        row("click: file prefix", "click", "0|69|3|6|120", "frmTD_P_System 5 0");
        row("click: system date", "click", "0|30|3|6|120", "frmTD_P_System 2 0");
        row("click: RS-232", "click", "0|31|3|6|120", "frmTD_P_System 3 0");
        row("click: RS-485", "click", "0|44|3|6|120", "frmTD_P_System 4 0");
        row("click: digital input", "click", "0|45|3|6|120", "frmTD_P_ARM_DI 0 0");
        row("click: channel name", "click", "1|1|5|12|120", "frmTD_P_Channel 0 3");
        row("click: channel key column", "click", "1|1|2|12|120", "");
        row("click: beyond the channels", "click", "1|1|7|4|120", "");
        row("click: display on/off", "click", "1|3|3|6|120", "frmTD_P_Main06 0 1");
        row("click: colour", "click", "1|10|4|6|120", "frmTD_P_System 1 2");
        row("click: scale", "click", "1|20|3|6|120", "frmTD_P_Channel 1 1");
        row("click: read method", "click", "1|8|3|6|120", "frmTD_P_Channel 2 1");
        row("click: math on/off", "click", "1|11|3|6|120", "frmTD_P_Channel 3 1");
        row("click: RJC from 1.50", "click", "1|12|3|6|150", "frmTD_P_Channel 0 1");
        row("click: math type before 1.50", "click", "1|13|3|6|149", "frmTD_P_Channel 3 1");
        row("click: display range", "click", "1|22|14|12|120", "frmTD_P_Channel 4 12");
        row("click: alarm", "click", "1|61|3|6|120", "frmTD_P_ARM_DI 0 1");
        row("click: formula row", "click", "2|4|1|6|120", "frmTD_P_Channel 3 4");
        row("click: formula row past the channels", "click", "2|5|1|4|120", "");
        // clang-format on
    }
    void rules() {
        QFETCH(QString, rule);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        const QStringList in = input.split(u'|');
        const auto n = [&](int i) { return in.value(i).toInt(); };
        const auto yes = [](bool b) { return b ? QStringLiteral("yes") : QStringLiteral("no"); };
        const QMap<QString, QStringList> lists{{"baud", ParamText::BaudRates()},
                                               {"parity", ParamText::Parities()},
                                               {"data length", SystemRules::DataLengths()},
                                               {"stop bits", SystemRules::StopBits()},
                                               {"windows 199", TextViewWindowNumbers(199)},
                                               {"windows 200", TextViewWindowNumbers(200)},
                                               {"windows 0", TextViewWindowNumbers(0)}};
        QString got;
        if (rule == u"number") {
            using namespace AlarmRules;
            using namespace SystemRules;
            const int d = n(1);
            const QMap<QString, NumberRule> numbers{
                {"set value", SetValue().withDecimals(d)},
                {"hysteresis", Hysteresis().named("HYSTERESIS").withDecimals(d)},
                {"rate", Rate().withDecimals(d)},
                {"channel of 4", Channel(4)},
                {"input", Input()},
                {"relay", RelayOutput().named("RELAY NO.")},
                {"on-time", RelayOnTime()},
                {"period", RecordPeriod()},
                {"saver", ScreenSaver()},
                {"password", Password()},
                {"address", MachineAddress()},
                {"response", ResponseTime()},
                {"scroll speed", ScrollSpeed()},
                {"reference", NumberRule::between(-50, 50).withDecimals(1).refusedBeyond()},
                {"displayed", DisplayedNumber(d)}};
            QVERIFY(numbers.contains(in[0]));
            const EntryOutcome out = ApplyNumberRule(numbers[in[0]], in[2]);
            const QString said = expected.section(u'|', -1);
            got = (out.accepted ? out.boxText + u'|' + out.cellText : QStringLiteral("kept")) +
                  u'|' + (said.isEmpty() || !out.message.contains(said) ? out.message : said);
        } else if (rule == u"wrap") {
            got = QString::number(StepWrapped(n(0), n(1), n(2), n(3)));
        } else if (lists.contains(rule)) {
            got = StepInList(lists[rule], in[0], n(1));
        } else if (rule == u"input type") {
            got = QString::number(StepInputCode(n(0), n(1)));
        } else if (rule == u"unit") {
            got = UnitCaptions().value(UnitForCode(n(0))) + u' ' +
                  QString::number(DecimalsForCode(n(0)));
        } else if (rule == u"junction") {
            got = NextReferenceJunction(in[0], n(1), n(2));
        } else if (rule == u"alarm type") {
            got = QStringList{QString::number(AlarmTypePanel(n(0))), AlarmRateCaption(n(0)),
                              AlarmTypePictureName(n(0))}
                      .join(u'|');
        } else if (rule == u"group click") {
            got = DisplayGroups::Toggle(in[0], in[1], n(2)).value_or(QStringLiteral("unchanged"));
        } else if (rule == u"group up" || rule == u"group down") {
            QStringList after;
            for (const QString& shown : in)
                after << (rule == u"group up" ? DisplayGroups::Next(shown)
                                              : DisplayGroups::Previous(shown));
            got = after.join(u'|');
        } else if (rule == u"lights") {
            got = yes(DisplayGroups::Lights(in[0], in[1]));
        } else if (rule == u"display mode") {
            const auto g = GroupsOfDisplayMode(in[0]);
            got = !g ? QStringLiteral("unchanged")
                     : QString(g->trend ? "T" : "") + (g->textView ? "W" : "") +
                           (g->history ? "H" : "");
        } else if (rule == u"file prefix") {
            got = yes(SystemRules::IsFilePrefixText(input));
        } else if (rule == u"row") {
            const auto& fields = n(1) > 0 ? ChannelFields(n(3)) : CommonFields();
            const auto f = std::find_if(fields.begin(), fields.end(),
                                        [&](const ParamField& g) { return g.key == in[0]; });
            QVERIFY(f != fields.end());
            got = RowRefusal(*f, in[4], {n(2), n(3), n(1)}) ? QStringLiteral("refused")
                                                            : QStringLiteral("taken");
        } else if (rule == u"click") {
            const PageTarget t = n(0) == 0   ? PageForCommonCell(n(1), n(2), in.value(5), n(3))
                                 : n(0) == 1 ? PageForChannelCell(n(1), n(2), n(3), n(4))
                                             : PageForFormulaRow(n(1), n(3));
            if (t.page != PageId::None)
                got = QStringLiteral("%1 %2 %3")
                          .arg(PageWindowName(t.page))
                          .arg(t.tab)
                          .arg(t.channel());
        }
        QCOMPARE(got, expected);
    }
};

QTEST_GUILESS_MAIN(tst_PageRules)
#include "tst_pagerules.moc"
