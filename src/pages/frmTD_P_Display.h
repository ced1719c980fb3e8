#pragma once

#include "pages/ParamPage.h"

#include <QList>

class ParamSet;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// DISPLAY SETUP: the recorder's screen, rows 2 to 9 of the common table. The display mode
// decides which of the groups below it are shown: the scroll speed with the trends, the
// number of windows with the text view, the history settings with the history view.
class frmTD_P_Display : public ParamPage {
    Q_OBJECT
public:
    frmTD_P_Display(const PageContext& context, QWidget* parent = nullptr);

    QList<QPushButton*> obtDisplayMode;
    QList<QPushButton*> btnRuler, btnTextBar, btnAlarmMark, btnTrendDir, btnReadFrom;
    QGroupBox* picTREND = nullptr;
    QGroupBox* picTView = nullptr;
    QGroupBox* picHISTVIEW = nullptr;
    QLabel* lblNoSettings = nullptr; // the bar graph has no settings of its own
    QLineEdit* txtScrollSpeed = nullptr;
    QPushButton* btnUP_ScrollSpeed = nullptr;
    QPushButton* btnDN_ScrollSpeed = nullptr;
    QLineEdit* txtTView_Win = nullptr;
    QPushButton* btnUP_TView_Win = nullptr;
    QPushButton* btnDN_TView_Win = nullptr;

protected:
    void loaded() override;

private:
    QString cell(int row) const;
    void write(int row, const QString& text);
    void bindChoice(const QList<QPushButton*>& buttons, int row);
    void stepScrollSpeed(int delta);
    void stepWindows(int delta);

    ParamSet& m_set;
};
