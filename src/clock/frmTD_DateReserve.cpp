#include "clock/frmTD_DateReserve.h"

#include "clock/ClockDrift.h"
#include "clock/ClockFrames.h"
#include "clock/ClockWriter.h"
#include "comm/CommEngine.h"
#include "comm/RequestCodes.h"
#include "core/Clock.h"
#include "widgets/LanguageFollower.h"
#include "widgets/MessageBoxes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <utility>

namespace {

constexpr int kDateTimeTickMs = 1000;
constexpr int kRefreshTickMs = 50;
// Often enough that the running clock fields turn with the meter's second.
constexpr int kRunTickMs = 200;

const char* const kFieldCaptions[] = {
    QT_TRANSLATE_NOOP("frmTD_DateReserve", "Year"), QT_TRANSLATE_NOOP("frmTD_DateReserve", "Month"),
    QT_TRANSLATE_NOOP("frmTD_DateReserve", "Day"),  QT_TRANSLATE_NOOP("frmTD_DateReserve", "Hour"),
    QT_TRANSLATE_NOOP("frmTD_DateReserve", "Min"),  QT_TRANSLATE_NOOP("frmTD_DateReserve", "Sec")};
const char* const kFieldNames[] = {"Year", "Month", "Day", "Hour", "Minute", "Second"};
// What stands between two fields: the date's dashes, a space, the time's colons.
const char* const kSeparators[] = {"-", "-", "", ":", ":"};

void repolish(QWidget* w) {
    w->style()->unpolish(w);
    w->style()->polish(w);
}

} // namespace

frmTD_DateReserve::frmTD_DateReserve(CommEngine& engine, Clock& clock, ClockWriter& writer,
                                     const ClockDrift& drift, QWidget* parent)
    : QDialog(parent)
    , m_engine(engine)
    , m_address(engine.state().gSelAddress)
    , m_clock(clock)
    , m_writer(writer)
    , m_drift(drift)
    , m_tmrDT(clock, QStringLiteral("tmrDT"), kDateTimeTickMs, [this] { tmrDT_Timer(); })
    , m_tmrRefresh(clock, QStringLiteral("tmrRefresh"), kRefreshTickMs,
                   [this] { tmrRefresh_Timer(); })
    , m_tmrPRefesh(clock, QStringLiteral("tmrPRefesh"), kRefreshTickMs,
                   [this] { tmrPRefesh_Timer(); })
    , m_tmrSysRun(clock, QStringLiteral("tmrSysRun"), kRunTickMs, [this] { runClockFields(); }) {
    setObjectName(QStringLiteral("frmTD_DateReserve"));
    m_texts = new LanguageFollower(this);
    m_texts->add([this] { showTitle(); });
    buildUi();
    // Another meter selected: a refresh that waits for the whole settings of this window's
    // meter would wait for ever, for the engine now reads the other meter's.
    connect(&engine, &CommEngine::selectedMeterChanged, this, [this] {
        if (m_tmrRefresh.isEnabled() || m_tmrPRefesh.isEnabled())
            readAfresh();
        updateControls();
        updateState();
    });

    connect(&engine, &CommEngine::settingsStateChanged, this, [this](CommEngine::SettingsState st) {
        if (st == CommEngine::SettingsState::Complete)
            m_readFailure.reset();
        updateControls();
        updateState();
    });
    connect(&engine, &CommEngine::requestGivenUp, this, &frmTD_DateReserve::onRequestGivenUp);
    connect(&engine, &CommEngine::phaseChanged, this, [this] {
        updateControls();
        updateState();
    });
    connect(&writer, &ClockWriter::written, this, &frmTD_DateReserve::onWritten);
    connect(&writer, &ClockWriter::finished, this, &frmTD_DateReserve::updateControls);
    connect(&drift, &ClockDrift::changed, this, [this](int meter) {
        if (meter != meterIndex())
            return;
        updateMeterClock();
        // A poll after the last settings read knows the meter's clock better.
        if (const auto r = m_drift.reading(meter); r && r->isValid())
            m_meterClock.takeIfNewer(r->meterTime, r->pcTime);
    });

    // Load: the PC clock runs, and the fields wait for the meter's settings. When they were
    // not read since they were last shown (a second opening) and no read is under way, they
    // are read afresh: the window would wait for ever otherwise, and the meter's own keys may
    // have changed them since.
    tmrDT_Timer();
    m_tmrDT.start();
    m_tmrRefresh.start();
    m_tmrSysRun.start();
    using State = CommEngine::SettingsState;
    const State state = engine.settingsState();
    if (!engine.state().gSettingsRead && state != State::Reading)
        engine.post(RequestCode::RC_READ_COMMON);
    updateControls();
    m_texts->add([this] {
        updateMeterClock();
        updateState();
    });
}

frmTD_DateReserve::~frmTD_DateReserve() {
    unload();
}

// ---- building ---------------------------------------------------------------------------

void frmTD_DateReserve::showTitle() {
    setWindowTitle(tr("DATE/TIME RESERVE SETUP") + QStringLiteral(" - ") +
                   tr("Meter %1").arg(m_address));
}

int frmTD_DateReserve::meterIndex() const {
    return int(m_engine.state().gMeterAddress.indexOf(m_address));
}

bool frmTD_DateReserve::isSelected() const {
    const CommState& s = m_engine.state();
    return s.gSelAddress == m_address && meterIndex() == s.gSelMeter;
}

void frmTD_DateReserve::readAfresh() {
    m_clockReadFailure.reset();
    if (isSelected()) {
        // Its whole settings, which every window of the selected meter reads.
        if (m_engine.settingsState() != CommEngine::SettingsState::Reading)
            m_engine.post(RequestCode::RC_READ_COMMON);
    } else if (meterIndex() >= 0) {
        m_clockRead = false;
        m_writer.write(ClockReadFrame(m_address));
    }
    m_tmrPRefesh.start();
}

void frmTD_DateReserve::buildUi() {
    const int unit = fontMetrics().height();
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(unit * 2 / 3);

    auto* pcBox = new QGroupBox(this);
    auto* pcLayout = new QVBoxLayout(pcBox);
    lblDateTime = new QLabel(pcBox);
    lblDateTime->setObjectName(QStringLiteral("lblDateTime"));
    lblDateTime->setAlignment(Qt::AlignCenter);
    QFont big = lblDateTime->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblDateTime->setFont(big);
    pcLayout->addWidget(lblDateTime);
    layout->addWidget(pcBox);

    auto* reserveBox = new QGroupBox(this);
    auto* reserveLayout = new QVBoxLayout(reserveBox);
    auto* switches = new QHBoxLayout;
    // The recorder's own words for the switch, as its display shows them.
    const char* const switchCaptions[] = {"ON", "OFF"};
    for (int i = 0; i < 2; ++i) {
        auto* b = new QPushButton(QString::fromLatin1(switchCaptions[i]), reserveBox);
        b->setObjectName(QStringLiteral("btnRSV_%1").arg(i));
        b->setMinimumWidth(unit * 4);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, i] { btnRSV_Click(i); });
        btnRSV[size_t(i)] = b;
        switches->addWidget(b);
    }
    auto* hint = new QLabel(reserveBox);
    hint->setObjectName(QStringLiteral("hint"));
    hint->setWordWrap(true);
    switches->addSpacing(unit);
    switches->addWidget(hint, 1);
    reserveLayout->addLayout(switches);
    reserveLayout->addWidget(buildFieldRow(Group::Reserve, txtRSV));
    layout->addWidget(reserveBox);

    auto* clockBox = new QGroupBox(this);
    auto* clockLayout = new QVBoxLayout(clockBox);
    lblMeterClock = new QLabel(clockBox);
    lblMeterClock->setObjectName(QStringLiteral("lblMeterClock"));
    lblMeterClock->setWordWrap(true);
    clockLayout->addWidget(lblMeterClock);
    chbSameDT = new QCheckBox(clockBox);
    chbSameDT->setObjectName(QStringLiteral("chbSameDT"));
    connect(chbSameDT, &QCheckBox::toggled, this, [this](bool same) {
        for (QLineEdit* e : txtSYS)
            e->setReadOnly(same);
        m_sysChanged.fill(false);
        if (same)
            copyPcClock();
        else
            runClockFields();
    });
    clockLayout->addWidget(chbSameDT);
    auto* setRow = new QHBoxLayout;
    setRow->addWidget(buildFieldRow(Group::Clock, txtSYS));
    btnSYS_DTSet = new QPushButton(clockBox);
    btnSYS_DTSet->setObjectName(QStringLiteral("btnSYS_DTSet"));
    btnSYS_DTSet->setMinimumWidth(unit * 4);
    btnSYS_DTSet->setAutoDefault(false);
    connect(btnSYS_DTSet, &QPushButton::clicked, this, &frmTD_DateReserve::btnSYS_DTSet_Click);
    setRow->addWidget(btnSYS_DTSet, 0, Qt::AlignBottom);
    clockLayout->addLayout(setRow);
    auto* runHint = new QLabel(clockBox);
    runHint->setObjectName(QStringLiteral("hint"));
    runHint->setWordWrap(true);
    clockLayout->addWidget(runHint);
    layout->addWidget(clockBox);

    lblState = new QLabel(this);
    lblState->setObjectName(QStringLiteral("lblState"));
    lblState->setWordWrap(true);
    lblState->setMinimumHeight(unit * 2 + 8);
    lblState->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(lblState);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    btnClose = new QPushButton(this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setAutoDefault(false);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    btnCancel = new QPushButton(this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);
    connect(btnCancel, &QPushButton::clicked, this, &frmTD_DateReserve::btnCancel_Click);
    bottom->addWidget(btnCancel);
    bottom->addWidget(btnClose);
    layout->addLayout(bottom);
    // Nothing that writes holds the focus at first: a stray key press changes nothing.
    btnClose->setFocus();
    m_texts->add([=, this] {
        pcBox->setTitle(tr("PC Clock"));
        reserveBox->setTitle(tr("Reserved Start"));
        hint->setText(tr("Each field is written to the meter when you press Enter or "
                         "leave it after a change."));
        clockBox->setTitle(tr("Meter Clock"));
        chbSameDT->setText(tr("Same as PC clock"));
        btnSYS_DTSet->setText(tr("SET"));
        runHint->setText(tr("The fields run with the meter's clock; a field you change "
                            "keeps your value. SET writes the fields as they show. Logging "
                            "and publishing pause while a write goes to the meter (about a "
                            "second); the data files show the gap."));
        btnClose->setText(tr("&Close"));
        btnCancel->setText(tr("Cancel"));
        btnCancel->setToolTip(tr("Drop the writes still waiting and return to monitoring"));
    });

    setStyleSheet(QStringLiteral(
        "QPushButton[chosen=\"true\"] { background: #00ff00; color: black; font-weight: bold; "
        "border: 1px solid #1e8a1e; border-radius: 3px; padding: 4px 10px; }"
        "#lblState { border-radius: 4px; padding: 4px 8px; background: #eef1f5; }"
        "#lblState[tone=\"warn\"] { background: #fff1cc; color: #6b4500; }"
        "#lblState[tone=\"bad\"] { background: #fbe9e7; color: #8c1d18; }"
        "#lblMeterClock[tone=\"warn\"] { color: #8a5a00; font-weight: bold; }"
        "#hint { color: #6b7582; }"));
    setFixedWidth(sizeHint().width() + unit * 4);
}

QWidget* frmTD_DateReserve::buildFieldRow(Group group,
                                          std::array<QLineEdit*, ClockFieldCount>& fields) {
    auto* row = new QWidget(this);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const QString prefix =
        group == Group::Reserve ? QStringLiteral("txtRSV_") : QStringLiteral("txtSYS_");
    int column = 0;
    for (int i = 0; i < ClockFieldCount; ++i) {
        const auto field = ClockField(i);
        auto* caption = new QLabel(row);
        m_texts->add([this, caption, i] { caption->setText(tr(kFieldCaptions[i])); });
        caption->setAlignment(Qt::AlignCenter);
        grid->addWidget(caption, 0, column);
        auto* edit = new QLineEdit(row);
        edit->setObjectName(prefix + QLatin1String(kFieldNames[i]));
        edit->setAlignment(Qt::AlignCenter);
        // A year up to the register's range; two digits (or a minus and a digit) elsewhere.
        edit->setMaxLength(field == ClockField::Year ? 5 : 3);
        edit->setFixedWidth(digit * (field == ClockField::Year ? 6 : 3) + 14);
        connect(edit, &QLineEdit::editingFinished, this,
                [this, group, field] { fieldCommitted(group, field); });
        if (group == Group::Clock)
            connect(edit, &QLineEdit::textEdited, this,
                    [this, field] { m_sysChanged[size_t(field)] = true; });
        grid->addWidget(edit, 1, column++);
        fields[size_t(i)] = edit;
        if (i < ClockFieldCount - 1) {
            auto* separator = new QLabel(QString::fromLatin1(kSeparators[i]), row);
            separator->setAlignment(Qt::AlignCenter);
            grid->addWidget(separator, 1, column++);
        }
    }
    grid->setColumnStretch(column, 1);
    return row;
}

// ---- the PC clock -----------------------------------------------------------------------

void frmTD_DateReserve::tmrDT_Timer() {
    const QString now = m_clock.currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (now != lblDateTime->text())
        lblDateTime->setText(now);
    if (chbSameDT->isChecked())
        copyPcClock();
    if (m_reserveDue.isValid() && m_meterClock.isKnown() && !m_writer.isBusy() &&
        m_meterClock.at(m_clock.currentDateTime()) > m_reserveDue.addSecs(2) &&
        m_engine.settingsState() != CommEngine::SettingsState::Reading) {
        m_reserveDue = {};
        readAfresh();
    }
    if (const bool inList = meterIndex() >= 0; inList != m_inList) {
        m_inList = inList;
        updateControls();
        updateState();
    }
}

void frmTD_DateReserve::runClockFields(int aheadMs) {
    if (chbSameDT->isChecked() || !m_meterClock.isKnown())
        return;
    const ClockParts parts =
        ClockPartsOf(m_meterClock.at(m_clock.currentDateTime().addMSecs(aheadMs)));
    for (int i = 0; i < ClockFieldCount; ++i) {
        QLineEdit* e = txtSYS[size_t(i)];
        if (m_sysChanged[size_t(i)])
            continue;
        const QString text = ClockFieldText(ClockField(i), parts[size_t(i)]);
        if (e->text() != text)
            e->setText(text);
    }
}

void frmTD_DateReserve::copyPcClock(int aheadMs) {
    const QString now =
        m_clock.currentDateTime().addMSecs(aheadMs).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    // Year, month, day, hour, minute, second as they stand in the text.
    const int starts[] = {0, 5, 8, 11, 14, 17};
    for (int i = 0; i < ClockFieldCount; ++i)
        txtSYS[size_t(i)]->setText(now.mid(starts[i], i == 0 ? 4 : 2));
}

// ---- refresh from the meter's settings ---------------------------------------------------

bool frmTD_DateReserve::settingsReady() const {
    // A write on its way will change them.
    if (m_writer.isBusy() || meterIndex() < 0)
        return false;
    // gSettingsRead alone may be left from an earlier read of another meter; the engine knows
    // whether the tables hold the whole of this one's.
    if (isSelected())
        return m_engine.state().gSettingsRead && m_engine.settingsComplete();
    return m_clockRead;
}

void frmTD_DateReserve::tmrRefresh_Timer() {
    if (!settingsReady())
        return;
    m_tmrRefresh.stop();
    const DeviceClockSettings s =
        DeviceClockSettings::fromMeterClocks(m_engine.tables().sprdMeterClock, meterIndex() + 1);
    setHighlight(s.reserveOn ? 0 : 1);
    m_reserveDue = s.reserveOn ? DateTimeOfParts(s.reserve) : QDateTime();
    for (int i = 0; i < ClockFieldCount; ++i) {
        txtRSV[size_t(i)]->setText(ClockFieldText(ClockField(i), s.reserve[size_t(i)]));
        // While the fields follow the PC's clock they are the PC's; the meter's clock shows
        // above them.
        if (!chbSameDT->isChecked())
            txtSYS[size_t(i)]->setText(ClockFieldText(ClockField(i), s.clock[size_t(i)]));
    }
    if (isSelected())
        m_engine.state().gSettingsRead = false;
    m_clockRead = false;
    m_refreshedAt = m_clock.currentDateTime();
    // What the meter now holds runs on from here; changes typed before are gone. The settings
    // may have been read a while ago (by the scan): the last poll tells the meter's clock to
    // the moment, unless this window has written to the meter since.
    const auto polled = m_drift.reading(meterIndex());
    if (polled && polled->isValid() && (!m_lastWriteAt.isValid() || polled->pcTime > m_lastWriteAt))
        m_meterClock.take(polled->meterTime, polled->pcTime);
    else
        m_meterClock.take(DateTimeOfParts(s.clock), m_refreshedAt);
    m_sysChanged.fill(false);
    runClockFields();
    updateState();
}

void frmTD_DateReserve::tmrPRefesh_Timer() {
    if (!(isSelected() ? m_engine.state().gSettingsRead : m_clockRead))
        return;
    m_tmrPRefesh.stop();
    m_tmrRefresh.start();
}

void frmTD_DateReserve::setHighlight(int chosen) {
    m_highlighted = chosen;
    for (int i = 0; i < 2; ++i) {
        btnRSV[size_t(i)]->setProperty("chosen", i == chosen);
        repolish(btnRSV[size_t(i)]);
    }
}

bool frmTD_DateReserve::isHighlighted(int i) const {
    return i == m_highlighted;
}

// ---- writes -----------------------------------------------------------------------------

void frmTD_DateReserve::btnRSV_Click(int index) {
    sendWrite(ReserveSwitchFrame(m_address, (index + 1) % 2 == 1));
}

LimitedField frmTD_DateReserve::limitField(Group group, ClockField field) {
    const auto& fields = group == Group::Reserve ? txtRSV : txtSYS;
    QLineEdit* edit = fields[size_t(field)];
    const int year = ClockFieldValue(fields[size_t(ClockField::Year)]->text());
    const int month = ClockFieldValue(fields[size_t(ClockField::Month)]->text());
    const LimitedField limited = LimitClockField(field, edit->text(), year, month);
    if (limited.text != edit->text())
        edit->setText(limited.text);
    edit->setModified(false);
    return limited;
}

void frmTD_DateReserve::fieldCommitted(Group group, ClockField field) {
    // A field that loses the focus as the window closes was not committed.
    if (m_unloaded)
        return;
    const auto& fields = group == Group::Reserve ? txtRSV : txtSYS;
    // Enter on a field left as it was, or a field that only lost the focus, is no edit.
    if (!fields[size_t(field)]->isModified())
        return;
    const LimitedField limited = limitField(group, field);
    if (!limited.message.isEmpty())
        ShowMessage(this, QMessageBox::Information, limited.message);
    if (group == Group::Reserve)
        sendWrite(ReserveFieldFrame(m_address, field, limited.value));
}

void frmTD_DateReserve::btnSYS_DTSet_Click() {
    // The PC's time of the moment of the click, not of the last tick, to the nearest second:
    // the meter's clock then starts within half a second of the PC's.
    if (chbSameDT->isChecked())
        copyPcClock(500);
    else
        runClockFields(500); // the meter's clock of the click, to the nearest second
    ClockParts parts{};
    QStringList said;
    for (int i = 0; i < ClockFieldCount; ++i) {
        const LimitedField limited = limitField(Group::Clock, ClockField(i));
        parts[size_t(i)] = limited.value;
        if (!limited.message.isEmpty())
            said << limited.message;
    }
    if (!said.isEmpty())
        ShowMessage(this, QMessageBox::Information, said.join(u'\n'));
    sendWrite(ClockSetFrame(m_address, parts));
}

void frmTD_DateReserve::sendWrite(const QByteArray& frame) {
    if (meterIndex() < 0 || !m_writer.write(frame)) {
        m_lastWriteFailed = true;
        lblState->setText(tr("Nothing was written: the port is not polling."));
        lblState->setProperty("tone", QStringLiteral("bad"));
        repolish(lblState);
        return;
    }
    m_lastWriteFailed = false;
    m_writeFailure.reset();
    m_cancelled = false;
    m_lastWriteAt = m_clock.currentDateTime();
    // The engine reads the selected meter's settings after the write; another meter's clock
    // block is read behind it.
    if (!isSelected())
        readAfresh();
    m_tmrPRefesh.start();
    updateControls();
    updateState();
}

void frmTD_DateReserve::onWritten(const QByteArray& frame, bool taken) {
    if (quint8(frame[0]) != m_address)
        return; // another window's
    if (frame == ClockReadFrame(m_address)) {
        m_clockRead = m_clockRead || taken;
        if (!taken) { // nothing new to show: the fields stay as last read
            m_tmrPRefesh.stop();
            m_tmrRefresh.stop();
        }
        updateState();
        return;
    }
    if (!taken)
        m_lastWriteFailed = true;
    else
        m_writeFailure.reset();
    // The settings read that follows decides what the fields show.
    m_tmrPRefesh.start();
    updateState();
}

// A write the meter refused or never answered was given up (the writer reports it next); a
// settings read it never answered goes on being asked until it answers, holding up monitoring.
void frmTD_DateReserve::onRequestGivenUp(const FailedRequest& failure) {
    using namespace RequestCode;
    if (failure.meter != meterIndex() || failure.meter < 0)
        return;
    const QByteArray& frame = m_engine.state().gClockFrame;
    if (failure.code == RC_SEND_CLOCK_FRAME && frame == ClockReadFrame(m_address))
        m_clockReadFailure = failure;
    else if (failure.code == RC_SEND_CLOCK_FRAME)
        m_writeFailure = failure;
    else if (failure.code >= RC_READ_COMMON && failure.code <= RC_READ_CHANNEL + 11)
        m_readFailure = failure;
    else
        return;
    updateControls();
    updateState();
}

void frmTD_DateReserve::btnCancel_Click() {
    m_writer.cancel(m_address);
    m_engine.cancelTransfer();
    m_readFailure.reset();
    m_cancelled = true;
    updateControls();
    updateState();
}

// ---- what the window tells ---------------------------------------------------------------

void frmTD_DateReserve::updateControls() {
    const bool polling = m_engine.phase() == CommEngine::Phase::Polling && meterIndex() >= 0;
    for (QPushButton* b : btnRSV)
        b->setEnabled(polling);
    btnSYS_DTSet->setEnabled(polling);
    for (QLineEdit* e : txtRSV)
        e->setReadOnly(!polling);
    btnCancel->setEnabled(polling && (m_writer.isBusy() || m_readFailure.has_value()));
}

void frmTD_DateReserve::updateMeterClock() {
    const auto reading = m_drift.reading(meterIndex());
    QString text;
    bool notice = false;
    if (!reading) {
        text = tr("Meter clock: not read yet");
    } else if (!reading->isValid()) {
        text = tr("Meter clock: \"%1\" is no date and time; set the clock.")
                   .arg(reading->meterText.trimmed());
        notice = true;
    } else {
        text = tr("Meter clock by the last poll: %1, %2.")
                   .arg(reading->meterText, ClockDrift::driftSentence(reading->seconds));
        notice = reading->needsNotice();
    }
    lblMeterClock->setText(text);
    lblMeterClock->setProperty("tone", notice ? QStringLiteral("warn") : QString());
    repolish(lblMeterClock);
}

void frmTD_DateReserve::updateState() {
    const int address = m_address;
    const bool selected = isSelected();
    QString text;
    QString tone;
    if (meterIndex() < 0) {
        text = tr("Meter %1 is no longer in the meter list: nothing is read from it or "
                  "written to it.")
                   .arg(address);
        tone = QStringLiteral("bad");
    } else if (m_engine.phase() != CommEngine::Phase::Polling) {
        text = tr("The port is closed: nothing can be written to the meter.");
        tone = QStringLiteral("bad");
    } else if (m_readFailure) {
        text = tr("The settings of meter %1 are not all read: it %2. It is asked again until "
                  "it answers; Cancel returns to monitoring.")
                   .arg(address)
                   .arg(m_readFailure->predicate());
        tone = QStringLiteral("bad");
    } else if (m_writer.isBusy() && m_writeFailure) {
        text = tr("%1. The writes still waiting go out next; Cancel drops them.")
                   .arg(m_writeFailure->sentence());
        tone = QStringLiteral("bad");
    } else if (m_cancelled && selected &&
               m_engine.settingsState() != CommEngine::SettingsState::Complete) {
        text = tr("Cancelled: monitoring goes on. The fields do not show meter %1's settings.")
                   .arg(address);
        tone = QStringLiteral("warn");
    } else if (m_writer.isBusy()) {
        text = tr("Writing to meter %1 ...").arg(address);
        if (const int waiting = m_writer.waitingCount())
            text += tr(" (%n more waiting)", nullptr, waiting);
    } else if (selected && m_engine.settingsState() == CommEngine::SettingsState::Incomplete) {
        text = tr("The settings of meter %1 are not all read; it is asked again. The fields do "
                  "not show the meter's values until it answers.")
                   .arg(address);
        tone = QStringLiteral("warn");
    } else if (m_tmrRefresh.isEnabled() || m_tmrPRefesh.isEnabled()) {
        text = tr("Reading the settings of meter %1 ...").arg(address);
    } else if (m_clockReadFailure) {
        text = m_clockReadFailure->sentence() +
               tr(": the fields show what it holds, read at %1.")
                   .arg(m_refreshedAt.toString(QStringLiteral("HH:mm:ss")));
        tone = QStringLiteral("bad");
    } else if (m_lastWriteFailed) {
        text = (m_writeFailure ? m_writeFailure->sentence()
                               : tr("Meter %1 did not take the last write").arg(address)) +
               tr(": the fields show what it holds, read at %1.")
                   .arg(m_refreshedAt.toString(QStringLiteral("HH:mm:ss")));
        tone = QStringLiteral("bad");
    } else {
        text = tr("Meter %1, as read at %2.")
                   .arg(address)
                   .arg(m_refreshedAt.toString(QStringLiteral("HH:mm:ss")));
    }
    lblState->setText(text);
    lblState->setProperty("tone", tone);
    repolish(lblState);
}

// ---- closing ----------------------------------------------------------------------------

void frmTD_DateReserve::done(int result) {
    unload();
    QDialog::done(result);
}

void frmTD_DateReserve::unload() {
    if (std::exchange(m_unloaded, true))
        return;
    m_tmrDT.stop();
    m_tmrRefresh.stop();
    m_tmrPRefesh.stop();
    m_tmrSysRun.stop();
    // Back to monitoring. A write still on its way is not cut off: the engine returns to
    // monitoring by itself once it and the settings read after it are done. A meter that does
    // not answer would hold the engine for ever: what waits for it is cancelled.
    if (m_readFailure || (m_writeFailure && !m_writeFailure->isRefusal())) {
        m_writer.cancel(m_address);
        m_engine.cancelTransfer();
    } else if (!m_writer.isBusy() &&
               m_engine.settingsState() != CommEngine::SettingsState::Reading) {
        m_engine.post(RequestCode::RC_POLL_STATUS);
    }
}
