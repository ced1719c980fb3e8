#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Figures in the Prometheus text format (version 0.0.4): each family once, with its help and
// type, then its samples. Label values and help texts are escaped as the format wants them.
class MetricsText {
public:
    enum class Type { Counter, Gauge };
    using Labels = QList<QPair<QString, QString>>;

    // Starts a family; its samples follow.
    void family(const QString& name, Type type, const QString& help);
    void sample(const QString& name, double value, const Labels& labels = {});
    QByteArray text() const { return m_text; }

private:
    QByteArray m_text;
};
