#include "core/KeyValueText.h"

QList<std::pair<QString, QString>> KeyValuePairs(const QStringList& lines) {
    QList<std::pair<QString, QString>> out;
    for (const QString& line : lines) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        if (!key.isEmpty())
            out.append({key, line.mid(eq + 1).trimmed()});
    }
    return out;
}
