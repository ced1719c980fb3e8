#include "viewer/GraphViewerWindow.h"

#include "core/FileWrite.h"
#include "core/PrintableText.h"
#include "dataview/TimeTicks.h"
#include "logging/DataFileExport.h"
#include "logging/DataTime.h"
#include "viewer/ChannelTable.h"
#include "viewer/EventListModel.h"
#include "viewer/HeaderText.h"
#include "viewer/PlotSettings.h"
#include "viewer/TracePlot.h"
#include "widgets/LanguageFollower.h"
#include "widgets/ScreenFit.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

namespace {

constexpr int kFollowMs = 1000;

struct SpanChoice {
    const char* label;
    double seconds; // 0: all
};
constexpr SpanChoice kSpans[] = {{QT_TRANSLATE_NOOP("GraphViewerWindow", "1 min"), 60},
                                 {QT_TRANSLATE_NOOP("GraphViewerWindow", "10 min"), 600},
                                 {QT_TRANSLATE_NOOP("GraphViewerWindow", "1 hour"), 3600},
                                 {QT_TRANSLATE_NOOP("GraphViewerWindow", "8 hours"), 28800},
                                 {QT_TRANSLATE_NOOP("GraphViewerWindow", "1 day"), 86400},
                                 {QT_TRANSLATE_NOOP("GraphViewerWindow", "1 week"), 604800},
                                 {QT_TRANSLATE_NOOP("GraphViewerWindow", "All"), 0}};

// Going to an alarm in a view of more than this shows an hour around it.
constexpr double kAlarmSpan = 3600;

} // namespace

GraphViewerWindow::GraphViewerWindow(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("GraphViewerWindow"));
    m_texts = new LanguageFollower(this);
    buildUi();
    buildActions();
    m_followTimer = new QTimer(this);
    m_followTimer->setInterval(kFollowMs);
    connect(m_followTimer, &QTimer::timeout, this, &GraphViewerWindow::followOnce);
    showTimeLine(true);
    resize(1280, 760);
    FitToScreen(*this);
}

GraphViewerWindow::~GraphViewerWindow() = default;

int GraphViewerWindow::runDialog(QDialog& dialog) {
    return m_runDialog ? m_runDialog(dialog) : dialog.exec();
}

void GraphViewerWindow::buildUi() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 0);
    column->setSpacing(4);
    m_message = new QLabel(central);
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_message->hide();
    column->addWidget(m_message);

    auto* splitter = new QSplitter(Qt::Horizontal, central);
    m_plot = new TracePlot(splitter);
    splitter->addWidget(m_plot);

    m_tabs = new QTabWidget(splitter);
    m_tabs->setObjectName(QStringLiteral("tabSide"));
    m_channels = new ChannelTable(m_tabs);
    m_tabs->addTab(m_channels, QString());
    m_header = new QTextBrowser(m_tabs);
    m_header->setObjectName(QStringLiteral("txtHeader"));
    m_header->setOpenLinks(false);
    m_tabs->addTab(m_header, QString());

    auto* eventsPage = new QWidget(m_tabs);
    auto* eventsColumn = new QVBoxLayout(eventsPage);
    eventsColumn->setContentsMargins(2, 4, 2, 2);
    m_eventFilter = new QComboBox(eventsPage);
    m_eventFilter->addItems({QString(), QString(), QString()});
    eventsColumn->addWidget(m_eventFilter);
    m_events = new EventListModel(this);
    m_eventView = new QTableView(eventsPage);
    m_eventView->setObjectName(QStringLiteral("sprdEvents"));
    m_eventView->setModel(m_events);
    m_eventView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_eventView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_eventView->verticalHeader()->hide();
    m_eventView->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_eventView->horizontalHeader()->setStretchLastSection(true);
    m_eventView->setWordWrap(false);
    eventsColumn->addWidget(m_eventView);
    m_tabs->addTab(eventsPage, QString());
    splitter->addWidget(m_tabs);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({820, 460});
    column->addWidget(splitter, 1);
    setCentralWidget(central);
    m_texts->add([this] {
        m_plot->setEmptyText(tr("Open data files (.TDD) with File \u25B8 Open (Ctrl+O).\n"
                                "Daily files of one meter are shown as one time line."));
        m_tabs->setTabText(0, tr("Channels"));
        m_tabs->setTabText(1, tr("Header"));
        m_tabs->setTabText(2, tr("Events"));
        const char* const filters[] = {QT_TR_NOOP("Alarms and gaps"), QT_TR_NOOP("Alarms"),
                                       QT_TR_NOOP("Gaps")};
        for (int i = 0; i < 3; ++i)
            m_eventFilter->setItemText(i, tr(filters[i]));
    });

    m_viewLabel = new QLabel(this);
    m_viewLabel->setObjectName(QStringLiteral("lblView"));
    m_cursorLabel = new QLabel(this);
    m_cursorLabel->setObjectName(QStringLiteral("lblCursor"));
    statusBar()->addWidget(m_viewLabel, 1);
    statusBar()->addPermanentWidget(m_cursorLabel);

    // A file cut short by another program while it is shown is read again before the picture
    // touches records that are no longer there.
    m_plot->setBeforeDrawing([this] { rereadCutFiles(); });
    connect(m_plot, &TracePlot::viewChanged, this, [this] { updateViewText(); });
    connect(m_plot, &TracePlot::cursorMoved, this, &GraphViewerWindow::onCursorMoved);
    connect(m_channels, &ChannelTable::shownChanged, this, [this](int channel, bool shown) {
        PlotSettings s = m_plot->settings();
        for (PlotChannel& c : s.channels)
            if (c.channel == channel)
                c.shown = shown;
        m_plot->setSettings(s);
    });
    connect(m_channels, &ChannelTable::axisChannelChosen, this, [this](int channel) {
        PlotSettings s = m_plot->settings();
        s.axisChannel = channel;
        m_plot->setSettings(s);
    });
    connect(m_eventFilter, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_events->setEvents(m_line, EventListModel::Filter(index));
        m_eventView->resizeColumnToContents(EventListModel::Time);
    });
    connect(m_eventView, &QTableView::activated, this, [this](const QModelIndex& index) {
        if (index.isValid())
            goToEvent(m_events->event(index.row()));
    });
}

void GraphViewerWindow::buildActions() {
    QMenu* file = menuBar()->addMenu(QString());
    QAction* open = file->addAction(QString(), this, [this] { chooseFiles(false); });
    open->setShortcut(QKeySequence::Open);
    QAction* add = file->addAction(QString(), this, [this] { chooseFiles(true); });
    file->addSeparator();
    QAction* csv = file->addAction(QString(), this, &GraphViewerWindow::chooseCsvPath);
    csv->setShortcut(Qt::CTRL | Qt::Key_E);
    m_bomAction = file->addAction(QString());
    m_bomAction->setObjectName(QStringLiteral("actCsvBom"));
    m_bomAction->setCheckable(true);
    m_bomAction->setChecked(true);
    QAction* png = file->addAction(QString(), this, &GraphViewerWindow::choosePngPath);
    png->setShortcut(Qt::CTRL | Qt::Key_P);
    file->addSeparator();
    QAction* close = file->addAction(QString(), this, &QWidget::close);
    close->setShortcut(QKeySequence::Close);

    QMenu* view = menuBar()->addMenu(QString());
    QAction* fit = view->addAction(QString(), m_plot, &TracePlot::fitAll);
    fit->setShortcuts({QKeySequence(Qt::Key_F), QKeySequence(Qt::Key_0)});
    QAction* zoomIn = view->addAction(QString(), this, [this] { m_plot->zoom(0.5); });
    zoomIn->setShortcuts(QKeySequence::ZoomIn);
    QAction* zoomOut = view->addAction(QString(), this, [this] { m_plot->zoom(2.0); });
    zoomOut->setShortcuts(QKeySequence::ZoomOut);
    view->addSeparator();
    QAction* previous = view->addAction(QString(), this, [this] { goToAlarm(false); });
    previous->setShortcut(Qt::CTRL | Qt::Key_Left);
    QAction* next = view->addAction(QString(), this, [this] { goToAlarm(true); });
    next->setShortcut(Qt::CTRL | Qt::Key_Right);
    view->addSeparator();
    m_followAction = view->addAction(QString());
    m_followAction->setCheckable(true);
    connect(m_followAction, &QAction::toggled, this, &GraphViewerWindow::setFollowing);
    m_whiteAction = view->addAction(QString());
    m_whiteAction->setCheckable(true);
    connect(m_whiteAction, &QAction::toggled, this, [this](bool on) {
        PlotSettings s = m_plot->settings();
        s.whiteBackground = on;
        m_plot->setSettings(s);
    });

    QToolBar* bar = addToolBar(QString());
    bar->setObjectName(QStringLiteral("barViewer"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addAction(open);
    bar->addAction(csv);
    bar->addAction(png);
    bar->addSeparator();
    bar->addAction(fit);
    bar->addAction(zoomIn);
    bar->addAction(zoomOut);
    m_span = new QComboBox(bar);
    m_span->setObjectName(QStringLiteral("cmbSpan"));
    for (const SpanChoice& c : kSpans)
        m_span->addItem(QString(), c.seconds);
    m_span->setCurrentIndex(-1);
    connect(m_span, &QComboBox::activated, this, [this](int index) {
        const double seconds = m_span->itemData(index).toDouble();
        if (seconds <= 0) {
            m_plot->fitAll();
            return;
        }
        const double middle = (m_plot->viewFrom() + m_plot->viewTo()) / 2;
        m_plot->setView(middle - seconds / 2, middle + seconds / 2);
    });
    bar->addWidget(m_span);
    bar->addSeparator();
    bar->addAction(previous);
    bar->addAction(next);
    bar->addSeparator();
    bar->addAction(m_followAction);
    m_needData = {csv, png, fit, zoomIn, zoomOut, previous, next};

    m_texts->add([=, this] {
        file->setTitle(tr("&File"));
        open->setText(tr("&Open..."));
        add->setText(tr("&Add Files..."));
        csv->setText(tr("Export Shown Span to &CSV..."));
        m_bomAction->setText(tr("CSV with a UTF-8 &Byte-Order Mark (for spreadsheets)"));
        m_bomAction->setToolTip(tr("Spreadsheets read °C and Korean channel names right only "
                                   "with the mark"));
        png->setText(tr("Save &Picture as PNG..."));
        close->setText(tr("&Close"));
        view->setTitle(tr("&View"));
        fit->setText(tr("&Fit All"));
        zoomIn->setText(tr("Zoom &In"));
        zoomOut->setText(tr("Zoom &Out"));
        previous->setText(tr("&Previous Alarm"));
        next->setText(tr("&Next Alarm"));
        m_followAction->setText(tr("F&ollow Growing Files"));
        m_whiteAction->setText(tr("&White Background"));
        bar->setWindowTitle(tr("Viewer"));
        for (int i = 0; i < m_span->count(); ++i)
            m_span->setItemText(i, tr(kSpans[i].label));
        m_span->setPlaceholderText(tr("Span"));
        m_span->setToolTip(tr("Show this much time around the middle of the view"));
    });
}

void GraphViewerWindow::changeEvent(QEvent* event) {
    // What the window shows of the files is said anew in the new language: the title, the
    // span, the header, the events, the channels, the bands and the cursor.
    if (event->type() == QEvent::LanguageChange && m_plot) {
        showTimeLine(false);
        onCursorMoved(m_plot->cursorTime());
    }
    QMainWindow::changeEvent(event);
}

bool GraphViewerWindow::chooseFiles(bool add) {
    QFileDialog dialog(this, add ? tr("Add Data Files") : tr("Open Data Files"), m_startFolder,
                       tr("TD700 Data Files (*.TDD *.tdd);;All Files (*)"));
    dialog.setObjectName(QStringLiteral("dlgOpenDataFiles"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    m_startFolder = QFileInfo(dialog.selectedFiles().front()).absolutePath();
    return add ? addFiles(dialog.selectedFiles()) : openFiles(dialog.selectedFiles());
}

bool GraphViewerWindow::openFiles(const QStringList& paths) {
    m_line.clear();
    return addFiles(paths);
}

bool GraphViewerWindow::addFiles(const QStringList& paths) {
    const bool wasEmpty = !m_line.hasRecords();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const int added = m_line.add(paths);
    QGuiApplication::restoreOverrideCursor();
    showTimeLine(wasEmpty || added > 0);
    return added > 0;
}

void GraphViewerWindow::showTimeLine(bool fit) {
    PlotSettings settings = PlotSettings::forTimeLine(m_line);
    const PlotSettings& old = m_plot->settings();
    // Keep what the user chose while the same channels are shown.
    if (old.channels.size() == settings.channels.size()) {
        for (size_t i = 0; i < settings.channels.size(); ++i)
            settings.channels[i].shown = old.channels[i].shown;
        settings.axisChannel = old.axisChannel;
    }
    settings.whiteBackground = m_whiteAction && m_whiteAction->isChecked();
    m_channels->setChannels(settings);
    m_plot->setSettings(settings);
    if (fit)
        m_plot->setTimeLine(&m_line);
    else
        m_plot->timeLineChanged();
    m_header->setHtml(HeaderHtml(m_line));
    m_events->setEvents(m_line, EventListModel::Filter(std::max(0, m_eventFilter->currentIndex())));
    m_eventView->resizeColumnToContents(EventListModel::Time);
    for (QAction* a : std::as_const(m_needData))
        a->setEnabled(m_line.hasRecords());
    m_span->setEnabled(m_line.hasRecords());
    showMessages(m_line.messages());
    updateTitle();
    updateViewText();
}

void GraphViewerWindow::showMessages(const QStringList& messages, bool error) {
    if (messages.isEmpty()) {
        m_message->hide();
        return;
    }
    QStringList shown = messages.mid(0, 3);
    QString text = shown.join(u'\n');
    if (messages.size() > shown.size())
        text += u'\n' + tr("(%1 more notes in the Header tab)").arg(messages.size() - shown.size());
    m_message->setText(text);
    m_message->setStyleSheet(error ? QStringLiteral("QLabel { background: #f8d0c8; color: #600; "
                                                    "padding: 4px; border: 1px solid #c06050; }")
                                   : QStringLiteral("QLabel { background: #fff3c4; color: #402c00; "
                                                    "padding: 4px; border: 1px solid #d8b850; }"));
    m_message->show();
}

QString GraphViewerWindow::messageText() const {
    return m_message->isVisible() ? m_message->text() : QString();
}

void GraphViewerWindow::updateTitle() {
    QString what;
    const auto& files = m_line.files();
    if (files.size() == 1)
        what = QFileInfo(files.front()->path).fileName();
    else if (!files.empty())
        what =
            tr("%1 files from %2").arg(files.size()).arg(QFileInfo(files.front()->path).fileName());
    setWindowTitle(what.isEmpty() ? tr("TD700 Graph Viewer")
                                  : tr("TD700 Graph Viewer - %1").arg(PrintableText(what)));
}

QString GraphViewerWindow::viewText() const {
    if (!m_line.hasRecords())
        return tr("No data");
    const double from = m_plot->viewFrom(), to = m_plot->viewTo();
    const qsizetype files = m_line.files().size();
    const QString text =
        (files == 1 ? tr("Shown: %1 to %2 (%3)   %4 records in 1 file")
                    : tr("Shown: %1 to %2 (%3)   %4 records in %5 files"))
            .arg(DataTime::text(qint64(std::floor(from))), DataTime::text(qint64(std::ceil(to))),
                 SpanText(to - from), QLocale().toString(m_line.recordCount()));
    return files == 1 ? text : text.arg(files);
}

void GraphViewerWindow::updateViewText() {
    m_viewLabel->setText(viewText());
    const double span = m_plot->viewTo() - m_plot->viewFrom();
    int match = -1;
    for (int i = 0; i < m_span->count(); ++i)
        if (std::abs(m_span->itemData(i).toDouble() - span) < 0.5)
            match = i;
    m_span->setCurrentIndex(match);
}

void GraphViewerWindow::rereadCutFiles() {
    if (!m_line.anyFileCutShort())
        return;
    m_line.refresh(false);
    m_plot->timeLineChanged();
    QTimer::singleShot(0, this, [this] { showTimeLine(false); });
}

void GraphViewerWindow::onCursorMoved(std::optional<double> time) {
    rereadCutFiles();
    if (!time || !m_line.hasRecords()) {
        m_cursorLabel->clear();
        return;
    }
    const auto ref = m_line.recordAt(qint64(std::floor(*time)));
    m_channels->showValues(m_line, ref);
    m_cursorLabel->setText(
        ref ? tr("Cursor: %1 (record at %2)")
                  .arg(DataTime::text(qint64(std::floor(*time))), DataTime::text(ref->time).mid(11))
            : tr("Cursor: %1 (no data)").arg(DataTime::text(qint64(std::floor(*time)))));
}

QString GraphViewerWindow::suggestedName(const QString& extension) const {
    QString base = QStringLiteral("TD700");
    if (!m_line.isEmpty())
        base = QFileInfo(m_line.files().front()->path).completeBaseName();
    const auto stamp = [](double t) {
        return DataTime::text(qint64(std::floor(t)))
            .remove(u'-')
            .remove(u':')
            .replace(u' ', u'-')
            .left(13);
    };
    return QStringLiteral("%1_%2_%3.%4")
        .arg(base, stamp(m_plot->viewFrom()), stamp(m_plot->viewTo()).mid(9), extension);
}

void GraphViewerWindow::saveThroughDialog(const SaveTarget& target) {
    QFileDialog dialog(this, target.title,
                       QDir(m_startFolder).filePath(suggestedName(target.extension)),
                       target.filter);
    dialog.setObjectName(target.dialogName);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(target.extension);
    if (runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString error;
    const QString path = dialog.selectedFiles().front();
    const QString shown = QDir::toNativeSeparators(path);
    if (target.write(path, &error))
        statusBar()->showMessage(tr("Written: %1").arg(shown), 8000);
    else
        showMessages({target.failed.arg(shown, error)}, true);
}

void GraphViewerWindow::chooseCsvPath() {
    saveThroughDialog(
        {tr("Export Shown Span to CSV"), QStringLiteral("csv"), tr("CSV Files (*.csv)"),
         QStringLiteral("dlgExportCsv"), tr("The CSV file %1 was not written: %2"),
         [this](const QString& path, QString* error) { return exportShownCsv(path, error); }});
}

void GraphViewerWindow::choosePngPath() {
    saveThroughDialog(
        {tr("Save Picture as PNG"), QStringLiteral("png"), tr("PNG Pictures (*.png)"),
         QStringLiteral("dlgSavePng"), tr("The picture %1 was not written: %2"),
         [this](const QString& path, QString* error) { return savePicture(path, error); }});
}

bool GraphViewerWindow::exportShownCsv(const QString& path, QString* error) {
    rereadCutFiles();
    if (!m_line.hasRecords()) {
        if (error)
            *error = tr("no data is shown");
        return false;
    }
    CsvOptions options;
    options.byteOrderMark = csvByteOrderMark();
    options.from = qint64(std::floor(m_plot->viewFrom()));
    options.to = qint64(std::ceil(m_plot->viewTo()));
    for (const PlotChannel& c : m_plot->settings().channels)
        if (c.shown)
            options.channels << c.channel;
    if (options.channels.isEmpty())
        for (const PlotChannel& c : m_plot->settings().channels)
            options.channels << c.channel;
    // The files that hold records of the span, earliest first.
    QList<DataFileReader*> readers;
    for (int f = 0; f < int(m_line.files().size()); ++f) {
        const TimeLineFile& file = *m_line.files()[size_t(f)];
        const bool overlaps =
            std::any_of(file.segments.begin(), file.segments.end(), [&](const TimeSegment& s) {
                return s.t1 >= *options.from && s.t0 <= *options.to;
            });
        if (overlaps)
            readers << &m_line.readerToReadThrough(f);
    }
    if (readers.isEmpty())
        readers << &m_line.readerToReadThrough(0);
    return ExportCsvFile(readers, path, options, error);
}

bool GraphViewerWindow::savePicture(const QString& path, QString* error) {
    const QString title = windowTitle().section(QStringLiteral(" - "), 1) + QStringLiteral("   ") +
                          viewText().section(QStringLiteral("   "), 0, 0);
    const QImage image = m_plot->render(
        QSize(std::max(m_plot->width(), 1200), std::max(m_plot->height(), 700)), title);
    // Written like every file the program writes: whole or not at all.
    FileOutput out(path);
    if (!out.open() || !image.save(&out.device(), "PNG")) {
        if (error)
            *error = out.errorString().isEmpty() ? out.device().errorString() : out.errorString();
        out.cancel();
        return false;
    }
    if (!out.commit()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return true;
}

void GraphViewerWindow::setCsvByteOrderMark(bool on) {
    m_bomAction->setChecked(on);
}

bool GraphViewerWindow::csvByteOrderMark() const {
    return m_bomAction->isChecked();
}

void GraphViewerWindow::setWhiteBackground(bool on) {
    m_whiteAction->setChecked(on);
}

void GraphViewerWindow::setFollowing(bool on) {
    if (m_followAction->isChecked() != on)
        m_followAction->setChecked(on);
    if (on) {
        m_followTimer->start();
        followOnce();
        if (m_line.hasRecords()) {
            // Bring the newest records into view.
            const double span = m_plot->viewTo() - m_plot->viewFrom();
            const double last = double(m_line.lastTime());
            m_plot->setView(last - span * 0.95, last + span * 0.05);
        }
    } else {
        m_followTimer->stop();
    }
}

bool GraphViewerWindow::isFollowing() const {
    return m_followTimer->isActive();
}

void GraphViewerWindow::followOnce() {
    const bool hadRecords = m_line.hasRecords();
    const double lastBefore = double(m_line.lastTime());
    const double span = m_plot->viewTo() - m_plot->viewFrom();
    // The view runs along with the newest record while it shows it.
    const bool atEnd = hadRecords && m_plot->viewTo() >= lastBefore;
    if (!m_line.refresh(true))
        return;
    showTimeLine(!hadRecords);
    if (atEnd && m_line.hasRecords()) {
        const double last = double(m_line.lastTime());
        m_plot->setView(last - span * 0.95, last + span * 0.05);
    }
}

bool GraphViewerWindow::goToAlarm(bool forward) {
    const double middle = (m_plot->viewFrom() + m_plot->viewTo()) / 2;
    const TimeLineEvent* found = nullptr;
    for (const TimeLineEvent& e : m_line.events()) {
        if (e.kind != TimeLineEvent::Kind::AlarmOn)
            continue;
        if (forward && double(e.time) > middle + 0.5) {
            found = &e;
            break;
        }
        if (!forward && double(e.time) < middle - 0.5)
            found = &e;
    }
    if (!found) {
        statusBar()->showMessage(
            forward ? tr("No alarm comes on later") : tr("No alarm came on earlier"), 5000);
        return false;
    }
    goToEvent(*found);
    return true;
}

void GraphViewerWindow::goToEvent(const TimeLineEvent& e) {
    double span = m_plot->viewTo() - m_plot->viewFrom();
    if (e.kind == TimeLineEvent::Kind::NoData) {
        // The silence with the same length again on either side.
        const double length = std::max(double(e.until - e.time), 60.0);
        m_plot->setView(double(e.time) - length, double(e.until) + length);
    } else {
        if (span > kAlarmSpan)
            span = kAlarmSpan;
        m_plot->setView(double(e.time) - span / 2, double(e.time) + span / 2);
    }
    m_plot->setCursorTime(double(e.time));
    const int row = m_events->rowAtOrAfter(e.time);
    if (row >= 0) {
        m_eventView->selectRow(row);
        m_eventView->scrollTo(m_events->index(row, 0));
    }
}
