#include "widgets/ScreenFit.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

QMargins frameOf(const QWidget& w) {
    if (!w.isWindow() || !w.isVisible())
        return {};
    const QRect f = w.frameGeometry();
    const QRect g = w.geometry();
    return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

const QWidget* anchorOf(const QWidget& window) {
    return window.parentWidget() ? window.parentWidget()->window() : nullptr;
}

} // namespace

QRect AvailableArea(const QWidget& window) {
    const QWidget* anchor = anchorOf(window);
    QScreen* screen = anchor ? anchor->screen() : window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1280, 720);
}

QMargins ExpectedFrame(const QWidget& window) {
    if (const QMargins own = frameOf(window); !own.isNull())
        return own;
    if (const QWidget* anchor = anchorOf(window))
        if (const QMargins m = frameOf(*anchor); !m.isNull())
            return m;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* w : windows)
        if (const QMargins m = frameOf(*w); !m.isNull())
            return m;
    // No window shows its frame yet: a title bar of a usual height, thin borders.
    const int title = std::max(30, window.fontMetrics().height() * 2);
    return {4, title, 4, 4};
}

void FitToScreen(QWidget& window, std::optional<QMargins> frame) {
    if (!window.isWindow())
        return;
    const QRect area = AvailableArea(window);
    const QMargins m = frame.value_or(ExpectedFrame(window));
    const QSize room(std::max(1, area.width() - m.left() - m.right()),
                     std::max(1, area.height() - m.top() - m.bottom()));
    const QSize wanted = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
    const QSize size = wanted.boundedTo(room);
    if (size != window.size() || !window.testAttribute(Qt::WA_Resized))
        window.resize(size);

    // Placed by its inside (the window system puts the frame around it), the frame counted.
    const QSize outer(size.width() + m.left() + m.right(), size.height() + m.top() + m.bottom());
    const auto inside = [&](QPoint outerTopLeft) {
        const int x = std::clamp(outerTopLeft.x(), area.left(),
                                 std::max(area.left(), area.right() + 1 - outer.width()));
        const int y = std::clamp(outerTopLeft.y(), area.top(),
                                 std::max(area.top(), area.bottom() + 1 - outer.height()));
        return QPoint(x + m.left(), y + m.top());
    };
    if (window.isVisible() || window.testAttribute(Qt::WA_Moved)) {
        const QPoint at = inside(window.geometry().topLeft() - QPoint(m.left(), m.top()));
        if (at != window.geometry().topLeft())
            window.setGeometry(QRect(at, size));
        return;
    }
    // Centred over the window it belongs to, or on the screen; the platform's own placing of a
    // dialog leaves out the lower frame.
    const QWidget* anchor = anchorOf(window);
    const QPoint centre =
        anchor && anchor->isVisible() ? anchor->frameGeometry().center() : area.center();
    window.setGeometry(QRect(inside(centre - QPoint(outer.width() / 2, outer.height() / 2)), size));
}
