// The simulator's framer and bus under whatever a client sends: the first bytes cut the rest
// into pieces as they might arrive. Every byte is either in a frame, dropped or waiting, no
// more than a frame's worth waits, and the bus answers every frame without fault.
#include "FuzzFile.h"
#include "core/Clock.h"
#include "sim/SimBus.h"
#include "sim/SimCrc.h"
#include "sim/SimFramer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    // Built once: meters are costly to make, and what a write leaves in them changes nothing
    // the framer does.
    static VirtualClock clock;
    static SimBus& bus = *[] {
        auto* b = new SimBus(clock);
        b->setMeters(SimMeterConfig::demoBus());
        return b;
    }();
    SimFramer framer;
    framer.setAddressFilter([](int address) { return bus.meter(address) != nullptr; });

    const int pieceSeed = data[0] | data[1] << 8;
    const QByteArray stream = FuzzBytes(data + 2, size - 2);
    qsizetype framed = 0;
    auto take = [&](const QList<QByteArray>& frames) {
        for (const QByteArray& f : frames) {
            FUZZ_EXPECT(f.size() >= 4 && f.size() <= SimFramer::MaxFrame && simCrcValid(f));
            framed += f.size();
            (void)bus.handle(f);
        }
    };
    qsizetype at = 0;
    for (int piece = pieceSeed % 97 + 1; at < stream.size(); piece = piece * 31 % 193 + 1) {
        take(framer.feed(stream.mid(at, piece)));
        at += piece;
        FUZZ_EXPECT(framer.waiting() < SimFramer::MaxFrame);
        FUZZ_EXPECT(framed + framer.droppedBytes() + framer.waiting() ==
                    std::min(at, stream.size()));
    }
    take(framer.gap());
    FUZZ_EXPECT(framer.waiting() == 0);
    FUZZ_EXPECT(framed + framer.droppedBytes() == stream.size());
    return 0;
}
