#pragma once

#include <QColor>
#include <QWidget>

// A send or receive indicator: a round lamp with its caption ("SEND", "RECV"), lit while a
// frame goes out or comes in.
class StatusLamp : public QWidget {
    Q_OBJECT
public:
    StatusLamp(const QString& caption, const QColor& litColour, QWidget* parent = nullptr);

    bool isLit() const { return m_lit; }
    void setCaption(const QString& caption);
    void setLit(bool lit);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    QColor m_litColour;
    bool m_lit = false;
};
