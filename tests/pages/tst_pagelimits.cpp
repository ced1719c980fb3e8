// The one rule of every numeric entry on every page, through the real boxes: a value beyond its
// limit is corrected to the limit, or refused, with a message that names the limit either way;
// a text that is no number is refused with a message; a value keeps the channel's decimals, in
// the box and in the cell. The table names every number box of every page: a box that is added
// without a row here fails the test.

#include "pagerules/AlarmRules.h"
#include "pages/PageContextOf.h"
#include "pages/frmTD_P_ARM_DI.h"
#include "pages/frmTD_P_Channel.h"
#include "pages/frmTD_P_Display.h"
#include "pages/frmTD_P_System.h"
#include "paramset/ParamSet.h"
#include "support/ModalRecorder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <memory>

namespace {

enum class Page { Alarm, System, Display, Channel };

std::unique_ptr<ParamPage> openPage(Page page, ParamSet& set) {
    switch (page) {
    case Page::Alarm:
        return std::make_unique<frmTD_P_ARM_DI>(PageContextOf(set, 1));
    case Page::System:
        return std::make_unique<frmTD_P_System>(PageContextOf(set));
    case Page::Display:
        return std::make_unique<frmTD_P_Display>(PageContextOf(set));
    case Page::Channel:
        break;
    }
    return std::make_unique<frmTD_P_Channel>(PageContextOf(set, 1));
}

// Boxes that take text, not numbers (names, units, the file prefix), and those that only show.
bool takesNumbers(const QLineEdit* box) {
    static const QSet<QString> texts{"txtCH_Name", "txtUnitName", "txtSD_FName"};
    return !box->isReadOnly() && !texts.contains(box->objectName());
}

struct Entry {
    const char* name;
    Page page;
    int decimals; // of channel 1
    const char* box;
    int row; // in channel 1's column, or the common table (negative)
    const char *typed, *shown, *stored, *said;
    const char* button = ""; // the button that commits the box; "": the box itself
};

const int sv = AlarmRow(1, AlarmField::SetValue), hys = AlarmRow(1, AlarmField::Hysteresis),
          rate = AlarmRow(1, AlarmField::Rate), cch = AlarmRow(1, AlarmField::ComparedChannel),
          ryo = AlarmRow(1, AlarmField::RelayOutput), ryt = AlarmRow(1, AlarmField::RelayOnTime),
          diRyo = -InputRow(1, InputField::RelayOutput),
          diRyt = -InputRow(1, InputField::RelayOnTime);

// clang-format off
const Entry kEntries[] = {
    {"set value rounded to whole", Page::Alarm, 0, "txtALM_SV", sv, "999.99", "999", "999", "at most 999"},
    {"set value keeps one decimal", Page::Alarm, 1, "txtALM_SV", sv, "12.34", "12.3", "12.3", ""},
    {"set value below", Page::Alarm, 2, "txtALM_SV", sv, "-1000", "-999.99", "-999.99", "at least -999.99"},
    {"hysteresis on one decimal", Page::Alarm, 1, "txtALM_HYS", hys, "99999", "1999.9", "1999.9", "HYSTERESIS is at most 1999.9"},
    {"hysteresis below", Page::Alarm, 2, "txtALM_HYS", hys, "-5", "0.00", "0.00", "at least 0.00"},
    {"rate above", Page::Alarm, 2, "txtALM_RATE", rate, "2500", "1999.99", "1999.99", "at most 1999.99"},
    {"compared channel beyond the set", Page::Alarm, 1, "txtALM_CCH", cch, "7", "4", "4", "at most 4"},
    {"relay none", Page::Alarm, 1, "txtALM_RYO", ryo, "0", "--", "0", ""},
    {"relay above", Page::Alarm, 1, "txtALM_RYO", ryo, "9", "6", "6", "at most 6"},
    {"on-time letters", Page::Alarm, 1, "txtALM_RYT", ryt, "abc", "0", "0", "is not a number"},
    {"on-time above", Page::Alarm, 1, "txtALM_RYT", ryt, "1234567", "999999", "999999", "at most 999999"},
    {"channel number beyond the set", Page::Alarm, 1, "txtCH_No", 0, "9", "4", "", "at most 4"},
    {"input number beyond six", Page::Alarm, 1, "txtDI_No", 0, "8", "6", "", "at most 6"},
    {"input relay below", Page::Alarm, 1, "txtDI_RYO", diRyo, "-3", "--", "0", "RELAY NO."},
    {"input on-time above", Page::Alarm, 1, "txtDI_RYT", diRyt, "2000000", "999999", "999999", "at most 999999"},
    {"save interval", Page::System, 1, "txtSaveInterval", -10, "1000", "900", "900", "SAVE INTERVAL is at most 900"},
    {"save interval cuts a fraction", Page::System, 1, "txtSaveInterval", -10, "12.9", "12", "12", ""},
    {"screen saver none", Page::System, 1, "txtScrSaver_T", -13, "0", "--", "0", ""},
    {"screen saver above", Page::System, 1, "txtScrSaver_T", -13, "500", "120", "120", "at most 120"},
    {"password below is none", Page::System, 1, "txtSysPass", -17, "-4", "----", "0", "PASSWORD"},
    {"password above", Page::System, 1, "txtSysPass", -17, "12345", "9999", "9999", "at most 9999"},
    {"RS232C address", Page::System, 1, "txt232ID", -31, "300", "255", "255", "MACHINE ADDRESS is at most 255"},
    {"RS485 address below", Page::System, 1, "txt485ID", -38, "-5", "1", "1", "at least 1"},
    {"RS232C response", Page::System, 1, "txtResT232", -37, "12000", "9999", "9999", "at most 9999"},
    {"RS485 response", Page::System, 1, "txtResT485", -44, "-1", "0", "0", "at least 0"},
    {"system year letters", Page::System, 1, "txtSYS_YEAR", -25, "x", "0001", "0001", "is not a number", "btnSYS_DTSet"},
    {"system month 13", Page::System, 1, "txtSYS_MONTH", -26, "13", "12", "12", "MONTH takes 1 to 12: 13 becomes 12", "btnSYS_DTSet"},
    {"system day of a short month", Page::System, 1, "txtSYS_DAY", -27, "31", "28", "28", "DAY takes 1 to 28", "btnSYS_DTSet"},
    {"system hour 24", Page::System, 1, "txtSYS_HOUR", -28, "24", "23", "23", "HOUR takes 0 to 23", "btnSYS_DTSet"},
    {"system minute 60", Page::System, 1, "txtSYS_MIN.", -29, "60", "59", "59", "takes 0 to 59", "btnSYS_DTSet"},
    {"system second 99", Page::System, 1, "txtSYS_SEC.", -30, "99", "59", "59", "takes 0 to 59", "btnSYS_DTSet"},
    {"scroll speed", Page::Display, 1, "txtScrollSpeed", -6, "500", "120", "120", "SCROLL SPEED is at most 120"},
    {"scroll speed letters", Page::Display, 1, "txtScrollSpeed", -6, "x", "10", "10", "is not a number"},
    {"read time", Page::Channel, 1, "txtReadTime", 9, "40000", "32767", "32767", "at most 32767"},
    {"reference temperature refused", Page::Channel, 1, "txtRJC_MAN", 13, "60", "0.0", "0.0", "takes -50.0 to 50.0"},
    {"user range keeps the decimals", Page::Channel, 1, "txtURange_H", 17, "12.345", "12.3", "12.3", ""},
    {"user range low beyond the display", Page::Channel, 2, "txtURange_L", 18, "-2000000", "-999.99", "-999.99", "USER RANGE LOW is at least -999.99"},
    {"scale range high", Page::Channel, 1, "txtSRange_H", 19, "1e9", "9999.9", "9999.9", "SCALE RANGE HIGH is at most 9999.9"},
    {"scale range low", Page::Channel, 0, "txtSRange_L", 20, "-123456", "-99999", "-99999", "at least -99999"},
    {"display range of a type K channel", Page::Channel, 1, "txtDRange_H", 21, "1234567.0", "9999.9", "9999.9", "DISP. RANGE HIGH is at most 9999.9"},
    {"display range low letters", Page::Channel, 1, "txtDRange_L", 22, "abc", "5.0", "5.0", "is not a number"},
    {"offset", Page::Channel, 3, "txtEOffset", 23, "-500", "-99.999", "-99.999", "at least -99.999"},
    {"high point", Page::Channel, 1, "txtEHighPoint", 24, "123456", "9999.9", "9999.9", "at most 9999.9"},
    {"low point inside", Page::Channel, 1, "txtELowPoint", 25, "-1.25", "-1.3", "-1.3", ""},
    {"beta channel beyond the set", Page::Channel, 1, "txtBVal", 15, "9", "4", "4", "at most 4"},
};
// clang-format on

} // namespace

Q_DECLARE_METATYPE(Page)

class TestPageLimits : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_modals = std::make_unique<ModalRecorder>(); }
    void cleanup() { m_modals.reset(); }

    void everyNumberBox_data() {
        QTest::addColumn<int>("entry");
        for (int i = 0; i < int(std::size(kEntries)); ++i)
            QTest::newRow(kEntries[i].name) << i;
    }
    void everyNumberBox() {
        QFETCH(int, entry);
        const Entry& e = kEntries[entry];
        ParamSet set;
        NewParameterSet(set, 4, QStringLiteral("2.00"));
        TextTable& channels = set.tables.sprdP_CH;
        channels.setText(ParamTables::channelColumn(1), 4, QStringLiteral("1")); // type K
        channels.setText(ParamTables::channelColumn(1), 6, QString::number(e.decimals));
        channels.setText(ParamTables::channelColumn(1), 11, QStringLiteral("ON")); // math
        channels.setText(ParamTables::channelColumn(1), 13, QStringLiteral("0.0"));
        channels.setText(ParamTables::channelColumn(1), 14, QStringLiteral("CHANNEL")); // β
        channels.setText(ParamTables::channelColumn(1), 22, QStringLiteral("5.0"));
        set.tables.sprdP.setText(ParamTables::ValueColumn, 6, QStringLiteral("10")); // scroll
        const QStringList date{"2026", "02", "07", "08", "05", "00"}; // the system date rows
        for (int i = 0; i < date.size(); ++i)
            set.tables.sprdP.setText(ParamTables::ValueColumn, 25 + i, date[i]);
        std::unique_ptr<ParamPage> p = openPage(e.page, set);
        p->refreshNow();
        auto* box = p->findChild<QLineEdit*>(QString::fromLatin1(e.box));
        QVERIFY(box);
        box->setText(QString::fromLatin1(e.typed));
        if (*e.button)
            p->findChild<QPushButton*>(QString::fromLatin1(e.button))->click();
        else
            Q_EMIT box->editingFinished();
        QCOMPARE(box->text(), QString::fromLatin1(e.shown));
        if (e.row != 0) {
            const QString cell = e.row > 0
                                     ? channels.text(ParamTables::channelColumn(1), e.row)
                                     : set.tables.sprdP.text(ParamTables::ValueColumn, -e.row);
            QCOMPARE(cell, QString::fromLatin1(e.stored));
        }
        const QString said = QString::fromLatin1(e.said);
        if (said.isEmpty()) {
            QCOMPARE(m_modals->texts, QStringList());
        } else {
            QCOMPARE(m_modals->texts.size(), 1);
            QVERIFY2(m_modals->texts.front().contains(said), qPrintable(m_modals->texts.front()));
        }
    }

    // Every box of every page that takes a number has its row above.
    void theTableHoldsEveryBox() {
        ParamSet set;
        NewParameterSet(set, 4, QStringLiteral("2.00"));
        for (Page page : {Page::Alarm, Page::System, Page::Display, Page::Channel}) {
            QSet<QString> named;
            for (const Entry& e : kEntries)
                if (e.page == page)
                    named << QString::fromLatin1(e.box);
            const std::unique_ptr<ParamPage> p = openPage(page, set);
            for (const QLineEdit* box : p->findChildren<QLineEdit*>())
                if (takesNumbers(box))
                    QVERIFY2(named.contains(box->objectName()), qPrintable(box->objectName()));
        }
    }

private:
    std::unique_ptr<ModalRecorder> m_modals;
};

QTEST_MAIN(TestPageLimits)
#include "tst_pagelimits.moc"
