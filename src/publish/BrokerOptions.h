#pragma once

#include "publish/PublishSettings.h"

#include <QCommandLineParser>

// The flags of a connection to a broker, the same wherever a program connects to one:
// --mqtt-user, --mqtt-password-file, --mqtt-ca, --mqtt-cert, --mqtt-key and --mqtt-keepalive.
void AddBrokerOptions(QCommandLineParser& parser);
// Puts those given over the settings.
void ApplyBrokerOptions(const QCommandLineParser& parser, PublishSettings* settings);
