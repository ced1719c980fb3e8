#pragma once

#include "app/MainMenus.h"
#include "comm/CommEngine.h"
#include "core/AppPaths.h"
#include "publish/PublishSettings.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>

class AlarmHistory;
class Clock;
class ClockDrift;
class ClockWriter;
class CommView;
class DataFileWriter;
class DataRetention;
class ElidedLabel;
class frmTD_Parameter;
class GradientLabel;
class GraphViewerWindow;
class HelpCentre;
class LanguageFollower;
class PlantAlarmLog;
class PlantAlarmWindow;
class PlantListModel;
class PlantState;
class PlantSubscriber;
class PlantTables;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QSplitter;
class QTableView;
class RecordPublisher;
class SerialLink;
class StatusLamp;
struct MonitorContext;
struct SaveSettings;
class StatusListModel;

// Makes the link for a port name: a real serial port, tcp://host:port or the DEMO bus.
// nullptr when the name cannot be served; opening the port then fails silently.
using LinkFactoryFunction =
    std::function<std::unique_ptr<SerialLink>(const QString& portName, Clock& clock)>;

// The main window: the engine's owner, the menu bar and its mirror in the button bar, the
// meter status list, the selected meter, the data-save settings, the status bar with the
// send and receive lamps, and the communication view.
class frmTD_Main : public QMainWindow {
    Q_OBJECT
public:
    struct Options {
        AppPaths paths;
        LinkFactoryFunction linkFactory; // empty: the program's own links
        bool rememberGeometry = false;   // keep the window's place and size between runs
        bool rememberLanguage = false;   // keep the language chosen in Help > Language
        bool askBeforeQuit = true;       // "Quit?" on close
        bool demo = false;               // the demonstration: the status bar names its folder
        // Called with every parameter window before it is shown (tests give it their own
        // file dialogs).
        std::function<void(frmTD_Parameter&)> prepareParameterWindow;
    };

    frmTD_Main(Clock& clock, Options options, QWidget* parent = nullptr);
    ~frmTD_Main() override;

    CommEngine& engine() { return *m_engine; }
    DataFileWriter& dataFileWriter() { return *m_saveWriter; }
    AlarmHistory& alarmHistory() { return *m_alarms; }
    ClockDrift& clockDrift() { return *m_clockDrift; }
    ClockWriter& clockWriter() { return *m_clockWriter; }
    // The publisher of saved records while the port is open and publishing is on; else null.
    RecordPublisher* publisher() { return m_publisher.get(); }
    // The broker panel of the status bar (hidden while publishing is off).
    QString brokerPanelText() const;
    const AppPaths& paths() const { return m_options.paths; }
    Clock& clock() { return m_clock; }

    QAction* action(MainCommand command) const;
    QPushButton* btnMenu(int index) const;
    QString statusPanelText(int panel) const; // panels 1..5
    QString selectedMeterText() const;
    bool isCommViewVisible() const;
    QTableView* sprdStatusView() const { return m_statusView; }
    // The monitors and the clock window open beside this window, oldest first.
    QList<QDialog*> openWindows() const;
    // The guide: the program's, or this window's own when the program has none.
    HelpCentre& help();

    // The menu handlers, as the menu items and the buttons run them.
    void runCommand(MainCommand command);
    // Opens a file given on the command line or by a file manager: a parameter file (.CFG) in
    // the parameter window, a data file (.TDD) in the viewer; anything else is refused with
    // a message.
    void openFile(const QString& path);
    // The port command: opens a closed port or closes an open one (by the menu caption).
    void togglePort();
    void setCommViewVisible(bool visible);
    // The splitter sizes that show the whole status list and give the rest to the
    // communication view.
    void giveCommViewRoom();
    // Parameter Setup: the parameter window over the selected meter, modal; with `file`, that
    // parameter file opened in it first.
    void openParameterWindow(const QString& file = {});
    // Closes the window without asking "Quit?" (the port is closed as on any close).
    void quitWithoutAsking();

    // Plant mode: the nodes and meters that publish to a broker, watched from the broker alone
    // (no port is opened and nothing can be written to a meter) in place of the local bus;
    // the monitors open on the meter selected in the plant list. False with the reason when
    // the settings cannot be used.
    bool startPlantMode(const PublishSettings& settings, QString* why);
    // Back to the local bus.
    void stopPlantMode();
    // The plant alarm list, in a window beside; only in plant mode.
    void openPlantAlarms();
    bool isPlantMode() const { return m_plant != nullptr; }
    PlantListModel* plantListModel() const { return m_plantModel; }
    // What the broker has told of the plant; null outside plant mode.
    const PlantState* plantState() const;
    QTableView* plantView() const { return m_plantView; }
    // Selects a meter (address 0: a node) in the plant list, as a click does.
    bool selectPlantMeter(const QString& node, int address);

    // SetPortClosedMenus(closed): the settings items follow `closed`, the online views the
    // opposite; data save, parameter setup and help stay enabled.
    void SetPortClosedMenus(bool closed);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildUi();
    void buildMenus();
    void buildLanguageMenu(QMenu* help);
    QWidget* buildButtonBar();
    QWidget* buildStatusArea();
    void buildStatusBar();
    void connectEngine();
    void startUp();
    // The data-save settings go to the save tick and to the four labels.
    void showSaveSettings(const SaveSettings& settings);
    void showSaveLabels();
    void showPortSettings();
    void updatePortCaptions(bool open);
    void showPhase(CommEngine::Phase phase);
    void onSelectedMeterChanged(int address);
    void refreshSelectedMeterDetails();
    void onStatusClicked(const QModelIndex& index);

    void openMeterList();
    void openDataSave();
    void openPublishSetup();
    // Publishing runs while the port is open: started when it opens, stopped when it closes.
    void startPublishing();
    void publishMeterList();
    void stopPublishing();
    void keepDataFolder(bool on);
    void showBrokerState();
    void openPortSetup();
    void openMonitor(MainCommand command);
    void openPlantMonitor(MainCommand command);
    // The monitor window of a monitor command; null for a channel count it has no window for.
    std::unique_ptr<QDialog> createMonitor(MainCommand command, int channels,
                                           const MonitorContext& context);
    void openWatchDialog();
    // What plant mode changes in the menus: the items that talk to the bus are disabled and
    // say why; the monitors are enabled.
    void applyPlantMenus();
    void showPlantBrokerState(const QString& text, bool connected);
    // The selected meter's box tells of the plant list's current meter.
    void showSelectedPlantMeter();
    void buildPlantList(class QVBoxLayout* layout, QWidget* area);
    void openLaterWindow(const QString& caption);
    // Shows a monitor or the clock window beside this one, without blocking it; one that is
    // open already (the same window of the same meter) comes to the front instead.
    void showBeside(std::unique_ptr<QDialog> window);
    void closeWindowsBeside();
    void openDateReserve();
    void openAbout();
    void openManual();
    // The viewer beside this window: on `files`, or with its open dialog when none are given.
    void openGraphViewer(const QStringList& files = {});
    void showLinkMessage(const QString& text);
    void showPortProblem(const QString& why);

    Clock& m_clock;
    Options m_options;
    std::unique_ptr<CommEngine> m_engine;
    std::unique_ptr<SerialLink> m_link;
    std::unique_ptr<AlarmHistory> m_alarms;
    std::unique_ptr<DataFileWriter> m_saveWriter;
    std::unique_ptr<DataRetention> m_retention;
    std::unique_ptr<ClockDrift> m_clockDrift;
    std::unique_ptr<ClockWriter> m_clockWriter;
    std::unique_ptr<HelpCentre> m_ownHelp;
    std::unique_ptr<RecordPublisher> m_publisher;
    PublishSettings m_publishSettings;
    QString m_brokerEvent;    // the publisher's last message
    QString m_publishProblem; // why publishing did not start
    QLabel* m_brokerPanel = nullptr;
    ElidedLabel* m_demoPanel = nullptr;

    std::map<MainCommand, QAction*> m_actions;
    QPushButton* m_buttons[ButtonCount] = {};
    QTableView* m_statusView = nullptr;
    StatusListModel* m_statusModel = nullptr;
    GradientLabel* lblMC_No = nullptr;
    QLabel* m_portProblem = nullptr;
    QLabel* m_selectedDetails = nullptr;
    GradientLabel* lblDSave_Enable = nullptr;
    GradientLabel* lblDSave_Intv = nullptr;
    GradientLabel* lblDSave_Unit = nullptr;
    GradientLabel* lblDaySave = nullptr;
    CommView* m_commView = nullptr;
    QLabel* m_panels[5] = {};
    // Panel 3 tells of data and alarm files that could not be written; either may be empty.
    QString m_dataFileStatus;
    QString m_alarmFileStatus;
    QString m_retentionStatus;
    void showFileStatus();
    QLabel* m_phaseChip = nullptr;
    StatusLamp* shpSend = nullptr;
    StatusLamp* shpRecv = nullptr;
    QSplitter* m_splitter = nullptr;
    bool m_quitting = false;
    bool m_portCaptionsOpen = false;
    LanguageFollower* m_texts = nullptr;
    QList<QPointer<GraphViewerWindow>> m_viewers;
    QList<QPointer<QDialog>> m_beside;

    std::unique_ptr<PlantSubscriber> m_plant;
    std::unique_ptr<PlantTables> m_plantTables;
    std::unique_ptr<PlantAlarmLog> m_plantAlarms;
    QPointer<PlantAlarmWindow> m_plantAlarmWindow;
    PlantListModel* m_plantModel = nullptr;
    QTableView* m_plantView = nullptr;
    QLabel* m_sectionTitle = nullptr;
    QAction* m_watchAction = nullptr;
    QAction* m_stopWatchAction = nullptr;
    QAction* m_plantAlarmsAction = nullptr;
    QString m_plantBrokerText;
    bool m_plantEverConnected = false;
};
