#pragma once

#include <QMargins>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QImage;
class QWidget;

// Where a render function puts its pictures.
class ScreenContext {
public:
    // Write: pictures into outputDir. Check: no pictures; every window is fitted to the screen
    // as the program fits it and what does not fit is noted in problems().
    enum class Mode { Write, Check };
    explicit ScreenContext(QString outputDir, Mode mode = Mode::Write);

    // The size the main window and other large windows are shown at: the screen's available
    // area less the title strip every picture of a window gets (a maximised window).
    QSize mainWindowSize() const;
    // The title strip drawn over a window's picture, as the frame a window system would add.
    static QMargins titleFrame(const QWidget& window);
    // Fits a window to the screen as the program does (its frame the title strip), shows it
    // offscreen, lets it lay out and paint, and writes it to outputDir/<name>.png. The name is
    // the window's name and state, for example "frmTD_Main-polling". Returns false (and says
    // why on standard error) on failure.
    bool save(QWidget& widget, const QString& name);
    // Writes a picture rendered elsewhere (a window drawn into an image) the same way.
    bool saveImage(const QImage& image, const QString& name);
    // The pictures written (in Check mode, the window states looked at).
    const QStringList& written() const { return m_written; }
    // Check mode: one sentence per window state that does not fit.
    const QStringList& problems() const { return m_problems; }
    // Check mode: each window state while it is open, after it was fitted and shown.
    std::function<void(QWidget& window, const QString& name)> onShown;

private:
    void settle();
    bool check(QWidget& widget, const QString& name);

    QString m_outputDir;
    Mode m_mode;
    QStringList m_problems;
    QStringList m_written;
};

// The windows the screenshot renderer knows, each a named function that builds the window in
// one or more states and saves each state. A subsystem adds its windows with a
// Register...Screens(ScreenRegistry&) function in this folder, called from the renderer's
// main(); DemoSession gives a main window polling the demo bus on a virtual clock, and
// monitorContext() what a monitor window reads from it.
class ScreenRegistry {
public:
    using Render = std::function<void(ScreenContext&)>;
    struct Entry {
        QString name;
        QString description;
        Render render;
    };

    void add(const QString& name, const QString& description, Render render);
    const std::vector<Entry>& entries() const { return m_entries; }

private:
    std::vector<Entry> m_entries;
};

// The desktop program's own windows: the main window (port closed, scanning, polling with the
// communication view), the port and meter-list dialogs and the about box.
void RegisterAppScreens(ScreenRegistry& registry);
// The monitor windows of every channel count, filled with the monitors' demo bus.
void RegisterMonitorScreens(ScreenRegistry& registry);
// The parameter window in its layouts and during an upload; the channel page's tabs and the
// formula dialogs.
void RegisterParamScreens(ScreenRegistry& registry);
// The graph viewer on a generated day of data.
void RegisterViewerScreens(ScreenRegistry& registry);
// The clock and reserved-start window, and the status list's clock drift.
void RegisterClockScreens(ScreenRegistry& registry);
// The plant alarm list on a morning of two lines' alarms.
void RegisterPlantAlarmScreens(ScreenRegistry& registry);
// Plant mode on a mosquitto of its own (none rendered without one).
void RegisterPlantScreens(ScreenRegistry& registry);
// The guide's window (contents, a page, a search) and the manual.
void RegisterHelpScreens(ScreenRegistry& registry);
// The parameter pages, on sets uploaded from simulated meters of each size.
void RegisterPageScreens(ScreenRegistry& registry);
