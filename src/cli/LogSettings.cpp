#include "cli/LogSettings.h"

#include <QDir>
#include <QRegularExpression>

namespace {

constexpr int kMostKeepDays = 36500;

} // namespace

void AddLogOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {QStringLiteral("folder"), QStringLiteral("Folder of the data files."),
         QStringLiteral("DIR")},
        {QStringLiteral("name"), QStringLiteral("Base name of the data files."),
         QStringLiteral("NAME")},
        {QStringLiteral("interval"),
         QStringLiteral("Save interval, 1..60 (the spacing of requests is --request-interval)."),
         QStringLiteral("N")},
        {QStringLiteral("unit"), QStringLiteral("Unit of the interval: sec or min."),
         QStringLiteral("sec|min")},
        {QStringLiteral("daily"), QStringLiteral("One file per day, changing at HH:MM."),
         QStringLiteral("HH:MM")},
        {QStringLiteral("single"), QStringLiteral("One file per meter, not per day.")},
        {QStringLiteral("duration"),
         QStringLiteral("Stop after this time: seconds, or with s, m or h (90, 15m, 8h)."),
         QStringLiteral("TIME")},
        {QStringLiteral("keep-days"),
         QStringLiteral("Delete daily data files whose records are all older than this many "
                        "days (0: keep all). A file holding records the broker has not "
                        "acknowledged is kept."),
         QStringLiteral("N")},
        {QStringLiteral("keep-free"),
         QStringLiteral("Delete the oldest daily data files while the data folder's disk has less "
                        "free space than this: a size (500M, 2G) or a share of the disk (10%)."),
         QStringLiteral("SIZE|PERCENT")},
        {QStringLiteral("metrics"),
         QStringLiteral("Serve the figures of the run (meters, records, broker, disk) in "
                        "Prometheus text on http://ADDRESS:PORT/metrics; the address is "
                        "127.0.0.1 unless given."),
         QStringLiteral("[ADDRESS:]PORT")},
    });
}

bool ParseDuration(const QString& text, qint64* ms) {
    static const QRegularExpression form(QStringLiteral("^(\\d+)([smh]?)$"));
    const QRegularExpressionMatch m = form.match(text.trimmed().toLower());
    if (!m.hasMatch())
        return false;
    bool ok = false;
    const qint64 n = m.captured(1).toLongLong(&ok);
    const QString unit = m.captured(2);
    const qint64 scale = unit == u"h" ? 3600000 : unit == u"m" ? 60000 : 1000;
    if (!ok || n <= 0 || n > std::numeric_limits<qint64>::max() / scale)
        return false;
    *ms = n * scale;
    return true;
}

bool ApplySaveFlags(const QCommandLineParser& p, SaveSettings& s, QString* why) {
    if (p.isSet(QStringLiteral("folder")))
        s.gDSaveFolder =
            QDir::cleanPath(QDir::fromNativeSeparators(p.value(QStringLiteral("folder"))));
    if (p.isSet(QStringLiteral("name")))
        s.gDSaveName = p.value(QStringLiteral("name"));
    if (p.isSet(QStringLiteral("interval"))) {
        bool ok = false;
        s.gDSaveInterval = p.value(QStringLiteral("interval")).toInt(&ok);
        if (!ok)
            s.gDSaveInterval = 0;
    }
    if (p.isSet(QStringLiteral("unit"))) {
        s.gDSaveUnit = p.value(QStringLiteral("unit")).toLower();
        if (s.gDSaveUnit != u"sec" && s.gDSaveUnit != u"min") {
            *why = QStringLiteral("--unit wants sec or min");
            return false;
        }
    }
    if (p.isSet(QStringLiteral("daily")) && p.isSet(QStringLiteral("single"))) {
        *why = QStringLiteral("give --daily or --single, not both");
        return false;
    }
    if (p.isSet(QStringLiteral("daily"))) {
        static const QRegularExpression form(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
        const QRegularExpressionMatch m = form.match(p.value(QStringLiteral("daily")));
        if (!m.hasMatch() || m.captured(1).toInt() > 23 || m.captured(2).toInt() > 59) {
            *why = QStringLiteral("--daily wants the day-change time as HH:MM, e.g. 06:30");
            return false;
        }
        s.gDSaveDaily = true;
        s.gDSaveDayHour = m.captured(1).toInt();
        s.gDSaveDayMinute = m.captured(2).toInt();
    }
    if (p.isSet(QStringLiteral("single")))
        s.gDSaveDaily = false;
    if (p.isSet(QStringLiteral("keep-days"))) {
        bool ok = false;
        s.keepDays = p.value(QStringLiteral("keep-days")).trimmed().toInt(&ok);
        if (!ok || s.keepDays < 0 || s.keepDays > kMostKeepDays) {
            *why = QStringLiteral("--keep-days wants a number of days, 0 to %1 (0 keeps all)")
                       .arg(kMostKeepDays);
            return false;
        }
    }
    if (p.isSet(QStringLiteral("keep-free"))) {
        const std::optional<FreeSpaceLimit> limit =
            FreeSpaceLimit::parse(p.value(QStringLiteral("keep-free")));
        if (!limit) {
            *why = QStringLiteral("--keep-free wants a size such as 500M or 2G, or a share of the "
                                  "disk below 100%, such as 10%");
            return false;
        }
        s.keepFree = *limit;
    }

    if (s.gDSaveInterval < 1 || s.gDSaveInterval > 60) {
        *why = QStringLiteral("the save interval must be 1..60 (give --interval; the spacing "
                              "of requests is --request-interval)");
        return false;
    }
    if (s.gDSaveFolder.isEmpty()) {
        *why = QStringLiteral("no data folder is set (give --folder)");
        return false;
    }
    if (s.gDSaveName.isEmpty()) {
        *why = QStringLiteral("no file name is set (give --name)");
        return false;
    }
    static const QRegularExpression badName(QStringLiteral("[\\\\/:*?\"<>|]"));
    if (s.gDSaveName.contains(badName)) {
        *why = QStringLiteral("the file name may not hold \\ / : * ? \" < > |");
        return false;
    }
    // Running this command is the request to log, whatever the settings file says.
    s.gDSaveOn = QStringLiteral("Yes");
    return true;
}

QString DescribeSaving(const SaveSettings& s) {
    QString text = QStringLiteral("every %1 %2 into %3 as %4_NN%5.TDD")
                       .arg(s.gDSaveInterval)
                       .arg(s.gDSaveUnit == u"min" ? QStringLiteral("min") : QStringLiteral("sec"),
                            QDir::toNativeSeparators(s.gDSaveFolder), s.gDSaveName,
                            s.gDSaveDaily ? QStringLiteral("_YYYYMMDD") : QString());
    if (s.gDSaveDaily)
        text += QStringLiteral(", new files at %1:%2")
                    .arg(s.gDSaveDayHour, 2, 10, QChar(u'0'))
                    .arg(s.gDSaveDayMinute, 2, 10, QChar(u'0'));
    QStringList keep;
    if (s.keepDays > 0)
        keep << QStringLiteral("%1 days of records").arg(s.keepDays);
    if (s.keepFree.isSet())
        keep << QStringLiteral("%1 of the disk free").arg(s.keepFree.text());
    if (!keep.isEmpty())
        text += QStringLiteral("; keeping ") + keep.join(QStringLiteral(" and "));
    return text;
}
