#include "app/screens/ScreenRegistry.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
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
    const int titleHeight = window.fontMetrics().height() + 14;
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

ScreenContext::ScreenContext(QString outputDir, QSize mainWindowSize)
    : m_outputDir(std::move(outputDir))
    , m_mainSize(mainWindowSize) {}

bool ScreenContext::save(QWidget& widget, const QString& name) {
    if (!widget.isVisible())
        widget.show();
    // Two rounds: the first lays out, the second paints what the layout settled on.
    for (int i = 0; i < 2; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents();
    }
    const QString path = QDir(m_outputDir).filePath(name + QStringLiteral(".png"));
    const QPixmap pixmap = widget.isWindow() ? withTitleBar(widget) : widget.grab();
    if (pixmap.isNull() || !pixmap.save(path)) {
        QTextStream(stderr) << "td700-screens: cannot write " << path << '\n';
        return false;
    }
    m_written << path;
    return true;
}

bool ScreenContext::saveImage(const QImage& image, const QString& name) {
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
