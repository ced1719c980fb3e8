#pragma once

#include <QMainWindow>

class Guide;
class QAction;
class QTextBrowser;
class QToolBar;

// "TD700 Manual": the whole guide as one document, to read through, print or keep as a PDF.
// It follows the program's language: when the language changes, it holds the guide of the
// new language (Guide::instance()), at the same page and section.
class ManualWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ManualWindow(const Guide& guide, QWidget* parent = nullptr);

    const Guide& guide() const { return *m_guide; }
    // Holds another guide from here on; nothing happens for the guide it holds.
    void setGuide(const Guide& guide);

    QTextBrowser* view() const { return m_view; }
    void print();
    // Asks where, then writes the manual there as a PDF file; says so when it could not.
    void saveAsPdf();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    const Guide* m_guide;
    QTextBrowser* m_view = nullptr;
    QToolBar* m_bar = nullptr;
    QAction* m_top = nullptr;
    QAction* m_print = nullptr;
    QAction* m_pdf = nullptr;
};
