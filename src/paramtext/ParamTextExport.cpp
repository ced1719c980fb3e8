#include "paramtext/ParamTextExport.h"

#include "pagerules/RowRules.h"
#include "paramset/ParamSet.h"
#include "paramset/ParamTables.h"
#include "paramtext/ParamTextForm.h"
#include "paramtext/ParamTextSyntax.h"

#include <QStringList>

using namespace ParamLayout;
using namespace ParamTextForm;
using Keep = TextLine::Keep;

namespace {

constexpr int kReservedPerLine = 16;

// How a row is written: its text, and "@" where the text alone does not give its bytes back
// or the pages would not offer it, alone or beside the set's other rows (a display group of
// more than six channels). The test is the import itself on an empty set.
Keep keepOf(const ParamField& f, const QString& text, const ParamImage& image, int base,
            const Parts& p, int channel) {
    const ParamContext c = p.context();
    ParamImage empty;
    if (FormRefusal(f, text, c) || !StoreFieldText(f, text, empty, base, c))
        return Keep::Stored;
    const auto first = image.bytes.begin() + base + f.offset;
    if (!std::equal(first, first + f.byteCount(), empty.bytes.begin() + base + f.offset))
        return Keep::Stored;
    const RowPlace place{p.channels, p.version, channel};
    if (RowRefusal(f, text, place) || SetRefusal(f, text, std::nullopt, place, RowTextsOf(p)))
        return Keep::AsIs;
    return Keep::Shown;
}

QString caption(const TextTable& table, const ParamField& f) {
    QString text = table.text(ParamTables::DescriptionColumn, f.row);
    if (table.isRowHidden(f.row))
        text += QStringLiteral(" (not shown for this model and firmware)");
    return text;
}

void rowLines(QStringList& out, const QVector<ParamField>& fields, const TextTable& table,
              const Parts& p, int channel) {
    const int base = channel > 0 ? channelOffset(channel) : 0;
    for (const ParamField& f : fields) {
        if (!InText(f))
            continue;
        const QString text = ShownText(f, p.image, base, p.context());
        const Keep keep = keepOf(f, text, p.image, base, p, channel);
        out << RowLine(f.key, text, keep,
                       keep == Keep::Stored ? StoredFieldValue(f, p.image, base) : QString(),
                       caption(table, f));
    }
}

void formulaLine(QStringList& out, bool memory, int channel, const QByteArray& bytes) {
    const QString text = FormulaText(bytes);
    const int size = int(bytes.size());
    Keep keep = Keep::Shown;
    if (FormulaFormRefusal(text, size) || FormulaBytes(text, size) != bytes)
        keep = Keep::Stored;
    else if (FormulaRefusal(memory, text))
        keep = Keep::AsIs;
    out << RowLine(formulaKey(memory, channel), text, keep,
                   keep == Keep::Stored ? Hex(bytes) : QString(),
                   memory ? QStringLiteral("memory formula (M AREA)")
                          : QStringLiteral("channel formula (CH MATH. TYPE)"));
}

void reservedLines(QStringList& out, const QByteArray& bytes, const QBitArray& rows) {
    const auto reserved = [&](qsizetype i) { return !rows.testBit(int(i)) && bytes[i] != 0; };
    for (qsizetype i = 0; i < bytes.size();) {
        if (!reserved(i)) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < bytes.size() && end - i < kReservedPerLine && reserved(end))
            ++end;
        out << QStringLiteral("%1 = %2").arg(i).arg(Hex(bytes.mid(i, end - i)));
        i = end;
    }
}

} // namespace

std::optional<QString> ParameterText(const ParamFileContents& contents, QString* error) {
    if (contents.channels == 0) {
        *error = QStringLiteral("its header names model code %1, none of the four models")
                     .arg(contents.header.modelCode());
        return std::nullopt;
    }
    const Parts p = PartsOf(contents);
    ParamTables tables;
    tables.layOut(p.channels, p.version);

    QStringList out;
    out << QStringLiteral("# TD700 parameter set as text: KEY = the value as Parameter Setup "
                          "shows it.")
        << QStringLiteral("# \"@\" keeps a value as it stands where the parameter pages would "
                          "not offer it;")
        << QStringLiteral("# \"@ value\" keeps the stored value where the text stands for "
                          "several.")
        << QString() << QStringLiteral("[%1]").arg(FileSection)
        << RowLine(ChannelsKey, QString::number(p.channels), Keep::Shown, {},
                   QStringLiteral("model code %1 in the file").arg(contents.header.modelCode()))
        << RowLine(FirmwareKey,
                   QStringLiteral("%1.%2")
                       .arg(p.version / 100)
                       .arg(p.version % 100, 2, 10, QLatin1Char('0')),
                   Keep::Shown, {}, QString());

    out << QString() << QStringLiteral("[%1]").arg(CommonSection);
    rowLines(out, CommonFields(), tables.sprdP, p, 0);
    for (int n = 1; n <= p.channels; ++n) {
        out << QString() << QStringLiteral("[%1]").arg(channelSection(n));
        rowLines(out, ChannelFields(p.version), tables.sprdP_CH, p, n);
    }
    if (p.hasFormulas()) {
        out << QString() << QStringLiteral("[%1]").arg(FormulaSection)
            << QStringLiteral("# The file keeps the formulas of channels 1 to 6 only; a "
                              "download leaves a meter's others as they are.");
        for (int n = 1; n <= p.formulaChannels(); ++n) {
            const FormulaRec& rec = p.formulas[size_t(n - 1)];
            formulaLine(out, false, n, rec.text(0, ChannelFormulaRegisters));
            formulaLine(out, true, n, rec.text(MemoryFormulaOffset, MemoryFormulaRegisters));
        }
    }
    QStringList reserved;
    reservedLines(reserved, p.bytes(), RowBytes(p.channels, p.version));
    if (!reserved.isEmpty())
        out << QString() << QStringLiteral("[%1]").arg(ReservedSection)
            << QStringLiteral("# Bytes no row holds, by their offset in the parameter file.")
            << reserved;
    return out.join(u'\n') + u'\n';
}

QString ParameterSetText(ParamSet& set) {
    QString error;
    const auto contents = ParseParameterFile(ParameterFileBytes(set), QString(), &error);
    return contents ? ParameterText(*contents, &error).value_or(QString()) : QString();
}
