#include "help/ManualDocument.h"

#include "core/FileWrite.h"
#include "core/Version.h"
#include "help/Guide.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>

namespace {

// A sheet of A4 less its margins, in the document's pixels.
constexpr int kSheetPictureWidth = 600;

QString bodyOf(const QString& html) {
    static const QRegularExpression body(QStringLiteral("<body[^>]*>(.*)</body>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = body.match(html);
    return m.hasMatch() ? m.captured(1) : html;
}

// The manual's own words, in the language of its pages.
struct ManualWords {
    const char* title;
    const char* lead; // %1 the version, %2 the build day
    const char* contents;
};

ManualWords wordsFor(const Guide& guide) {
    if (guide.language() == QLocale::Korean)
        return {"TD700 사용 설명서", "TD700_File, td700, td700-sim 사용 설명서, 버전 %1 (%2 빌드).",
                "목차"};
    return {"TD700 Manual", "User guide of TD700_File, td700 and td700-sim, version %1 (%2).",
            "Contents"};
}

QString stem(const QString& page) {
    return QFileInfo(page).completeBaseName();
}

// Links and anchors of one page, renamed for the whole document.
QString rewritePage(const Guide& guide, const QString& page, QString body) {
    static const QRegularExpression anchor(QStringLiteral("\\b(id|name)=\"([^\"]+)\""));
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    static const QRegularExpression img(QStringLiteral("<img\\s+src=\"([^\"]+)\"([^>]*)>"));
    QString out;
    qsizetype last = 0;
    for (auto it = anchor.globalMatch(body); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += body.mid(last, m.capturedStart() - last);
        out += QStringLiteral("%1=\"%2\"").arg(m.captured(1), ManualAnchor(page, m.captured(2)));
        last = m.capturedEnd();
    }
    body = out + body.mid(last);

    out.clear();
    last = 0;
    for (auto it = href.globalMatch(body); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += body.mid(last, m.capturedStart() - last);
        const QString target = m.captured(1);
        const QUrl url(target);
        // Links to pages become links inside the document. A picture is shown whole in the
        // document already, so its link (to see it at full size in the guide) goes.
        const bool picture = target.startsWith(QStringLiteral("pictures/"));
        if (!picture && url.isRelative() && !target.isEmpty()) {
            const QString file = url.path().isEmpty() ? page : url.path();
            out += QStringLiteral("href=\"#%1\"").arg(ManualAnchor(file, url.fragment()));
        } else if (!picture) {
            out += m.captured(0);
        }
        last = m.capturedEnd();
    }
    body = out + body.mid(last);

    // Pictures wider than a sheet are drawn at its width, from their full resolution.
    out.clear();
    last = 0;
    for (auto it = img.globalMatch(body); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += body.mid(last, m.capturedStart() - last);
        const QImage picture(guide.pictureFile(m.captured(1)));
        if (!picture.isNull() && picture.width() > kSheetPictureWidth &&
            !m.captured(2).contains(QStringLiteral("width")))
            out += QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\"%4>")
                       .arg(m.captured(1))
                       .arg(kSheetPictureWidth)
                       .arg(picture.height() * kSheetPictureWidth / picture.width())
                       .arg(m.captured(2));
        else
            out += m.captured(0);
        last = m.capturedEnd();
    }
    return out + body.mid(last);
}

} // namespace

QString ManualAnchor(const QString& page, const QString& anchor) {
    return anchor.isEmpty() ? QStringLiteral("page-%1").arg(stem(page))
                            : QStringLiteral("page-%1-%2").arg(stem(page), anchor);
}

QString ManualTitle(const Guide& guide) {
    return QString::fromUtf8(wordsFor(guide).title);
}

QString ManualHtml(const Guide& guide) {
    const ManualWords words = wordsFor(guide);
    QString html = QStringLiteral("<html><head><title>%1</title></head><body>")
                       .arg(QString::fromUtf8(words.title).toHtmlEscaped());
    html += QStringLiteral("<h1 class=\"manual\">%1</h1><p class=\"lead\">%2</p>")
                .arg(ProgramCaption().toHtmlEscaped(),
                     QString::fromUtf8(words.lead).arg(ProgramVersion(), BuildDate()));
    html += QStringLiteral("<h2>%1</h2><ol>").arg(QString::fromUtf8(words.contents));
    for (const Guide::Page& p : guide.pages()) {
        html += QStringLiteral("<li><a href=\"#%1\">%2</a>")
                    .arg(ManualAnchor(p.file), p.title.toHtmlEscaped());
        QString sections;
        for (const Guide::Heading& h : p.headings)
            if (!h.anchor.isEmpty())
                sections += QStringLiteral("<li><a href=\"#%1\">%2</a></li>")
                                .arg(ManualAnchor(p.file, h.anchor), h.text.toHtmlEscaped());
        if (!sections.isEmpty())
            html += QStringLiteral("<ul>") + sections + QStringLiteral("</ul>");
        html += QStringLiteral("</li>");
    }
    html += QStringLiteral("</ol>");
    for (const Guide::Page& p : guide.pages()) {
        // Every page starts a sheet; its own heading carries the page's anchor.
        html += QStringLiteral("<p style=\"page-break-before: always\"><a name=\"%1\"></a></p>")
                    .arg(ManualAnchor(p.file));
        html += rewritePage(guide, p.file, bodyOf(guide.html(p.file)));
    }
    return html + QStringLiteral("</body></html>");
}

void LoadManual(const Guide& guide, QTextDocument& document) {
    document.setDefaultStyleSheet(guide.styleSheet());
    document.setBaseUrl(guide.baseUrl());
    const QString html = ManualHtml(guide);
    // A document of its own reads no resources: the pictures are handed to it.
    static const QRegularExpression src(QStringLiteral("<img\\s+src=\"([^\"]+)\""));
    for (auto it = src.globalMatch(html); it.hasNext();) {
        const QString file = it.next().captured(1);
        const QImage picture(guide.pictureFile(file));
        if (!picture.isNull())
            document.addResource(QTextDocument::ImageResource, guide.baseUrl().resolved(file),
                                 picture);
    }
    document.setHtml(html);
}

bool WriteManualPdf(const Guide& guide, const QString& path, QString* error) {
    QTextDocument document;
    LoadManual(guide, document);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bytes);
        pdf.setTitle(ManualTitle(guide));
        pdf.setCreator(QStringLiteral("TD700_File %1").arg(ProgramVersion()));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter));
        document.print(&pdf);
    }
    // Whole or not at all: an old file of that name stays as it was when the disk is full.
    return WriteFileWhole(path, bytes.data(), error);
}
