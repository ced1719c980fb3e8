#include "service/MetricsText.h"

#include <QLocale>
#include <QString>
#include <cmath>

namespace {

QByteArray escaped(const QString& text, bool quotes) {
    QByteArray out;
    for (const char c : text.toUtf8()) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '"' && quotes)
            out += "\\\"";
        else
            out += c;
    }
    return out;
}

QByteArray number(double value) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "+Inf" : "-Inf";
    // Whole numbers as such, so that a count reads as one.
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return QByteArray::number(qint64(value));
    return QString::number(value, 'g', QLocale::FloatingPointShortest).toLatin1();
}

} // namespace

void MetricsText::family(const QString& name, Type type, const QString& help) {
    m_text += "# HELP " + name.toUtf8() + ' ' + escaped(help, false) + '\n';
    m_text += "# TYPE " + name.toUtf8() + (type == Type::Counter ? " counter\n" : " gauge\n");
}

void MetricsText::sample(const QString& name, double value, const Labels& labels) {
    m_text += name.toUtf8();
    if (!labels.isEmpty()) {
        m_text += '{';
        for (qsizetype i = 0; i < labels.size(); ++i) {
            if (i > 0)
                m_text += ',';
            m_text += labels[i].first.toUtf8() + "=\"" + escaped(labels[i].second, true) + '"';
        }
        m_text += '}';
    }
    m_text += ' ' + number(value) + '\n';
}
