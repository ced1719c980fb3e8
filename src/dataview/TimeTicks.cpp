#include "dataview/TimeTicks.h"

#include "logging/DataTime.h"

#include <QCoreApplication>
#include <cmath>

namespace {
constexpr qint64 kSteps[] = {1,     2,     5,      10,     15,      30,      60,      120,
                             300,   600,   900,    1800,   3600,    7200,    10800,   21600,
                             43200, 86400, 172800, 604800, 1209600, 2592000, 7776000, 31536000};

// A span's words, in the program's language ("3 min 20 s").
struct TimeTicksTexts {
    Q_DECLARE_TR_FUNCTIONS(TimeTicks)
};
} // namespace

std::vector<TimeTick> TimeTicks(double from, double to, int width, int spacing) {
    std::vector<TimeTick> ticks;
    if (!(to > from) || width <= 0)
        return ticks;
    const double perPixel = (to - from) / width;
    qint64 step = kSteps[std::size(kSteps) - 1];
    for (qint64 s : kSteps)
        if (double(s) / perPixel >= spacing) {
            step = s;
            break;
        }
    qint64 t = qint64(std::ceil(from / double(step))) * step;
    QString lastDate;
    for (; double(t) <= to && ticks.size() < 1000; t += step) {
        const QString text = DataTime::text(t); // "YYYY-MM-DD HH:MM:SS"
        TimeTick tick;
        tick.time = t;
        tick.x = (double(t) - from) / perPixel;
        const QString date = text.left(10);
        tick.label = step >= 86400 ? text.mid(5, 5) : step >= 60 ? text.mid(11, 5) : text.mid(11);
        if (date != lastDate)
            tick.date = date;
        lastDate = date;
        ticks.push_back(tick);
    }
    return ticks;
}

QString SpanText(double seconds) {
    const qint64 s = qint64(std::llround(std::max(0.0, seconds)));
    if (s < 60)
        return TimeTicksTexts::tr("%1 s").arg(s);
    if (s < 3600)
        return s % 60 ? TimeTicksTexts::tr("%1 min %2 s").arg(s / 60).arg(s % 60)
                      : TimeTicksTexts::tr("%1 min").arg(s / 60);
    if (s < 86400) {
        const qint64 m = (s % 3600) / 60;
        return m ? TimeTicksTexts::tr("%1 h %2 min").arg(s / 3600).arg(m)
                 : TimeTicksTexts::tr("%1 h").arg(s / 3600);
    }
    const qint64 h = (s % 86400) / 3600;
    return h ? TimeTicksTexts::tr("%1 d %2 h").arg(s / 86400).arg(h)
             : TimeTicksTexts::tr("%1 d").arg(s / 86400);
}
