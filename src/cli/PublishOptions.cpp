#include "cli/PublishOptions.h"

#include "cli/CliContext.h"

namespace {

QString flagName(const char* key) {
    return QStringLiteral("--") + QString::fromLatin1(key);
}

// A whole number, or -1 (out of every range) when the text is none.
int number(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : -1;
}

} // namespace

void AddPublishOptions(QCommandLineParser& parser) {
    AddBrokerOptions(parser);
    parser.addOptions({
        {QStringLiteral("publish"),
         QStringLiteral("Publish every saved record to an MQTT broker: mqtt://HOST[:PORT]/PREFIX, "
                        "or mqtts://HOST[:PORT]/PREFIX for TLS (ports 1883 and 8883 by "
                        "default). Records saved while the broker is away are sent when it is "
                        "back, also after a restart. Default: CFG/Publish.INI."),
         QStringLiteral("URL")},
        {QStringLiteral("node"),
         QStringLiteral("Name of this PC in the topics PREFIX/NODE/... (default: the host name)."),
         QStringLiteral("NAME")},
        {QStringLiteral("mqtt-qos"),
         QStringLiteral("1 (default): every record arrives, sent again until the broker "
                        "acknowledges it; 0: at most once, nothing sent later."),
         QStringLiteral("0|1")},
        {QStringLiteral("publish-backlog"),
         QStringLiteral("Records older than this many days are not sent when catching up "
                        "(default 7)."),
         QStringLiteral("DAYS")},
        {QStringLiteral("sparkplug"),
         QStringLiteral("Publish as a Sparkplug B edge node: NODE in GROUP, each meter a device "
                        "M01 ... M247, births, deaths and store and forward included. Only "
                        "Sparkplug is published then, not the JSON topics, and the PREFIX of "
                        "--publish is not used. Default: CFG/Publish.INI."),
         QStringLiteral("GROUP")},
        {QStringLiteral("sparkplug-host"),
         QStringLiteral("The Sparkplug primary host application: the node is born only while "
                        "spBv1.0/STATE/HOST_ID says it is online; meanwhile records wait in the "
                        "data files."),
         QStringLiteral("HOST_ID")},
    });
}

bool LoadPublishOptions(const QCommandLineParser& p, const CliContext& c, PublishSettings* out,
                        QString* why) {
    PublishSettings s = LoadPublishSettings(c.paths.publishIni());
    const auto flag = [&p](const char* key, QString* into) {
        if (p.isSet(QString::fromLatin1(key)))
            *into = p.value(QString::fromLatin1(key));
    };
    if (p.isSet(QStringLiteral("publish"))) {
        s.url = p.value(QStringLiteral("publish"));
        s.enabled = true;
    }
    flag("node", &s.node);
    ApplyBrokerOptions(p, &s);
    if (p.isSet(QStringLiteral("mqtt-qos")))
        s.qos = number(p.value(QStringLiteral("mqtt-qos")));
    if (p.isSet(QStringLiteral("publish-backlog")))
        s.backlogDays = number(p.value(QStringLiteral("publish-backlog")));
    for (const char* key : {"sparkplug", "sparkplug-host"}) {
        const QString name = QString::fromLatin1(key);
        if (p.isSet(name) && p.value(name).isEmpty()) {
            *why = flagName(key) + QStringLiteral(": ") + SparkplugNameProblem({});
            return false;
        }
    }
    flag("sparkplug", &s.sparkplugGroup);
    flag("sparkplug-host", &s.sparkplugHost);
    if (s.enabled) {
        const QString problem = PublishSettingsProblem(s, flagName);
        if (!problem.isEmpty()) {
            *why = problem;
            return false;
        }
    }
    *out = s;
    return true;
}
