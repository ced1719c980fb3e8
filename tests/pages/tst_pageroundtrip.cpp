// A parameter page on a simulated bus: upload a meter, edit on the page, save the set to a
// file and open it again, download it, upload once more, and find the edit in the meter.
#include "pages/PageContextOf.h"
#include "pages/frmTD_P_Main.h"
#include "paramset/ParamFile.h"
#include "support/EngineHarness.h"
#include "support/ModalRecorder.h"
#include "support/ParamTransferHarness.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

namespace {

// Meters of every size on one bus; status row = address.
const QString kBus = QStringLiteral("DEMO:1:2:2.00,2:4:1.16,3:6:1.20,4:12:2.10");

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

    void homePage_data() {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("channels");
        QTest::newRow("2 channels") << 1 << 2;
        QTest::newRow("12 channels") << 4 << 12;
    }

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

private:
    std::unique_ptr<ModalRecorder> m_modals;
    EngineHarness m_h{kBus, {1, 2, 3, 4}};
};

QTEST_MAIN(tst_PageRoundTrip)
#include "tst_pageroundtrip.moc"
