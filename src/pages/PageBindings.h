#pragma once

#include "pagerules/EntryRules.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class ParamPage;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The controls of a parameter page, each bound to one row of the page's column. A binding
// shows its cell when the page loads and writes the cell at once when the user acts; there
// is no separate apply step. Bindings are made through ParamPage (bindButtons, bindStepper,
// bindEntry, bindList) and live as long as the page.

class Binding {
public:
    Binding(ParamPage& page, int row);
    virtual ~Binding() = default;
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;

    int row() const { return m_row; }
    // A control whose row depends on another setting (the β value: channel or constant).
    void setRow(int row) { m_row = row; }
    // Shows the cell (the page's tmrRefresh tick calls this for every binding).
    virtual void load() = 0;

protected:
    QString cell() const;
    bool write(const QString& text) const;
    ParamPage& m_page;

private:
    int m_row;
};

// The colour of a chosen button (green) and of the others (the standard button face), as
// Windows RGB values; a button's "winColour" property holds the one it is painted with.
constexpr int ChosenButtonColour = 65280;
constexpr int ButtonFaceColour = -1;
void PaintButton(QPushButton* button, bool chosen);
bool IsPaintedChosen(const QPushButton* button);

// A row of buttons for one choice. Button i writes texts[i] into the cell (its caption, or a
// code such as the button's index); the chosen one is painted green, the others get the
// standard face. On load the button whose text matches the cell (numbers compared as
// numbers) is painted; a cell that matches none leaves every button unpainted.
class ButtonArray : public Binding {
public:
    ButtonArray(ParamPage& page, int row, QList<QPushButton*> buttons, QStringList texts);

    void load() override;
    // What a click on button `index` does: writes, paints, then tells onChosen.
    void choose(int index);
    // Paints button `index` (-1: none) without writing.
    void paint(int index);
    int chosen() const { return m_chosen; }
    int count() const { return int(m_buttons.size()); }
    QPushButton* button(int index) const { return m_buttons.value(index); }
    QString textOf(int index) const { return m_texts.value(index); }
    // The button whose text matches `cellText`, or -1.
    int indexOf(const QString& cellText) const;

    // After the user chose (not on load).
    std::function<void(int index)> onChosen;
    // A choice that writes something else than its text, or several rows (the input groups
    // write their first code): when set, it replaces the plain write of texts[index].
    std::function<void(int index)> writeChoice;
    // Which button a cell text paints, where that is not the text match (the input group of
    // a range code); -1 for none.
    std::function<int(const QString& cellText)> matchCell;

private:
    QList<QPushButton*> m_buttons;
    QStringList m_texts;
    int m_chosen = -1;
};

// Moves a cell text one step: +1 up, -1 down. Steps wrap at both ends.
using StepFunction = std::function<QString(const QString& current, int direction)>;
// Steps through `values` in order; a text that is none of them steps to the first (up) or
// the last (down).
StepFunction WrapThrough(const QStringList& values);
// Steps through the whole numbers first..last; a value outside steps to first / last.
StepFunction WrapNumbers(int first, int last);

// An up and a down button that step the cell through its list; `shown` (may be null) shows
// the cell through `display` (the cell text itself when empty).
class Stepper : public Binding {
public:
    Stepper(ParamPage& page, int row, QPushButton* up, QPushButton* down, QLabel* shown,
            StepFunction step);

    void load() override;
    void stepUp() { step(+1); }
    void stepDown() { step(-1); }
    void step(int direction);

    std::function<QString(const QString& cellText)> display;
    // While false, the buttons do nothing (math steps while math is off).
    std::function<bool()> enabledWhen;
    // After the user stepped (not on load), with the new cell text.
    std::function<void(const QString& text)> onStepped;

private:
    QPushButton* m_up;
    QPushButton* m_down;
    QLabel* m_shown;
    StepFunction m_step;
};

// What an entry box's rule says of a committed text.
struct EntryVerdict {
    enum class Kind { Accept, Restore };
    Kind kind = Kind::Accept;
    QString text; // Accept: the text to write (a clamped number, or the text as typed)
    // Restore: shown after the old text is put back; Accept: shown after the text is written
    // (a value corrected to its limit). Empty: silent.
    QString message;

    static EntryVerdict accept(const QString& text, const QString& message = {}) {
        return {Kind::Accept, text, message};
    }
    static EntryVerdict restore(const QString& message = {}) {
        return {Kind::Restore, {}, message};
    }
};
using EntryRule = std::function<EntryVerdict(const QString& text)>;

// Rules for entry boxes.
// A number by the pages' one rule (EntryRules.h): corrected to its limit or refused, with a
// message either way. The rule is asked for at each commit (the decimals follow the channel).
EntryRule NumberEntry(std::function<NumberRule()> rule);
// Every character one of `allowed`; otherwise `message` and the old text.
EntryRule CharactersFrom(const QString& allowed, const QString& message);
// At most `length` characters (the cell's field width); a longer text is cut, and a message
// naming `name` says so.
EntryRule AtMost(int length, const QString& name);
// The rules in turn: the first that restores wins, each accepted text goes to the next.
EntryRule AllOf(QList<EntryRule> rules);

// An entry box: committing (Enter, or leaving the box) checks the rule and writes the cell,
// or puts the cell's text back when the rule fails.
class EntryBox : public Binding {
public:
    EntryBox(ParamPage& page, int row, QLineEdit* box, EntryRule rule = {});

    void load() override;
    // What the box does when the user commits its text.
    void commit();
    QLineEdit* box() const { return m_box; }

    // How the cell is shown in the box (a number with the channel's decimals); empty: as is.
    std::function<QString(const QString& cellText)> display;
    // The entry's rule, where it is a number rule: what the box shows follows it.
    void setNumberRule(std::function<NumberRule()> rule);
    // After a text was written.
    std::function<void(const QString& text)> onCommitted;

private:
    QLineEdit* m_box;
    EntryRule m_rule;
    bool m_committing = false;
};

// A drop-down list: item i writes texts[i]; on load the matching item is shown (none for a
// cell that matches no text).
class ListBinding : public Binding {
public:
    ListBinding(ParamPage& page, int row, QComboBox* list, QStringList texts);

    void load() override;
    void choose(int index);
    QComboBox* list() const { return m_list; }

    std::function<void(int index)> onChosen;

private:
    QComboBox* m_list;
    QStringList m_texts;
};

// "0", "1", ... "n-1": the texts of buttons that write their index.
QStringList IndexTexts(int count);
// Whether two cell texts are the same choice: equal, or the same number.
bool SameChoice(const QString& a, const QString& b);
