#include "paramtext/ParamTextImport.h"

#include "pagerules/RowRules.h"
#include "pagerules/SetRules.h"
#include "paramtext/ParamTextForm.h"
#include "paramtext/ParamTextSyntax.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <map>

namespace {

// The texts of this file, translated where the desktop program shows them.
struct ParamTextImportTexts {
    Q_DECLARE_TR_FUNCTIONS(ParamTextImport)
};

} // namespace

using namespace ParamLayout;
using namespace ParamTextForm;
using Keep = TextLine::Keep;

namespace {

constexpr int kShownErrors = 20;
constexpr qsizetype kListedKeys = 8;

struct Entry {
    int line = 0;
    QString section;
    TextLine row;
};

struct Section {
    int line = 0;
    QStringList keys;
};

const ParamField* fieldOf(const QVector<ParamField>& fields, const QString& key) {
    for (const ParamField& f : fields)
        if (f.key == key)
            return &f;
    return nullptr;
}

class Reader {
public:
    Reader(const QString& name, const ParamFileContents* base)
        : m_name(name)
        , m_base(base) {}

    ParamTextResult read(const QByteArray& bytes) {
        ParamTextResult result;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(bytes);
        if (utf8.hasError()) {
            result.errors << ParamTextImportTexts::tr("%1 is not UTF-8 text").arg(m_name);
            return result;
        }
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        collect(TextLinesOf(text));
        if (m_entries.isEmpty() && m_sections.isEmpty() && m_errors.empty()) {
            result.errors << ParamTextImportTexts::tr(
                                 "%1: the text is empty: no section, no row (blank lines and "
                                 "comments at most)")
                                 .arg(m_name);
            return result;
        }
        if (identify()) {
            checkSections();
            for (const Entry& e : m_entries)
                apply(e);
            if (!m_base)
                findMissing();
            checkSetRules();
        }
        if (!m_errors.empty()) {
            int shown = 0;
            for (const auto& [line, why] : m_errors) {
                if (shown++ == kShownErrors) {
                    result.errors << ParamTextImportTexts::tr("%1: and %2 more")
                                         .arg(m_name)
                                         .arg(m_errors.size() - kShownErrors);
                    break;
                }
                result.errors
                    << ParamTextImportTexts::tr("%1 line %2: %3").arg(m_name).arg(line).arg(why);
            }
            return result;
        }
        QByteArray out = m_parts.bytes();
        for (auto it = m_reserved.cbegin(); it != m_reserved.cend(); ++it)
            out[it.key()] = char(it.value());
        result.bytes = out;
        return result;
    }

private:
    void fail(int line, const QString& why) { m_errors.insert({line, why}); }

    // Every line taken apart, every section and key checked for repeats.
    void collect(const QStringList& lines) {
        QString section;
        QHash<QString, int> keys;
        m_lastLine = std::max(1, int(lines.size()));
        for (int i = 0; i < lines.size(); ++i) {
            const int number = i + 1;
            QString why;
            const auto line = ParseTextLine(lines[i], &why);
            if (!line) {
                fail(number, why);
                continue;
            }
            if (line->kind == TextLine::Kind::Section) {
                section = line->section;
                if (!known(section))
                    fail(number, ParamTextImportTexts::tr("unknown section [%1]").arg(section));
                else if (m_sections.contains(section))
                    fail(number,
                         ParamTextImportTexts::tr("section [%1] is given twice (first on line %2)")
                             .arg(section)
                             .arg(m_sections[section].line));
                else
                    m_sections[section].line = number;
                continue;
            }
            if (line->kind == TextLine::Kind::Blank)
                continue;
            if (section.isEmpty()) {
                fail(number,
                     ParamTextImportTexts::tr("%1 comes before any section").arg(line->key));
                continue;
            }
            if (!known(section))
                continue;
            const QString id = section + u'/' + line->key;
            if (keys.contains(id)) {
                fail(number,
                     ParamTextImportTexts::tr("%1 is given twice in [%2] (first on line %3)")
                         .arg(line->key, section)
                         .arg(keys[id]));
                continue;
            }
            keys.insert(id, number);
            m_sections[section].keys << line->key;
            m_entries.append({number, section, *line});
        }
    }

    static bool known(const QString& section) {
        return section == FileSection || section == CommonSection || section == FormulaSection ||
               section == ReservedSection || channelOfSection(section) > 0;
    }

    // The model and firmware: the base's, or the [file] section's. False when there are none.
    bool identify() {
        std::optional<int> channels, version;
        for (const Entry& e : m_entries) {
            if (e.section != FileSection)
                continue;
            const QString& t = e.row.text;
            if (e.row.keep != Keep::Shown) {
                fail(e.line, ParamTextImportTexts::tr("[file] takes no @"));
            } else if (e.row.key == ChannelsKey) {
                const int n = t.toInt();
                if (n == 2 || n == 4 || n == 6 || n == 12)
                    channels = n;
                else
                    fail(e.line,
                         ParamTextImportTexts::tr("CHANNELS = %1: takes 2, 4, 6 or 12").arg(t));
            } else if (e.row.key == FirmwareKey) {
                static const QRegularExpression form(QStringLiteral("^\\d(\\.\\d{1,2})?$"));
                if (form.match(t).hasMatch())
                    version = VersionHundredths(t.toDouble());
                else
                    fail(e.line,
                         ParamTextImportTexts::tr("FIRMWARE = %1: takes a version such as 1.20")
                             .arg(t));
            } else {
                fail(e.line,
                     ParamTextImportTexts::tr("unknown key %1 in [file] (CHANNELS, FIRMWARE)")
                         .arg(e.row.key));
            }
        }
        if (m_base) {
            m_parts = PartsOf(*m_base);
            const int fileLine = m_sections.value(FileSection).line;
            if (channels && *channels != m_parts.channels)
                fail(fileLine,
                     ParamTextImportTexts::tr("[file] says %1 channels, the base set has %2")
                         .arg(*channels)
                         .arg(m_parts.channels));
            if (version && *version != m_parts.version)
                fail(fileLine,
                     ParamTextImportTexts::tr("[file] says firmware %1, the base set is %2")
                         .arg(versionText(*version), versionText(m_parts.version)));
            return m_errors.empty();
        }
        if (!channels || !version) {
            const int line = m_sections.contains(FileSection) ? m_sections[FileSection].line : 1;
            if (!m_errors.empty())
                return false;
            fail(line,
                 ParamTextImportTexts::tr("[file] must give CHANNELS and FIRMWARE (or give a base "
                                          "set the text changes)"));
            return false;
        }
        m_parts.channels = *channels;
        m_parts.version = *version;
        return true;
    }

    // Sections the model or firmware does not have.
    void checkSections() {
        for (auto it = m_sections.cbegin(); it != m_sections.cend(); ++it) {
            const int channel = channelOfSection(it.key());
            if (channel > m_parts.channels)
                fail(it->line, ParamTextImportTexts::tr("the set has %1 channels: there is no [%2]")
                                   .arg(m_parts.channels)
                                   .arg(it.key()));
            if (it.key() == FormulaSection && !m_parts.hasFormulas())
                fail(it->line,
                     ParamTextImportTexts::tr("a set of firmware %1 keeps no formulas in its file")
                         .arg(versionText(m_parts.version)));
        }
    }

    static QString versionText(int hundredths) {
        return QStringLiteral("%1.%2")
            .arg(hundredths / 100)
            .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
    }

    void apply(const Entry& e) {
        if (e.section == FileSection)
            return;
        if (e.section == CommonSection)
            return applyRow(e, 0);
        if (e.section == FormulaSection)
            return applyFormula(e);
        if (e.section == ReservedSection)
            return applyReserved(e);
        const int channel = channelOfSection(e.section);
        if (channel <= m_parts.channels)
            applyRow(e, channel);
    }

    const ParamField* rowField(const Entry& e, int channel) {
        const QString& key = e.row.key;
        const auto& fields = channel > 0 ? ChannelFields(m_parts.version) : CommonFields();
        const ParamField* f = fieldOf(fields, key);
        if (f && InText(*f))
            return f;
        if (f && f->form == ParamForm::DeviceOnly)
            fail(e.line,
                 ParamTextImportTexts::tr("%1 is the meter's clock; a parameter set has no place "
                                          "for it")
                     .arg(key));
        else if (f)
            fail(e.line, ParamTextImportTexts::tr("%1 has no place in a set of firmware %2")
                             .arg(key, versionText(m_parts.version)));
        else if (channel == 0 && fieldOf(ChannelFields(m_parts.version), key))
            fail(e.line,
                 ParamTextImportTexts::tr("%1 is a channel row: give it under [CH01] .. [CH%2]")
                     .arg(key)
                     .arg(m_parts.channels, 2, 10, QLatin1Char('0')));
        else if (channel > 0 && fieldOf(CommonFields(), key))
            fail(e.line,
                 ParamTextImportTexts::tr("%1 is a common row: give it under [common]").arg(key));
        else
            fail(e.line, ParamTextImportTexts::tr("unknown key %1 in [%2]").arg(key, e.section));
        return nullptr;
    }

    void applyRow(const Entry& e, int channel) {
        const ParamField* f = rowField(e, channel);
        if (!f)
            return;
        const int base = channel > 0 ? channelOffset(channel) : 0;
        const ParamContext c = m_parts.context();
        ParamImage& image = m_parts.image;
        const QString& text = e.row.text;
        const QString said = QStringLiteral("%1 = %2: ").arg(f->key, QuotedText(text));
        if (e.row.keep == Keep::Stored) {
            QString why;
            if (!SetStoredValue(*f, e.row.stored, image, base, &why))
                return fail(e.line, said + why);
            const QString shown = ShownText(*f, image, base, c);
            if (shown != text)
                fail(e.line, said + ParamTextImportTexts::tr("@ %1 shows as %2, not as the text")
                                        .arg(e.row.stored, QuotedText(shown)));
            return;
        }
        std::optional<QString> before;
        if (m_base)
            before = ShownText(*f, image, base, c);
        if (before == text)
            return; // as the base has it, stored as the base stores it
        if (const auto why = FormRefusal(*f, text, c))
            return fail(e.line, said + *why);
        if (e.row.keep == Keep::Shown)
            if (const auto why = RowRefusal(*f, text, {m_parts.channels, m_parts.version, channel}))
                return fail(e.line, said + *why);
        StoreFieldText(*f, text, image, base, c);
        if (e.row.keep == Keep::Shown)
            m_changed.append({e.line, f, channel, text, before});
    }

    void applyFormula(const Entry& e) {
        if (!m_parts.hasFormulas())
            return;
        const QString& key = e.row.key;
        const bool memory = key.startsWith(QStringLiteral("MEM"));
        const int channel = channelOfSection(memory ? QStringLiteral("CH") + key.mid(3) : key);
        if (channel == 0)
            return fail(e.line,
                        ParamTextImportTexts::tr("unknown key %1 in [formulas] (CH01 .. CH06, "
                                                 "MEM01 .. MEM06)")
                            .arg(key));
        if (channel > m_parts.channels)
            return fail(e.line, ParamTextImportTexts::tr("the set has %1 channels: there is no %2")
                                    .arg(m_parts.channels)
                                    .arg(key));
        if (channel > FormulaRecsInFile)
            return fail(e.line,
                        ParamTextImportTexts::tr("%1: a parameter file keeps the formulas of "
                                                 "channels 1 to 6 only; a download leaves a "
                                                 "meter's others as they are")
                            .arg(key));
        FormulaRec& rec = m_parts.formulas[size_t(channel - 1)];
        const int offset = memory ? MemoryFormulaOffset : 0;
        const int registers = memory ? MemoryFormulaRegisters : ChannelFormulaRegisters;
        const int size = 2 * registers;
        const QString& text = e.row.text;
        const QString said = QStringLiteral("%1 = %2: ").arg(key, QuotedText(text));
        if (e.row.keep == Keep::Stored) {
            QString why;
            const auto bytes = FormulaFromStored(e.row.stored, size, &why);
            if (!bytes)
                return fail(e.line, said + why);
            if (FormulaText(*bytes) != text)
                return fail(e.line,
                            said + ParamTextImportTexts::tr("@ shows as %1, not as the text")
                                       .arg(QuotedText(FormulaText(*bytes))));
            return rec.setText(offset, registers, *bytes);
        }
        if (m_base && text == FormulaText(rec.text(offset, registers)))
            return;
        if (const auto why = FormulaFormRefusal(text, size))
            return fail(e.line, said + *why);
        if (e.row.keep == Keep::Shown)
            if (const auto why = FormulaRefusal(memory, text))
                return fail(e.line, said + *why);
        rec.setText(offset, registers, FormulaBytes(text, size));
    }

    void applyReserved(const Entry& e) {
        bool ok = false;
        const int offset = e.row.key.toInt(&ok);
        const auto bytes = FromHex(e.row.text);
        const int size = ParameterFileSize(m_parts.version);
        if (!ok || offset < 0 || !bytes || e.row.keep != Keep::Shown)
            return fail(e.line,
                        ParamTextImportTexts::tr("a reserved line is written OFFSET = hex bytes"));
        if (offset + bytes->size() > size)
            return fail(e.line,
                        ParamTextImportTexts::tr("offset %1 and %2 bytes go past the %3 bytes of "
                                                 "the file")
                            .arg(offset)
                            .arg(bytes->size())
                            .arg(size));
        const QBitArray rows = RowBytes(m_parts.channels, m_parts.version);
        for (int i = 0; i < bytes->size(); ++i) {
            const int at = offset + i;
            if (rows.testBit(at))
                return fail(e.line,
                            ParamTextImportTexts::tr("byte %1 belongs to a row; give the row "
                                                     "instead")
                                .arg(at));
            if (m_reserved.contains(at))
                return fail(e.line, ParamTextImportTexts::tr("byte %1 is given twice").arg(at));
            m_reserved.insert(at, quint8((*bytes)[i]));
        }
    }

    // Without a base every row is given.
    void findMissing() {
        const auto missing = [&](const QString& section, const QStringList& wanted) {
            QStringList lacking;
            for (const QString& key : wanted)
                if (!m_sections.value(section).keys.contains(key))
                    lacking << key;
            if (lacking.isEmpty())
                return;
            const QString without =
                ParamTextImportTexts::tr(" (a text without a base set gives every row)");
            if (!m_sections.contains(section))
                return fail(m_lastLine,
                            ParamTextImportTexts::tr("[%1] is not given").arg(section) + without);
            const qsizetype more = lacking.size() - kListedKeys;
            if (more > 0)
                lacking = lacking.mid(0, kListedKeys)
                          << ParamTextImportTexts::tr("and %1 more").arg(more);
            fail(m_sections[section].line,
                 ParamTextImportTexts::tr("[%1] lacks %2")
                         .arg(section, lacking.join(QStringLiteral(", "))) +
                     without);
        };
        QStringList common, channel, formulas;
        for (const ParamField& f : CommonFields())
            if (InText(f))
                common << f.key;
        for (const ParamField& f : ChannelFields(m_parts.version))
            if (InText(f))
                channel << f.key;
        missing(CommonSection, common);
        for (int n = 1; n <= m_parts.channels; ++n)
            missing(channelSection(n), channel);
        for (int n = 1; n <= m_parts.formulaChannels(); ++n)
            formulas << formulaKey(false, n) << formulaKey(true, n);
        missing(FormulaSection, formulas);
    }

    // The rules that weigh a row against others, on the rows the text changes without "@"
    // (without a base every row is new), against the set as the whole text leaves it. A rule
    // that several rows break together is told once, at the last of them.
    void checkSetRules() {
        const SetRowText rowText = RowTextsOf(m_parts);
        std::map<QString, std::pair<int, QString>> broken; // why -> line, what it says
        for (const Changed& c : m_changed)
            if (const auto why =
                    SetRefusal(*c.field, c.text, c.before,
                               {m_parts.channels, m_parts.version, c.channel}, rowText))
                broken[*why] = {
                    c.line,
                    QStringLiteral("%1 = %2: %3").arg(c.field->key, QuotedText(c.text), *why)};
        for (const auto& [why, said] : broken)
            fail(said.first, said.second);
    }

    QString m_name;
    const ParamFileContents* m_base;
    Parts m_parts;
    QVector<Entry> m_entries;
    QHash<QString, Section> m_sections;
    QHash<int, quint8> m_reserved;
    // The rows the text changed that the pages' rules apply to, in the order of their lines.
    struct Changed {
        int line = 0;
        const ParamField* field = nullptr;
        int channel = 0;
        QString text;
        std::optional<QString> before; // the base's text
    };
    QVector<Changed> m_changed;
    std::multimap<int, QString> m_errors;
    int m_lastLine = 1;
};

} // namespace

ParamTextResult ParameterFileFromText(const QByteArray& text, const QString& name,
                                      const ParamFileContents* base) {
    return Reader(name, base).read(text);
}
