#pragma once

#include <QStringList>
#include <QTextBrowser>

class Guide;

// Shows pages of the guide: the pages as the guide gives them (with their contents lists),
// the pictures shrunk to the width of the view when they are wider, links to other pages
// followed here and links out of the guide handed to the desktop. Words found by the search
// are marked on the page.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(const Guide& guide, QWidget* parent = nullptr);

    const Guide& guide() const { return *m_guide; }
    // Shows the pages of another guide (another language) from now on, starting with the page
    // shown, at the section the reader is at. The pages seen before leave the history.
    void setGuide(const Guide& guide);

    QVariant loadResource(int type, const QUrl& name) override;
    // Marks every place where one of the terms stands and shows the first; an empty list
    // takes the marks away.
    void highlight(const QStringList& terms);
    const QStringList& highlighted() const { return m_terms; }
    // How wide pictures may be; they were fitted to this width when the page was shown.
    int pictureWidth() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refitPictures();

    const Guide* m_guide;
    QStringList m_terms;
    int m_fittedWidth = 0;
};
