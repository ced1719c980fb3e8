#include "screens/ScreenRegistry.h"

#include "widgets/ScreenFit.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <QWidget>

namespace {

// Offscreen windows have no frame; a plain title strip keeps each picture's caption visible.
QPixmap withTitleBar(QWidget& window) {
    const QPixmap body = window.grab();
    if (body.isNull())
        return body;
    const qreal dpr = body.devicePixelRatio();
    const QSize bodySize = body.deviceIndependentSize().toSize();
    const int titleHeight = ScreenContext::titleFrame(window).top();
    QPixmap out(QSize(bodySize.width(), bodySize.height() + titleHeight) * dpr);
    out.setDevicePixelRatio(dpr);
    out.fill(Qt::white);
    QPainter p(&out);
    p.fillRect(QRect(0, 0, bodySize.width(), titleHeight), QColor(0x2b, 0x33, 0x3d));
    p.setPen(Qt::white);
    QFont f = window.font();
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(12, 0, bodySize.width() - 24, titleHeight), Qt::AlignVCenter | Qt::AlignLeft,
               window.windowTitle());
    p.drawPixmap(0, titleHeight, body);
    p.setPen(QColor(0x2b, 0x33, 0x3d));
    p.drawRect(QRect(0, 0, bodySize.width() - 1, bodySize.height() + titleHeight - 1));
    return out;
}

} // namespace

ScreenContext::ScreenContext(QString outputDir, Mode mode)
    : m_outputDir(std::move(outputDir))
    , m_mode(mode) {}

namespace {
QMargins titleOfFont(const QFont& font) {
    return {0, QFontMetrics(font).height() + 14, 0, 0};
}
} // namespace

QMargins ScreenContext::titleFrame(const QWidget& window) {
    return titleOfFont(window.font());
}

QSize ScreenContext::mainWindowSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize area = screen ? screen->availableGeometry().size() : QSize(1280, 720);
    return area - QSize(0, titleOfFont(QApplication::font()).top());
}

bool ScreenContext::save(QWidget& widget, const QString& name) {
    if (m_mode == Mode::Check)
        return check(widget, name);
    if (widget.isWindow())
        FitToScreen(widget, titleFrame(widget));
    if (!widget.isVisible())
        widget.show();
    settle();
    const QString path = QDir(m_outputDir).filePath(name + QStringLiteral(".png"));
    const QPixmap pixmap = widget.isWindow() ? withTitleBar(widget) : widget.grab();
    if (pixmap.isNull() || !pixmap.save(path)) {
        QTextStream(stderr) << "td700-screens: cannot write " << path << '\n';
        return false;
    }
    m_written << path;
    return true;
}

void ScreenContext::settle() {
    // Two rounds: the first lays out, the second paints what the layout settled on.
    for (int i = 0; i < 2; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents();
    }
}

bool ScreenContext::check(QWidget& widget, const QString& name) {
    m_written << name;
    if (!widget.isWindow())
        return true;
    // The title strip of the pictures stands for the title bar a window system adds.
    const QMargins title = titleFrame(widget);
    FitToScreen(widget, title);
    if (!widget.isVisible())
        widget.show();
    settle();
    // A dialog shown over its window was placed by the platform's idea of the frame.
    FitToScreen(widget, title);
    if (onShown)
        onShown(widget, name);
    const QRect area = AvailableArea(widget);
    const QRect outer = widget.geometry().marginsAdded(title);
    const auto text = [](const QRect& r) {
        return QStringLiteral("%1x%2 at %3,%4")
            .arg(r.width())
            .arg(r.height())
            .arg(r.x())
            .arg(r.y());
    };
    if (!area.contains(outer))
        m_problems << QStringLiteral("%1: the window with its title bar (%2) leaves the available "
                                     "area (%3)")
                          .arg(name, text(outer), text(area));
    // A layout given less than its minimum overlaps or cuts off what it holds.
    const QSize least = widget.minimumSizeHint();
    if (least.isValid() && (widget.width() < least.width() || widget.height() < least.height()))
        m_problems << QStringLiteral("%1: %2x%3 is less than the layout needs (%4x%5)")
                          .arg(name)
                          .arg(widget.width())
                          .arg(widget.height())
                          .arg(least.width())
                          .arg(least.height());
    return true;
}

bool ScreenContext::saveImage(const QImage& image, const QString& name) {
    if (m_mode == Mode::Check) {
        m_written << name;
        return true;
    }
    const QString path = QDir(m_outputDir).filePath(name + QStringLiteral(".png"));
    if (image.isNull() || !image.save(path)) {
        QTextStream(stderr) << "td700-screens: cannot write " << path << '\n';
        return false;
    }
    m_written << path;
    return true;
}

void ScreenRegistry::add(const QString& name, const QString& description, Render render) {
    m_entries.push_back({name, description, std::move(render)});
}
