#pragma once

#include "comm/AlarmHistoryHook.h"
#include "core/AppPaths.h"

#include <array>
#include <functional>

struct CommState;
struct DeviceTables;

// The selected meter's 48 alarms (4 per channel): their states, the channel's value when each
// last changed, and the persistent copy in sprdOldALM, saved to the meter's state file
// ("ALM." + the three-digit address, in the program folder) at once on every change.
// Index of alarm a (0..3) of channel ch (0..11): a * 12 + ch.
class AlarmHistory final : public AlarmHistoryHook {
public:
    AlarmHistory(CommState& state, DeviceTables& tables, const AppPaths& paths);

    void PrepareAlarmHistory() override;
    void CheckAlarmHistory() override;

    std::array<quint8, 48> gAlarmState{};
    std::array<float, 48> gAlarmSetValue{};
    bool gAlarmActive = false;

    QString stateFilePath(int address) const;
    // Told the text for the status bar when a save of the state file fails (which file and
    // why), and an empty text once a later save succeeds.
    void setStatusSink(std::function<void(const QString& text)> sink) {
        m_statusSink = std::move(sink);
    }
    QString statusText() const { return m_statusText; }
    // How many times the state file has been written (every change is saved at once).
    quint64 saveCount() const { return m_saves; }
    static constexpr int index(int alarm, int channel) { return alarm * 12 + channel; }

private:
    CommState& m_state;
    DeviceTables& m_tables;
    AppPaths m_paths;
    quint64 m_saves = 0;
    std::function<void(const QString&)> m_statusSink;
    QString m_statusText;

    void save();
};
