// Throughput of `td700 export` on a generated 100 MB data file, beside the time `cat` takes
// to read the same file: the figure that says how far CSV formatting is from plain I/O.
//
//   bench_export [MEGABYTES]     (default 100; td700 is looked for beside this program)

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {

constexpr int kHeaderSize = 512;
constexpr int kRecordSize = 64;

void putSingle(char* at, float v) {
    quint32 bits;
    std::memcpy(&bits, &v, sizeof bits);
    qToBigEndian(bits, at);
}

// A twelve-channel file: named channels, values on slow waves, one record per second.
bool generate(const QString& path, qint64 bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QByteArray header(kHeaderSize, '\0');
    std::memcpy(header.data(), "TD700 LOG DATA", 14);
    header[16] = 2; // model 20: twelve channels
    header[18] = 1;
    header[19] = 8;
    for (int ch = 0; ch < 12; ++ch) {
        char* e = header.data() + 32 + 40 * ch;
        std::memcpy(e + 2, "`C", 2);
        putSingle(e + 8, 0.0f);
        putSingle(e + 12, 500.0f);
        const QByteArray name = QByteArray("TEMP-") + QByteArray::number(ch + 1);
        std::memcpy(e + 16, name.constData(), size_t(name.size()));
        e[26] = 1;
    }
    f.write(header);
    const qint64 records = (bytes - kHeaderSize) / kRecordSize;
    QByteArray block;
    const QDateTime start(QDate(2024, 1, 1), QTime(0, 0));
    for (qint64 i = 0; i < records; ++i) {
        char r[kRecordSize] = {};
        const QDateTime t = start.addSecs(i);
        const quint32 stamp = quint32(t.date().year() - 2000) << 26 |
                              quint32(t.date().month()) << 22 | quint32(t.date().day()) << 17 |
                              quint32(t.time().hour()) << 12 | quint32(t.time().minute()) << 6 |
                              quint32(t.time().second());
        qToBigEndian(stamp, r);
        for (int ch = 0; ch < 12; ++ch)
            putSingle(r + 4 + 4 * ch,
                      float(250.0 + 200.0 * std::sin(double(i) / (600.0 + 37 * ch))));
        r[55] = char(i & 0x3F);
        r[56] = char((i >> 6) & 0xFF);
        block.append(r, kRecordSize);
        if (block.size() >= (1 << 20)) {
            if (f.write(block) != block.size())
                return false;
            block.clear();
        }
    }
    return f.write(block) == block.size();
}

// Runs a program with its standard output to the null device; best of `runs`, in seconds.
double bestTime(const QString& program, const QStringList& args, int runs, QString* error) {
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
    QTextStream out(stdout);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100;
    const QString td700 = QCoreApplication::applicationDirPath() + QStringLiteral("/td700");
    if (megabytes <= 0 || !QFileInfo::exists(td700)) {
        out << "usage: bench_export [MEGABYTES], with td700 beside it\n";
        return 2;
    }
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("bench.TDD"));
    QElapsedTimer timer;
    timer.start();
    if (!generate(data, megabytes * 1024 * 1024)) {
        out << "cannot write " << data << '\n';
        return 1;
    }
    const double mb = double(QFileInfo(data).size()) / (1024.0 * 1024.0);
    const qint64 records = (QFileInfo(data).size() - kHeaderSize) / kRecordSize;
    out << QStringLiteral("data file: %1 MB, %2 records (generated in %3 s)\n")
               .arg(mb, 0, 'f', 1)
               .arg(records)
               .arg(double(timer.elapsed()) / 1000.0, 0, 'f', 1);
    out.flush();

    QString error;
    const double cat = bestTime(QStringLiteral("cat"), {data}, 3, &error);
    const double exportTime = bestTime(td700, {QStringLiteral("export"), data}, 3, &error);
    if (cat < 0 || exportTime < 0) {
        out << "failed: " << error << '\n';
        return 1;
    }
    // Once more into a real file, for the size of the CSV and the time with disk writes.
    const QString csv = dir.filePath(QStringLiteral("bench.csv"));
    const double toFile =
        bestTime(td700, {QStringLiteral("export"), data, QStringLiteral("--out"), csv}, 1, &error);
    const double csvMb = double(QFileInfo(csv).size()) / (1024.0 * 1024.0);

    out << QStringLiteral("cat:                    %1 s  %2 MB/s\n")
               .arg(cat, 0, 'f', 3)
               .arg(mb / cat, 0, 'f', 0);
    out << QStringLiteral("td700 export (stdout):  %1 s  %2 MB/s of data file, %3 records/s\n")
               .arg(exportTime, 0, 'f', 3)
               .arg(mb / exportTime, 0, 'f', 1)
               .arg(double(records) / exportTime, 0, 'f', 0);
    out << QStringLiteral("td700 export (--out):   %1 s  CSV %2 MB\n")
               .arg(toFile, 0, 'f', 3)
               .arg(csvMb, 0, 'f', 1);
    out << QStringLiteral("export / cat:           %1 x the time\n")
               .arg(exportTime / cat, 0, 'f', 1);
    return 0;
}
