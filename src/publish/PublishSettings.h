#pragma once

#include <QString>

// Where and how saved records are published: the broker's address, the node's name, the
// credentials and certificates, the quality of service and how far back a backlog is sent.
// Kept in "CFG/Publish.INI" as KEY=value lines (code page 949, CR LF) and overridden by the
// flags of `td700 log`. A password is never kept here: only the file that holds it.
struct PublishSettings {
    bool enabled = false;
    QString url; // mqtt://HOST[:PORT]/PREFIX or mqtts://...
    QString node;
    QString user;
    QString passwordFile;
    QString caFile; // empty: the system's certificate authorities
    QString certFile;
    QString keyFile;
    int qos = 1;
    int keepAliveSeconds = 30;
    int backlogDays = 7;
    // A Sparkplug B edge node in this group instead of the JSON topics; empty: JSON.
    QString sparkplugGroup;
    // The Sparkplug primary host application whose state the node waits for; empty: none.
    QString sparkplugHost;

    bool operator==(const PublishSettings&) const = default;
};

// A broker URL taken apart.
struct BrokerAddress {
    bool tls = false;
    QString host;
    int port = 0;
    QString prefix; // the topic prefix, without slashes at either end
};

// Parses mqtt://HOST[:PORT]/PREFIX or mqtts://HOST[:PORT]/PREFIX (ports 1883 and 8883 by
// default; an IPv6 host in brackets). False with the reason on anything else. Without
// `needPrefix` (Sparkplug, whose topics are its own) the prefix may be left out.
bool ParseBrokerUrl(const QString& url, BrokerAddress* out, QString* why, bool needPrefix = true);

// The node name used when none is set: the PC's host name.
QString DefaultNodeName();

// Why `name` cannot be a Sparkplug group, node or host id (one topic level: not empty, no /, +
// or #); empty when it can.
QString SparkplugNameProblem(const QString& name);

// Reads the file; missing keys keep their defaults, unknown keys are ignored.
PublishSettings LoadPublishSettings(const QString& path);
bool WritePublishSettings(const QString& path, const PublishSettings& settings,
                          QString* error = nullptr);

// What is wrong with the settings before a connection is tried (a URL that does not parse,
// a file that is not there, a password file others may read, values out of range); empty
// when nothing is. Names the setting as `flag(key)` names it.
QString PublishSettingsProblem(const PublishSettings& settings,
                               QString (*flag)(const char* key) = nullptr);

// The first line of the password file; false with the reason when it cannot be read.
bool ReadPasswordFile(const QString& path, QString* password, QString* why);
