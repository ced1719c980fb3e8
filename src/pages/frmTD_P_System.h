#pragma once

#include "pages/ParamPage.h"

#include <QList>

class Clock;
class ParamSet;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;

// SYSTEM SETUP: recording period, power-failure resume, beep, screen saver, password (tab 0),
// screen and channel colours (1), reserved run and system date with the PC clock (2), the
// RS-232 and RS-422/485 interfaces (3, 4), language and SD file-name prefix (5). Common table
// rows, and channel table row 10 for the channel colours.
class frmTD_P_System : public ParamPage {
    Q_OBJECT
public:
    // Opened on the context's tab; the context's clock gives the PC's date and time shown on
    // the date tab (none: the system clock).
    frmTD_P_System(const PageContext& context, QWidget* parent = nullptr);

    // Shows the PC's date and time (tmrDT's tick).
    void showDateTime();
    // Which half of the channel colours is shown: 0 channels 1 to 6, 1 channels 7 to 12.
    int colourHalf() const { return m_colourHalf; }

    QTabWidget* SSTab1 = nullptr;
    // Tab 0
    QLineEdit* txtSaveInterval = nullptr;
    QPushButton* btnUP_SI = nullptr;
    QPushButton* btnDN_SI = nullptr;
    QList<QPushButton*> btnPowReturn, btnBeep, btnBufferAfter;
    QLineEdit* txtScrSaver_T = nullptr;
    QLineEdit* txtSysPass = nullptr;
    // Tab 1
    QList<QRadioButton*> obtBK_Color;
    QList<QList<QPushButton*>> obtCH_Color; // [channel - 1][colour index]
    QPushButton* btnUP_Color = nullptr;
    QPushButton* btnDN_Color = nullptr;
    // Tab 2
    QList<QPushButton*> btnRSV;
    QList<QLineEdit*> txtRSV; // year .. second
    QList<QLineEdit*> txtSYS; // year .. second
    QPushButton* btnSYS_DTSet = nullptr;
    QPushButton* btnSYS_PC = nullptr;
    QLabel* lblDateTime = nullptr;
    // Beside the system date while it holds the meter's clock as read (it does not run on, so
    // it is not to be compared with the PC clock below it).
    QLabel* lblSYS_AsRead = nullptr;
    bool m_systemDateTyped = false; // by the user or PC TIME, since the page opened
    QTimer* tmrDT = nullptr;
    // Tabs 3 and 4: index 0 RS-232, 1 RS-485
    struct Serial {
        QLineEdit* txtID = nullptr;
        QLabel* lblBaud = nullptr;
        QLabel* lblParity = nullptr;
        QLabel* lblData = nullptr;
        QLabel* lblStop = nullptr;
        QLineEdit* txtResT = nullptr;
        QPushButton* up[5] = {}; // baud, parity, data, stop, response time
        QPushButton* down[5] = {};
    } serial[2];
    // Tab 5
    QList<QRadioButton*> obtLanguage;
    QLineEdit* txtSD_FName = nullptr;

protected:
    void loaded() override;

private:
    QWidget* buildRecordTab();
    QWidget* buildColourTab();
    QWidget* buildDateTab();
    QWidget* buildSerialTab(int which);
    QWidget* buildLanguageTab();
    QString cell(int row) const;
    void write(int row, const QString& text);
    void bindChoice(const QList<QPushButton*>& buttons, int row);
    void showColourHalf(int half);
    void paintColours();
    void commitFilePrefix();

    ParamSet& m_set;
    const Clock* m_clock;
    int m_colourHalf = 0;
    QList<QWidget*> m_colourRows;
    QList<QLabel*> m_pcColours; // beside each channel: its colour in the monitors
};
