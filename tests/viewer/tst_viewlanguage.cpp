#include "clock/ClockDrift.h"
#include "clock/ClockWriter.h"
#include "clock/frmTD_DateReserve.h"
#include "comm/EngineHarness.h"
#include "dataview/SyntheticDataFile.h"
#include "logging/DataTime.h"
#include "monitor/MonitorFactory.h"
#include "monitor/MonitorFixture.h"
#include "monitor/MultiMonitor.h"
#include "monitor/SpanHeaderView.h"
#include "viewer/GraphViewerWindow.h"
#include "viewer/TracePlot.h"
#include "widgets/GradientLabel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <functional>
#include <memory>

namespace {

// Stands in for a language: every text of the code comes back in brackets, so that a text a
// window set once and not again on a language change stays without them.
class MarkingTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return u'[' + QString::fromUtf8(source) + u']';
    }
};

// Every text a window shows: its title, captions, buttons, group titles, tabs, menus,
// actions, list items and column headers.
QStringList shownTexts(QWidget& window) {
    QStringList out{window.windowTitle()};
    for (auto* w : window.findChildren<QLabel*>())
        out << w->text();
    for (auto* w : window.findChildren<GradientLabel*>())
        out << w->text();
    for (auto* w : window.findChildren<QAbstractButton*>())
        out << w->text();
    for (auto* w : window.findChildren<QGroupBox*>())
        out << w->title();
    for (auto* w : window.findChildren<QTabWidget*>())
        for (int i = 0; i < w->count(); ++i)
            out << w->tabText(i);
    for (auto* a : window.findChildren<QAction*>())
        out << a->text();
    for (auto* w : window.findChildren<QComboBox*>()) {
        out << w->placeholderText();
        for (int i = 0; i < w->count(); ++i)
            out << w->itemText(i);
    }
    for (auto* w : window.findChildren<QTableWidget*>())
        for (int c = 0; c < w->columnCount(); ++c)
            if (w->horizontalHeaderItem(c))
                out << w->horizontalHeaderItem(c)->text();
    for (auto* w : window.findChildren<SpanHeaderView*>())
        for (const SpanHeaderView::Cell& c : w->cells())
            out << c.text;
    return out;
}

// Whether `texts` hold `source` as the code has it (marked: as the translator gives it back);
// the part after a %1 is the window's own and is not compared.
bool holds(const QStringList& texts, const QString& source, bool marked) {
    const qsizetype arg = source.indexOf(u'%');
    const QString text = marked ? u'[' + source + u']' : source;
    for (const QString& t : texts) {
        if (arg < 0 ? t == text : t.startsWith(text.left(arg + (marked ? 1 : 0))))
            return true;
    }
    return false;
}

void changeLanguage() {
    // Qt posts the change to every window; the windows take it with the next events.
    QApplication::processEvents();
    QApplication::processEvents();
}

struct Windows {
    MonitorFixture monitor;
    EngineHarness engine;
    ClockWriter writer{engine.engine};
    ClockDrift drift{engine.engine, engine.clock};
    QTemporaryDir dir;
};

using Factory = std::function<std::unique_ptr<QWidget>(Windows&)>;

} // namespace

Q_DECLARE_METATYPE(Factory)

// Every live window takes the new language while it is open, texts of the code and texts it
// made of them alike, and keeps the recorder's own words as they are.
class TestViewLanguage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowsFollowALanguageChange_data() {
        QTest::addColumn<Factory>("open");
        QTest::addColumn<QStringList>("translated");
        QTest::addColumn<QStringList>("kept");
        const auto monitor = [](QDialog* (*create)(int, const MonitorContext&, QWidget*)) {
            return Factory([create](Windows& w) {
                return std::unique_ptr<QWidget>(create(12, w.monitor.context(), nullptr));
            });
        };
        QTest::newRow("trend") << monitor(&CreateLineMonitor)
                               << QStringList{"Single Monitoring - LINE%1",
                                              "&Close",
                                              "DEVICE CLOCK",
                                              "D.INPUT",
                                              "ALARM",
                                              "CARD"}
                               << QStringList{"H.TREND VIEW", "(ALL CH)", "MEM:", "SDC:"};
        QTest::newRow("bar") << monitor(&CreateBarMonitor)
                             << QStringList{"Single Monitoring - BAR GRAPH%1", "&Close"}
                             << QStringList{"BAR GRAPH", "[CH.01]", "MEM:"};
        QTest::newRow("text") << monitor(&CreateTextMonitor)
                              << QStringList{"Single Monitoring - TEXT%1", "&Close"}
                              << QStringList{"TEXT VIEW", "CH01", "AL1"};
        QTest::newRow("multi") << Factory([](Windows& w) {
            return std::unique_ptr<QWidget>(CreateMultiMonitor(w.monitor.context(), nullptr));
        }) << QStringList{"Multi Monitoring", "&Close", "COMM", "PV", "DI", "RELAY", "ALARM",
                          "COMM green: %1"}
                               << QStringList{"CH.01"};
        QTest::newRow("multi PV") << Factory([](Windows& w) {
            return std::unique_ptr<QWidget>(CreateMultiPVMonitor(w.monitor.context(), nullptr));
        }) << QStringList{"Multi Monitoring - PV", "COMM", "PV", "Light green and white%1"}
                                  << QStringList{};
        QTest::newRow("graph viewer") << Factory([](Windows& w) {
            const QString file = w.dir.filePath(QStringLiteral("PLANT_03_20240304.TDD"));
            const qint64 day = DataTime::parse(QStringLiteral("2024-03-04")).value_or(0);
            SyntheticDataFile::plantDay(day, 12, 60).write(file);
            auto viewer = std::make_unique<GraphViewerWindow>();
            viewer->openFiles({file});
            viewer->plot()->setCursorTime(double(day + 3600));
            return std::unique_ptr<QWidget>(std::move(viewer));
        }) << QStringList{"TD700 Graph Viewer - %1",
                          "&File",
                          "&View",
                          "Zoom &In",
                          "Channels",
                          "Events",
                          "Alarms and gaps",
                          "1 hour",
                          "At cursor",
                          "Shown: %1",
                          "Cursor: %1"}
                                      << QStringList{};
        QTest::newRow("clock") << Factory([](Windows& w) {
            return std::make_unique<frmTD_DateReserve>(w.engine.engine, w.engine.clock, w.writer,
                                                       w.drift);
        }) << QStringList{"DATE/TIME RESERVE SETUP%1",
                          "PC Clock",
                          "Reserved Start",
                          "Year",
                          "Sec",
                          "SET",
                          "&Close",
                          "Same as PC clock",
                          "Meter clock%1"}
                               << QStringList{"ON", "OFF"};
    }

    void windowsFollowALanguageChange() {
        QFETCH(Factory, open);
        QFETCH(QStringList, translated);
        QFETCH(QStringList, kept);
        Windows windows;
        const std::unique_ptr<QWidget> window = open(windows);
        window->show();
        QApplication::processEvents();

        const auto check = [&](bool marked) {
            const QStringList texts = shownTexts(*window);
            for (const QString& t : translated)
                QVERIFY2(holds(texts, t, marked), qPrintable(t));
            for (const QString& t : kept)
                QVERIFY2(holds(texts, t, false) && !holds(texts, t, true), qPrintable(t));
        };
        check(false);
        if (QTest::currentTestFailed())
            return;
        MarkingTranslator language;
        QApplication::installTranslator(&language);
        changeLanguage();
        check(true);
        QApplication::removeTranslator(&language);
        if (QTest::currentTestFailed())
            return;
        changeLanguage();
        check(false);
    }
};

QTEST_MAIN(TestViewLanguage)
#include "tst_viewlanguage.moc"
