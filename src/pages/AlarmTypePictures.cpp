#include "pages/AlarmTypePictures.h"

#include "core/AppPaths.h"
#include "pagerules/AlarmRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>

namespace {

// The words drawn into the pictures, in the program's language.
struct AlarmTypePicturesTexts {
    Q_DECLARE_TR_FUNCTIONS(AlarmTypePictures)
};

// A file of the folder by its name in any case (a folder copied from Windows keeps the case it
// was given there).
QString findIgnoringCase(const QString& folder, const QString& name) {
    const QString exact = QDir(folder).filePath(name);
    if (QFileInfo(exact).isFile())
        return exact;
    const QStringList entries = QDir(folder).entryList(QDir::Files);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return QDir(folder).filePath(entry);
    return {};
}

QString imageFolder(const AppPaths& paths) {
    const QString folder = paths.imageFolder();
    if (QFileInfo(folder).isDir())
        return folder;
    const QStringList entries = QDir(paths.home()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(QStringLiteral("Image"), Qt::CaseInsensitive) == 0)
            return QDir(paths.home()).filePath(entry);
    return {};
}

const QColor kTrace(20, 90, 200);
const QColor kOther(120, 120, 120);
const QColor kLimit(210, 40, 30);
const QColor kBand(255, 200, 190);

// Drawing on a 176 x 112 grid: the title on top, the chart below it.
const QRectF kChart(14, 26, 150, 76);

void drawFrame(QPainter& p, int type, const QString& title) {
    p.fillRect(QRectF(0, 0, 176, 112), Qt::white);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawRect(QRectF(0.5, 0.5, 175, 111));
    QFont f = p.font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRectF(6, 3, 164, 18), Qt::AlignLeft | Qt::AlignVCenter,
               AlarmTypePicturesTexts::tr("TYPE %1").arg(type, 2, 10, QLatin1Char('0')));
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRectF(6, 3, 164, 18), Qt::AlignRight | Qt::AlignVCenter, title);
    // Axes: value up, time to the right.
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.drawLine(kChart.bottomLeft(), kChart.topLeft());
    p.drawLine(kChart.bottomLeft(), kChart.bottomRight());
}

void label(QPainter& p, const QRectF& at, const QString& text, const QColor& colour) {
    QFont f = p.font();
    f.setPixelSize(10);
    p.setFont(f);
    // A light backing keeps the words readable where a line of the chart runs under them
    // (the Korean words are longer than the English ones).
    const QRectF used = p.boundingRect(at, Qt::AlignLeft | Qt::AlignVCenter, text);
    p.fillRect(used.adjusted(-1, 0, 1, 0), QColor(255, 255, 255, 210));
    p.setPen(colour);
    p.drawText(at, Qt::AlignLeft | Qt::AlignVCenter, text);
}

QPointF at(double x, double y) { // 0..1 across the chart, y upwards
    return {kChart.left() + x * kChart.width(), kChart.bottom() - y * kChart.height()};
}

void trace(QPainter& p, std::initializer_list<QPointF> points, const QColor& colour) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& q : points) {
        if (first)
            path.moveTo(at(q.x(), q.y()));
        else
            path.lineTo(at(q.x(), q.y()));
        first = false;
    }
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    const QPointF a = at(from.x(), from.y()), b = at(to.x(), to.y());
    p.setPen(QPen(colour, 1.4));
    p.drawLine(a, b);
    const QLineF line(b, a);
    QLineF head = line;
    head.setLength(6);
    head.setAngle(line.angle() + 30);
    p.drawLine(head);
    head.setAngle(line.angle() - 30);
    p.drawLine(head);
}

// A value crossing a set value: above it (`high`) or below; the hysteresis on the side it
// comes back from.
void drawLimit(QPainter& p, bool high) {
    const double sv = high ? 0.6 : 0.4;
    const double hys = high ? sv - 0.14 : sv + 0.14;
    p.fillRect(QRectF(at(0, std::max(sv, hys)), at(1, std::min(sv, hys))), kBand);
    p.setPen(QPen(kLimit, 1.4, Qt::DashLine));
    p.drawLine(at(0, sv), at(1, sv));
    if (high)
        trace(p, {{0, 0.25}, {0.35, 0.8}, {0.6, 0.75}, {0.85, 0.3}, {1, 0.3}}, kTrace);
    else
        trace(p, {{0, 0.75}, {0.35, 0.2}, {0.6, 0.25}, {0.85, 0.7}, {1, 0.7}}, kTrace);
    label(p, QRectF(at(0.62, high ? 0.98 : 0.12), QSizeF(60, 12)), AlarmTypePicturesTexts::tr("SV"),
          kLimit);
    label(p, QRectF(at(0.02, high ? 0.44 : 0.62), QSizeF(60, 12)),
          AlarmTypePicturesTexts::tr("HYS."), kLimit.darker(130));
}

// The value against another channel: the difference beyond the error value.
void drawDeviation(QPainter& p, bool high) {
    trace(p, {{0, 0.45}, {1, 0.45}}, kOther);
    if (high)
        trace(p, {{0, 0.5}, {0.4, 0.55}, {0.7, 0.9}, {1, 0.92}}, kTrace);
    else
        trace(p, {{0, 0.4}, {0.4, 0.35}, {0.7, 0.08}, {1, 0.06}}, kTrace);
    arrow(p, {0.8, 0.45}, {0.8, high ? 0.9 : 0.08}, kLimit);
    label(p, QRectF(at(0.02, 0.32), QSizeF(70, 12)), AlarmTypePicturesTexts::tr("WITH CH."),
          kOther);
    label(p, QRectF(at(0.3, high ? 0.98 : 0.22), QSizeF(80, 12)),
          AlarmTypePicturesTexts::tr("ERROR VALUE"), kLimit);
}

// A change of more than the rate within the time unit.
void drawRate(QPainter& p, bool up) {
    const double y0 = up ? 0.2 : 0.85, y1 = up ? 0.85 : 0.2;
    trace(p, {{0, y0}, {0.3, y0}, {0.6, y1}, {1, y1}}, kTrace);
    p.setPen(QPen(kLimit, 1.2, Qt::DashLine));
    p.drawLine(at(0.3, y0), at(0.6, y0));
    p.drawLine(at(0.6, y0), at(0.6, y1));
    label(p, QRectF(at(0.32, up ? 0.14 : 0.97), QSizeF(60, 12)), AlarmTypePicturesTexts::tr("TIME"),
          kLimit);
    label(p, QRectF(at(0.63, 0.58), QSizeF(60, 12)), AlarmTypePicturesTexts::tr("RATE"), kLimit);
}

// An open input: the value runs off the top of the range.
void drawBurnout(QPainter& p) {
    trace(p, {{0, 0.4}, {0.45, 0.45}}, kTrace);
    p.setPen(QPen(kTrace, 2, Qt::DashLine));
    p.drawLine(at(0.45, 0.45), at(0.5, 1));
    p.setPen(QPen(kLimit, 2.4, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = at(0.72, 0.5);
    p.drawLine(c + QPointF(-22, 0), c + QPointF(-6, 0));
    p.drawLine(c + QPointF(6, 0), c + QPointF(22, 0));
    p.drawLine(c + QPointF(-6, 0), c + QPointF(2, -9));
    label(p, QRectF(at(0.56, 0.3), QSizeF(70, 12)), AlarmTypePicturesTexts::tr("OPEN"), kLimit);
}

// Types that set no value of their own: recording and relay only, as the title says.
void drawPlain(QPainter& p) {
    trace(p, {{0, 0.4}, {0.3, 0.55}, {0.6, 0.45}, {1, 0.6}}, kTrace);
}

} // namespace

AlarmTypePictures::AlarmTypePictures(const AppPaths* paths) {
    const QString folder = paths ? imageFolder(*paths) : QString();
    for (int type = 0; type < AlarmTypes; ++type) {
        if (!folder.isEmpty()) {
            const QString file = findIgnoringCase(folder, AlarmTypePictureName(type));
            QImageReader reader(file);
            const QImage image = file.isEmpty() ? QImage() : reader.read();
            if (!image.isNull()) {
                m_pictures[type] = QPixmap::fromImage(image);
                m_fromFile[type] = true;
                continue;
            }
        }
        m_pictures[type] = drawn(type);
    }
}

QPixmap AlarmTypePictures::picture(int type) const {
    return type >= 0 && type < AlarmTypes ? m_pictures[type] : QPixmap();
}

bool AlarmTypePictures::fromFile(int type) const {
    return type >= 0 && type < AlarmTypes && m_fromFile[type];
}

QPixmap AlarmTypePictures::drawn(int type, QSize size) {
    if (type < 0 || type >= AlarmTypes)
        return {};
    QPixmap pm(size);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 176.0, size.height() / 112.0);
    drawFrame(p, type, AlarmTypeName(type));
    switch (type) {
    case 3:
    case 4:
        drawLimit(p, type == 3);
        break;
    case 5:
    case 6:
        drawDeviation(p, type == 5);
        break;
    case 7:
    case 8:
    case 9:
    case 10:
        drawRate(p, type == 7 || type == 9);
        break;
    case 15:
        drawBurnout(p);
        break;
    default:
        drawPlain(p);
        break;
    }
    return pm;
}
