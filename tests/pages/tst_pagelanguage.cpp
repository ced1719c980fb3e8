// The parameter windows in the program's language: their captions, buttons and messages go
// through the translator installed when they open, the recorder's own setting words stay as
// the recorder's screen shows them, and without the translator the texts of the code return.
#include "pages/PageContextOf.h"
#include "pages/frmInputKey.h"
#include "pages/frmTD_P_ARM_DI.h"
#include "pages/frmTD_P_Channel.h"
#include "pages/frmTD_P_Display.h"
#include "pages/frmTD_P_Main.h"
#include "pages/frmTD_P_System.h"
#include "paramset/ParamSet.h"
#include "paramwindow/frmTD_Parameter.h"
#include "support/ModalRecorder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>
#include <memory>

namespace {

// Marks every text it is asked for, "«text»" (with its disambiguation, "«text|which»"), so
// that a window shows which of its texts went through translation.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char* disambiguation,
                      int) const override {
        QString marked = QString::fromUtf8(source);
        if (disambiguation && *disambiguation)
            marked += u'|' + QString::fromUtf8(disambiguation);
        return u'«' + marked + u'»';
    }
    bool isEmpty() const override { return false; }
};

QString marked(const QString& text) {
    return u'«' + text + u'»';
}

std::unique_ptr<QWidget> openWindow(const QString& name, ParamSet& set) {
    if (name == QLatin1String("frmTD_P_Display"))
        return std::make_unique<frmTD_P_Display>(PageContextOf(set));
    if (name == QLatin1String("frmTD_P_System"))
        return std::make_unique<frmTD_P_System>(PageContextOf(set));
    if (name == QLatin1String("frmTD_P_ARM_DI"))
        return std::make_unique<frmTD_P_ARM_DI>(PageContextOf(set, 1));
    if (name == QLatin1String("frmTD_P_Channel"))
        return std::make_unique<frmTD_P_Channel>(PageContextOf(set, 1));
    if (name.startsWith(QLatin1String("frmTD_P_Main")))
        return std::make_unique<frmTD_P_Main>(PageContextOf(set));
    return std::make_unique<frmTD_Parameter>(nullptr, QString());
}

// What a window shows in words: its title, labels, buttons, frames and tabs.
QStringList textsOf(const QWidget& w) {
    QStringList texts{w.windowTitle()};
    for (const QLabel* l : w.findChildren<QLabel*>())
        texts << l->text();
    for (const QAbstractButton* b : w.findChildren<QAbstractButton*>())
        texts << b->text();
    for (const QGroupBox* g : w.findChildren<QGroupBox*>())
        texts << g->title();
    for (const QTabWidget* t : w.findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i)
            texts << t->tabText(i);
    return texts;
}

} // namespace

class tst_PageLanguage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowTexts_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QStringList>("translated"); // captions, buttons, tabs, the title
        QTest::addColumn<QStringList>("kept");       // the recorder's own setting words
        QTest::newRow("display") << "frmTD_P_Display" << 4
                                 << QStringList{"DISPLAY SETUP", "DISPLAY MODE", "BULER",
                                                "SCROLL SPEED",  "FILE LIST",    "&Close"}
                                 << QStringList{"H.TREND", "HISTORY-VIEW", "OFF", "ON",
                                                "HORIZON", "SD CARD",      "sec"};
        QTest::newRow("system") << "frmTD_P_System" << 12
                                << QStringList{"SYSTEM SETUP",    "LANGUAGE/FILE", "SAVE INTERVAL",
                                               "MACHINE ADDRESS", "YEAR",          "PC TIME"}
                                << QStringList{"KOREAN", "ENGLISH", "BLACK",
                                               "OFF",    "min",     "RS232C"};
        QTest::newRow("alarm and D/I")
            << "frmTD_P_ARM_DI" << 4
            << QStringList{"ALARM/DI SETUP", "SET VALUE", "UP RATE", "D/I LEVEL", "RELAY NO."}
            << QStringList{"BYPASS", "START", "HIGH", "HOUR", "SEC."};
        QTest::newRow("channel") << "frmTD_P_Channel" << 4
                                 << QStringList{"CHANNEL SETUP", "INPUT TYPE", "READING / ADJUST",
                                                "채널 입력",     "상수 입력",  "MAX"}
                                 << QStringList{"VDC", "T/C", "°C", "DIRECT", "AVG", "0000.0"};
        QTest::newRow("home, six channels")
            << "frmTD_P_Main06" << 6
            << QStringList{"SD 기록 및 표시채널 설정", "SD 기록", "중지", "표시채널", "닫기[&C]"}
            << QStringList{"01", "06"};
        QTest::newRow("home, twelve channels")
            << "frmTD_P_Main12" << 12
            << QStringList{"RECORD/DISPLAY Setup", "RECORD TO SD CARD", "DISPLAY GROUP"}
            << QStringList{"OFF", "ON", "12"};
        QTest::newRow("parameter window")
            << "frmTD_Parameter" << 12
            << QStringList{"Parameter Setup", "&Upload (TD700 => PC)", "Save &As",
                           "MATH. FUNCTION (M AREA)", "File Name"}
            << QStringList{};
    }
    void windowTexts() {
        QFETCH(QString, window);
        QFETCH(int, channels);
        QFETCH(QStringList, translated);
        QFETCH(QStringList, kept);
        ParamSet set;
        NewParameterSet(set, channels, QStringLiteral("2.00"));
        {
            MarkingTranslator marking;
            QVERIFY(QCoreApplication::installTranslator(&marking));
            const QStringList texts = textsOf(*openWindow(window, set));
            QCoreApplication::removeTranslator(&marking);
            for (const QString& t : translated)
                QVERIFY2(texts.contains(marked(t)), qPrintable(t));
            for (const QString& t : kept)
                QVERIFY2(texts.contains(t), qPrintable(t));
        }
        // The translator gone, a window opened again shows the texts of the code.
        const QStringList texts = textsOf(*openWindow(window, set));
        for (const QString& t : translated + kept)
            QVERIFY2(texts.contains(t), qPrintable(t));
    }

    // The three places that refuse a character each say, in their own translation, which
    // characters they take.
    void refusedCharacter_data() {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("which");
        QTest::newRow("formula") << "formula"
                                 << "a formula";
        QTest::newRow("channel name") << "channel name"
                                      << "a channel name";
        QTest::newRow("file name") << "file name"
                                   << "the SD card file name";
    }
    void refusedCharacter() {
        QFETCH(QString, place);
        QFETCH(QString, which);
        ModalRecorder modals;
        MarkingTranslator marking;
        QVERIFY(QCoreApplication::installTranslator(&marking));
        ParamSet set;
        NewParameterSet(set, 4, QStringLiteral("2.00"));
        const auto commit = [](QLineEdit* box, const QString& text) {
            box->setText(text);
            Q_EMIT box->editingFinished();
        };
        if (place == QLatin1String("formula")) {
            frmInputKey dialog(frmInputKey::Kind::ChannelFormula, QStringLiteral("CH01+E"));
            dialog.btnOK_Click();
        } else if (place == QLatin1String("channel name")) {
            frmTD_P_Channel page(PageContextOf(set, 1));
            page.refreshNow();
            commit(page.findChild<QLineEdit*>(QStringLiteral("txtCH_Name")),
                   QStringLiteral("TANK 1"));
        } else {
            frmTD_P_System page(PageContextOf(set, 0, 5));
            page.refreshNow();
            commit(page.txtSD_FName, QStringLiteral("A B"));
        }
        QCoreApplication::removeTranslator(&marking);
        QCOMPARE(modals.texts, QStringList{marked(QStringLiteral("Disable Character.|") + which)});
    }
};

QTEST_MAIN(tst_PageLanguage)
#include "tst_pagelanguage.moc"
