#include "pagerules/AlarmRules.h"

#include <QCoreApplication>

namespace {

// The texts of this file, translated where the desktop program shows them.
struct AlarmRulesTexts {
    Q_DECLARE_TR_FUNCTIONS(AlarmRules)
};

} // namespace

int AlarmRow(int alarm, AlarmField f) {
    return 26 + 9 * (alarm - 1) + int(f);
}

int InputRow(int input, InputField f) {
    return 45 + 4 * (input - 1) + int(f);
}

int AlarmTypePanel(int type) {
    switch (type) {
    case 3:
    case 4:
        return 0;
    case 5:
    case 6:
        return 1;
    case 7:
    case 8:
    case 9:
    case 10:
        return 2;
    case 15:
        return 3;
    default:
        return -1;
    }
}

QString AlarmTypeName(int type) {
    switch (type) {
    case 3:
        return AlarmRulesTexts::tr("HIGH");
    case 4:
        return AlarmRulesTexts::tr("LOW");
    case 5:
        return AlarmRulesTexts::tr("DEV. HIGH");
    case 6:
        return AlarmRulesTexts::tr("DEV. LOW");
    case 7:
    case 8:
    case 9:
    case 10:
        return AlarmRateCaption(type);
    case 15:
        return AlarmRulesTexts::tr("BURNOUT");
    default:
        return type >= 0 && type < AlarmTypes ? AlarmRulesTexts::tr("RECORD / RELAY") : QString();
    }
}

QString AlarmRateCaption(int type) {
    if (type == 7 || type == 9)
        return AlarmRulesTexts::tr("UP RATE");
    if (type == 8 || type == 10)
        return AlarmRulesTexts::tr("DOWN RATE");
    return {};
}

QString AlarmTypePictureName(int type) {
    if (type < 0 || type >= AlarmTypes)
        return {};
    return QStringLiteral("ARM%1.BMP").arg(type, 2, 10, QLatin1Char('0'));
}

namespace AlarmRules {

NumberRule SetValue() {
    return NumberRule::fractional(-999.99, 999.99, QStringLiteral("-999.99"),
                                  QStringLiteral("999.99"));
}

NumberRule Hysteresis() {
    return NumberRule::fractional(0, 1999.99, QStringLiteral("0.00"), QStringLiteral("1999.99"));
}

NumberRule Rate() {
    return NumberRule::fractional(0, 1999.99, QStringLiteral("0"), QStringLiteral("1999.99"));
}

NumberRule RelayOutput() {
    return NumberRule::between(0, 6).withNone(QStringLiteral("--"));
}

NumberRule RelayOnTime() {
    return NumberRule::between(0, 999999);
}

NumberRule Channel(int channels) {
    return NumberRule::between(1, channels < 1 ? 1 : channels);
}

NumberRule Input() {
    return NumberRule::between(1, DigitalInputs);
}

} // namespace AlarmRules
