#include "widgets/CheckedButtons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

CheckedButtons AddCheckedButtons(QDialog* dialog, QBoxLayout* layout, std::function<void()> onOk) {
    CheckedButtons out;
    out.error = new QLabel(dialog);
    out.error->setObjectName(QStringLiteral("lblError"));
    out.error->setWordWrap(true);
    out.error->setStyleSheet(QStringLiteral("QLabel { color: #b3261e; }"));
    out.error->hide();
    layout->addWidget(out.error);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    out.ok = buttons->button(QDialogButtonBox::Ok);
    out.ok->setObjectName(QStringLiteral("btnOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    // Not the button box's accepted(): OK may refuse and keep the dialog open.
    QObject::connect(out.ok, &QPushButton::clicked, dialog, std::move(onOk));
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return out;
}
