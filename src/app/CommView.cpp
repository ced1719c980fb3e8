#include "app/CommView.h"

#include "app/FrameLogModel.h"
#include "comm/CommEngine.h"
#include "widgets/LanguageFollower.h"
#include "widgets/TextTableModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The engine leaves a counter empty until its first count (and after Count Clear); the view
// says 0, as a counter reads before anything happened.
class CounterModel : public TextTableModel {
public:
    using TextTableModel::TextTableModel;
    QVariant data(const QModelIndex& index, int role) const override {
        QVariant shown = TextTableModel::data(index, role);
        if (role == Qt::DisplayRole && tableColumn(index.column()) > 0 &&
            shown.toString().isEmpty())
            return QStringLiteral("0");
        return shown;
    }
};

} // namespace

QTableView* MakeGridView(const QString& objectName, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(objectName);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setFocusPolicy(Qt::NoFocus);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 8);
    view->horizontalHeader()->setHighlightSections(false);
    return view;
}

CommView::CommView(CommEngine& engine, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("commView"));
    auto* layout = new QHBoxLayout(this);
    const int unit = fontMetrics().height();
    layout->setContentsMargins(unit, unit / 3, unit, unit / 2);
    layout->setSpacing(unit);

    auto* logColumn = new QVBoxLayout;
    auto* texts = new LanguageFollower(this);
    auto* logTitle = new QLabel(this);
    logTitle->setObjectName(QStringLiteral("sectionTitle"));
    logColumn->addWidget(logTitle);
    m_log = MakeGridView(QStringLiteral("sprdComm"), this);
    auto* logModel = new FrameLogModel(&engine.tables().sprdComm, this);
    m_log->setModel(logModel);
    m_log->verticalHeader()->hide(); // the label column says SEND or RECV
    m_log->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    const QFontMetrics fixed(logModel->data(logModel->index(0, 0), Qt::FontRole).value<QFont>());
    m_log->horizontalHeader()->setDefaultSectionSize(
        fixed.horizontalAdvance(QStringLiteral("FFF")) + 6);
    m_log->horizontalHeader()->setMinimumSectionSize(8);
    logColumn->addWidget(m_log, 1);
    layout->addLayout(logColumn, 1);

    // A new frame is a row appended (and the thousand-and-first empties the log first): a
    // reader at the newest frame keeps following, one who scrolled back keeps the place. A
    // hidden log is left alone: scrolling lays the whole view out, on every frame, and showing
    // the view scrolls to the newest frame anyway.
    QScrollBar* bar = m_log->verticalScrollBar();
    auto remember = [this, bar] {
        if (!m_log->isVisible())
            return;
        m_following = bar->value() >= bar->maximum() - 1;
        m_keptScroll = bar->value();
    };
    auto restore = [this, bar] {
        if (!m_log->isVisible())
            return;
        if (m_following)
            m_log->scrollToBottom();
        else
            bar->setValue(std::min(m_keptScroll, bar->maximum()));
    };
    connect(logModel, &QAbstractItemModel::rowsAboutToBeInserted, this, remember);
    connect(logModel, &QAbstractItemModel::rowsInserted, this, restore);
    connect(logModel, &QAbstractItemModel::modelAboutToBeReset, this, remember);
    connect(logModel, &QAbstractItemModel::modelReset, this, [this, restore] {
        m_log->horizontalHeader()->resizeSection(
            0, m_log->fontMetrics().horizontalAdvance(QStringLiteral("RECV")) + 12);
        restore();
    });

    auto* stateColumn = new QVBoxLayout;
    stateColumn->setContentsMargins(0, 0, 0, 0);
    auto* stateTitle = new QLabel(this);
    stateTitle->setObjectName(QStringLiteral("sectionTitle"));
    stateColumn->addWidget(stateTitle);
    m_counters = MakeGridView(QStringLiteral("sprdCommState"), this);
    auto* stateModel = new CounterModel(&engine.tables().sprdCommState, this);
    stateModel->setShowHeaderColumn(true);
    stateModel->setHeaderContext("DeviceTables");
    m_counters->setModel(stateModel);
    m_counters->verticalHeader()->hide();
    m_counters->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    stateColumn->addWidget(m_counters, 1);
    btnCountClear = new QPushButton(this);
    btnCountClear->setObjectName(QStringLiteral("btnCountClear"));
    connect(btnCountClear, &QPushButton::clicked, &engine, &CommEngine::countClear);
    stateColumn->addWidget(btnCountClear, 0, Qt::AlignRight);
    auto* stateBox = new QWidget(this);
    stateBox->setLayout(stateColumn);
    stateBox->setFixedWidth(fontMetrics().averageCharWidth() * 54);
    layout->addWidget(stateBox);
    texts->add([=, this] {
        logTitle->setText(tr("Frames"));
        stateTitle->setText(tr("Counters"));
        btnCountClear->setText(tr("Count Clear"));
        logModel->languageChanged();
        stateModel->languageChanged();
    });
    setModelsPaused(true); // until shown
}

void CommView::setModelsPaused(bool paused) {
    for (QTableView* view : {m_log, m_counters})
        if (auto* model = qobject_cast<TextTableModel*>(view->model()))
            model->setPaused(paused);
}

void CommView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    setModelsPaused(false);
}

void CommView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    setModelsPaused(true);
}

void CommView::scrollToNewest() {
    m_following = true;
    m_log->scrollToBottom();
}
