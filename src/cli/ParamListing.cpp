#include "cli/ParamListing.h"

#include "paramset/ParamFields.h"
#include "paramset/ParamFile.h"
#include "paramset/ParamSet.h"
#include "paramtext/ParamSetFiles.h"

#include <QJsonArray>

namespace {

constexpr int kChannelsPerBlock = 6;

// Rows a parameter file holds: the system date is the meter's and has no place in a file.
bool listed(const ParamField& f) {
    return f.form != ParamForm::DeviceOnly;
}

QString value(const TextTable& table, int column, int row) {
    return ListedText(table.text(column, row));
}

int widest(const QStringList& texts, int least) {
    int width = least;
    for (const QString& t : texts)
        width = std::max(width, int(t.size()));
    return width;
}

void printTable(QTextStream& out, const QList<QStringList>& rows) {
    QVector<int> widths;
    for (const QStringList& r : rows)
        for (int i = 0; i < r.size(); ++i) {
            if (widths.size() <= i)
                widths << 0;
            widths[i] = std::max(widths[i], int(r[i].size()));
        }
    for (const QStringList& r : rows) {
        QString line = QStringLiteral("  ");
        for (int i = 0; i < r.size(); ++i)
            line += i + 1 < r.size() ? r[i].leftJustified(widths[i] + 2) : r[i];
        out << line << '\n';
    }
}

} // namespace

void PrintParameterSet(QTextStream& out, const ParamSet& set) {
    const ParamTables& t = set.tables;
    out << "Common parameters\n";
    QList<QStringList> common;
    for (const ParamField& f : CommonFields())
        if (listed(f) && !t.sprdP.isRowHidden(f.row))
            common << QStringList{t.sprdP.text(ParamTables::DescriptionColumn, f.row), f.key,
                                  value(t.sprdP, ParamTables::ValueColumn, f.row)};
    printTable(out, common);

    const int channels = set.channelCount();
    for (int first = 1; first <= channels; first += kChannelsPerBlock) {
        const int last = std::min(channels, first + kChannelsPerBlock - 1);
        out << "\nChannel parameters, CH." << QString::number(first).rightJustified(2, u'0')
            << " to CH." << QString::number(last).rightJustified(2, u'0') << '\n';
        QList<QStringList> rows;
        QStringList head{QStringLiteral("DESCRIPTION"), QStringLiteral("KEY")};
        for (int n = first; n <= last; ++n)
            head << t.sprdP_CH.text(ParamTables::channelColumn(n), 0);
        rows << head;
        for (const ParamField& f : ChannelFields(set.versionHundredths())) {
            if (t.sprdP_CH.isRowHidden(f.row))
                continue;
            QStringList r{t.sprdP_CH.text(ParamTables::DescriptionColumn, f.row), f.key};
            for (int n = first; n <= last; ++n)
                r << value(t.sprdP_CH, ParamTables::channelColumn(n), f.row);
            rows << r;
        }
        printTable(out, rows);
    }

    if (!set.hasFormulasInFile())
        return;
    out << "\nFormulas\n";
    QList<QStringList> rows{{QString(), t.sprdFormual_CH.text(1, 0), t.sprdFormual_Mem.text(1, 0)}};
    for (int n = 1; n <= channels; ++n)
        rows << QStringList{t.sprdFormual_CH.text(0, n), value(t.sprdFormual_CH, 1, n),
                            value(t.sprdFormual_Mem, 1, n)};
    printTable(out, rows);
}

QJsonObject ParameterSetJson(const ParamSet& set) {
    const ParamTables& t = set.tables;
    QJsonArray common;
    for (const ParamField& f : CommonFields())
        if (listed(f))
            common.append(QJsonObject{
                {QStringLiteral("row"), f.row},
                {QStringLiteral("key"), f.key},
                {QStringLiteral("description"),
                 t.sprdP.text(ParamTables::DescriptionColumn, f.row)},
                {QStringLiteral("value"), value(t.sprdP, ParamTables::ValueColumn, f.row)},
                {QStringLiteral("hidden"), t.sprdP.isRowHidden(f.row)},
            });
    QJsonArray channelRows;
    for (const ParamField& f : ChannelFields(set.versionHundredths())) {
        QJsonArray values;
        for (int n = 1; n <= set.channelCount(); ++n)
            values.append(value(t.sprdP_CH, ParamTables::channelColumn(n), f.row));
        channelRows.append(QJsonObject{
            {QStringLiteral("row"), f.row},
            {QStringLiteral("key"), f.key},
            {QStringLiteral("description"), t.sprdP_CH.text(ParamTables::DescriptionColumn, f.row)},
            {QStringLiteral("values"), values},
            {QStringLiteral("hidden"), t.sprdP_CH.isRowHidden(f.row)},
        });
    }
    QJsonArray formulas;
    if (set.hasFormulasInFile())
        for (int n = 1; n <= set.channelCount(); ++n)
            formulas.append(QJsonObject{
                {QStringLiteral("channel"), n},
                {QStringLiteral("channelFormula"), value(t.sprdFormual_CH, 1, n)},
                {QStringLiteral("memoryFormula"), value(t.sprdFormual_Mem, 1, n)},
            });
    return QJsonObject{
        {QStringLiteral("channels"), set.channelCount()},
        {QStringLiteral("firmware"), set.versionText()},
        {QStringLiteral("common"), common},
        {QStringLiteral("channelRows"), channelRows},
        {QStringLiteral("formulas"), formulas},
    };
}

void PrintDifferences(QTextStream& out, const QVector<ParamDifference>& differences,
                      const QString& left, const QString& right) {
    if (differences.isEmpty()) {
        out << "No difference between " << left << " and " << right << ".\n";
        return;
    }
    out << "Rows that differ (" << left << " | " << right << "):\n";
    QStringList places;
    for (const ParamDifference& d : differences)
        places << d.where();
    const int width = widest(places, 6);
    for (const ParamDifference& d : differences) {
        out << "  " << d.where().leftJustified(width + 2) << d.key << " (" << d.caption
            << "): " << d.left << " | " << d.right;
        if (!d.downloaded)
            out << "  (a download does not write this row)";
        out << '\n';
    }
    out << differences.size() << (differences.size() == 1 ? " row differs.\n" : " rows differ.\n");
}

QJsonObject DifferencesJson(const QVector<ParamDifference>& differences, const QString& left,
                            const QString& right) {
    QJsonArray rows;
    for (const ParamDifference& d : differences)
        rows.append(QJsonObject{
            {QStringLiteral("where"), d.where()},
            {QStringLiteral("row"), d.row},
            {QStringLiteral("key"), d.key},
            {QStringLiteral("description"), d.caption},
            {QStringLiteral("left"), d.left},
            {QStringLiteral("right"), d.right},
            {QStringLiteral("downloaded"), d.downloaded},
        });
    return QJsonObject{{QStringLiteral("left"), left},
                       {QStringLiteral("right"), right},
                       {QStringLiteral("differences"), rows}};
}

bool ReadParameterFileFor(ParamSet& set, const QString& path, QTextStream& err) {
    const ParamFileResult r = LoadParameterSetFile(set, path);
    for (const QString& w : r.warnings)
        err << "td700: warning: " << w << '\n';
    if (!r.ok)
        err << "td700: " << r.error << '\n';
    err.flush();
    return r.ok;
}
