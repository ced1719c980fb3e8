#include "comm/ModbusRtu.h"
#include "comm/ReplyCollector.h"

#include <QRandomGenerator>
#include <QTest>

using Verdict = ReplyCollector::Verdict;
Q_DECLARE_METATYPE(ReplyCollector::Verdict)

namespace {

QByteArray framed(const char* hexWithoutCrc) {
    return CrcAppend(QByteArray::fromHex(hexWithoutCrc) + QByteArray(2, '\0'));
}

// The reply to "slave 1, read 2 registers from 30001".
const QByteArray kReply = framed("0103040014"
                                 "0114");

// The reply of slave 1 to a read of 35 registers, as a request given up before would get it.
const QByteArray kLate =
    CrcAppend(QByteArray::fromHex("010346") + QByteArray(70, '\x20') + QByteArray(2, '\0'));
// Meter 2's reply to a read of 47 registers, longer than a reply's worth of meter 1's.
const QByteArray kLateOfMeter2 =
    CrcAppend(QByteArray::fromHex("02035E") + QByteArray(94, '\x11') + QByteArray(2, '\0'));
// What meters 1 and 2 still owe, and meter 3, not yet known since the line opened.
LateReplies owedOnTheBus() {
    LateReplies late;
    late.owed << ReplyShapeOf(BuildReadFrame(1, 40101, 35))
              << ReplyShapeOf(BuildReadFrame(2, 30001, 47));
    late.unknown.set(3);
    return late;
}

// A write of one register whose reply happens to be the first eight bytes of the request.
const QByteArray kLookalikeWrite = BuildWriteFrame(1, 40986, {0x0E00});
const QByteArray kLookalikeReply = kLookalikeWrite.left(8);

} // namespace

// What the receive path makes of the bytes that arrive for one request.
class TestReplyCollector : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verdict_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("timedOut");
        QTest::addColumn<Verdict>("verdict");

        QByteArray damaged = kReply;
        damaged[4] = char(damaged[4] ^ 0x10);
        const QByteArray shortReply = framed("01030200 14");
        const QByteArray otherSlave = framed("0203040014"
                                             "0114");
        const QByteArray exception = framed("018302");
        const QByteArray noise = QByteArray::fromHex("55AA55");

        QTest::newRow("the reply") << kReply << false << Verdict::Reply;
        QTest::newRow("noise, then the reply") << noise + kReply << false << Verdict::Reply;
        QTest::newRow("half the reply") << kReply.left(4) << false << Verdict::Wait;
        QTest::newRow("an exception") << exception << false << Verdict::Exception;
        QTest::newRow("a damaged reply") << damaged << false << Verdict::BadFrame;
        QTest::newRow("another slave's reply") << otherSlave << false << Verdict::BadFrame;
        QTest::newRow("a reply's worth of noise")
            << noise + noise + noise << false << Verdict::BadFrame;
        QTest::newRow("a little noise") << noise << false << Verdict::Wait;
        // At the time-out.
        QTest::newRow("cut short") << kReply.left(7) << true << Verdict::CutShort;
        QTest::newRow("noise, then cut short")
            << noise + kReply.left(5) << true << Verdict::CutShort;
        QTest::newRow("nothing") << QByteArray() << true << Verdict::Silent;
        QTest::newRow("noise alone") << noise << true << Verdict::Silent;
        QTest::newRow("a reply with fewer registers") << shortReply << true << Verdict::BadFrame;
        QTest::newRow("damaged, then a lone address byte")
            << damaged + "\x01" << true << Verdict::BadFrame;
        QTest::newRow("late reply in time") << kReply << true << Verdict::Reply;
    }

    void verdict() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, timedOut);
        QFETCH(Verdict, verdict);
        // Whatever pieces the bytes arrive in.
        for (int split = 0; split <= bytes.size(); ++split) {
            ReplyCollector c;
            c.start(BuildReadFrame(1, 30001, 2));
            c.add(bytes.left(split));
            c.add(bytes.mid(split));
            const ReplyCollector::Outcome out = c.evaluate(timedOut);
            QCOMPARE(out.verdict, verdict);
            if (verdict == Verdict::Reply)
                QCOMPARE(out.frame, kReply);
            if (verdict == Verdict::Wait)
                QVERIFY(out.missing > 0);
            QCOMPARE(c.logBytes(), bytes);
        }
    }

    void lateReplies_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("timedOut");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<int>("late"); // late replies taken out
        QByteArray damaged = kLate;
        damaged[20] = char(damaged[20] ^ 0x01);
        const QByteArray unknownMeters = framed("0310A01A0001") + framed("030302ABCD");
        QTest::newRow("a late reply, then the reply")
            << kLate + kReply << false << Verdict::Reply << 1;
        QTest::newRow("another meter's late reply, then the reply")
            << kLateOfMeter2 + kReply << false << Verdict::Reply << 1;
        QTest::newRow("anything of a meter not yet known, then the reply")
            << unknownMeters + kReply << false << Verdict::Reply << 2;
        // Longer than the reply, yet no reply's worth of bytes that hold none.
        QTest::newRow("a late reply alone") << kLate << false << Verdict::Wait << 1;
        QTest::newRow("a late reply at the time-out") << kLate << true << Verdict::Silent << 1;
        QTest::newRow("two late replies, then noise")
            << kLate + kLate + QByteArray::fromHex("55AA") << true << Verdict::Silent << 2;
        QTest::newRow("a late reply cut short") << kLate.left(40) << true << Verdict::Silent << 0;
        QTest::newRow("a damaged late reply") << damaged << true << Verdict::BadFrame << 0;
    }

    // A whole, good frame in the shape of a request given up before is taken out wherever it
    // lies and counts for nothing, also not in the log.
    void lateReplies() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, timedOut);
        QFETCH(Verdict, verdict);
        QFETCH(int, late);
        for (int split = 0; split <= bytes.size(); ++split) {
            ReplyCollector c;
            c.start(BuildReadFrame(1, 30001, 2), owedOnTheBus());
            c.add(bytes.left(split));
            c.add(bytes.mid(split));
            QCOMPARE(c.evaluate(timedOut).verdict, verdict);
            const QList<QByteArray> taken = c.takeLateReplies();
            QCOMPARE(taken.size(), late);
            for (const QByteArray& frame : taken)
                QVERIFY(frame == kLate || frame == kLateOfMeter2 || SlaveOfFrame(frame) == 3);
            if (late > 0 && verdict == Verdict::Reply)
                QCOMPARE(c.logBytes(), kReply);
        }
    }

    void echo_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("timedOut");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<QByteArray>("frame");

        const QByteArray read = BuildReadFrame(1, 30001, 2);
        const QByteArray write = BuildWriteFrame(1, 40101, {0x4142, 0x4344, 0x4546});
        const QByteArray written = framed("01109CA50003");
        const QByteArray refused = framed("019004");
        const QByteArray noise = QByteArray::fromHex("55AA55");
        const auto row = [](const char* name, const QByteArray& request, const QByteArray& bytes,
                            bool timedOut, Verdict verdict, const QByteArray& frame = {}) {
            QTest::newRow(name) << request << bytes << timedOut << verdict << frame;
        };
        row("a read's echo, then the reply", read, read + kReply, false, Verdict::Reply, kReply);
        row("a write's echo, then the reply", write, write + written, false, Verdict::Reply,
            written);
        row("noise, the echo, the refusal", write, noise + write + refused, false,
            Verdict::Exception, refused);
        row("the echo with the zero byte after it", write, write + '\0' + written, false,
            Verdict::Reply, written);
        row("a write's reply without an echo", write, written, false, Verdict::Reply, written);
        row("the echo alone", write, write, false, Verdict::Wait);
        row("the echo alone at the time-out", write, write, true, Verdict::Silent);
        row("half the echo at the time-out", write, write.left(9), true, Verdict::Silent);
        row("the echo twice is no reply", write, write + write, true, Verdict::BadFrame);
        // A reply whose bytes begin the request's is no echo once nothing more of it follows.
        row("a reply like the request's beginning", kLookalikeWrite, kLookalikeReply, false,
            Verdict::Wait);
        row("a reply like the request's beginning, at the time-out", kLookalikeWrite,
            kLookalikeReply, true, Verdict::Reply, kLookalikeReply);
        row("a reply like the request's beginning, then noise", kLookalikeWrite,
            kLookalikeReply + noise, false, Verdict::Reply, kLookalikeReply);
        row("the echo of that request, then its reply", kLookalikeWrite,
            kLookalikeWrite + kLookalikeReply, false, Verdict::Reply, kLookalikeReply);
    }

    // An echoing converter sends the request back in front of the reply: passed over, and never
    // a reply taken from it, nor a reply passed over for it.
    void echo() {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, timedOut);
        QFETCH(Verdict, verdict);
        QFETCH(QByteArray, frame);
        for (int split = 0; split <= bytes.size(); ++split) {
            ReplyCollector c;
            c.start(request);
            c.add(bytes.left(split));
            c.add(bytes.mid(split));
            const ReplyCollector::Outcome out = c.evaluate(timedOut);
            QCOMPARE(out.verdict, verdict);
            QCOMPARE(out.frame, frame);
            if (verdict == Verdict::Wait)
                QVERIFY(out.missing > 0);
        }
    }

    // A flood of random bytes: never more than a reply's worth held, the log never longer
    // than a reply, and the reply still found when it comes.
    void floodStaysBounded() {
        ReplyCollector c;
        c.start(BuildReadFrame(1, 30001, 47));
        QRandomGenerator random(42);
        QByteArray chunk(4096, Qt::Uninitialized);
        int worst = 0;
        for (int i = 0; i < 256; ++i) { // 1 MiB
            for (char& b : chunk)
                b = char(random.generate() & 0xFF);
            c.add(chunk);
            worst = std::max(worst, c.heldBytes());
            QVERIFY(c.evaluate(false).verdict != Verdict::Reply);
        }
        QVERIFY2(worst < 99, qPrintable(QString::number(worst)));
        QCOMPARE(c.logBytes().size(), ReplyCollector::LogLimit);
        QCOMPARE(c.received(), 1 << 20);

        const QByteArray reply =
            CrcAppend(QByteArray::fromHex("01035E") + QByteArray(94 + 2, '\0'));
        c.add(reply);
        QCOMPARE(c.evaluate(false).verdict, Verdict::Reply);
    }
};

QTEST_GUILESS_MAIN(TestReplyCollector)
#include "tst_replycollector.moc"
