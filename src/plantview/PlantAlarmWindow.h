#pragma once

#include <QTimer>
#include <QWidget>

class LanguageFollower;
class PlantAlarmLog;
class PlantAlarmModel;
class PlantState;
class QLabel;
class QTableView;

// The plant alarm list: every alarm of every meter the broker tells of, newest first, with
// when it came and when it went by the meters' own clocks. A window of its own, not modal;
// it follows the log (at most a few times a second) and the program's language.
class PlantAlarmWindow : public QWidget {
    Q_OBJECT
public:
    PlantAlarmWindow(const PlantAlarmLog& log, const PlantState* plant = nullptr,
                     QWidget* parent = nullptr);
    ~PlantAlarmWindow() override;

private:
    void setTexts();
    void reload();

    PlantAlarmModel* m_model;
    QTableView* m_view;
    QLabel* m_summary;
    LanguageFollower* m_language;
    QTimer m_reload;
};
