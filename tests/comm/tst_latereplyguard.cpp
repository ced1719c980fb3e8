#include "comm/LateReplyGuard.h"
#include "comm/ModbusRtu.h"
#include "comm/RequestTable.h"

#include <QTest>

namespace {

using Guard = LateReplyGuard;

const QByteArray kOpening =
    BuildReadFrame(1, Guard::OpeningFenceRegister, Guard::OpeningFenceCount);

// The requests the scenarios send to slave 1, by name; "fenceN" reads N registers as a fence.
QByteArray frameOf(const QString& name) {
    if (name == "opening")
        return kOpening;
    if (name == "values")
        return BuildReadFrame(1, 30001, 47);
    if (name == "ch1")
        return BuildReadFrame(1, 40101, 35);
    if (name == "ch2")
        return BuildReadFrame(1, 40201, 35);
    if (name.startsWith("fence"))
        return BuildReadFrame(1, Guard::FenceRegister, name.mid(5).toInt());
    return {};
}

QByteArray replyTo(const QByteArray& read) {
    const int bytes = 2 * (quint8(read[4]) * 256 + quint8(read[5]));
    return CrcAppend(read.left(2) + char(bytes) + QByteArray(bytes + 2, '\0'));
}

// "send X", "answered", "unanswered", "late X" (a reply of X's shape while another waits).
void play(Guard& guard, const QStringList& steps) {
    guard.open({1});
    for (const QString& step : steps) {
        const QString arg = step.section(' ', 1);
        if (step.startsWith("send"))
            guard.sent(frameOf(arg));
        else if (step == "answered")
            guard.answered();
        else if (step == "unanswered")
            guard.unanswered();
        else if (step.startsWith("late"))
            guard.late(replyTo(frameOf(arg)));
    }
}

const QStringList kKnown{"send opening", "answered"};

} // namespace

class tst_LateReplyGuard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A fence must not be a read that some request makes: its reply could pass for theirs.
    void noRequestReadsLikeAFence() {
        for (int code = 0; code < 1000; ++code)
            for (double version : {1.0, 1.1}) {
                const auto entry = LookupRequest(code, version);
                if (!entry || !entry->isRead())
                    continue;
                const ReplyShape shape = ReplyShapeOf(BuildReadFrame(1, 30001, entry->count));
                QVERIFY2(shape != ReplyShapeOf(kOpening), qPrintable(QString::number(code)));
                for (int count = Guard::FirstFenceCount; count <= Guard::LastFenceCount; ++count)
                    if (Guard::isFence(BuildReadFrame(1, Guard::FenceRegister, count)))
                        QVERIFY2(shape != ReplyShapeOf(frameOf("fence" + QString::number(count))),
                                 qPrintable(QString("request %1, fence %2").arg(code).arg(count)));
            }
    }

    void isFence_data() {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<bool>("fence");
        QTest::newRow("the opening fence") << kOpening << true;
        QTest::newRow("first count") << frameOf("fence1") << true;
        QTest::newRow("last count") << frameOf("fence46") << true;
        QTest::newRow("the probe's count") << frameOf("fence2") << false;
        QTest::newRow("a channel name's count") << frameOf("fence35") << false;
        QTest::newRow("the present values") << frameOf("values") << false;
        QTest::newRow("fence count elsewhere") << BuildReadFrame(1, 40001, 3) << false;
        QTest::newRow("opening count elsewhere") << BuildReadFrame(1, 30001, 48) << false;
        QTest::newRow("a write") << BuildWriteFrame(1, 30001, {1}) << false;
    }
    void isFence() {
        QFETCH(QByteArray, frame);
        QTEST(Guard::isFence(frame), "fence");
    }

    // Which fence goes before `request` after `steps`, and which replies are dropped while its
    // own is awaited.
    void choices_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("fence");
        QTest::addColumn<QStringList>("dropped");
        const QStringList owedCh1 = kKnown + QStringList{"send ch1", "unanswered"};
        QTest::newRow("unknown slave: the opening fence first")
            << QStringList() << "values"
            << "opening" << QStringList{"opening", "ch1", "fence1"};
        QTest::newRow("the opening fence goes as it is")
            << QStringList() << "opening"
            << "" << QStringList{"values", "ch1", "fence1"};
        QTest::newRow("known, a run before may answer its opening fence")
            << kKnown << "values"
            << "" << QStringList{"opening"};
        QTest::newRow("owed of the same shape: a fence") << owedCh1 << "ch2"
                                                         << "fence1" << QStringList{"opening"};
        QTest::newRow("the same request again: no fence") << owedCh1 << "ch1"
                                                          << "" << QStringList{"opening"};
        QTest::newRow("owed of another shape: no fence, dropped")
            << owedCh1 << "values"
            << "" << QStringList{"opening", "ch1"};
        QTest::newRow("a late reply settles what it owed")
            << owedCh1 + QStringList{"send values", "late ch1", "answered"} << "ch2"
            << "" << QStringList();
        QTest::newRow("an owed fence sent after may go again")
            << owedCh1 + QStringList{"send fence1", "unanswered"} << "ch2"
            << "fence1" << QStringList{"opening", "fence1"};
        QTest::newRow("an owed fence sent before: the next count")
            << kKnown + QStringList{"send fence1", "unanswered", "send ch1", "unanswered"} << "ch2"
            << "fence3" << QStringList{"opening", "fence1"};
        QTest::newRow("an answered fence settles what went before")
            << owedCh1 + QStringList{"send fence1", "answered"} << "ch2"
            << "" << QStringList();
    }
    void choices() {
        QFETCH(QStringList, steps);
        QFETCH(QString, request);
        QFETCH(QStringList, dropped);
        Guard guard;
        play(guard, steps);
        QFETCH(QString, fence);
        QCOMPARE(guard.fenceBefore(frameOf(request)), frameOf(fence));
        const LateReplies late = guard.lateWhileAwaiting(frameOf(request));
        QStringList got;
        for (const char* name : {"opening", "values", "ch1", "fence1"})
            if (late.unknown.test(1) || late.owed.contains(ReplyShapeOf(frameOf(name))))
                got << name;
        got.removeAll(request);
        dropped.removeAll(request);
        QCOMPARE(got, dropped);
    }
};

QTEST_GUILESS_MAIN(tst_LateReplyGuard)
#include "tst_latereplyguard.moc"
