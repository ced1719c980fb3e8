#include "core/FileRead.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The texts of this file, translated where the desktop program shows them.
struct FileReadTexts {
    Q_DECLARE_TR_FUNCTIONS(FileRead)
};

bool refuse(QString* error, FileKind kind) {
    if (error)
        *error = FileReadTexts::tr("it is %1, not a regular file").arg(FileKindText(kind));
    return false;
}

bool openFailed(QString* error, const QString& why) {
    if (error)
        *error = why;
    return false;
}

#ifdef Q_OS_UNIX
FileKind kindOfMode(mode_t mode) {
    if (S_ISREG(mode))
        return FileKind::Regular;
    if (S_ISDIR(mode))
        return FileKind::Folder;
    if (S_ISFIFO(mode))
        return FileKind::Fifo;
    if (S_ISCHR(mode))
        return FileKind::CharacterDevice;
    if (S_ISBLK(mode))
        return FileKind::BlockDevice;
    if (S_ISSOCK(mode))
        return FileKind::Socket;
    return FileKind::Other;
}
#endif

} // namespace

FileKind KindOfFile(const QString& path) {
#ifdef Q_OS_UNIX
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return FileKind::Missing; // or not to be looked at: opening it says why
    return kindOfMode(st.st_mode);
#else
    const QFileInfo info(path);
    if (!info.exists())
        return FileKind::Missing;
    if (info.isDir())
        return FileKind::Folder;
    return info.isFile() ? FileKind::Regular : FileKind::Other;
#endif
}

QString FileKindText(FileKind kind) {
    switch (kind) {
    case FileKind::Missing:
    case FileKind::Regular:
        return {};
    case FileKind::Folder:
        return FileReadTexts::tr("a folder");
    case FileKind::Fifo:
        return FileReadTexts::tr("a FIFO (named pipe)");
    case FileKind::CharacterDevice:
        return FileReadTexts::tr("a character device");
    case FileKind::BlockDevice:
        return FileReadTexts::tr("a block device");
    case FileKind::Socket:
        return FileReadTexts::tr("a socket");
    case FileKind::Other:
        break;
    }
    return FileReadTexts::tr("a special file");
}

bool OpenRegularFile(QFile& file, const QString& path, QString* error, QIODevice::OpenMode extra) {
    file.close();
    // A look first, so that a FIFO is not even opened (that would release a writer waiting
    // for a reader).
    const FileKind kind = KindOfFile(path);
    if (kind != FileKind::Regular && kind != FileKind::Missing)
        return refuse(error, kind);
#ifdef Q_OS_UNIX
    // Not waiting, should the name have become a FIFO since the look; what was opened is what
    // counts.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return openFailed(error, qt_error_string(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const FileKind opened = kindOfMode(st.st_mode);
        ::close(fd);
        return refuse(error, opened);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly | extra, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return openFailed(error, file.errorString());
    }
    return true;
#else
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly | extra) || openFailed(error, file.errorString());
#endif
}

bool OpenFileOrStream(QFile& file, const QString& path, QString* error, QIODevice::OpenMode extra) {
    file.close();
    const FileKind kind = KindOfFile(path);
    // A device is read only as standard input: /dev/null or /dev/zero given by name is a
    // mistake, not an empty or endless data file.
    static const QStringList standardInput{QStringLiteral("/dev/stdin"),
                                           QStringLiteral("/dev/fd/0"),
                                           QStringLiteral("/proc/self/fd/0")};
    const bool stream =
        kind == FileKind::Fifo ||
        (kind == FileKind::CharacterDevice &&
         standardInput.contains(QDir::cleanPath(QFileInfo(path).absoluteFilePath())));
    if (!stream)
        return OpenRegularFile(file, path, error, extra);
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly | extra) || openFailed(error, file.errorString());
}
