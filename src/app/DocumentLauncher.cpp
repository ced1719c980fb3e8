#include "app/DocumentLauncher.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

HelpDocument HelpFileDocument() {
    HelpDocument d;
    d.caption = QCoreApplication::translate("DocumentLauncher", "Help");
    d.candidates = {QStringLiteral("Help/TD700_File.chm")};
    return d;
}

HelpDocument ManualDocument() {
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
    const bool started = QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
    if (!started)
        *message = QCoreApplication::translate("DocumentLauncher", "%1: no program could open %2.")
                       .arg(document.caption, QDir::toNativeSeparators(path));
    return started;
}
