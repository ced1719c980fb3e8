#include "comm/PortSettings.h"

#include "comm/LineSettings.h"
#include "comm/MeterHealth.h"
#include "core/TextLines.h"

#include <QCoreApplication>
#include <algorithm>

QString PortSettings::lineSettings() const {
    return baud + u',' + parity + u',' + dataBits + u',' + stopBits;
}

qint64 PortSettings::frameSilenceUs() const {
    if (const auto line = ParseLineSettings(lineSettings()))
        return line->frameSilenceUs();
    // Settings no port opens with: the silence of the baud rate alone, if it is one.
    LineSettings line;
    line.baud = baud.trimmed().toInt();
    return line.frameSilenceUs();
}

int PortSettings::txIntervalMs() const {
    constexpr int kDefault = 50;
    bool ok = false;
    const int ms = txInterval.trimmed().toInt(&ok);
    if (!ok || ms < 0)
        return kDefault;
    if (ms == 0)
        return 0;
    return std::max<int>(ms, int((frameSilenceUs() + 999) / 1000));
}

int PortSettings::backoffLimit() const {
    bool ok = false;
    const int cycles = backoff.trimmed().toInt(&ok);
    if (!ok || cycles < 2)
        return 0;
    return std::min(cycles, MeterHealth::MaxBackoffCycles);
}

QString PortNameProblem(const QString& portName) {
    if (portName.trimmed().isEmpty())
        return QCoreApplication::translate("PortSettings", "no port is named");
    if (HasControlCharacters(portName))
        return QCoreApplication::translate("PortSettings",
                                           "the port name \"%1\" holds a control character")
            .arg(VisibleControls(portName));
    return {};
}

PortSettings LoadPortSettings(const QString& path, QString* problem) {
    const TextFile file = ReadTextFile(path);
    const QStringList& lines = file.lines;
    auto say = [problem](const QString& text) {
        if (problem)
            *problem = text;
    };
    say(QString());
    if (!file.problem.isEmpty()) {
        say(QCoreApplication::translate("PortSettings", "%1; the default port settings are used")
                .arg(file.problem));
        return PortSettings{};
    }
    if (lines.size() < 7) {
        if (file.found)
            say(QCoreApplication::translate("PortSettings",
                                            "%1 holds %2 of the 7 lines it needs; the default port "
                                            "settings are used")
                    .arg(path)
                    .arg(lines.size()));
        return PortSettings{};
    }
    PortSettings s;
    s.portName = lines[0];
    s.baud = lines[1];
    s.parity = lines[2];
    s.dataBits = lines[3];
    s.stopBits = lines[4];
    s.protocol = lines[5];
    s.rts = lines[6];
    s.txInterval = lines.value(7);
    if (const QString why = PortNameProblem(s.portName); !why.isEmpty())
        say(QCoreApplication::translate("PortSettings", "line 1 of %1: %2").arg(path, why));
    s.backoff = lines.value(8);
    return s;
}

bool SavePortSettings(const QString& path, const PortSettings& s, QString* error) {
    QStringList lines{s.portName, s.baud, s.parity, s.dataBits, s.stopBits, s.protocol, s.rts};
    const bool backoff = s.backoffLimit() > 0;
    if (!s.txInterval.trimmed().isEmpty() || backoff)
        lines << s.txInterval.trimmed();
    if (backoff)
        lines << QString::number(s.backoffLimit());
    return WriteTextLines(path, lines, error);
}
