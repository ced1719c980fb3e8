#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QAbstractButton;
class QBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

// Small pieces the parameter pages build their controls from.
namespace PageKit {

// Paints a button green (the chosen one) or in the button face colour.
void paint(QPushButton* button, bool chosen);
// A row of buttons with these captions, named `name` + index; the one whose caption is
// `chosen` is painted green by paintChosen.
QList<QPushButton*> choiceButtons(QWidget* parent, const QString& name,
                                  const QStringList& captions);
void paintChosen(const QList<QPushButton*>& buttons, const QString& chosen);
// Up and down arrow buttons.
QPushButton* arrowButton(QWidget* parent, const QString& name, bool up);
// The colour of a channel colour index 0..11 as the recorder draws it (its RGB565 value
// widened to 8 bits a component); invalid for any other index.
QColor channelColour(int index);

} // namespace PageKit
