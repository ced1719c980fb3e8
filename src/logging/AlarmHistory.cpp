#include "logging/AlarmHistory.h"

#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "core/FloatText.h"

#include <QCoreApplication>
#include <QDir>

namespace {

constexpr int AlarmColumns = 48;

// sprdOldALM column of alarm a (0..3) of channel ch (0..11).
int stateColumn(int alarm, int channel) {
    return 4 * channel + alarm + 1;
}

int channelsOf(const CommState& state) {
    return std::clamp(state.gChannelCount, 0, 12);
}

} // namespace

AlarmHistory::AlarmHistory(CommState& state, DeviceTables& tables, const AppPaths& paths)
    : m_state(state)
    , m_tables(tables)
    , m_paths(paths) {}

QString AlarmHistory::stateFilePath(int address) const {
    return m_paths.file(QStringLiteral("ALM.%1").arg(address, 3, 10, QLatin1Char('0')));
}

void AlarmHistory::PrepareAlarmHistory() {
    TextTable& grid = m_tables.sprdOldALM;
    // Read into a table of our own first: a file of the wrong shape must not shrink the grid
    // that every later change is written into.
    TextTable loaded;
    if (loaded.loadData(stateFilePath(m_state.gSelAddress))) {
        for (int row = 1; row <= 2; ++row)
            for (int column = 1; column <= AlarmColumns; ++column)
                grid.setText(column, row, loaded.text(column, row));
    }
    for (int ch = 0; ch < channelsOf(m_state); ++ch)
        for (int a = 0; a < 4; ++a) {
            const int column = stateColumn(a, ch);
            gAlarmState[std::size_t(index(a, ch))] =
                quint8(std::clamp<qint64>(grid.integer(column, 1), 0, 255));
            gAlarmSetValue[std::size_t(index(a, ch))] = float(grid.number(column, 2));
        }
}

void AlarmHistory::CheckAlarmHistory() {
    const int row = m_state.gSelMeter + 1;
    // Word columns of sprdMON and the first channel (from 0) each one covers.
    static constexpr struct { int column, firstChannel; } words[] = {{10, 0}, {9, 4}, {8, 8}};

    bool anySet = false;
    for (const auto& w : words) {
        const qint64 word = m_tables.sprdMON.integer(w.column, row);
        anySet = anySet || word >= 1;
        for (int bit = 0; bit < 16; ++bit) {
            const int ch = w.firstChannel + bit / 4;
            const int a = bit % 4;
            if (ch >= channelsOf(m_state))
                continue;
            const quint8 now = ((word >> bit) & 1) ? 1 : 0;
            quint8& state = gAlarmState[std::size_t(index(a, ch))];
            if (now == state)
                continue;
            const float value = float(m_tables.sprdMON.number(13 + ch, row));
            gAlarmSetValue[std::size_t(index(a, ch))] = value;
            state = now;
            TextTable& grid = m_tables.sprdOldALM;
            grid.setText(stateColumn(a, ch), 1, QString::number(now));
            grid.setText(stateColumn(a, ch), 2, FloatToText(value));
            // Saved at once, so that a power cut loses no change.
            save();
        }
    }
    gAlarmActive = anySet;
}

void AlarmHistory::save() {
    const QString path = stateFilePath(m_state.gSelAddress);
    QString error;
    QString text;
    if (!m_tables.sprdOldALM.saveData(path, &error))
        text = QCoreApplication::translate("AlarmHistory", "Alarm history not saved: %1 (%2)")
                   .arg(QDir::toNativeSeparators(path), error);
    ++m_saves;
    if (text == m_statusText)
        return;
    m_statusText = text;
    if (m_statusSink)
        m_statusSink(text);
}
