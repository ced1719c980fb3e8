// What the monitor windows cost per 500 ms tick: one trend refresh with twelve channels and a
// full buffer (status and scale refresh, the sample step, its segments on the drawing surface
// and the repaint of the picture), a whole redraw of the trend (every segment of a full
// buffer drawn anew, as every 120 samples, on a trace toggle or a resize), and one tick of
// every monitor window open at once (trend, bar, text and both multi-meter grids). The windows
// are drawn off screen at their own size and at full-HD size.

#include "monitor/MonitorDemo.h"
#include "monitor/TrendGraph.h"
#include "monitor/TrendMonitor.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Figures {
    double median = 0, mean = 0, worst = 0; // milliseconds
};

Figures figuresOf(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    Figures f;
    f.median = ms[ms.size() / 2];
    f.worst = ms.back();
    for (double v : ms)
        f.mean += v;
    f.mean /= double(ms.size());
    return f;
}

void print(const char* what, const Figures& f) {
    std::printf("  %-46s median %7.3f ms   mean %7.3f ms   worst %7.3f ms\n", what, f.median,
                f.mean, f.worst);
}

std::unique_ptr<QDialog> openWindow(MonitorDemo& demo, const QString& name, const QSize& size) {
    std::unique_ptr<QDialog> w(CreateMonitorWindow(name, demo.context(), nullptr));
    SetMonitorTimerEnabled(w.get(), false);
    w->setAttribute(Qt::WA_DontShowOnScreen);
    if (size.isValid())
        w->resize(size);
    w->show();
    QApplication::processEvents();
    return w;
}

void benchTrend(const QSize& size) {
    MonitorDemo demo(12);
    std::unique_ptr<QDialog> window = openWindow(demo, QStringLiteral("frmTD_Mon_Line12"), size);
    auto* trend = static_cast<TrendMonitor*>(window.get());
    std::printf("trend, 12 channels, window %dx%d:\n", trend->width(), trend->height());
    // Fill the buffer up to just before its shift (720 samples).
    for (int i = 0; i < 718; ++i) {
        demo.advance();
        RunMonitorTick(trend);
    }
    QApplication::processEvents();

    std::vector<double> ticks, wholeTicks, redraws;
    QElapsedTimer t;
    for (int round = 0; round < 400; ++round) {
        demo.advance();
        const bool periodStart = trend->model().sample() % 120 == 0;
        t.start();
        RunMonitorTick(trend);
        trend->graph()->repaint();
        const double ms = double(t.nsecsElapsed()) / 1e6;
        (periodStart ? wholeTicks : ticks).push_back(ms);
    }
    for (int round = 0; round < 60; ++round) {
        // A toggle redraws the whole trend at once: off (eleven traces), on again (twelve).
        for (int click = 0; click < 2; ++click) {
            t.start();
            trend->lblCH_Click(round % 12);
            trend->graph()->repaint();
            redraws.push_back(double(t.nsecsElapsed()) / 1e6);
        }
    }
    print("one refresh (sample step + repaint)", figuresOf(ticks));
    print("refresh at a period start (+ whole redraw)", figuresOf(wholeTicks));
    print("whole redraw on a trace toggle (+ repaint)", figuresOf(redraws));
}

void benchAllOpen(const QSize& size) {
    MonitorDemo demo(12);
    std::vector<std::unique_ptr<QDialog>> windows;
    for (const QString& name : MonitorWindowNames(12))
        windows.push_back(openWindow(demo, name, size));
    for (int i = 0; i < 700; ++i) {
        demo.advance();
        RunMonitorTick(windows.front().get()); // the trend fills its buffer
    }
    std::printf("every monitor open (%s):\n", size.isValid() ? "1920x1080 each" : "own sizes");
    std::vector<double> all;
    QElapsedTimer t;
    for (int round = 0; round < 200; ++round) {
        demo.advance();
        t.start();
        for (auto& w : windows) {
            RunMonitorTick(w.get());
            w->repaint();
        }
        all.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    print("one tick of all five windows (+ repaint)", figuresOf(all));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchTrend(QSize());
    benchTrend(QSize(1920, 1080));
    benchAllOpen(QSize());
    benchAllOpen(QSize(1920, 1080));
    std::printf("(the display timers tick every 500 ms)\n");
    return 0;
}
