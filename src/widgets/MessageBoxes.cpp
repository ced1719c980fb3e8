#include "widgets/MessageBoxes.h"

#include "widgets/ScreenFit.h"
#include "widgets/SystemErrorTexts.h"
#include "widgets/WholePaths.h"

#include <QDialog>
#include <QWidget>

namespace {
ModalHook& hook() {
    static ModalHook h;
    return h;
}
} // namespace

ModalHook SetModalHook(ModalHook h) {
    ModalHook previous = std::move(hook());
    hook() = std::move(h);
    return previous;
}

int RunModal(QDialog& dialog) {
    // The operating system's words inside a message, in the program's language.
    if (auto* box = qobject_cast<QMessageBox*>(&dialog))
        box->setText(InProgramLanguage(box->text()));
    // Sized and placed before anyone sees it, the hook's windows as the user's.
    FitToScreen(dialog);
    if (hook())
        return hook()(dialog);
    // Modal to the window it belongs to, not to the whole program: the guide, opened with F1
    // from here, stays usable beside it.
    if (dialog.parentWidget() && dialog.windowModality() == Qt::NonModal)
        dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec();
}

QString MessageTitle(const QWidget* parent) {
    const QString title = parent ? parent->window()->windowTitle() : QString();
    return title.isEmpty() ? QStringLiteral("TD700_File") : title;
}

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                 const QString& title) {
    QMessageBox box(icon, title.isEmpty() ? MessageTitle(parent) : title, KeepPathsWhole(text),
                    QMessageBox::Ok, parent);
    RunModal(box);
}

bool AskYesNo(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, KeepPathsWhole(text),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return RunModal(box) == QMessageBox::Yes;
}
