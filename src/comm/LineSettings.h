#pragma once

#include <QString>
#include <optional>

// A line settings text such as "38400,N,8,1": baud rate, parity letter (N, E, O, M, S),
// data bits (5..8) and stop bits (1, 1.5, 2), joined by commas.
struct LineSettings {
    int baud = 38400;
    char parity = 'N';
    int dataBits = 8;
    int stopHalfBits = 2; // stop bits times two: 2, 3 or 4

    // Bits one character occupies on the wire: start, data, parity, stop (rounded up).
    int bitsPerCharacter() const;
    // Microseconds the line needs to carry `bytes` characters, rounded up.
    qint64 wireTimeUs(qint64 bytes) const;
    // The silence that ends a frame, in microseconds rounded up: 3.5 characters of their real
    // length (1.5 stop bits counted as such) up to 19200 baud, a fixed 1750 above.
    qint64 frameSilenceUs() const;
};

// Nothing when the text is not a valid line settings text.
std::optional<LineSettings> ParseLineSettings(const QString& text);
// The message for a text ParseLineSettings refused.
QString InvalidLineSettingsMessage(const QString& text);
