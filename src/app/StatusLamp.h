#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// A send or receive indicator: a round lamp with its caption ("SEND", "RECV"), lit while a
// frame goes out or comes in.
class StatusLamp : public QWidget {
    Q_OBJECT
public:
    StatusLamp(const QString& caption, const QColor& litColour, QWidget* parent = nullptr);

    bool isLit() const { return m_lit; }
    void setCaption(const QString& caption);
    void setLit(bool lit);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void drawFace(QPainter& p, bool lit) const;

    QString m_caption;
    QColor m_litColour;
    bool m_lit = false;
    // The lamp flashes with every frame: each look is drawn once (a shaded circle and a
    // laid-out caption) and then only copied. Index 0 dark, 1 lit.
    QPixmap m_faces[2];
    QRect m_facesFor; // the geometry they were drawn for
};
