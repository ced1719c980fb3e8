#include "app/frmTD_Main.h"

#include "app/CommView.h"
#include "app/DocumentLauncher.h"
#include "app/MessageBoxes.h"
#include "app/PortServices.h"
#include "app/StatusLamp.h"
#include "app/StatusListModel.h"
#include "app/frmTD_About.h"
#include "app/frmTD_SetMC.h"
#include "app/frmTD_SetPort.h"
#include "clock/ClockDrift.h"
#include "clock/ClockWriter.h"
#include "clock/frmTD_DateReserve.h"
#include "comm/MeterList.h"
#include "comm/SerialLink.h"
#include "core/Clock.h"
#include "core/TextLines.h"
#include "core/Version.h"
#include "core/WinRgb.h"
#include "help/HelpCentre.h"
#include "language/Language.h"
#include "logging/AlarmHistory.h"
#include "logging/DataFileWriter.h"
#include "logging/SaveSettings.h"
#include "logging/frmTD_Set_DSave.h"
#include "monitor/MonitorFactory.h"
#include "pages/PageFactory.h"
#include "paramwindow/frmTD_Parameter.h"
#include "plant/PlantAlarmLog.h"
#include "plant/PlantSubscriber.h"
#include "plantview/PlantTables.h"
#include "publish/EnginePublishing.h"
#include "publish/RecordPublisher.h"
#include "publish/frmTD_Set_Publish.h"
#include "service/DataRetention.h"
#include "viewer/GraphViewerWindow.h"
#include "widgets/ElidedLabel.h"
#include "widgets/GradientLabel.h"
#include "widgets/LanguageFollower.h"
#include "widgets/ScreenFit.h"
#include "widgets/WholePaths.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString menuTitle(MainMenu menu) {
    switch (menu) {
    case MainMenu::mSet:
        return QCoreApplication::translate("frmTD_Main", "&Setup");
    case MainMenu::mOnline:
        return QCoreApplication::translate("frmTD_Main", "&Online");
    case MainMenu::mPMeter:
        return QCoreApplication::translate("frmTD_Main", "&Parameter");
    case MainMenu::mHelp:
        return QCoreApplication::translate("frmTD_Main", "&Help");
    }
    return {};
}

const char* menuObjectName(MainMenu menu) {
    switch (menu) {
    case MainMenu::mSet:
        return "mSet";
    case MainMenu::mOnline:
        return "mOnline";
    case MainMenu::mPMeter:
        return "mPMeter";
    case MainMenu::mHelp:
        return "mHelp";
    }
    return "";
}

QSettings windowSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("TD700"),
                     QStringLiteral("TD700_File"));
}

// Group captions of the button bar, before the button with the given index.
QString buttonGroupBefore(int index) {
    switch (index) {
    case 0:
        return QCoreApplication::translate("frmTD_Main", "SETUP");
    case 3:
        return QCoreApplication::translate("frmTD_Main", "ONLINE");
    case 9:
        return QCoreApplication::translate("frmTD_Main", "METER");
    case 11:
        return QCoreApplication::translate("frmTD_Main", "HELP");
    default:
        return {};
    }
}

} // namespace

frmTD_Main::frmTD_Main(Clock& clock, Options options, QWidget* parent)
    : QMainWindow(parent)
    , m_clock(clock)
    , m_options(std::move(options))
    , m_engine(std::make_unique<CommEngine>(clock))
    , m_alarms(
          std::make_unique<AlarmHistory>(m_engine->state(), m_engine->tables(), m_options.paths))
    , m_saveWriter(std::make_unique<DataFileWriter>(clock, *m_engine))
    , m_retention(std::make_unique<DataRetention>(clock))
    , m_clockDrift(std::make_unique<ClockDrift>(*m_engine, clock))
    , m_clockWriter(std::make_unique<ClockWriter>(*m_engine)) {
    m_engine->setAlarmHistory(m_alarms.get());
    help(); // F1 works from the first moment, in every window
    // The parameter pages find the alarm type pictures in this program folder.
    SetPageSurroundings(&m_options.paths, &m_clock);
    setObjectName(QStringLiteral("frmTD_Main"));
    setWindowTitle(ProgramCaption());
    buildUi();
    connectEngine();
    startUp();
    // The window itself holds the focus at start, so that no button looks chosen.
    centralWidget()->setFocusPolicy(Qt::ClickFocus);
    centralWidget()->setFocus();

    resize(1280, 720);
    if (m_options.rememberGeometry) {
        QSettings s = windowSettings();
        restoreGeometry(s.value(QStringLiteral("main/geometry")).toByteArray());
        m_splitter->restoreState(s.value(QStringLiteral("main/splitter")).toByteArray());
    }
    // A place remembered from a larger screen is brought back onto this one.
    FitToScreen(*this);
}

frmTD_Main::~frmTD_Main() {
    SetPageSurroundings(nullptr, nullptr);
    stopPlantMode();
    closeWindowsBeside();
    for (const QPointer<GraphViewerWindow>& v : std::as_const(m_viewers))
        delete v.data();
    // The save tick and the engine stop before what they read goes; the engine lets go of
    // the link before the link goes.
    m_saveWriter->tmrDSave().stop();
    stopPublishing();
    m_saveWriter.reset();
    if (m_engine->isPortOpen())
        m_engine->closePort();
    m_engine->setAlarmHistory(nullptr);
    m_engine->setLink(nullptr);
    m_link.reset();
}

// ---- building ---------------------------------------------------------------------------

void frmTD_Main::buildUi() {
    m_texts = new LanguageFollower(this);
    buildMenus();

    auto* central = new QWidget(this);
    auto* outer = new QHBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(buildButtonBar());

    m_splitter = new QSplitter(Qt::Vertical, central);
    m_splitter->setObjectName(QStringLiteral("mainSplitter"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(buildStatusArea());
    m_commView = new CommView(*m_engine, m_splitter);
    m_splitter->addWidget(m_commView);
    m_splitter->setStretchFactor(0, 2);
    m_splitter->setStretchFactor(1, 3);
    outer->addWidget(m_splitter, 1);
    setCentralWidget(central);

    buildStatusBar();
    setCommViewVisible(false);
}

void frmTD_Main::buildMenus() {
    std::map<MainMenu, QMenu*> menus;
    for (MainMenu m : {MainMenu::mSet, MainMenu::mOnline, MainMenu::mPMeter, MainMenu::mHelp}) {
        QMenu* menu = menuBar()->addMenu(QString());
        menu->setObjectName(QString::fromLatin1(menuObjectName(m)));
        menus[m] = menu;
    }
    for (const MenuItemInfo& item : kMenuItems) {
        QMenu* menu = menus[item.menu];
        if (item.separatorBefore && !menu->isEmpty())
            menu->addSeparator();
        if (item.command == MainCommand::mExit) {
            // Plant mode: beside the port's settings, before Quit.
            menu->addSeparator();
            m_watchAction = menu->addAction(QString());
            m_watchAction->setObjectName(QStringLiteral("mWatchBroker"));
            connect(m_watchAction, &QAction::triggered, this, &frmTD_Main::openWatchDialog);
            m_stopWatchAction = menu->addAction(QString());
            m_stopWatchAction->setObjectName(QStringLiteral("mStopWatching"));
            m_stopWatchAction->setEnabled(false);
            connect(m_stopWatchAction, &QAction::triggered, this, &frmTD_Main::stopPlantMode);
            m_plantAlarmsAction = menu->addAction(QString());
            m_plantAlarmsAction->setObjectName(QStringLiteral("mPlantAlarms"));
            m_plantAlarmsAction->setEnabled(false);
            connect(m_plantAlarmsAction, &QAction::triggered, this, &frmTD_Main::openPlantAlarms);
        }
        menu->setToolTipsVisible(true);
        QAction* a = menu->addAction(QString());
        a->setObjectName(QString::fromLatin1(item.objectName));
        const MainCommand command = item.command;
        connect(a, &QAction::triggered, this, [this, command] { runCommand(command); });
        m_actions[command] = a;
    }
    m_actions[MainCommand::mHelpViewComm]->setCheckable(true);
    m_actions[MainCommand::mExit]->setShortcut(QKeySequence::Quit);
    buildLanguageMenu(menus[MainMenu::mHelp]);
    m_texts->add([this, menus] {
        for (const auto& [m, menu] : menus)
            menu->setTitle(menuTitle(m));
        for (const MenuItemInfo& item : kMenuItems)
            if (item.command != MainCommand::mOnlinePortOpen)
                m_actions[item.command]->setText(
                    QCoreApplication::translate("MainMenus", item.caption));
        m_watchAction->setText(tr("&Watch a Broker..."));
        m_stopWatchAction->setText(tr("S&top Watching"));
        m_plantAlarmsAction->setText(tr("Plant &Alarms..."));
    });
}

void frmTD_Main::buildLanguageMenu(QMenu* help) {
    // Each language is named in its own words, so that a user who cannot read the one shown
    // finds the other.
    help->addSeparator();
    QMenu* menu = help->addMenu(QString());
    menu->setObjectName(QStringLiteral("mLanguage"));
    auto* group = new QActionGroup(menu);
    for (const auto& [language, name] : {std::pair{Language::Korean, QStringLiteral("한국어")},
                                         std::pair{Language::English, QStringLiteral("English")}}) {
        QAction* a = menu->addAction(name);
        a->setObjectName(QStringLiteral("mLanguage_") + LanguageCode(language));
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, language = language] {
            ApplyLanguage(language);
            if (m_options.rememberLanguage)
                RememberLanguage(language);
        });
    }
    m_texts->add([menu] {
        menu->setTitle(tr("&Language"));
        const QString current = LanguageCode(CurrentLanguage());
        for (QAction* a : menu->actions())
            a->setChecked(a->objectName().endsWith(current));
    });
}

QWidget* frmTD_Main::buildButtonBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("buttonBar"));
    bar->setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QVBoxLayout(bar);
    const int unit = fontMetrics().height();
    layout->setContentsMargins(unit / 2, unit / 2, unit / 2, unit / 2);
    layout->setSpacing(2);
    for (const ButtonInfo& info : kButtons) {
        const QString group = buttonGroupBefore(info.index);
        if (!group.isEmpty()) {
            if (info.index != 0)
                layout->addSpacing(unit / 2);
            auto* caption = new QLabel(bar);
            caption->setObjectName(QStringLiteral("buttonGroupCaption"));
            m_texts->add(
                [caption, index = info.index] { caption->setText(buttonGroupBefore(index)); });
            layout->addWidget(caption);
        }
        auto* b = new QPushButton(bar);
        b->setObjectName(QStringLiteral("btnMenu_%1").arg(info.index));
        b->setProperty("index", info.index);
        b->setFocusPolicy(Qt::TabFocus);
        b->setCursor(Qt::PointingHandCursor);
        const MainCommand command = info.command;
        connect(b, &QPushButton::clicked, this, [this, command] { runCommand(command); });
        m_buttons[info.index] = b;
        layout->addWidget(b);
    }
    layout->addStretch(1);
    m_texts->add([this] {
        for (const ButtonInfo& info : kButtons)
            if (info.command != MainCommand::mOnlinePortOpen)
                m_buttons[info.index]->setText(
                    QCoreApplication::translate("MainMenus", info.caption));
    });
    return bar;
}

QWidget* frmTD_Main::buildStatusArea() {
    auto* area = new QWidget(this);
    auto* layout = new QHBoxLayout(area);
    const int unit = fontMetrics().height();
    layout->setContentsMargins(unit, unit * 2 / 3, unit, unit / 3);
    layout->setSpacing(unit);

    // The meter status list.
    auto* left = new QVBoxLayout;
    auto* heading = new QHBoxLayout;
    auto* title = new QLabel(area);
    m_sectionTitle = title;
    m_texts->add(
        [this] { m_sectionTitle->setText(isPlantMode() ? tr("Plant") : tr("Meter Status")); });
    title->setObjectName(QStringLiteral("sectionTitle"));
    m_phaseChip = new QLabel(area);
    m_phaseChip->setObjectName(QStringLiteral("phaseChip"));
    heading->addWidget(title);
    heading->addStretch(1);
    heading->addWidget(m_phaseChip);
    left->addLayout(heading);
    // Why the port did not open, whole: the status bar has room for the start of it only,
    // and the fix (a group, an adapter) is at its end.
    m_portProblem = new QLabel(area);
    m_portProblem->setObjectName(QStringLiteral("lblPortProblem"));
    m_portProblem->setWordWrap(true);
    m_portProblem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_portProblem->setStyleSheet(QStringLiteral("QLabel { background: #fff4d6; color: #5c4400; "
                                                "border: 1px solid #e5c97a; padding: 6px; }"));
    m_portProblem->hide();
    left->addWidget(m_portProblem);

    m_statusView = MakeGridView(QStringLiteral("sprdStatus"), area);
    m_statusModel = new StatusListModel(&m_engine->tables().sprdStatus, m_engine->state(), this);
    m_statusModel->setBackoffSource([e = m_engine.get()](int meter) {
        return StatusListModel::Backoff{e->backoffCycles(meter), e->cyclesUntilAsked(meter)};
    });
    m_statusModel->setClockDrift(m_clockDrift.get());
    m_statusView->setModel(m_statusModel);
    m_statusView->verticalHeader()->hide();
    m_statusView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_statusView->setCursor(Qt::PointingHandCursor);
    m_texts->add([this] {
        m_statusView->setToolTip(tr("Click a meter that reads \"OK\" to select it."));
        m_statusModel->languageChanged();
    });
    connect(m_statusView, &QTableView::clicked, this, &frmTD_Main::onStatusClicked);
    left->addWidget(m_statusView, 1);
    buildPlantList(left, area);
    layout->addLayout(left, 3);

    // The selected meter and the data-save settings.
    auto* right = new QVBoxLayout;
    auto* selected = new QGroupBox(area);
    m_texts->add([selected] { selected->setTitle(tr("Selected Meter")); });
    selected->setObjectName(QStringLiteral("fraSelectedMeter"));
    auto* selectedLayout = new QVBoxLayout(selected);
    lblMC_No = new GradientLabel(QString(), 0xB26F1F, 0x6E3F12, selected);
    lblMC_No->setObjectName(QStringLiteral("lblMC_No"));
    lblMC_No->setFontScale(0.62);
    lblMC_No->setMinimumHeight(unit * 3);
    lblMC_No->setTextColour(WinRgb::White);
    selectedLayout->addWidget(lblMC_No);
    m_selectedDetails = new QLabel(selected);
    m_selectedDetails->setObjectName(QStringLiteral("selectedDetails"));
    m_selectedDetails->setAlignment(Qt::AlignCenter);
    m_selectedDetails->setForegroundRole(QPalette::PlaceholderText);
    selectedLayout->addWidget(m_selectedDetails);
    right->addWidget(selected);

    auto* save = new QGroupBox(area);
    m_texts->add([save] { save->setTitle(tr("Data Save")); });
    save->setObjectName(QStringLiteral("fraDataSave"));
    auto* form = new QGridLayout(save);
    auto makeValue = [save](const char* name) {
        auto* l = new GradientLabel(QString(), 0xFAF7F4, 0xEDE6DF, save);
        l->setObjectName(QString::fromLatin1(name));
        l->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
        return l;
    };
    lblDSave_Enable = makeValue("lblDSave_Enable");
    lblDSave_Intv = makeValue("lblDSave_Intv");
    lblDSave_Unit = makeValue("lblDSave_Unit");
    lblDaySave = makeValue("lblDaySave");
    const std::pair<const char*, GradientLabel*> rows[] = {{QT_TR_NOOP("Save"), lblDSave_Enable},
                                                           {QT_TR_NOOP("Interval"), lblDSave_Intv},
                                                           {QT_TR_NOOP("Unit"), lblDSave_Unit},
                                                           {QT_TR_NOOP("Daily file"), lblDaySave}};
    int r = 0;
    for (const auto& [caption, label] : rows) {
        auto* l = new QLabel(save);
        m_texts->add([l, caption = caption] { l->setText(tr(caption)); });
        form->addWidget(l, r, 0);
        form->addWidget(label, r, 1);
        ++r;
    }
    form->setColumnStretch(1, 1);
    right->addWidget(save);
    right->addStretch(1);

    auto* rightBox = new QWidget(area);
    rightBox->setLayout(right);
    rightBox->setFixedWidth(fontMetrics().averageCharWidth() * 34);
    right->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(rightBox);
    return area;
}

void frmTD_Main::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(true);
    const int minWidths[5] = {9, 11, 14, 0, 10};
    for (int i = 0; i < 5; ++i) {
        // The link messages can be long (a port that would not open says why and what to
        // do): they are cut to the room there is, never widening the window.
        auto* l = i == 3 ? new ElidedLabel(bar) : new QLabel(bar);
        l->setObjectName(QStringLiteral("StatusBar1_%1").arg(i + 1));
        l->setMinimumWidth(fontMetrics().averageCharWidth() * minWidths[i]);
        l->setContentsMargins(6, 0, 6, 0);
        m_panels[i] = l;
        bar->addPermanentWidget(l, i == 3 ? 1 : 0);
    }
    shpSend = new StatusLamp(QStringLiteral("SEND"), QColor(0xe0, 0x9b, 0x12), m_clock, bar);
    shpSend->setObjectName(QStringLiteral("shpSend"));
    shpRecv = new StatusLamp(QStringLiteral("RECV"), QColor(0x2e, 0xb8, 0x4b), m_clock, bar);
    shpRecv->setObjectName(QStringLiteral("shpRecv"));
    // Where saved records are published: the broker's state and the records waiting.
    m_brokerPanel = new QLabel(bar);
    m_brokerPanel->setObjectName(QStringLiteral("lblBroker"));
    m_brokerPanel->setContentsMargins(6, 0, 6, 0);
    m_brokerPanel->hide();
    bar->addPermanentWidget(m_brokerPanel);
    // The demonstration keeps its data files and saved parameter files in a folder of its
    // own: the user finds them there after the program ends.
    if (m_options.demo) {
        m_demoPanel = new ElidedLabel(bar);
        m_demoPanel->setObjectName(QStringLiteral("lblDemoFolder"));
        m_demoPanel->setContentsMargins(6, 0, 6, 0);
        m_demoPanel->setMaximumWidth(fontMetrics().averageCharWidth() * 48);
        bar->addPermanentWidget(m_demoPanel);
    }
    bar->addPermanentWidget(shpSend);
    bar->addPermanentWidget(shpRecv);
    m_texts->add([this] {
        shpSend->setCaption(tr("SEND"));
        shpRecv->setCaption(tr("RECV"));
        if (m_demoPanel)
            m_demoPanel->setText(
                tr("Demo folder: %1").arg(QDir::toNativeSeparators(m_options.paths.home())));
        showFileStatus();
        if (m_panels[3]->text().isEmpty())
            m_panels[3]->setToolTip(tr("Link messages"));
    });
}

void frmTD_Main::connectEngine() {
    CommEngine* e = m_engine.get();
    connect(e, &CommEngine::portOpenChanged, this, &frmTD_Main::updatePortCaptions);
    connect(e, &CommEngine::portOpenChanged, this, [this](bool open) {
        if (open)
            startPublishing();
        else
            stopPublishing();
        keepDataFolder(open);
    });
    connect(e, &CommEngine::portClosedMenus, this, &frmTD_Main::SetPortClosedMenus);
    connect(e, &CommEngine::statusText, this, [this](int panel, const QString& text) {
        if (panel == 4)
            showLinkMessage(text);
        else if (panel >= 1 && panel <= 5)
            m_panels[panel - 1]->setText(text);
    });
    connect(e, &CommEngine::sendLamp, shpSend, &StatusLamp::setLit);
    connect(e, &CommEngine::receiveLamp, shpRecv, &StatusLamp::setLit);
    connect(e, &CommEngine::selectedMeterChanged, this, &frmTD_Main::onSelectedMeterChanged);
    connect(e, &CommEngine::settingsRead, this, &frmTD_Main::refreshSelectedMeterDetails);
    connect(e, &CommEngine::settingsStateChanged, this, &frmTD_Main::refreshSelectedMeterDetails);
    connect(m_saveWriter.get(), &DataFileWriter::statusText, this, [this](const QString& text) {
        m_dataFileStatus = text;
        showFileStatus();
    });
    m_alarms->setStatusSink([this](const QString& text) {
        m_alarmFileStatus = text;
        showFileStatus();
    });
    // What the data folder keeps (Data Save Setup): files the broker has not got all of stay.
    m_retention->setUndelivered([this](int address, const QString& file) {
        return m_publisher && m_publisher->holdsUndelivered(address, file);
    });
    connect(m_retention.get(), &DataRetention::filesDeleted, this,
            [this](int address, const QStringList& files) {
                if (m_publisher)
                    m_publisher->filesDeleted(address, files);
            });
    connect(m_retention.get(), &DataRetention::stateChanged, this, [this] {
        m_retentionStatus = m_retention->statusText();
        showFileStatus();
    });
    connect(m_saveWriter.get(), &DataFileWriter::writeFailed, m_retention.get(),
            &DataRetention::checkSoon);
    connect(e, &CommEngine::phaseChanged, this, &frmTD_Main::showPhase);
    connect(e, &CommEngine::meterPolled, m_statusModel,
            [this](int meter, bool) { m_statusModel->backoffChanged(meter); });
    connect(e, &CommEngine::meterSkipped, m_statusModel, &StatusListModel::backoffChanged);
    connect(m_clockDrift.get(), &ClockDrift::changed, m_statusModel,
            &StatusListModel::driftChanged);
}

void frmTD_Main::showLinkMessage(const QString& text) {
    m_panels[3]->setText(text);
    m_panels[3]->setToolTip(text.isEmpty() ? tr("Link messages") : text);
}

void frmTD_Main::showFileStatus() {
    QStringList texts;
    for (const QString& t : {m_dataFileStatus, m_alarmFileStatus, m_retentionStatus})
        if (!t.isEmpty())
            texts << t;
    // Two long messages would push the port and protocol panels out of sight: the panel
    // shows what fits, the tool tip all of it.
    const QString all = texts.join(QStringLiteral("  \u00b7  "));
    const int room = std::max(width() / 2, fontMetrics().averageCharWidth() * 40);
    m_panels[2]->setText(m_panels[2]->fontMetrics().elidedText(all, Qt::ElideMiddle, room));
    m_panels[2]->setToolTip(texts.isEmpty() ? tr("Data file messages") : texts.join(u'\n'));
}

// ---- start-up ---------------------------------------------------------------------------

void frmTD_Main::startUp() {
    CommState& s = m_engine->state();
    s.gChannelCount = 12;
    showSaveSettings(LoadSaveSettings(m_options.paths.saveDataIni()));
    m_publishSettings = LoadPublishSettings(m_options.paths.publishIni());
    const MeterListMarks meters = LoadMeterList(m_options.paths.setEnvIni(), s, m_engine->tables());
    QString portProblem;
    m_engine->setPortSettings(LoadPortSettings(m_options.paths.commCfg(), &portProblem));
    showPortSettings();
    // A settings file that is there but cannot be used is named at start, where a user
    // looks when the program does not do what the file says.
    QStringList problems;
    for (const QString& why : {portProblem, TextFileProblem(m_options.paths.setEnvIni()),
                               meters.warning(m_options.paths.setEnvIni()),
                               TextFileProblem(m_options.paths.saveDataIni())})
        if (!why.isEmpty())
            problems << why;
    showLinkMessage(problems.join(QStringLiteral("  \u00b7  ")));
    if (!problems.isEmpty())
        m_panels[3]->setToolTip(problems.join(u'\n'));
    SetPortClosedMenus(true);
    // What the window says of the engine's state is said again in a new language.
    m_texts->add([this] {
        showPhase(m_engine->phase());
        refreshSelectedMeterDetails();
        showSaveLabels();
        showBrokerState();
    });
    m_saveWriter->tmrDSave().start();
}

void frmTD_Main::showSaveSettings(const SaveSettings& s) {
    m_saveWriter->setSettings(s);
    m_retention->setSettings(s);
    if (m_publisher)
        m_publisher->setSaveSettings(s);
    showSaveLabels();
}

void frmTD_Main::showSaveLabels() {
    // The settings file's words ("Yes", "sec" ...) are shown in the program's language.
    const SaveSettingsLabels labels = LabelsOf(m_saveWriter->settings());
    const auto shown = [](const QString& value) {
        static const char* const words[] = {
            QT_TRANSLATE_NOOP("SaveSettings", "Yes"), QT_TRANSLATE_NOOP("SaveSettings", "No"),
            QT_TRANSLATE_NOOP("SaveSettings", "sec"), QT_TRANSLATE_NOOP("SaveSettings", "min")};
        for (const char* word : words)
            if (value == QLatin1String(word))
                return QCoreApplication::translate("SaveSettings", word);
        return value;
    };
    lblDSave_Enable->setText(shown(labels.lblDSave_Enable));
    lblDSave_Intv->setText(labels.lblDSave_Intv);
    lblDSave_Unit->setText(shown(labels.lblDSave_Unit));
    lblDaySave->setText(shown(labels.lblDaySave));
}

void frmTD_Main::showPortSettings() {
    const PortSettings& p = m_engine->portSettings();
    m_panels[0]->setText(p.portName);
    m_panels[1]->setText(p.lineSettings());
    m_panels[4]->setText(p.protocol);
}

// ---- state ------------------------------------------------------------------------------

void frmTD_Main::SetPortClosedMenus(bool closed) {
    for (const MenuItemInfo& item : kMenuItems) {
        if (item.enabledWhen == EnabledWhen::Always)
            continue;
        m_actions[item.command]->setEnabled(item.enabledWhen == EnabledWhen::PortClosed ? closed
                                                                                        : !closed);
    }
    applyPlantMenus();
}

void frmTD_Main::updatePortCaptions(bool open) {
    m_portCaptionsOpen = open;
    m_actions[MainCommand::mOnlinePortOpen]->setText(
        open ? QCoreApplication::translate("MainMenus", "&Port Close")
             : QCoreApplication::translate("MainMenus", "&Port Open"));
    m_buttons[3]->setText(open ? QCoreApplication::translate("MainMenus", "Port Close")
                               : QCoreApplication::translate("MainMenus", "Port Open"));
    m_buttons[3]->setProperty("portOpen", open);
    m_buttons[3]->style()->unpolish(m_buttons[3]);
    m_buttons[3]->style()->polish(m_buttons[3]);
}

void frmTD_Main::showPhase(CommEngine::Phase phase) {
    if (isPlantMode()) { // the chip tells of the broker
        showPlantBrokerState(QString(), m_plant->isConnected());
        return;
    }
    static const char* const names[] = {QT_TR_NOOP("Port closed"), QT_TR_NOOP("Scanning"),
                                        QT_TR_NOOP("Polling"), QT_TR_NOOP("Connecting")};
    m_phaseChip->setText(tr(names[int(phase)]));
    m_phaseChip->setProperty("phase", int(phase));
    m_phaseChip->style()->unpolish(m_phaseChip);
    m_phaseChip->style()->polish(m_phaseChip);
    // While a connection is being made the port command gives it up.
    updatePortCaptions(phase != CommEngine::Phase::Closed);
    if (phase != CommEngine::Phase::Closed && m_portProblem)
        m_portProblem->hide();
}

void frmTD_Main::onSelectedMeterChanged(int address) {
    lblMC_No->setText(address > 0 ? QString::number(address) : QString());
    m_statusModel->selectionChanged();
    refreshSelectedMeterDetails();
}

void frmTD_Main::refreshSelectedMeterDetails() {
    if (isPlantMode()) {
        showSelectedPlantMeter();
        return;
    }
    const CommState& s = m_engine->state();
    if (lblMC_No->text().isEmpty()) {
        lblMC_No->setColours(0xEDE9E5, 0xDCD6D0); // a quiet grey until a meter is chosen
        m_selectedDetails->setText(tr("No meter selected"));
        return;
    }
    lblMC_No->setColours(0xB26F1F, 0x6E3F12);
    QString details = tr("%1 channels").arg(s.gChannelCount);
    if (s.gDeviceVersion > 0)
        details += tr(" \u00b7 firmware %1").arg(s.gDeviceVersion, 0, 'f', 2);
    if (m_engine->settingsState() == CommEngine::SettingsState::Incomplete)
        details += tr(" \u00b7 settings read incomplete");
    m_selectedDetails->setText(details);
}

void frmTD_Main::onStatusClicked(const QModelIndex& index) {
    if (index.isValid())
        m_engine->selectMeter(m_statusModel->tableRow(index.row()));
}

// ---- accessors --------------------------------------------------------------------------

QAction* frmTD_Main::action(MainCommand command) const {
    const auto it = m_actions.find(command);
    return it == m_actions.end() ? nullptr : it->second;
}

QPushButton* frmTD_Main::btnMenu(int index) const {
    return index >= 0 && index < ButtonCount ? m_buttons[index] : nullptr;
}

QString frmTD_Main::statusPanelText(int panel) const {
    return panel >= 1 && panel <= 5 ? m_panels[panel - 1]->text() : QString();
}

QString frmTD_Main::selectedMeterText() const {
    return lblMC_No->text();
}

bool frmTD_Main::isCommViewVisible() const {
    return !m_commView->isHidden();
}

// ---- commands ---------------------------------------------------------------------------

void frmTD_Main::runCommand(MainCommand command) {
    if (isPlantMode() && !m_actions[command]->isEnabled()) {
        showLinkMessage(m_actions[command]->toolTip());
        return;
    }
    switch (command) {
    case MainCommand::mSetMC:
        openMeterList();
        break;
    case MainCommand::mSetDSave:
        openDataSave();
        break;
    case MainCommand::mSetPublish:
        openPublishSetup();
        break;
    case MainCommand::mSetPort:
        openPortSetup();
        break;
    case MainCommand::mExit:
        close();
        break;
    case MainCommand::mOnlinePortOpen:
        togglePort();
        break;
    case MainCommand::mOnlineSingleLine:
    case MainCommand::mOnlineSingleBar:
    case MainCommand::mOnlineSingleText:
    case MainCommand::mOnlineMulti:
    case MainCommand::mOnlineMultiPV:
        openMonitor(command);
        break;
    case MainCommand::mPMeterList:
        openParameterWindow();
        break;
    case MainCommand::mPMeterSysDate:
        openDateReserve();
        break;
    case MainCommand::mHelpAbout:
        openAbout();
        break;
    case MainCommand::mHelpHelp:
        help().showPage();
        break;
    case MainCommand::mHelpManual:
        openManual();
        break;
    case MainCommand::mHelpGView:
        openGraphViewer();
        break;
    case MainCommand::mHelpViewComm:
        setCommViewVisible(!isCommViewVisible());
        break;
    }
}

void frmTD_Main::togglePort() {
    // Closing also gives up a connection still being made.
    if (m_engine->phase() != CommEngine::Phase::Closed) {
        m_engine->closePort();
        return;
    }
    const PortSettings& p = m_engine->portSettings();
    std::unique_ptr<SerialLink> link = m_options.linkFactory
                                           ? m_options.linkFactory(p.portName, m_clock)
                                           : CreateProgramLink(p.portName, m_clock);
    if (!link)
        return; // a name no link serves: the port stays closed, as a failed open does
    m_engine->setLink(link.get());
    m_link = std::move(link);
    // A link that connects in the background may still fail.
    connect(m_link.get(), &SerialLink::openFailed, this, &frmTD_Main::showPortProblem);
    m_portProblem->hide();
    if (!m_engine->openPort())
        showPortProblem(m_link->errorString());
}

void frmTD_Main::showPortProblem(const QString& why) {
    if (why.isEmpty())
        return;
    m_portProblem->setText(
        KeepPathsWhole(tr("Port %1 not opened: %2").arg(m_engine->portSettings().portName, why)));
    m_portProblem->show();
}

void frmTD_Main::setCommViewVisible(bool visible) {
    m_commView->setVisible(visible);
    m_actions[MainCommand::mHelpViewComm]->setChecked(visible);
    if (!visible)
        return;
    giveCommViewRoom();
    m_commView->scrollToNewest();
}

void frmTD_Main::giveCommViewRoom() {
    // The status list keeps the room that shows every meter (at most half the window's); the
    // frames and counters below take the rest, and what the window gains from now on.
    const int listRows = m_statusView->horizontalHeader()->sizeHint().height() +
                         m_statusView->verticalHeader()->length() + 2 * m_statusView->frameWidth() +
                         2;
    const int least = m_statusView->minimumHeight();
    m_statusView->setMinimumHeight(listRows);
    const int statusNeed = m_splitter->widget(0)->minimumSizeHint().height();
    m_statusView->setMinimumHeight(least);
    const int total = m_splitter->height() > 0 ? m_splitter->height() : height() * 3 / 4;
    const int status = std::min(statusNeed, total / 2);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({status, std::max(1, total - status)});
}

void frmTD_Main::openMeterList() {
    frmTD_SetMC dialog(m_options.paths.setEnvIni(), m_engine->state(), m_engine->tables(), this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    const int address = m_engine->state().gSelAddress;
    if (!lblMC_No->text().isEmpty() && address > 0)
        onSelectedMeterChanged(address);
    publishMeterList();
    // The list may change while the scan runs: the rebuilt tables know no meter as answering
    // yet, so the scan starts again over the new list.
    if (m_engine->isPortOpen()) {
        m_engine->closePort();
        m_engine->openPort();
    }
}

void frmTD_Main::openDataSave() {
    frmTD_Set_DSave dialog(m_options.paths.saveDataIni(), this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    showSaveSettings(dialog.settings());
}

void frmTD_Main::openPublishSetup() {
    frmTD_Set_Publish dialog(m_options.paths.publishIni(), this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    m_publishSettings = dialog.settings();
    // New settings take effect at once while the port is open.
    stopPublishing();
    if (m_engine->isPortOpen())
        startPublishing();
}

void frmTD_Main::startPublishing() {
    if (m_publisher || !m_publishSettings.enabled)
        return;
    m_publisher =
        std::make_unique<RecordPublisher>(m_clock, m_publishSettings, m_saveWriter->settings());
    m_publisher->setPortName(m_engine->portSettings().portName);
    connect(m_publisher.get(), &RecordPublisher::statusChanged, this, &frmTD_Main::showBrokerState);
    connect(m_publisher.get(), &RecordPublisher::message, this, [this](const QString& text) {
        m_brokerEvent = text;
        showBrokerState();
    });
    ConnectPublisher(*m_saveWriter, *m_engine, *m_publisher);
    publishMeterList();
    m_brokerEvent.clear();
    m_publishProblem.clear();
    QString why;
    if (!m_publisher->start(&why)) {
        m_publisher.reset();
        m_publishProblem = tr("Not publishing: %1").arg(why);
    }
    showBrokerState();
}

// The publisher follows the meter list: what a meter taken off the list left at the broker
// is cleared.
void frmTD_Main::publishMeterList() {
    if (!m_publisher)
        return;
    const CommState& s = m_engine->state();
    QList<int> addresses;
    for (int k = 0; k < s.meterCount(); ++k)
        addresses << s.gMeterAddress.value(k);
    m_publisher->setMeters(addresses);
}

// While the port is open the data folder is kept within its limits, for the meters of the list.
void frmTD_Main::keepDataFolder(bool on) {
    if (!on) {
        m_retention->stop();
        return;
    }
    const CommState& s = m_engine->state();
    m_retention->setMeters(QList<int>(s.gMeterAddress.begin(), s.gMeterAddress.end()));
    m_retention->start();
}

void frmTD_Main::stopPublishing() {
    if (!m_publisher)
        return;
    m_publisher->stop();
    m_publisher.reset();
    showBrokerState();
}

void frmTD_Main::showBrokerState() {
    if (!m_brokerPanel)
        return;
    if (!m_publishSettings.enabled) {
        m_brokerPanel->hide();
        return;
    }
    const QString text = m_publisher ? m_publisher->statusText()
                         : !m_publishProblem.isEmpty()
                             ? m_publishProblem
                             : tr("Broker: publishing starts when the port opens");
    m_brokerPanel->setText(text);
    m_brokerPanel->setToolTip(m_brokerEvent.isEmpty() ? text : text + u'\n' + m_brokerEvent);
    const RecordPublisher::BrokerState state =
        m_publisher ? m_publisher->brokerState() : RecordPublisher::BrokerState::Off;
    const char* colour = state == RecordPublisher::BrokerState::Connected ? "#1e6b34"
                         : state == RecordPublisher::BrokerState::Off     ? "palette(text)"
                                                                          : "#b3261e";
    m_brokerPanel->setStyleSheet(
        QStringLiteral("QLabel { color: %1; }").arg(QLatin1String(colour)));
    m_brokerPanel->show();
}

QString frmTD_Main::brokerPanelText() const {
    return m_brokerPanel && !m_brokerPanel->isHidden() ? m_brokerPanel->text() : QString();
}

void frmTD_Main::openPortSetup() {
    frmTD_SetPort dialog(m_engine->portSettings(), m_options.paths.commCfg(), DefaultPortTester(),
                         this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    m_engine->setPortSettings(dialog.settings());
    showPortSettings();
}

void frmTD_Main::openMonitor(MainCommand command) {
    if (isPlantMode()) {
        openPlantMonitor(command);
        return;
    }
    MonitorContext context;
    context.state = &m_engine->state();
    context.tables = &m_engine->tables();
    context.alarms = m_alarms.get();
    context.paths = &m_options.paths;
    context.clock = &m_clock;
    const int channels = m_engine->state().gChannelCount;
    // Each monitor reads the settings tables only while they hold its own meter's settings.
    context.settingsCurrent = [engine = m_engine.get()](int address) {
        return engine->state().gSelAddress == address && engine->settingsComplete();
    };
    std::unique_ptr<QDialog> monitor = createMonitor(command, channels, context);
    // A channel count the monitors do not know opens nothing.
    if (monitor)
        showBeside(std::move(monitor));
}

namespace {
// The meter a window beside the main window stays on (0: none of its own).
int meterOfWindow(const QDialog* window) {
    if (const auto* clock = qobject_cast<const frmTD_DateReserve*>(window))
        return clock->address();
    return MonitorMeterAddress(window);
}
} // namespace

std::unique_ptr<QDialog> frmTD_Main::createMonitor(MainCommand command, int channels,
                                                   const MonitorContext& context) {
    switch (command) {
    case MainCommand::mOnlineSingleLine:
        return std::unique_ptr<QDialog>(CreateLineMonitor(channels, context, this));
    case MainCommand::mOnlineSingleBar:
        return std::unique_ptr<QDialog>(CreateBarMonitor(channels, context, this));
    case MainCommand::mOnlineSingleText:
        return std::unique_ptr<QDialog>(CreateTextMonitor(channels, context, this));
    case MainCommand::mOnlineMulti:
        return std::unique_ptr<QDialog>(CreateMultiMonitor(context, this));
    case MainCommand::mOnlineMultiPV:
        return std::unique_ptr<QDialog>(CreateMultiPVMonitor(context, this));
    default:
        return nullptr;
    }
}

void frmTD_Main::showBeside(std::unique_ptr<QDialog> window) {
    m_beside.removeAll(nullptr);
    for (const QPointer<QDialog>& open : std::as_const(m_beside)) {
        if (open->objectName() == window->objectName() &&
            meterOfWindow(open) == meterOfWindow(window.get()) &&
            open->property("origin") == window->property("origin")) {
            open->showNormal();
            open->raise();
            open->activateWindow();
            return;
        }
    }
    // A window of its own, not one kept above this one: the user arranges the monitors and
    // the main window as the work asks. This window closes them when it closes.
    QDialog* shown = window.release();
    shown->setParent(nullptr, Qt::Window);
    shown->setModal(false);
    connect(shown, &QDialog::finished, shown, &QObject::deleteLater);
    m_beside.append(shown);
    FitToScreen(*shown);
    shown->show();
    shown->raise();
    shown->activateWindow();
}

QList<QDialog*> frmTD_Main::openWindows() const {
    QList<QDialog*> out;
    for (const QPointer<QDialog>& w : m_beside)
        if (w && w->isVisible())
            out << w;
    return out;
}

void frmTD_Main::closeWindowsBeside() {
    // Deleted at once: they read the engine, which goes with this window.
    for (const QPointer<QDialog>& w : std::as_const(m_beside))
        delete w.data();
    m_beside.clear();
}

void frmTD_Main::openParameterWindow(const QString& file) {
    frmTD_Parameter window(m_engine.get(), m_options.paths.cfgFolder(), this);
    if (m_options.prepareParameterWindow)
        m_options.prepareParameterWindow(window);
    if (!file.isEmpty())
        window.openFile(file);
    RunModal(window);
}

void frmTD_Main::openFile(const QString& path) {
    const QFileInfo file(path);
    const QString shown = QDir::toNativeSeparators(file.absoluteFilePath());
    if (!file.isFile()) {
        ShowMessage(this, QMessageBox::Warning, tr("%1 was not found.").arg(shown),
                    tr("Open File"));
        return;
    }
    const QString suffix = file.suffix().toUpper();
    if (suffix == QStringLiteral("CFG"))
        openParameterWindow(file.absoluteFilePath());
    else if (suffix == QStringLiteral("TDD"))
        openGraphViewer({file.absoluteFilePath()});
    else
        ShowMessage(this, QMessageBox::Warning,
                    tr("%1 is neither a parameter file (.CFG) nor a data file (.TDD).").arg(shown),
                    tr("Open File"));
}

void frmTD_Main::openLaterWindow(const QString& caption) {
    ShowMessage(this, QMessageBox::Information,
                tr("%1 is not part of this version of the program yet.").arg(caption), caption);
}

void frmTD_Main::openDateReserve() {
    // The menu item is enabled only while the port polls; a port lost since keeps it shut.
    if (m_engine->phase() != CommEngine::Phase::Polling)
        return;
    showBeside(
        std::make_unique<frmTD_DateReserve>(*m_engine, m_clock, *m_clockWriter, *m_clockDrift));
}

void frmTD_Main::openAbout() {
    frmTD_About about(this);
    RunModal(about);
}

HelpCentre& frmTD_Main::help() {
    if (HelpCentre* centre = HelpCentre::current())
        return *centre;
    m_ownHelp = std::make_unique<HelpCentre>();
    return *m_ownHelp;
}

void frmTD_Main::openManual() {
    // The recorder's own manual, where an install carries it, comes first.
    const HelpDocument manual = ManualPdfDocument();
    if (!FindDocument(manual, m_options.paths.home()).isEmpty()) {
        QString message;
        if (LaunchDocument(manual, m_options.paths.home(), &message))
            return;
        ShowMessage(this, QMessageBox::Warning,
                    message + u' ' + tr("The guide built into the program is shown instead."),
                    tr("TD700 Manual"));
    }
    help().showManual();
}

void frmTD_Main::openGraphViewer(const QStringList& files) {
    // The viewer is a window of its own beside this one, not a modal dialog: the data keeps
    // being logged while the user looks at older files.
    GraphViewerWindow* viewer = nullptr;
    for (const QPointer<GraphViewerWindow>& v : std::as_const(m_viewers))
        if (v && v->timeLine().isEmpty())
            viewer = v;
    if (!viewer) {
        viewer = new GraphViewerWindow();
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->setDialogRunner([](QDialog& dialog) { return RunModal(dialog); });
        m_viewers.append(viewer);
    }
    viewer->setStartFolder(m_saveWriter->settings().gDSaveFolder);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    if (files.isEmpty())
        viewer->chooseFiles();
    else
        viewer->openFiles(files);
}

// ---- shutdown ---------------------------------------------------------------------------

void frmTD_Main::quitWithoutAsking() {
    m_quitting = true;
    close();
}

void frmTD_Main::closeEvent(QCloseEvent* event) {
    if (m_options.askBeforeQuit && !m_quitting && !AskYesNo(this, tr("Confirm"), tr("Quit?"))) {
        event->ignore();
        return;
    }
    if (m_engine->isPortOpen())
        m_engine->closePort();
    stopPublishing();
    stopPlantMode();
    for (const QPointer<GraphViewerWindow>& v : std::as_const(m_viewers))
        if (v)
            v->close();
    closeWindowsBeside();
    if (m_options.rememberGeometry) {
        QSettings s = windowSettings();
        s.setValue(QStringLiteral("main/geometry"), saveGeometry());
        s.setValue(QStringLiteral("main/splitter"), m_splitter->saveState());
    }
    event->accept();
}
