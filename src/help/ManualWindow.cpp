#include "help/ManualWindow.h"

#include "core/FileWrite.h"
#include "help/Guide.h"
#include "help/ManualDocument.h"
#include "help/ViewPlace.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QStyle>
#include <QTextBrowser>
#include <QTextCursor>
#include <QToolBar>

ManualWindow::ManualWindow(const Guide& guide, QWidget* parent)
    : QMainWindow(parent)
    , m_guide(&guide) {
    setObjectName(QStringLiteral("ManualWindow"));
    m_view = new QTextBrowser(this);
    m_view->setObjectName(QStringLiteral("manualView"));
    m_view->setOpenExternalLinks(true);
    m_view->document()->setDocumentMargin(fontMetrics().height() * 2);
    LoadManual(*m_guide, *m_view->document());
    // The document opens at its title, not where loading left the cursor.
    m_view->setTextCursor(QTextCursor(m_view->document()));
    setCentralWidget(m_view);

    m_bar = addToolBar(QString());
    m_bar->setObjectName(QStringLiteral("manualToolBar"));
    m_bar->setMovable(false);
    m_bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_top = m_bar->addAction(style()->standardIcon(QStyle::SP_ArrowUp), QString());
    m_top->setObjectName(QStringLiteral("manualContents"));
    m_top->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Home));
    m_bar->addSeparator();
    m_print = m_bar->addAction(QString());
    m_print->setObjectName(QStringLiteral("manualPrint"));
    m_print->setShortcuts(QKeySequence::Print);
    m_pdf = m_bar->addAction(QString());
    m_pdf->setObjectName(QStringLiteral("manualSavePdf"));
    m_pdf->setShortcuts(QKeySequence::Save);
    retranslate();
    connect(m_top, &QAction::triggered, this, [this] {
        QTextCursor start(m_view->document());
        m_view->setTextCursor(start);
        m_view->ensureCursorVisible();
    });
    connect(m_print, &QAction::triggered, this, &ManualWindow::print);
    connect(m_pdf, &QAction::triggered, this, &ManualWindow::saveAsPdf);

    const int unit = fontMetrics().height();
    resize(unit * 52, unit * 46);
}

void ManualWindow::retranslate() {
    setWindowTitle(tr("TD700 Manual"));
    m_bar->setWindowTitle(tr("Manual"));
    m_top->setText(tr("Contents"));
    m_print->setText(tr("Print..."));
    m_pdf->setText(tr("Save as PDF..."));
}

void ManualWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    setGuide(Guide::instance());
    retranslate();
}

void ManualWindow::setGuide(const Guide& guide) {
    if (&guide == m_guide)
        return;
    // The manual's anchors name pages and their sections alike in every language.
    const QString place = AnchorInView(*m_view);
    m_guide = &guide;
    LoadManual(*m_guide, *m_view->document());
    m_view->setTextCursor(QTextCursor(m_view->document()));
    if (!place.isEmpty())
        m_view->scrollToAnchor(place);
}

void ManualWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print the manual"));
    if (dialog.exec() == QDialog::Accepted)
        m_view->document()->print(&printer);
}

void ManualWindow::saveAsPdf() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save the manual as PDF"), QDir(folder).filePath(QStringLiteral("TD700.pdf")),
        tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!WriteManualPdf(*m_guide, path, &error))
        QMessageBox::warning(this, windowTitle(), NotSavedMessage(path, error));
}
