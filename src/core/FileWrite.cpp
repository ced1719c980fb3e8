#include "core/FileWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QRandomGenerator>
#include <QSet>
#include <atomic>
#include <optional>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <filesystem>
#include <system_error>
#endif

namespace {

// The texts of this file, translated where the desktop program shows them.
struct FileWriteTexts {
    Q_DECLARE_TR_FUNCTIONS(FileWrite)
};

std::atomic<bool> g_waitForFifoReaders{false};

const QString kTemporaryInfix = QStringLiteral(".td700-");
const QString kTemporarySuffix = QStringLiteral(".part");
constexpr int kRandomLetters = 6;

QString randomLetters() {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString out;
    for (int i = 0; i < kRandomLetters; ++i)
        out += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))]);
    return out;
}

// The file a rename must replace: symbolic links followed to their end, also to a target
// that is not there yet. Nothing for links that never end (a loop), as the system counts them.
std::optional<QString> resolvedTarget(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    if (info.isSymLink())
        return std::nullopt;
    return info.filePath();
}

#ifdef Q_OS_UNIX
// A leftover nobody writes: locked here, checked to be the file of that name still, removed.
void removeIfUnlocked(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat opened {
    }, named{};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 &&
        S_ISREG(opened.st_mode) && ::lstat(name.constData(), &named) == 0 &&
        opened.st_dev == named.st_dev && opened.st_ino == named.st_ino)
        ::unlink(name.constData());
    ::close(fd);
}
#endif

} // namespace

FileOutput::FileOutput(const QString& path)
    : m_path(path) {}

FileOutput::~FileOutput() {
    if (!m_done)
        cancel();
}

void FileOutput::setWaitForFifoReaders(bool wait) {
    g_waitForFifoReaders = wait;
}

bool FileOutput::writes(FileKind kind) {
    return kind == FileKind::Missing || kind == FileKind::Regular || kind == FileKind::Fifo ||
           kind == FileKind::CharacterDevice;
}

bool FileOutput::isTemporaryOf(const QString& fileName, const QString& targetName) {
    const qsizetype length =
        targetName.size() + kTemporaryInfix.size() + kRandomLetters + kTemporarySuffix.size();
    return fileName.size() == length && fileName.startsWith(targetName + kTemporaryInfix) &&
           fileName.endsWith(kTemporarySuffix);
}

bool FileOutput::fail(const QString& why) {
    m_error = why.isEmpty() ? FileWriteTexts::tr("write failed") : why;
    cancel();
    return false;
}

bool FileOutput::open() {
    m_error.clear();
    m_done = false;
    const auto target = resolvedTarget(m_path);
    if (!target) {
        // Replacing the link itself would break what its maker meant it to be.
        m_done = true;
        m_error = FileWriteTexts::tr("it is a symbolic link that never ends (links leading round "
                                     "in a circle)");
        return false;
    }
    m_target = *target;
    const FileKind kind = KindOfFile(m_target);
    switch (kind) {
    case FileKind::Missing:
    case FileKind::Regular:
        return openTemporary();
    case FileKind::Fifo:
    case FileKind::CharacterDevice:
        return openStream(kind == FileKind::Fifo);
    default:
        break;
    }
    // Not written at all (writes() is false).
    m_done = true;
    m_error =
        FileWriteTexts::tr("it is %1: only regular files, FIFOs and character devices are written")
            .arg(FileKindText(kind));
    return false;
}

bool FileOutput::openStream(bool fifo) {
    m_stream = true;
#ifdef Q_OS_UNIX
    // Without waiting, unless told to wait: a FIFO nobody reads from, or a terminal line
    // waiting for its carrier, would hold a window forever.
    const bool wait = g_waitForFifoReaders;
    const int fd = ::open(QFile::encodeName(m_path).constData(),
                          O_WRONLY | O_NOCTTY | O_CLOEXEC | (wait ? 0 : O_NONBLOCK));
    if (fd < 0) {
        const int code = errno;
        m_done = true;
        m_error = fifo && code == ENXIO
                      ? FileWriteTexts::tr("it is a FIFO (named pipe) that no program reads from")
                      : qt_error_string(code);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !(S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode))) {
        ::close(fd);
        m_done = true;
        m_error = FileWriteTexts::tr("it was replaced by something else while it was being opened");
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    m_file.setFileName(m_path);
    if (!m_file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                     QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        m_done = true;
        m_error = m_file.errorString();
        return false;
    }
    return true;
#else
    Q_UNUSED(fifo);
    m_file.setFileName(m_path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_done = true;
        m_error = m_file.errorString();
        return false;
    }
    return true;
#endif
}

bool FileOutput::openTemporary() {
    m_stream = false;
    removeLeftovers();
    const QFileInfo target(m_target);
    const bool existed = target.exists();
#ifdef Q_OS_UNIX
    struct stat targetStat {};
    const bool haveMode =
        existed && ::stat(QFile::encodeName(m_target).constData(), &targetStat) == 0;
#endif
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = m_target + kTemporaryInfix + randomLetters() + kTemporarySuffix;
#ifdef Q_OS_UNIX
        // Private until it is complete; it takes the old file's permissions before the rename.
        const int fd = ::open(QFile::encodeName(name).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, existed ? 0600 : 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            m_done = true;
            m_error = FileWriteTexts::tr("cannot create a temporary file beside it: %1")
                          .arg(qt_error_string(errno));
            return false;
        }
        // Locked while written, so that another program's clean-up leaves it alone. A clean-up
        // that took it in the instant before the lock has removed it: then another name. (Where
        // the file system has no such locks, nobody's clean-up can take it either.)
        struct stat st {};
        if (::flock(fd, LOCK_EX) == 0 && (::fstat(fd, &st) != 0 || st.st_nlink == 0)) {
            ::close(fd);
            continue;
        }
        if (haveMode)
            ::fchmod(fd, targetStat.st_mode & 07777);
        m_file.setFileName(name);
        if (!m_file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                         QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            ::unlink(QFile::encodeName(name).constData());
            return fail(m_file.errorString());
        }
#else
        m_file.setFileName(name);
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            if (QFileInfo::exists(name))
                continue;
            m_done = true;
            m_error = FileWriteTexts::tr("cannot create a temporary file beside it: %1")
                          .arg(m_file.errorString());
            return false;
        }
        if (existed)
            m_file.setPermissions(target.permissions());
#endif
        m_temporary = name;
        return true;
    }
    m_done = true;
    m_error = FileWriteTexts::tr("cannot create a temporary file beside it");
    return false;
}

void FileOutput::removeLeftovers() const {
    // Once per file and run: a leftover is what a killed program left, and listing a folder
    // of months of data files at every write of a state file costs more than it finds. A
    // program killed while this one runs leaves its file to the next run's first write.
    {
        static QMutex guard;
        static QSet<QString> cleaned;
        const QMutexLocker lock(&guard);
        if (cleaned.contains(m_target))
            return;
        cleaned.insert(m_target);
    }
    const QFileInfo target(m_target);
    const QString name = target.fileName();
    const QDir dir = target.dir();
    const QStringList candidates = dir.entryList({QLatin1Char('*') + kTemporarySuffix},
                                                 QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& candidate : candidates) {
        if (!isTemporaryOf(candidate, name))
            continue;
#ifdef Q_OS_UNIX
        removeIfUnlocked(dir.filePath(candidate));
#else
        QFile::remove(dir.filePath(candidate)); // fails while its writer has it open
#endif
    }
}

bool FileOutput::commit() {
    if (m_done)
        return false;
    if (!m_file.isOpen())
        return fail(FileWriteTexts::tr("not open"));
    // A buffered error (from a device that buffers despite the request) surfaces here.
    if (!m_file.flush() || m_file.error() != QFileDevice::NoError)
        return fail(m_file.errorString());
    if (m_stream) {
        m_file.close();
        m_done = true;
        if (m_file.error() != QFileDevice::NoError) {
            m_error = m_file.errorString();
            return false;
        }
        return true;
    }
#ifdef Q_OS_UNIX
    if (::fsync(m_file.handle()) != 0)
        return fail(qt_error_string(errno));
#endif
    // Whatever took the old file's place since it was opened is not renamed over.
    const FileKind now = KindOfFile(m_target);
    if (now != FileKind::Regular && now != FileKind::Missing)
        return fail(
            FileWriteTexts::tr("it is now %1, which is not replaced").arg(FileKindText(now)));
#ifdef Q_OS_UNIX
    if (::rename(QFile::encodeName(m_temporary).constData(),
                 QFile::encodeName(m_target).constData()) != 0)
        return fail(qt_error_string(errno));
#else
    m_file.close();                             // a file open here cannot be renamed
    std::error_code code;
    std::filesystem::rename(std::filesystem::path(m_temporary.toStdWString()),
                            std::filesystem::path(m_target.toStdWString()), code);
    if (code)
        return fail(QString::fromStdString(code.message()));
#endif
    m_temporary.clear();
    m_file.close(); // the lock goes with it, after the rename
    m_done = true;
    return true;
}

void FileOutput::cancel() {
    m_file.close();
    if (!m_temporary.isEmpty())
        QFile::remove(m_temporary);
    m_temporary.clear();
    m_done = true;
}

bool WriteFileWhole(const QString& path, const QByteArray& bytes, QString* error) {
    FileOutput out(path);
    bool ok = out.open();
    if (ok) {
        for (qint64 done = 0; done < bytes.size();) {
            const qint64 n = out.device().write(bytes.constData() + done, bytes.size() - done);
            if (n <= 0)
                break;
            done += n;
        }
        ok = out.commit(); // fails with the write's error when a write failed
    }
    if (!ok && error)
        *error = out.errorString();
    return ok;
}

QString NotSavedMessage(const QString& path, const QString& error) {
    return QCoreApplication::translate("FileWrite",
                                       "Not saved: %1 could not be written (%2). The file on "
                                       "disk is unchanged.")
        .arg(QDir::toNativeSeparators(path), error);
}
