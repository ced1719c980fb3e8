#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// "Input": the text of a channel formula (frmInputKey_CH) or a memory formula
// (frmInputKey_MEM). OK accepts only the characters a formula may hold; anything else says
// "Disable Character." and the dialog stays open.
class frmInputKey : public QDialog {
    Q_OBJECT
public:
    enum class Kind { ChannelFormula, MemoryFormula };
    frmInputKey(Kind kind, const QString& formula, QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }
    QString text() const;
    QLineEdit* txtInputBox() const { return m_box; }
    // What "&OK" does: true (and the dialog accepted) when the text is a valid formula.
    bool btnOK_Click();

private:
    Kind m_kind;
    QLineEdit* m_box = nullptr;
};
