#pragma once

#include "support/SimProcess.h"
#include "support/TestBroker.h"

#include <QProcess>
#include <QTemporaryDir>

// One bus PC: the simulator's meters on a pseudo-terminal and `td700 log --publish` on them as
// node `node`.
struct BusPc {
    BusPc(const QString& node, const QString& meters, const QString& addresses,
          const QStringList& broker)
        : sim(QStringList{"--pty", "--meter", meters}) {
        const QString pty = sim.nextLine();
        logger.start(BinPath("td700"),
                     QStringList{"log", "--home", dir.path() + "/home", "--port", pty, "--meters",
                                 addresses, "--folder", dir.path(), "--name", "RUN", "--interval",
                                 "1", "--unit", "sec", "--node", node, "--mqtt-keepalive", "5"} +
                         broker);
    }
    ~BusPc() {
        logger.kill();
        logger.waitForFinished(5000);
    }
    QTemporaryDir dir;
    Simulator sim;
    QProcess logger;
};

// Why bus PCs publishing to a broker cannot be run here; empty when they can.
inline QString BusPcMissing() {
#ifndef Q_OS_UNIX
    return QStringLiteral("the simulator serves a pseudo-terminal only on Unix");
#else
    if (!TestBroker::available())
        return QStringLiteral("mosquitto, mosquitto_sub, mosquitto_passwd or openssl is not "
                              "installed (scripts/setup installs them)");
    return {};
#endif
}
