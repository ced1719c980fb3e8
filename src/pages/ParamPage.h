#pragma once

#include "pages/PageBindings.h"

#include <QDialog>
#include <memory>
#include <vector>

class AppPaths;
class Clock;
class ParamSet;
class QPushButton;
class QTimer;
class TextTable;

// The table a page edits: the common parameters (sprdP, value column 3) or the channel
// parameters (sprdP_CH, channel n in column n + 2).
enum class PageTable { Common, Channel };

// What a page is opened with: the parameter set of the parameter window (the page writes
// straight into its tables), the table and column it edits, the tab to show and the row the
// user clicked.
struct PageContext {
    ParamSet* set = nullptr;
    PageTable table = PageTable::Common;
    int column = 3;
    int tab = 0;
    int row = 0;
    // The program folder (the alarm type pictures) and the PC's clock (the system page's date
    // and time); nullptr: none, the system clock.
    const AppPaths* paths = nullptr;
    const Clock* clock = nullptr;

    int channel() const { return table == PageTable::Channel ? column - 2 : 0; }
    // The set's model and firmware (1.16 is 116).
    int channelCount() const;
    int version() const;
};

// The base of every parameter page: bound to one column of one table, its controls bound to
// rows through the bindings of PageBindings.h, loaded by a one-shot 50 ms tmrRefresh that
// showing the page starts (and a channel change starts again), closed by btnClose ("&Close").
//
// A page is mostly a table of bindings made in its constructor:
//   bindButtons(5, {btnOff, btnOn}, {"OFF", "ON"});
//   bindStepper(6, btnUp, btnDown, lblSpeed, WrapNumbers(1, 120));
//   bindEntry(9, txtReadTime, WholeNumberClamped(0, 9999));
// and loaded() for what the bindings do not show (labels computed from several rows).
class ParamPage : public QDialog {
    Q_OBJECT
public:
    ParamPage(const PageContext& context, const QString& objectName, const QString& caption,
              QWidget* parent = nullptr);
    ~ParamPage() override;

    const PageContext& context() const { return m_context; }
    ParamSet& set() const { return *m_context.set; }
    TextTable& grid() const;
    int column() const { return m_context.column; }
    int channel() const { return m_context.channel(); }
    int channelCount() const { return m_context.channelCount(); }
    int version() const { return m_context.version(); }

    // The cell of `row` in the page's column, and writing it (only when the text differs, so
    // that clicking the chosen button again changes nothing). Returns true when written.
    QString cell(int row) const;
    bool write(int row, const QString& text);
    // Another table's cell, for pages that show or write more than their own column.
    QString cellOf(PageTable table, int column, int row) const;
    bool writeOf(PageTable table, int column, int row, const QString& text);

    // Moves the page to another column (the channel steppers) and loads it again through
    // tmrRefresh.
    void setColumn(int column);

    // The one-shot load: disabled at first, started when the page is shown and after a
    // channel change; its tick loads every binding, then calls loaded().
    QTimer* tmrRefresh() const { return m_tmrRefresh; }
    // What the tick does, for callers that cannot wait for it.
    void refreshNow();
    QPushButton* btnClose() const { return m_btnClose; }

    ButtonArray& bindButtons(int row, QList<QPushButton*> buttons, QStringList texts);
    Stepper& bindStepper(int row, QPushButton* up, QPushButton* down, QLabel* shown,
                         StepFunction step);
    EntryBox& bindEntry(int row, QLineEdit* box, EntryRule rule = {});
    ListBinding& bindList(int row, QComboBox* list, QStringList texts);

    // Buttons with the given captions, children of `parent`, each with an object name
    // `name` + "(i)" as a control array has.
    static QList<QPushButton*> makeButtons(const QString& name, const QStringList& captions,
                                           QWidget* parent);

Q_SIGNALS:
    // A cell of the page's set was written by the page.
    void cellWritten(int row);

protected:
    // After every binding loaded its cell.
    virtual void loaded() {}
    void showEvent(QShowEvent* event) override;

private:
    template <typename T>
    T& keep(std::unique_ptr<T> binding) {
        T& ref = *binding;
        m_bindings.push_back(std::move(binding));
        return ref;
    }
    TextTable& tableOf(PageTable table) const;

    PageContext m_context;
    QTimer* m_tmrRefresh = nullptr;
    QPushButton* m_btnClose = nullptr;
    std::vector<std::unique_ptr<Binding>> m_bindings;
    bool m_shownOnce = false;
};
