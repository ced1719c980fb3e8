#pragma once

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
    ScreenContext(QString outputDir, QSize mainWindowSize);

    // The size the main window and other large windows are shown at.
    QSize mainWindowSize() const { return m_mainSize; }
    // Shows the widget offscreen, lets it lay out and paint, and writes it to
    // outputDir/<name>.png. The name is the window's name and state, for example
    // "frmTD_Main-polling". Returns false (and says why on standard error) on failure.
    bool save(QWidget& widget, const QString& name);
    // Writes a picture rendered elsewhere (a window drawn into an image) the same way.
    bool saveImage(const QImage& image, const QString& name);
    const QStringList& written() const { return m_written; }

private:
    QString m_outputDir;
    QSize m_mainSize;
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
// The guide's window (contents, a page, a search) and the manual.
void RegisterHelpScreens(ScreenRegistry& registry);
// The parameter pages, on sets uploaded from simulated meters of each size.
void RegisterPageScreens(ScreenRegistry& registry);
