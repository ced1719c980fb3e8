// The speed of `td700 export` on a generated 100 MB data file (about 1.6 M records of twelve
// channels), against the least converter there is: `tdd2csv_ref`, one thread, the file mapped,
// values as scaled integers, one output buffer, about as much CSV as ours. Both convert the
// same file in the same run, turn about, each as a process of its own writing to the null
// device, so that a busy machine slows both alike; the figure that counts is the ratio of the
// median wall times. The CPU time each used is printed beside it, as it varies less on a
// machine that others share.
//
//   bench_export [MEGABYTES [RUNS]]     (default 100 MB, 7 runs each; td700 and tdd2csv_ref
//                                        are looked for beside this program)
//
// tdd2csv_ref is built only where its source was found when the build was configured; without
// it the ratio is skipped and only td700's own figures are printed.

#include "dataview/SyntheticDataFile.h"
#include "logging/DataFile.h"
#include "logging/DataTime.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace {

// CPU seconds (user and system) of the children waited for so far.
double childrenCpu() {
#ifdef Q_OS_UNIX
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(u.ru_utime) + seconds(u.ru_stime);
#else
    return 0;
#endif
}

struct Timing {
    std::vector<double> wall, cpu; // seconds, one a run

    static double median(std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0 : v[v.size() / 2];
    }
    double wallMedian() const { return median(wall); }
    double cpuMedian() const { return median(cpu); }
    double wallBest() const {
        return wall.empty() ? 0 : *std::min_element(wall.begin(), wall.end());
    }
};

// Runs `program` once, its standard output to `out`; false with `error` when it fails.
bool timeRun(const QString& program, const QStringList& args, const QString& out, Timing* t,
             QString* error) {
    QProcess p;
    p.setStandardOutputFile(out);
    const double cpuBefore = childrenCpu();
    QElapsedTimer timer;
    timer.start();
    p.start(program, args);
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        *error = program + QStringLiteral(": ") + p.errorString() + u' ' +
                 QString::fromLocal8Bit(p.readAllStandardError());
        return false;
    }
    t->wall.push_back(double(timer.nsecsElapsed()) / 1e9);
    t->cpu.push_back(childrenCpu() - cpuBefore);
    return true;
}

QString loadAverage() {
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(f.readLine()).section(u' ', 0, 2);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100;
    const int runs = argc > 2 ? QByteArray(argv[2]).toInt() : 7;
    const QString bin = QCoreApplication::applicationDirPath();
    const QString td700 = bin + QStringLiteral("/td700");
    const QString yardstick = bin + QStringLiteral("/tdd2csv_ref");
    if (megabytes <= 0 || runs <= 0 || !QFileInfo::exists(td700)) {
        std::printf("usage: bench_export [MEGABYTES [RUNS]], with td700 beside it\n");
        return 2;
    }
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("BENCH_01.TDD"));
    SyntheticDataFile f;
    f.start = DataTime::parse(QStringLiteral("2024-01-01")).value_or(0);
    f.saves = (megabytes * 1024 * 1024 - DataFile::HeaderSize) / DataFile::RecordSize;
    f.badSensors.push_back({5, {f.start + 3600, f.start + 7200}, 1});
    QElapsedTimer timer;
    timer.start();
    if (!f.write(data)) {
        std::printf("cannot write %s\n", qPrintable(data));
        return 1;
    }
    const qint64 bytes = QFileInfo(data).size();
    const qint64 records = (bytes - DataFile::HeaderSize) / DataFile::RecordSize;
    std::printf("data file: %.1f MB, %lld records of 12 channels (generated in %.1f s)\n",
                double(bytes) / 1048576.0, qlonglong(records), double(timer.elapsed()) / 1000.0);
    std::printf("load average at the start: %s (on %d cores)\n", qPrintable(loadAverage()),
                QThread::idealThreadCount());

    const bool haveYardstick = QFileInfo::exists(yardstick);
    if (!haveYardstick)
        std::printf("tdd2csv_ref was not built (its source was not found when the build was "
                    "configured; see bench/CMakeLists.txt): no ratio\n");
    const QString null = QProcess::nullDevice();
    Timing ours, least;
    QString error;
    for (int i = 0; i < runs; ++i) {
        if (!timeRun(td700, {QStringLiteral("export"), data}, null, &ours, &error) ||
            (haveYardstick && !timeRun(yardstick, {data, null}, null, &least, &error))) {
            std::printf("failed: %s\n", qPrintable(error));
            return 1;
        }
    }
    // Once each into a real file, for the amount of CSV and the cost of writing it.
    const QString csv = dir.filePath(QStringLiteral("td700.csv"));
    const QString leastCsv = dir.filePath(QStringLiteral("least.csv"));
    Timing oursToFile, leastToFile;
    if (!timeRun(td700, {QStringLiteral("export"), data, QStringLiteral("--out"), csv}, null,
                 &oursToFile, &error) ||
        (haveYardstick && !timeRun(yardstick, {data, leastCsv}, null, &leastToFile, &error))) {
        std::printf("failed: %s\n", qPrintable(error));
        return 1;
    }

    std::printf("%d runs each, turn about; wall time median (best), CPU time median:\n", runs);
    std::printf("  td700 export to standard output:  %6.3f s (%6.3f s)  CPU %6.3f s  %8.0f "
                "records/s\n",
                ours.wallMedian(), ours.wallBest(), ours.cpuMedian(),
                double(records) / ours.wallMedian());
    if (haveYardstick)
        std::printf("  tdd2csv_ref:                      %6.3f s (%6.3f s)  CPU %6.3f s\n",
                    least.wallMedian(), least.wallBest(), least.cpuMedian());
    std::printf("into a real file, once: td700 export --out %6.3f s, %6.1f MB of CSV",
                oursToFile.wallMedian(), double(QFileInfo(csv).size()) / 1048576.0);
    if (haveYardstick)
        std::printf("; tdd2csv_ref %6.3f s, %6.1f MB", leastToFile.wallMedian(),
                    double(QFileInfo(leastCsv).size()) / 1048576.0);
    std::printf("\n");
    if (haveYardstick)
        std::printf("td700 export / tdd2csv_ref: %.2f x the wall time (medians), %.2f x the CPU "
                    "time\n",
                    ours.wallMedian() / least.wallMedian(), ours.cpuMedian() / least.cpuMedian());
    return 0;
}
