// The rules behind the parameter pages' controls: stepping through lists and ranges, the alarm
// types, the firmware-dependent lists, what a row set by hand may hold, the file prefix.
#include "pagerules/AlarmRules.h"
#include "pagerules/DisplayRules.h"
#include "pagerules/RowRules.h"
#include "pagerules/StepRules.h"
#include "pagerules/SystemRules.h"
#include "paramset/FieldText.h"
#include "paramset/ParamFields.h"

#include <QTest>

class tst_PageRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
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
};

QTEST_GUILESS_MAIN(tst_PageRules)
#include "tst_pagerules.moc"
