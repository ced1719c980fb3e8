#include "comm/MeterList.h"

#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "core/CodePage.h"
#include "core/FileRead.h"
#include "core/TextLines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <functional>

namespace {

// A line longer than this is cut there: no meter list line comes near it.
constexpr qsizetype kLineBytes = 1 << 16;

// Hands every line of the file to `take` (without its end: CR LF, LF or a CR alone, as files
// that passed through other editors have them), reading the file as a stream, until `take`
// returns false.
void forEachLine(const QString& path, const std::function<bool(const QByteArray&)>& take) {
    QFile file;
    if (!OpenRegularFile(file, path, nullptr))
        return;
    QByteArray line;
    bool lineOpen = false;
    bool afterCr = false; // an LF right after a CR ends no second line, even across chunks
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    qint64 got = 0;
    const auto isLineEnd = [](char c) { return c == '\n' || c == '\r'; };
    while ((got = file.read(chunk.data(), chunk.size())) > 0) {
        const char* data = chunk.constData();
        for (qint64 i = 0; i < got;) {
            if (afterCr) {
                afterCr = false;
                if (data[i] == '\n') {
                    ++i;
                    continue;
                }
            }
            const char* end = std::find_if(data + i, data + got, isLineEnd);
            const qint64 stop = end - data;
            if (line.size() < kLineBytes)
                line.append(data + i, std::min<qint64>(stop - i, kLineBytes - line.size()));
            lineOpen = true;
            i = stop;
            if (stop == got)
                break;
            afterCr = data[i] == '\r';
            ++i;
            if (!take(line))
                return;
            line.clear();
            lineOpen = false;
        }
    }
    if (lineOpen)
        take(line);
}

} // namespace

QVector<MeterListLine> ReadMeterListForEditing(const QString& path) {
    QVector<MeterListLine> out;
    forEachLine(path, [&out](const QByteArray& bytes) {
        const QString line = DecodeCp949(bytes);
        const qsizetype tab = line.indexOf(u'\t');
        if (tab < 0)
            return false;
        const qsizetype next = line.indexOf(u'\t', tab + 1);
        out.append(
            {line.left(tab), next < 0 ? line.mid(tab + 1) : line.mid(tab + 1, next - tab - 1)});
        return out.size() < HighestSlaveAddress;
    });
    return out;
}

bool SaveMeterList(const QString& path, const QVector<MeterListLine>& lines, QString* error) {
    QStringList text;
    text.reserve(lines.size());
    for (const MeterListLine& l : lines)
        text << l.mark + u'\t' + l.note;
    return WriteTextLines(path, text, error);
}

MeterListMarks ReadMeterListMarks(const QString& path) {
    MeterListMarks out;
    forEachLine(path, [&out](const QByteArray& line) {
        const qsizetype tab = line.indexOf('\t');
        const QByteArray field = tab < 0 ? line : line.left(tab);
        if (++out.lines <= HighestSlaveAddress)
            out.marks << DecodeCp949(field);
        else if (field == "O")
            ++out.markedBeyond;
        return true;
    });
    return out;
}

QString MeterListMarks::warning(const QString& path) const {
    if (markedBeyond == 0)
        return {};
    const QString marked = markedBeyond == 1
                               ? QCoreApplication::translate("MeterList", "%1 marked line")
                               : QCoreApplication::translate("MeterList", "%1 marked lines");
    return QCoreApplication::translate(
               "MeterList", "%1: %2 after line %3 ignored: slave addresses go from 1 to %3.")
        .arg(QDir::toNativeSeparators(path), marked.arg(markedBeyond))
        .arg(HighestSlaveAddress);
}

void BuildMeterTables(const QStringList& marks, CommState& state, DeviceTables& tables) {
    tables.clearMeterRows();
    state.gMeterAddress.clear();
    state.gMeterOnline.clear();
    state.gLastMeter = -1;
    for (int i = 0; i < marks.size() && i < HighestSlaveAddress; ++i) {
        if (marks[i] != QStringLiteral("O"))
            continue;
        state.gMeterAddress.append(i + 1);
        state.gMeterOnline.append(false);
        state.gLastMeter = int(state.gMeterAddress.size()) - 1;
        tables.appendMeterRow(i + 1);
    }
}

MeterListMarks LoadMeterList(const QString& path, CommState& state, DeviceTables& tables) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    MeterListMarks read = ReadMeterListMarks(path);
    BuildMeterTables(read.marks, state, tables);
    return read;
}

void KeepSelectedAddressValid(CommState& state) {
    if (state.gMeterAddress.isEmpty())
        return;
    if (!state.gMeterAddress.contains(state.gSelAddress))
        state.gSelAddress = state.gMeterAddress.first();
    // The selected meter's index moves when lines before it are marked or unmarked.
    ResolveSelMeter(state);
}

void ResolveSelMeter(CommState& state) {
    for (int k = 0; k <= state.gLastMeter && k < state.gMeterAddress.size(); ++k)
        if (state.gMeterAddress[k] == state.gSelAddress) {
            state.gSelMeter = k;
            return;
        }
}
