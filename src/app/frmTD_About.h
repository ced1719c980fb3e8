#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: the program's name and version, what it is for, and its web address,
// which opens in the browser when clicked.
class frmTD_About : public QDialog {
    Q_OBJECT
public:
    explicit frmTD_About(QWidget* parent = nullptr);

    static QString webAddress();
    QLabel* lblWeb = nullptr;
    QPushButton* btnClose = nullptr;
};
