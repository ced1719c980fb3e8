#include "clock/ClockDrift.h"
#include "clock/ClockFrames.h"
#include "clock/ClockWriter.h"
#include "clock/frmTD_DateReserve.h"
#include "comm/MeterList.h"
#include "comm/RequestCodes.h"
#include "sim/SimBus.h"
#include "sim/SimMeter.h"
#include "support/EngineHarness.h"
#include "support/ModalRecorder.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace RequestCode;

Q_DECLARE_METATYPE(ClockField)

namespace {

// The window over the engine on the simulated bus; meter 1 (twelve channels) is selected.
// The bus stands still, so what is read back is exactly what was written.
struct Fixture {
    EngineHarness h;
    ClockWriter writer{h.engine};
    ClockDrift drift{h.engine, h.clock};
    std::unique_ptr<frmTD_DateReserve> w;
    ModalRecorder modals; // a correction's message is answered and noted

    explicit Fixture(bool frozen = true) { h.bus().setFrozen(frozen); }
    void open() {
        w = std::make_unique<frmTD_DateReserve>(h.engine, h.clock, writer, drift);
        w->show();
    }
    bool run(const std::function<bool()>& done, qint64 maxMs = 60000) {
        const qint64 end = h.clock.nowMs() + maxMs;
        while (!done() && h.clock.nowMs() < end) {
            h.clock.advance(10);
            QApplication::processEvents();
        }
        return done();
    }
    bool refreshed() {
        return run([this] { return !w->tmrRefresh().isEnabled() && !w->tmrPRefesh().isEnabled(); });
    }
    // The window opened and its first reads done; ready: the same once the bus has settled.
    bool opened() {
        open();
        return refreshed();
    }
    bool ready() { return h.openAndSettle() && opened(); }
    QStringList texts(const std::array<QLineEdit*, ClockFieldCount>& fields) const {
        QStringList out;
        for (QLineEdit* e : fields)
            out << e->text();
        return out;
    }
    QByteArray lastClockFrame() const {
        for (qsizetype i = h.sent.size() - 1; i >= 0; --i)
            if (h.sent[i].code == RC_SEND_CLOCK_FRAME)
                return h.sent[i].frame;
        return {};
    }
    // Types into a field as a user does (the field becomes the user's).
    void type(QLineEdit* edit, const QString& typed) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
    }
    void commit(QLineEdit* edit, const QString& typed) {
        type(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);
    }
};

const QStringList kDefaultReserve{"2026", "06", "01", "08", "00", "00"};

} // namespace

class TestDateReserve : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Opened while another read of the settings is under way, the window waits for the whole
    // of it, also when a block has to be asked for again and again.
    void fieldsFillOnlyFromAWholeSettingsRead() {
        Fixture f;
        QVERIFY(f.h.openAndSettle());
        QVERIFY(f.h.state().gSettingsRead); // left from the scan's read
        f.h.bus().meter(1)->setReg(40018, 1);
        QVERIFY(f.h.addFaults(QStringLiteral("noreply,meter=1,reg=40501,times=3")));
        f.h.engine.selectMeter(1);
        f.open();
        QVERIFY(f.run(
            [&] { return f.h.engine.settingsState() == CommEngine::SettingsState::Incomplete; }));
        QCOMPARE(f.texts(f.w->txtRSV), QStringList(6, QString()));
        QVERIFY(!f.w->isHighlighted(0) && !f.w->isHighlighted(1));
        QVERIFY(f.w->lblState->text().contains(QStringLiteral("not all read")));

        QVERIFY(f.refreshed());
        QCOMPARE(f.texts(f.w->txtRSV), kDefaultReserve);
        // The clock fields run on from the read (to the minute here: the seconds move on).
        QCOMPARE(f.texts(f.w->txtSYS).mid(0, 5), (QStringList{"2026", "01", "01", "00", "00"}));
        QVERIFY(f.w->isHighlighted(0));
        QVERIFY(!f.h.state().gSettingsRead);
        QVERIFY(f.w->lblState->text().startsWith(QStringLiteral("Meter 1, as read at")));
    }

    // The field's limits against the year and month beside it, each correction said.
    void committedReserveEdit_data() {
        QTest::addColumn<ClockField>("field");
        QTest::addColumn<QString>("year");  // in the year field beside it, not committed
        QTest::addColumn<QString>("month"); // likewise
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("written");
        QTest::addColumn<QString>("said");
        // The day is limited by the year and month beside it; a value in range is said nothing.
        QTest::newRow("29 February 2100")
            << ClockField::Day << QString("2100") << QString("02") << QString("29") << QString("28")
            << 28 << QString("DAY takes 1 to 28: 29 becomes 28.");
        QTest::newRow("second in range") << ClockField::Second << QString("2026") << QString("06")
                                         << QString("7") << QString("07") << 7 << QString();
    }

    void committedReserveEdit() {
        QFETCH(ClockField, field);
        QFETCH(QString, typed);
        QFETCH(int, written);
        Fixture f;
        QVERIFY(f.ready());
        QFETCH(QString, year);
        QFETCH(QString, month);
        f.w->txtRSV[size_t(ClockField::Year)]->setText(year);
        f.w->txtRSV[size_t(ClockField::Month)]->setText(month);
        const int before = int(f.h.sent.size());
        QLineEdit* edit = f.w->txtRSV[size_t(field)];
        f.commit(edit, typed);
        QTEST(edit->text(), "shown");
        QFETCH(QString, said);
        QCOMPARE(f.modals.texts, said.isEmpty() ? QStringList() : QStringList{said});
        // A second Enter on the field as it stands writes nothing more.
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(f.refreshed());
        QCOMPARE(f.lastClockFrame(), ReserveFieldFrame(1, field, written));
        int writes = 0;
        for (qsizetype i = before; i < f.h.sent.size(); ++i)
            writes += f.h.sent[i].code == RC_SEND_CLOCK_FRAME ? 1 : 0;
        QCOMPARE(writes, 1);
        // Afterwards the field shows what the meter holds.
        QCOMPARE(int(f.h.bus().meter(1)->reg(40019 + int(field))), written);
        QCOMPARE(edit->text(), ClockFieldText(field, written));
    }

    void switchAndSetWriteTheirFrames() {
        Fixture f;
        QVERIFY(f.ready());
        QVERIFY(f.w->isHighlighted(1));
        QTest::mouseClick(f.w->btnRSV[0], Qt::LeftButton);
        QVERIFY(f.refreshed());
        QCOMPARE(f.lastClockFrame().toHex(' ').toUpper(), "01 10 9C 52 00 01 02 00 01 36 2B");
        QVERIFY(f.w->isHighlighted(0) && !f.w->isHighlighted(1));

        const QStringList clock{"2024", "2", "29", "13", "5", "9"};
        for (int i = 0; i < ClockFieldCount; ++i)
            f.type(f.w->txtSYS[size_t(i)], clock[i]);
        QTest::mouseClick(f.w->btnSYS_DTSet, Qt::LeftButton);
        QVERIFY(f.refreshed());
        QCOMPARE(f.lastClockFrame().toHex(' ').toUpper(),
                 "01 10 9C 59 00 06 0C 07 E8 00 02 00 1D 00 0D 00 05 00 09 F8 5C");
        QCOMPARE(f.texts(f.w->txtSYS).mid(0, 5), (QStringList{"2024", "02", "29", "13", "05"}));
        QCOMPARE(f.h.bus().meter(1)->deviceClock(), QDateTime(QDate(2024, 2, 29), QTime(13, 5, 9)));
    }

    // The clock fields run on after the read and SET writes them as shown at the click: changing
    // only the day does not turn a meter that is on time back by the age of the read.
    void clockFieldsRunWithTheMetersClock_data() {
        QTest::addColumn<int>("ageMs"); // from the read to the user's edit
        QTest::addColumn<bool>("editDay");
        for (int age : {0, 30000, 150000}) {
            QTest::addRow("day retyped after %d s", age / 1000) << age << true;
            QTest::addRow("nothing changed after %d s", age / 1000) << age << false;
        }
    }

    void clockFieldsRunWithTheMetersClock() {
        QFETCH(int, ageMs);
        QFETCH(bool, editDay);
        Fixture f(false);
        SimMeter* meter = f.h.bus().meter(1);
        meter->setDeviceClock(f.h.clock.currentDateTime()); // on time
        QVERIFY(f.ready());
        f.run([] { return false; }, ageMs);
        const auto shown = [&] {
            ClockParts parts{};
            for (int i = 0; i < ClockFieldCount; ++i)
                parts[size_t(i)] = ClockFieldValue(f.w->txtSYS[size_t(i)]->text());
            return DateTimeOfParts(parts);
        };
        QVERIFY(qAbs(shown().secsTo(meter->deviceClock())) <= 1);
        if (editDay)
            f.type(f.w->txtSYS[size_t(ClockField::Day)],
                   f.w->txtSYS[size_t(ClockField::Day)]->text());
        f.run([] { return false; }, 4000); // the user takes a moment to click
        QTest::mouseClick(f.w->btnSYS_DTSet, Qt::LeftButton);
        QVERIFY(f.refreshed());
        const qint64 offMs = f.h.clock.currentDateTime().msecsTo(meter->deviceClock());
        QVERIFY2(qAbs(offMs) <= 1000,
                 qPrintable(QStringLiteral("the meter is %1 ms off").arg(offMs)));
    }

    void fieldsFollowThePcClockWhenChecked() {
        Fixture f;
        QVERIFY(f.ready());
        const auto pcParts = [&] {
            QStringList p;
            const ClockParts parts = ClockPartsOf(f.h.clock.currentDateTime());
            for (int i = 0; i < ClockFieldCount; ++i)
                p << ClockFieldText(ClockField(i), parts[size_t(i)]);
            return p;
        };
        f.w->chbSameDT->setChecked(true);
        QCOMPARE(f.texts(f.w->txtSYS), pcParts());
        for (int second = 0; second < 3; ++second) {
            const QStringList before = f.texts(f.w->txtSYS);
            f.run([] { return false; }, 1000);
            QVERIFY(f.texts(f.w->txtSYS) != before);
            QCOMPARE(f.w->lblDateTime->text(),
                     f.h.clock.currentDateTime().toString("yyyy-MM-dd HH:mm:ss"));
        }
        // "SET" writes the PC's time of the click, to the nearest second.
        f.h.clock.setDateTime(QDateTime(QDate(2026, 1, 1), QTime(12, 0, 0, 700)));
        const QDateTime clicked(QDate(2026, 1, 1), QTime(12, 0, 1));
        QTest::mouseClick(f.w->btnSYS_DTSet, Qt::LeftButton);
        QVERIFY(f.refreshed());
        QCOMPARE(f.lastClockFrame(), ClockSetFrame(1, ClockPartsOf(clicked)));
        QCOMPARE(f.h.bus().meter(1)->deviceClock().toString("yyyy-MM-dd HH:mm:ss"),
                 clicked.toString("yyyy-MM-dd HH:mm:ss"));
    }

    void closingResumesMonitoringWithoutLosingAWrite_data() {
        QTest::addColumn<bool>("writeFirst");
        QTest::newRow("nothing written") << false;
        QTest::newRow("a write on its way") << true;
    }

    void closingResumesMonitoringWithoutLosingAWrite() {
        QFETCH(bool, writeFirst);
        Fixture f;
        QVERIFY(f.ready());
        if (writeFirst)
            QTest::mouseClick(f.w->btnRSV[0], Qt::LeftButton);
        QTest::mouseClick(f.w->btnClose, Qt::LeftButton);
        QVERIFY(!f.w->isVisible());
        QCOMPARE(f.h.state().gNextCommand, writeFirst ? RC_SEND_CLOCK_FRAME : RC_POLL_STATUS);
        f.w.reset();
        const int from = int(f.h.sent.size());
        QVERIFY(f.h.runUntil([&] { return f.h.firstOf(RC_POLL_VALUES, from) >= 0; }));
        QCOMPARE(int(f.h.bus().meter(1)->reg(40018)), writeFirst ? 1 : 0);
        QVERIFY(f.h.engine.settingsComplete());
    }

    // Meter 1 falls silent during a write: write and read are given up, the window names the
    // meter and the failure, and Cancel or closing hands the line back to monitoring (which
    // would otherwise wait for meter 1 for ever).
    void aSilentMeterIsNamedAndLetGo_data() {
        QTest::addColumn<bool>("closeWindow");
        QTest::newRow("Cancel") << false;
        QTest::newRow("closing the window") << true;
    }

    void aSilentMeterIsNamedAndLetGo() {
        QFETCH(bool, closeWindow);
        Fixture f;
        QVERIFY(f.ready());
        QVERIFY(!f.w->btnCancel->isEnabled());
        QVERIFY(f.h.addFaults(QStringLiteral("noreply,meter=1")));
        f.w->btnRSV_Click(0);
        QVERIFY(f.w->btnCancel->isEnabled());
        QVERIFY(f.run([&] { return f.h.engine.lastGivenUp().code == RC_READ_COMMON; }, 15000));
        QVERIFY2(f.w->lblState->text().contains(
                     QStringLiteral("not all read: it does not answer (3 time-outs in a row on "
                                    "its settings)")),
                 qPrintable(f.w->lblState->text()));
        QVERIFY(f.w->btnCancel->isEnabled());
        if (closeWindow) {
            QTest::mouseClick(f.w->btnClose, Qt::LeftButton);
            f.w.reset();
        } else {
            QTest::mouseClick(f.w->btnCancel, Qt::LeftButton);
            QVERIFY(!f.w->btnCancel->isEnabled());
        }
        QVERIFY(!f.writer.isBusy());
        const int from = int(f.h.sent.size());
        QVERIFY(f.run(
            [&] {
                for (int i = from; i < f.h.sent.size(); ++i)
                    if (f.h.sent[i].code == RC_POLL_VALUES && f.h.sent[i].slave == 2)
                        return true;
                return false;
            },
            15000));
        if (!closeWindow)
            QVERIFY(f.w->lblState->text().startsWith(QStringLiteral("Cancelled")));
    }

    void aRefusedWriteIsNamedWithItsException() {
        Fixture f;
        QVERIFY(f.ready());
        QVERIFY(f.h.addFaults(QStringLiteral("exception:4,meter=1,fn=16")));
        f.w->btnRSV_Click(0);
        QVERIFY(f.run([&] { return !f.writer.isBusy(); }));
        QVERIFY(f.refreshed());
        QVERIFY2(f.w->lblState->text().startsWith(
                     QStringLiteral("Meter 1 refused the clock write (exception 4: slave device "
                                    "failure): the fields show what it holds")),
                 qPrintable(f.w->lblState->text()));
        QVERIFY(f.w->isHighlighted(1)); // still OFF, as the meter holds it
    }

    // The reserved start fires while the window is open: the meter switches it off, and the
    // window reads the settings again once the meter's clock is past it, not at its reopening.
    void aReserveThatFiredShowsOff() {
        Fixture f(false);
        SimMeter* meter = f.h.bus().meter(1);
        QVERIFY(f.h.openAndSettle());
        const ClockParts due = ClockPartsOf(meter->deviceClock().addSecs(20));
        for (int i = 0; i < ClockFieldCount; ++i)
            meter->setReg(40019 + i, quint16(due[size_t(i)]));
        QVERIFY(f.opened());
        f.w->btnRSV_Click(0);
        QVERIFY(f.refreshed());
        QVERIFY(f.w->isHighlighted(0));
        QVERIFY(f.run([&] { return f.w->isHighlighted(1); }, 40000));
        QCOMPARE(int(meter->reg(40018)), 0);
    }

    void aSecondOpeningReadsTheSettingsAfresh() {
        Fixture f;
        QVERIFY(f.ready());
        QTest::mouseClick(f.w->btnClose, Qt::LeftButton);
        f.w.reset();
        f.h.bus().meter(1)->setReg(40019, 2031); // set on the meter's own keys meanwhile
        const int from = int(f.h.sent.size());
        QVERIFY(f.opened());
        QCOMPARE(f.h.trace(from, 13), EngineHarness::expand("100-112@1"));
        QCOMPARE(f.w->txtRSV[0]->text(), QStringLiteral("2031"));
    }

    // The window stays on its own meter, whatever is selected (or open) later; once its meter
    // has left the list it says so and writes nothing.
    void staysOnItsMeter() {
        Fixture f;
        QVERIFY(f.ready());
        const std::unique_ptr<frmTD_DateReserve> first = std::move(f.w);
        f.h.bus().meter(2)->setReg(40019, 2029);
        f.h.engine.selectMeter(2);
        QVERIFY(f.opened());
        QCOMPARE(f.w->txtRSV[0]->text(), QStringLiteral("2029"));
        QVERIFY(first->windowTitle().endsWith(QStringLiteral("Meter 1")));
        QVERIFY(f.w->windowTitle().endsWith(QStringLiteral("Meter 2")));

        f.h.bus().meter(1)->setReg(40020, 11); // its month, set on the meter's keys
        first->btnRSV_Click(0);
        const auto firstRefreshed = [&] {
            return f.run([&] {
                return !first->tmrRefresh().isEnabled() && !first->tmrPRefesh().isEnabled();
            });
        };
        QVERIFY(firstRefreshed());
        QCOMPARE(int(f.h.bus().meter(1)->reg(40018)), 1);
        QCOMPARE(int(f.h.bus().meter(2)->reg(40018)), 0);
        QVERIFY(first->isHighlighted(0));
        QCOMPARE(first->txtRSV[1]->text(), QStringLiteral("11"));
        QVERIFY(f.w->isHighlighted(1));
        QCOMPARE(f.h.state().gSelAddress, 2);

        f.h.engine.closePort();
        BuildMeterTables({QString(), QStringLiteral("O"), QStringLiteral("O")}, f.h.state(),
                         f.h.tables());
        QVERIFY(f.run([&] { return first->lblState->text().contains("no longer in the meter"); },
                      3000));
        QVERIFY(!first->btnRSV[0]->isEnabled() && !first->btnSYS_DTSet->isEnabled());
    }

    void portLostWhileOpen() {
        Fixture f;
        QVERIFY(f.ready());
        f.h.link.simulateLinkLoss(QStringLiteral("the adapter was unplugged"));
        QVERIFY(f.w->lblState->text().contains(QStringLiteral("port is closed")));
        QVERIFY(!f.w->btnRSV[0]->isEnabled() && !f.w->btnSYS_DTSet->isEnabled());
        QVERIFY(f.w->txtRSV[3]->isReadOnly());
        // A write asked for all the same is refused, said, and nothing is sent.
        const int before = int(f.h.sent.size());
        f.w->btnRSV_Click(0);
        QCOMPARE(int(f.h.sent.size()), before);
        QVERIFY(f.w->lblState->text().contains(QStringLiteral("Nothing was written")));
        QTest::mouseClick(f.w->btnClose, Qt::LeftButton);
        QCOMPARE(f.h.state().gNextCommand, 0);
    }
};

QTEST_MAIN(TestDateReserve)
#include "tst_datereserve.moc"
