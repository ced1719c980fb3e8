#include "pages/PageBindings.h"

#include "pages/ParamPage.h"
#include "widgets/MessageBoxes.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

Binding::Binding(ParamPage& page, int row)
    : m_page(page)
    , m_row(row) {}

QString Binding::cell() const {
    return m_page.cell(m_row);
}

bool Binding::write(const QString& text) const {
    return m_page.write(m_row, text);
}

// ---- buttons ----------------------------------------------------------------------------

void PaintButton(QPushButton* button, bool chosen) {
    if (!button)
        return;
    button->setProperty("winColour", chosen ? ChosenButtonColour : ButtonFaceColour);
    button->setStyleSheet(chosen ? QStringLiteral("QPushButton { background-color: #00ff00; }")
                                 : QString());
}

bool IsPaintedChosen(const QPushButton* button) {
    return button && button->property("winColour").toInt() == ChosenButtonColour;
}

bool SameChoice(const QString& a, const QString& b) {
    if (a == b)
        return true;
    bool okA = false, okB = false;
    const double x = a.trimmed().toDouble(&okA);
    const double y = b.trimmed().toDouble(&okB);
    return okA && okB && x == y;
}

QStringList IndexTexts(int count) {
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << QString::number(i);
    return texts;
}

ButtonArray::ButtonArray(ParamPage& page, int row, QList<QPushButton*> buttons, QStringList texts)
    : Binding(page, row)
    , m_buttons(std::move(buttons))
    , m_texts(std::move(texts)) {
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_texts.size() <= i)
            m_texts << m_buttons[i]->text();
        QObject::connect(m_buttons[i], &QPushButton::clicked, &page, [this, i] { choose(i); });
    }
}

int ButtonArray::indexOf(const QString& cellText) const {
    for (int i = 0; i < m_texts.size(); ++i)
        if (m_texts[i] == cellText)
            return i;
    for (int i = 0; i < m_texts.size(); ++i)
        if (SameChoice(m_texts[i], cellText))
            return i;
    return -1;
}

void ButtonArray::load() {
    paint(matchCell ? matchCell(cell()) : indexOf(cell()));
}

void ButtonArray::paint(int index) {
    m_chosen = index >= 0 && index < m_buttons.size() ? index : -1;
    for (int i = 0; i < m_buttons.size(); ++i)
        PaintButton(m_buttons[i], i == m_chosen);
}

void ButtonArray::choose(int index) {
    if (index < 0 || index >= m_buttons.size())
        return;
    if (writeChoice)
        writeChoice(index);
    else
        write(m_texts[index]);
    paint(index);
    if (onChosen)
        onChosen(index);
}

// ---- steppers ---------------------------------------------------------------------------

StepFunction WrapThrough(const QStringList& values) {
    return [values](const QString& current, int direction) -> QString {
        if (values.isEmpty())
            return current;
        int at = -1;
        for (int i = 0; i < values.size() && at < 0; ++i)
            if (SameChoice(values[i], current))
                at = i;
        if (at < 0)
            return direction >= 0 ? values.first() : values.last();
        const int n = int(values.size());
        return values[((at + (direction >= 0 ? 1 : -1)) % n + n) % n];
    };
}

StepFunction WrapNumbers(int first, int last) {
    return [first, last](const QString& current, int direction) -> QString {
        bool ok = false;
        const double v = current.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(v) || v < first || v > last || v != std::floor(v))
            return QString::number(direction >= 0 ? first : last);
        int n = int(v) + (direction >= 0 ? 1 : -1);
        if (n > last)
            n = first;
        if (n < first)
            n = last;
        return QString::number(n);
    };
}

Stepper::Stepper(ParamPage& page, int row, QPushButton* up, QPushButton* down, QLabel* shown,
                 StepFunction step)
    : Binding(page, row)
    , m_up(up)
    , m_down(down)
    , m_shown(shown)
    , m_step(std::move(step)) {
    if (m_up)
        QObject::connect(m_up, &QPushButton::clicked, &page, [this] { stepUp(); });
    if (m_down)
        QObject::connect(m_down, &QPushButton::clicked, &page, [this] { stepDown(); });
}

void Stepper::load() {
    if (m_shown) {
        const QString text = cell();
        m_shown->setText(display ? display(text) : text);
    }
}

void Stepper::step(int direction) {
    if (enabledWhen && !enabledWhen())
        return;
    const QString next = m_step(cell(), direction);
    write(next);
    load();
    if (onStepped)
        onStepped(next);
}

// ---- entry boxes ------------------------------------------------------------------------

EntryRule NumberEntry(std::function<NumberRule()> rule) {
    return [rule](const QString& text) {
        const EntryOutcome out = ApplyNumberRule(rule(), text);
        return out.accepted ? EntryVerdict::accept(out.cellText, out.message)
                            : EntryVerdict::restore(out.message);
    };
}

EntryRule CharactersFrom(const QString& allowed, const QString& message) {
    return [allowed, message](const QString& text) {
        for (const QChar c : text)
            if (!allowed.contains(c))
                return EntryVerdict::restore(message);
        return EntryVerdict::accept(text);
    };
}

EntryRule AtMost(int length, const QString& name) {
    return [length, name](const QString& text) {
        if (text.size() <= length)
            return EntryVerdict::accept(text);
        return EntryVerdict::accept(text.left(length),
                                    CutToLengthMessage(name, length, text.left(length)));
    };
}

EntryRule AllOf(QList<EntryRule> rules) {
    return [rules](const QString& text) {
        EntryVerdict verdict = EntryVerdict::accept(text);
        QString said;
        for (const EntryRule& rule : rules) {
            verdict = rule(verdict.text);
            if (verdict.kind == EntryVerdict::Kind::Restore)
                return verdict;
            if (said.isEmpty())
                said = verdict.message;
        }
        verdict.message = said;
        return verdict;
    };
}

EntryBox::EntryBox(ParamPage& page, int row, QLineEdit* box, EntryRule rule)
    : Binding(page, row)
    , m_box(box)
    , m_rule(std::move(rule)) {
    QObject::connect(m_box, &QLineEdit::editingFinished, &page, [this] { commit(); });
}

void EntryBox::setNumberRule(std::function<NumberRule()> rule) {
    m_rule = NumberEntry(rule);
    display = [rule](const QString& cellText) { return ShownEntryText(rule(), cellText); };
}

void EntryBox::load() {
    const QString text = cell();
    m_box->setText(display ? display(text) : text);
}

void EntryBox::commit() {
    // Showing a message takes the focus from the box, which commits it once more.
    if (m_committing)
        return;
    const QString typed = m_box->text();
    const QString old = cell();
    if (typed == (display ? display(old) : old))
        return;
    m_committing = true;
    const EntryVerdict verdict = m_rule ? m_rule(typed) : EntryVerdict::accept(typed);
    if (verdict.kind == EntryVerdict::Kind::Restore) {
        if (!verdict.message.isEmpty())
            ShowMessage(&m_page, QMessageBox::Warning, verdict.message);
        load();
    } else {
        write(verdict.text);
        load();
        if (!verdict.message.isEmpty())
            ShowMessage(&m_page, QMessageBox::Information, verdict.message);
        if (onCommitted)
            onCommitted(verdict.text);
    }
    m_committing = false;
}

// ---- lists ------------------------------------------------------------------------------

ListBinding::ListBinding(ParamPage& page, int row, QComboBox* list, QStringList texts)
    : Binding(page, row)
    , m_list(list)
    , m_texts(std::move(texts)) {
    if (m_list->count() == 0)
        m_list->addItems(m_texts);
    QObject::connect(m_list, &QComboBox::activated, &page, [this](int i) { choose(i); });
}

void ListBinding::load() {
    const QString text = cell();
    int at = -1;
    for (int i = 0; i < m_texts.size() && at < 0; ++i)
        if (SameChoice(m_texts[i], text))
            at = i;
    m_list->setCurrentIndex(at);
}

void ListBinding::choose(int index) {
    if (index < 0 || index >= m_texts.size())
        return;
    write(m_texts[index]);
    m_list->setCurrentIndex(index);
    if (onChosen)
        onChosen(index);
}
