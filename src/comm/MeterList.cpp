#include "comm/MeterList.h"

#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "core/TextLines.h"

#include <QDir>
#include <QFileInfo>

QVector<MeterListLine> ReadMeterListForEditing(const QString& path) {
    QVector<MeterListLine> out;
    for (const QString& line : ReadTextLines(path)) {
        const qsizetype tab = line.indexOf(u'\t');
        if (tab < 0)
            break;
        const qsizetype next = line.indexOf(u'\t', tab + 1);
        out.append(
            {line.left(tab), next < 0 ? line.mid(tab + 1) : line.mid(tab + 1, next - tab - 1)});
    }
    return out;
}

bool SaveMeterList(const QString& path, const QVector<MeterListLine>& lines, QString* error) {
    QStringList text;
    text.reserve(lines.size());
    for (const MeterListLine& l : lines)
        text << l.mark + u'\t' + l.note;
    return WriteTextLines(path, text, error);
}

void BuildMeterTables(const QStringList& marks, CommState& state, DeviceTables& tables) {
    tables.clearMeterRows();
    state.gMeterAddress.clear();
    state.gMeterOnline.clear();
    state.gLastMeter = -1;
    for (int i = 0; i < marks.size(); ++i) {
        if (marks[i] != QStringLiteral("O"))
            continue;
        state.gMeterAddress.append(i + 1);
        state.gMeterOnline.append(false);
        state.gLastMeter = int(state.gMeterAddress.size()) - 1;
        tables.appendMeterRow(i + 1);
    }
}

void LoadMeterList(const QString& path, CommState& state, DeviceTables& tables) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QStringList marks;
    for (const QString& line : ReadTextLines(path))
        marks << line.section(u'\t', 0, 0);
    BuildMeterTables(marks, state, tables);
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
