#pragma once

#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>

// Compares bytes with a reference file. On a mismatch the bytes are written beside the test as
// NAME.actual, to be compared with the reference byte for byte, and the first difference shown.
inline bool MatchesGolden(const QByteArray& actual, const QString& goldenPath) {
    const QByteArray expected = ReadBytes(goldenPath);
    if (actual == expected)
        return true;
    const QString actualPath = WriteBytes(
        QDir::current().filePath(QFileInfo(goldenPath).completeBaseName() + ".actual"), actual);
    qsizetype at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    qWarning("%s differs from byte %lld on (%lld bytes, expected %lld); written to %s",
             qPrintable(goldenPath), qlonglong(at), qlonglong(actual.size()),
             qlonglong(expected.size()), qPrintable(actualPath));
    return false;
}
