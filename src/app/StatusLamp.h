#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <optional>

class Clock;

// A send or receive indicator: a round lamp with its caption ("SEND", "RECV"), lit while a
// frame goes out or comes in. A dark spell shorter than kShortestDarkMs is not shown: on the
// screen it would last a frame or none, and each way it costs a repaint; with polling at the
// standard interval the lamps go dark and light again within a few milliseconds all the time.
class StatusLamp : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShortestDarkMs = 40;

    StatusLamp(const QString& caption, const QColor& litColour, Clock& clock,
               QWidget* parent = nullptr);

    // As last set; isShownLit(): as on the screen.
    bool isLit() const { return m_lit; }
    bool isShownLit() const { return m_shownLit; }
    void setCaption(const QString& caption);
    void setLit(bool lit);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void drawFace(QPainter& p, bool lit) const;
    void showLit(bool lit);

    Clock& m_clock;
    QString m_caption;
    QColor m_litColour;
    bool m_lit = false;
    bool m_shownLit = false;
    std::optional<quint64> m_darkening; // the clock's id of the pending dark look
    // The lamp flashes with every frame: each look is drawn once (a shaded circle and a
    // laid-out caption) and then only copied. Index 0 dark, 1 lit.
    QPixmap m_faces[2];
    QRect m_facesFor; // the geometry they were drawn for
};
