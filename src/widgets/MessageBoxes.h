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

// The title of a message box of `parent`: the title of the window that asks, which names
// what the message is about; the program's name only for a box without a window.
QString MessageTitle(const QWidget* parent);

// A short message with an OK button ("Check.", a missing file, ...); titled by the window
// that asks unless `title` is given.
void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                 const QString& title = {});
// A Yes/No question; true for Yes.
bool AskYesNo(QWidget* parent, const QString& title, const QString& text);
