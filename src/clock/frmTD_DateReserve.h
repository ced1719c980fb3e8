#pragma once

#include "clock/ClockFields.h"
#include "clock/MeterClock.h"
#include "comm/RequestFailures.h"
#include "core/EngineTimer.h"

#include <QDateTime>
#include <QDialog>
#include <array>
#include <optional>

class Clock;
class ClockDrift;
class ClockWriter;
class CommEngine;
class LanguageFollower;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "DATE/TIME RESERVE SETUP": a meter's clock and its reserved start (a date and time at which
// the recorder starts recording by itself, switched on or off). The window stays on the meter
// selected when it opened, whichever meter is selected later, and several may be open for
// different meters; once its meter leaves the meter list it says so and writes nothing.
//
// The fields show the meter's settings as last read: while it is the selected meter, only
// once the whole settings read has finished (tmrRefresh waits for it, so half-read settings
// never pass for the meter's); else from a read of its clock block alone.
// "ON" / "OFF" and every committed edit of a reserve field (Enter, or leaving an edited
// field) write to the meter at once. The clock fields run on with the meter's clock (known
// from the last read and every poll) but for those the user has changed; "SET" writes the six
// fields as they show at the click, or with "Same as PC" checked the PC's time to the second. Each
// write is followed by a settings read, after which the fields show what the meter now holds.
// A meter that does not answer or refuses is named with how it failed; "Cancel" drops the
// writes still waiting and stops a settings read that waits for a silent meter. Closing returns
// the engine to monitoring.
class frmTD_DateReserve : public QDialog {
    Q_OBJECT
public:
    // `writer` sends the writes (it outlives the window, so that a write still waiting when
    // the window closes is sent all the same); `drift` gives the meter's clock as every poll
    // reads it.
    frmTD_DateReserve(CommEngine& engine, Clock& clock, ClockWriter& writer,
                      const ClockDrift& drift, QWidget* parent = nullptr);
    ~frmTD_DateReserve() override;

    QLabel* lblDateTime = nullptr;
    std::array<QPushButton*, 2> btnRSV{}; // 0 "ON", 1 "OFF"
    std::array<QLineEdit*, ClockFieldCount> txtRSV{};
    std::array<QLineEdit*, ClockFieldCount> txtSYS{};
    QCheckBox* chbSameDT = nullptr;
    QPushButton* btnSYS_DTSet = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnCancel = nullptr;
    QLabel* lblMeterClock = nullptr; // the meter's clock as the last poll read it
    QLabel* lblState = nullptr;      // what the window waits for, or what the last write did

    EngineTimer& tmrDT() { return m_tmrDT; }
    EngineTimer& tmrRefresh() { return m_tmrRefresh; }
    EngineTimer& tmrPRefesh() { return m_tmrPRefesh; }
    // Moves the clock fields the user has not changed on with the meter's clock.
    EngineTimer& tmrSysRun() { return m_tmrSysRun; }

    // The slave address of the window's meter.
    int address() const { return m_address; }
    // Whether button i carries the green highlight (the meter's reserve switch as read).
    bool isHighlighted(int i) const;

    void btnRSV_Click(int index);
    void btnSYS_DTSet_Click();
    void btnCancel_Click();

protected:
    void done(int result) override;

private:
    void showTitle();
    enum class Group { Reserve, Clock };
    // The window's meter: its index in the meter list (-1 once it has left it), and whether it
    // is the selected meter, whose settings the engine reads whole.
    int meterIndex() const;
    bool isSelected() const;
    // Asks the meter for what it holds now, and shows it once read.
    void readAfresh();

    void buildUi();
    QWidget* buildFieldRow(Group group, std::array<QLineEdit*, ClockFieldCount>& fields);
    void tmrDT_Timer();
    void tmrRefresh_Timer();
    void tmrPRefesh_Timer();
    bool settingsReady() const;
    void fieldCommitted(Group group, ClockField field);
    LimitedField limitField(Group group, ClockField field);
    // Copies the PC's clock, `aheadMs` on, into the clock fields.
    void copyPcClock(int aheadMs = 0);
    void sendWrite(const QByteArray& frame);
    void onWritten(const QByteArray& frame, bool taken);
    void onRequestGivenUp(const FailedRequest& failure);
    void setHighlight(int chosen);
    void updateControls();
    void updateState();
    void updateMeterClock();
    // The fields the user has not changed show the meter's clock at this moment (`aheadMs` on).
    void runClockFields(int aheadMs = 0);
    void unload();

    CommEngine& m_engine;
    const int m_address; // the window's meter
    Clock& m_clock;
    ClockWriter& m_writer;
    const ClockDrift& m_drift;
    EngineTimer m_tmrDT;
    EngineTimer m_tmrRefresh;
    EngineTimer m_tmrPRefesh;
    EngineTimer m_tmrSysRun;
    LanguageFollower* m_texts = nullptr; // the window's texts in the program's language
    MeterClock m_meterClock;
    std::array<bool, ClockFieldCount> m_sysChanged{}; // a clock field the user has typed into
    int m_highlighted = -1;
    QDateTime m_refreshedAt; // PC time of the last refresh from the meter's settings
    QDateTime m_lastWriteAt; // PC time of the last write this window sent
    // The meter's time of the reserved start the fields show as ON; once the meter's clock is
    // past it the settings are read again (the meter switches the reserve off as it starts).
    QDateTime m_reserveDue;
    bool m_lastWriteFailed = false;
    std::optional<FailedRequest> m_writeFailure;     // how the last write that failed failed
    std::optional<FailedRequest> m_readFailure;      // the settings read gave up; it is asked again
    std::optional<FailedRequest> m_clockReadFailure; // the read of the clock block gave up
    bool m_clockRead = false; // a read of the meter's clock block ended since the last refresh
    bool m_inList = true;     // the meter was in the meter list at the last look
    bool m_cancelled = false;
    bool m_unloaded = false;
};
