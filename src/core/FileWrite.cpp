#include "core/FileWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace {

bool fail(QSaveFile& file, QString* error, const QString& why) {
    if (error)
        *error = why.isEmpty() ? QStringLiteral("write failed") : why;
    file.cancelWriting();
    return false;
}

} // namespace

bool WriteFileWhole(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file, error, file.errorString());
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return fail(file, error, file.errorString());
        done += n;
    }
    // A buffered error (from a device that buffers despite the request) surfaces here; a
    // commit after it would still rename a cut-short file over the old one on some Qt versions.
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return fail(file, error, file.errorString());
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QString NotSavedMessage(const QString& path, const QString& error) {
    return QCoreApplication::translate("FileWrite",
                                       "Not saved: %1 could not be written (%2). The file on "
                                       "disk is unchanged.")
        .arg(QDir::toNativeSeparators(path), error);
}
