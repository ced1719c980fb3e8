#include "comm/ChannelDisplay.h"

#include "comm/ChannelColours.h"
#include "comm/ChannelUnits.h"
#include "comm/DeviceTables.h"

#include <QStringList>
#include <cmath>

namespace ChannelDisplay {

int ChannelColourCode(int code) {
    return ChannelPcColour(code);
}

QString ChannelFormat(int decimals) {
    decimals = std::clamp(decimals, 0, 4);
    return decimals == 0 ? QStringLiteral("0") : QStringLiteral("0.") + QString(decimals, u'0');
}

int FormatDecimals(const QString& format) {
    const qsizetype dot = format.indexOf(u'.');
    return dot < 0 ? 0 : int(format.size() - dot - 1);
}

QString FormatValue(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 4);
    if (!std::isfinite(value))
        return InvalidValueText(decimals);
    const double scale = std::pow(10.0, decimals);
    // Round on the value's shortest decimal form (23.45 is 23.449999.. in binary but shows
    // as 23.5 with one decimal), halves away from zero.
    const double scaled = QString::number(value * scale, 'g', 15).toDouble();
    double whole = std::round(scaled);
    if (whole == 0)
        whole = 0; // no "-0.0"
    if (std::abs(whole) >= 1e15)
        return QString::number(value, 'g', 15);
    return QString::number(whole / scale, 'f', decimals);
}

QString InvalidValueText(int decimals) {
    switch (std::clamp(decimals, 0, 4)) {
    case 0:
        return QStringLiteral("----");
    case 1:
        return QStringLiteral("----.-");
    case 2:
        return QStringLiteral("---.--");
    case 3:
        return QStringLiteral("--.---");
    default:
        return QStringLiteral("-.----");
    }
}

double CaptionNumber(const QString& caption) {
    bool ok = false;
    const double v = caption.trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

int RoundHalfEven(double value) {
    const double r = std::nearbyint(value); // the default rounding mode: halves to even
    return int(std::clamp(r, -2.0e9, 2.0e9));
}

std::optional<int> ScaleY(double value, double min, double max, int h) {
    if (max == min || !std::isfinite(value))
        return std::nullopt;
    const double y = h - (value - min) / (max - min) * h;
    const double limit = 50.0 * std::max(h, 1);
    return RoundHalfEven(std::clamp(y, -limit, limit + h));
}

bool IsBitSet(qint64 word, int bit) {
    return bit >= 0 && bit < 63 && ((word >> bit) & 1) != 0;
}

std::array<int, MaxChannels> DecodeChannelStates(qint64 wordChannels7to12,
                                                 qint64 wordChannels1to6) {
    std::array<int, MaxChannels> states{};
    for (int j = 0; j < 6; ++j) {
        states[std::size_t(j)] =
            int(IsBitSet(wordChannels1to6, 2 * j)) + 2 * int(IsBitSet(wordChannels1to6, 2 * j + 1));
        states[std::size_t(j + 6)] = int(IsBitSet(wordChannels7to12, 2 * j)) +
                                     2 * int(IsBitSet(wordChannels7to12, 2 * j + 1));
    }
    return states;
}

ChannelSettings ReadChannelSettings(const DeviceTables& tables, int channel) {
    const TextTable& t = tables.sprdP_CH;
    const int column = channel + 1;
    ChannelSettings s;
    s.decimals = std::clamp(int(t.integer(column, 6)), 0, 4);
    s.format = ChannelFormat(s.decimals);
    s.unit = ::UnitText(int(t.integer(column, 7)), t.text(column, 2));
    s.colour = ChannelColourCode(int(t.integer(column, 10)));
    const double high = t.number(column, 21);
    const double low = t.number(column, 22);
    s.maxText = FormatValue(high, s.decimals);
    s.minText = FormatValue(low, s.decimals);
    s.midText = FormatValue((high + low) / 2, s.decimals);
    // The captions are the scale: what is drawn agrees with what is written beside it.
    s.max = CaptionNumber(s.maxText);
    s.min = CaptionNumber(s.minText);
    return s;
}

QString ThreeDigits(qint64 value) {
    const QString digits = QString::number(std::abs(value)).rightJustified(3, u'0');
    return value < 0 ? QStringLiteral("-") + digits : digits;
}

MeterReading ReadMeter(const DeviceTables& tables, int row) {
    const TextTable& m = tables.sprdMON;
    MeterReading r;
    const QString clock = m.text(4, row);
    if (clock.size() >= 4) {
        const qsizetype blank = clock.indexOf(u' ');
        r.date = blank < 0 ? clock : clock.left(blank);
        r.time = blank < 0 ? QString() : clock.mid(blank + 1).trimmed();
    }
    r.states = DecodeChannelStates(m.integer(6, row), m.integer(7, row));
    r.inputWord = m.integer(11, row);
    r.cardState = m.integer(5, row);
    const double capacity = m.number(26, row);
    const double used = m.number(27, row);
    r.sdcText =
        capacity == 0
            ? QStringLiteral("000")
            : ThreeDigits(std::llround(std::clamp(used / capacity * 100.0, -1.0e12, 1.0e12)));
    r.memText = ThreeDigits(m.integer(28, row));
    for (int ch = 0; ch < MaxChannels; ++ch)
        r.values[std::size_t(ch)] = m.number(13 + ch, row);
    r.answering = m.text(1, row) != QLatin1String("NG");
    return r;
}

} // namespace ChannelDisplay
