#include "paramset/FieldText.h"

#include "comm/ChannelColours.h"
#include "core/CodePage.h"
#include "core/FloatText.h"

#include <QStringList>
#include <cfloat>
#include <cmath>

using PF = ParamForm;
using PW = ParamWidth;

namespace ParamText {

const QStringList& BaudRates() {
    static const QStringList list{QStringLiteral("9600"), QStringLiteral("19200"),
                                  QStringLiteral("38400"), QStringLiteral("57600")};
    return list;
}

const QStringList& Parities() {
    static const QStringList list{QStringLiteral("NONE"), QStringLiteral("ODD"),
                                  QStringLiteral("EVEN")};
    return list;
}

const QStringList& ReadModes() {
    static const QStringList list{QStringLiteral("DIRECT"), QStringLiteral("MAX"),
                                  QStringLiteral("MIN"), QStringLiteral("AVG")};
    return list;
}

const QStringList& DisplayModes() {
    static const QStringList list{QStringLiteral("H.TREND"), QStringLiteral("V.TREND"),
                                  QStringLiteral("TEXT-VIEW"), QStringLiteral("BAR GRAPH"),
                                  QStringLiteral("HISTORY-VIEW")};
    return list;
}

// From 1.16 every mode but the history view has a second code, one above the first.
int DisplayModeCode(int index, int version) {
    static const int before[] = {1, 3, 5, 6, 17};
    static const int from[] = {1, 3, 5, 7, 129};
    const int i = index < 0 ? 0 : index > 4 ? 4 : index;
    return version >= VersionFormulas ? from[i] : before[i];
}

std::optional<int> DisplayModeIndex(int code, int version) {
    for (int i = 0; i < 5; ++i) {
        const int first = DisplayModeCode(i, version);
        if (code == first || (version >= VersionFormulas && i < 4 && code == first + 1))
            return i;
    }
    return std::nullopt;
}

} // namespace ParamText

namespace {

qint64 saturated(double value, qint64 lowest, qint64 highest) {
    if (value <= double(lowest))
        return lowest;
    if (value >= double(highest))
        return highest;
    return qint64(value);
}

// Integers are stored with the 16 or 32 bits of the field: a meter reports its registers
// unsigned, the file holds them signed, both stand for the same bits.
void storeInteger(const ParamField& f, double value, ParamImage& image, int at) {
    if (f.width == PW::I32)
        image.setU32(at, quint32(saturated(value, INT32_MIN, UINT32_MAX)));
    else
        image.setU16(at, quint16(saturated(value, INT16_MIN, UINT16_MAX)));
}

void storeSingle(double value, ParamImage& image, int at) {
    image.setF32(at, float(std::clamp(value, -double(FLT_MAX), double(FLT_MAX))));
}

void storeNumber(const ParamField& f, double value, ParamImage& image, int at) {
    if (f.width == PW::F32)
        storeSingle(value, image, at);
    else
        storeInteger(f, value, image, at);
}

qint64 integerOf(const ParamField& f, const ParamImage& image, int at) {
    return f.width == PW::I32 ? image.i32(at) : image.i16(at);
}

std::optional<int> listIndex(const QStringList& list, const QString& text) {
    const qsizetype i = list.indexOf(text);
    return i < 0 ? std::nullopt : std::optional<int>(int(i));
}

QString listText(const QStringList& list, qint64 value) {
    return value >= 0 && value < list.size() ? list[value] : QString();
}

const QStringList& listOf(PF form) {
    switch (form) {
    case PF::BaudRate:
        return ParamText::BaudRates();
    case PF::Parity:
        return ParamText::Parities();
    default:
        return ParamText::ReadModes();
    }
}

std::optional<int> displayGroupCode(const QString& text) {
    if (text.isEmpty() || text == QStringLiteral("OFF"))
        return 0;
    if (text == QStringLiteral("GROUP 1") || text == QStringLiteral("ON"))
        return 1;
    if (text == QStringLiteral("GROUP 2"))
        return 2;
    if (text == QStringLiteral("ALL"))
        return 3;
    return std::nullopt;
}

} // namespace

double CellNumber(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

QByteArray EncodeBounded(const QString& text, int bytes) {
    QByteArray out;
    for (qsizetype i = 0; i < text.size();) {
        // A surrogate pair is one character.
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray encoded = EncodeCp949(text.mid(i, length));
        if (out.size() + encoded.size() > bytes)
            break;
        out += encoded;
        i += length;
    }
    return out.leftJustified(bytes, '\0');
}

std::optional<QString> FieldText(const ParamField& f, const ParamImage& image, int base,
                                 const ParamContext& c) {
    const int at = base + f.offset;
    const qint64 value = f.width == PW::I16 || f.width == PW::I32 ? integerOf(f, image, at) : 0;
    switch (f.form) {
    case PF::Number:
        return QString::number(value);
    case PF::Decimal:
        return FloatToText(image.f32(at));
    case PF::Tenths: {
        const float v = image.f32(at);
        if (!std::isfinite(v))
            return FloatToText(v);
        return v == 0.0f ? QStringLiteral("0.0") : QString::number(double(v), 'f', 1);
    }
    case PF::Chars:
        return DecodeCp949(image.chars(at, f.characters));
    case PF::TwoState:
        return value < 1 ? f.low : f.high;
    case PF::RecordSwitch:
        return value < 1 ? QStringLiteral("OFF") : QStringLiteral("ON");
    case PF::RecordControl:
        return value == 0   ? QStringLiteral("STOP")
               : value == 1 ? QStringLiteral("START")
                            : ParamText::Bypass;
    case PF::TimeUnit:
        return value == 0   ? QStringLiteral("HOUR")
               : value == 1 ? QStringLiteral("MIN.")
                            : QStringLiteral("SEC.");
    case PF::DisplayGroup:
        if (c.channels > 6) {
            static const QString groups[] = {QString(), QStringLiteral("GROUP 1"),
                                             QStringLiteral("GROUP 2"), QStringLiteral("ALL")};
            return value >= 1 && value <= 3 ? groups[value] : QString();
        }
        return value < 1 ? QStringLiteral("OFF") : QStringLiteral("ON");
    case PF::DisplayMode:
        if (const auto i = ParamText::DisplayModeIndex(int(value), c.version))
            return ParamText::DisplayModes()[*i];
        return std::nullopt;
    case PF::BaudRate:
    case PF::Parity:
    case PF::ReadMode:
        return listText(listOf(f.form), value);
    case PF::Colour: {
        const int index = ChannelColourIndex(quint16(value));
        return index < 0 ? QString() : QString::number(index);
    }
    case PF::Protocol:
        return ParamText::ProtocolText;
    case PF::ReferenceJunction:
        if (value == 0)
            return QStringLiteral("IN.SENSOR");
        if (value == 1)
            return QStringLiteral("DIRECT INPUT");
        if (value >= 2 && value <= 13)
            return QStringLiteral("CH%1").arg(value - 1, 2, 10, QLatin1Char('0'));
        return QString();
    case PF::Unused:
        return QString();
    case PF::DeviceOnly:
        return std::nullopt;
    }
    return std::nullopt;
}

bool StoreFieldText(const ParamField& f, const QString& text, ParamImage& image, int base,
                    const ParamContext& c) {
    const int at = base + f.offset;
    const auto store = [&](std::optional<int> code) {
        if (code)
            image.setI16(at, qint16(*code));
        return code.has_value();
    };
    switch (f.form) {
    case PF::Number:
    case PF::Decimal:
    case PF::Tenths:
        storeNumber(f, CellNumber(text), image, at);
        return true;
    case PF::Chars:
        image.setChars(at, f.characters, EncodeBounded(text, f.characters));
        return true;
    case PF::TwoState:
        return store(text == f.low    ? std::optional<int>(0)
                     : text == f.high ? std::optional<int>(1)
                                      : std::nullopt);
    case PF::RecordSwitch:
        return store(text == QStringLiteral("ON") ? 1 : 0);
    case PF::RecordControl:
        return store(text == QStringLiteral("STOP")    ? std::optional<int>(0)
                     : text == QStringLiteral("START") ? std::optional<int>(1)
                     : text == ParamText::Bypass       ? std::optional<int>(127)
                                                       : std::nullopt);
    case PF::TimeUnit:
        return store(text == QStringLiteral("HOUR")   ? std::optional<int>(0)
                     : text == QStringLiteral("MIN.") ? std::optional<int>(1)
                     : text == QStringLiteral("SEC.") ? std::optional<int>(2)
                                                      : std::nullopt);
    case PF::DisplayGroup:
        return store(displayGroupCode(text));
    case PF::DisplayMode: {
        const auto i = listIndex(ParamText::DisplayModes(), text);
        return store(i ? std::optional<int>(ParamText::DisplayModeCode(*i, c.version))
                       : std::nullopt);
    }
    case PF::BaudRate:
    case PF::Parity:
    case PF::ReadMode:
        return store(listIndex(listOf(f.form), text));
    case PF::Colour: {
        bool ok = false;
        const int index = text.toInt(&ok);
        if (!ok || index < 0 || index > 11 || QString::number(index) != text)
            return false;
        image.setU16(at, ChannelColourRgb565[size_t(index)]);
        return true;
    }
    case PF::Protocol:
        return store(0);
    case PF::ReferenceJunction: {
        if (text == QStringLiteral("IN.SENSOR"))
            return store(0);
        if (text == QStringLiteral("DIRECT INPUT"))
            return store(1);
        const QString digits = text.right(2);
        if (text.size() >= 2 && digits[0].isDigit() && digits[1].isDigit() &&
            digits[0].unicode() < 128 && digits[1].unicode() < 128)
            return store(digits.toInt() + 1);
        return false;
    }
    case PF::Unused:
    case PF::DeviceOnly:
        return true;
    }
    return false;
}

QString StoredFieldValue(const ParamField& f, const ParamImage& image, int base) {
    const int at = base + f.offset;
    switch (f.width) {
    case PW::I16:
        return QString::number(image.i16(at));
    case PW::I32:
        return QString::number(image.i32(at));
    case PW::F32: {
        const float v = image.f32(at);
        if (!std::isfinite(v))
            return QStringLiteral("0x%1").arg(image.u32(at), 8, 16, QLatin1Char('0'));
        for (int digits = 6; digits < 9; ++digits) {
            const QString text = QString::number(double(v), 'g', digits);
            if (std::bit_cast<quint32>(text.toFloat()) == image.u32(at))
                return text;
        }
        return QString::number(double(v), 'g', 9);
    }
    case PW::Chars:
        return QString::fromLatin1(image.toByteArray().mid(at, f.byteCount()).toHex(' '));
    case PW::None:
        break;
    }
    return QString();
}

QStringList FieldTexts(const ParamField& f, const ParamContext& c) {
    const QString off = QStringLiteral("OFF"), on = QStringLiteral("ON");
    switch (f.form) {
    case PF::TwoState:
        return {f.low, f.high};
    case PF::RecordSwitch:
        return {off, on};
    case PF::RecordControl:
        return {QStringLiteral("STOP"), QStringLiteral("START"), ParamText::Bypass};
    case PF::TimeUnit:
        return {QStringLiteral("HOUR"), QStringLiteral("MIN."), QStringLiteral("SEC.")};
    case PF::DisplayGroup:
        if (c.channels > 6)
            return {QString(), QStringLiteral("GROUP 1"), QStringLiteral("GROUP 2"),
                    QStringLiteral("ALL")};
        return {off, on};
    case PF::DisplayMode:
        return ParamText::DisplayModes();
    case PF::BaudRate:
    case PF::Parity:
    case PF::ReadMode:
        return listOf(f.form);
    case PF::Colour: {
        QStringList texts;
        for (size_t i = 0; i < ChannelColourRgb565.size(); ++i)
            texts << QString::number(i);
        return texts;
    }
    case PF::Protocol:
        return {ParamText::ProtocolText, ParamText::UploadedProtocolText};
    case PF::ReferenceJunction: {
        QStringList texts{QStringLiteral("IN.SENSOR"), QStringLiteral("DIRECT INPUT")};
        for (int n = 1; n <= ParamLayout::MaxChannels; ++n)
            texts << QStringLiteral("CH%1").arg(n, 2, 10, QLatin1Char('0'));
        return texts;
    }
    case PF::Number:
    case PF::Decimal:
    case PF::Tenths:
    case PF::Chars:
    case PF::DeviceOnly:
    case PF::Unused:
        break;
    }
    return {};
}

void StoreDeviceText(const ParamField& f, const QString& deviceText, ParamImage& image, int base) {
    const int at = base + f.offset;
    switch (f.width) {
    case PW::None:
        return;
    case PW::Chars:
        image.setChars(at, f.characters, EncodeCp949(deviceText).left(f.characters));
        return;
    case PW::I16:
        if (f.form == PF::Colour) {
            const double index = CellNumber(deviceText);
            // An index outside the twelve keeps no colour (0 is none of them).
            image.setU16(at, index >= 0 && index < 12 ? ChannelColourRgb565[size_t(index)] : 0);
            return;
        }
        [[fallthrough]];
    case PW::I32:
    case PW::F32:
        storeNumber(f, CellNumber(deviceText), image, at);
        return;
    }
}
