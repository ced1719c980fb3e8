#include "publish/BrokerOptions.h"

namespace {

// A whole number, or -1 (out of every range) when the text is none.
int number(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : -1;
}

} // namespace

void AddBrokerOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {QStringLiteral("mqtt-user"), QStringLiteral("User name at the broker."),
         QStringLiteral("NAME")},
        {QStringLiteral("mqtt-password-file"),
         QStringLiteral("File whose first line is the password; it must be readable by its "
                        "owner only. A password is never taken on the command line."),
         QStringLiteral("FILE")},
        {QStringLiteral("mqtt-ca"),
         QStringLiteral("Certificate authority (PEM) the broker's certificate must come from "
                        "(default: the system's)."),
         QStringLiteral("FILE")},
        {QStringLiteral("mqtt-cert"), QStringLiteral("Client certificate (PEM)."),
         QStringLiteral("FILE")},
        {QStringLiteral("mqtt-key"), QStringLiteral("Private key of the client certificate (PEM)."),
         QStringLiteral("FILE")},
        {QStringLiteral("mqtt-keepalive"),
         QStringLiteral("Seconds between signs of life to the broker (default 30)."),
         QStringLiteral("SECONDS")},
    });
}

void ApplyBrokerOptions(const QCommandLineParser& p, PublishSettings* s) {
    const auto flag = [&p](const char* key, QString* into) {
        if (p.isSet(QString::fromLatin1(key)))
            *into = p.value(QString::fromLatin1(key));
    };
    flag("mqtt-user", &s->user);
    flag("mqtt-password-file", &s->passwordFile);
    flag("mqtt-ca", &s->caFile);
    flag("mqtt-cert", &s->certFile);
    flag("mqtt-key", &s->keyFile);
    if (p.isSet(QStringLiteral("mqtt-keepalive")))
        s->keepAliveSeconds = number(p.value(QStringLiteral("mqtt-keepalive")));
}
