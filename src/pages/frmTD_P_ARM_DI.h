#pragma once

#include "pagerules/AlarmRules.h"
#include "pagerules/EntryRules.h"
#include "pages/AlarmTypePictures.h"
#include "pages/ParamPage.h"

#include <QList>
#include <functional>

class AppPaths;
class ParamSet;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTimer;

// ALARM/DI SETUP: the four alarms of every channel (channel table rows 26 to 61 of the chosen
// channel's column) and the six digital inputs (common table rows 45 to 68). The alarm type
// decides which of its values the page asks for, and its picture shows what it compares.
class frmTD_P_ARM_DI : public ParamPage {
    Q_OBJECT
public:
    // Opened on the context's channel (channel 1 from a digital input's row); the alarm type
    // pictures come from the context's program folder (none: our own).
    frmTD_P_ARM_DI(const PageContext& context, QWidget* parent = nullptr);

    int channel() const;
    int alarm() const { return m_alarm; }
    int input() const;
    // The type panel shown: 0..3, -1 for none.
    int visiblePanel() const;

    QLineEdit* txtCH_No = nullptr;
    QPushButton* btnUP_CH = nullptr;
    QPushButton* btnDN_CH = nullptr;
    QList<QRadioButton*> obtALM_No;
    QLabel* lblALM_No = nullptr;
    QLabel* lblALM_Type = nullptr;
    QLabel* lblALM_TypeName = nullptr; // the type's name, as the parameter grid names it
    QPushButton* btnUP_ALT = nullptr;
    QPushButton* btnDN_ALT = nullptr;
    QLabel* picALM_Type = nullptr;
    QStackedWidget* picALT = nullptr; // pages 0..3 the type panels, 4 none
    QLabel* lblRate = nullptr;
    QLineEdit* txtALM_SV = nullptr;
    QLineEdit* txtALM_HYS = nullptr;
    QLineEdit* txtALM_RATE = nullptr;
    QLineEdit* txtALM_CCH = nullptr;
    QList<QRadioButton*> obtTUNIT;
    QList<QPushButton*> btnALM_RCD;
    QLineEdit* txtALM_RYO = nullptr;
    QLineEdit* txtALM_RYT = nullptr;
    QLineEdit* txtDI_No = nullptr;
    QPushButton* btnUP_DI = nullptr;
    QPushButton* btnDN_DI = nullptr;
    QList<QPushButton*> btnDI_Level;
    QList<QPushButton*> btnDI_RCD;
    QLineEdit* txtDI_RYO = nullptr;
    QLineEdit* txtDI_RYT = nullptr;

protected:
    void loaded() override;

private:
    QWidget* buildAlarmArea();
    QWidget* buildInputArea();
    void refreshAlarm();
    void refreshInput();
    QString alarmCell(int row) const;
    void writeAlarm(int row, const QString& text);
    QString inputCell(int row) const;
    void writeInput(int row, const QString& text);
    // The rule of an alarm field: its limits and name, and for the values the channel's
    // decimals (a set value of a one-decimal channel keeps one decimal).
    NumberRule alarmRule(int fieldIndex) const;
    // The alarm's number boxes and the fields they edit.
    QList<std::pair<QLineEdit*, AlarmField>> alarmBoxes() const;
    NumberRule inputRule(int fieldIndex) const;
    // An entry box of the alarm (`alarmField`) or input fields.
    void bindAlarmEntry(QLineEdit* box, int fieldIndex);
    void bindInputEntry(QLineEdit* box, int fieldIndex);
    void stepType(int delta);

    ParamSet& m_set;
    AlarmTypePictures m_pictures;
    int m_alarm = 1;
    int m_channelShown = 1; // what the channel and input boxes showed before an entry
    int m_inputShown = 1;
    QGridLayout* m_setValuePlace[2] = {};
};
