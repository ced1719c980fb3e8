// Each parameter page on a simulated bus: upload a meter, edit on the page, save the set to a
// file and open it again, download it, upload once more, and find the edit in the meter.
#include "comm/EngineHarness.h"
#include "core/Clock.h"
#include "pagerules/AlarmRules.h"
#include "pages/PageContextOf.h"
#include "pages/frmTD_P_ARM_DI.h"
#include "pages/frmTD_P_Display.h"
#include "pages/frmTD_P_Main.h"
#include "pages/frmTD_P_System.h"
#include "paramset/ParamFile.h"
#include "paramset/ParamTransferHarness.h"
#include "support/ModalRecorder.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

namespace {

// Meters of every size on one bus; status row = address.
const QString kBus = QStringLiteral("DEMO:1:2:2.00,2:4:1.16,3:6:1.20,4:12:2.10");

void commit(QLineEdit* box, const QString& text) {
    box->setText(text);
    emit box->editingFinished();
}

struct Cell {
    bool channelTable = false;
    int column = 0;
    int row = 0;
    QString text(const ParamSet& set) const {
        return (channelTable ? set.tables.sprdP_CH : set.tables.sprdP).text(column, row);
    }
};
Cell common(int row) {
    return {false, ParamTables::ValueColumn, row};
}
Cell channel(int n, int row) {
    return {true, ParamTables::channelColumn(n), row};
}

// Edits the uploaded set of meter `address` with `edit` and carries it through a file and a
// download back into the meter; returns the set uploaded afterwards.
std::unique_ptr<ParamSet> roundTrip(EngineHarness& h, int address,
                                    const std::function<void(ParamSet&)>& edit) {
    if (address != 1 && !ParamTransfer::selectMeter(h, address))
        return nullptr;
    ParamSet edited;
    if (!ParamTransfer::upload(h, edited))
        return nullptr;
    edit(edited);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("edited.CFG"));
    if (!SaveParameterFile(edited, path).ok)
        return nullptr;
    ParamSet opened;
    if (!LoadParameterFile(opened, path).ok || !ParamTransfer::download(h, opened))
        return nullptr;
    auto after = std::make_unique<ParamSet>();
    if (!ParamTransfer::upload(h, *after))
        return nullptr;
    return after;
}

} // namespace

class tst_PageRoundTrip : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(m_h.openAndSettle()); }
    // What a page says (an entry corrected to its limit, a full group) is answered at once.
    void init() { m_modals = std::make_unique<ModalRecorder>(); }
    void cleanup() { m_modals.reset(); }

    void meters_data() {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("channels");
        QTest::newRow("2 channels") << 1 << 2;
        QTest::newRow("4 channels") << 2 << 4;
        QTest::newRow("6 channels") << 3 << 6;
        QTest::newRow("12 channels") << 4 << 12;
    }

    void homePage_data() { meters_data(); }
    void homePage() {
        QFETCH(int, address);
        QFETCH(int, channels);
        QString group;
        const auto after = roundTrip(m_h, address, [&](ParamSet& set) {
            QCOMPARE(set.channelCount(), channels);
            frmTD_P_Main page(PageContextOf(set));
            page.refreshNow();
            page.obtSD_Save[0]->click();
            if (channels == 12) {
                page.btnGroupUP->click(); // the demo meter shows ALL: up gives GROUP 1
                group = page.lblDispGroup->text();
                // Channel 12 leaves GROUP 1 when it is a member, joins it otherwise.
                page.btnDispCH[11]->click();
            } else {
                page.chbDispCH[channels - 1]->click();
            }
        });
        QVERIFY(after);
        QCOMPARE(common(1).text(*after), QStringLiteral("OFF"));
        if (channels == 12) {
            QCOMPARE(common(14).text(*after), QStringLiteral("GROUP 1"));
            QVERIFY(channel(12, 3).text(*after) != QStringLiteral("GROUP 1"));
        } else {
            QCOMPARE(channel(channels, 3).text(*after), QStringLiteral("OFF"));
        }
    }

    void displayPage() {
        const auto after = roundTrip(m_h, 4, [](ParamSet& set) {
            frmTD_P_Display page(PageContextOf(set));
            page.refreshNow();
            page.obtDisplayMode[2]->click(); // TEXT-VIEW
            page.btnTextBar[0]->click();
            page.btnReadFrom[1]->click();
            commit(page.txtScrollSpeed, QStringLiteral("500"));
            page.btnDN_TView_Win->click();
        });
        QVERIFY(after);
        QCOMPARE(common(2).text(*after), QStringLiteral("TEXT-VIEW"));
        QCOMPARE(common(4).text(*after), QStringLiteral("OFF"));
        QCOMPARE(common(6).text(*after), QStringLiteral("120"));
        QCOMPARE(common(9).text(*after), QStringLiteral("SD CARD"));
        QCOMPARE(common(7).text(*after), QStringLiteral("3")); // 4 down
    }

    void alarmPage_data() { meters_data(); }
    void alarmPage() {
        QFETCH(int, address);
        QFETCH(int, channels);
        const auto after = roundTrip(m_h, address, [&](ParamSet& set) {
            // One decimal on the channel: the rate keeps it.
            set.tables.sprdP_CH.setText(ParamTables::channelColumn(channels), 6,
                                        QStringLiteral("1"));
            frmTD_P_ARM_DI page(PageContextOf(set, channels));
            page.refreshNow();
            page.obtALM_No[2]->click(); // alarm 3 of the last channel
            while (page.lblALM_Type->text() != QStringLiteral("7"))
                page.btnUP_ALT->click();
            commit(page.txtALM_RATE, QStringLiteral("12.5"));
            page.obtTUNIT[1]->click();
            page.btnALM_RCD[2]->click();
            commit(page.txtALM_RYO, QStringLiteral("9"));
            commit(page.txtALM_RYT, QStringLiteral("30"));
            page.btnDN_DI->click(); // DI06
            page.btnDI_Level[0]->click();
            page.btnDI_RCD[2]->click();
            commit(page.txtDI_RYO, QStringLiteral("4"));
        });
        QVERIFY(after);
        const auto alarm = [&](AlarmField f) {
            return channel(channels, AlarmRow(3, f)).text(*after);
        };
        QCOMPARE(alarm(AlarmField::Type), QStringLiteral("7"));
        QCOMPARE(alarm(AlarmField::Rate), QStringLiteral("12.5"));
        QCOMPARE(alarm(AlarmField::TimeUnit), QStringLiteral("MIN."));
        QCOMPARE(alarm(AlarmField::Record), QStringLiteral("START"));
        QCOMPARE(alarm(AlarmField::RelayOutput), QStringLiteral("6"));
        QCOMPARE(alarm(AlarmField::RelayOnTime), QStringLiteral("30"));
        QCOMPARE(common(InputRow(6, InputField::Level)).text(*after), QStringLiteral("HIGH"));
        QCOMPARE(common(InputRow(6, InputField::Record)).text(*after), QStringLiteral("STOP"));
        QCOMPARE(common(InputRow(6, InputField::RelayOutput)).text(*after), QStringLiteral("4"));
    }

    void systemPage_data() { meters_data(); }
    void systemPage() {
        QFETCH(int, address);
        QFETCH(int, channels);
        QString baud485, parity232;
        const auto after = roundTrip(m_h, address, [&](ParamSet& set) {
            frmTD_P_System page(PageContextOf(set, 0, 0, &m_h.clock));
            page.refreshNow();
            page.btnDN_SI->click();
            commit(page.txtSaveInterval, QStringLiteral("1000"));
            page.btnBeep[0]->click();
            commit(page.txtScrSaver_T, QStringLiteral("0"));
            commit(page.txtSysPass, QStringLiteral("4321"));
            page.obtBK_Color[1]->click();
            page.obtCH_Color[channels - 1][9]->click();
            page.serial[1].up[0]->click();   // RS-485 baud rate
            page.serial[0].down[1]->click(); // RS-232 parity
            baud485 = page.serial[1].lblBaud->text();
            parity232 = page.serial[0].lblParity->text();
            commit(page.serial[0].txtResT, QStringLiteral("250"));
            page.obtLanguage[0]->click();
            commit(page.txtSD_FName, QStringLiteral("LINE-2"));
        });
        QVERIFY(after);
        QCOMPARE(common(10).text(*after), QStringLiteral("900"));
        QCOMPARE(common(12).text(*after), QStringLiteral("OFF"));
        QCOMPARE(common(13).text(*after), QStringLiteral("0"));
        QCOMPARE(common(17).text(*after), QStringLiteral("4321"));
        QCOMPARE(common(15).text(*after), QStringLiteral("WHITE"));
        QCOMPARE(channel(channels, 10).text(*after), QStringLiteral("9"));
        QCOMPARE(common(16).text(*after), QStringLiteral("KOREAN"));
        QCOMPARE(common(37).text(*after), QStringLiteral("250"));
        QCOMPARE(common(69).text(*after), QStringLiteral("LINE-2"));
        QCOMPARE(common(40).text(*after), baud485);
        QCOMPARE(common(34).text(*after), parity232);
    }

private:
    std::unique_ptr<ModalRecorder> m_modals;
    EngineHarness m_h{kBus, {1, 2, 3, 4}};
};

QTEST_MAIN(tst_PageRoundTrip)
#include "tst_pageroundtrip.moc"
