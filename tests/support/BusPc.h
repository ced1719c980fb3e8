#pragma once

#include "support/SimProcess.h"

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
