#pragma once

#include <QMainWindow>

class Guide;
class HelpBrowser;
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

// The guide's window: the contents and the search on the left, the page on the right, back
// and forward through the pages seen, and printing of the page shown. It follows the
// program's language: when the language changes, it shows the same page and section in the
// guide of the new language (Guide::instance()).
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpWindow(const Guide& guide, QWidget* parent = nullptr);

    const Guide& guide() const { return *m_guide; }
    // Shows another guide's pages from here on: the page shown, the contents and the results
    // of the last search, in that guide. Nothing happens for the guide shown.
    void setGuide(const Guide& guide);

    // Shows "PAGE" or "PAGE#ANCHOR"; an empty text shows the contents page.
    void showPage(const QString& pageAndAnchor = {});
    // Runs a search as if typed into the search field, and shows its results.
    void search(const QString& query);
    // Opens the n-th result of the last search, with its words marked.
    void openResult(int index);

    QString currentPage() const; // "data-saving.html"
    QString currentAnchor() const;
    HelpBrowser* browser() const { return m_browser; }
    QListWidget* results() const { return m_results; }
    QTreeWidget* contents() const { return m_contents; }

    // Prints the page shown, with the system's print dialog.
    void printPage();

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildContents();
    void followPage(const QUrl& source);
    void retranslate();
    // The results of the words last searched for, in the guide shown.
    void fillResults();

    const Guide* m_guide;
    HelpBrowser* m_browser = nullptr;
    QTabWidget* m_side = nullptr;
    QTreeWidget* m_contents = nullptr;
    QLineEdit* m_query = nullptr;
    QListWidget* m_results = nullptr;
    QLabel* m_resultCount = nullptr;
    QAction* m_back = nullptr;
    QAction* m_forward = nullptr;
    QAction* m_home = nullptr;
    QAction* m_find = nullptr;
    QAction* m_print = nullptr;
    QToolBar* m_bar = nullptr;
    QStringList m_lastTerms;
};
