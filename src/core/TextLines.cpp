#include "core/TextLines.h"

#include "core/CodePage.h"
#include "core/FileRead.h"
#include "core/FileWrite.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

// The texts of this file, translated where the desktop program shows them.
struct TextLinesTexts {
    Q_DECLARE_TR_FUNCTIONS(TextLines)
};

bool isControl(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

} // namespace

QString TextFileProblem(const QString& path) {
    const FileKind kind = KindOfFile(path);
    if (kind == FileKind::Missing && !QFileInfo::exists(path))
        return {};
    if (kind == FileKind::Folder)
        return TextLinesTexts::tr("%1 is a folder, not a file").arg(path);
    QFile file;
    QString why;
    if (!OpenRegularFile(file, path, &why))
        return TextLinesTexts::tr("%1 cannot be read: %2").arg(path, why);
    return {};
}

TextFile ReadTextFile(const QString& path) {
    TextFile out;
    out.found = QFileInfo::exists(path);
    if (!out.found)
        return out;
    QFile file;
    QString why;
    if (KindOfFile(path) == FileKind::Folder) {
        out.problem = TextLinesTexts::tr("%1 is a folder, not a file").arg(path);
        return out;
    }
    if (!OpenRegularFile(file, path, &why)) {
        out.problem = TextLinesTexts::tr("%1 cannot be read: %2").arg(path, why);
        return out;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        out.problem = TextLinesTexts::tr("%1 cannot be read: %2").arg(path, file.errorString());
        return out;
    }
    out.lines = SplitTextLines(bytes);
    return out;
}

QStringList SplitTextLines(const QByteArray& bytes) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines << DecodeCp949(bytes.mid(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i; // CR LF is one line end
        start = i + 1;
    }
    if (start < bytes.size())
        lines << DecodeCp949(bytes.mid(start));
    return lines;
}

QStringList ReadTextLines(const QString& path, bool* opened) {
    TextFile file = ReadTextFile(path);
    if (opened)
        *opened = file.found && file.problem.isEmpty();
    return std::move(file.lines);
}

QByteArray JoinTextLines(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines)
        out += EncodeCp949(line) + "\r\n";
    return out;
}

bool WriteTextLines(const QString& path, const QStringList& lines, QString* error) {
    return WriteFileWhole(path, JoinTextLines(lines), error);
}

bool HasControlCharacters(const QString& text) {
    return std::any_of(text.begin(), text.end(), isControl);
}

QString VisibleControls(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (!isControl(c)) {
            out += c;
            continue;
        }
        switch (c.unicode()) {
        case 0:
            out += QLatin1String("\\0");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        default:
            out += QLatin1String("\\x") +
                   QStringLiteral("%1").arg(c.unicode(), 2, 16, QChar(u'0')).toUpper();
        }
    }
    return out;
}
