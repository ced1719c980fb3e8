// What line noise costs the simulator: the framer's throughput on random junk fed in socket-
// sized pieces and a byte at a time, and on a stream of back-to-back requests, with the demo
// bus's three addresses answering.

#include "sim/SimCrc.h"
#include "sim/SimFramer.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <cstdio>

namespace {

QByteArray junk(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator rng(11);
    for (char& c : bytes)
        c = char(rng.bounded(256));
    return bytes;
}

QByteArray requests(qsizetype size) {
    QByteArray one = QByteArray::fromHex("01037531002F");
    simAppendCrc(one);
    return one.repeated(size / one.size());
}

void run(const char* what, const QByteArray& stream, qsizetype piece) {
    SimFramer framer;
    framer.setAddressFilter([](int address) { return address >= 1 && address <= 3; });
    qsizetype frames = 0;
    QElapsedTimer t;
    t.start();
    for (qsizetype at = 0; at < stream.size(); at += piece)
        frames += framer.feed(stream.mid(at, piece)).size();
    frames += framer.gap().size();
    const double s = double(t.nsecsElapsed()) / 1e9;
    std::printf("  %-34s %8.1f MiB/s   %8lld frames   %8lld bytes dropped\n", what,
                double(stream.size()) / (1 << 20) / s, static_cast<long long>(frames),
                static_cast<long long>(framer.droppedBytes()));
}

} // namespace

int main() {
    std::printf("Simulator framer\n");
    const QByteArray noise = junk(16 << 20);
    run("16 MiB junk, 4 KiB pieces", noise, 4096);
    run("1 MiB junk, 1-byte pieces", noise.left(1 << 20), 1);
    run("16 MiB of read requests, 4 KiB", requests(16 << 20), 4096);
    return 0;
}
