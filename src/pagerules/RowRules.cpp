#include "pagerules/RowRules.h"

#include "clock/ClockFields.h"
#include "comm/ChannelColours.h"
#include "pagerules/AlarmRules.h"
#include "pagerules/ChannelInputs.h"
#include "pagerules/DisplayGroups.h"
#include "pagerules/DisplayRules.h"
#include "pagerules/SystemRules.h"
#include "paramset/FieldText.h"
#include "paramset/ParamFields.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// The texts of this file, translated where the desktop program shows them.
struct RowRulesTexts {
    Q_DECLARE_TR_FUNCTIONS(RowRules)
};

using Refusal = std::optional<QString>;

// The recorder's words for a character it does not take, after what the row takes instead.
QString disableCharacter() {
    return RowRulesTexts::tr("Disable Character.", "after what a row takes");
}

const QStringList& offOn() {
    static const QStringList list{QStringLiteral("OFF"), QStringLiteral("ON")};
    return list;
}

Refusal oneOf(const QStringList& texts, const QString& text) {
    if (texts.contains(text))
        return std::nullopt;
    return TakesOneOf(texts);
}

Refusal number(const NumberRule& rule, const QString& text) {
    return NumberRuleRefusal(rule, text);
}

QStringList indexTexts(qsizetype count) {
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << QString::number(i);
    return texts;
}

Refusal characters(const QString& text, int length, const QString& allowed) {
    if (text.size() > length)
        return RowRulesTexts::tr("takes at most %1 characters").arg(length);
    for (const QChar c : text)
        if (!allowed.isEmpty() && !allowed.contains(c))
            return RowRulesTexts::tr("takes no '%1' (%2)").arg(c, disableCharacter());
    return std::nullopt;
}

// The display group of a channel on the home page of a twelve-channel meter, or its switch on
// the smaller pages; `none`: whether the page can leave the row empty.
Refusal displayGroup(const QString& text, int channels, bool none) {
    if (channels <= 6)
        return oneOf(offOn(), text);
    QStringList groups{DisplayGroups::Group1, DisplayGroups::Group2, DisplayGroups::All};
    if (none)
        groups.prepend(QString());
    return oneOf(groups, text);
}

Refusal reserveRunPart(int part, const QString& text) {
    const LimitedField limited = LimitClockField(ClockField(part), text);
    if (!IsClockNumber(text) || limited.limited || text.trimmed().toDouble() != limited.value)
        return RowRulesTexts::tr("takes what the clock window sets (%1 would become %2)")
            .arg(text, limited.text);
    return std::nullopt;
}

Refusal commonRow(int row, const QString& text, const RowPlace& p) {
    if (row >= 45 && row <= 68) { // the digital inputs
        switch ((row - 45) % 4) {
        case int(InputField::Level):
            return oneOf({QStringLiteral("LOW"), QStringLiteral("HIGH")}, text);
        case int(InputField::Record):
            return oneOf({ParamText::Bypass, QStringLiteral("START"), QStringLiteral("STOP")},
                         text);
        case int(InputField::RelayOutput):
            return number(AlarmRules::RelayOutput(), text);
        default:
            return number(AlarmRules::RelayOnTime(), text);
        }
    }
    if (row >= 31 && row <= 44) { // the two serial interfaces
        switch ((row - 31) % 7) {
        case 0:
            return number(SystemRules::MachineAddress(), text);
        case 1:
            return oneOf({ParamText::ProtocolText, ParamText::UploadedProtocolText}, text);
        case 2:
            return oneOf(ParamText::BaudRates(), text);
        case 3:
            return oneOf(ParamText::Parities(), text);
        case 4:
            return oneOf(SystemRules::DataLengths(), text);
        case 5:
            return oneOf(SystemRules::StopBits(), text);
        default:
            return number(SystemRules::ResponseTime(), text);
        }
    }
    if (row >= ReserveRunFirstRow + 1 && row <= ReserveRunLastRow)
        return reserveRunPart(row - ReserveRunFirstRow - 1, text);
    switch (row) {
    case 2:
        return oneOf(ParamText::DisplayModes(), text);
    case 6:
        return number(ScrollSpeed(), text);
    case 7:
        return oneOf(TextViewWindowNumbers(p.version), text);
    case 8:
        return oneOf({QStringLiteral("HORIZON"), QStringLiteral("VERTICAL")}, text);
    case 9:
        return oneOf({QStringLiteral("MEMORY"), QStringLiteral("SD CARD")}, text);
    case 10:
        return number(SystemRules::RecordPeriod(), text);
    case 13:
        return number(SystemRules::ScreenSaver(), text);
    case 14:
        return displayGroup(text, p.channels, false);
    case 15:
        return oneOf({QStringLiteral("BLACK"), QStringLiteral("WHITE")}, text);
    case 16:
        return oneOf({QStringLiteral("KOREAN"), QStringLiteral("ENGLISH")}, text);
    case 17:
        return number(SystemRules::Password(), text);
    case FilePrefixRow:
        if (!SystemRules::IsFilePrefixText(text))
            return RowRulesTexts::tr(
                       "takes up to %1 letters, digits and ( ) + - * / % , . [ ] $ (%2)")
                .arg(SystemRules::FilePrefixLength)
                .arg(disableCharacter());
        return std::nullopt;
    default: // the switches
        return oneOf(offOn(), text);
    }
}

Refusal alarmRow(int field, const QString& text, const RowPlace& p) {
    switch (AlarmField(field)) {
    case AlarmField::SetValue:
        return number(AlarmRules::SetValue(), text);
    case AlarmField::Hysteresis:
        return number(AlarmRules::Hysteresis(), text);
    case AlarmField::Rate:
        return number(AlarmRules::Rate(), text);
    case AlarmField::Type:
        return number(NumberRule::between(0, AlarmTypes - 1), text);
    case AlarmField::ComparedChannel:
        return number(AlarmRules::Channel(p.channels), text);
    case AlarmField::TimeUnit:
        return oneOf({QStringLiteral("HOUR"), QStringLiteral("MIN."), QStringLiteral("SEC.")},
                     text);
    case AlarmField::Record:
        return oneOf({ParamText::Bypass, QStringLiteral("STOP"), QStringLiteral("START")}, text);
    case AlarmField::RelayOutput:
        return number(AlarmRules::RelayOutput(), text);
    case AlarmField::RelayOnTime:
        return number(AlarmRules::RelayOnTime(), text);
    }
    return std::nullopt;
}

Refusal channelRow(int row, const QString& text, const RowPlace& p) {
    if (row >= AlarmRow(1, AlarmField::SetValue))
        return alarmRow((row - AlarmRow(1, AlarmField::SetValue)) % 9, text, p);
    const bool referenceJunction = p.version >= VersionReferenceJunction;
    switch (row) {
    case 1:
        return characters(text, ChannelNameLength, ChannelNameCharacters());
    case 2:
        return characters(text, UnitTextLength, QString());
    case 3:
        return displayGroup(text, p.channels, true);
    case 4:
        if (InputTypeOf(CellCode(text)).group == InputGroup::None ||
            QString::number(CellCode(text)) != text)
            return RowRulesTexts::tr(
                "takes the code of an input type (1 to 8, 10 to 14, 16 to 19)");
        return std::nullopt;
    case 6:
        return oneOf(indexTexts(DecimalPointCaptions().size()), text);
    case 7:
        return oneOf(indexTexts(UnitCaptions().size()), text);
    case 8:
        return oneOf(ParamText::ReadModes(), text);
    case 9:
        return number(NumberRule::between(ReadTimeLow, ReadTimeHigh), text);
    case 10:
        return oneOf(indexTexts(qsizetype(ChannelColourRgb565.size())), text);
    case 12:
        if (referenceJunction)
            return oneOf(ReferenceJunctions(p.channel, p.channels), text);
        return number(NumberRule::between(1, MathTypeCount), text);
    case 13:
        if (referenceJunction)
            return number(
                NumberRule::fractional(ReferenceTemperatureLow, ReferenceTemperatureHigh, {}, {}),
                text);
        return number(NumberRule::between(1, p.channels), text);
    case 14:
        return oneOf({QStringLiteral("CHANNEL"), QStringLiteral("CONSTANT")}, text);
    case 5:
    case 11:
        return oneOf(offOn(), text);
    default: // the β channel and constant, the ranges and adjustments: any number
        return std::nullopt;
    }
}

} // namespace

std::optional<QString> RowRefusal(const ParamField& f, const QString& text, const RowPlace& p) {
    return p.channel > 0 ? channelRow(f.row, text, p) : commonRow(f.row, text, p);
}

QString TakesOneOf(const QStringList& texts) {
    QStringList shown;
    for (const QString& t : texts)
        shown << (t.isEmpty() ? QStringLiteral("\"\"") : t);
    return RowRulesTexts::tr("takes one of %1").arg(shown.join(QStringLiteral(", ")));
}

std::optional<QString> FormulaRefusal(bool memory, const QString& text) {
    const int length = memory ? MemoryFormulaLength : ChannelFormulaLength;
    if (text.size() > length)
        return RowRulesTexts::tr("takes at most %1 characters").arg(length);
    if (!IsValidFormula(text))
        return RowRulesTexts::tr("takes capital letters but E, J, K, Y and Z, digits, spaces and "
                                 "( ) + - * / ^ % , : . (%1)")
            .arg(disableCharacter());
    return std::nullopt;
}
