#pragma once

#include "publish/PublishSettings.h"

#include <QDialog>

class QLabel;
class QLineEdit;

// "Watch a Broker": the broker whose nodes plant mode shows, with the user, the password file
// and the CA certificate, as `td700 watch` takes them; remembered in CFG/Plant.INI. OK checks
// them (an address that parses, files that are there, a password file only its owner reads)
// and writes the file; on a problem it says so and stays open.
class frmTD_SetPlant : public QDialog {
    Q_OBJECT
public:
    frmTD_SetPlant(const QString& iniPath, QWidget* parent = nullptr);

    PublishSettings settings() const;

private:
    void onOK();

    QString m_iniPath;
    PublishSettings m_loaded; // what the dialog has no field for is kept as it was
    QLineEdit* txtUrl = nullptr;
    QLineEdit* txtUser = nullptr;
    QLineEdit* txtPasswordFile = nullptr;
    QLineEdit* txtCa = nullptr;
    QLabel* lblError = nullptr;
};
