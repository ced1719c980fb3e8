#pragma once

#include "logging/SaveSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The data-save settings dialog. Opening reads "SaveData.INI" into the controls and creates
// the data folder again when it has been deleted; OK checks the entries, writes the file and
// leaves the new settings in settings(); when the folder or the file cannot be written, the
// dialog says so in lblError and stays open. Cancel writes nothing.
class frmTD_Set_DSave : public QDialog {
    Q_OBJECT
public:
    frmTD_Set_DSave(const QString& iniPath, QWidget* parent = nullptr);

    // The settings as the controls hold them (valid after OK).
    SaveSettings settings() const;

    QComboBox* cmbSave;
    QLineEdit* txtSaveInterval;
    QComboBox* cmbUnit;
    QLabel* lblFolder;
    QPushButton* btnFolder;
    QLineEdit* txtFName;
    QCheckBox* chbDSaveF;
    QLineEdit* txtDayHH;
    QLineEdit* txtDayMM;
    // What the data folder keeps: days of records (empty or 0: all), free space (empty: any).
    QLineEdit* txtKeepDays;
    QLineEdit* txtKeepFree;
    QLabel* lblMsg;
    // Why OK could not save (the folder or the file could not be made); hidden otherwise.
    QLabel* lblError;
    QPushButton* btnOK;
    QPushButton* btnCancel;

public Q_SLOTS:
    void btnOK_Click();
    // Opens the folder chooser at the chosen folder (or the program folder).
    void chooseFolder();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadFromFile();
    void clampInterval();
    void showExample();
    bool refuse(const QString& message);
    void showError(const QString& message);

    QString m_iniPath;
    QString m_homeFolder;
};

// Opens the dialog modally. On OK the file has been written and `settings` holds the new
// values (refresh the "Data Save" labels from LabelsOf(settings)); returns false on Cancel.
bool EditSaveSettings(SaveSettings& settings, const QString& iniPath, QWidget* parent);
