#pragma once

#include "comm/ChannelDisplay.h"
#include "monitor/MonitorFactory.h"
#include "monitor/MonitorIcons.h"
#include "monitor/MonitorMeter.h"

#include <QDialog>
#include <QTimer>

class LanguageFollower;
class MonitorStatusArea;
class QBoxLayout;
class QLabel;
class QPushButton;

// What the trend, bar and text monitors share: the meter shown (the one selected when the
// window opened, named in the title), the 500 ms display timer that refreshes the window only
// while that meter is on line and a monitoring cycle has completed, the status area, the
// heading, the close button, and a plain warning when the picture is frozen or the meter has
// stopped answering.
class SingleMeterMonitor : public QDialog {
    Q_OBJECT
public:
    SingleMeterMonitor(const MonitorContext& context, int channels, QWidget* parent);

    int channels() const { return m_channels; }
    const MonitorMeter& meter() const { return m_meter; }
    MonitorStatusArea* statusArea() const { return m_status; }
    QTimer& tmrDispGraph() { return m_timer; }
    // The warning shown over the window (empty when the data is fresh).
    QString warningText() const;
    // True when the last tick refreshed the window (false: the picture stood still).
    bool lastTickRefreshed() const { return m_lastTickRefreshed; }

public Q_SLOTS:
    // One tick of the display timer.
    void tmrDispGraph_Timer();

protected:
    // The refresh of one tick, run only while data flows.
    virtual void refreshTick(const ChannelDisplay::MeterReading& reading) = 0;
    // A tick while no data flows.
    virtual void idleTick() {}
    // Whether the picture goes on while no data flows (leaving a gap that records sent later
    // fill), rather than standing still.
    virtual bool movesOnWithoutData() const { return false; }

    const MonitorContext& context() const { return m_context; }
    // Keeps the window's texts in the program's language (the window title of each kind).
    LanguageFollower* texts() const { return m_texts; }
    // The window's title: what it is and which meter it shows.
    QString meterTitle(const QString& kind) const;
    const MonitorIcons& icons() const { return m_icons; }
    QString pcTime() const;

    void paintEvent(QPaintEvent* event) override;

    // Builds the frame: heading row, `content` on the left, status area and close button on
    // the right.
    void setContent(const QString& heading, const QString& subHeading, QWidget* content);

private:
    void updateWarning(const ChannelDisplay::MeterReading* reading);
    // Which warning stands over the picture; its text follows the language.
    enum class Warning { None, NoData, Frozen, NotAnswering };
    QString textOf(Warning warning) const;
    void showWarning(Warning warning);

    MonitorContext m_context;
    MonitorMeter m_meter;
    LanguageFollower* m_texts = nullptr;
    int m_channels;
    MonitorIcons m_icons;
    MonitorStatusArea* m_status = nullptr;
    QWidget* m_content = nullptr;
    QLabel* m_warning = nullptr;
    QPushButton* m_close = nullptr;
    QTimer m_timer;
    bool m_lastTickRefreshed = false;
    Warning m_shownWarning = Warning::None;
    int m_frozenTicks = 0;
    QString m_lastRefreshTime;
};
