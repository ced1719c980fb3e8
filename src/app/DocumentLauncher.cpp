#include "app/DocumentLauncher.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

HelpDocument GraphViewerDocument() {
    HelpDocument d;
    d.caption = QCoreApplication::translate("DocumentLauncher", "Graph Viewer");
    // The viewer keeps its Windows name; a build for this platform drops the extension.
    d.candidates = {QStringLiteral("TD700_GView.EXE"), QStringLiteral("TD700_GView"),
                    QStringLiteral("TD700_GView.exe")};
    d.isProgram = true;
    return d;
}

HelpDocument ManualPdfDocument() {
    HelpDocument d;
    d.caption = QCoreApplication::translate("DocumentLauncher", "TD700 Manual");
    d.candidates = {QStringLiteral("TD700.pdf")};
    return d;
}

QString FindDocument(const HelpDocument& document, const QString& home) {
    const QDir dir(home);
    for (const QString& name : document.candidates) {
        const QString path = QDir::cleanPath(dir.filePath(name));
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

bool LaunchDocument(const HelpDocument& document, const QString& home, QString* message) {
    const QString path = FindDocument(document, home);
    const QString expected = QDir::toNativeSeparators(
        QDir::cleanPath(QDir(home).filePath(document.candidates.value(0))));
    if (path.isEmpty()) {
        *message = QCoreApplication::translate("DocumentLauncher", "%1: the file %2 was not found.")
                       .arg(document.caption, expected);
        return false;
    }
    const QFileInfo info(path);
    bool started = false;
    if (document.isProgram && info.isExecutable())
        started = QProcess::startDetached(info.absoluteFilePath(), {}, home);
    else
        started = QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
    if (!started)
        *message = QCoreApplication::translate("DocumentLauncher", "%1: no program could open %2.")
                       .arg(document.caption, QDir::toNativeSeparators(path));
    return started;
}
