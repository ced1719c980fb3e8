#pragma once

#include "comm/ChannelDisplay.h"
#include "monitor/TrendModel.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <array>
#include <optional>

// The trend's picture: on the left a scale strip per channel (range texts turned by 90
// degrees and a small bar in the channel colour level with the present value), on the right
// the fixed viewport through which the wide drawing surface scrolls, and under it the time
// labels. Positions arrive in twips and are mapped to pixels so that the design width fills
// the viewport. The traces are drawn onto the surface as they come, one segment per channel
// and tick, and the surface is redrawn whole only when told to.
class TrendGraph : public QWidget {
    Q_OBJECT
public:
    struct Scale {
        QString maxText, midText, minText;
        int colour = 0xFFFFFF;
        bool traceOn = true;
        std::optional<int> y; // twips on the drawing surface; none: no bar
        bool operator==(const Scale&) const = default;
    };

    TrendGraph(const TrendModel& model, QWidget* parent = nullptr);

    void setWhiteBackground(bool white);
    bool whiteBackground() const { return m_white; }
    void setMarksEnabled(bool on) { m_marksEnabled = on; }
    bool marksEnabled() const { return m_marksEnabled; }
    void setScales(const std::array<Scale, ChannelDisplay::MaxChannels>& scales);
    void setTimeLabels(const QStringList& labels); // six captions, the newest last

    // Height of the drawing surface in twips (the h of every y).
    int surfaceHeight() const { return m_surfaceHeight; }
    double pixelsPerTwip() const { return m_scale; }

    // Draws on the surface as it is.
    void drawSegments(const QVector<TrendSegment>& segments,
                      const std::array<int, ChannelDisplay::MaxChannels>& colours);
    void drawMarks(const QVector<TrendMark>& marks);
    // Clears the surface and draws it anew.
    void redraw(const QVector<TrendSegment>& segments,
                const std::array<int, ChannelDisplay::MaxChannels>& colours,
                const QVector<TrendMark>& marks);

    // The picture's parts, in widget pixels.
    QRect viewportRect() const;
    QRect scaleRect(int channel) const;
    // Where a scale bar stands (its centre), in widget pixels; none when hidden.
    std::optional<int> scaleBarY(int channel) const;
    // Where the caption of the j-th time line from the newest stands under the axis; none once
    // the line has scrolled out of the picture.
    std::optional<QRectF> timeLabelRect(int j) const;
    // The marks' numbers as they show (a count "+3" where a stack had no room for them all),
    // and where, in pixels on the surface.
    QStringList markTexts() const;
    QList<QRectF> markBoxes() const;
    // Pixel x in the widget of a twips x on the surface, with the surface's present scroll.
    double screenX(int surfaceX) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // The surface changed size: its contents must be redrawn (heights in twips).
    void surfaceResized(int oldHeight, int newHeight);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // A scale strip without its bar: the number chip and the range texts, drawn turned.
    void drawStrip(QPainter& p, int channel, const QRect& r) const;
    void layoutParts();
    void drawMarkOn(QPainter& p, const TrendMark& mark);
    QPointF toPixels(const QPoint& twips) const;
    int strips() const { return m_model.variant().channels; }
    int stripWidth() const;
    // The captions under the time axis, newest first.
    QStringList axisTexts() const;

    const TrendModel& m_model;
    std::array<Scale, ChannelDisplay::MaxChannels> m_scales{};
    QStringList m_timeLabels;
    bool m_white = false;
    bool m_marksEnabled = true;
    double m_scale = 1.0 / 15;  // pixels per twip
    int m_surfaceHeight = 4000; // twips
    QRect m_viewport;
    QImage m_surface;
    // The strips are repainted with every refresh as the trend moves on, but their texts
    // change only with the settings: each is drawn once into a picture and then copied.
    struct StripFace {
        QPixmap picture;
        Scale drawnFor; // its bar position left out
    };
    mutable std::array<StripFace, ChannelDisplay::MaxChannels> m_stripFaces{};
    // The marks' numbers where they stand on the surface, drawn over it: a number that would
    // cover another is stacked above (or below) it; where a stack fills the picture's height
    // its last number gives way to a count of the numbers not shown ("+3").
    struct MarkLabel {
        QRectF box;
        QString text;
        QColor colour;
        int hidden = 0;
    };
    void addMarkLabel(const MarkLabel& label);
    QFont markFont() const;
    QVector<MarkLabel> m_markLabels;
};
