#include "comm/LinkFactory.h"

#include "comm/QtSerialLink.h"
#include "comm/TcpRtuLink.h"

#include <QEventLoop>
#include <QTimer>

std::unique_ptr<SerialLink> CreateSerialLink(const QString& portName, Clock& /*clock*/,
                                             QObject* parent) {
    if (TcpRtuLink::isTcpName(portName))
        return std::make_unique<TcpRtuLink>(parent);
    return std::make_unique<QtSerialLink>(parent);
}

bool OpenLinkAndWait(SerialLink& link, const QString& portName, const QString& lineSettings,
                     int timeoutMs) {
    if (!link.open(portName, lineSettings))
        return false;
    if (!link.isOpen() && link.isOpening()) {
        QEventLoop loop;
        QObject::connect(&link, &SerialLink::opened, &loop, &QEventLoop::quit);
        QObject::connect(&link, &SerialLink::openFailed, &loop, &QEventLoop::quit);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (link.isOpen())
        return true;
    if (link.isOpening())
        link.close();
    return false;
}
