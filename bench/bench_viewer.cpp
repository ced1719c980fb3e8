// What the graph viewer costs on big data files: the time to open a generated twelve-channel
// file (map it, sum it up, find its gaps and alarms) and show the first picture, and the time
// of a redraw (cut the traces to pixel columns and paint them) for random zooms and pans, for
// files of 1 MB, 100 MB and 1 GB. The redraw of the whole file must not grow with the number
// of records. Then a month of daily files: open, go to an alarm, export that hour to CSV and
// PNG. With --set-back N the files are those of a PC clock put back by N seconds after every
// N records, again and again, so that thousands of stretches of records lie on the same hour.
//
//   bench_viewer [--set-back N] [MEGABYTES ...]   (default 1 10 100 1024)
//   bench_viewer --write FILE MEGABYTES [--set-back N]   writes one such file and stops
//   bench_viewer --month DIR                       writes a month of daily files into DIR and stops

#include "dataview/DataTimeLine.h"
#include "dataview/SyntheticDataFile.h"
#include "dataview/TracePicture.h"
#include "logging/DataFile.h"
#include "logging/DataFileExport.h"
#include "logging/DataTime.h"
#include "viewer/PlotSettings.h"
#include "viewer/TracePainter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QSize kPicture(1600, 900);
const qint64 kStart = DataTime::parse(QStringLiteral("2024-01-01")).value_or(0);

double msSince(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

struct Figures {
    double median = 0, p95 = 0, worst = 0;
};

Figures figuresOf(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back()};
}

// The process's anonymous memory now, in MB (Linux; -1 elsewhere): what the time line and the
// pictures hold, without the mapped file.
double anonymousMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("RssAnon:"))
            return line.mid(8).trimmed().split(' ').value(0).toDouble() / 1024;
    return -1;
}

// The time of the last redraw's two halves, and the points the picture held.
double g_cutMs = 0;
size_t g_points = 0;

// One redraw as the plot makes it: traces cut to columns, then painted.
double redraw(const DataTimeLine& line, const PlotSettings& settings, double from, double to,
              QImage& image) {
    QElapsedTimer t;
    t.start();
    QPainter p(&image);
    const PlotLayout layout =
        PlotLayout::of(image.rect(), int(settings.bands.size()), QFontMetrics(p.font()));
    const TracePicture picture =
        BuildTracePicture(line, TimeView{from, to, layout.traces.width()}, settings.shownMask());
    g_cutMs = msSince(t);
    g_points = 0;
    for (const ChannelTrace& trace : picture.channels)
        g_points += trace.points.size();
    TracePainter::paint(p, layout, picture, settings);
    return msSince(t);
}

// A file of about `megabytes`: one record a second, with a silence and an alarm each day; with
// `setBack`, the clock put back by that many seconds after every `setBack` records.
bool writeFile(const QString& path, qint64 megabytes, qint64 setBack) {
    SyntheticDataFile f;
    f.start = kStart;
    f.saves = (megabytes * 1024 * 1024 - DataFile::HeaderSize) / DataFile::RecordSize;
    f.setBackEvery = f.setBackBy = setBack;
    for (qint64 day = 0; day * 86400 < f.saves; ++day) {
        const qint64 d = kStart + day * 86400;
        f.silent.push_back({d + 10 * 3600, d + 10 * 3600 + 900});
        f.bumps.push_back({int(day % 12) + 1, {d + 14 * 3600, d + 14 * 3600 + 720}, 0.97});
    }
    QString error;
    if (!f.write(path, &error)) {
        std::printf("cannot write %s: %s\n", qPrintable(path), qPrintable(error));
        return false;
    }
    return true;
}

void benchFile(qint64 megabytes, qint64 setBack, QImage& image) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("BENCH_01.TDD"));
    QElapsedTimer t;
    t.start();
    if (!writeFile(path, megabytes, setBack))
        return;
    const double written = msSince(t);

    t.start();
    DataTimeLine line;
    line.add({path});
    const double opened = msSince(t);
    const double openedMb = anonymousMb();
    const PlotSettings settings = PlotSettings::forTimeLine(line);
    const double first = double(line.firstTime()), last = double(line.lastTime());
    const double firstPicture = redraw(line, settings, first, last, image);
    const size_t points = g_points;
    const double pictureMb = anonymousMb();

    // Fewer redraws where each is slow, so that a bad case still ends.
    constexpr double kBudgetMs = 20000;
    std::vector<double> fitAll, fitAllCut, views;
    double spent = 0;
    for (int i = 0; i < 30 && spent < kBudgetMs; ++i) {
        fitAll.push_back(redraw(line, settings, first, last, image));
        fitAllCut.push_back(g_cutMs);
        spent += fitAll.back();
    }
    QRandomGenerator random(7);
    spent = 0;
    for (int i = 0; i < 200 && spent < kBudgetMs; ++i) {
        // Spans from a minute to the whole file, anywhere in it.
        const double span = std::exp(random.bounded(std::log(std::max(120.0, last - first))));
        const double middle = first + random.bounded(1.0) * (last - first);
        views.push_back(redraw(line, settings, middle - span / 2, middle + span / 2, image));
        spent += views.back();
    }
    const Figures all = figuresOf(fitAll), zoom = figuresOf(views);
    std::printf("%7.1f MB %9lld records: written in %6.0f ms; open %7.1f ms + first picture "
                "%5.1f ms = %7.1f ms\n",
                double(QFileInfo(path).size()) / (1024.0 * 1024.0), qlonglong(line.recordCount()),
                written, opened, firstPicture, opened + firstPicture);
    std::printf("          redraw of everything: median %5.2f ms (cut to columns %5.2f ms), worst "
                "%5.2f ms;  random zoom and pan: median %5.2f ms, 95%% %5.2f ms, worst %5.2f ms\n",
                all.median, figuresOf(fitAllCut).median, all.worst, zoom.median, zoom.p95,
                zoom.worst);
    std::printf("          %zu segments, first picture %zu points; anonymous memory %.0f MB after "
                "the open, %.0f MB after the first picture\n",
                line.segments().size(), points, openedMb, pictureMb);
}

QStringList writeMonth(const QString& dir, int days) {
    QStringList paths;
    for (int day = 0; day < days; ++day) {
        const qint64 start = kStart + qint64(day) * 86400;
        const QString name =
            QStringLiteral("PLANT_03_%1.TDD").arg(DataTime::text(start).left(10).remove(u'-'));
        const QString path = QDir(dir).filePath(name);
        if (!SyntheticDataFile::plantDay(start, day).write(path))
            return {};
        paths << path;
    }
    return paths;
}

void benchMonth(QImage& image) {
    QTemporaryDir dir;
    QElapsedTimer t;
    t.start();
    const QStringList paths = writeMonth(dir.path(), 30);
    if (paths.isEmpty())
        return;
    std::printf("a month of daily files (30 x 86400 records, 12 channels) written in %.0f ms\n",
                msSince(t));
    t.start();
    DataTimeLine line;
    line.add(paths);
    const double opened = msSince(t);
    const PlotSettings settings = PlotSettings::forTimeLine(line);
    const double firstPicture =
        redraw(line, settings, double(line.firstTime()), double(line.lastTime()), image);
    std::printf("  open %.1f ms + first picture %.1f ms; %zu gaps, %zu events\n", opened,
                firstPicture, line.gaps().size(), line.events().size());
    const auto alarm = std::find_if(line.events().begin(), line.events().end(), [](const auto& e) {
        return e.kind == TimeLineEvent::Kind::AlarmOn && e.time > 20 * 86400;
    });
    if (alarm == line.events().end())
        return;
    const double from = double(alarm->time) - 1800, to = double(alarm->time) + 1800;
    const double zoomed = redraw(line, settings, from, to, image);
    CsvOptions options;
    options.from = qint64(from);
    options.to = qint64(to);
    QList<DataFileReader*> readers;
    for (int f = 0; f < int(line.files().size()); ++f)
        readers << &line.readerToReadThrough(f);
    t.start();
    qint64 rows = 0;
    const bool csv =
        ExportCsvFile(readers, dir.filePath(QStringLiteral("hour.csv")), options, nullptr, &rows);
    const double csvMs = msSince(t);
    t.start();
    const bool png = image.save(dir.filePath(QStringLiteral("hour.png")));
    std::printf("  alarm at %s: the hour around it drawn in %.1f ms, %lld rows to CSV in %.1f ms "
                "(%s), PNG in %.1f ms (%s)\n",
                qPrintable(DataTime::text(alarm->time)), zoomed, qlonglong(rows), csvMs,
                csv ? "ok" : "failed", msSince(t), png ? "ok" : "failed");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.value(0) == QStringLiteral("--month")) {
        if (args.size() != 2 || !QDir().mkpath(args[1])) {
            std::printf("usage: bench_viewer --month DIR\n");
            return 2;
        }
        const QStringList paths = writeMonth(args[1], 30);
        std::printf("%lld files written to %s\n", qlonglong(paths.size()), qPrintable(args[1]));
        return paths.isEmpty() ? 1 : 0;
    }
    qint64 setBack = 0;
    std::vector<qint64> sizes;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--set-back"))
            setBack = args.value(++i).toLongLong();
        else if (args[i] != QStringLiteral("--write"))
            sizes.push_back(args[i].toLongLong());
    }
    if (args.value(0) == QStringLiteral("--write")) {
        const qint64 mb = args.value(2).toLongLong();
        if (mb <= 0) {
            std::printf("usage: bench_viewer --write FILE MEGABYTES [--set-back N]\n");
            return 2;
        }
        return writeFile(args[1], mb, setBack) ? 0 : 1;
    }
    if (sizes.empty())
        sizes = {1, 10, 100, 1024};
    QImage image(kPicture, QImage::Format_RGB32);
    std::printf(
        "picture %dx%d, every channel shown%s\n", kPicture.width(), kPicture.height(),
        setBack > 0
            ? qPrintable(QStringLiteral("; the clock put back %1 s every %1 records").arg(setBack))
            : "");
    for (qint64 mb : sizes)
        if (mb > 0)
            benchFile(mb, setBack, image);
    if (setBack == 0)
        benchMonth(image);
    return 0;
}
