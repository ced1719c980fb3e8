#pragma once

#include <QMessageBox>
#include <functional>

class QDialog;

// Every modal window and message box of the program is run through RunModal, so that the
// screenshot renderer and the tests can show them without blocking, and answer them.
// The hook receives the dialog, fully built, and returns what exec() would have returned.
using ModalHook = std::function<int(QDialog& dialog)>;

// Installs a hook for the whole program (empty: exec() again); returns the previous one.
ModalHook SetModalHook(ModalHook hook);
int RunModal(QDialog& dialog);

// The program's title for its message boxes.
QString MessageTitle();

// A short message with an OK button ("Check.", a missing file, ...).
void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                 const QString& title = MessageTitle());
// A Yes/No question; true for Yes.
bool AskYesNo(QWidget* parent, const QString& title, const QString& text);
