#pragma once

#include "dataview/TracePicture.h"
#include "viewer/PlotSettings.h"
#include "viewer/TracePainter.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

class DataTimeLine;

// The viewer's picture: every shown channel against time, the state bands and the axes, with
// the ways to move about in it. The wheel zooms around the pointer (with Shift it pans); a
// drag pans; a drag with the right button (or with Shift) marks the span to zoom to; a double
// click zooms in. Keys: arrows and Page Up/Down pan, + and - zoom, Home and End go to the
// start and end, 0 shows everything. The pointer's time is the cursor whose values the
// window reads out.
class TracePlot : public QWidget {
    Q_OBJECT
public:
    explicit TracePlot(QWidget* parent = nullptr);

    // nullptr: nothing to show. The time line must outlive the plot or be set again.
    void setTimeLine(const DataTimeLine* timeLine);
    void setSettings(const PlotSettings& settings);
    const PlotSettings& settings() const { return m_settings; }
    // The time line gained records: draw again.
    void timeLineChanged();

    double viewFrom() const { return m_from; }
    double viewTo() const { return m_to; }
    // Shows from..to, kept to a sensible span (ten seconds at least) near the data.
    void setView(double from, double to);
    void fitAll();
    // factor < 1 zooms in; `around` stays where it is on the screen.
    void zoom(double factor, double around);
    void zoom(double factor) { zoom(factor, (m_from + m_to) / 2); }
    // By a share of the shown span, positive to later times.
    void pan(double share);

    std::optional<double> cursorTime() const { return m_cursor; }
    void setCursorTime(std::optional<double> time);

    // The picture as shown, drawn anew at `size` under a title strip with the shown channels,
    // for saving as an image.
    QImage render(const QSize& size, const QString& title) const;

    const TracePicture& picture();
    PlotLayout plotLayout() const;
    void setEmptyText(const QString& text);
    // Called before every drawing of the time line, to make sure its files still hold what
    // was read of them.
    void setBeforeDrawing(std::function<void()> check) { m_beforeDrawing = std::move(check); }

    QSize sizeHint() const override { return {900, 520}; }
    QSize minimumSizeHint() const override { return {320, 220}; }

Q_SIGNALS:
    void viewChanged(double from, double to);
    void cursorMoved(std::optional<double> time);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refresh();
    void ensureCache();
    double timeAtX(double x) const;
    double xOfTime(double t) const;

    const DataTimeLine* m_source = nullptr;
    const DataTimeLine* m_line = nullptr; // the source while it has records to show
    PlotSettings m_settings;
    double m_from = 0;
    double m_to = 1;
    TracePicture m_picture;
    QImage m_cache;
    bool m_dirty = true;
    std::optional<double> m_cursor;
    QString m_emptyText;
    std::function<void()> m_beforeDrawing;

    enum class Drag { None, Pan, Zoom };
    Drag m_drag = Drag::None;
    QPoint m_pressAt;
    QPoint m_dragAt;
    double m_pressFrom = 0;
    double m_pressTo = 0;
};
