#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

// KEY=value lines, as the program's small text files keep their settings and states: blanks
// around the key and the value are trimmed, a line without a key is passed over.
QList<std::pair<QString, QString>> KeyValuePairs(const QStringList& lines);
