#pragma once

#include <QEvent>
#include <QObject>
#include <QStringList>

// The object names of the widgets painted while it is installed as the application's event
// filter, each once, in the order of their first paint.
class PaintLog : public QObject {
public:
    QStringList painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted.contains(watched->objectName()))
            painted << watched->objectName();
        return false;
    }
};
