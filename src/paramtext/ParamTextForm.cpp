#include "paramtext/ParamTextForm.h"

#include "core/CodePage.h"
#include "pagerules/RowRules.h"
#include "paramset/ParamCompare.h"

#include <QCoreApplication>
#include <cfloat>
#include <cmath>

namespace {

// The texts of this file, translated where the desktop program shows them.
struct ParamTextFormTexts {
    Q_DECLARE_TR_FUNCTIONS(ParamTextForm)
};

} // namespace

using namespace ParamLayout;

namespace ParamTextForm {

namespace {

std::optional<qint64> wholeNumber(const QString& text) {
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(v) : std::nullopt;
}

// Text that the code page holds as it stands, with no zero character.
bool encodable(const QString& text) {
    return !text.contains(QChar(0)) && DecodeCp949(EncodeCp949(text)) == text;
}

void mark(QBitArray& bits, int from, int count) {
    for (int i = from; i < from + count; ++i)
        bits.setBit(i);
}

} // namespace

QString channelSection(int channel) {
    return QStringLiteral("CH%1").arg(channel, 2, 10, QLatin1Char('0'));
}

int channelOfSection(const QString& name) {
    if (name.size() != 4 || !name.startsWith(QStringLiteral("CH")))
        return 0;
    bool ok = false;
    const int n = name.mid(2).toInt(&ok);
    return ok && n >= 1 && n <= MaxChannels && channelSection(n) == name ? n : 0;
}

QString formulaKey(bool memory, int channel) {
    return (memory ? QStringLiteral("MEM") : QStringLiteral("CH")) +
           QStringLiteral("%1").arg(channel, 2, 10, QLatin1Char('0'));
}

int Parts::formulaChannels() const {
    return hasFormulas() ? std::min(channels, FormulaRecsInFile) : 0;
}

QByteArray Parts::bytes() const {
    ParamFileHeader h = header;
    h.describe(channels, version / 100.0);
    QByteArray out = h.toByteArray() + image.toByteArray();
    if (hasFormulas())
        for (const FormulaRec& rec : formulas)
            out += rec.toByteArray();
    return out;
}

Parts PartsOf(const ParamFileContents& c) {
    Parts p;
    p.header = c.header;
    p.image = c.image;
    p.formulas = c.formulas;
    p.channels = c.channels;
    p.version = c.versionHundredths;
    return p;
}

bool InText(const ParamField& f) {
    return f.width != ParamWidth::None;
}

QBitArray RowBytes(int channels, int version) {
    QBitArray bits(FileSizeWithFormulas);
    mark(bits, HeaderModel, HeaderHundredths - HeaderModel + 1);
    for (const ParamField& f : CommonFields())
        if (InText(f))
            mark(bits, HeaderSize + f.offset, f.byteCount());
    for (int n = 1; n <= channels; ++n)
        for (const ParamField& f : ChannelFields(version))
            if (InText(f))
                mark(bits, HeaderSize + channelOffset(n) + f.offset, f.byteCount());
    if (version >= VersionFormulas)
        for (int n = 1; n <= std::min(channels, FormulaRecsInFile); ++n)
            mark(bits, FileSizeWithoutFormulas + FormulaRecSize * (n - 1), FormulaRecSize);
    return bits;
}

QString ShownText(const ParamField& f, const ParamImage& image, int base, const ParamContext& c) {
    return ListedText(FieldText(f, image, base, c).value_or(QString()));
}

SetRowText RowTextsOf(const Parts& p) {
    return [&p](const QString& key, int channel) {
        const auto& fields = channel > 0 ? ChannelFields(p.version) : CommonFields();
        for (const ParamField& f : fields)
            if (f.key == key)
                return ShownText(f, p.image, channel > 0 ? channelOffset(channel) : 0, p.context());
        return QString();
    };
}

std::optional<QString> FormRefusal(const ParamField& f, const QString& text,
                                   const ParamContext& c) {
    switch (f.width) {
    case ParamWidth::I16:
    case ParamWidth::I32: {
        const QStringList texts = FieldTexts(f, c);
        if (!texts.isEmpty()) {
            if (texts.contains(text))
                return std::nullopt;
            return TakesOneOf(texts);
        }
        const bool wide = f.width == ParamWidth::I32;
        const auto v = wholeNumber(text);
        const qint64 low = wide ? INT32_MIN : INT16_MIN, high = wide ? INT32_MAX : INT16_MAX;
        if (!v || *v < low || *v > high)
            return ParamTextFormTexts::tr("takes a whole number from %1 to %2").arg(low).arg(high);
        return std::nullopt;
    }
    case ParamWidth::F32: {
        bool ok = false;
        const double v = text.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(v) || std::abs(v) > double(FLT_MAX))
            return ParamTextFormTexts::tr("takes a number");
        return std::nullopt;
    }
    case ParamWidth::Chars: {
        if (!encodable(text))
            return ParamTextFormTexts::tr("holds characters that a recorder cannot keep");
        const qsizetype bytes = EncodeCp949(text).size();
        if (bytes > f.characters)
            return ParamTextFormTexts::tr("is %1 bytes long; the row holds %2")
                .arg(bytes)
                .arg(f.characters);
        return std::nullopt;
    }
    case ParamWidth::None:
        break;
    }
    return ParamTextFormTexts::tr("has no place in a parameter set");
}

bool SetStoredValue(const ParamField& f, const QString& value, ParamImage& image, int base,
                    QString* why) {
    const int at = base + f.offset;
    switch (f.width) {
    case ParamWidth::I16:
    case ParamWidth::I32: {
        const bool wide = f.width == ParamWidth::I32;
        const auto v = wholeNumber(value);
        const qint64 low = wide ? INT32_MIN : INT16_MIN, high = wide ? UINT32_MAX : UINT16_MAX;
        if (!v || *v < low || *v > high) {
            *why = ParamTextFormTexts::tr("@ wants a whole number of %1 bits").arg(wide ? 32 : 16);
            return false;
        }
        if (wide)
            image.setU32(at, quint32(*v));
        else
            image.setU16(at, quint16(*v));
        return true;
    }
    case ParamWidth::F32: {
        bool ok = false;
        if (value.startsWith(QStringLiteral("0x"))) {
            const quint32 bits = value.mid(2).toUInt(&ok, 16);
            if (ok && value.size() == 10) {
                image.setU32(at, bits);
                return true;
            }
        } else {
            const float v = value.toFloat(&ok);
            if (ok && std::isfinite(v)) {
                image.setF32(at, v);
                return true;
            }
        }
        *why = ParamTextFormTexts::tr("@ wants a number, or 0x and eight hex digits");
        return false;
    }
    case ParamWidth::Chars: {
        const auto bytes = FromHex(value);
        if (!bytes || bytes->size() != f.byteCount()) {
            *why = ParamTextFormTexts::tr("@ wants the row's %1 bytes in hex").arg(f.byteCount());
            return false;
        }
        for (int i = 0; i < f.byteCount(); ++i)
            image.bytes[size_t(at + i)] = quint8((*bytes)[i]);
        return true;
    }
    case ParamWidth::None:
        break;
    }
    *why = ParamTextFormTexts::tr("the row has no stored value");
    return false;
}

QString FormulaText(const QByteArray& bytes) {
    return ListedText(DecodeCp949(bytes));
}

std::optional<QString> FormulaFormRefusal(const QString& text, int bytes) {
    if (!encodable(text))
        return ParamTextFormTexts::tr("holds characters that a recorder cannot keep");
    if (EncodeCp949(text).size() > bytes)
        return ParamTextFormTexts::tr("is longer than the %1 characters a formula holds")
            .arg(bytes);
    return std::nullopt;
}

QByteArray FormulaBytes(const QString& text, int bytes) {
    return EncodeBounded(text, bytes);
}

std::optional<QByteArray> FormulaFromStored(const QString& value, int bytes, QString* why) {
    const auto out = FromHex(value);
    if (!out || out->size() != bytes) {
        *why = ParamTextFormTexts::tr("@ wants the formula's %1 bytes in hex").arg(bytes);
        return std::nullopt;
    }
    return out;
}

QString Hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' '));
}

std::optional<QByteArray> FromHex(const QString& text) {
    QString digits = text;
    digits.remove(u' ');
    if (digits.size() % 2 != 0)
        return std::nullopt;
    for (const QChar c : digits) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F')))
            return std::nullopt;
    }
    return QByteArray::fromHex(digits.toLatin1());
}

} // namespace ParamTextForm
