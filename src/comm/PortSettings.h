#pragma once

#include <QString>

// The PC side of the serial link, one line each in "Comm.CFG" (code page 949, CR LF):
// port name, baud rate, parity letter, data bits, stop bits, protocol name, RTS control,
// an optional eighth line with the scheduler interval in milliseconds and an optional ninth
// with the dead-meter back-off limit in cycles.
struct PortSettings {
    QString portName = QStringLiteral("COM1");
    QString baud = QStringLiteral("38400");
    QString parity = QStringLiteral("N");
    QString dataBits = QStringLiteral("8");
    QString stopBits = QStringLiteral("1");
    QString protocol = QStringLiteral("Modbus RTU");
    QString rts = QStringLiteral("OFF");
    QString txInterval; // empty: the default interval
    QString backoff;    // empty or 0: no dead-meter back-off

    // "38400,N,8,1"
    QString lineSettings() const;
    bool rtsOn() const { return rts == QStringLiteral("ON"); }
    // The scheduler interval: the eighth line when it is a whole number of milliseconds,
    // never below the silence that ends a frame (rounded up to whole milliseconds); 0 when it
    // is 0, the shortest: the next request goes as soon as the line has been silent for that
    // long after the reply; else (no eighth line, or no number) the standard 50 ms.
    int txIntervalMs() const;
    bool shortestInterval() const { return txIntervalMs() == 0; }
    // The silence that ends a frame on this line, in microseconds (3.5 characters of the
    // line settings' real length, 1750 above 19200 baud).
    qint64 frameSilenceUs() const;
    // The dead-meter back-off limit in cycles: the ninth line when it is a whole number from 2
    // on (at most 1024); else 0, every online meter asked in every cycle.
    int backoffLimit() const;

    bool operator==(const PortSettings&) const = default;
};

// Reads the first seven lines (and the optional eighth and ninth). A missing file or one with
// fewer than seven lines gives the defaults for all settings. Values are taken as they stand.
// `problem` tells what a user should hear about a file that is there: a folder or unreadable
// file, too few lines (the defaults are used), an empty port name or one holding control
// characters (kept, but no port opens with it). Empty for a good or a missing file.
PortSettings LoadPortSettings(const QString& path, QString* problem = nullptr);
// Why no port can be opened by this name (empty, or holding control characters); empty when
// the name may be tried.
QString PortNameProblem(const QString& portName);
// Writes the settings anew (all seven lines; the eighth and ninth only when set, the eighth
// empty when only the ninth is). False on failure.
bool SavePortSettings(const QString& path, const PortSettings& settings, QString* error = nullptr);
