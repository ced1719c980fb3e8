#include "plantview/PlantAlarmWindow.h"

#include "plant/PlantAlarmLog.h"
#include "plantview/PlantAlarmModel.h"
#include "widgets/LanguageFollower.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Alarms come in bursts (a node back after an outage replays its records): the table is read
// again once a burst has passed, not per record.
constexpr int kReloadDelayMs = 300;

} // namespace

PlantAlarmWindow::PlantAlarmWindow(const PlantAlarmLog& log, const PlantState* plant,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_model(new PlantAlarmModel(log, plant, this))
    , m_view(new QTableView(this))
    , m_summary(new QLabel(this))
    , m_language(new LanguageFollower(this)) {
    setObjectName(QStringLiteral("PlantAlarmWindow"));
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setAlternatingRowColors(true);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setWordWrap(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_view, 1);
    resize(760, 420);

    m_reload.setSingleShot(true);
    m_reload.setInterval(kReloadDelayMs);
    connect(&m_reload, &QTimer::timeout, this, &PlantAlarmWindow::reload);
    connect(&log, &PlantAlarmLog::changed, this, [this] {
        if (!m_reload.isActive())
            m_reload.start();
    });
    m_language->add([this] { setTexts(); });
    reload();
}

PlantAlarmWindow::~PlantAlarmWindow() = default;

void PlantAlarmWindow::setTexts() {
    setWindowTitle(tr("Plant Alarms"));
    m_summary->setText(tr("%n alarm(s) active", nullptr, int(m_model->activeCount())) +
                       QStringLiteral("  ·  ") +
                       tr("%n entries, newest first", nullptr, m_model->rowCount()));
    m_model->languageChanged();
}

void PlantAlarmWindow::reload() {
    m_model->reload();
    m_view->resizeColumnsToContents();
    // Room beyond the widest text, so that the current cell's focus frame does not clip it.
    const int room = m_view->fontMetrics().averageCharWidth() * 2;
    QHeaderView* header = m_view->horizontalHeader();
    for (int column = 0; column + 1 < m_model->columnCount(); ++column)
        header->resizeSection(column, header->sectionSize(column) + room);
    setTexts();
}
