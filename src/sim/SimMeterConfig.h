#pragma once

#include <QList>
#include <QString>
#include <optional>

// One simulated recorder as the command line and the DEMO port name give it:
// "address:channels:firmware", for example "3:6:1.16".
struct SimMeterConfig {
    int address = 1;    // 1..255
    int channels = 12;  // 2, 4, 6 or 12
    int firmware = 120; // in hundredths: 1.16 is 116, 1.5 is 150

    QString firmwareText() const; // "1.16"
    QString toString() const;     // "3:6:1.16"
    friend bool operator==(const SimMeterConfig&, const SimMeterConfig&) = default;

    static std::optional<SimMeterConfig> parse(const QString& text, QString* error = nullptr);
    // A comma-separated list; addresses must differ.
    static std::optional<QList<SimMeterConfig>> parseList(const QString& text,
                                                          QString* error = nullptr);
    // The default bus: 1:12:1.20, 2:6:1.16, 3:4:1.10.
    static QList<SimMeterConfig> demoBus();
};
