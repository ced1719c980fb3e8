#pragma once

#include "publish/PublishSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// "Publish Setup": where the records the program saves are published (CFG/Publish.INI). OK
// checks the settings (a broker address that parses, files that are there, a password file
// only its owner may read) and writes the file; on a problem it says so and stays open.
class frmTD_Set_Publish : public QDialog {
    Q_OBJECT
public:
    frmTD_Set_Publish(const QString& iniPath, QWidget* parent = nullptr);

    PublishSettings settings() const;
    // The caption of the field that holds a setting, by the key the settings' checks name
    // it with ("publish" is the broker).
    static QString settingCaption(const char* key);

private:
    void onOK();
    void showError(const QString& message);

    QString m_iniPath;
    QCheckBox* chbPublish = nullptr;
    QLineEdit* txtUrl = nullptr;
    QLineEdit* txtNode = nullptr;
    QLineEdit* txtUser = nullptr;
    QLineEdit* txtPasswordFile = nullptr;
    QLineEdit* txtCa = nullptr;
    QLineEdit* txtCert = nullptr;
    QLineEdit* txtKey = nullptr;
    QComboBox* cmbQos = nullptr;
    QSpinBox* txtKeepAlive = nullptr;
    QSpinBox* txtBacklog = nullptr;
    QCheckBox* chbSparkplug = nullptr;
    QLineEdit* txtGroup = nullptr;
    QLineEdit* txtHost = nullptr;
    QLabel* lblError = nullptr;
};
