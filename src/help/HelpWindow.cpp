#include "help/HelpWindow.h"

#include "help/Guide.h"
#include "help/HelpBrowser.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kPageRole = Qt::UserRole;
} // namespace

HelpWindow::HelpWindow(const Guide& guide, QWidget* parent)
    : QMainWindow(parent)
    , m_guide(&guide) {
    setObjectName(QStringLiteral("HelpWindow"));

    m_browser = new HelpBrowser(*m_guide, this);

    m_contents = new QTreeWidget(this);
    m_contents->setObjectName(QStringLiteral("contentsTree"));
    m_contents->setHeaderHidden(true);
    m_contents->setRootIsDecorated(true);
    m_contents->setUniformRowHeights(true);
    buildContents();

    auto* searchPane = new QWidget(this);
    m_query = new QLineEdit(searchPane);
    m_query->setObjectName(QStringLiteral("helpQuery"));
    m_query->setClearButtonEnabled(true);
    m_resultCount = new QLabel(searchPane);
    m_resultCount->setWordWrap(true);
    m_results = new QListWidget(searchPane);
    m_results->setObjectName(QStringLiteral("helpResults"));
    m_results->setWordWrap(true);
    m_results->setSpacing(2);
    auto* searchLayout = new QVBoxLayout(searchPane);
    searchLayout->setContentsMargins(4, 4, 4, 4);
    searchLayout->addWidget(m_query);
    searchLayout->addWidget(m_resultCount);
    searchLayout->addWidget(m_results, 1);

    m_side = new QTabWidget(this);
    m_side->addTab(m_contents, QString());
    m_side->addTab(searchPane, QString());

    auto* split = new QSplitter(this);
    split->addWidget(m_side);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
    setCentralWidget(split);

    m_bar = addToolBar(QString());
    m_bar->setObjectName(QStringLiteral("helpToolBar"));
    m_bar->setMovable(false);
    m_bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_back = m_bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QString());
    m_back->setObjectName(QStringLiteral("helpBack"));
    m_back->setShortcuts(QKeySequence::Back);
    m_back->setEnabled(false);
    m_forward = m_bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QString());
    m_forward->setObjectName(QStringLiteral("helpForward"));
    m_forward->setShortcuts(QKeySequence::Forward);
    m_forward->setEnabled(false);
    m_home = m_bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QString());
    m_home->setObjectName(QStringLiteral("helpContents"));
    m_home->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    m_bar->addSeparator();
    m_find = m_bar->addAction(QString());
    m_find->setObjectName(QStringLiteral("helpSearch"));
    m_find->setShortcuts(QKeySequence::Find);
    m_print = m_bar->addAction(QString());
    m_print->setObjectName(QStringLiteral("helpPrint"));
    m_print->setShortcuts(QKeySequence::Print);
    retranslate();

    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_home, &QAction::triggered, this, [this] { showPage(); });
    connect(m_find, &QAction::triggered, this, [this] {
        m_side->setCurrentIndex(1);
        m_query->setFocus();
        m_query->selectAll();
    });
    connect(m_print, &QAction::triggered, this, &HelpWindow::printPage);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::followPage);
    connect(m_contents, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { showPage(item->data(0, kPageRole).toString()); });
    connect(m_contents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { showPage(item->data(0, kPageRole).toString()); });
    // The results follow the typing, after a short pause.
    auto* typing = new QTimer(this);
    typing->setSingleShot(true);
    typing->setInterval(250);
    connect(m_query, &QLineEdit::textChanged, typing, qOverload<>(&QTimer::start));
    connect(typing, &QTimer::timeout, this, [this] { search(m_query->text()); });
    connect(m_query, &QLineEdit::returnPressed, this, [this, typing] {
        typing->stop();
        search(m_query->text());
        openResult(0);
    });
    connect(m_results, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openResult(m_results->row(item)); });
    connect(m_results, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { openResult(m_results->row(item)); });

    const int unit = fontMetrics().height();
    m_side->setMinimumWidth(unit * 12);
    split->setSizes({unit * 16, unit * 46});
    resize(unit * 64, unit * 44);
}

void HelpWindow::retranslate() {
    m_query->setPlaceholderText(tr("Words to find"));
    m_side->setTabText(0, tr("Contents"));
    m_side->setTabText(1, tr("Search"));
    m_bar->setWindowTitle(tr("Navigation"));
    m_back->setText(tr("Back"));
    m_forward->setText(tr("Forward"));
    m_home->setText(tr("Contents"));
    m_find->setText(tr("Search"));
    m_print->setText(tr("Print..."));
    followPage(m_browser->source());
    fillResults();
}

void HelpWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    setGuide(Guide::instance());
    retranslate();
}

void HelpWindow::setGuide(const Guide& guide) {
    if (&guide == m_guide)
        return;
    m_guide = &guide;
    m_contents->clear();
    buildContents();
    // The page shows again in the new guide and is marked in the new contents.
    m_browser->setGuide(guide);
    fillResults();
}

void HelpWindow::buildContents() {
    for (const Guide::Page& page : m_guide->pages()) {
        auto* item = new QTreeWidgetItem(m_contents, {page.title});
        item->setData(0, kPageRole, page.file);
        item->setToolTip(0, page.description);
        for (const Guide::Heading& h : page.headings) {
            if (h.anchor.isEmpty())
                continue;
            auto* child = new QTreeWidgetItem(item, {h.text});
            child->setData(0, kPageRole, page.file + u'#' + h.anchor);
        }
    }
}

void HelpWindow::showPage(const QString& pageAndAnchor) {
    const QUrl url = m_guide->urlOf(pageAndAnchor);
    // The same page again only moves to the anchor: no new step in the history.
    if (m_browser->source().adjusted(QUrl::RemoveFragment) == url.adjusted(QUrl::RemoveFragment) &&
        url.hasFragment()) {
        m_browser->scrollToAnchor(url.fragment());
        return;
    }
    m_browser->setSource(url);
}

QString HelpWindow::currentPage() const {
    return m_guide->pageOf(m_browser->source());
}

QString HelpWindow::currentAnchor() const {
    return m_browser->source().fragment();
}

void HelpWindow::followPage(const QUrl& source) {
    // The page the browser moves to: its source() may still name the one before.
    const QString page = m_guide->pageOf(source);
    const Guide::Page* p = m_guide->page(page);
    setWindowTitle(p ? tr("TD700 Help - %1").arg(p->title) : tr("TD700 Help"));
    // The contents show where the reader is.
    for (int i = 0; i < m_contents->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_contents->topLevelItem(i);
        if (item->data(0, kPageRole).toString() == page) {
            m_contents->setCurrentItem(item);
            break;
        }
    }
}

void HelpWindow::search(const QString& query) {
    if (m_query->text() != query) {
        const QSignalBlocker quiet(m_query);
        m_query->setText(query);
    }
    m_side->setCurrentIndex(1);
    m_lastTerms = Guide::searchTerms(query);
    fillResults();
}

void HelpWindow::fillResults() {
    m_results->clear();
    if (m_lastTerms.isEmpty()) {
        m_resultCount->clear();
        return;
    }
    const QList<Guide::Hit> hits = m_guide->search(m_query->text());
    for (const Guide::Hit& hit : hits) {
        auto* item = new QListWidgetItem(hit.title + u'\n' + hit.snippet, m_results);
        item->setData(kPageRole, hit.file);
        item->setToolTip(hit.snippet);
    }
    m_resultCount->setText(hits.isEmpty()     ? tr("No page holds all of these words.")
                           : hits.size() == 1 ? tr("1 page")
                                              : tr("%1 pages").arg(hits.size()));
}

void HelpWindow::openResult(int index) {
    QListWidgetItem* item = m_results->item(index);
    if (!item)
        return;
    m_results->setCurrentItem(item);
    const QString page = item->data(kPageRole).toString();
    if (currentPage() != page)
        m_browser->setSource(m_guide->urlOf(page));
    m_browser->highlight(m_lastTerms);
}

void HelpWindow::printPage() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print this page"));
    if (dialog.exec() == QDialog::Accepted)
        m_browser->print(&printer);
}
