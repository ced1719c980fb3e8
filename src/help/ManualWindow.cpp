#include "help/ManualWindow.h"

#include "core/FileWrite.h"
#include "help/Guide.h"
#include "help/ManualDocument.h"

#include <QAction>
#include <QDir>
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
    , m_guide(guide) {
    setObjectName(QStringLiteral("ManualWindow"));
    setWindowTitle(tr("TD700 Manual"));
    m_view = new QTextBrowser(this);
    m_view->setObjectName(QStringLiteral("manualView"));
    m_view->setOpenExternalLinks(true);
    m_view->document()->setDocumentMargin(fontMetrics().height() * 2);
    LoadManual(m_guide, *m_view->document());
    // The document opens at its title, not where loading left the cursor.
    m_view->setTextCursor(QTextCursor(m_view->document()));
    setCentralWidget(m_view);

    QToolBar* bar = addToolBar(tr("Manual"));
    bar->setObjectName(QStringLiteral("manualToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* top = bar->addAction(style()->standardIcon(QStyle::SP_ArrowUp), tr("Contents"));
    top->setObjectName(QStringLiteral("manualContents"));
    top->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Home));
    bar->addSeparator();
    QAction* print = bar->addAction(tr("Print..."));
    print->setObjectName(QStringLiteral("manualPrint"));
    print->setShortcuts(QKeySequence::Print);
    QAction* pdf = bar->addAction(tr("Save as PDF..."));
    pdf->setObjectName(QStringLiteral("manualSavePdf"));
    pdf->setShortcuts(QKeySequence::Save);
    connect(top, &QAction::triggered, this, [this] {
        QTextCursor start(m_view->document());
        m_view->setTextCursor(start);
        m_view->ensureCursorVisible();
    });
    connect(print, &QAction::triggered, this, &ManualWindow::print);
    connect(pdf, &QAction::triggered, this, &ManualWindow::saveAsPdf);

    const int unit = fontMetrics().height();
    resize(unit * 52, unit * 46);
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
    if (!WriteManualPdf(m_guide, path, &error))
        QMessageBox::warning(this, windowTitle(), NotSavedMessage(path, error));
}
