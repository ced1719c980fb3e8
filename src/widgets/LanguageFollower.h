#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QWidget;

// Keeps a window's texts in the program's language. Each function given sets texts (through
// tr()); it runs at once and again whenever the language changes while the window is open
// (QEvent::LanguageChange reaching the owner).
class LanguageFollower : public QObject {
    Q_OBJECT
public:
    explicit LanguageFollower(QWidget* owner);

    void add(std::function<void()> setTexts);
    // Runs every function again (the owner does so on a language change).
    void reapply();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<std::function<void()>> m_setTexts;
};
