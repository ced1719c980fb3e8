// Publishing figures against a local mosquitto started here: records per second sustained
// (247 meters, one record a second each, with its CPU share, then as fast as it goes), the
// catch-up rate after a 10-minute outage, and the CPU share of publishing 32 meters every
// second. `bench_publish --sparkplug` measures the same as a Sparkplug B edge node.
#include "LocalBroker.h"
#include "core/Clock.h"
#include "logging/DataFile.h"
#include "logging/DataFileAppend.h"
#include "logging/DataFileWriter.h"
#include "publish/RecordPublisher.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

QByteArray headerBytes() {
    QByteArray h(DataFile::HeaderSize, '\0');
    memcpy(h.data(), DataFile::magic().constData(), 16);
    h[16] = 2; // twelve channels
    h[18] = 1;
    h[19] = 8;
    for (int ch = 0; ch < 12; ++ch)
        h[DataFile::ChannelEntryOffset + DataFile::ChannelEntrySize * ch + 26] = 1;
    return h;
}

QByteArray recordBytes(const QDateTime& at, int n) {
    QByteArray r(DataFile::RecordSize, '\0');
    qToBigEndian(PackTimeStamp(at), r.data());
    for (int ch = 0; ch < 12; ++ch) {
        const float f = float(100 + ch + n % 50);
        quint32 bits;
        memcpy(&bits, &f, 4);
        qToBigEndian(bits, r.data() + 4 + 4 * ch);
    }
    return r;
}

struct Bench {
    SystemClock clock;
    QTemporaryDir dir;
    SaveSettings save;
    PublishSettings publish;
    int saved = 0;

    Bench(int port, bool sparkplug) {
        save.gDSaveOn = QStringLiteral("Yes");
        save.gDSaveFolder = dir.filePath(QStringLiteral("data"));
        save.gDSaveName = QStringLiteral("B");
        save.gDSaveInterval = 1;
        save.gDSaveUnit = QStringLiteral("sec");
        QDir().mkpath(save.gDSaveFolder);
        publish.enabled = true;
        publish.url = QStringLiteral("mqtt://127.0.0.1:%1/bench").arg(port);
        publish.node = QStringLiteral("bench");
        if (sparkplug)
            publish.sparkplugGroup = QStringLiteral("bench");
    }
    // Appends one record of meter `address` as the writer does, and tells the publisher.
    void saveRecord(RecordPublisher* publisher, int address, const QDateTime& at) {
        SavedRecord r;
        r.address = address;
        r.file = DataFileWriter::DataFileName(save, address, at);
        r.record = recordBytes(at, saved++);
        const AppendOutcome out = AppendDataRecord(r.file, headerBytes, r.record);
        r.index = out.index;
        if (publisher)
            publisher->recordSaved(r);
    }
};

// Runs the event loop, sleeping while nothing happens, until `done` or `maxMs` have passed.
void runUntil(const std::function<bool()>& done, qint64 maxMs) {
    QTimer beat; // wakes the loop to look at the clock
    beat.start(5);
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < maxMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

bool connectPublisher(RecordPublisher& p) {
    QString why;
    if (!p.start(&why)) {
        std::printf("cannot start: %s\n", qPrintable(why));
        return false;
    }
    runUntil([&] { return p.brokerState() == RecordPublisher::BrokerState::Connected; }, 5000);
    return p.brokerState() == RecordPublisher::BrokerState::Connected;
}

double cpuSeconds() {
    return double(std::clock()) / CLOCKS_PER_SEC;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const bool sparkplug = app.arguments().contains(QStringLiteral("--sparkplug"));
    LocalBroker broker;
    const int port = broker.port();
    if (port == 0) {
        std::printf("mosquitto is not installed (scripts/setup installs it)\n");
        return 0;
    }
    std::printf("mosquitto on 127.0.0.1:%d, QoS 1, twelve-channel records, %s\n\n", port,
                sparkplug ? "Sparkplug B (DDATA at QoS 0, confirmed by a QoS 1 round trip)"
                          : "JSON topics");

    // 247 meters, one record a second each.
    {
        Bench b(port, sparkplug);
        RecordPublisher p(b.clock, b.publish, b.save);
        if (!connectPublisher(p))
            return 1;
        constexpr int meters = 247, seconds = 10;
        QList<qint64> lag;
        QElapsedTimer wall;
        wall.start();
        // The CPU share is taken from the second second on: the first makes every meter's
        // state files (and in Sparkplug, the births).
        double cpu0 = 0;
        qint64 wall0 = 0;
        for (int s = 0; s < seconds; ++s) {
            QElapsedTimer t;
            t.start();
            const QDateTime at = QDateTime::currentDateTime();
            for (int m = 1; m <= meters; ++m)
                b.saveRecord(&p, m, at);
            runUntil([&] { return p.waiting() == 0; }, 5000);
            lag << t.elapsed();
            runUntil([] { return false; }, std::max<qint64>(0, 1000 * (s + 1) - wall.elapsed()));
            if (s == 0) {
                cpu0 = cpuSeconds();
                wall0 = wall.elapsed();
            }
        }
        const double cpu = cpuSeconds() - cpu0;
        const qint64 first = lag.takeFirst(); // each meter's state file is made then
        std::sort(lag.begin(), lag.end());
        std::printf("247 meters, 1 record/s each: %d records/s sustained for %d s; a second's "
                    "records saved and acknowledged in %lld ms (median), %lld ms (worst), "
                    "%lld ms in the first second; CPU %.1f %% of one core after the first second "
                    "(appending the records included)\n",
                    meters, seconds, lag[lag.size() / 2], lag.back(), first,
                    100.0 * cpu / (double(wall.elapsed() - wall0) / 1000.0));

        // As fast as it goes: records saved and acknowledged, the broker keeping up.
        QElapsedTimer t;
        t.start();
        qint64 records = 0;
        while (t.elapsed() < 5000) {
            const QDateTime at = QDateTime::currentDateTime();
            for (int m = 1; m <= meters; ++m)
                b.saveRecord(&p, m, at);
            records += meters;
            runUntil([&] { return p.inFlight() < 2000; }, 5000);
        }
        runUntil([&] { return p.waiting() == 0; }, 30000);
        std::printf("as fast as it goes: %.0f records/s (saved to the data files and "
                    "acknowledged, %lld records in %.1f s)\n",
                    double(records) * 1000.0 / double(t.elapsed()), records,
                    double(t.elapsed()) / 1000.0);
        p.stop();
    }

    // A 10-minute outage of 247 meters saving every second: caught up from the data files. The
    // outage is made on the file side: the records of ten minutes are appended, dated back,
    // while no publisher runs, and a new one catches up from them.
    {
        Bench b(port, sparkplug);
        constexpr int meters = 247, seconds = 600;
        // The state files of every meter, at the start of its (empty) files.
        {
            RecordPublisher p(b.clock, b.publish, b.save);
            for (int m = 1; m <= meters; ++m)
                p.addMeter(m);
        }
        const QDateTime start = QDateTime::currentDateTime().addSecs(-seconds);
        for (int s = 0; s < seconds; ++s)
            for (int m = 1; m <= meters; ++m)
                b.saveRecord(nullptr, m, start.addSecs(s));
        RecordPublisher p(b.clock, b.publish, b.save);
        for (int m = 1; m <= meters; ++m)
            p.addMeter(m);
        const qint64 backlog = p.waiting();
        QElapsedTimer t;
        t.start();
        const double cpu0 = cpuSeconds();
        if (!connectPublisher(p))
            return 1;
        runUntil([&] { return p.waiting() == 0; }, 600000);
        const double secs = double(t.elapsed()) / 1000.0;
        std::printf("catch-up after a 10-minute outage: %lld records of 247 meters in %.1f s, "
                    "%.0f records/s (CPU %.1f s)\n",
                    backlog, secs, double(backlog) / secs, cpuSeconds() - cpu0);
        p.stop();
    }

    // 32 meters every second: the share of one core that saving and publishing take.
    {
        Bench b(port, sparkplug);
        RecordPublisher p(b.clock, b.publish, b.save);
        if (!connectPublisher(p))
            return 1;
        constexpr int meters = 32, seconds = 20;
        const double cpu0 = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        for (int s = 0; s < seconds; ++s) {
            const QDateTime at = QDateTime::currentDateTime();
            for (int m = 1; m <= meters; ++m)
                b.saveRecord(&p, m, at);
            runUntil([] { return false; }, std::max<qint64>(0, 1000 * (s + 1) - wall.elapsed()));
        }
        const double cpu = cpuSeconds() - cpu0;
        std::printf("32 meters, 1 record/s each for %d s: %.3f s CPU, %.2f %% of one core "
                    "(appending the records included)\n",
                    seconds, cpu, 100.0 * cpu / (double(wall.elapsed()) / 1000.0));
        p.stop();
    }
    return 0;
}
