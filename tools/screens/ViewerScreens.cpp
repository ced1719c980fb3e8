#include "dataview/SyntheticDataFile.h"
#include "logging/DataTime.h"
#include "screens/ScreenRegistry.h"
#include "viewer/ChannelTable.h"
#include "viewer/GraphViewerWindow.h"
#include "viewer/TracePlot.h"

#include <QTabWidget>
#include <QTemporaryDir>

namespace {

// A day of a twelve-channel meter, one record a second: silent twice, a sensor broken for
// forty minutes, one channel rising through its alarm level in the afternoon.
constexpr int kDay = 3;

void renderViewer(ScreenContext& context) {
    QTemporaryDir dir;
    const qint64 start = DataTime::parse(QStringLiteral("2024-03-04")).value_or(0);
    const QString path = dir.filePath(QStringLiteral("PLANT_03_20240304.TDD"));
    if (!SyntheticDataFile::plantDay(start, kDay).write(path))
        return;
    GraphViewerWindow window;
    window.resize(context.mainWindowSize().expandedTo(QSize(1280, 760)));
    window.openFiles({path});
    window.plot()->setCursorTime(double(start + 14 * 3600 + 30 * 60));
    context.save(window, QStringLiteral("GraphViewerWindow-day"));

    // The alarm of the afternoon, an hour around it, the cursor on its start.
    for (const TimeLineEvent& e : window.timeLine().events())
        if (e.kind == TimeLineEvent::Kind::AlarmOn) {
            window.goToEvent(e);
            break;
        }
    context.save(window, QStringLiteral("GraphViewerWindow-alarm-hour"));

    window.sidePanel()->setCurrentIndex(2);
    context.save(window, QStringLiteral("GraphViewerWindow-events"));

    // The broken sensor of channel 5, close up, on white.
    window.plot()->setView(double(start + 12 * 3600 + 50 * 60),
                           double(start + 13 * 3600 + 50 * 60));
    window.sidePanel()->setCurrentIndex(1);
    window.setWhiteBackground(true);
    context.save(window, QStringLiteral("GraphViewerWindow-header"));

    GraphViewerWindow empty;
    empty.resize(900, 560);
    context.save(empty, QStringLiteral("GraphViewerWindow-empty"));
}

} // namespace

void RegisterViewerScreens(ScreenRegistry& registry) {
    registry.add(QStringLiteral("GraphViewerWindow"),
                 QStringLiteral("graph viewer with a day of 12-channel data: whole day, an hour "
                                "around an alarm, the events, the header, no file"),
                 renderViewer);
}
