#include "help/ViewPlace.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

QString AnchorInView(const QTextEdit& view, const QString& preferred) {
    const QTextDocument* document = view.document();
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    const int top = view.verticalScrollBar()->value();
    const int bottom = top + view.viewport()->height();
    // The anchor scrolled to stands at the top, give or take the rounding of its line.
    const qreal slack = view.fontMetrics().height() / 2.0;
    QString above;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const qreal y = layout->blockBoundingRect(block).top();
        if (y > bottom)
            break;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QStringList names = it.fragment().charFormat().anchorNames();
            if (names.isEmpty())
                continue;
            if (!preferred.isEmpty() && names.contains(preferred) && y >= top - slack)
                return preferred;
            if (y <= top + slack)
                above = names.constLast();
        }
    }
    return above;
}
