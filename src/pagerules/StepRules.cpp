#include "pagerules/StepRules.h"

int StepWrapped(int value, int delta, int low, int high) {
    if (value < low || value > high)
        return delta > 0 ? low : high;
    const int next = value + delta;
    if (next > high)
        return low;
    if (next < low)
        return high;
    return next;
}

QString StepInList(const QStringList& list, const QString& current, int delta) {
    if (list.isEmpty())
        return current;
    const qsizetype at = list.indexOf(current);
    if (at < 0)
        return delta > 0 ? list.first() : list.last();
    const qsizetype n = list.size();
    return list[((at + delta) % n + n) % n];
}
