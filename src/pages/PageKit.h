#pragma once

#include "pagerules/EntryRules.h"

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
// The captions of a switch's two buttons, as the recorder shows them: "OFF", "ON".
inline QStringList offOn() {
    return {QStringLiteral("OFF"), QStringLiteral("ON")};
}
// Up and down arrow buttons.
QPushButton* arrowButton(QWidget* parent, const QString& name, bool up);
// The colour of a channel colour index 0..11 as the recorder draws it (its RGB565 value
// widened to 8 bits a component); invalid for any other index.
QColor channelColour(int index);
// Says what the entry rule did, where it corrected or refused an entry (a message box over
// `page`); a plain entry says nothing.
void tell(QWidget* page, const EntryOutcome& outcome);
// Binds a number box to a cell by the pages' one rule: a committed entry is checked by
// `rule`, written through `write` (corrected or as typed) or refused (the box shows `read`
// again), and the user is told; a box left as it was shown writes nothing. The cell, rule and
// place are asked for at each commit (the alarm, channel and input chosen then).
void bindNumberBox(QWidget* page, QLineEdit* box, std::function<NumberRule()> rule,
                   std::function<QString()> read, std::function<void(const QString&)> write);

} // namespace PageKit
