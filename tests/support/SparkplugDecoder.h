#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

// Sparkplug B payloads through Eclipse Tahu's JavaScript library (tests/support/sparkplug,
// installed into the build folder by scripts/setup), apart from the program's own schema and
// code: what it decodes, any Sparkplug host decodes.
namespace SparkplugDecoder {

inline QString folder() {
    return qEnvironmentVariable("TD700_BIN_DIR") + QStringLiteral("/../tests/sparkplug-node");
}

inline QString script() {
    return qEnvironmentVariable("TD700_SOURCE_DIR") +
           QStringLiteral("/tests/support/sparkplug/decode.js");
}

// Why the decoder cannot run; empty when it can.
inline QString missing() {
    if (QStandardPaths::findExecutable(QStringLiteral("node")).isEmpty())
        return QStringLiteral("node is not installed (scripts/setup installs it)");
    if (!QFile::exists(folder() + QStringLiteral("/node_modules/sparkplug-payload/package.json")))
        return QStringLiteral("the Sparkplug B decoder is not in %1 (scripts/setup installs it)")
            .arg(folder());
    return {};
}

// A test without the decoder is left out where nobody asked for it: outside CI, or with
// TD700_SPARKPLUG_DECODER=0. In CI it fails.
inline bool mayGoWithout() {
    return qEnvironmentVariable("TD700_SPARKPLUG_DECODER") == u"0" ||
           qEnvironmentVariable("CI").isEmpty();
}

inline QByteArray run(const QStringList& arguments, const QByteArray& input) {
    QProcess node;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("NODE_PATH"), folder() + QStringLiteral("/node_modules"));
    node.setProcessEnvironment(env);
    node.start(QStringLiteral("node"), QStringList{script()} + arguments);
    node.write(input);
    node.closeWriteChannel();
    node.waitForFinished(60000);
    if (node.exitCode() != 0)
        qWarning("decode.js: %s", node.readAllStandardError().constData());
    return node.readAllStandardOutput();
}

// Lines "TOPIC HEX" (mosquitto_sub -F '%t %x') decoded: {"topic":...,"payload":{...}} each.
inline QList<QJsonObject> decodeLines(const QByteArray& lines) {
    QList<QJsonObject> out;
    for (const QByteArray& line : run({}, lines).split('\n'))
        if (!line.isEmpty())
            out << QJsonDocument::fromJson(line).object();
    return out;
}

} // namespace SparkplugDecoder

// Leaves a test out, or fails it (in CI), when the decoder cannot run.
#define REQUIRE_SPARKPLUG_DECODER()                                                                \
    do {                                                                                           \
        const QString why_ = SparkplugDecoder::missing();                                          \
        if (!why_.isEmpty()) {                                                                     \
            if (SparkplugDecoder::mayGoWithout())                                                  \
                QSKIP(qPrintable(why_));                                                           \
            QFAIL(qPrintable(why_));                                                               \
        }                                                                                          \
    } while (false)
