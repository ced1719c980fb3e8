#pragma once

#include "publish/PublishSettings.h"

#include <QCommandLineParser>

struct CliContext;

// The flags of a connection to a broker, shared by `log --publish` and `watch`: --mqtt-user,
// --mqtt-password-file, --mqtt-ca, --mqtt-cert, --mqtt-key and --mqtt-keepalive.
void AddBrokerOptions(QCommandLineParser& parser);
// Puts those given over the settings.
void ApplyBrokerOptions(const QCommandLineParser& parser, PublishSettings* settings);

// The publishing flags of `td700 log` (--publish and the --mqtt-... flags).
void AddPublishOptions(QCommandLineParser& parser);
// CFG/Publish.INI, then the flags over it; publishing is on when --publish is given or the file
// switches it on. False with the reason (bad usage) on a bad flag or setting.
bool LoadPublishOptions(const QCommandLineParser& parser, const CliContext& context,
                        PublishSettings* settings, QString* why);
