#include "comm/SerialPorts.h"

#include "comm/LinkFactory.h"
#include "comm/SerialLink.h"

#include <QCoreApplication>
#include <QSerialPortInfo>

QStringList AvailableSerialPorts() {
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#ifdef Q_OS_WIN
        names << info.portName();
#else
        names << info.systemLocation();
#endif
    }
    return names;
}

namespace {
struct SerialPortsTexts {
    Q_DECLARE_TR_FUNCTIONS(SerialPorts)
};
// A device server gets its connect time-out and a little more.
constexpr int kTestWaitMs = 4000;
} // namespace

QString TestLink(SerialLink& link, const QString& portName, const QString& lineSettings) {
    if (!OpenLinkAndWait(link, portName, lineSettings, kTestWaitMs)) {
        const QString why = link.errorString();
        return why.isEmpty() ? SerialPortsTexts::tr("The port could not be opened.") : why;
    }
    link.close();
    return {};
}
