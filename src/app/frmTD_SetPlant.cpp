#include "app/frmTD_SetPlant.h"

#include "core/FileWrite.h"
#include "publish/frmTD_Set_Publish.h"
#include "widgets/CheckedButtons.h"
#include "widgets/FileRow.h"
#include "widgets/WholePaths.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmTD_SetPlant::frmTD_SetPlant(const QString& iniPath, QWidget* parent)
    : QDialog(parent)
    , m_iniPath(iniPath)
    , m_loaded(LoadPublishSettings(iniPath)) {
    setObjectName(QStringLiteral("frmTD_SetPlant"));
    setWindowTitle(tr("Watch a Broker"));
    auto* top = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Every meter of every bus PC that publishes to the broker, shown "
                                "from the broker alone: no port is opened and nothing is "
                                "written to a meter."),
                             this);
    intro->setWordWrap(true);
    top->addWidget(intro);

    auto* grid = new QGridLayout;
    txtUrl = new QLineEdit(this);
    txtUrl->setObjectName(QStringLiteral("txtUrl"));
    txtUrl->setPlaceholderText(QStringLiteral("mqtt://host:1883/plant"));
    txtUrl->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    grid->addWidget(new QLabel(tr("Broker"), this), 0, 0);
    grid->addWidget(txtUrl, 0, 1, 1, 2);
    txtUser = new QLineEdit(this);
    txtUser->setObjectName(QStringLiteral("txtUser"));
    txtUser->setPlaceholderText(tr("none"));
    grid->addWidget(new QLabel(tr("User"), this), 1, 0);
    grid->addWidget(txtUser, 1, 1, 1, 2);
    txtPasswordFile = AddFileRow(this, "txtPasswordFile", tr("Password file"), grid, 2);
    txtCa = AddFileRow(this, "txtCa", tr("CA certificate"), grid, 3);
    txtCa->setPlaceholderText(tr("the system's"));
    grid->setColumnStretch(1, 1);
    top->addLayout(grid);

    const CheckedButtons foot = AddCheckedButtons(this, top, [this] { onOK(); });
    lblError = foot.error;
    foot.ok->setText(tr("Watch"));

    txtUrl->setText(m_loaded.url);
    txtUser->setText(m_loaded.user);
    txtPasswordFile->setText(m_loaded.passwordFile);
    txtCa->setText(m_loaded.caFile);
}

PublishSettings frmTD_SetPlant::settings() const {
    PublishSettings s = m_loaded;
    s.enabled = true;
    s.url = txtUrl->text().trimmed();
    s.user = txtUser->text().trimmed();
    s.passwordFile = txtPasswordFile->text().trimmed();
    s.caFile = txtCa->text().trimmed();
    return s;
}

void frmTD_SetPlant::onOK() {
    const PublishSettings s = settings();
    // The same fields as Publish Setup has, by the same names.
    QString problem = PublishSettingsProblem(s, frmTD_Set_Publish::settingCaption);
    QString error;
    if (problem.isEmpty() && !WritePublishSettings(m_iniPath, s, &error))
        problem = NotSavedMessage(m_iniPath, error);
    if (!problem.isEmpty()) {
        lblError->setText(KeepPathsWhole(problem));
        lblError->show();
        return;
    }
    accept();
}
