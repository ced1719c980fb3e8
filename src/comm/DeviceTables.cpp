#include "comm/DeviceTables.h"

#include "comm/RegisterMap.h"
#include "core/WinRgb.h"

#include <QtGlobal>

DeviceTables::DeviceTables()
    : sprdMON(100, 0)
    , sprdStatus(4, 0)
    , sprdCommState(3, 0)
    , sprdComm(0, 0)
    , sprdP_Common(1, 69)
    , sprdP_CH(12, 61)
    , sprdFormual_Mem(1, 12)
    , sprdFormual_CH(1, 12)
    , sprdOldALM(48, 2)
    , sprdMeterClock(ClockBlockCount, 0) {
    // The captions stay in the tables as they are; the windows show them translated.
    sprdStatus.setText(1, 0, QStringLiteral(QT_TRANSLATE_NOOP("DeviceTables", "Meter")));
    sprdStatus.setText(2, 0, QStringLiteral(QT_TRANSLATE_NOOP("DeviceTables", "Link")));
    sprdStatus.setText(3, 0, QStringLiteral(QT_TRANSLATE_NOOP("DeviceTables", "Model")));
    sprdStatus.setText(4, 0, QStringLiteral(QT_TRANSLATE_NOOP("DeviceTables", "Version")));
    sprdCommState.setText(0, 0, QStringLiteral(QT_TRANSLATE_NOOP("DeviceTables", "Meter")));
    sprdCommState.setText(1, 0, QStringLiteral(QT_TRANSLATE_NOOP("DeviceTables", "Good")));
    sprdCommState.setText(2, 0, QStringLiteral(QT_TRANSLATE_NOOP("DeviceTables", "Time-out")));
    sprdCommState.setText(3, 0, QStringLiteral(QT_TRANSLATE_NOOP("DeviceTables", "Bad frame")));
}

void DeviceTables::clearMeterRows() {
    sprdStatus.setRowCount(0);
    sprdMON.setRowCount(0);
    sprdCommState.setRowCount(0);
    sprdMeterClock.setRowCount(0);
}

void DeviceTables::appendMeterRow(int address) {
    const QString text = QString::number(address);
    const int row = sprdStatus.rowCount() + 1;
    sprdStatus.setRowCount(row);
    sprdStatus.setText(1, row, text);
    sprdMON.setRowCount(row);
    sprdMON.setText(0, row, text);
    sprdCommState.setRowCount(row);
    sprdCommState.setText(0, row, text);
    sprdMeterClock.setRowCount(row);
    sprdMeterClock.setText(0, row, text);
}

void DeviceTables::showAnswering(int row, bool answering) {
    sprdStatus.setText(2, row, answering ? QStringLiteral("OK") : QStringLiteral("NG"));
    sprdStatus.setBackColour(2, row, answering ? WinRgb::Green : WinRgb::Black);
    sprdStatus.setForeColour(2, row, answering ? WinRgb::Black : WinRgb::White);
    if (!answering)
        sprdMON.setText(1, row, QStringLiteral("NG"));
}
