#include "publish/frmTD_Set_Publish.h"

#include "core/FileWrite.h"
#include "widgets/CheckedButtons.h"
#include "widgets/FileRow.h"
#include "widgets/WholePaths.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

frmTD_Set_Publish::frmTD_Set_Publish(const QString& iniPath, QWidget* parent)
    : QDialog(parent)
    , m_iniPath(iniPath) {
    setObjectName(QStringLiteral("frmTD_Set_Publish"));
    setWindowTitle(tr("Publish Setup"));
    auto* top = new QVBoxLayout(this);
    chbPublish = new QCheckBox(tr("Publish every saved record to an MQTT broker"), this);
    chbPublish->setObjectName(QStringLiteral("chbPublish"));
    top->addWidget(chbPublish);

    auto* grid = new QGridLayout;
    int row = 0;
    const auto text = [&](const char* name, const QString& caption, const QString& hint) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setPlaceholderText(hint);
        grid->addWidget(new QLabel(caption, this), row, 0);
        grid->addWidget(e, row++, 1, 1, 2);
        return e;
    };
    txtUrl = text("txtUrl", tr("Broker"), QStringLiteral("mqtt://host:1883/plant"));
    txtUrl->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    txtNode = text("txtNode", tr("Node"), DefaultNodeName());
    txtUser = text("txtUser", tr("User"), tr("none"));
    txtPasswordFile = AddFileRow(this, "txtPasswordFile", tr("Password file"), grid, row++);
    txtCa = AddFileRow(this, "txtCa", tr("CA certificate"), grid, row++);
    txtCa->setPlaceholderText(tr("the system's"));
    txtCert = AddFileRow(this, "txtCert", tr("Client certificate"), grid, row++);
    txtKey = AddFileRow(this, "txtKey", tr("Client key"), grid, row++);

    cmbQos = new QComboBox(this);
    cmbQos->setObjectName(QStringLiteral("cmbQos"));
    cmbQos->addItem(tr("0 - at most once"), 0);
    cmbQos->addItem(tr("1 - every record, nothing lost"), 1);
    grid->addWidget(new QLabel(tr("QoS"), this), row, 0);
    grid->addWidget(cmbQos, row++, 1, 1, 2);
    txtKeepAlive = new QSpinBox(this);
    txtKeepAlive->setObjectName(QStringLiteral("txtKeepAlive"));
    txtKeepAlive->setRange(5, 65535);
    txtKeepAlive->setSuffix(tr(" s"));
    grid->addWidget(new QLabel(tr("Keep-alive"), this), row, 0);
    grid->addWidget(txtKeepAlive, row++, 1);
    txtBacklog = new QSpinBox(this);
    txtBacklog->setObjectName(QStringLiteral("txtBacklog"));
    txtBacklog->setRange(1, 3650);
    txtBacklog->setSuffix(tr(" days"));
    grid->addWidget(new QLabel(tr("Catch up at most"), this), row, 0);
    grid->addWidget(txtBacklog, row++, 1);
    grid->setColumnStretch(1, 1);
    top->addLayout(grid);

    // Sparkplug B: the same records as an edge node's devices, for SCADA hosts that find every
    // meter by itself.
    chbSparkplug = new QCheckBox(tr("Publish as a Sparkplug B edge node (instead of the JSON "
                                    "topics; the broker's prefix is not used)"),
                                 this);
    chbSparkplug->setObjectName(QStringLiteral("chbSparkplug"));
    top->addWidget(chbSparkplug);
    auto* sparkplug = new QGridLayout;
    txtGroup = new QLineEdit(this);
    txtGroup->setObjectName(QStringLiteral("txtGroup"));
    txtGroup->setPlaceholderText(QStringLiteral("plant"));
    sparkplug->addWidget(new QLabel(tr("Group"), this), 0, 0);
    sparkplug->addWidget(txtGroup, 0, 1);
    txtHost = new QLineEdit(this);
    txtHost->setObjectName(QStringLiteral("txtHost"));
    txtHost->setPlaceholderText(tr("none"));
    sparkplug->addWidget(new QLabel(tr("Primary host"), this), 1, 0);
    sparkplug->addWidget(txtHost, 1, 1);
    sparkplug->setColumnStretch(1, 1);
    sparkplug->setContentsMargins(fontMetrics().averageCharWidth() * 3, 0, 0, 0);
    top->addLayout(sparkplug);
    const auto follow = [this](bool on) {
        txtGroup->setEnabled(on);
        txtHost->setEnabled(on);
    };
    connect(chbSparkplug, &QCheckBox::toggled, this, follow);

    auto* note = new QLabel(tr("Records are published while the port is open. What the broker "
                               "does not get is sent from the data files when it is back."),
                            this);
    note->setWordWrap(true);
    note->setForegroundRole(QPalette::PlaceholderText);
    top->addWidget(note);
    const CheckedButtons foot = AddCheckedButtons(this, top, [this] { onOK(); });
    lblError = foot.error;

    const PublishSettings s = LoadPublishSettings(m_iniPath);
    chbPublish->setChecked(s.enabled);
    txtUrl->setText(s.url);
    txtNode->setText(s.node);
    txtUser->setText(s.user);
    txtPasswordFile->setText(s.passwordFile);
    txtCa->setText(s.caFile);
    txtCert->setText(s.certFile);
    txtKey->setText(s.keyFile);
    cmbQos->setCurrentIndex(s.qos == 0 ? 0 : 1);
    txtKeepAlive->setValue(s.keepAliveSeconds);
    txtBacklog->setValue(s.backlogDays);
    chbSparkplug->setChecked(!s.sparkplugGroup.isEmpty());
    txtGroup->setText(s.sparkplugGroup);
    txtHost->setText(s.sparkplugHost);
    follow(chbSparkplug->isChecked());
}

PublishSettings frmTD_Set_Publish::settings() const {
    PublishSettings s;
    s.enabled = chbPublish->isChecked();
    s.url = txtUrl->text().trimmed();
    s.node = txtNode->text().trimmed();
    s.user = txtUser->text().trimmed();
    s.passwordFile = txtPasswordFile->text().trimmed();
    s.caFile = txtCa->text().trimmed();
    s.certFile = txtCert->text().trimmed();
    s.keyFile = txtKey->text().trimmed();
    s.qos = cmbQos->currentData().toInt();
    s.keepAliveSeconds = txtKeepAlive->value();
    s.backlogDays = txtBacklog->value();
    if (chbSparkplug->isChecked()) {
        s.sparkplugGroup = txtGroup->text().trimmed();
        s.sparkplugHost = txtHost->text().trimmed();
    }
    return s;
}

QString frmTD_Set_Publish::settingCaption(const char* key) {
    const QString k = QString::fromLatin1(key);
    if (k == u"publish")
        return tr("Broker");
    if (k == u"node")
        return tr("Node");
    if (k == u"mqtt-user")
        return tr("User");
    if (k == u"mqtt-password-file")
        return tr("Password file");
    if (k == u"mqtt-ca")
        return tr("CA certificate");
    if (k == u"mqtt-cert")
        return tr("Client certificate");
    if (k == u"mqtt-key")
        return tr("Client key");
    if (k == u"sparkplug")
        return tr("Group");
    if (k == u"sparkplug-host")
        return tr("Primary host");
    return k;
}

void frmTD_Set_Publish::showError(const QString& message) {
    lblError->setText(KeepPathsWhole(message));
    lblError->show();
}

void frmTD_Set_Publish::onOK() {
    const PublishSettings s = settings();
    if (s.enabled) {
        QString problem = PublishSettingsProblem(s, settingCaption);
        if (chbSparkplug->isChecked() && s.sparkplugGroup.isEmpty())
            problem = tr("Group: a Sparkplug B node needs its group");
        if (!problem.isEmpty()) {
            showError(problem);
            return;
        }
    }
    QString error;
    if (!WritePublishSettings(m_iniPath, s, &error)) {
        showError(NotSavedMessage(m_iniPath, error));
        return;
    }
    accept();
}
