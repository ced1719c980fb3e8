#pragma once

// The engine runs the alarm history at two moments: when a meter becomes the selected one,
// and when the monitoring cycle comes back to the selected meter.
class AlarmHistoryHook {
public:
    virtual ~AlarmHistoryHook() = default;
    virtual void PrepareAlarmHistory() = 0;
    virtual void CheckAlarmHistory() = 0;
};
