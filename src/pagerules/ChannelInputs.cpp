#include "pagerules/ChannelInputs.h"

#include "paramset/FieldText.h"

#include <QVector>
#include <algorithm>
#include <cmath>

namespace {

const QVector<InputType>& inputTypes() {
    static const QVector<InputType> types{
        {1, QStringLiteral("TYPE K"), QStringLiteral("-270.0"), QStringLiteral("1372.0"),
         InputGroup::TC},
        {2, QStringLiteral("TYPE J"), QStringLiteral("-210.0"), QStringLiteral("1200.0"),
         InputGroup::TC},
        {3, QStringLiteral("TYPE E"), QStringLiteral("-270.0"), QStringLiteral("1000.0"),
         InputGroup::TC},
        {4, QStringLiteral("TYPE T"), QStringLiteral("-270.0"), QStringLiteral("400.0"),
         InputGroup::TC},
        {5, QStringLiteral("TYPE R"), QStringLiteral("-50.0"), QStringLiteral("1768.0"),
         InputGroup::TC},
        {6, QStringLiteral("TYPE S"), QStringLiteral("-50.0"), QStringLiteral("1768.0"),
         InputGroup::TC},
        {7, QStringLiteral("TYPE B"), QStringLiteral("0.0"), QStringLiteral("1820.0"),
         InputGroup::TC},
        {8, QStringLiteral("TYPE N"), QStringLiteral("-270.0"), QStringLiteral("1300.0"),
         InputGroup::TC},
        {10, QStringLiteral("TYPE PL2"), QStringLiteral("-0.0"), QStringLiteral("1395.0"),
         InputGroup::TC},
        {11, QStringLiteral("TYPE U"), QStringLiteral("-200.0"), QStringLiteral("600.0"),
         InputGroup::TC},
        {12, QStringLiteral("TYPE L"), QStringLiteral("-200.0"), QStringLiteral("900.0"),
         InputGroup::TC},
        {13, QStringLiteral("TYPE W"), QStringLiteral("-0.0"), QStringLiteral("2315.0"),
         InputGroup::TC},
        {14, QStringLiteral("Pt100(DIN)"), QStringLiteral("-200.0"), QStringLiteral("850.0"),
         InputGroup::RTD},
        {16, QStringLiteral("Pt100(JIS)"), QStringLiteral("-200.0"), QStringLiteral("660.0"),
         InputGroup::RTD},
        {17, QStringLiteral("±0.10000V"), QStringLiteral("-100.00"), QStringLiteral("100.00"),
         InputGroup::VDC},
        {18, QStringLiteral("±10.000V"), QStringLiteral("-10.000"), QStringLiteral("10.000"),
         InputGroup::VDC},
        {19, QStringLiteral("±30.00V"), QStringLiteral("-30.00"), QStringLiteral("30.00"),
         InputGroup::VDC},
    };
    return types;
}

QVector<int> codesOf(InputGroup group) {
    QVector<int> codes;
    for (const InputType& t : inputTypes())
        if (t.group == group)
            codes << t.code;
    return codes;
}

} // namespace

InputType InputTypeOf(int code) {
    for (const InputType& t : inputTypes())
        if (t.code == code)
            return t;
    InputType none;
    none.code = code;
    return none;
}

int FirstCodeOf(InputGroup group) {
    switch (group) {
    case InputGroup::VDC:
        return 19;
    case InputGroup::RTD:
        return 14;
    case InputGroup::TC:
        return 1;
    case InputGroup::None:
        break;
    }
    return 0;
}

int StepInputCode(int code, int direction) {
    const QVector<int> codes = codesOf(InputTypeOf(code).group);
    const int at = int(codes.indexOf(code));
    if (at < 0)
        return code;
    const int n = int(codes.size());
    return codes[((at + (direction >= 0 ? 1 : -1)) % n + n) % n];
}

int UnitForCode(int code) {
    if (code >= 1 && code <= 16)
        return 3;
    return code == 18 ? 1 : 0;
}

int DecimalsForCode(int code) {
    if (code >= 1 && code <= 16)
        return 1;
    return code == 18 ? 3 : 2;
}

const QStringList& UnitCaptions() {
    static const QStringList captions{QStringLiteral("V"),  QStringLiteral("mV"),
                                      QStringLiteral("%"),  QStringLiteral("°C"),
                                      QStringLiteral("°F"), QStringLiteral("USER")};
    return captions;
}

const QStringList& DecimalPointCaptions() {
    static const QStringList captions{QStringLiteral("00000"), QStringLiteral("0000.0"),
                                      QStringLiteral("000.00"), QStringLiteral("00.000"),
                                      QStringLiteral("0.0000")};
    return captions;
}

QString MathTypeName(int code) {
    static const QStringList names{
        QStringLiteral("α+β"),       QStringLiteral("α-β"),      QStringLiteral("β-α"),
        QStringLiteral("α×β"),       QStringLiteral("α÷β"),      QStringLiteral("β÷α"),
        QStringLiteral("│α│"),       QStringLiteral("β·√α"),     QStringLiteral("β·SIN()"),
        QStringLiteral("β·COS()"),   QStringLiteral("β·TAN()"),  QStringLiteral("β·LOG⑩()"),
        QStringLiteral("│β-α│ %RH"), QStringLiteral("α [°C→°F]")};
    return code >= 1 && code <= names.size() ? names[code - 1] : QString();
}

QStringList ReferenceJunctions(int ownChannel, int channels) {
    QStringList texts{QStringLiteral("IN.SENSOR"), QStringLiteral("DIRECT INPUT")};
    for (int n = 1; n <= channels; ++n)
        if (n != ownChannel)
            texts << QStringLiteral("CH%1").arg(n, 2, 10, QLatin1Char('0'));
    return texts;
}

QString NextReferenceJunction(const QString& current, int ownChannel, int channels) {
    const QStringList steps = ReferenceJunctions(ownChannel, channels);
    // A reference to the page's own channel steps on as if it were the one before it.
    QString from = current;
    if (from.size() == 4 && from.startsWith(QStringLiteral("CH"))) {
        bool ok = false;
        const int n = from.mid(2).toInt(&ok);
        if (ok && n >= 1 && n == ownChannel)
            from = n == 1 ? steps[1] : QStringLiteral("CH%1").arg(n - 1, 2, 10, QLatin1Char('0'));
    }
    const qsizetype at = steps.indexOf(from);
    if (at < 0)
        return steps.first();
    return steps[(at + 1) % steps.size()];
}

QString ChannelNameCharacters() {
    return QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
                          ",.+-*/()[]<>~&@|=#!?'^\\:;$%");
}

bool IsValidChannelName(const QString& name) {
    const QString allowed = ChannelNameCharacters();
    for (const QChar c : name)
        if (!allowed.contains(c))
            return false;
    return true;
}

QString FormulaCharacters() {
    return QStringLiteral("ABCDFGHILMNOPQRSTUVWX0123456789 ()+-*/^%,:.");
}

bool IsValidFormula(const QString& formula) {
    const QString allowed = FormulaCharacters();
    for (const QChar c : formula)
        if (!allowed.contains(c))
            return false;
    return true;
}

QString WithDecimals(const QString& text, int decimals) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || decimals < 0 || decimals > 4)
        return text;
    return QString::number(v, 'f', decimals);
}

int CellCode(const QString& text) {
    const double v = CellNumber(text);
    return std::isfinite(v) ? int(std::clamp(v, -32768.0, 32767.0)) : 0;
}
