#include "pages/PageKit.h"

#include "comm/ChannelColours.h"
#include "pagerules/EntryRules.h"
#include "pages/PageBindings.h"
#include "widgets/MessageBoxes.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace PageKit {

void paint(QPushButton* button, bool chosen) {
    PaintButton(button, chosen);
}

QList<QPushButton*> choiceButtons(QWidget* parent, const QString& name,
                                  const QStringList& captions) {
    QList<QPushButton*> buttons;
    for (int i = 0; i < captions.size(); ++i) {
        auto* b = new QPushButton(captions[i], parent);
        b->setObjectName(QStringLiteral("%1%2").arg(name).arg(i));
        buttons << b;
    }
    return buttons;
}

void paintChosen(const QList<QPushButton*>& buttons, const QString& chosen) {
    for (QPushButton* b : buttons)
        paint(b, b->text().remove(u'&') == chosen);
}

QPushButton* arrowButton(QWidget* parent, const QString& name, bool up) {
    auto* b = new QPushButton(up ? QStringLiteral("▲") : QStringLiteral("▼"), parent);
    b->setObjectName(name);
    b->setAutoRepeat(true);
    const int side = b->fontMetrics().height() + 10;
    b->setFixedSize(side + 6, side);
    return b;
}

QColor channelColour(int index) {
    if (index < 0 || index >= int(ChannelColourRgb565.size()))
        return {};
    const quint16 v = ChannelColourRgb565[size_t(index)];
    const int r = (v >> 11) & 0x1F, g = (v >> 5) & 0x3F, b = v & 0x1F;
    // Widened so that full components are 255: the low bits repeat the high ones.
    return QColor((r << 3) | (r >> 2), (g << 2) | (g >> 4), (b << 3) | (b >> 2));
}

void tell(QWidget* page, const EntryOutcome& outcome) {
    if (outcome.message.isEmpty())
        return;
    ShowMessage(page, outcome.accepted ? QMessageBox::Information : QMessageBox::Warning,
                outcome.message);
}

void bindNumberBox(QWidget* page, QLineEdit* box, std::function<NumberRule()> rule,
                   std::function<QString()> read, std::function<void(const QString&)> write) {
    QObject::connect(box, &QLineEdit::editingFinished, page, [=] {
        const NumberRule r = rule();
        if (box->text() == ShownEntryText(r, read()))
            return; // left as it was shown
        const EntryOutcome out = ApplyNumberRule(r, box->text());
        if (out.accepted) {
            box->setText(out.boxText);
            write(out.cellText);
        } else {
            box->setText(ShownEntryText(r, read()));
        }
        tell(page, out);
    });
}

} // namespace PageKit
