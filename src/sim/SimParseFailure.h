#pragma once

#include <QString>

// Option parsers report what they refused through an optional text: this sets it (when asked
// for) and gives the parser's false to return.
inline bool SimParseFailure(QString* error, const QString& message) {
    if (error)
        *error = message;
    return false;
}
