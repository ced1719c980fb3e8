#include "app/frmTD_SetPort.h"

#include "core/FileWrite.h"
#include "widgets/WholePaths.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The request interval an empty eighth line of Comm.CFG stands for.
constexpr int kStandardInterval = 50;

QComboBox* makeBox(const QString& objectName, const QStringList& items, bool editable,
                   QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->setEditable(editable);
    box->addItems(items);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

// A box shows the stored text even when it is not one of its items.
void showText(QComboBox* box, const QString& text) {
    const int i = box->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (i >= 0)
        box->setCurrentIndex(i);
    else if (box->isEditable())
        box->setEditText(text);
    else {
        box->addItem(text);
        box->setCurrentIndex(box->count() - 1);
    }
}

} // namespace

frmTD_SetPort::frmTD_SetPort(const PortSettings& current, const QString& commCfgPath,
                             PortTester tester, QWidget* parent)
    : QDialog(parent)
    , m_path(commCfgPath)
    , m_tester(std::move(tester)) {
    setObjectName(QStringLiteral("frmTD_SetPort"));
    setWindowTitle(tr("Port Setup"));

    // Every box but the port offers its list only; the port box also takes any name typed
    // (a device path, tcp://host:port).
    cmbPort = makeBox(QStringLiteral("cmbPort"), OfferedPortNames(), true, this);
    cmbPort->lineEdit()->setPlaceholderText(tr("COM1, /dev/ttyUSB0, tcp://host:502 or DEMO"));
    cmbPort->setMinimumContentsLength(22);
    cmbBaud = makeBox(QStringLiteral("cmbBaud"),
                      {QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"),
                       QStringLiteral("57600")},
                      true, this);
    cmbParity =
        makeBox(QStringLiteral("cmbParity"),
                {QStringLiteral("N"), QStringLiteral("E"), QStringLiteral("O")}, true, this);
    cmbData =
        makeBox(QStringLiteral("cmbData"), {QStringLiteral("7"), QStringLiteral("8")}, true, this);
    cmbStop =
        makeBox(QStringLiteral("cmbStop"), {QStringLiteral("1"), QStringLiteral("2")}, true, this);
    cmbProtocol =
        makeBox(QStringLiteral("cmbProtocol"), {QStringLiteral("Modbus RTU")}, true, this);
    cmbRTS = makeBox(QStringLiteral("cmbRTS"), {QStringLiteral("OFF"), QStringLiteral("ON")}, true,
                     this);

    txtInterval = new QSpinBox(this);
    txtInterval->setObjectName(QStringLiteral("txtInterval"));
    txtInterval->setRange(0, 60000);
    txtInterval->setSingleStep(10);
    txtInterval->setSuffix(tr(" ms"));
    txtInterval->setSpecialValueText(tr("Shortest"));
    txtInterval->setToolTip(tr("Pause of the scheduler between requests (standard 50 ms). It "
                               "never goes below the silence a frame needs at the chosen baud "
                               "rate; Shortest sends the next request as soon as that silence "
                               "has passed after the reply."));

    // Off by default: every online meter is then asked in every cycle, as it always was.
    cmbBackoff = new QComboBox(this);
    cmbBackoff->setObjectName(QStringLiteral("cmbBackoff"));
    cmbBackoff->addItem(tr("Off: every meter in every cycle"), 0);
    for (int cycles = 2; cycles <= 64; cycles *= 2)
        cmbBackoff->addItem(tr("Back off up to %1 cycles").arg(cycles), cycles);
    cmbBackoff->setToolTip(
        tr("A meter that stopped answering costs the others about three time-outs per cycle. "
           "With back-off it is asked only every 2, 4, 8 ... cycles, up to the chosen limit, "
           "and in every cycle again as soon as it answers."));
    const int backoff = current.backoffLimit();
    int backoffIndex = cmbBackoff->findData(backoff);
    if (backoffIndex < 0) {
        cmbBackoff->addItem(tr("Back off up to %1 cycles").arg(backoff), backoff);
        backoffIndex = cmbBackoff->count() - 1;
    }
    cmbBackoff->setCurrentIndex(backoffIndex);

    showText(cmbPort, current.portName);
    showText(cmbBaud, current.baud);
    showText(cmbParity, current.parity);
    showText(cmbData, current.dataBits);
    showText(cmbStop, current.stopBits);
    showText(cmbProtocol, current.protocol);
    showText(cmbRTS, current.rts);
    bool ok = false;
    const int interval = current.txInterval.trimmed().toInt(&ok);
    txtInterval->setValue(ok && interval >= 0 ? interval : kStandardInterval);

    lblMsg = new QLabel(this);
    lblMsg->setObjectName(QStringLiteral("lblMsg"));
    lblMsg->setWordWrap(true);
    lblMsg->setMinimumHeight(fontMetrics().height() * 2 + 8);
    lblMsg->setStyleSheet(QStringLiteral("QLabel { color: #b3261e; }"));

    auto* line = new QGroupBox(tr("Serial line"), this);
    auto* lineForm = new QFormLayout(line);
    lineForm->addRow(tr("Port"), cmbPort);
    lineForm->addRow(tr("Baud rate"), cmbBaud);
    lineForm->addRow(tr("Parity"), cmbParity);
    lineForm->addRow(tr("Data bits"), cmbData);
    lineForm->addRow(tr("Stop bits"), cmbStop);

    auto* proto = new QGroupBox(tr("Protocol"), this);
    auto* protoForm = new QFormLayout(proto);
    protoForm->addRow(tr("Protocol"), cmbProtocol);
    protoForm->addRow(tr("RTS control"), cmbRTS);
    protoForm->addRow(tr("Request interval"), txtInterval);
    protoForm->addRow(tr("Silent meters"), cmbBackoff);

    // The two groups' fields line up.
    int labelWidth = 0;
    for (QFormLayout* form : {lineForm, protoForm})
        for (int r = 0; r < form->rowCount(); ++r)
            if (QWidget* label = form->itemAt(r, QFormLayout::LabelRole)->widget())
                labelWidth = std::max(labelWidth, label->sizeHint().width());
    for (QFormLayout* form : {lineForm, protoForm})
        for (int r = 0; r < form->rowCount(); ++r)
            if (QWidget* label = form->itemAt(r, QFormLayout::LabelRole)->widget())
                label->setMinimumWidth(labelWidth);

    auto* buttons = new QDialogButtonBox(this);
    btnOK = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &frmTD_SetPort::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &frmTD_SetPort::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(line);
    layout->addWidget(proto);
    layout->addWidget(lblMsg);
    layout->addWidget(buttons);

    // Choosing a port from the list tests it at once; a typed name is tested when the
    // typing is done (a network name may take a moment to answer).
    connect(cmbPort, &QComboBox::activated, this, [this] { testPort(); });
    connect(cmbPort->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (cmbPort->lineEdit()->isModified()) {
            cmbPort->lineEdit()->setModified(false);
            testPort();
        }
    });
    testPort();
}

PortSettings frmTD_SetPort::settings() const {
    PortSettings s;
    s.portName = cmbPort->currentText().trimmed();
    s.baud = cmbBaud->currentText();
    s.parity = cmbParity->currentText();
    s.dataBits = cmbData->currentText();
    s.stopBits = cmbStop->currentText();
    s.protocol = cmbProtocol->currentText();
    s.rts = cmbRTS->currentText();
    s.txInterval = txtInterval->value() == kStandardInterval
                       ? QString()
                       : QString::number(txtInterval->value());
    const int backoff = cmbBackoff->currentData().toInt();
    s.backoff = backoff > 0 ? QString::number(backoff) : QString();
    return s;
}

QString frmTD_SetPort::message() const {
    return WithoutJoiners(lblMsg->text());
}

void frmTD_SetPort::testPort() {
    const PortSettings s = settings();
    lblMsg->setText(m_tester ? KeepPathsWhole(m_tester(s.portName, s.lineSettings())) : QString());
}

void frmTD_SetPort::accept() {
    QString error;
    if (!SavePortSettings(m_path, settings(), &error)) {
        // The dialog stays: the user frees space or cancels, and knows which it was.
        lblMsg->setText(KeepPathsWhole(NotSavedMessage(m_path, error)));
        return;
    }
    QDialog::accept();
}
