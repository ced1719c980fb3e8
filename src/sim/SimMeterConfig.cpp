#include "sim/SimMeterConfig.h"

#include "sim/SimParseFailure.h"

#include <QSet>
#include <QStringList>

namespace {

// "1.16" -> 116, "1.5" -> 150, "2" -> 200.
bool parseFirmware(const QString& text, int* hundredths) {
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() > 2 || parts[0].isEmpty())
        return false;
    bool ok = false;
    const int major = parts[0].toInt(&ok);
    if (!ok || major < 0 || major > 255)
        return false;
    int minor = 0;
    if (parts.size() == 2) {
        const QString& fraction = parts[1];
        if (fraction.isEmpty() || fraction.size() > 2)
            return false;
        for (QChar c : fraction)
            if (!c.isDigit())
                return false;
        minor = fraction.toInt() * (fraction.size() == 1 ? 10 : 1);
    }
    *hundredths = major * 100 + minor;
    return true;
}

} // namespace

QString SimMeterConfig::firmwareText() const {
    return QStringLiteral("%1.%2").arg(firmware / 100).arg(firmware % 100, 2, 10, QLatin1Char('0'));
}

QString SimMeterConfig::toString() const {
    return QStringLiteral("%1:%2:%3").arg(address).arg(channels).arg(firmwareText());
}

std::optional<SimMeterConfig> SimMeterConfig::parse(const QString& text, QString* error) {
    const QStringList parts = text.trimmed().split(QLatin1Char(':'));
    if (parts.size() != 3) {
        SimParseFailure(
            error, QStringLiteral("meter \"%1\": expected ADDRESS:CHANNELS:FIRMWARE").arg(text));
        return std::nullopt;
    }
    SimMeterConfig config;
    bool ok = false;
    config.address = parts[0].toInt(&ok);
    if (!ok || config.address < 1 || config.address > 255) {
        SimParseFailure(error,
                        QStringLiteral("meter \"%1\": the address must be 1..255").arg(text));
        return std::nullopt;
    }
    config.channels = parts[1].toInt(&ok);
    if (!ok || (config.channels != 2 && config.channels != 4 && config.channels != 6 &&
                config.channels != 12)) {
        SimParseFailure(
            error,
            QStringLiteral("meter \"%1\": the channel count must be 2, 4, 6 or 12").arg(text));
        return std::nullopt;
    }
    if (!parseFirmware(parts[2], &config.firmware)) {
        SimParseFailure(
            error,
            QStringLiteral("meter \"%1\": the firmware must read like 1.16 (0..255, a point, "
                           "two digits)")
                .arg(text));
        return std::nullopt;
    }
    return config;
}

std::optional<QList<SimMeterConfig>> SimMeterConfig::parseList(const QString& text,
                                                               QString* error) {
    QList<SimMeterConfig> list;
    QSet<int> seen;
    for (const QString& item : text.split(QLatin1Char(','))) {
        const auto config = parse(item, error);
        if (!config)
            return std::nullopt;
        if (seen.contains(config->address)) {
            SimParseFailure(error,
                            QStringLiteral("meter address %1 is given twice").arg(config->address));
            return std::nullopt;
        }
        seen.insert(config->address);
        list.append(*config);
    }
    return list;
}

QList<SimMeterConfig> SimMeterConfig::demoBus() {
    return {{1, 12, 120}, {2, 6, 116}, {3, 4, 110}};
}
