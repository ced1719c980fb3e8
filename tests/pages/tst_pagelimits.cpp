// The one rule of every page for an entry beyond its limit: corrected to the limit, or refused,
// with a message that names the limit either way; a text that is no number is refused with a
// message; a value keeps the channel's decimals, in the box and in the cell.

#include "pages/PageContextOf.h"
#include "pages/frmTD_P_ARM_DI.h"
#include "pages/frmTD_P_Channel.h"
#include "pages/frmTD_P_Display.h"
#include "pages/frmTD_P_System.h"
#include "paramset/ParamSet.h"
#include "support/ModalRecorder.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <memory>

namespace {

enum class Page {
    Alarm,
    Input,
    SystemRecord,
    SystemRs232,
    Display,
    ChannelInput,
    ChannelScaling,
    ChannelReading
};

// Opens the page on channel 1 (or the common table), on the tab that holds the box.
std::unique_ptr<ParamPage> openPage(Page page, ParamSet& set) {
    switch (page) {
    case Page::Alarm:
    case Page::Input:
        return std::make_unique<frmTD_P_ARM_DI>(PageContextOf(set, 1));
    case Page::SystemRecord:
        return std::make_unique<frmTD_P_System>(PageContextOf(set, 0, 0));
    case Page::SystemRs232:
        return std::make_unique<frmTD_P_System>(PageContextOf(set, 0, 3));
    case Page::Display:
        return std::make_unique<frmTD_P_Display>(PageContextOf(set));
    case Page::ChannelInput:
        return std::make_unique<frmTD_P_Channel>(PageContextOf(set, 1, 0));
    case Page::ChannelScaling:
        return std::make_unique<frmTD_P_Channel>(PageContextOf(set, 1, 1));
    case Page::ChannelReading:
        return std::make_unique<frmTD_P_Channel>(PageContextOf(set, 1, 2));
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(Page)

class TestPageLimits : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_modals = std::make_unique<ModalRecorder>(); }
    void cleanup() { m_modals.reset(); }

    void entryBeyondItsLimit_data() {
        QTest::addColumn<Page>("page");
        QTest::addColumn<int>("decimals"); // of channel 1
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("row"); // in channel 1's column, or the common table (negative)
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("said"); // part of the message; empty: no message
        struct Row {
            const char* name;
            Page page;
            int decimals;
            const char* box;
            int row;
            const char *typed, *shown, *stored, *said;
        };
        // clang-format off
        const Row rows[] = {
            {"hysteresis on one decimal", Page::Alarm, 1, "txtALM_HYS", 27, "99999", "1999.9", "1999.9", "HYSTERESIS is at most 1999.9"},
            {"set value rounded to whole", Page::Alarm, 0, "txtALM_SV", 26, "999.99", "999", "999", "at most 999"},
            {"set value keeps one decimal", Page::Alarm, 1, "txtALM_SV", 26, "12.34", "12.3", "12.3", ""},
            {"on-time letters", Page::Alarm, 1, "txtALM_RYT", 34, "abc", "0", "0", "is not a number"},
            {"input relay below", Page::Input, 1, "txtDI_RYO", -47, "-3", "--", "0", "RELAY NO."},
            {"save interval", Page::SystemRecord, 1, "txtSaveInterval", -10, "1000", "900", "900", "SAVE INTERVAL is at most 900"},
            {"machine address", Page::SystemRs232, 1, "txt232ID", -31, "300", "255", "255", "MACHINE ADDRESS is at most 255"},
            {"scroll speed", Page::Display, 1, "txtScrollSpeed", -6, "500", "120", "120", "SCROLL SPEED is at most 120"},
            {"read time", Page::ChannelReading, 1, "txtReadTime", 9, "40000", "32767", "32767", "at most 32767"},
            {"reference temperature refused", Page::ChannelInput, 1, "txtRJC_MAN", 13, "60", "0.0", "0.0", "takes -50.0 to 50.0"},
            {"user range keeps the decimals", Page::ChannelScaling, 1, "txtURange_H", 17, "12.345", "12.3", "12.3", ""},
        };
        // clang-format on
        for (const Row& r : rows)
            QTest::newRow(r.name) << r.page << r.decimals << QString::fromLatin1(r.box) << r.row
                                  << QString::fromLatin1(r.typed) << QString::fromLatin1(r.shown)
                                  << QString::fromLatin1(r.stored) << QString::fromLatin1(r.said);
    }

    void entryBeyondItsLimit() {
        QFETCH(Page, page);
        QFETCH(int, decimals);
        QFETCH(QString, box);
        QFETCH(int, row);
        QFETCH(QString, typed);
        ParamSet set;
        NewParameterSet(set, 4, QStringLiteral("2.00"));
        set.tables.sprdP_CH.setText(ParamTables::channelColumn(1), 6, QString::number(decimals));
        set.tables.sprdP_CH.setText(ParamTables::channelColumn(1), 17, QStringLiteral("1000"));
        set.tables.sprdP_CH.setText(ParamTables::channelColumn(1), 13, QStringLiteral("0.0"));
        std::unique_ptr<ParamPage> p = openPage(page, set);
        p->refreshNow();
        auto* edit = p->findChild<QLineEdit*>(box);
        QVERIFY(edit);
        edit->setText(typed);
        Q_EMIT edit->editingFinished();
        QTEST(edit->text(), "shown");
        const QString cell = row > 0 ? set.tables.sprdP_CH.text(ParamTables::channelColumn(1), row)
                                     : set.tables.sprdP.text(ParamTables::ValueColumn, -row);
        QTEST(cell, "stored");
        QFETCH(QString, said);
        if (said.isEmpty()) {
            QCOMPARE(m_modals->texts, QStringList());
        } else {
            QCOMPARE(m_modals->texts.size(), 1);
            QVERIFY2(m_modals->texts.front().contains(said), qPrintable(m_modals->texts.front()));
        }
    }

private:
    std::unique_ptr<ModalRecorder> m_modals;
};

QTEST_MAIN(TestPageLimits)
#include "tst_pagelimits.moc"
