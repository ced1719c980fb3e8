#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTest>

// Compares bytes with a reference file. On a mismatch the bytes are written beside the test
// as NAME.actual and the differing 16-byte lines are printed, expected above actual.
inline bool MatchesGolden(const QByteArray& actual, const QString& goldenPath) {
    QFile golden(goldenPath);
    if (!golden.open(QIODevice::ReadOnly)) {
        qWarning("cannot read %s", qPrintable(goldenPath));
        return false;
    }
    const QByteArray expected = golden.readAll();
    if (actual == expected)
        return true;
    const QString actualPath = QDir::current().filePath(QFileInfo(goldenPath).completeBaseName() +
                                                        QStringLiteral(".actual"));
    QFile out(actualPath);
    if (out.open(QIODevice::WriteOnly))
        out.write(actual);
    qWarning("%s differs (%lld bytes, expected %lld); written to %s", qPrintable(goldenPath),
             qlonglong(actual.size()), qlonglong(expected.size()), qPrintable(actualPath));
    const qsizetype size = std::max(actual.size(), expected.size());
    for (qsizetype at = 0; at < size; at += 16) {
        const QByteArray e = expected.mid(at, 16);
        const QByteArray a = actual.mid(at, 16);
        if (e != a)
            qWarning("%06llx  expected %s\n        actual   %s", qlonglong(at),
                     e.toHex(' ').constData(), a.toHex(' ').constData());
    }
    return false;
}
