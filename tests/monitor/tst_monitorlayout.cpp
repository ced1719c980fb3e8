// Single-meter monitors on a laptop's window sizes: the window takes the size it is given and
// every channel keeps the room its contents need, none over another.

#include "MonitorFixture.h"
#include "monitor/BarMonitor.h"
#include "monitor/BarScale.h"
#include "monitor/ChannelPanel.h"
#include "monitor/TextMonitor.h"
#include "monitor/TrendMonitor.h"
#include "widgets/GradientLabel.h"

#include <QApplication>
#include <QTest>

namespace {

// The widget that holds all of a channel's parts in each kind of monitor.
QWidget* channelWidget(QDialog* w, int ch) {
    if (auto* bar = qobject_cast<BarMonitor*>(w))
        return bar->scale(ch) ? bar->scale(ch)->parentWidget() : nullptr;
    if (auto* text = qobject_cast<TextMonitor*>(w))
        return text->lblPV(ch) ? text->lblPV(ch)->parentWidget() : nullptr;
    if (auto* trend = qobject_cast<TrendMonitor*>(w))
        return trend->channelPanel(ch);
    return nullptr;
}

} // namespace

class TestMonitorLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void channelsFitTheWindow_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QSize>("size");
        // The room inside the window on a 1366 x 768 and a 1280 x 720 screen with a title bar
        // and a panel, and on a large screen.
        const QSize sizes[] = {QSize(1366, 700), QSize(1280, 650), QSize(1900, 1000)};
        for (const char* kind : {"bar", "text", "trend"})
            for (int channels : {12, 6, 4, 2})
                for (const QSize& size : sizes)
                    QTest::addRow("%s %d on %dx%d", kind, channels, size.width(), size.height())
                        << QString::fromLatin1(kind) << channels << size;
    }

    void channelsFitTheWindow() {
        QFETCH(QString, kind);
        QFETCH(int, channels);
        QFETCH(QSize, size);
        MonitorFixture f(channels);
        f.tables.sprdP_CH.setNumber(9, 21, 5); // a channel of -5.000 .. 5.000 V
        f.tables.sprdP_CH.setNumber(9, 22, -5);
        f.tables.sprdP_CH.setNumber(9, 6, 3);
        std::unique_ptr<QDialog> w(
            kind == QLatin1String("bar")    ? CreateBarMonitor(channels, f.context(), nullptr)
            : kind == QLatin1String("text") ? CreateTextMonitor(channels, f.context(), nullptr)
                                            : CreateLineMonitor(channels, f.context(), nullptr));
        QVERIFY(w);
        SetMonitorTimerEnabled(w.get(), false);
        RunMonitorTick(w.get());
        w->resize(size);
        w->show();
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        QCOMPARE(w->size(), size);
        QList<QRect> taken;
        for (int ch = 0; ch < channels; ++ch) {
            QWidget* c = channelWidget(w.get(), ch);
            QVERIFY(c);
            const QSize least = c->minimumSizeHint();
            QVERIFY2(c->width() >= least.width() && c->height() >= least.height(),
                     qPrintable(QStringLiteral("channel %1: %2x%3, needs %4x%5")
                                    .arg(ch + 1)
                                    .arg(c->width())
                                    .arg(c->height())
                                    .arg(least.width())
                                    .arg(least.height())));
            const QRect r(c->mapTo(w.get(), QPoint(0, 0)), c->size());
            QVERIFY2(w->rect().contains(r),
                     qPrintable(QStringLiteral("channel %1 leaves the window").arg(ch + 1)));
            for (const QRect& other : std::as_const(taken))
                QVERIFY2(!other.intersects(r),
                         qPrintable(QStringLiteral("channel %1 lies over another").arg(ch + 1)));
            taken << r;
        }
    }
};

QTEST_MAIN(TestMonitorLayout)
#include "tst_monitorlayout.moc"
