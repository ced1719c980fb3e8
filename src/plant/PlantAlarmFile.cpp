#include "plant/PlantAlarmFile.h"

#include "core/FileRead.h"
#include "core/FileWrite.h"
#include "plant/PlantRecord.h"
#include "plant/PlantState.h"

#include <QCoreApplication>
#include <QFile>

namespace {

constexpr char kHeading[] = "# TD700 plant alarms: node, meter, channel, alarm, came, went";
// Far above what kMaxEntries lines take; a larger file is read this far.
constexpr qint64 kMaxFileBytes = 8 * 1024 * 1024;
constexpr qsizetype kMaxLine = 1024;

bool wholeIn(const QByteArray& field, int low, int high, int* out) {
    bool ok = false;
    const int v = field.toInt(&ok);
    if (!ok || v < low || v > high || QByteArray::number(v) != field)
        return false;
    *out = v;
    return true;
}

// A stamp as the records have them, its offset written out: a line cut short in the middle
// of one must not read as another moment of the local clock.
std::optional<qint64> stampOf(const QString& ts) {
    const qsizetype n = ts.size();
    const bool offset =
        n >= 20 &&
        (ts.endsWith(u'Z') || (ts[n - 3] == u':' && (ts[n - 6] == u'+' || ts[n - 6] == u'-')));
    return offset ? PlantStampMs(ts) : std::nullopt;
}

std::optional<PlantAlarmEntry> entryOf(const QByteArray& line) {
    const QList<QByteArray> f = line.split('\t');
    if (f.size() != 6 || line.size() > kMaxLine)
        return std::nullopt;
    PlantAlarmEntry e;
    e.node = QString::fromUtf8(f[0]);
    if (e.node.isEmpty() || e.node.size() > PlantState::kMaxNodeName ||
        e.node.toUtf8() != f[0] || // not UTF-8
        !wholeIn(f[1], 1, PlantState::kMaxMeters, &e.address) ||
        !wholeIn(f[2], 1, PlantState::kMaxChannels, &e.ch) || !wholeIn(f[3], 0, 255, &e.alarm))
        return std::nullopt;
    e.came = QString::fromLatin1(f[4]);
    const std::optional<qint64> came = stampOf(e.came);
    if (!came)
        return std::nullopt;
    e.cameMs = *came;
    if (!f[5].isEmpty()) {
        e.gone = QString::fromLatin1(f[5]);
        e.goneMs = stampOf(e.gone);
        if (!e.goneMs || *e.goneMs <= e.cameMs)
            return std::nullopt;
    }
    return e;
}

} // namespace

QByteArray PlantAlarmText(const QList<PlantAlarmEntry>& entries) {
    QByteArray out = QByteArray(kHeading) + '\n';
    for (const PlantAlarmEntry& e : entries)
        out += e.node.toUtf8() + '\t' + QByteArray::number(e.address) + '\t' +
               QByteArray::number(e.ch) + '\t' + QByteArray::number(e.alarm) + '\t' +
               e.came.toLatin1() + '\t' + e.gone.toLatin1() + '\n';
    return out;
}

QList<PlantAlarmEntry> ReadPlantAlarmText(const QByteArray& text, QString* problem) {
    QList<PlantAlarmEntry> entries;
    qsizetype firstBad = 0, bad = 0, number = 0;
    for (const QByteArray& raw : text.split('\n')) {
        ++number;
        const QByteArray line = raw.endsWith('\r') ? raw.chopped(1) : raw;
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (const std::optional<PlantAlarmEntry> e = entryOf(line)) {
            entries << *e;
            continue;
        }
        if (bad++ == 0)
            firstBad = number;
    }
    problem->clear();
    if (bad > 0)
        *problem = bad == 1 ? QCoreApplication::translate(
                                  "PlantAlarmFile", "line %1 could not be read and was left out")
                                  .arg(firstBad)
                            : QCoreApplication::translate("PlantAlarmFile",
                                                          "line %1 and %2 more could not be read "
                                                          "and were left out")
                                  .arg(firstBad)
                                  .arg(bad - 1);
    return entries;
}

QList<PlantAlarmEntry> LoadPlantAlarms(const QString& path, QString* problem) {
    problem->clear();
    if (KindOfFile(path) == FileKind::Missing)
        return {};
    QFile file;
    if (!OpenRegularFile(file, path, problem))
        return {};
    const QByteArray text = file.read(kMaxFileBytes);
    const bool cut = !file.atEnd();
    QList<PlantAlarmEntry> entries = ReadPlantAlarmText(text, problem);
    if (cut)
        *problem = QCoreApplication::translate("PlantAlarmFile", "only its first %1 MB were read")
                       .arg(kMaxFileBytes / (1024 * 1024)) +
                   (problem->isEmpty() ? QString() : QStringLiteral("; ") + *problem);
    if (!problem->isEmpty())
        *problem = QStringLiteral("%1: %2").arg(path, *problem);
    return entries;
}

bool SavePlantAlarms(const QString& path, const QList<PlantAlarmEntry>& entries, QString* error) {
    return WriteFileWhole(path, PlantAlarmText(entries), error);
}
