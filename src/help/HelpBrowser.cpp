#include "help/HelpBrowser.h"

#include "help/Guide.h"
#include "help/ViewPlace.h"

#include <QDesktopServices>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>

HelpBrowser::HelpBrowser(const Guide& guide, QWidget* parent)
    : QTextBrowser(parent)
    , m_guide(&guide) {
    setObjectName(QStringLiteral("helpBrowser"));
    setOpenLinks(true);
    setOpenExternalLinks(true);
    setSearchPaths({m_guide->folder()});
    document()->setDefaultStyleSheet(m_guide->styleSheet());
    document()->setDocumentMargin(fontMetrics().height());
    // A search's marks belong to the page they were found on.
    connect(this, &QTextBrowser::sourceChanged, this, [this] {
        if (!m_terms.isEmpty())
            highlight({});
    });
}

void HelpBrowser::setGuide(const Guide& guide) {
    if (&guide == m_guide)
        return;
    const QString page = m_guide->pageOf(source());
    const QString anchor = AnchorInView(*this, source().fragment());
    m_guide = &guide;
    setSearchPaths({m_guide->folder()});
    document()->setDefaultStyleSheet(m_guide->styleSheet());
    if (!page.isEmpty()) {
        QUrl url = m_guide->urlOf(page);
        if (!anchor.isEmpty())
            url.setFragment(anchor);
        setSource(url);
    }
    // Back and forward would lead into the other language.
    clearHistory();
}

int HelpBrowser::pictureWidth() const {
    const int margin = int(document()->documentMargin()) * 2 + fontMetrics().height();
    return std::max(240, viewport()->width() - margin);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const QString file = m_guide->pageOf(name);
    if (!file.isEmpty() && type == QTextDocument::HtmlResource) {
        const QString html = m_guide->html(file);
        if (!html.isEmpty())
            return html;
    }
    const QString base = m_guide->baseUrl().path();
    if (type == QTextDocument::ImageResource && name.scheme() == m_guide->baseUrl().scheme() &&
        name.path().startsWith(base)) {
        // A picture not yet rendered in the guide's language is the English one.
        QImage picture(m_guide->pictureFile(name.path().mid(base.size())));
        if (picture.isNull())
            return QTextBrowser::loadResource(type, name);
        m_fittedWidth = pictureWidth();
        const qreal ratio = devicePixelRatioF();
        // The pictures are screenshots at one pixel per pixel: shown as large as they are,
        // smaller only when the view is narrower.
        const int limit = int(m_fittedWidth * ratio);
        if (picture.width() > limit)
            picture = picture.scaledToWidth(limit, Qt::SmoothTransformation);
        picture.setDevicePixelRatio(ratio);
        return picture;
    }
    return QTextBrowser::loadResource(type, name);
}

void HelpBrowser::resizeEvent(QResizeEvent* event) {
    QTextBrowser::resizeEvent(event);
    // Pictures fitted to a wider view would now stick out; to a much narrower one, they
    // could be shown larger. Once the size settles, the page is shown again.
    if (m_fittedWidth > 0 && std::abs(pictureWidth() - m_fittedWidth) > m_fittedWidth / 8)
        QTimer::singleShot(0, this, &HelpBrowser::refitPictures);
}

void HelpBrowser::refitPictures() {
    if (m_fittedWidth == 0 || std::abs(pictureWidth() - m_fittedWidth) <= m_fittedWidth / 8)
        return;
    QScrollBar* bar = verticalScrollBar();
    const double at = bar->maximum() > 0 ? double(bar->value()) / bar->maximum() : 0.0;
    const QStringList terms = m_terms;
    m_fittedWidth = 0;
    reload();
    bar->setValue(int(at * bar->maximum()));
    if (!terms.isEmpty()) {
        const int value = bar->value();
        highlight(terms);
        bar->setValue(value);
    }
}

void HelpBrowser::highlight(const QStringList& terms) {
    m_terms = terms;
    QList<ExtraSelection> marks;
    QTextCharFormat mark;
    mark.setBackground(QColor(0xff, 0xe0, 0x6b));
    QTextCursor first;
    for (const QString& term : terms) {
        for (QTextCursor c = document()->find(term); !c.isNull(); c = document()->find(term, c)) {
            marks.append({c, mark});
            if (first.isNull() || c.position() < first.position())
                first = c;
        }
    }
    setExtraSelections(marks);
    if (!first.isNull()) {
        QTextCursor at(first);
        at.clearSelection();
        setTextCursor(at);
        ensureCursorVisible();
    }
}
