#include "viewer/HeaderText.h"

#include "core/PrintableText.h"
#include "dataview/DataTimeLine.h"
#include "dataview/TimeTicks.h"
#include "logging/DataTime.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace {

// The texts of this file, translated where the desktop program shows them.
struct HeaderTextTexts {
    Q_DECLARE_TR_FUNCTIONS(GraphViewer)
};

QString esc(const QString& text) {
    return PrintableText(text).toHtmlEscaped();
}

QString row(const QString& label, const QString& value) {
    return QStringLiteral("<tr><td style='padding-right:12px'><b>%1</b></td><td>%2</td></tr>")
        .arg(label.toHtmlEscaped(), value);
}

QString number(float v) {
    return QString::number(double(v), 'g', 7);
}

} // namespace

QString HeaderHtml(const DataTimeLine& line) {
    if (line.isEmpty())
        return HeaderTextTexts::tr("<p>No data file is open.</p>");
    const DataHeader& h = line.header();
    const QLocale locale;
    QString html = QStringLiteral("<table cellspacing='0' cellpadding='2'>");
    const TimeLineFile& first = *line.files().front();
    if (first.name.matches) {
        html += row(HeaderTextTexts::tr("Meter"),
                    HeaderTextTexts::tr("%1 (the slave address in the file name)")
                        .arg(first.name.address, 2, 10, QChar(u'0')));
        html += row(HeaderTextTexts::tr("Name"), esc(first.name.name));
    }
    html += row(HeaderTextTexts::tr("Model"),
                h.knownModel
                    ? HeaderTextTexts::tr("%1 (%2 channels)").arg(h.modelCode).arg(h.channelCount)
                    : HeaderTextTexts::tr("%1 (not a known model: all twelve channels shown)")
                          .arg(h.modelCode));
    html += row(HeaderTextTexts::tr("Layout"), h.layoutVersion().toHtmlEscaped());
    html += row(HeaderTextTexts::tr("Interval"), line.interval() > 0
                                                     ? SpanText(double(line.interval()))
                                                     : HeaderTextTexts::tr("not known"));
    html += row(HeaderTextTexts::tr("Records"), locale.toString(line.recordCount()));
    if (line.hasRecords()) {
        html += row(HeaderTextTexts::tr("From"), DataTime::text(line.firstTime()));
        html += row(HeaderTextTexts::tr("To"), DataTime::text(line.lastTime()));
        html +=
            row(HeaderTextTexts::tr("Span"), SpanText(double(line.lastTime() - line.firstTime())));
    }
    qint64 silent = 0;
    for (const TimeGap& g : line.gaps())
        silent += g.to - g.from;
    html += row(HeaderTextTexts::tr("Gaps"), HeaderTextTexts::tr("%1 (%2 without data)")
                                                 .arg(line.gaps().size())
                                                 .arg(SpanText(double(silent))));
    html += QStringLiteral("</table>");

    html += QStringLiteral(
                "<h4>%1</h4><table cellspacing='0' cellpadding='2'><tr><th align='left'>CH</th>"
                "<th align='left'>%2</th><th align='left'>%3</th>"
                "<th align='right'>%4</th><th align='right'>%5</th>"
                "<th align='right'>%6</th></tr>")
                .arg(HeaderTextTexts::tr("Channels"), HeaderTextTexts::tr("Name"),
                     HeaderTextTexts::tr("Unit"), HeaderTextTexts::tr("Low"),
                     HeaderTextTexts::tr("High"), HeaderTextTexts::tr("Decimals"));
    for (int ch = 1; ch <= line.channelCount(); ++ch) {
        const DataChannel& c = h.channels[size_t(ch - 1)];
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td align='right'>%4</td>"
                               "<td align='right'>%5</td><td align='right'>%6</td></tr>")
                    .arg(ch, 2, 10, QChar(u'0'))
                    .arg(esc(c.name), esc(c.unit), number(c.low), number(c.high))
                    .arg(c.decimals);
    }
    html += QStringLiteral("</table>");

    html += QStringLiteral(
                "<h4>%1</h4><table cellspacing='0' cellpadding='2'><tr><th align='left'>%2</th>"
                "<th align='right'>%3</th><th align='left'>%4</th>"
                "<th align='left'>%5</th></tr>")
                .arg(HeaderTextTexts::tr("Files"), HeaderTextTexts::tr("File"),
                     HeaderTextTexts::tr("Records"), HeaderTextTexts::tr("First"),
                     HeaderTextTexts::tr("Last"));
    for (const auto& f : line.files()) {
        QString firstTime, lastTime;
        if (!f->segments.empty()) {
            qint64 t1 = f->segments.front().t1;
            for (const TimeSegment& s : f->segments)
                t1 = std::max(t1, s.t1);
            firstTime = DataTime::text(f->segments.front().t0);
            lastTime = DataTime::text(t1);
        }
        html += QStringLiteral("<tr><td style='white-space:nowrap'>%1</td><td "
                               "align='right'>%2</td><td>%3</td><td>%4</td>"
                               "</tr>")
                    .arg(esc(QFileInfo(f->path).fileName()),
                         locale.toString(f->reader->recordCount()), firstTime, lastTime);
    }
    html += QStringLiteral("</table>");

    const QStringList messages = line.messages();
    if (!messages.isEmpty()) {
        html += QStringLiteral("<h4>%1</h4><ul>").arg(HeaderTextTexts::tr("Notes"));
        for (const QString& m : messages)
            html += QStringLiteral("<li style='color:#b03000'>%1</li>").arg(m.toHtmlEscaped());
        html += QStringLiteral("</ul>");
    }
    return html;
}
