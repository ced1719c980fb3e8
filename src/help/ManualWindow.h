#pragma once

#include <QMainWindow>

class Guide;
class QTextBrowser;

// "TD700 Manual": the whole guide as one document, to read through, print or keep as a PDF.
class ManualWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ManualWindow(const Guide& guide, QWidget* parent = nullptr);

    QTextBrowser* view() const { return m_view; }
    void print();
    // Asks where, then writes the manual there as a PDF file; says so when it could not.
    void saveAsPdf();

private:
    const Guide& m_guide;
    QTextBrowser* m_view = nullptr;
};
