#include "monitor/MultiMonitor.h"

#include "comm/DeviceTables.h"
#include "core/Clock.h"
#include "monitor/SpanHeaderView.h"
#include "widgets/LanguageFollower.h"
#include "widgets/TextTableModel.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QTableView>

namespace {

// With no change in the present-value table for this long, the grid says that it is stale.
constexpr qint64 StaleAfterMs = 5000;

// Writes "Meter" into the grid's corner, over the meter numbers.
class CornerCaption final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint)
            return false;
        auto* button = static_cast<QAbstractButton*>(watched);
        QPainter p(button);
        const QPalette& pal = button->palette();
        p.fillRect(button->rect(), pal.color(QPalette::Button));
        p.setPen(pal.color(QPalette::Mid));
        p.drawLine(button->rect().topRight(), button->rect().bottomRight());
        p.drawLine(button->rect().bottomLeft(), button->rect().bottomRight());
        QFont f = button->font();
        f.setBold(true);
        p.setFont(f);
        p.setPen(pal.color(QPalette::ButtonText));
        p.drawText(button->rect(), Qt::AlignCenter,
                   QCoreApplication::translate("MultiMonitor", "Meter"));
        return true;
    }
};

} // namespace

MultiMonitor::MultiMonitor(MultiGrid::Kind kind, const MonitorContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_logic(kind) {
    const bool full = kind == MultiGrid::Kind::Full;
    setObjectName(full ? QStringLiteral("frmTD_Mon_Multi") : QStringLiteral("frmTD_Mon_MultiPV"));
    setModal(true);

    m_logic.layout(m_grid);
    m_model = new TextTableModel(&m_grid, this);
    m_model->setColumnAlignment(MultiGrid::PvColumn, MultiGrid::PvColumn + 11,
                                Qt::AlignRight | Qt::AlignVCenter);

    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("sprdMon"));
    QFont f = m_view->font();
    f.setPixelSize(14);
    m_view->setFont(f);
    m_header = new SpanHeaderView(m_view);
    m_view->setHorizontalHeader(m_header);
    m_view->setModel(m_model);
    m_header->setSectionResizeMode(QHeaderView::Fixed);
    m_header->setMinimumSectionSize(16);
    m_view->setSelectionMode(QAbstractItemView::NoSelection);
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setGridStyle(Qt::SolidLine);
    m_view->verticalHeader()->setDefaultSectionSize(28);
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setMinimumWidth(56);
    m_view->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    QFont vf = m_view->verticalHeader()->font();
    vf.setBold(true);
    m_view->verticalHeader()->setFont(vf);
    QAbstractButton* corner = m_view->findChild<QAbstractButton*>();
    if (corner)
        corner->installEventFilter(new CornerCaption(this));

    // A change of the row count resets the model, and with it the view's columns.
    connect(m_model, &QAbstractItemModel::modelReset, this, &MultiMonitor::applyColumnLayout);
    connect(&m_grid, &TextTable::layoutChanged, this, &MultiMonitor::applyColumnLayout);

    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("btnClose"));
    m_close->setAutoDefault(false);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

    m_warning = new QLabel(this);
    m_warning->setObjectName(QStringLiteral("lblWarning"));
    QFont wf = m_warning->font();
    wf.setBold(true);
    wf.setPixelSize(14);
    m_warning->setFont(wf);
    m_warning->setAutoFillBackground(true);
    QPalette wp = m_warning->palette();
    wp.setColor(QPalette::Window, QColor(0xff, 0xb0, 0x20));
    wp.setColor(QPalette::WindowText, Qt::black);
    m_warning->setPalette(wp);
    m_warning->setContentsMargins(8, 2, 8, 2);
    m_warning->hide();

    // The grid's colours say much; the legend says what.
    m_legend = new QLabel(this);
    m_legend->setObjectName(QStringLiteral("lblLegend"));
    m_legend->setWordWrap(true);
    m_legend->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* texts = new LanguageFollower(this);
    texts->add([=, this, origin = context.origin] {
        const QString title = full ? tr("Multi Monitoring") : tr("Multi Monitoring - PV");
        setWindowTitle(origin.isEmpty() ? title : title + QStringLiteral(" - ") + origin);
        QVector<SpanHeaderView::Cell> cells;
        for (const MultiGrid::HeaderCell& c : m_logic.headerCells())
            cells.append({c.level, m_model->modelColumn(c.column), c.levelSpan, c.columnSpan,
                          c.caption ? tr(c.text.toLatin1().constData()) : c.text});
        m_header->setCells(m_logic.headerLevels(), cells);
        if (corner)
            corner->update();
        m_close->setText(tr("&Close"));
        m_legend->setText(
            full ? tr("COMM green: the meter answers, red: it does not (its values grey, "
                      "as last read).  DI, RELAY green: on.  ALARM red: on.  Black: the "
                      "meter has no such channel, input or relay.  ----.- : no valid "
                      "value.")
                 : tr("Light green and white in the first columns: every other meter, "
                      "for reading across.  Black: a channel the meter does not have.  "
                      "----.- : no valid value.  COMM: O the meter answers, X it does not "
                      "(its values grey, as last read)."));
        m_view->setToolTip(m_legend->text());
        if (!m_warning->isHidden())
            m_warning->setText(staleText());
        placeChildren();
    });

    if (context.tables) {
        // Only the moment of the last change is noted here; the grid is filled on the timer.
        connect(&context.tables->sprdMON, &TextTable::cellsChanged, this, [this] {
            m_lastChangeMs = nowMs();
            m_lastChangeTime.clear();
        });
    }
    m_lastChangeMs = nowMs();

    m_timer.setInterval(500);
    connect(&m_timer, &QTimer::timeout, this, &MultiMonitor::tmrRefresh_Timer);
    m_timer.start();
    applyColumnLayout();
    tmrRefresh_Timer();
    fitToGrid();
}

void MultiMonitor::fitToGrid() {
    // As wide and tall as the grid wants, within the screen.
    int w = std::max(m_view->verticalHeader()->sizeHint().width(),
                     m_view->verticalHeader()->minimumWidth()) +
            2 * m_view->frameWidth() + 4;
    for (int c = 0; c < m_model->columnCount(); ++c)
        if (!m_view->isColumnHidden(c))
            w += m_view->columnWidth(c);
    const int rows = std::clamp(m_grid.rowCount(), 8, 20);
    int h = m_header->sizeHint().height() + rows * m_view->verticalHeader()->defaultSectionSize() +
            2 * m_view->frameWidth() + m_view->horizontalScrollBar()->sizeHint().height();
    w += twips(345);
    h += twips(1185);
    m_preferredSize = QSize(w, h);
    QSize limit(1600, 900);
    if (const QScreen* s = screen())
        limit = s->availableGeometry().size() * 0.95;
    resize(std::min(w, limit.width()), std::min(h, limit.height()));
}

QSize MultiMonitor::sizeHint() const {
    return m_preferredSize.isValid() ? m_preferredSize : QDialog::sizeHint();
}

qint64 MultiMonitor::nowMs() const {
    return m_context.clock ? m_context.clock->nowMs() : QDateTime::currentMSecsSinceEpoch();
}

int MultiMonitor::twips(int value) const {
    return int(std::lround(value * logicalDpiX() / 1440.0));
}

void MultiMonitor::applyColumnLayout() {
    for (int c = 1; c <= m_grid.columnCount(); ++c) {
        int width = 26; // inputs and relays
        if (c == MultiGrid::CommColumn)
            width = 60;
        else if (c < MultiGrid::InputColumn)
            width = 88;
        else if (c >= MultiGrid::AlarmColumn)
            width = 20;
        const int column = m_model->modelColumn(c);
        if (m_view->columnWidth(column) != width)
            m_view->setColumnWidth(column, width);
        if (m_view->isColumnHidden(column) != m_grid.isColumnHidden(c))
            m_view->setColumnHidden(column, m_grid.isColumnHidden(c));
    }
    m_header->viewport()->update();
}

void MultiMonitor::tmrRefresh_Timer() {
    if (m_context.tables)
        m_logic.refresh(m_grid, *m_context.tables);

    const qint64 quiet = nowMs() - m_lastChangeMs;
    if (quiet >= StaleAfterMs && m_grid.rowCount() > 0) {
        if (m_lastChangeTime.isEmpty()) {
            const QDateTime now =
                m_context.clock ? m_context.clock->currentDateTime() : QDateTime::currentDateTime();
            m_lastChangeTime = now.addMSecs(-quiet).toString(QStringLiteral("HH:mm:ss"));
        }
        m_warning->setText(staleText());
        m_warning->show();
    } else {
        m_warning->hide();
    }
    placeChildren();
}

QString MultiMonitor::staleText() const {
    return tr("No new data since %1 \u2014 the values shown are not live").arg(m_lastChangeTime);
}

QString MultiMonitor::legendText() const {
    return m_legend->text();
}

QString MultiMonitor::warningText() const {
    return m_warning->isHidden() ? QString() : m_warning->text();
}

void MultiMonitor::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placeChildren();
}

void MultiMonitor::placeChildren() {
    if (isMinimized())
        return;
    // The grid takes the window less a margin at the sides and a band below for the button.
    const int w = std::max(100, width() - twips(345));
    const int h = std::max(60, height() - twips(1185));
    const int left = (width() - w) / 2;
    const int top = twips(120);
    m_view->setGeometry(left, top, w, h);
    const QSize button(std::max(100, m_close->sizeHint().width()), 32);
    const int buttonTop = top + h + (height() - top - h - button.height()) / 2;
    m_close->setGeometry(left + w - button.width(), buttonTop, button.width(), button.height());
    // Left of the button the legend, or in its place the warning while the values are stale.
    const int room = std::max(60, w - button.width() - 12);
    const QSize warn = m_warning->sizeHint();
    m_warning->setGeometry(left, buttonTop + (button.height() - warn.height()) / 2,
                           std::min(warn.width(), room), warn.height());
    const int bandTop = top + h + 2;
    m_legend->setGeometry(left, bandTop, room, std::max(button.height(), height() - bandTop - 2));
    m_legend->setVisible(m_warning->isHidden());
}
