#include "pages/ParamPage.h"

#include "paramset/ParamSet.h"

#include <QPushButton>
#include <QTimer>

int PageContext::channelCount() const {
    return set ? set->channelCount() : 12;
}

int PageContext::version() const {
    return set ? set->versionHundredths() : 0;
}

ParamPage::ParamPage(const PageContext& context, const QString& objectName, const QString& caption,
                     QWidget* parent)
    : QDialog(parent)
    , m_context(context) {
    setObjectName(objectName);
    setWindowTitle(caption);
    m_tmrRefresh = new QTimer(this);
    m_tmrRefresh->setObjectName(QStringLiteral("tmrRefresh"));
    m_tmrRefresh->setSingleShot(true);
    m_tmrRefresh->setInterval(50);
    connect(m_tmrRefresh, &QTimer::timeout, this, &ParamPage::refreshNow);
    m_btnClose = new QPushButton(tr("&Close"), this);
    m_btnClose->setObjectName(QStringLiteral("btnClose"));
    connect(m_btnClose, &QPushButton::clicked, this, &QDialog::accept);
}

ParamPage::~ParamPage() = default;

TextTable& ParamPage::tableOf(PageTable table) const {
    return table == PageTable::Common ? m_context.set->tables.sprdP
                                      : m_context.set->tables.sprdP_CH;
}

TextTable& ParamPage::grid() const {
    return tableOf(m_context.table);
}

QString ParamPage::cell(int row) const {
    return grid().text(m_context.column, row);
}

bool ParamPage::write(int row, const QString& text) {
    return writeOf(m_context.table, m_context.column, row, text);
}

QString ParamPage::cellOf(PageTable table, int column, int row) const {
    return tableOf(table).text(column, row);
}

bool ParamPage::writeOf(PageTable table, int column, int row, const QString& text) {
    TextTable& t = tableOf(table);
    if (t.text(column, row) == text)
        return false;
    if (!t.setText(column, row, text))
        return false;
    if (table == m_context.table && column == m_context.column)
        Q_EMIT cellWritten(row);
    return true;
}

void ParamPage::setColumn(int column) {
    m_context.column = column;
    m_tmrRefresh->start();
}

void ParamPage::refreshNow() {
    m_tmrRefresh->stop();
    for (const auto& b : m_bindings)
        b->load();
    loaded();
}

void ParamPage::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // Enter in an entry box commits the box; it must not press a button of the page.
    for (QPushButton* b : findChildren<QPushButton*>()) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    m_tmrRefresh->start();
}

ButtonArray& ParamPage::bindButtons(int row, QList<QPushButton*> buttons, QStringList texts) {
    return keep(std::make_unique<ButtonArray>(*this, row, std::move(buttons), std::move(texts)));
}

Stepper& ParamPage::bindStepper(int row, QPushButton* up, QPushButton* down, QLabel* shown,
                                StepFunction step) {
    return keep(std::make_unique<Stepper>(*this, row, up, down, shown, std::move(step)));
}

EntryBox& ParamPage::bindEntry(int row, QLineEdit* box, EntryRule rule) {
    return keep(std::make_unique<EntryBox>(*this, row, box, std::move(rule)));
}

ListBinding& ParamPage::bindList(int row, QComboBox* list, QStringList texts) {
    return keep(std::make_unique<ListBinding>(*this, row, list, std::move(texts)));
}

QList<QPushButton*> ParamPage::makeButtons(const QString& name, const QStringList& captions,
                                           QWidget* parent) {
    QList<QPushButton*> buttons;
    for (int i = 0; i < captions.size(); ++i) {
        auto* b = new QPushButton(captions[i], parent);
        b->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(i));
        buttons << b;
    }
    return buttons;
}
