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
