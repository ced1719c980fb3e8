#include "monitor/MonitorStyle.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

namespace MonitorStyle {

QColor windowColour() {
    return QColor(0x1d, 0x22, 0x28);
}
QColor panelColour() {
    return QColor(0x27, 0x2d, 0x35);
}
QColor panelEdge() {
    return QColor(0x3c, 0x45, 0x50);
}
QColor captionColour() {
    return QColor(0x9a, 0xa8, 0xb6);
}
QColor figureColour() {
    return QColor(0xf2, 0xf5, 0xf8);
}
QColor warningColour() {
    return QColor(0xff, 0xb0, 0x20);
}
int traceOffRgb() {
    return 0x686058;
} // a muted grey (0xBBGGRR)

void applyWindowPalette(QWidget* window) {
    QPalette p = window->palette();
    p.setColor(QPalette::Window, windowColour());
    p.setColor(QPalette::WindowText, figureColour());
    p.setColor(QPalette::Base, panelColour());
    p.setColor(QPalette::AlternateBase, panelColour().lighter(110));
    p.setColor(QPalette::Text, figureColour());
    p.setColor(QPalette::Button, QColor(0x33, 0x3b, 0x45));
    p.setColor(QPalette::ButtonText, figureColour());
    p.setColor(QPalette::Mid, panelEdge());
    p.setColor(QPalette::Light, panelEdge().lighter(130));
    p.setColor(QPalette::Dark, windowColour().darker(130));
    window->setPalette(p);
    window->setAutoFillBackground(true);
}

namespace {

class PanelFrame final : public QFrame {
public:
    using QFrame::QFrame;

protected:
    // A panel is repainted under its figures whenever one changes: the rounded panel is drawn
    // once per size and then copied.
    void paintEvent(QPaintEvent*) override {
        const qreal ratio = devicePixelRatioF();
        if (m_face.isNull() || m_face.deviceIndependentSize() != QSizeF(size()) ||
            m_face.devicePixelRatio() != ratio) {
            m_face = QPixmap(size() * ratio);
            m_face.setDevicePixelRatio(ratio);
            m_face.fill(Qt::transparent);
            QPainter p(&m_face);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(panelEdge(), 1));
            p.setBrush(panelColour());
            p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        }
        QPainter(this).drawPixmap(0, 0, m_face);
    }

private:
    QPixmap m_face;
};

} // namespace

QFrame* panel(QWidget* parent) {
    return new PanelFrame(parent);
}

QLabel* caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    styleCaption(label);
    return label;
}

void styleCaption(QLabel* label) {
    QFont f = label->font();
    f.setPixelSize(11);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
    label->setFont(f);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, captionColour());
    label->setPalette(p);
}

QLabel* figure(QWidget* parent, int pixelSize) {
    auto* label = new QLabel(parent);
    QFont f = label->font();
    f.setPixelSize(pixelSize);
    f.setBold(true);
    label->setFont(f);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, figureColour());
    label->setPalette(p);
    return label;
}

QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = figure(parent, 18);
    label->setText(text);
    QFont f = label->font();
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    label->setFont(f);
    return label;
}

} // namespace MonitorStyle
