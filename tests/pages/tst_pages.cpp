// Each page kind opened as a click on the tables opens it, its controls driven: the cells they
// write, what the page shows and says. The rules behind the controls are tested apart.
#include "core/AppPaths.h"
#include "core/Clock.h"
#include "pages/AlarmTypePictures.h"
#include "pages/PageContextOf.h"
#include "pages/PageFactory.h"
#include "pages/frmInputKey.h"
#include "pages/frmTD_P_Channel.h"
#include "paramset/ParamSet.h"
#include "support/ModalRecorder.h"
#include "support/TestFiles.h"

#include <QAbstractButton>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

Q_DECLARE_METATYPE(PageId)

namespace {

template <typename T = QWidget>
T* widget(const QWidget& page, const QString& name) {
    auto* w = page.findChild<T*>(name);
    if (!w)
        qFatal("no %s on %s", qPrintable(name), qPrintable(page.objectName()));
    return w;
}

// What a widget shows, in the words of the scripts below.
QString stateOf(const QWidget& w, const QString& asked) {
    if (asked == u"shown" || asked == u"hidden")
        return w.isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown");
    if (asked == u"enabled" || asked == u"disabled")
        return w.isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled");
    if (asked == u"green" || asked == u"plain")
        return IsPaintedChosen(qobject_cast<const QPushButton*>(&w)) ? QStringLiteral("green")
                                                                     : QStringLiteral("plain");
    if (asked == u"on" || asked == u"off")
        return qobject_cast<const QAbstractButton*>(&w)->isChecked() ? QStringLiteral("on")
                                                                     : QStringLiteral("off");
    if (auto* t = qobject_cast<const QTabWidget*>(&w))
        return QString::number(t->currentIndex());
    if (auto* e = qobject_cast<const QLineEdit*>(&w))
        return e->text();
    const QVariant colour = w.property("colour");
    if (colour.isValid())
        return colour.value<QColor>().name();
    return qobject_cast<const QLabel*>(&w)->text();
}

} // namespace

class tst_Pages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { SetPageSurroundings(nullptr, &m_clock); }
    void init() { m_modals = std::make_unique<ModalRecorder>(); }
    void cleanup() { m_modals.reset(); }

    // A script of steps parted by ';':
    //   c14:=TEXT, ch2.4:=TEXT, ch1-6.3:=TEXT  set a common or channel cell, then reload
    //   btnName                                 click
    //   txtName<-TEXT                           type and commit (Enter)
    //   wait                                    let the page's own reload run
    //   ?c14=TEXT, ?ch2.4=TEXT                  a cell holds TEXT
    //   ?said=PART                              each message since the last ?said holds PART
    //                                           (empty: no message)
    //   ?edited=yes|no                          whether the set has changes
    //   ?name=STATE                             shown/hidden, enabled/disabled, green/plain,
    //                                           on/off, a tab index, a colour or a text
    void page_data() {
        QTest::addColumn<PageId>("page");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("script");
        QTest::newRow("home of twelve channels")
            << PageId::Home12 << 12 << "2.00" << 0 << 0 << 0
            << "c14:=GROUP 1; ch1-6.3:=GROUP 1; ch8.3:=GROUP 2; ?btnDispCH7=plain; btnDispCH6;"
               "?ch7.3=; ?said=GROUP 1 holds 6 channels already; btnDispCH0; ?ch1.3=;"
               "btnDispCH7; ?ch8.3=ALL; ?btnDispCH7=green; ?said=; btnGroupDN; ?c14=ALL;"
               "?lblDispGroup=ALL; btnDispCH3; ?ch4.3=GROUP 1; ?said=while GROUP 1 or GROUP 2"
               "; btnGroupUP; ?c14=GROUP 1";
        QTest::newRow("home of six channels")
            << PageId::Home06 << 6 << "1.16" << 0 << 0 << 0
            << "c1:=ON; ch1-6.3:=ON; ch2.3:=OFF; ?obtSD_Save1=on; ?chbDispCH0=on; ?chbDispCH1=off;"
               "chbDispCH0; chbDispCH1; obtSD_Save0; ?ch1.3=OFF; ?ch2.3=ON; ?c1=OFF";
        QTest::newRow("display")
            << PageId::DisplayPage << 6 << "2.00" << 0 << 0 << 0
            << "?btnRuler0=green; btnRuler0; ?edited=no; obtDisplayMode2; ?c2=TEXT-VIEW;"
               "?obtDisplayMode2=green; ?picTView=shown; ?picTREND=hidden; c2:=17;"
               "?picTView=shown; obtDisplayMode3; ?lblNoSettings=shown; c7:=6;"
               "btnUP_TView_Win; ?c7=9; txtScrollSpeed<-500; ?c6=120;"
               "?said=SCROLL SPEED is at most 120; c3:=MAYBE; ?btnRuler0=plain; ?btnRuler1=plain";
        // Opened on alarm 3 of a channel the set does not have: its last channel.
        QTest::newRow("alarms")
            << PageId::AlarmDi << 2 << "2.00" << 9 << 0 << 52
            << "?lblALM_No=03; ch2.47:=6; btnUP_ALT; ?ch2.47=7; ?lblALM_Type=7; ?lblRate=UP RATE;"
               "?picALT2=shown; ?picALT0=hidden; ch2.6:=1; txtALM_HYS<-99999; ?ch2.45=1999.9;"
               "?txtALM_HYS=1999.9; ?said=HYSTERESIS is at most 1999.9";
        QTest::newRow("inputs")
            << PageId::AlarmDi << 4 << "2.00" << 0 << 0 << 62
            << "?txtDI_No=5; btnDN_DI; ?txtDI_No=4; btnDI_RCD1; ?c58=START; ?btnDI_RCD1=green;"
               "?btnDI_RCD0=plain; txtDI_RYO<-9; ?c59=6; ?said=at most 6";
        QTest::newRow("system")
            << PageId::System << 12 << "2.00" << 0 << 1 << 0
            << "?SSTab1=1; ch2.10:=1; ?lblCH02_PcColour=#0000ff; ?lblPcColour1=#0000ff;"
               "obtCH02_Color11; ?ch2.10=11; ?lblCH02_PcColour=#c0c000; ?obtCH12_Color0=hidden;"
               "btnDN_Color; ?obtCH12_Color0=shown; ?obtCH01_Color0=hidden; c41:=NONE; "
               "btnDN_Parity485; ?c41=EVEN;"
               "?lblDateTime=2028-02-29 07:05:09; btnSYS_PC; btnSYS_DTSet; ?c25=2028; ?c27=29;"
               "?c30=09; txtSYS_MONTH<-13; btnSYS_DTSet; ?c26=12; ?said=MONTH takes 1 to 12;"
               "txtSaveInterval<-1000; ?c10=900; ?said=SAVE INTERVAL is at most 900;"
               "btnRSV1; ?c18=ON";
        QTest::newRow("system of an early firmware")
            << PageId::System << 2 << "1.05" << 0 << 0 << 0
            << "?btnBufferAfter0=enabled; ?txtSysPass=disabled";
        QTest::newRow("channel")
            << PageId::Channel << 12 << "1.20" << 12 << 4 << 0
            << "?SSTab1=4; ?picFormula=shown; ?picRJC=hidden; ?picMath=shown; ch1.1:=FIRST;"
               "btnUP_CHNO; wait; ?lblCH_No=1; ?txtCH_Name=FIRST; ch1.4:=8; btnUP_INP; ?ch1.4=10;"
               "?lblINP=TYPE PL2; btnINP(0); ?ch1.4=19; ?ch1.7=0; ?ch1.6=2; ?ch1.17=30.00;"
               "?btnUnit(0)=green; ?btnDP(2)=green; ?txtURange_H=30.00; txtURange_H<-1e9;"
               "?ch1.17=999.99; ?said=at most 999.99; ch1.12:=14; ch1.13:=6; ch6.4:=18;"
               "?btnUP_MType=disabled; btnMOnOff(1); ?ch1.11=ON; btnUP_MType; ?ch1.12=1;"
               "?lblMType=α+β; ?lblA_CH_Type=±10.000V; btnUpA_CH; ?ch1.13=7; btnBType(1);"
               "?ch1.14=CONSTANT; txtBVal<-2.5; ?ch1.16=2.5; txtRJC_MAN<-60; ?ch1.13=7;"
               "?said=takes -50.0 to 50.0; ?edited=yes";
        QTest::newRow("channel from 1.50")
            << PageId::Channel << 4 << "1.50" << 1 << 0 << 0
            << "?picRJC=shown; ?picMath=hidden; ch1.4:=1; ch1.12:=DIRECT INPUT; btnUP_RJC;"
               "?ch1.12=CH02; ?lblRJC_Val=CH02; ch1.5:=MAYBE; ?btnSOnOff(0)=plain; "
               "?btnSOnOff(1)=plain";
    }
    void page() {
        QFETCH(PageId, page);
        QFETCH(int, channels);
        QFETCH(QString, firmware);
        QFETCH(int, channel);
        QFETCH(int, tab);
        QFETCH(int, row);
        QFETCH(QString, script);
        ParamSet set;
        NewParameterSet(set, channels, firmware);
        PageTarget target{
            page, channel > 0 ? PageTable::Channel : PageTable::Common,
            channel > 0 ? ParamTables::channelColumn(channel) : ParamTables::ValueColumn, tab, row};
        const std::unique_ptr<ParamPage> p(CreatePage(target, set, nullptr));
        QVERIFY(p);
        p->refreshNow();
        static const QRegularExpression cellRef(
            QStringLiteral(R"(^c(\d+)$|^ch(\d+)(?:-(\d+))?\.(\d+)$)"));
        const auto cells = [&](const QString& ref) {
            const QRegularExpressionMatch m = cellRef.match(ref);
            QList<std::pair<TextTable*, std::pair<int, int>>> out;
            if (!m.captured(1).isEmpty())
                out.append({&set.tables.sprdP, {ParamTables::ValueColumn, m.captured(1).toInt()}});
            else if (m.hasMatch())
                for (int n = m.captured(2).toInt();
                     n <= std::max(m.captured(2).toInt(), m.captured(3).toInt()); ++n)
                    out.append({&set.tables.sprdP_CH,
                                {ParamTables::channelColumn(n), m.captured(4).toInt()}});
            return out;
        };
        for (QString step : script.split(u';', Qt::SkipEmptyParts)) {
            step = step.trimmed();
            if (step.startsWith(u'?')) {
                const qsizetype eq = step.indexOf(u'=');
                const QString name = step.mid(1, eq - 1), want = step.mid(eq + 1);
                QString got;
                if (name == u"said") {
                    got = want.isEmpty() || m_modals->texts.isEmpty() ? m_modals->texts.join(u'|')
                                                                      : want;
                    for (const QString& m : std::as_const(m_modals->texts))
                        if (!m.contains(want))
                            got = m;
                    m_modals->texts.clear();
                } else if (name == u"edited") {
                    got = set.hasEdits() ? QStringLiteral("yes") : QStringLiteral("no");
                } else if (const auto at = cells(name); !at.isEmpty()) {
                    got = at[0].first->text(at[0].second.first, at[0].second.second);
                } else {
                    got = stateOf(*widget(*p, name), want);
                }
                QVERIFY2(got == want, qPrintable(step + QStringLiteral(" got: ") + got));
            } else if (const qsizetype set_ = step.indexOf(QStringLiteral(":=")); set_ > 0) {
                for (const auto& [table, at] : cells(step.left(set_)))
                    table->setText(at.first, at.second, step.mid(set_ + 2));
                p->refreshNow();
            } else if (const qsizetype typed = step.indexOf(QStringLiteral("<-")); typed > 0) {
                auto* box = widget<QLineEdit>(*p, step.left(typed));
                box->setText(step.mid(typed + 2));
                Q_EMIT box->editingFinished();
            } else if (step == u"wait") {
                QVERIFY(p->tmrRefresh()->isActive());
                QTRY_VERIFY(!p->tmrRefresh()->isActive());
            } else {
                widget<QAbstractButton>(*p, step)->click();
            }
        }
    }

    // The formula dialogs write the channel's formula and the memory formula shown; Cancel
    // writes nothing.
    void formulas() {
        ParamSet set;
        NewParameterSet(set, 6, QStringLiteral("1.20"));
        frmTD_P_Channel page(PageContextOf(set, 4));
        page.refreshNow();
        QString typed = QStringLiteral("CH01+CH02");
        const ModalHook previous = SetModalHook([&typed](QDialog& d) {
            auto& key = static_cast<frmInputKey&>(d);
            key.txtInputBox()->setText(typed);
            return typed == u"X" || !key.btnOK_Click() ? int(QDialog::Rejected)
                                                       : int(QDialog::Accepted);
        });
        page.editChannelFormula();
        for (int i = 0; i < 5; ++i)
            page.btnMemUp_Click();
        typed = QStringLiteral("M1*2");
        page.editMemoryFormula();
        typed = QStringLiteral("X");
        page.editChannelFormula();
        SetModalHook(previous);
        QCOMPARE(set.tables.sprdFormual_CH.text(1, 4), QStringLiteral("CH01+CH02"));
        QCOMPARE(widget<QLabel>(page, QStringLiteral("sprdFormulaCH"))->text(),
                 QStringLiteral("CH01+CH02"));
        QCOMPARE(set.tables.sprdFormual_Mem.text(1, 6), QStringLiteral("M1*2"));
    }

    // The recorder's own pictures are used where the program folder has them, in any case of
    // name; the others are our own, none blank.
    void alarmPictures() {
        QTemporaryDir home;
        QDir(home.path()).mkdir(QStringLiteral("image"));
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(home.filePath(QStringLiteral("image/arm07.bmp")), "BMP"));
        WriteBytes(home.filePath(QStringLiteral("image/ARM08.BMP")), "not a picture");
        const AppPaths paths(home.path());
        const AlarmTypePictures pictures(&paths);
        QCOMPARE(pictures.picture(7).size(), QSize(20, 10));
        QVERIFY(pictures.fromFile(7) && !pictures.fromFile(8));
        for (int type = 0; type < 16; ++type)
            QVERIFY(!pictures.picture(type).isNull());
        QVERIFY(pictures.picture(16).isNull());
    }

private:
    const VirtualClock m_clock{QDateTime(QDate(2028, 2, 29), QTime(7, 5, 9))};
    std::unique_ptr<ModalRecorder> m_modals;
};

QTEST_MAIN(tst_Pages)
#include "tst_pages.moc"
