#pragma once

#include <functional>

class QBoxLayout;
class QDialog;
class QLabel;
class QPushButton;

// The foot of a settings dialog whose OK checks before it closes: a line that says what is
// wrong (hidden until then), then OK ("btnOK") and Cancel ("btnCancel"). OK runs `onOk`, which
// accepts the dialog or shows the problem in the line; Cancel rejects.
struct CheckedButtons {
    QLabel* error = nullptr; // "lblError"
    QPushButton* ok = nullptr;
};
CheckedButtons AddCheckedButtons(QDialog* dialog, QBoxLayout* layout, std::function<void()> onOk);
