#include "dataview/SyntheticDataFile.h"
#include "logging/DataTime.h"
#include "support/SimProcess.h"
#include "support/TestFiles.h"
#include "viewer/ChannelTable.h"
#include "viewer/GraphViewerWindow.h"
#include "viewer/TracePlot.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {
const qint64 kDay = DataTime::parse(QStringLiteral("2024-03-04")).value_or(0);
} // namespace

// The graph viewer as a user works it: open, find an alarm, zoom, read the cursor, export CSV
// and PNG; mouse and keys; a growing file; files that are not what they seem.
class TestGraphViewer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        // Two days, a record every 10 s, each silent for a quarter of an hour; the first day's
        // afternoon alarm is channel 1's.
        for (int day = 0; day < 2; ++day) {
            const QString name = QStringLiteral("PLANT_03_2024030%1.TDD").arg(4 + day);
            QVERIFY(SyntheticDataFile::plantDay(kDay + day * 86400, 12 * (day + 1), 10)
                        .write(m_dir.filePath(name)));
            m_days << m_dir.filePath(name);
        }
    }

    void findAnAlarmAndExportItsHour() {
        GraphViewerWindow w;
        w.resize(1200, 700);
        w.show();
        QVERIFY(w.openFiles({m_days[1], m_days[0]}));
        QVERIFY2(w.messageText().isEmpty(), qPrintable(w.messageText()));
        QCOMPARE(int(w.timeLine().files().size()), 2);
        QVERIFY(w.plot()->viewTo() - w.plot()->viewFrom() > 2 * 86400);

        QVERIFY(w.goToAlarm(true));
        const double from = w.plot()->viewFrom(), to = w.plot()->viewTo();
        QCOMPARE(to - from, 3600.0);
        const double alarm = *w.plot()->cursorTime();
        QCOMPARE(alarm, (from + to) / 2);
        // The cursor reads the alarm in the alarmed channel's row.
        const int row = 0; // channel 1, the first day's rising channel
        QCOMPARE(w.channelTable()->item(row, ChannelTable::Alarms)->text(), QStringLiteral("AL1"));
        QVERIFY(w.channelTable()->item(row, ChannelTable::Value)->text().endsWith(u"°C"));

        // Channel 2 switched off: the CSV has the hour and the shown channels only.
        w.channelTable()->item(1, ChannelTable::Shown)->setCheckState(Qt::Unchecked);
        QVERIFY(!(w.plot()->settings().shownMask() & 2));
        const QString csv = m_dir.filePath(QStringLiteral("hour.csv"));
        QString error;
        QVERIFY2(w.exportShownCsv(csv, &error), qPrintable(error));
        const QList<QByteArray> lines = ReadBytes(csv).trimmed().split('\n');
        // With a byte-order mark, unless switched off: spreadsheets read the degree sign.
        QVERIFY(lines[0].startsWith("\xEF\xBB\xBFTime,CH1 TEMP-1 (\xC2\xB0"
                                    "C),CH3 TEMP-3"));
        QCOMPARE(lines.size(), 1 + 361); // one record every 10 s, both ends included
        for (const QByteArray& line : lines.mid(1)) {
            const qint64 t = DataTime::parse(QString::fromLatin1(line.left(19))).value_or(0);
            QVERIFY(t >= qint64(std::floor(from)) && t <= qint64(std::ceil(to)));
        }

        w.setCsvByteOrderMark(false);
        QVERIFY2(w.exportShownCsv(csv, &error), qPrintable(error));
        QVERIFY(ReadBytes(csv).startsWith("Time,CH1"));

        const QString png = m_dir.filePath(QStringLiteral("hour.png"));
        QVERIFY2(w.savePicture(png, &error), qPrintable(error));
        const QImage picture(png);
        QVERIFY(picture.width() >= 1200 && picture.height() >= 700);
        // A full disk or a missing folder: said, nothing half written.
        QVERIFY(!w.exportShownCsv(m_dir.filePath(QStringLiteral("no/such/folder.csv")), &error));
        QVERIFY(!error.isEmpty());
    }

    void mouseAndKeysMoveTheView_data() {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<double>("span");  // the span after, as a share of the span before
        QTest::addColumn<double>("moved"); // how far the middle moved, in spans before
        QTest::newRow("wheel forward zooms in") << "wheel+" << 0.8 << 0.0;
        QTest::newRow("wheel back zooms out") << "wheel-" << 1.25 << 0.0;
        QTest::newRow("shift and wheel pan") << "shift-wheel+" << 1.0 << -0.1;
        QTest::newRow("a drag pans") << "drag" << 1.0 << -0.25;
        QTest::newRow("right drag marks a span") << "band" << 0.25 << 0.125;
        QTest::newRow("arrow right") << "Right" << 1.0 << 0.1;
        QTest::newRow("page up") << "PageUp" << 1.0 << -0.9;
        QTest::newRow("minus") << "Minus" << 2.0 << 0.0;
        QTest::newRow("double click") << "double" << 0.5 << 0.0;
    }

    void mouseAndKeysMoveTheView() {
        QFETCH(QString, gesture);
        QFETCH(double, span);
        QFETCH(double, moved);
        GraphViewerWindow w;
        w.resize(1200, 700);
        w.show();
        QVERIFY(w.openFiles(m_days));
        TracePlot* plot = w.plot();
        // A view well inside the data, so that nothing is held at the ends.
        plot->setView(double(kDay + 40000), double(kDay + 50000));
        const double before = plot->viewTo() - plot->viewFrom();
        const double middle = (plot->viewFrom() + plot->viewTo()) / 2;
        const QRect traces = plot->plotLayout().traces;
        const QPoint centre(traces.left() + traces.width() / 2, traces.center().y());
        const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
            QWheelEvent e(QPointF(centre), plot->mapToGlobal(QPointF(centre)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(plot, &e);
        };
        if (gesture == u"wheel+")
            wheel(120, Qt::NoModifier);
        else if (gesture == u"wheel-")
            wheel(-120, Qt::NoModifier);
        else if (gesture == u"shift-wheel+")
            wheel(120, Qt::ShiftModifier);
        else if (gesture == u"drag" || gesture == u"band") {
            // A quarter of the width to the right.
            const Qt::MouseButton button = gesture == u"drag" ? Qt::LeftButton : Qt::RightButton;
            const QPoint end = centre + QPoint(traces.width() / 4, 0);
            QTest::mousePress(plot, button, Qt::NoModifier, centre);
            QMouseEvent move(QEvent::MouseMove, QPointF(end), plot->mapToGlobal(QPointF(end)),
                             Qt::NoButton, button, Qt::NoModifier);
            QApplication::sendEvent(plot, &move);
            QTest::mouseRelease(plot, button, Qt::NoModifier, end);
        } else if (gesture == u"double") {
            QTest::mouseDClick(plot, Qt::LeftButton, Qt::NoModifier, centre);
        } else {
            const Qt::Key key = gesture == u"Right"    ? Qt::Key_Right
                                : gesture == u"PageUp" ? Qt::Key_PageUp
                                                       : Qt::Key_Minus;
            QTest::keyClick(plot, key);
        }
        const double after = plot->viewTo() - plot->viewFrom();
        QVERIFY2(std::abs(after / before - span) < 0.01,
                 qPrintable(QString::number(after / before)));
        const double shift = ((plot->viewFrom() + plot->viewTo()) / 2 - middle) / before;
        QVERIFY2(std::abs(shift - moved) < 0.01, qPrintable(QString::number(shift)));
    }

    void followsAGrowingFile() {
        const qint64 start = kDay + 5 * 86400;
        SyntheticDataFile f;
        f.start = start;
        f.interval = 10;
        f.saves = 360;
        const QString path = m_dir.filePath(QStringLiteral("LIVE_07_20240309.TDD"));
        QVERIFY(f.write(path));
        GraphViewerWindow w;
        w.resize(1000, 600);
        w.show();
        QVERIFY(w.openFiles({path}));
        w.setFollowing(true);
        QVERIFY(w.isFollowing());
        QFile grow(path);
        QVERIFY(grow.open(QIODevice::Append));
        grow.write(f.records(360, 720));
        grow.close();
        w.followOnce();
        QCOMPARE(w.timeLine().recordCount(), qint64(720));
        QCOMPARE(w.timeLine().lastTime(), start + 7190);
        // The view ran along with the newest record.
        QVERIFY(w.plot()->viewTo() >= double(start + 7190));
        QVERIFY(w.plot()->viewFrom() < double(start + 7190));
        w.setFollowing(false);
        QVERIFY(!w.isFollowing());
    }

    void filesThatAreNotWhatTheySeem_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("said");
        const QByteArray day = ReadBytes(m_days[0]);
        QTest::newRow("empty") << QByteArray() << false << "header is cut short";
        QByteArray foreign = day.left(512 + 64 * 50);
        foreign[16] = 7; // model 70: not one the program knows
        QTest::newRow("another model") << foreign << true << "unknown model code 70";
    }

    void filesThatAreNotWhatTheySeem() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, shown);
        QFETCH(QString, said);
        GraphViewerWindow w;
        w.show();
        const QString path = WriteBytes(m_dir.filePath(QStringLiteral("odd.TDD")), bytes);
        QCOMPARE(w.openFiles({path}) && w.timeLine().hasRecords(), shown);
        QVERIFY2(w.messageText().contains(said), qPrintable(w.messageText()));
        w.plot()->grab(); // draws without trouble, with data or without
    }

    void fileCutShortWhileShownIsReadAgain() {
        const QString path = m_dir.filePath(QStringLiteral("CUT_02.TDD"));
        QVERIFY(QFile::copy(m_days[0], path));
        GraphViewerWindow w;
        w.resize(900, 600);
        w.show();
        QVERIFY(w.openFiles({path}));
        // Another program cuts the file to a tenth while the viewer maps it: drawing must not
        // touch the records that went.
        QVERIFY(QFile::resize(path, 512 + 64 * 800));
        w.plot()->setCursorTime(double(kDay + 43200));
        w.plot()->grab();
        QCOMPARE(w.timeLine().recordCount(), qint64(800));
        QVERIFY(QFile::resize(path, 0));
        w.plot()->grab();
        QCOMPARE(w.timeLine().recordCount(), qint64(0));
    }

    // The program's report of the files given on its command line.
    void programReportsTheFilesGiven() {
        QProcess p;
        p.start(BinPath("TD700_File"), QStringList{"--report-view"} + m_days);
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(p.readAllStandardOutput().contains(
            QStringLiteral("files: 2\nrecords: %1\n").arg(2 * (8640 - 90)).toUtf8()));
    }

private:
    QTemporaryDir m_dir;
    QStringList m_days;
};

QTEST_MAIN(TestGraphViewer)
#include "tst_graphviewer.moc"
