#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A scratch folder for the whole run, for readers that take a file name.
inline QDir FuzzFolder() {
    static QTemporaryDir dir;
    return QDir(dir.path());
}

// Writes the fuzzer's bytes into a scratch file of that name and returns its path.
inline QString WriteFuzzFile(const uint8_t* data, size_t size,
                             const QString& name = QStringLiteral("input.txt")) {
    const QString path = FuzzFolder().filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

inline QByteArray FuzzBytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A property every input must keep; a broken one ends the run as a crash would, so that
// libFuzzer keeps the input.
#define FUZZ_EXPECT(condition)                                                                     \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: expected %s\n", __FILE__, __LINE__, #condition);          \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
