#include "widgets/LanguageFollower.h"

#include <QEvent>
#include <QWidget>

LanguageFollower::LanguageFollower(QWidget* owner)
    : QObject(owner) {
    owner->installEventFilter(this);
}

void LanguageFollower::add(std::function<void()> setTexts) {
    setTexts();
    m_setTexts.push_back(std::move(setTexts));
}

void LanguageFollower::reapply() {
    for (const auto& setTexts : m_setTexts)
        setTexts();
}

bool LanguageFollower::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::LanguageChange)
        reapply();
    return QObject::eventFilter(watched, event);
}
