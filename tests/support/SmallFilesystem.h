#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

// A small tmpfs of its own for one test, where the system lets the test mount one (root on
// Linux), so that writes fail the way they fail on a full disk. Tests skip when it cannot be
// had: if (!fs.isMounted()) QSKIP(qPrintable(fs.whyNot()));
class SmallFilesystem {
public:
    explicit SmallFilesystem(int kib = 256) {
#ifdef Q_OS_LINUX
        const QByteArray options = "size=" + QByteArray::number(kib) + "k";
        m_mounted = m_dir.isValid() && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(),
                                               "tmpfs", 0, options.constData()) == 0;
        if (!m_mounted)
            m_whyNot = QStringLiteral("cannot mount a small tmpfs here (%1)")
                           .arg(QString::fromLocal8Bit(strerror(errno)));
#else
        Q_UNUSED(kib);
        m_whyNot = QStringLiteral("a small filesystem is mounted on Linux only");
#endif
    }
    ~SmallFilesystem() {
#ifdef Q_OS_LINUX
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
#endif
    }
    SmallFilesystem(const SmallFilesystem&) = delete;
    SmallFilesystem& operator=(const SmallFilesystem&) = delete;

    bool isMounted() const {
        return m_mounted;
    }
    QString whyNot() const {
        return m_whyNot;
    }
    QString path() const {
        return m_dir.path();
    }
    QString filePath(const QString& name) const {
        return QDir(path()).filePath(name);
    }

    // Takes up every byte still free, so that the next write fails; true when it is full.
    bool fill() {
        QFile filler(filePath(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::Append | QIODevice::Unbuffered))
            return false;
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {
        }
        for (int i = 0; i < 512 && filler.write("x", 1) == 1; ++i) {
        }
        return true;
    }
    // Frees the space fill() took.
    void unfill() {
        QFile::remove(filePath(QStringLiteral(".filler")));
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_whyNot;
};
