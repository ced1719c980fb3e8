#pragma once

#include "publish/BrokerOptions.h"
#include "publish/PublishSettings.h"

#include <QCommandLineParser>

struct CliContext;

// The publishing flags of `td700 log` (--publish and the --mqtt-... flags).
void AddPublishOptions(QCommandLineParser& parser);
// CFG/Publish.INI, then the flags over it; publishing is on when --publish is given or the file
// switches it on. False with the reason (bad usage) on a bad flag or setting.
bool LoadPublishOptions(const QCommandLineParser& parser, const CliContext& context,
                        PublishSettings* settings, QString* why);
