// The parameter pages' controls and the cells they write: which row and column each control
// reaches, what a page shows for what a cell holds, and what it refuses.
#include "core/AppPaths.h"
#include "core/Clock.h"
#include "pagerules/AlarmRules.h"
#include "pages/AlarmTypePictures.h"
#include "pages/PageBindings.h"
#include "pages/PageContextOf.h"
#include "pages/frmTD_P_ARM_DI.h"
#include "pages/frmTD_P_Display.h"
#include "pages/frmTD_P_Main.h"
#include "pages/frmTD_P_System.h"
#include "paramset/FieldText.h"
#include "paramset/ParamSet.h"
#include "support/ModalRecorder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <utility>

namespace {

QString commonCell(const ParamSet& set, int row) {
    return set.tables.sprdP.text(ParamTables::ValueColumn, row);
}

QString channelCell(const ParamSet& set, int channel, int row) {
    return set.tables.sprdP_CH.text(ParamTables::channelColumn(channel), row);
}

bool isGreen(const QPushButton* b) {
    return IsPaintedChosen(b);
}

} // namespace

class tst_Pages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Message boxes are answered at once and noted.
    void init() { m_modals = std::make_unique<ModalRecorder>(); }
    void cleanup() { m_modals.reset(); }

    // Cells as one letter a channel: 1 GROUP 1, 2 GROUP 2, A ALL, - none. Actions: U up,
    // D down, a number a channel button.
    void homeGroups_data() {
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("cellsAfter");
        QTest::addColumn<QString>("shownAfter");
        QTest::addColumn<QString>("lit");
        QTest::addColumn<QString>("told"); // part of the message a click that changes nothing gives
        const auto row = [](const char* name, const char* cells, const char* shown,
                            const char* actions, const char* cellsAfter, const char* shownAfter,
                            const char* lit, const char* told = "") {
            QTest::newRow(name) << QString(cells) << QString(shown) << QString(actions)
                                << QString(cellsAfter) << QString(shownAfter) << QString(lit)
                                << QString(told);
        };
        row("seventh refused", "111111------", "GROUP 1", "7", "111111------", "GROUP 1",
            "xxxxxx......", "GROUP 1 holds 6 channels already, the most a group can hold");
        row("other group joins both and leaves again", "2-----------", "GROUP 1", "1",
            "A-----------", "GROUP 1", "x...........");
        row("both back to other", "A-----------", "GROUP 1", "1", "2-----------", "GROUP 1",
            "............");
        row("ALL shown: clicks do nothing", "12A---------", "ALL", "4 1", "12A---------", "ALL",
            "xxx.........", "while GROUP 1 or GROUP 2 is shown");
        row("down from GROUP 1 then join", "1-2---------", "GROUP 1", "D D 2", "122---------",
            "GROUP 2", ".xx.........");
        row("nothing shown, up", "1-2---------", "", "U", "1-2---------", "GROUP 1",
            "x...........");
    }
    void homeGroups() {
        QFETCH(QString, cells);
        QFETCH(QString, shown);
        QFETCH(QString, actions);
        QFETCH(QString, cellsAfter);
        QFETCH(QString, shownAfter);
        QFETCH(QString, lit);
        QFETCH(QString, told);
        const QStringList& messages = m_modals->texts;
        const auto text = [](QChar c) {
            return c == u'1'   ? QStringLiteral("GROUP 1")
                   : c == u'2' ? QStringLiteral("GROUP 2")
                   : c == u'A' ? QStringLiteral("ALL")
                               : QString();
        };
        ParamSet set;
        NewParameterSet(set, 12, QStringLiteral("2.00"));
        for (int n = 1; n <= 12; ++n)
            set.tables.sprdP_CH.setText(ParamTables::channelColumn(n), 3, text(cells[n - 1]));
        set.tables.sprdP.setText(ParamTables::ValueColumn, 14, shown);
        frmTD_P_Main page(PageContextOf(set));
        page.refreshNow();
        QVERIFY(page.chbDispCH.isEmpty());
        for (const QString& a : actions.split(u' ', Qt::SkipEmptyParts)) {
            if (a == u'U')
                page.btnGroupUP->click();
            else if (a == u'D')
                page.btnGroupDN->click();
            else
                page.btnDispCH[a.toInt() - 1]->click();
        }
        QString got, gotLit;
        for (int n = 1; n <= 12; ++n) {
            const QString c = channelCell(set, n, 3);
            got += c.isEmpty() ? u'-' : c == QStringLiteral("ALL") ? u'A' : c.back();
            gotLit += isGreen(page.btnDispCH[n - 1]) ? u'x' : u'.';
        }
        QCOMPARE(got, cellsAfter);
        QCOMPARE(commonCell(set, 14), shownAfter);
        QCOMPARE(page.lblDispGroup->text(), shownAfter);
        QCOMPARE(gotLit, lit);
        if (told.isEmpty()) {
            QCOMPARE(messages, QStringList());
        } else {
            QVERIFY(!messages.isEmpty());
            for (const QString& m : std::as_const(messages))
                QVERIFY2(m.contains(told), qPrintable(m));
        }
    }

    // A set of six channels or fewer shows a box a channel.
    void homeShowBoxes() {
        const int channels = 6;
        ParamSet set;
        NewParameterSet(set, channels, QStringLiteral("1.16"));
        for (int n = 1; n <= channels; ++n)
            set.tables.sprdP_CH.setText(ParamTables::channelColumn(n), 3,
                                        n == 2 ? QStringLiteral("OFF") : QStringLiteral("ON"));
        set.tables.sprdP.setText(ParamTables::ValueColumn, 1, QStringLiteral("ON"));
        frmTD_P_Main page(PageContextOf(set));
        page.refreshNow();
        QCOMPARE(page.chbDispCH.size(), channels);
        QVERIFY(page.obtSD_Save[1]->isChecked());
        QVERIFY(page.chbDispCH[0]->isChecked());
        QVERIFY(!page.chbDispCH[1]->isChecked());
        page.chbDispCH[0]->click();
        page.chbDispCH[1]->click();
        page.obtSD_Save[0]->click();
        QCOMPARE(channelCell(set, 1, 3), QStringLiteral("OFF"));
        QCOMPARE(channelCell(set, 2, 3), QStringLiteral("ON"));
        QCOMPARE(commonCell(set, 1), QStringLiteral("OFF"));
    }

    void displayGroupsFollowTheMode_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("shown"); // T trend, W windows, H history
        for (const auto& [mode, shown] : {std::pair{"H.TREND", "T"},
                                          {"V.TREND", "T"},
                                          {"TEXT-VIEW", "W"},
                                          {"BAR GRAPH", ""},
                                          {"HISTORY-VIEW", "H"}})
            QTest::newRow(mode) << QString(mode) << QString(shown);
    }
    void displayGroupsFollowTheMode() {
        QFETCH(QString, mode);
        QFETCH(QString, shown);
        ParamSet set;
        NewParameterSet(set, 4, QStringLiteral("2.00"));
        frmTD_P_Display page(PageContextOf(set));
        page.show();
        page.refreshNow();
        QApplication::processEvents();
        const int index = int(ParamText::DisplayModes().indexOf(mode));
        page.obtDisplayMode[index]->click();
        QApplication::processEvents();
        QCOMPARE(commonCell(set, 2), mode);
        QVERIFY(isGreen(page.obtDisplayMode[index]));
        QCOMPARE(page.picTREND->isVisible(), shown.contains(u'T'));
        QCOMPARE(page.picTView->isVisible(), shown.contains(u'W'));
        QCOMPARE(page.picHISTVIEW->isVisible(), shown.contains(u'H'));
        QCOMPARE(page.lblNoSettings->isVisible(), shown.isEmpty()); // the bar graph says why
        // A text that names no mode leaves the groups as they are.
        set.tables.sprdP.setText(ParamTables::ValueColumn, 2, QStringLiteral("17"));
        page.refreshNow();
        QCOMPARE(page.picTREND->isVisible(), shown.contains(u'T'));
    }

    // A stepper writes its cell, through the list of the set's firmware.
    void displayStepper() {
        ParamSet set;
        NewParameterSet(set, 6, QStringLiteral("2.00"));
        set.tables.sprdP.setText(ParamTables::ValueColumn, 7, QStringLiteral("6"));
        frmTD_P_Display page(PageContextOf(set));
        page.refreshNow();
        page.btnUP_TView_Win->click();
        QCOMPARE(commonCell(set, 7), QStringLiteral("9"));
    }

    void alarmTypeStepping() {
        ParamSet set;
        NewParameterSet(set, 2, QStringLiteral("2.00"));
        set.tables.sprdP_CH.setText(ParamTables::channelColumn(2), AlarmRow(1, AlarmField::Type),
                                    QStringLiteral("6"));
        frmTD_P_ARM_DI page(PageContextOf(set, 2));
        page.refreshNow();
        page.btnUP_ALT->click();
        QCOMPARE(channelCell(set, 2, AlarmRow(1, AlarmField::Type)), QStringLiteral("7"));
        QCOMPARE(page.lblALM_Type->text(), QStringLiteral("7"));
        QVERIFY(!page.picALM_Type->pixmap().isNull());
        QCOMPARE(page.visiblePanel(), 2);
        QCOMPARE(page.lblRate->text(), QStringLiteral("UP RATE"));
    }

    // A click on the row of alarm 3 or of input 5 opens the page on that alarm or input.
    void opensOnTheAlarmOrInputClicked() {
        ParamSet set;
        NewParameterSet(set, 4, QStringLiteral("2.00"));
        PageContext alarm = PageContextOf(set, 2);
        alarm.row = AlarmRow(3, AlarmField::RelayOnTime);
        QCOMPARE(frmTD_P_ARM_DI(alarm).alarm(), 3);
        PageContext input = PageContextOf(set);
        input.row = InputRow(5, InputField::Record);
        QCOMPARE(frmTD_P_ARM_DI(input).input(), 5);
    }

    void channelBeyondTheSetAndInputRecord() {
        ParamSet set;
        NewParameterSet(set, 2, QStringLiteral("2.00"));
        frmTD_P_ARM_DI page(PageContextOf(set, 9)); // no channel 9 on this set
        page.refreshNow();
        QCOMPARE(page.channel(), 2);
        page.btnDN_DI->click();
        QCOMPARE(page.input(), 6);
        page.btnDI_RCD[1]->click();
        QCOMPARE(commonCell(set, InputRow(6, InputField::Record)), QStringLiteral("START"));
        QVERIFY(isGreen(page.btnDI_RCD[1]));
        QVERIFY(!isGreen(page.btnDI_RCD[0]));
    }

    // The recorder's own pictures are used where the program folder has them, in any case of
    // name; the others are our own, none blank.
    void alarmPictures() {
        QTemporaryDir home;
        QDir(home.path()).mkdir(QStringLiteral("image"));
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(home.filePath(QStringLiteral("image/arm07.bmp")), "BMP"));
        QFile junk(home.filePath(QStringLiteral("image/ARM08.BMP")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a picture");
        junk.close();
        const AppPaths paths(home.path());
        const AlarmTypePictures pictures(&paths);
        QVERIFY(pictures.fromFile(7));
        QCOMPARE(pictures.picture(7).size(), QSize(20, 10));
        QVERIFY(!pictures.fromFile(8));
        for (int type = 0; type < 16; ++type)
            QVERIFY(!pictures.picture(type).isNull());
        QVERIFY(pictures.picture(16).isNull());
    }

    void systemRowsByModel_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<bool>("buffer");
        QTest::addColumn<bool>("password");
        QTest::addColumn<bool>("secondHalf");
        QTest::newRow("2 ch, 1.05") << 2 << "1.05" << true << false << false;
        QTest::newRow("6 ch, 1.16") << 6 << "1.16" << false << true << false;
        QTest::newRow("12 ch, 1.05") << 12 << "1.05" << false << false << true;
        QTest::newRow("12 ch, 2.00") << 12 << "2.00" << false << true << true;
    }
    void systemRowsByModel() {
        QFETCH(int, channels);
        QFETCH(QString, firmware);
        QFETCH(bool, buffer);
        QFETCH(bool, password);
        QFETCH(bool, secondHalf);
        ParamSet set;
        NewParameterSet(set, channels, firmware);
        frmTD_P_System page(PageContextOf(set, 0, 1));
        page.show();
        page.refreshNow();
        QCOMPARE(page.SSTab1->currentIndex(), 1);
        QCOMPARE(page.btnBufferAfter[0]->isEnabled(), buffer);
        QCOMPARE(page.txtSysPass->isEnabled(), password);
        QVERIFY(page.obtCH_Color[channels - 1][0]->isVisible() == (channels <= 6));
        page.btnDN_Color->click();
        QCOMPARE(page.colourHalf(), secondHalf ? 1 : 0);
        QCOMPARE(page.obtCH_Color[channels - 1][0]->isVisible(), true);
        QVERIFY(!page.obtCH_Color[0][0]->isVisible() == secondHalf);
        page.obtCH_Color[channels - 1][11]->click();
        QCOMPARE(channelCell(set, channels, 10), QStringLiteral("11"));
    }

    // The COLOR tab says that its colours are the recorder's own and shows, under each colour
    // and beside each channel, the colour this program's monitors paint it in.
    void colourTabShowsTheMonitorsColours() {
        const int code = 1; // green on the recorder, blue in the monitors
        const QColor monitors(0, 0, 255);
        ParamSet set;
        NewParameterSet(set, 12, QStringLiteral("2.00"));
        set.tables.sprdP_CH.setText(ParamTables::channelColumn(2), 10, QString::number(code));
        frmTD_P_System page(PageContextOf(set, 0, 1));
        page.refreshNow();
        auto* note = page.findChild<QLabel*>(QStringLiteral("lblColourNote"));
        QVERIFY(note && note->text().contains(QStringLiteral("recorder's own screen")));
        const auto colourOf = [&page](const QString& name) {
            auto* swatch = page.findChild<QLabel*>(name);
            return swatch ? swatch->property("colour").value<QColor>() : QColor();
        };
        QCOMPARE(colourOf(QStringLiteral("lblCH02_PcColour")), monitors);
        QCOMPARE(colourOf(QStringLiteral("lblPcColour%1").arg(code)), monitors);
        page.obtCH_Color[1][11]->click(); // another colour: the swatch follows
        QCOMPARE(colourOf(QStringLiteral("lblCH02_PcColour")), QColor(192, 192, 0));
    }

    void systemStepper() {
        ParamSet set;
        NewParameterSet(set, 6, QStringLiteral("2.00"));
        set.tables.sprdP.setText(ParamTables::ValueColumn, 41, QStringLiteral("NONE"));
        frmTD_P_System page(PageContextOf(set, 0, 3));
        page.refreshNow();
        page.serial[1].down[1]->click();
        QCOMPARE(commonCell(set, 41), QStringLiteral("EVEN"));
    }

    void systemDateTab() {
        ParamSet set;
        NewParameterSet(set, 4, QStringLiteral("2.00"));
        const VirtualClock clock(QDateTime(QDate(2028, 2, 29), QTime(7, 5, 9)));
        frmTD_P_System page(PageContextOf(set, 0, 2, &clock));
        page.refreshNow();
        QCOMPARE(page.lblDateTime->text(), QStringLiteral("2028-02-29 07:05:09"));
        page.btnSYS_PC->click();
        page.btnSYS_DTSet->click();
        QStringList rows;
        for (int row = 25; row <= 30; ++row)
            rows << commonCell(set, row);
        QCOMPARE(rows.join(u' '), QStringLiteral("2028 02 29 07 05 09"));
        page.btnRSV[1]->click();
        QCOMPARE(commonCell(set, 18), QStringLiteral("ON"));
        QVERIFY(page.txtRSV[0]->isReadOnly());
    }

private:
    std::unique_ptr<ModalRecorder> m_modals;
};

QTEST_MAIN(tst_Pages)
#include "tst_pages.moc"
