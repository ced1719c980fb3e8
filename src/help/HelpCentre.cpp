#include "help/HelpCentre.h"

#include "help/Guide.h"
#include "help/HelpTopics.h"
#include "help/HelpWindow.h"
#include "help/ManualWindow.h"
#include "widgets/ScreenFit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QList>
#include <QWidget>

namespace {
QList<HelpCentre*>& centres() {
    static QList<HelpCentre*> list;
    return list;
}
} // namespace

HelpCentre::HelpCentre(QObject* parent)
    : QObject(parent) {
    centres().append(this);
    qApp->installEventFilter(this);
}

HelpCentre::~HelpCentre() {
    centres().removeAll(this);
    delete m_help.data();
    delete m_manual.data();
}

HelpCentre* HelpCentre::current() {
    return centres().isEmpty() ? nullptr : centres().constLast();
}

HelpWindow* HelpCentre::helpWindow() const {
    return m_help;
}

ManualWindow* HelpCentre::manualWindow() const {
    return m_manual;
}

void HelpCentre::present(QWidget* window) {
    if (!window->isVisible())
        FitToScreen(*window);
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}

HelpWindow* HelpCentre::showPage(const QString& pageAndAnchor) {
    if (!m_help) {
        // No parent: a window of the program that is open modally leaves it usable.
        m_help = new HelpWindow(Guide::instance());
        m_help->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    // In the language of the program, also where the locale changed without a translator.
    m_help->setGuide(Guide::instance());
    m_help->showPage(pageAndAnchor);
    present(m_help);
    return m_help;
}

QString HelpCentre::pageFor(const QWidget* widget) {
    for (const QWidget* w = widget ? widget->window() : nullptr; w;
         w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        const QString page = HelpTopicFor(w->objectName());
        if (!page.isEmpty())
            return page;
    }
    return {};
}

HelpWindow* HelpCentre::showHelpFor(const QWidget* widget) {
    return showPage(pageFor(widget));
}

ManualWindow* HelpCentre::showManual() {
    if (!m_manual)
        m_manual = new ManualWindow(Guide::instance());
    m_manual->setGuide(Guide::instance());
    present(m_manual);
    return m_manual;
}

bool HelpCentre::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || current() != this)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || (key->modifiers() & ~Qt::KeypadModifier))
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        widget = QApplication::activeWindow();
    if (!widget)
        return false;
    showHelpFor(widget);
    return true;
}
