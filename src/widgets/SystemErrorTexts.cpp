#include "widgets/SystemErrorTexts.h"

#include <QCoreApplication>

namespace {
// The C library's texts, as QFile and the serial port report them.
const char* const kSystemErrors[] = {
    QT_TRANSLATE_NOOP("SystemErrorTexts", "No such file or directory"),
    QT_TRANSLATE_NOOP("SystemErrorTexts", "Permission denied"),
    QT_TRANSLATE_NOOP("SystemErrorTexts", "Not a directory"),
    QT_TRANSLATE_NOOP("SystemErrorTexts", "Is a directory"),
    QT_TRANSLATE_NOOP("SystemErrorTexts", "No space left on device"),
    QT_TRANSLATE_NOOP("SystemErrorTexts", "Disk quota exceeded"),
    QT_TRANSLATE_NOOP("SystemErrorTexts", "Device or resource busy"),
    QT_TRANSLATE_NOOP("SystemErrorTexts", "Read-only file system"),
    QT_TRANSLATE_NOOP("SystemErrorTexts", "File exists"),
    QT_TRANSLATE_NOOP("SystemErrorTexts", "Input/output error"),
    QT_TRANSLATE_NOOP("SystemErrorTexts", "No such device"),
    QT_TRANSLATE_NOOP("SystemErrorTexts", "Too many open files"),
};
} // namespace

QString InProgramLanguage(const QString& message) {
    QString out = message;
    for (const char* english : kSystemErrors) {
        const QString said = QCoreApplication::translate("SystemErrorTexts", english);
        if (said != QLatin1String(english))
            out.replace(QLatin1String(english), said, Qt::CaseInsensitive);
    }
    return out;
}
