#pragma once

#include "widgets/MessageBoxes.h"
#include "widgets/WholePaths.h"

#include <QDialog>
#include <QMessageBox>
#include <QStringList>

// Answers every modal window the program opens while it lives, and notes what each was:
// a window by its object name, a message box as "title|text".
class ModalRecorder {
public:
    explicit ModalRecorder(int messageAnswer = QMessageBox::Ok)
        : m_answer(messageAnswer) {
        m_previous = SetModalHook([this](QDialog& dialog) {
            if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
                // As the reader sees it.
                const QString text = WithoutJoiners(box->text());
                seen << box->windowTitle() + u'|' + text;
                texts << text;
                return m_answer;
            }
            seen << dialog.objectName();
            return int(QDialog::Rejected);
        });
    }
    ~ModalRecorder() { SetModalHook(m_previous); }
    ModalRecorder(const ModalRecorder&) = delete;
    ModalRecorder& operator=(const ModalRecorder&) = delete;

    QStringList seen;
    QStringList texts; // the message boxes' texts alone

private:
    int m_answer;
    ModalHook m_previous;
};
