#include "monitor/MonitorIcons.h"

#include "core/AppPaths.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>

namespace {

void drawSpeaker(QPainter& p, const QColor& body) {
    QPainterPath speaker;
    speaker.moveTo(4, 12);
    speaker.lineTo(10, 12);
    speaker.lineTo(17, 5);
    speaker.lineTo(17, 27);
    speaker.lineTo(10, 20);
    speaker.lineTo(4, 20);
    speaker.closeSubpath();
    p.setPen(QPen(body.darker(160), 1.2));
    p.setBrush(body);
    p.drawPath(speaker);
}

void drawCard(QPainter& p, const QColor& body, const QColor& edge) {
    QPainterPath card;
    card.moveTo(9, 3);
    card.lineTo(26, 3);
    card.lineTo(26, 29);
    card.lineTo(6, 29);
    card.lineTo(6, 7);
    card.closeSubpath();
    p.setPen(QPen(edge, 1.5));
    p.setBrush(body);
    p.drawPath(card);
    p.setPen(QPen(edge, 1.5));
    for (int x = 11; x <= 23; x += 4)
        p.drawLine(QPointF(x, 5), QPointF(x, 10));
}

} // namespace

QString MonitorIcons::fileName(Icon icon) {
    switch (icon) {
    case SoundOn:
        return QStringLiteral("SoundON.ico");
    case SoundOff:
        return QStringLiteral("SoundOFF.ico");
    case CardNone:
        return QStringLiteral("MEM00.ico");
    case CardPresent:
        return QStringLiteral("MEM01.ico");
    case CardInUse:
        return QStringLiteral("MEM02.ico");
    case IconCount:
        break;
    }
    return {};
}

QPixmap MonitorIcons::drawn(Icon icon, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0); // drawn on a 32 x 32 grid
    switch (icon) {
    case SoundOn: {
        drawSpeaker(p, QColor(255, 196, 0));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(230, 40, 30), 2.4, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            const double r = 5 + 4.5 * i;
            p.drawArc(QRectF(17 - r, 16 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
        }
        break;
    }
    case SoundOff:
        drawSpeaker(p, QColor(150, 150, 150));
        p.setPen(QPen(QColor(110, 110, 110), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(21, 12), QPointF(29, 20));
        p.drawLine(QPointF(29, 12), QPointF(21, 20));
        break;
    case CardNone:
        p.setOpacity(0.55);
        drawCard(p, QColor(200, 200, 200), QColor(120, 120, 120));
        p.setOpacity(1);
        p.setPen(QPen(QColor(200, 30, 30), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 28), QPointF(28, 4));
        break;
    case CardPresent:
        drawCard(p, QColor(70, 110, 170), QColor(30, 50, 90));
        break;
    case CardInUse:
        drawCard(p, QColor(70, 110, 170), QColor(30, 50, 90));
        p.setPen(QPen(QColor(0, 90, 0), 1));
        p.setBrush(QColor(40, 230, 60));
        p.drawEllipse(QPointF(16, 21), 5, 5);
        break;
    case IconCount:
        break;
    }
    return pm;
}

MonitorIcons::MonitorIcons(const AppPaths* paths, int size) {
    for (int i = 0; i < IconCount; ++i) {
        const auto icon = Icon(i);
        if (paths && !paths->home().isEmpty()) {
            const QString path = paths->file(fileName(icon));
            if (QFileInfo::exists(path)) {
                QImageReader reader(path);
                const QImage image = reader.read();
                if (!image.isNull()) {
                    m_pixmaps[i] = QPixmap::fromImage(
                        image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
                    m_fromFile[i] = true;
                    continue;
                }
            }
        }
        m_pixmaps[i] = drawn(icon, size);
    }
}
