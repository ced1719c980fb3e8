#include "help/HelpTopics.h"

QString HelpTopicFor(const QString& windowName) {
    if (windowName.isEmpty())
        return {};
    for (const HelpTopic& t : kHelpTopics)
        if (windowName == QLatin1String(t.window))
            return QString::fromLatin1(t.page);
    // A variant: the name and two digits.
    for (const HelpTopic& t : kHelpTopics) {
        const QLatin1String name(t.window);
        if (windowName.size() == name.size() + 2 && windowName.startsWith(name) &&
            windowName.at(name.size()).isDigit() && windowName.at(name.size() + 1).isDigit())
            return QString::fromLatin1(t.page);
    }
    return {};
}
