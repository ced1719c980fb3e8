#pragma once

#include <QObject>
#include <QPointer>

class HelpWindow;
class ManualWindow;
class QWidget;

// The guide for the whole program: F1 in any window opens the page of that window, "Help"
// the contents, "TD700 Manual" the whole guide as one document. The guide's windows stand
// beside the program's windows and stay usable while one of those is open.
//
// The guide is shown in the program's language (QLocale()): Korean pages for Korean, English
// ones otherwise; open windows of the guide follow a change of language.
//
// One centre serves the program; the newest alive is current(). It owns its windows and
// closes them when it goes.
class HelpCentre : public QObject {
    Q_OBJECT
public:
    explicit HelpCentre(QObject* parent = nullptr);
    ~HelpCentre() override;

    static HelpCentre* current();

    // Shows the guide at "PAGE" or "PAGE#ANCHOR"; an empty text is the contents.
    HelpWindow* showPage(const QString& pageAndAnchor = {});
    // Shows the page of the window that holds `widget` (or of the nearest window it belongs
    // to that has a page); the contents for a window without one.
    HelpWindow* showHelpFor(const QWidget* widget);
    // The page F1 opens for the window that holds `widget`.
    static QString pageFor(const QWidget* widget);
    ManualWindow* showManual();

    HelpWindow* helpWindow() const;
    ManualWindow* manualWindow() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void present(QWidget* window);

    QPointer<HelpWindow> m_help;
    QPointer<ManualWindow> m_manual;
};
