#include "pages/frmInputKey.h"

#include "pagerules/ChannelInputs.h"
#include "widgets/MessageBoxes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmInputKey::frmInputKey(Kind kind, const QString& formula, QWidget* parent)
    : QDialog(parent)
    , m_kind(kind) {
    setObjectName(kind == Kind::ChannelFormula ? QStringLiteral("frmInputKey_CH")
                                               : QStringLiteral("frmInputKey_MEM"));
    setWindowTitle(tr("Input"));
    const int length = kind == Kind::ChannelFormula ? ChannelFormulaLength : MemoryFormulaLength;
    m_box = new QLineEdit(formula.left(length), this);
    m_box->setObjectName(QStringLiteral("txtInputBox"));
    m_box->setMaxLength(length);
    m_box->setMinimumWidth(kind == Kind::ChannelFormula ? 560 : 260);
    auto* hint = new QLabel(tr("Letters A-D, F-I, L-X, digits, space and ( ) + - * / ^ % , : . "
                               "(at most %1 characters)")
                                .arg(length),
                            this);
    hint->setWordWrap(true);
    auto* ok = new QPushButton(tr("&OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { btnOK_Click(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_box);
    layout->addWidget(hint);
    layout->addLayout(buttons);
}

QString frmInputKey::text() const {
    return m_box->text();
}

bool frmInputKey::btnOK_Click() {
    if (!IsValidFormula(m_box->text())) {
        // The message names the characters a formula takes (its translation does).
        ShowMessage(this, QMessageBox::Warning, tr("Disable Character.", "a formula"));
        m_box->setFocus();
        return false;
    }
    accept();
    return true;
}
