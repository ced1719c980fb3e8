#pragma once

#include "app/PortServices.h"
#include "comm/PortSettings.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

// The port settings dialog: port, line settings, protocol, RTS control, the scheduler
// interval and the dead-meter back-off. Loading and every choice of a port test the port with a
// port of the dialog's own; OK writes "Comm.CFG" anew and keeps the choice even when the port
// could not be opened; when the file cannot be written, lblMsg says so and the dialog stays
// open.
class frmTD_SetPort : public QDialog {
    Q_OBJECT
public:
    frmTD_SetPort(const PortSettings& current, const QString& commCfgPath, PortTester tester,
                  QWidget* parent = nullptr);

    // The settings as the boxes show them.
    PortSettings settings() const;
    QString message() const; // lblMsg
    QComboBox* cmbPort = nullptr;
    QComboBox* cmbBaud = nullptr;
    QComboBox* cmbParity = nullptr;
    QComboBox* cmbData = nullptr;
    QComboBox* cmbStop = nullptr;
    QComboBox* cmbProtocol = nullptr;
    QComboBox* cmbRTS = nullptr;
    QSpinBox* txtInterval = nullptr;
    QComboBox* cmbBackoff = nullptr; // dead-meter back-off: off, or its limit in cycles
    QLabel* lblMsg = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    // Tests the port named in the port box and shows the outcome in lblMsg.
    void testPort();

public Q_SLOTS:
    void accept() override;

private:
    QString m_path;
    PortTester m_tester;
};
