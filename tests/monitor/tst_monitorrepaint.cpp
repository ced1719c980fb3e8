#include "MonitorFixture.h"
#include "support/PaintLog.h"

#include <QDialog>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <memory>

// A monitor refreshes every half second whether or not anything changed: a refresh that shows
// nothing new repaints nothing, and one that shows a new figure repaints that figure.
class TestMonitorRepaint : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refreshRepaintsOnlyWhatChanged_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("newValue");       // channel 1 shows a new value
        QTest::addColumn<QStringList>("painted"); // the widgets repainted
        QTest::addColumn<bool>("andOthers");      // ... among others
        // The trend moves on with every refresh: its graph is the one thing repainted.
        QTest::newRow("line, same values")
            << "frmTD_Mon_Line12" << false << QStringList{"picBGraph"} << false;
        QTest::newRow("bar, same values") << "frmTD_Mon_Bar12" << false << QStringList{} << false;
        QTest::newRow("text, same values") << "frmTD_Mon_Text12" << false << QStringList{} << false;
        QTest::newRow("multi, same values") << "frmTD_Mon_Multi" << false << QStringList{} << false;
        QTest::newRow("multi PV, same values")
            << "frmTD_Mon_MultiPV" << false << QStringList{} << false;
        QTest::newRow("bar, new value")
            << "frmTD_Mon_Bar12" << true << QStringList{"lblCH_Val(0)"} << true;
        QTest::newRow("text, new value")
            << "frmTD_Mon_Text12" << true << QStringList{"lblPV(0)", "XProgress1(0)"} << true;
    }

    void refreshRepaintsOnlyWhatChanged() {
        QFETCH(QString, window);
        QFETCH(bool, newValue);
        QFETCH(QStringList, painted);
        QFETCH(bool, andOthers);
        MonitorFixture f(12);
        std::unique_ptr<QDialog> w(CreateMonitorWindow(window, f.context(), nullptr));
        QVERIFY(w);
        SetMonitorTimerEnabled(w.get(), false);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        for (int i = 0; i < 3; ++i) { // the first refreshes fill the window in
            RunMonitorTick(w.get());
            QApplication::processEvents();
        }

        if (newValue)
            f.setValue(1, 75);
        PaintLog log;
        qApp->installEventFilter(&log);
        RunMonitorTick(w.get());
        QApplication::processEvents();
        qApp->removeEventFilter(&log);

        if (andOthers) {
            for (const QString& name : std::as_const(painted))
                QVERIFY2(log.painted.contains(name), qPrintable(name));
        } else {
            QCOMPARE(log.painted, painted);
        }
    }

    void partialRepaintsLeaveTheWholePicture() {
        // A bar repaints only the stretch its top moved over: after rises, falls and values
        // beyond the scale the screen shows what a whole repaint shows.
        MonitorFixture f(12);
        std::unique_ptr<QDialog> w(CreateMonitorWindow("frmTD_Mon_Bar12", f.context(), nullptr));
        SetMonitorTimerEnabled(w.get(), false);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto* bar = w->findChild<QWidget*>(QStringLiteral("picRowScale(0)"));
        QVERIFY(bar);
        for (const double value : {75.0, 20.0, 20.5, 99.0, 0.0, 130.0, 50.0}) {
            f.setValue(1, value);
            RunMonitorTick(w.get());
            QApplication::processEvents();
        }
        const QImage shown =
            w->screen()
                ->grabWindow(w->winId(), bar->mapTo(w.get(), QPoint()).x(),
                             bar->mapTo(w.get(), QPoint()).y(), bar->width(), bar->height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        const QImage whole = w->grab(QRect(bar->mapTo(w.get(), QPoint()), bar->size()))
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, whole);
    }
};

QTEST_MAIN(TestMonitorRepaint)
#include "tst_monitorrepaint.moc"
