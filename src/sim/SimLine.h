#pragma once

#include <QString>
#include <optional>

// The serial line's character timing, for wire-time emulation.
struct SimLine {
    int baud = 0;         // 0: bytes take no time
    int bitsPerChar = 10; // start + data + parity + stop

    // "38400,N,8,1" or just "38400". An empty text is a line without wire time.
    static std::optional<SimLine> parse(const QString& text, QString* error = nullptr);

    // Microseconds `bytes` characters take on the line.
    qint64 micros(qint64 bytes) const;
    // The silence that ends a frame: 3.5 characters, but 1.75 ms above 19200 baud.
    qint64 silenceMicros() const;
};
