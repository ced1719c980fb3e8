// The main window's plant mode: the nodes and meters of a broker in place of the local bus.
#include "app/MessageBoxes.h"
#include "app/PlantListModel.h"
#include "app/frmTD_Main.h"
#include "app/frmTD_SetPlant.h"
#include "core/Clock.h"
#include "monitor/MonitorFactory.h"
#include "plant/PlantAlarmFile.h"
#include "plant/PlantAlarmLog.h"
#include "plant/PlantSubscriber.h"
#include "plantview/PlantAlarmWindow.h"
#include "plantview/PlantTables.h"
#include "publish/BrokerConnection.h"
#include "widgets/GradientLabel.h"
#include "widgets/LanguageFollower.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The commands that would open the port or write to a meter: none of them runs in plant
// mode. Parameter Setup reads and writes a meter; Publish publishes the local bus.
bool talksToTheBus(MainCommand command) {
    switch (command) {
    case MainCommand::mSetMC:
    case MainCommand::mSetPort:
    case MainCommand::mSetPublish:
    case MainCommand::mSetDSave:
    case MainCommand::mOnlinePortOpen:
    case MainCommand::mPMeterList:
    case MainCommand::mPMeterSysDate:
        return true;
    default:
        return false;
    }
}

// A setting as the command line names it: the broker is --plant's URL, the rest its flags.
QString flagName(const char* key) {
    const QString k = QString::fromLatin1(key);
    return k == u"publish" ? QStringLiteral("--plant") : QStringLiteral("--") + k;
}

bool isMonitor(MainCommand command) {
    return MenuItemOf(command).enabledWhen == EnabledWhen::Polling &&
           command != MainCommand::mPMeterSysDate;
}

} // namespace

void frmTD_Main::buildPlantList(QVBoxLayout* layout, QWidget* area) {
    m_plantView = new QTableView(area);
    m_plantView->setObjectName(QStringLiteral("plantList"));
    m_plantView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_plantView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_plantView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_plantView->verticalHeader()->hide();
    m_plantView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_plantView->hide();
    // A double click opens the trend of that meter, the monitor a meter is most looked at in.
    connect(m_plantView, &QTableView::doubleClicked, this,
            [this] { openPlantMonitor(MainCommand::mOnlineSingleLine); });
    m_texts->add([this] {
        m_plantView->setToolTip(tr("Select a meter, then a monitor (a double click opens its "
                                   "trend). Plant mode watches only."));
        if (m_plantModel)
            m_plantModel->languageChanged();
        if (isPlantMode())
            applyPlantMenus();
    });
    layout->addWidget(m_plantView, 1);
}

bool frmTD_Main::startPlantMode(const PublishSettings& settings, QString* why) {
    PublishSettings s = settings;
    s.enabled = true;
    QString problem = PublishSettingsProblem(s, flagName);
    BrokerConnection::Options options;
    if (problem.isEmpty())
        ConnectionOptions(s, true,
                          QStringLiteral("td700-file-%1-%2")
                              .arg(DefaultNodeName())
                              .arg(QCoreApplication::applicationPid()),
                          &options, &problem);
    if (!problem.isEmpty()) {
        *why = problem;
        return false;
    }
    stopPlantMode();
    // The bus is left alone while the plant is watched: no port, no monitor reading it.
    if (m_engine->phase() != CommEngine::Phase::Closed)
        m_engine->closePort();
    closeWindowsBeside();

    m_plant = std::make_unique<PlantSubscriber>(m_clock, options);
    m_plantTables = std::make_unique<PlantTables>(m_plant->state());
    m_plantModel = new PlantListModel(m_plant->state(), m_plantView);
    // Every record that reads, replayed ones too, so that alarms take their place in time.
    m_plantAlarms = std::make_unique<PlantAlarmLog>();
    const QString alarmFileProblem = m_plantAlarms->keepIn(m_options.paths.file(kPlantAlarmFile));
    connect(&m_plant->state(), &PlantState::recordTaken, m_plantAlarms.get(), &PlantAlarmLog::take);
    m_plantView->setModel(m_plantModel);
    connect(m_plant.get(), &PlantSubscriber::brokerState, this, &frmTD_Main::showPlantBrokerState);
    connect(m_plant.get(), &PlantSubscriber::refused, this, [this](const QString& reason) {
        showLinkMessage(tr("Plant mode: broker %1 refused: %2").arg(m_plant->brokerName(), reason));
    });
    connect(m_plantView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &frmTD_Main::showSelectedPlantMeter);
    m_statusView->hide();
    m_plantView->show();
    showSelectedPlantMeter();
    // The status bar names the broker where it names the port.
    m_panels[0]->setText(tr("Plant"));
    m_panels[1]->setText(m_plant->brokerName());
    m_panels[4]->setText(QStringLiteral("MQTT"));
    m_stopWatchAction->setEnabled(true);
    m_plantAlarmsAction->setEnabled(true);
    m_plantBrokerText.clear();
    m_plantEverConnected = false;
    m_texts->reapply();
    showPlantBrokerState(QString(), false);
    m_plant->start();
    if (!alarmFileProblem.isEmpty())
        showLinkMessage(tr("Plant alarms: %1").arg(alarmFileProblem));
    return true;
}

void frmTD_Main::stopPlantMode() {
    if (!m_plant)
        return;
    // The monitors read the plant's tables: they close before the tables go.
    closeWindowsBeside();
    delete m_plantAlarmWindow.data();
    m_plant->stop();
    m_plantAlarms.reset(); // written at the end
    m_plantView->setModel(nullptr);
    delete m_plantModel;
    m_plantModel = nullptr;
    m_plantTables.reset();
    m_plant.reset();
    m_plantView->hide();
    m_statusView->show();
    showPortSettings();
    onSelectedMeterChanged(m_engine->state().gSelAddress);
    m_stopWatchAction->setEnabled(false);
    m_plantAlarmsAction->setEnabled(false);
    m_plantBrokerText.clear();
    SetPortClosedMenus(!m_engine->isPortOpen());
    m_texts->reapply();
    showLinkMessage(QString());
}

void frmTD_Main::openPlantAlarms() {
    if (!m_plantAlarms)
        return;
    if (!m_plantAlarmWindow) {
        m_plantAlarmWindow = new PlantAlarmWindow(*m_plantAlarms, &m_plant->state(), this);
        m_plantAlarmWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_plantAlarmWindow->show();
    m_plantAlarmWindow->raise();
    m_plantAlarmWindow->activateWindow();
}

void frmTD_Main::openWatchDialog() {
    frmTD_SetPlant dialog(m_options.paths.plantIni(), this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    QString why;
    if (!startPlantMode(dialog.settings(), &why))
        ShowMessage(this, QMessageBox::Warning, why, tr("Watch a Broker"));
}

const PlantState* frmTD_Main::plantState() const {
    return m_plant ? &m_plant->state() : nullptr;
}

bool frmTD_Main::selectPlantMeter(const QString& node, int address) {
    const int row = m_plantModel ? m_plantModel->rowOf(node, address) : -1;
    if (row < 0)
        return false;
    m_plantView->selectRow(row);
    return true;
}

void frmTD_Main::showSelectedPlantMeter() {
    const QModelIndex current = m_plantView->selectionModel()
                                    ? m_plantView->selectionModel()->currentIndex()
                                    : QModelIndex();
    const QPair<QString, int> meter =
        current.isValid() ? m_plantModel->meterAt(current.row()) : QPair<QString, int>();
    const PlantMeter* shown = nullptr;
    if (m_plant && meter.second > 0) {
        const auto node = m_plant->state().nodes().constFind(meter.first);
        if (node != m_plant->state().nodes().cend() && node->meters.contains(meter.second))
            shown = &*node->meters.constFind(meter.second);
    }
    if (!shown) {
        lblMC_No->setText(QString());
        lblMC_No->setColours(0xEDE9E5, 0xDCD6D0);
        m_selectedDetails->setText(tr("No meter selected"));
        return;
    }
    lblMC_No->setText(QString::number(shown->address));
    lblMC_No->setColours(0xB26F1F, 0x6E3F12);
    // The node on a line of its own: a node's name is as long as a plant makes it.
    QString details = meter.first;
    if (shown->description.isValid())
        details += u'\n' + tr("%1 channels").arg(shown->description.channelCount) +
                   tr(" \u00b7 firmware %1").arg(shown->description.firmware);
    m_selectedDetails->setText(details);
}

void frmTD_Main::applyPlantMenus() {
    const bool plant = isPlantMode();
    const QString why =
        plant ? tr("Plant mode watches only: no port is opened and nothing is written to a "
                   "meter. Stop watching (Setup menu) to work on the local bus.")
              : QString();
    for (const MenuItemInfo& item : kMenuItems) {
        QAction* a = m_actions[item.command];
        if (talksToTheBus(item.command)) {
            a->setToolTip(why);
            // Back on the local bus the items always enabled are enabled again; the others
            // follow the port.
            if (plant || item.enabledWhen == EnabledWhen::Always)
                a->setEnabled(!plant);
        } else if (plant && isMonitor(item.command)) {
            a->setEnabled(true);
        }
    }
    for (const ButtonInfo& b : kButtons) {
        m_buttons[b.index]->setEnabled(m_actions[b.command]->isEnabled());
        m_buttons[b.index]->setToolTip(talksToTheBus(b.command) ? why : QString());
    }
    // The save settings shown are this PC's, which a watched plant does not use.
    if (auto* save = findChild<QWidget*>(QStringLiteral("fraDataSave"))) {
        save->setEnabled(!plant);
        save->setToolTip(why);
    }
}

void frmTD_Main::showPlantBrokerState(const QString& text, bool connected) {
    if (!text.isEmpty())
        m_plantBrokerText = text;
    m_plantEverConnected = m_plantEverConnected || connected;
    const QString broker = m_plant ? m_plant->brokerName() : QString();
    m_phaseChip->setText(connected              ? tr("Watching %1").arg(broker)
                         : m_plantEverConnected ? tr("Broker away")
                                                : tr("Connecting"));
    m_phaseChip->setProperty(
        "phase", int(connected ? CommEngine::Phase::Polling : CommEngine::Phase::Connecting));
    m_phaseChip->style()->unpolish(m_phaseChip);
    m_phaseChip->style()->polish(m_phaseChip);
    if (connected)
        showLinkMessage(tr("Plant mode: broker %1 connected; watching only.").arg(broker));
    else if (m_plantBrokerText.isEmpty())
        showLinkMessage(tr("Plant mode: connecting to broker %1.").arg(broker));
    else
        showLinkMessage(tr("Plant mode: broker %1 %2; the last values are shown stale.")
                            .arg(broker, m_plantBrokerText));
}

void frmTD_Main::openPlantMonitor(MainCommand command) {
    const QModelIndexList rows = m_plantView->selectionModel()
                                     ? m_plantView->selectionModel()->selectedRows()
                                     : QModelIndexList();
    const bool multi =
        command == MainCommand::mOnlineMulti || command == MainCommand::mOnlineMultiPV;
    QPair<QString, int> meter =
        rows.isEmpty() ? QPair<QString, int>() : m_plantModel->meterAt(rows.first().row());
    // A multi-meter window shows a node: the selected one, else the first.
    if (multi && meter.first.isEmpty() && m_plantModel->rowCount() > 0)
        meter = m_plantModel->meterAt(0);
    if (meter.first.isEmpty() || (!multi && meter.second == 0)) {
        showLinkMessage(tr("Select a meter in the plant list first."));
        return;
    }
    const NodeTables* tables = m_plantTables->node(meter.first);
    if (!tables)
        return;
    MonitorContext context;
    context.state = &tables->state;
    context.tables = &tables->tables;
    context.paths = &m_options.paths;
    context.clock = &m_clock;
    context.address = meter.second;
    context.origin = meter.first;
    context.past = &tables->past;
    // No meter of the plant is selected: every setting comes from what its meta told.
    context.settingsCurrent = [](int) { return false; };
    const auto& meters = m_plant->state().nodes().value(meter.first).meters;
    const int channels = meters.value(meter.second).description.channelCount;
    std::unique_ptr<QDialog> monitor = createMonitor(command, channels, context);
    if (!monitor) {
        showLinkMessage(tr("The meter has not told its channels yet."));
        return;
    }
    monitor->setProperty("origin", meter.first);
    showBeside(std::move(monitor));
}
