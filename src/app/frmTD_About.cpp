#include "app/frmTD_About.h"

#include "core/Version.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

// The program's mark: a small recorder chart drawn at the size the screen needs.
QPixmap productMark(int size, qreal dpr) {
    QPixmap pm(QSize(size, size) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1, 1, size - 2, size - 2);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0x1f, 0x6f, 0xb2));
    g.setColorAt(1, QColor(0x12, 0x3f, 0x6e));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, size * 0.18, size * 0.18);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(r.left() + 6, r.top() + r.height() * i / 4),
                   QPointF(r.right() - 6, r.top() + r.height() * i / 4));
    const QColor traces[] = {QColor(0x7c, 0xe0, 0x8a), QColor(0xff, 0xc8, 0x57)};
    for (int t = 0; t < 2; ++t) {
        QPainterPath path;
        for (int x = 0; x <= 20; ++x) {
            const qreal px = r.left() + 6 + (r.width() - 12) * x / 20.0;
            const qreal py = r.center().y() + (t ? 0.18 : -0.12) * r.height() +
                             std::sin(x * (t ? 0.55 : 0.8)) * r.height() * 0.12;
            x == 0 ? path.moveTo(px, py) : path.lineTo(px, py);
        }
        p.setPen(QPen(traces[t], size / 24.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    return pm;
}

} // namespace

frmTD_About::frmTD_About(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmTD_About"));
    setWindowTitle(tr("About TD700_File"));

    const int markSize = fontMetrics().height() * 5;
    auto* mark = new QLabel(this);
    mark->setPixmap(productMark(markSize, devicePixelRatioF()));
    mark->setAlignment(Qt::AlignTop);

    auto* title = new QLabel(ProgramCaption(), this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.45);
    big.setBold(true);
    title->setFont(big);

    auto* text = new QLabel(
        tr("PC companion of the TD700 paperless recorders (2, 4, 6 and 12 channels).\n"
           "Modbus RTU master on RS-232 or an RS-485 bus: live monitoring, parameter files, "
           "data logging and the recorders' clocks."),
        this);
    text->setWordWrap(true);

    // The same version and date as every program's --version.
    auto* version =
        new QLabel(tr("Version %1, built %2 with Qt %3")
                       .arg(ProgramVersion(), BuildDate(), QString::fromLatin1(qVersion())),
                   this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setForegroundRole(QPalette::PlaceholderText);

    // The caption is the address; a click hands it to the desktop's browser.
    lblWeb = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(webAddress()), this);
    lblWeb->setObjectName(QStringLiteral("lblWeb"));
    lblWeb->setTextFormat(Qt::RichText);
    lblWeb->setOpenExternalLinks(true);
    lblWeb->setToolTip(tr("Open in the browser"));

    auto* buttons = new QDialogButtonBox(this);
    btnClose = buttons->addButton(tr("&Close"), QDialogButtonBox::AcceptRole);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(title);
    textColumn->addWidget(text);
    textColumn->addSpacing(fontMetrics().height() / 2);
    textColumn->addWidget(version);
    textColumn->addWidget(lblWeb);
    textColumn->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(mark);
    top->addSpacing(fontMetrics().height());
    top->addLayout(textColumn, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 72);
}

QString frmTD_About::webAddress() {
    return QStringLiteral("https://www.example.com/td700");
}
