#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

// Writes the fuzzer's bytes into one scratch file and returns its path, for readers that
// take a file name.
inline QString WriteFuzzFile(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("input.txt"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}
