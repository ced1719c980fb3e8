#include "SimTestSupport.h"
#include "sim/SimFramer.h"

#include <QRandomGenerator>
#include <QTest>

using namespace simtest;

namespace {

QByteArray joined(const QList<QByteArray>& frames) {
    QByteArray all;
    for (const QByteArray& f : frames)
        all += f.toHex() + '|';
    return all;
}

const QByteArray kRead = readRequest(1, 3, 30001, 47);
const QByteArray kWrite = writeRequest(3, 40025, {2024, 2, 29, 13, 5, 9});

} // namespace

class TestSimFramer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everySplitPoint() {
        const QByteArray stream = kRead + kWrite;
        for (int cut = 0; cut <= stream.size(); ++cut) {
            SimFramer framer;
            QList<QByteArray> frames = framer.feed(stream.left(cut));
            frames += framer.feed(stream.mid(cut));
            QCOMPARE(joined(frames), joined({kRead, kWrite}));
            QCOMPARE(framer.waiting(), 0);
        }
    }

    void oneByteAtATimeWithTrailingZeros() {
        // A master with RTS control sends a zero byte after each frame.
        const QByteArray stream = kRead + '\0' + kWrite + '\0' + kRead + '\0';
        SimFramer framer;
        QList<QByteArray> frames;
        for (char c : stream)
            frames += framer.feed(QByteArray(1, c));
        frames += framer.gap();
        QCOMPARE(joined(frames), joined({kRead, kWrite, kRead}));
        QCOMPARE(framer.waiting(), 0);
    }

    void streams_data() {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QByteArray>("frames");
        const QByteArray unknown = withCrc(hex("0107")); // a function of four bytes
        QTest::newRow("noise before") << hex("55AAFF") + kRead << joined({kRead});
        QTest::newRow("noise between") << kRead + hex("1234") + kWrite << joined({kRead, kWrite});
        QTest::newRow("noise looking like a long write")
            << hex("0110 0000 0001 FE") + kRead << joined({kRead});
        QTest::newRow("unknown function") << unknown + kRead << joined({unknown, kRead});
        QTest::newRow("unknown function after noise") << hex("77") + unknown << joined({unknown});
        QByteArray bad = kRead;
        bad[5] = char(bad[5] ^ 0x10);
        QTest::newRow("frame with a bad CRC") << bad + kWrite << joined({kWrite});
        QTest::newRow("torn frame, then a whole one") << kRead.left(5) + kRead << joined({kRead});
    }

    void streams() {
        QFETCH(QByteArray, stream);
        SimFramer framer;
        QList<QByteArray> found = framer.feed(stream);
        found += framer.gap();
        QTEST(joined(found), "frames");
    }

    void droppedAtOnce_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("waiting"); // bytes kept for the next feed
        QTest::newRow("address above 247") << hex("F8") << 0;
        QTest::newRow("function 0") << hex("0100 F9") << 0;
        QTest::newRow("exception bit") << hex("0183 FF") << 0;
        QTest::newRow("unknown function, nobody answers") << hex("0941 FF") << 0;
        QTest::newRow("unknown function, meter 1 answers") << hex("0141") << 2;
        QTest::newRow("junk, then a read's first byte") << hex("FFFE 0183 09") << 1;
    }

    // A byte that cannot start a request is gone without waiting for more bytes or a silence,
    // so it holds up neither the next frame nor memory.
    void droppedAtOnce() {
        QFETCH(QByteArray, bytes);
        SimFramer framer;
        framer.setAddressFilter([](int address) { return address == 1; });
        QVERIFY(framer.feed(bytes).isEmpty());
        QTEST(int(framer.waiting()), "waiting");
    }

    void junkStaysBounded() {
        // Random junk in pieces of every size, then a request: nothing piles up, and the
        // request is still found behind whatever the junk happened to look like.
        SimFramer framer;
        framer.setAddressFilter([](int address) { return address == 1; });
        QRandomGenerator rng(3);
        qsizetype fed = 0;
        for (int piece = 1; fed < (1 << 20); piece = piece * 3 % 5003 + 1) {
            QByteArray junk(piece, Qt::Uninitialized);
            for (char& c : junk)
                c = char(rng.bounded(256));
            framer.feed(junk);
            fed += piece;
            QVERIFY2(framer.waiting() < SimFramer::MaxFrame, qPrintable(QString::number(fed)));
        }
        QList<QByteArray> frames = framer.feed(QByteArray(SimFramer::MaxFrame, '\xFF') + kRead);
        frames += framer.gap();
        QVERIFY(!frames.isEmpty());
        QCOMPARE(frames.last().toHex(), kRead.toHex());
        QCOMPARE(framer.waiting(), 0);
    }

    void silenceEndsATornFrame() {
        SimFramer framer;
        QVERIFY(framer.feed(kWrite.left(10)).isEmpty());
        QVERIFY(framer.gap().isEmpty());
        QCOMPARE(framer.waiting(), 0);
        QCOMPARE(framer.droppedBytes(), 10);
        QCOMPARE(joined(framer.feed(kRead)), joined({kRead}));
    }
};

QTEST_GUILESS_MAIN(TestSimFramer)
#include "tst_simframer.moc"
