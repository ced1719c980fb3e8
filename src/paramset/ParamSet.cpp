#include "paramset/ParamSet.h"

#include "comm/DeviceTables.h"
#include "comm/ReplyDecoder.h"
#include "core/CodePage.h"
#include "paramset/FieldText.h"
#include "paramset/ParamFields.h"

#include <functional>

using namespace ParamLayout;

namespace {

constexpr int kRowSlots = 70;                                // rows 0..69
constexpr int kChannelSlots = (MaxChannels + 3) * kRowSlots; // columns 0..14
constexpr int MemoryFormulaBytes = 2 * MemoryFormulaRegisters;
constexpr int ChannelFormulaBytes = 2 * ChannelFormulaRegisters;

bool validChannelCount(int channels) {
    return channels == 2 || channels == 4 || channels == 6 || channels == 12;
}

// Fields that a table cell stands for (the system date rows and the unused row have none).
bool stored(const ParamField& f) {
    return f.width != ParamWidth::None;
}

} // namespace

ParamSet::ParamSet() {
    forgetValueCells();
    m_shown[2].assign(kRowSlots, std::nullopt);
    m_shown[3].assign(kRowSlots, std::nullopt);
    tables.layOut(m_channels, m_version);
}

QString ParamSet::versionText() const {
    return VersionText(quint8(std::min(m_version / 100, 255)), quint8(m_version % 100));
}

bool ParamSet::hasFormulasInFile() const {
    return m_version >= VersionFormulas;
}

void ParamSet::setIdentity(int channels, int versionHundredths) {
    if (validChannelCount(channels))
        m_channels = channels;
    m_version = std::clamp(versionHundredths, 0, 255 * 100 + 99);
}

std::optional<QString>* ParamSet::shownCell(const TextTable& table, int column, int row) {
    return const_cast<std::optional<QString>*>(std::as_const(*this).shownCell(table, column, row));
}

const std::optional<QString>* ParamSet::shownCell(const TextTable& table, int column,
                                                  int row) const {
    if (row < 0 || row >= kRowSlots || column < 0 || column > MaxChannels + 2)
        return nullptr;
    const ParamTables& t = tables;
    size_t which = 0, slot = size_t(row);
    if (&table == &t.sprdP_CH) {
        which = 1;
        slot = size_t(column * kRowSlots + row);
    } else if (&table == &t.sprdFormual_Mem) {
        which = 2;
    } else if (&table == &t.sprdFormual_CH) {
        which = 3;
    } else if (&table != &t.sprdP) {
        return nullptr;
    }
    const auto& cells = m_shown[which];
    return slot < cells.size() ? &cells[slot] : nullptr;
}

void ParamSet::forgetValueCells() {
    m_shown[0].assign(kRowSlots, std::nullopt);
    m_shown[1].assign(kChannelSlots, std::nullopt);
}

void ParamSet::remember(const TextTable& table, int column, int row) {
    if (auto* cell = shownCell(table, column, row))
        *cell = table.text(column, row);
}

bool ParamSet::unchanged(const TextTable& table, int column, int row) const {
    const auto* cell = shownCell(table, column, row);
    return cell && *cell && **cell == table.text(column, row);
}

bool ParamSet::isEdited(const TextTable& table, int column, int row) const {
    return !unchanged(table, column, row);
}

bool ParamSet::hasEdits() const {
    const ParamTables& t = tables;
    for (const ParamField& f : CommonFields())
        if (stored(f) && isEdited(t.sprdP, ParamTables::ValueColumn, f.row))
            return true;
    for (int n = 1; n <= m_channels; ++n) {
        for (const ParamField& f : ChannelFields(m_version))
            if (stored(f) && isEdited(t.sprdP_CH, ParamTables::channelColumn(n), f.row))
                return true;
        if (isEdited(t.sprdFormual_CH, 1, n) || isEdited(t.sprdFormual_Mem, 1, n))
            return true;
    }
    return false;
}

namespace {

void showFormulas(ParamSet& set, const std::function<void(const TextTable&, int)>& remember) {
    for (int n = 1; n <= set.channelCount(); ++n) {
        const FormulaRec& rec = set.gFormulaTable[size_t(n - 1)];
        set.tables.sprdFormual_CH.setText(1, n, DecodeCp949(rec.channelFormula()));
        set.tables.sprdFormual_Mem.setText(1, n, DecodeCp949(rec.memoryFormula()));
        remember(set.tables.sprdFormual_CH, n);
        remember(set.tables.sprdFormual_Mem, n);
    }
}

} // namespace

void ShowImageInTables(ParamSet& set) {
    ParamTables& t = set.tables;
    const ParamContext context{set.channelCount(), set.versionHundredths()};
    t.layOut(context.channels, context.version);
    // The formula cells keep what they were shown with when the formulas are not shown now.
    set.forgetValueCells();

    for (const ParamField& f : CommonFields()) {
        if (const auto text = FieldText(f, set.image, 0, context))
            t.sprdP.setText(ParamTables::ValueColumn, f.row, *text);
        if (stored(f))
            set.remember(t.sprdP, ParamTables::ValueColumn, f.row);
    }
    for (int n = 1; n <= context.channels; ++n) {
        const int column = ParamTables::channelColumn(n);
        for (const ParamField& f : ChannelFields(context.version)) {
            if (const auto text = FieldText(f, set.image, channelOffset(n), context))
                t.sprdP_CH.setText(column, f.row, *text);
            if (stored(f))
                set.remember(t.sprdP_CH, column, f.row);
        }
    }
    if (set.hasFormulasInFile()) {
        showFormulas(set, [&](const TextTable& table, int row) { set.remember(table, 1, row); });
    } else {
        // Left as they are, and not taken as edits: such a set neither saves nor downloads
        // formulas.
        for (int n = 1; n <= context.channels; ++n) {
            set.remember(t.sprdFormual_CH, 1, n);
            set.remember(t.sprdFormual_Mem, 1, n);
        }
    }
}

void TakeImageFromTables(ParamSet& set) {
    const ParamTables& t = set.tables;
    const ParamContext context{set.channelCount(), set.versionHundredths()};
    for (const ParamField& f : CommonFields())
        if (stored(f) && !set.unchanged(t.sprdP, ParamTables::ValueColumn, f.row))
            StoreFieldText(f, t.sprdP.text(ParamTables::ValueColumn, f.row), set.image, 0, context);
    for (int n = 1; n <= context.channels; ++n) {
        const int column = ParamTables::channelColumn(n);
        for (const ParamField& f : ChannelFields(context.version))
            if (stored(f) && !set.unchanged(t.sprdP_CH, column, f.row))
                StoreFieldText(f, t.sprdP_CH.text(column, f.row), set.image, channelOffset(n),
                               context);
        FormulaRec& rec = set.gFormulaTable[size_t(n - 1)];
        if (!set.unchanged(t.sprdFormual_CH, 1, n))
            rec.setChannelFormula(EncodeBounded(t.sprdFormual_CH.text(1, n), ChannelFormulaBytes));
        if (!set.unchanged(t.sprdFormual_Mem, 1, n))
            rec.setMemoryFormula(EncodeBounded(t.sprdFormual_Mem.text(1, n), MemoryFormulaBytes));
    }
}

void ShowDeviceTablesInSet(ParamSet& set, const DeviceTables& device, int channels,
                           const QString& versionText) {
    set.setIdentity(validChannelCount(channels) ? channels : 12,
                    VersionHundredths(VersionNumber(versionText)));
    const int version = set.versionHundredths();
    const int n = set.channelCount();

    bool noPrefix = true;
    for (const ParamField& f : CommonFields()) {
        QString text = device.sprdP_Common.text(1, f.row);
        if (f.row == FilePrefixRow) {
            // A meter before 1.10 has no prefix: what the table holds there is not its own.
            if (version < VersionPrefix)
                text.clear();
            const QByteArray bytes = EncodeCp949(text);
            noPrefix = bytes.count('\0') == bytes.size();
        }
        StoreDeviceText(f, text, set.image, 0);
    }
    for (int ch = 1; ch <= n; ++ch)
        for (const ParamField& f : ChannelFields(version))
            StoreDeviceText(f, device.sprdP_CH.text(ch, f.row), set.image, channelOffset(ch));
    // The upload reads the formulas from firmware 1.16, and from every twelve-channel meter.
    const bool formulasRead = version >= VersionFormulas || n == 12;
    if (formulasRead) {
        for (int ch = 1; ch <= n; ++ch) {
            FormulaRec& rec = set.gFormulaTable[size_t(ch - 1)];
            rec.setChannelFormula(
                EncodeCp949(device.sprdFormual_CH.text(1, ch)).left(ChannelFormulaBytes));
            rec.setMemoryFormula(
                EncodeCp949(device.sprdFormual_Mem.text(1, ch)).left(MemoryFormulaBytes));
        }
    }

    if (noPrefix) // the recorder's default, shown, saved and downloaded as such
        set.image.setChars(ParamLayout::FilePrefix, 6,
                           EncodeBounded(ParamText::DefaultFilePrefix, 6));

    ShowImageInTables(set);
    ParamTables& t = set.tables;
    if (formulasRead && !set.hasFormulasInFile())
        showFormulas(set, [&](const TextTable& table, int row) { set.remember(table, 1, row); });
    for (int row = SystemDateFirstRow; row <= SystemDateLastRow; ++row)
        t.sprdP.setText(ParamTables::ValueColumn, row, device.sprdP_Common.text(1, row));
    for (int row : ProtocolRows) {
        t.sprdP.setText(ParamTables::ValueColumn, row, ParamText::UploadedProtocolText);
        set.remember(t.sprdP, ParamTables::ValueColumn, row);
    }
}

void NewParameterSet(ParamSet& set, int channels, const QString& versionText,
                     const DeviceTables& settings) {
    ShowDeviceTablesInSet(set, settings, channels, versionText);
    for (int row = SystemDateFirstRow; row <= SystemDateLastRow; ++row)
        set.tables.sprdP.setText(ParamTables::ValueColumn, row, QString());
}

void NewParameterSet(ParamSet& set, int channels, const QString& versionText) {
    NewParameterSet(set, channels, versionText, DeviceTables());
}
