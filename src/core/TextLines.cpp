#include "core/TextLines.h"

#include "core/CodePage.h"
#include "core/FileWrite.h"

#include <QFile>

QStringList ReadTextLines(const QString& path, bool* opened) {
    QFile file(path);
    const bool ok = file.open(QIODevice::ReadOnly);
    if (opened)
        *opened = ok;
    if (!ok)
        return {};
    QByteArray bytes = file.readAll();
    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool last = end < 0;
        if (last)
            end = bytes.size();
        qsizetype stop = end;
        if (stop > start && bytes[stop - 1] == '\r')
            --stop;
        lines << DecodeCp949(bytes.mid(start, stop - start));
        start = end + 1;
    }
    return lines;
}

bool WriteTextLines(const QString& path, const QStringList& lines, QString* error) {
    QByteArray out;
    for (const QString& line : lines)
        out += EncodeCp949(line) + "\r\n";
    return WriteFileWhole(path, out, error);
}
