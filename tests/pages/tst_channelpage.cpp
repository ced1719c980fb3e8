// The channel page: input types and what follows them, names, reference junction, math,
// formulas, channel stepping and what each firmware shows.

#include "pagerules/ChannelInputs.h"
#include "pages/frmInputKey.h"
#include "pages/frmTD_P_Channel.h"
#include "paramset/FieldText.h"
#include "paramset/ParamSet.h"
#include "widgets/MessageBoxes.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

class TestChannelPage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_messages.clear();
        m_previous = SetModalHook([this](QDialog& d) {
            if (auto* box = qobject_cast<QMessageBox*>(&d)) {
                m_messages << box->text();
                return int(QMessageBox::Ok);
            }
            return m_dialogAnswer ? m_dialogAnswer(d) : int(QDialog::Rejected);
        });
        m_dialogAnswer = {};
    }
    void cleanup() { SetModalHook(m_previous); }

    void inputTypeSteps_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("expected");
        QTest::newRow("TYPE N up skips 9") << 8 << true << 10;
        QTest::newRow("TYPE W up wraps") << 13 << true << 1;
        QTest::newRow("RTD up wraps") << 16 << true << 14;
        QTest::newRow("VDC up wraps") << 19 << true << 17;
        QTest::newRow("unknown code stays") << 9 << true << 9;
    }
    void inputTypeSteps() {
        QFETCH(int, code);
        QFETCH(bool, up);
        QFETCH(int, expected);
        auto page = openPage(12, QStringLiteral("1.20"), 2);
        cellCH(2, 4) = QString::number(code);
        page->refreshNow();
        button(*page, up ? "btnUP_INP" : "btnDN_INP")->click();
        QCOMPARE(text(2, 4), QString::number(expected));
        QCOMPARE(label(*page, "lblINP")->text(), InputTypeOf(expected).name);
    }

    void aNewTypeBringsItsUnitDecimalsAndRange_data() {
        QTest::addColumn<QString>("groupButton");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("high");
        QTest::addColumn<QString>("low");
        // clang-format off
        QTest::newRow("VDC") << "btnINP(0)" << 19 << 0 << 2 << "30.00" << "-30.00";
        QTest::newRow("RTD") << "btnINP(1)" << 14 << 3 << 1 << "850.0" << "-200.0";
        QTest::newRow("T/C") << "btnINP(2)" << 1 << 3 << 1 << "1372.0" << "-270.0";
        // clang-format on
    }
    void aNewTypeBringsItsUnitDecimalsAndRange() {
        QFETCH(QString, groupButton);
        QFETCH(int, code);
        QFETCH(int, unit);
        QFETCH(int, decimals);
        QFETCH(QString, high);
        QFETCH(QString, low);
        auto page = openPage(6, QStringLiteral("1.16"), 1);
        page->findChild<QPushButton*>(groupButton)->click();
        QCOMPARE((QList<double>{text(1, 4).toDouble(), text(1, 7).toDouble(), text(1, 6).toDouble(),
                                CellNumber(text(1, 17)), CellNumber(text(1, 18))}),
                 (QList<double>{double(code), double(unit), double(decimals), high.toDouble(),
                                low.toDouble()}));
        QVERIFY(IsPaintedChosen(page->findChild<QPushButton*>(groupButton)));
        QVERIFY(IsPaintedChosen(button(*page, QStringLiteral("btnUnit(%1)").arg(unit))));
        QVERIFY(IsPaintedChosen(button(*page, QStringLiteral("btnDP(%1)").arg(decimals))));
        // The range boxes show the type's number of decimals.
        QCOMPARE(box(*page, "txtURange_H")->text(), high);
        // ±10 V: millivolts with three decimals.
        cellCH(1, 4) = QStringLiteral("17");
        page->refreshNow();
        button(*page, "btnUP_INP")->click();
        QCOMPARE(text(1, 4) + u' ' + text(1, 7) + u' ' + text(1, 6), QStringLiteral("18 1 3"));
        QCOMPARE(box(*page, "txtURange_L")->text(), QStringLiteral("-10.000"));
    }

    void referenceJunctionSteps_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        // clang-format off
        QTest::newRow("channel 1 skips itself") << 4 << 1 << "DIRECT INPUT" << "CH02";
        QTest::newRow("skips its own channel") << 6 << 3 << "CH02" << "CH04";
        QTest::newRow("last channel back round") << 4 << 4 << "CH03" << "IN.SENSOR";
        // clang-format on
    }
    void referenceJunctionSteps() {
        QFETCH(int, channels);
        QFETCH(int, channel);
        QFETCH(QString, from);
        QFETCH(QString, to);
        auto page = openPage(channels, QStringLiteral("2.00"), channel);
        cellCH(channel, 4) = QStringLiteral("1"); // a thermocouple: the junction matters
        cellCH(channel, 12) = from;
        page->refreshNow();
        button(*page, "btnUP_RJC")->click();
        QCOMPARE(text(channel, 12), to);
        QCOMPARE(label(*page, "lblRJC_Val")->text(), to);
    }

    void mathStepsOnlyWhileMathIsOn() {
        auto page = openPage(6, QStringLiteral("1.10"), 2);
        cellCH(2, 12) = QStringLiteral("14");
        cellCH(2, 13) = QStringLiteral("6");
        cellCH(2, 4) = QStringLiteral("14");
        cellCH(6, 4) = QStringLiteral("18");
        page->refreshNow();
        button(*page, "btnUP_MType")->click();
        QCOMPARE(text(2, 12), QStringLiteral("14")); // math is OFF
        QVERIFY(!button(*page, "btnUP_MType")->isEnabled());
        button(*page, "btnMOnOff(1)")->click();
        QCOMPARE(text(2, 11), QStringLiteral("ON"));
        button(*page, "btnUP_MType")->click();
        QCOMPARE(text(2, 12), QStringLiteral("1"));
        QCOMPARE(label(*page, "lblMType")->text(), QStringLiteral("α+β"));
        QCOMPARE(label(*page, "lblA_CH_Type")->text(), QStringLiteral("±10.000V"));
        button(*page, "btnUpA_CH")->click(); // 6 -> 1 on a six-channel meter
        QCOMPARE(text(2, 13), QStringLiteral("1"));
        // β: the constant button writes "CONSTANT" and the box moves to the constant row.
        button(*page, "btnBType(1)")->click();
        QCOMPARE(text(2, 14), QStringLiteral("CONSTANT"));
        QLineEdit* beta = box(*page, "txtBVal");
        beta->setText(QStringLiteral("2.5"));
        Q_EMIT beta->editingFinished();
        QCOMPARE(CellNumber(text(2, 16)), 2.5);
        QCOMPARE(CellNumber(text(2, 15)), 0.0);
    }

    void groupsShownByFirmware_data() {
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<bool>("formula");
        QTest::addColumn<bool>("rjc");
        QTest::addColumn<bool>("math");
        QTest::newRow("1.05") << "1.05" << false << false << true;
        QTest::newRow("1.07") << "1.07" << true << false << true;
        QTest::newRow("1.49") << "1.49" << true << false << true;
        QTest::newRow("1.50") << "1.50" << true << true << false;
    }
    void groupsShownByFirmware() {
        QFETCH(QString, firmware);
        QFETCH(bool, formula);
        QFETCH(bool, rjc);
        QFETCH(bool, math);
        auto page = openPage(6, firmware, 1);
        page->refreshNow();
        QCOMPARE(!page->findChild<QGroupBox*>(QStringLiteral("picFormula"))->isHidden(), formula);
        QCOMPARE(!page->findChild<QGroupBox*>(QStringLiteral("picRJC"))->isHidden(), rjc);
        QCOMPARE(!page->findChild<QGroupBox*>(QStringLiteral("picMath"))->isHidden(), math);
    }

    void channelSteppingReloads() {
        auto page = openPage(12, QStringLiteral("1.20"), 12);
        cellCH(1, 1) = QStringLiteral("FIRST");
        page->refreshNow();
        button(*page, "btnUP_CHNO")->click();
        QCOMPARE(page->channel(), 1);
        page->refreshNow(); // what the restarted tmrRefresh does
        QCOMPARE(box(*page, "txtCH_Name")->text(), QStringLiteral("FIRST"));
        QCOMPARE(label(*page, "lblCH_No")->text(), QStringLiteral("1"));
    }

    void formulasGoIntoTheirTables() {
        auto page = openPage(6, QStringLiteral("1.20"), 4);
        page->refreshNow();
        m_dialogAnswer = [](QDialog& d) {
            auto& key = static_cast<frmInputKey&>(d);
            key.txtInputBox()->setText(key.kind() == frmInputKey::Kind::ChannelFormula
                                           ? QStringLiteral("CH01+CH02")
                                           : QStringLiteral("M1*2"));
            return key.btnOK_Click() ? int(QDialog::Accepted) : int(QDialog::Rejected);
        };
        page->editChannelFormula();
        QCOMPARE(m_set.tables.sprdFormual_CH.text(1, 4), QStringLiteral("CH01+CH02"));
        QCOMPARE(label(*page, "sprdFormulaCH")->text(), QStringLiteral("CH01+CH02"));
        for (int i = 0; i < 5; ++i)
            page->btnMemUp_Click();
        QCOMPARE(page->memoryNumber(), 6);
        page->editMemoryFormula();
        QCOMPARE(m_set.tables.sprdFormual_Mem.text(1, 6), QStringLiteral("M1*2"));
        page->btnMemUp_Click();
        QCOMPARE(page->memoryNumber(), 1); // 6 wraps to 1
        // Cancel changes nothing.
        m_dialogAnswer = [](QDialog& d) {
            static_cast<frmInputKey&>(d).txtInputBox()->setText(QStringLiteral("X"));
            return int(QDialog::Rejected);
        };
        page->editChannelFormula();
        QCOMPARE(m_set.tables.sprdFormual_CH.text(1, 4), QStringLiteral("CH01+CH02"));
    }

    void opensOnTheTabAsked() {
        PageContext c;
        c.set = &m_set;
        NewParameterSet(m_set, 4, QStringLiteral("2.00"));
        c.table = PageTable::Channel;
        c.column = 3;
        c.tab = 4;
        frmTD_P_Channel page(c);
        QCOMPARE(page.SSTab1()->currentIndex(), 4);
    }

private:
    std::unique_ptr<frmTD_P_Channel> openPage(int channels, const QString& firmware, int channel) {
        NewParameterSet(m_set, channels, firmware);
        PageContext c;
        c.set = &m_set;
        c.table = PageTable::Channel;
        c.column = channel + 2;
        auto page = std::make_unique<frmTD_P_Channel>(c);
        page->refreshNow();
        return page;
    }
    struct CellRef {
        TextTable& t;
        int c, r;
        CellRef& operator=(const QString& s) {
            t.setText(c, r, s);
            return *this;
        }
    };
    CellRef cellCH(int channel, int row) { return {m_set.tables.sprdP_CH, channel + 2, row}; }
    QString text(int channel, int row) const {
        return m_set.tables.sprdP_CH.text(channel + 2, row);
    }
    static QPushButton* button(QWidget& w, const QString& name) {
        auto* b = w.findChild<QPushButton*>(name);
        if (!b)
            qFatal("no button %s", qPrintable(name));
        return b;
    }
    static QPushButton* button(QWidget& w, const char* name) {
        return button(w, QString::fromLatin1(name));
    }
    static QLabel* label(QWidget& w, const char* name) {
        return w.findChild<QLabel*>(QString::fromLatin1(name));
    }
    static QLineEdit* box(QWidget& w, const char* name) {
        return w.findChild<QLineEdit*>(QString::fromLatin1(name));
    }

    ParamSet m_set;
    QStringList m_messages;
    ModalHook m_previous;
    std::function<int(QDialog&)> m_dialogAnswer;
};

QTEST_MAIN(TestChannelPage)
#include "tst_channelpage.moc"
