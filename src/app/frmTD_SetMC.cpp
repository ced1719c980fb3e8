#include "app/frmTD_SetMC.h"

#include "app/MessageBoxes.h"
#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "core/FileWrite.h"
#include "core/TextLines.h"
#include "core/TextTable.h"
#include "core/WinRgb.h"
#include "widgets/TextTableModel.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString kMark = QStringLiteral("O");
constexpr int kMarkedBack = 0xC8F0C8; // light green, the marked rows stand out

// The notes read as text, from the left.
class MeterListModel : public TextTableModel {
public:
    using TextTableModel::TextTableModel;
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::TextAlignmentRole && index.column() == 1)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        return TextTableModel::data(index, role);
    }
};
} // namespace

frmTD_SetMC::frmTD_SetMC(const QString& setEnvPath, CommState& state, DeviceTables& tables,
                         QWidget* parent)
    : QDialog(parent)
    , m_path(setEnvPath)
    , m_state(state)
    , m_tables(tables) {
    setObjectName(QStringLiteral("frmTD_SetMC"));
    setWindowTitle(tr("Meter List"));

    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const QVector<MeterListLine> read = ReadMeterListForEditing(m_path);
    // Line n is slave address n: the lines after 247 name no meter and are not offered.
    const MeterListMarks marks = ReadMeterListMarks(m_path);
    const int fileLines = int(std::min<qint64>(marks.lines, HighestSlaveAddress));
    const int rows = std::max({int(read.size()), fileLines, MinimumRows});

    m_list = new TextTable(2, rows, this);
    m_list->setText(1, 0, tr("Use"));
    m_list->setText(2, 0, tr("Note"));
    for (int i = 0; i < read.size(); ++i) {
        m_list->setText(1, i + 1, read[i].mark);
        m_list->setText(2, i + 1, read[i].note);
    }
    for (int r = 1; r <= rows; ++r)
        colourRow(r);
    connect(m_list, &TextTable::cellsChanged, this, [this](int, int row1, int, int row2) {
        for (int r = std::max(row1, 1); r <= row2; ++r)
            colourRow(r);
    });

    m_model = new MeterListModel(m_list, this);
    m_model->setEditable(true);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("sprdList"));
    m_view->setModel(m_model);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    m_view->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    m_view->horizontalHeader()->resizeSection(0, fontMetrics().horizontalAdvance(u'W') * 5);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->setToolTip(tr("Click in the first column to use an address or not; "
                          "type in the second column to note what the meter is."));
    m_view->installEventFilter(this);
    // A click marks or unmarks; the note opens for typing on a double click.
    connect(m_view, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() == 0)
            toggleMark(m_model->tableRow(index.row()));
    });
    connect(m_view, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.column() == 1)
            m_view->edit(index);
    });

    auto* hint =
        new QLabel(tr("Row n is slave address n. Mark the addresses in use with \"O\"."), this);
    hint->setWordWrap(true);
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    QStringList summary;
    if (const QString why = TextFileProblem(m_path); !why.isEmpty())
        summary << why;
    if (fileLines > read.size())
        summary << tr("Line %1 of %2 has no tab: it and the lines after it are shown "
                      "empty and are written so when you press OK.")
                       .arg(read.size() + 1)
                       .arg(QDir::toNativeSeparators(m_path));
    if (marks.lines > HighestSlaveAddress)
        summary << tr("The %1 lines after line %2 name no slave address; OK does not keep them.")
                       .arg(marks.lines - HighestSlaveAddress)
                       .arg(HighestSlaveAddress);
    m_summary->setText(summary.join(u' '));
    m_summary->setVisible(!m_summary->text().isEmpty());
    m_summary->setStyleSheet(QStringLiteral("QLabel { color: #b3261e; }"));

    auto* buttons = new QDialogButtonBox(this);
    btnOK = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &frmTD_SetMC::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &frmTD_SetMC::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);
    resize(fontMetrics().averageCharWidth() * 52, fontMetrics().height() * 30);
}

frmTD_SetMC::~frmTD_SetMC() = default;

QVector<MeterListLine> frmTD_SetMC::lines() const {
    QVector<MeterListLine> out;
    out.reserve(m_list->rowCount());
    for (int r = 1; r <= m_list->rowCount(); ++r)
        out.append({m_list->text(1, r), m_list->text(2, r)});
    return out;
}

void frmTD_SetMC::toggleMark(int row) {
    if (row < 1 || row > m_list->rowCount())
        return;
    m_list->setText(1, row, m_list->text(1, row) == kMark ? QString() : kMark);
}

void frmTD_SetMC::colourRow(int row) {
    const bool marked = m_list->text(1, row) == kMark;
    m_list->setBlockBackColour(1, row, 2, row, marked ? kMarkedBack : TextTable::NoColour);
}

bool frmTD_SetMC::eventFilter(QObject* watched, QEvent* event) {
    // The space bar marks or unmarks the current row, as a click does. (While a cell is
    // being edited its editor has the keys, not the view.)
    if (watched == m_view && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space &&
        m_view->currentIndex().isValid() && m_view->currentIndex().column() == 0) {
        toggleMark(m_model->tableRow(m_view->currentIndex().row()));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmTD_SetMC::accept() {
    const QVector<MeterListLine> all = lines();
    if (std::none_of(all.begin(), all.end(), [](const MeterListLine& l) { return l.isMarked(); })) {
        ShowMessage(this, QMessageBox::Information, tr("Check."));
        return;
    }
    QString error;
    if (!SaveMeterList(m_path, all, &error)) {
        // Nothing is rebuilt: the meters stay those of the file on disk.
        m_summary->setText(NotSavedMessage(m_path, error));
        m_summary->setVisible(true);
        return;
    }
    QStringList marks;
    marks.reserve(all.size());
    for (const MeterListLine& l : all)
        marks << l.mark;
    BuildMeterTables(marks, m_state, m_tables);
    KeepSelectedAddressValid(m_state);
    // The rebuild may have moved the selected meter to another index.
    ResolveSelMeter(m_state);
    QDialog::accept();
}
