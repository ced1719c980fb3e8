#include "publish/PublishSettings.h"

#include "core/FileRead.h"
#include "core/KeyValueText.h"
#include "core/TextLines.h"
#include "publish/RecordPayload.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>
#include <QUrl>

namespace {

constexpr int kPlainPort = 1883;
constexpr int kTlsPort = 8883;
// A topic's length in bytes, as MQTT writes it in two bytes.
constexpr qsizetype kLongestTopic = 65535;

QString yesNo(bool on) {
    return on ? QStringLiteral("Yes") : QStringLiteral("No");
}

QString keyName(const char* key) {
    return QString::fromLatin1(key);
}

// The messages, translated where the desktop program shows them (td700 stays English).
struct PublishSettingsTexts {
    Q_DECLARE_TR_FUNCTIONS(PublishSettings)
};

// What keeps a file the settings name from being read: not there, not a file (a folder, a
// device such as /dev/zero), not readable; empty when nothing does.
QString fileProblem(const QString& path) {
    const FileKind kind = KindOfFile(path);
    if (kind == FileKind::Missing)
        return PublishSettingsTexts::tr("%1 is not there").arg(path);
    if (kind != FileKind::Regular)
        return PublishSettingsTexts::tr("%1 is %2, not a file").arg(path, FileKindText(kind));
    if (!QFileInfo(path).isReadable())
        return PublishSettingsTexts::tr("%1 cannot be read").arg(path);
    return {};
}

} // namespace

bool ParseBrokerUrl(const QString& text, BrokerAddress* out, QString* why, bool needPrefix) {
    static const QRegularExpression form(QStringLiteral(
        "^(mqtts?)://(\\[[0-9A-Fa-f:.]+\\]|[^/:\\[\\]\\s]+)(?::(\\d{1,5}))?(?:/(.*))?$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch() || (needPrefix && !m.hasCaptured(4))) {
        *why = PublishSettingsTexts::tr("%1 is not a broker address: it wants "
                                        "mqtt://HOST[:PORT]/PREFIX or mqtts://HOST[:PORT]/PREFIX")
                   .arg(text);
        return false;
    }
    BrokerAddress a;
    a.tls = m.captured(1) == u"mqtts";
    a.host = m.captured(2);
    if (a.host.startsWith(u'['))
        a.host = a.host.mid(1, a.host.size() - 2);
    a.port = a.tls ? kTlsPort : kPlainPort;
    if (!m.captured(3).isEmpty()) {
        a.port = m.captured(3).toInt();
        if (a.port < 1 || a.port > 65535) {
            *why = PublishSettingsTexts::tr("%1: the port must be 1..65535").arg(text);
            return false;
        }
    }
    QString prefix = m.captured(4);
    while (prefix.endsWith(u'/'))
        prefix.chop(1);
    if (!needPrefix && prefix.isEmpty()) {
        *out = a;
        return true;
    }
    // Wildcards and empty levels would make topics a subscriber cannot tell apart.
    if (prefix.isEmpty() || prefix.contains(u'+') || prefix.contains(u'#') ||
        prefix.contains(QStringLiteral("//")) || prefix.startsWith(u'/') ||
        prefix.contains(QChar(0))) {
        *why = PublishSettingsTexts::tr(
                   "%1: the topic prefix after the host must be one or more topic "
                   "levels without + or #")
                   .arg(text);
        return false;
    }
    // Topics beginning with $ are the broker's own ($SYS): it passes on nothing published there.
    if (prefix.startsWith(u'$')) {
        *why = PublishSettingsTexts::tr("%1: a topic prefix may not begin with $ (the broker's "
                                        "own topics, where it passes nothing on)")
                   .arg(text);
        return false;
    }
    a.prefix = prefix;
    *out = a;
    return true;
}

QString DefaultNodeName() {
    const QString host = QSysInfo::machineHostName().section(u'.', 0, 0);
    return host.isEmpty() ? QStringLiteral("td700") : host;
}

PublishSettings LoadPublishSettings(const QString& path) {
    PublishSettings s;
    for (const auto& [name, value] : KeyValuePairs(ReadTextLines(path))) {
        const QString key = name.toLower();
        if (key == u"publish")
            s.enabled = value.compare(QStringLiteral("Yes"), Qt::CaseInsensitive) == 0;
        else if (key == u"url")
            s.url = value;
        else if (key == u"node")
            s.node = value;
        else if (key == u"user")
            s.user = value;
        else if (key == u"passwordfile")
            s.passwordFile = value;
        else if (key == u"ca")
            s.caFile = value;
        else if (key == u"cert")
            s.certFile = value;
        else if (key == u"key")
            s.keyFile = value;
        else if (key == u"qos")
            s.qos = value.toInt();
        else if (key == u"keepalive")
            s.keepAliveSeconds = value.toInt();
        else if (key == u"backlogdays")
            s.backlogDays = value.toInt();
        else if (key == u"sparkpluggroup")
            s.sparkplugGroup = value;
        else if (key == u"sparkplughost")
            s.sparkplugHost = value;
    }
    return s;
}

bool WritePublishSettings(const QString& path, const PublishSettings& s, QString* error) {
    const QStringList lines{
        QStringLiteral("Publish=") + yesNo(s.enabled),
        QStringLiteral("URL=") + s.url,
        QStringLiteral("Node=") + s.node,
        QStringLiteral("User=") + s.user,
        QStringLiteral("PasswordFile=") + s.passwordFile,
        QStringLiteral("CA=") + s.caFile,
        QStringLiteral("Cert=") + s.certFile,
        QStringLiteral("Key=") + s.keyFile,
        QStringLiteral("QoS=%1").arg(s.qos),
        QStringLiteral("KeepAlive=%1").arg(s.keepAliveSeconds),
        QStringLiteral("BacklogDays=%1").arg(s.backlogDays),
        // Keys an older version does not know, and passes over.
        QStringLiteral("SparkplugGroup=") + s.sparkplugGroup,
        QStringLiteral("SparkplugHost=") + s.sparkplugHost,
    };
    return WriteTextLines(path, lines, error);
}

QString SparkplugNameProblem(const QString& name) {
    if (name.isEmpty())
        return PublishSettingsTexts::tr("it is empty");
    static const QRegularExpression bad(QStringLiteral("[+#/\\x{0}]"));
    if (name.contains(bad))
        return PublishSettingsTexts::tr("%1 is not one topic level (no /, + or #)").arg(name);
    return {};
}

QString PublishSettingsProblem(const PublishSettings& s, QString (*flag)(const char* key)) {
    if (!flag)
        flag = keyName;
    const bool sparkplug = !s.sparkplugGroup.isEmpty();
    BrokerAddress address;
    QString why;
    if (!ParseBrokerUrl(s.url, &address, &why, !sparkplug))
        return flag("publish") + QStringLiteral(": ") + why;
    static const QRegularExpression badNode(QStringLiteral("[+#/\\s]"));
    if (s.node.contains(badNode))
        return PublishSettingsTexts::tr(
                   "%1: a node name is one topic level, without +, #, / or blanks")
            .arg(flag("node"));
    const QString node = s.node.isEmpty() ? DefaultNodeName() : s.node;
    if (sparkplug) {
        if (const QString problem = SparkplugNameProblem(s.sparkplugGroup); !problem.isEmpty())
            return PublishSettingsTexts::tr("%1: a Sparkplug group %2")
                .arg(flag("sparkplug"), problem);
        if (!s.sparkplugHost.isEmpty())
            if (const QString problem = SparkplugNameProblem(s.sparkplugHost); !problem.isEmpty())
                return PublishSettingsTexts::tr("%1: a host id %2")
                    .arg(flag("sparkplug-host"), problem);
    } else if (!s.sparkplugHost.isEmpty()) {
        return PublishSettingsTexts::tr("%1 needs %2")
            .arg(flag("sparkplug-host"), flag("sparkplug"));
    }
    const qsizetype longest =
        (sparkplug ? QStringLiteral("spBv1.0/%1/DBIRTH/%2/M247").arg(s.sparkplugGroup, node)
                   : Topics::meter(address.prefix, node, 247, "status"))
            .toUtf8()
            .size();
    if (longest > kLongestTopic)
        return PublishSettingsTexts::tr("%1: the topics would be %2 bytes long; MQTT allows %3")
            .arg(flag("publish"))
            .arg(longest)
            .arg(kLongestTopic);
    if (s.qos != 0 && s.qos != 1)
        return PublishSettingsTexts::tr("%1 wants 0 or 1").arg(flag("mqtt-qos"));
    if (s.keepAliveSeconds < 5 || s.keepAliveSeconds > 65535)
        return PublishSettingsTexts::tr("%1 wants seconds from 5 to 65535")
            .arg(flag("mqtt-keepalive"));
    if (s.backlogDays < 1 || s.backlogDays > 3650)
        return PublishSettingsTexts::tr("%1 wants days from 1 to 3650")
            .arg(flag("publish-backlog"));
    if (s.certFile.isEmpty() != s.keyFile.isEmpty())
        return PublishSettingsTexts::tr("%1 and %2 go together: give both or neither")
            .arg(flag("mqtt-cert"), flag("mqtt-key"));
    if (!address.tls && !(s.caFile.isEmpty() && s.certFile.isEmpty()))
        return PublishSettingsTexts::tr("%1, %2 and %3 need an mqtts:// address")
            .arg(flag("mqtt-ca"), flag("mqtt-cert"), flag("mqtt-key"));
    const std::pair<const char*, QString> files[] = {
        {"mqtt-ca", s.caFile}, {"mqtt-cert", s.certFile}, {"mqtt-key", s.keyFile}};
    for (const auto& [key, file] : files) {
        if (file.isEmpty())
            continue;
        if (const QString problem = fileProblem(file); !problem.isEmpty())
            return flag(key) + QStringLiteral(": ") + problem;
    }
    if (!s.passwordFile.isEmpty()) {
        if (s.user.isEmpty())
            return PublishSettingsTexts::tr("%1 needs %2")
                .arg(flag("mqtt-password-file"), flag("mqtt-user"));
        if (const QString problem = fileProblem(s.passwordFile); !problem.isEmpty())
            return flag("mqtt-password-file") + QStringLiteral(": ") + problem;
        const QFileInfo info(s.passwordFile);
#ifdef Q_OS_UNIX
        // A password others can read is no secret: the file must be the owner's alone.
        if (info.permissions() & (QFile::ReadGroup | QFile::ReadOther))
            return PublishSettingsTexts::tr(
                       "%1: %2 may be read by others; make it the owner's alone "
                       "(chmod 600 %2)")
                .arg(flag("mqtt-password-file"), s.passwordFile);
#endif
        QString password, problem;
        if (!ReadPasswordFile(s.passwordFile, &password, &problem))
            return flag("mqtt-password-file") + QStringLiteral(": ") + problem;
    }
    return {};
}

bool ReadPasswordFile(const QString& path, QString* password, QString* why) {
    QFile file;
    if (!OpenRegularFile(file, path, why))
        return false;
    QByteArray line = file.readLine(4096);
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    *password = QString::fromUtf8(line);
    return true;
}
