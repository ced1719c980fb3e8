// The speed of `td700 export` on a generated 100 MB data file (about 1.6 M records of twelve
// channels), beside the least converter that does the same formatting: it maps the file,
// writes each record's time and each value with its channel's decimal places as a scaled
// integer, single-threaded, into one buffer, and writes that buffer once. Both run on the same
// file in the same run; the ratio says what the real export's extra care costs (the state,
// alarm, input and relay columns, empty cells for invalid values, the checked writes).
//
//   bench_export [MEGABYTES]     (default 100; td700 is looked for beside this program)

#include "dataview/SyntheticDataFile.h"
#include "logging/DataFile.h"
#include "logging/DataTime.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The yardstick: nothing but mapping, formatting and one write.
qint64 bareConvert(const QString& path, const QString& outPath) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return -1;
    const qint64 size = in.size();
    const uchar* map = in.map(0, size);
    if (!map)
        return -1;
    const char* data = reinterpret_cast<const char*>(map);
    int decimals[12];
    for (int ch = 0; ch < 12; ++ch)
        decimals[ch] = std::clamp(int(quint8(data[32 + 40 * ch + 26])), 0, 4);
    static const double scale[5] = {1, 10, 100, 1000, 10000};
    const qint64 records = (size - 512) / 64;
    std::string out;
    out.reserve(size_t(records) * 110);
    char row[256];
    for (qint64 r = 0; r < records; ++r) {
        const char* rec = data + 512 + 64 * r;
        const quint32 s = qFromBigEndian<quint32>(rec);
        char* p = row;
        const auto two = [&p](unsigned v) {
            *p++ = char('0' + v / 10);
            *p++ = char('0' + v % 10);
        };
        *p++ = '2';
        *p++ = '0';
        two((s >> 26) & 31);
        *p++ = '-';
        two((s >> 22) & 15);
        *p++ = '-';
        two((s >> 17) & 31);
        *p++ = ' ';
        two((s >> 12) & 31);
        *p++ = ':';
        two((s >> 6) & 63);
        *p++ = ':';
        two(s & 63);
        for (int ch = 0; ch < 12; ++ch) {
            const quint32 bits = qFromBigEndian<quint32>(rec + 4 + 4 * ch);
            float v;
            std::memcpy(&v, &bits, sizeof v);
            const qint64 n = std::llround(double(v) * scale[decimals[ch]]);
            *p++ = ',';
            quint64 u = quint64(n < 0 ? -n : n);
            if (n < 0)
                *p++ = '-';
            char digits[24];
            int k = 0;
            do {
                digits[k++] = char('0' + u % 10);
                u /= 10;
            } while (u != 0 || k <= decimals[ch]);
            while (k > 0) {
                if (k == decimals[ch])
                    *p++ = '.';
                *p++ = digits[--k];
            }
        }
        *p++ = '\r';
        *p++ = '\n';
        out.append(row, size_t(p - row));
    }
    QFile o(outPath);
    if (!o.open(QIODevice::WriteOnly) ||
        o.write(out.data(), qint64(out.size())) != qint64(out.size()))
        return -1;
    return qint64(out.size());
}

// Best of `runs`, in seconds; the program's standard output to the null device.
double bestProcessTime(const QString& program, const QStringList& args, int runs, QString* error) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        p.start(program, args);
        if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit ||
            p.exitCode() != 0) {
            *error = program + QStringLiteral(": ") + p.errorString() +
                     QString::fromLocal8Bit(p.readAllStandardError());
            return -1;
        }
        best = std::min(best, double(timer.nsecsElapsed()) / 1e9);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100;
    const QString td700 = QCoreApplication::applicationDirPath() + QStringLiteral("/td700");
    if (megabytes <= 0 || !QFileInfo::exists(td700)) {
        std::printf("usage: bench_export [MEGABYTES], with td700 beside it\n");
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

    double bare = 1e30;
    qint64 bareBytes = 0;
    for (int i = 0; i < 3; ++i) {
        timer.start();
        bareBytes = bareConvert(data, QProcess::nullDevice());
        bare = std::min(bare, double(timer.nsecsElapsed()) / 1e9);
    }
    QString error;
    const double real = bestProcessTime(td700, {QStringLiteral("export"), data}, 3, &error);
    if (bareBytes < 0 || real < 0) {
        std::printf("failed: %s\n", qPrintable(error));
        return 1;
    }
    const QString csv = dir.filePath(QStringLiteral("bench.csv"));
    const double toFile = bestProcessTime(
        td700, {QStringLiteral("export"), data, QStringLiteral("--out"), csv}, 1, &error);

    std::printf("bare converter (time and values):  %6.3f s  %6.1f MB of CSV\n", bare,
                double(bareBytes) / 1048576.0);
    std::printf("td700 export to standard output:   %6.3f s  %6.0f records/s\n", real,
                double(records) / real);
    std::printf("td700 export --out (a real file):  %6.3f s  %6.1f MB of CSV\n", toFile,
                double(QFileInfo(csv).size()) / 1048576.0);
    std::printf("td700 export / bare converter:     %6.2f x the time\n", real / bare);
    return 0;
}
