// The page pattern every parameter page is built on, and the table of which page a click on
// the parameter window's tables opens.

#include "pages/PageFactory.h"
#include "pages/ParamPage.h"
#include "paramset/ParamSet.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// A page of the common table with a button array and a stepper, as a real page declares them.
class SamplePage : public ParamPage {
public:
    explicit SamplePage(const PageContext& c)
        : ParamPage(c, QStringLiteral("sample"), QStringLiteral("SAMPLE")) {
        auto buttons = makeButtons(QStringLiteral("btnRec"),
                                   {QStringLiteral("OFF"), QStringLiteral("ON")}, this);
        record = &bindButtons(1, buttons, {});
        bindStepper(6, new QPushButton(this), new QPushButton(this), shown, WrapNumbers(1, 120));
    }
    void loaded() override { ++loads; }

    ButtonArray* record;
    QLabel* shown = new QLabel(this);
    int loads = 0;
};

} // namespace

class TestPagePattern : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { NewParameterSet(m_set, 12, QStringLiteral("1.20")); }

    void buttonArrayWritesAndPaintsTheChosenButton() {
        SamplePage page(context());
        page.refreshNow();
        TextTable& t = m_set.tables.sprdP;
        // A new set records "OFF": that button is green, the other has the standard face.
        QVERIFY(IsPaintedChosen(page.record->button(0)));
        QVERIFY(!IsPaintedChosen(page.record->button(1)));
        page.record->button(1)->click();
        QCOMPARE(t.text(3, 1), QStringLiteral("ON"));
        QCOMPARE(page.record->button(1)->property("winColour").toInt(), 65280);
        QVERIFY(!IsPaintedChosen(page.record->button(0)));
        // A text that no button has paints none.
        t.setText(3, 1, QStringLiteral("MAYBE"));
        page.refreshNow();
        QCOMPARE(page.record->chosen(), -1);
    }

    void refreshFollowsTheColumn() {
        PageContext c = context();
        c.table = PageTable::Channel;
        c.column = 3;
        SamplePage page(c);
        m_set.tables.sprdP_CH.setText(5, 6, QStringLiteral("42"));
        page.setColumn(5);
        QVERIFY(page.tmrRefresh()->isActive());
        QTRY_COMPARE(page.loads, 1);
        QCOMPARE(page.shown->text(), QStringLiteral("42"));
        QCOMPARE(page.channel(), 3);
    }

    void writingTheSameTextChangesNothing() {
        SamplePage page(context());
        int signals_ = 0;
        // Connected to the page, so that the count's lifetime ends with the test.
        connect(&m_set.tables.sprdP, &TextTable::cellsChanged, &page, [&] { ++signals_; });
        page.record->choose(0); // "OFF" is already there
        QCOMPARE(signals_, 0);
        QVERIFY(!m_set.hasEdits());
    }

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

private:
    PageContext context() {
        PageContext c;
        c.set = &m_set;
        return c;
    }
    ParamSet m_set;
};

QTEST_MAIN(TestPagePattern)
#include "tst_pagepattern.moc"
