#include "screens/OffscreenScreen.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>

ScreenSpec ScreenSpec::parse(const QString& text) {
    ScreenSpec spec;
    const QString size = text.section(u'@', 0, 0);
    if (text.contains(u'@'))
        spec.scale = text.section(u'@', 1).toDouble();
    spec.pixels = QSize(size.section(u'x', 0, 0).toInt(), size.section(u'x', 1).toInt());
    return spec;
}

bool UseOffscreenScreen(QSize pixels, double scale) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("offscreen"))
        return true;
    // The platform reads the file when the application starts; it lives until the program ends.
    static QTemporaryFile config(QDir::temp().filePath(QStringLiteral("td700-screen-XXXXXX.json")));
    const QJsonObject screen{{QStringLiteral("name"), QStringLiteral("td700")},
                             {QStringLiteral("x"), 0},
                             {QStringLiteral("y"), 0},
                             {QStringLiteral("width"), pixels.width()},
                             {QStringLiteral("height"), pixels.height()},
                             {QStringLiteral("logicalDpi"), 96},
                             {QStringLiteral("logicalBaseDpi"), 96},
                             {QStringLiteral("dpr"), 1.0}};
    const QJsonObject root{{QStringLiteral("screens"), QJsonArray{screen}},
                           {QStringLiteral("windowFrameMargins"), true}};
    if (!config.open())
        return false;
    config.resize(0);
    if (config.write(QJsonDocument(root).toJson()) < 0 || !config.flush())
        return false;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    if (scale != 1.0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    else
        qunsetenv("QT_SCALE_FACTOR");
    return true;
}
