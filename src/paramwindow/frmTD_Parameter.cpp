#include "paramwindow/frmTD_Parameter.h"

#include "comm/CommEngine.h"
#include "comm/MeterModels.h"
#include "comm/ReplyDecoder.h"
#include "comm/RequestCodes.h"
#include "core/FileWrite.h"
#include "paramset/ImageParameterSource.h"
#include "paramset/ParamCompare.h"
#include "paramset/ParamFields.h"
#include "paramset/ParamFile.h"
#include "paramset/ParamSet.h"
#include "paramtext/ParamSetFiles.h"
#include "paramwindow/ParamGridText.h"
#include "simlink/FactorySettings.h"
#include "widgets/MessageBoxes.h"
#include "widgets/TextTableModel.h"
#include "widgets/TwoColourBar.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

using namespace RequestCode;

namespace {

// A set without a meter or with a meter that does not tell its firmware is laid out as for
// firmware 1.16 and later.
const QString kNoFirmware = QStringLiteral("1.16");
constexpr int kProblemColour = 0x0000C0; // dark red text, Windows RGB

class PlatformDialogs : public ParamFileDialogs {
public:
    QString openFile(QWidget* parent, const QString& startPath) override {
        return QFileDialog::getOpenFileName(parent, frmTD_Parameter::tr("Open"), startPath,
                                            ParamFileFilter());
    }
    QString saveFile(QWidget* parent, const QString& startPath) override {
        QString chosen =
            IsTextFileName(startPath) ? ParamTextFilter() : ParamFileFilter().section(u';', 0, 0);
        QString path = QFileDialog::getSaveFileName(parent, frmTD_Parameter::tr("Save As"),
                                                    startPath, ParamFileFilter(), &chosen);
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
            path += chosen == ParamTextFilter() ? QStringLiteral(".txt") : QStringLiteral(".CFG");
        return path;
    }
};

// The meter's address in an origin "meter [n]".
QString addressOf(const QString& origin) {
    return origin.section(u'[', 1).chopped(1);
}

QString colourCss(int rgb) {
    return QStringLiteral("color: #%1%2%3;")
        .arg(rgb & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((rgb >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((rgb >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

// A parameter grid: a character field shows up to its first zero byte (an empty name is
// ten zero bytes), and the formulas read from the left. The channel grid names its codes and
// shows a channel's values in the channel's decimals.
class ParamGridModel : public TextTableModel {
public:
    ParamGridModel(TextTable* table, bool leftAligned, bool channels, QObject* parent)
        : TextTableModel(table, parent)
        , m_table(table)
        , m_left(leftAligned)
        , m_channels(channels) {}
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole) {
            const int row = tableRow(index.row());
            const int column = tableColumn(index.column());
            if (m_channels && row >= 1 && column >= ParamTables::channelColumn(1))
                return ListedText(ChannelGridText(*m_table, row, column));
            return ListedText(TextTableModel::data(index, role).toString());
        }
        if (role == Qt::TextAlignmentRole && m_left)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        return TextTableModel::data(index, role);
    }

private:
    const TextTable* m_table;
    bool m_left;
    bool m_channels;
};

} // namespace

std::unique_ptr<ParamFileDialogs> PlatformParamFileDialogs() {
    return std::make_unique<PlatformDialogs>();
}

QString ParamFileFilter() {
    // Files written on Windows keep their upper-case extension; a copy may have lost it.
    return frmTD_Parameter::tr("TD700 Config Files(*.CFG *.cfg)") + QStringLiteral(";;") +
           ParamTextFilter();
}

QString ParamTextFilter() {
    return frmTD_Parameter::tr("TD700 Config Text(*.txt)");
}

frmTD_Parameter::frmTD_Parameter(CommEngine* engine, const QString& startFolder, QWidget* parent)
    : QDialog(parent)
    , m_engine(engine)
    , m_startFolder(startFolder)
    , m_set(std::make_unique<ParamSet>())
    , m_dialogs(PlatformParamFileDialogs()) {
    setObjectName(QStringLiteral("frmTD_Parameter"));
    setWindowTitle(tr("Parameter Setup"));
    m_tmrRefresh = new QTimer(this);
    m_tmrRefresh->setObjectName(QStringLiteral("tmrRefresh"));
    m_tmrRefresh->setSingleShot(true);
    m_tmrRefresh->setInterval(50);
    connect(m_tmrRefresh, &QTimer::timeout, this, &frmTD_Parameter::tmrRefresh_Timer);

    // Form_Load: an answering meter gives the channel count, otherwise twelve channels.
    newFactorySet(meterAnswering() ? meterChannels() : 12,
                  meterAnswering() ? meterFirmware() : kNoFirmware);
    m_origin = QStringLiteral("new");
    buildUi();
    takeBaseline();
    connectEngine();
    updateButtons();
    updateIdentity();
    m_tmrRefresh->start();
}

frmTD_Parameter::~frmTD_Parameter() {
    if (m_engine && m_source)
        m_engine->setParameterSource(nullptr);
}

void frmTD_Parameter::setFileDialogs(std::unique_ptr<ParamFileDialogs> dialogs) {
    m_dialogs = std::move(dialogs);
}

// ---- layout -----------------------------------------------------------------------------

QTableView* frmTD_Parameter::makeView(TextTable& table, TextTableModel*& model, Grid grid) {
    auto* view = new QTableView(this);
    const bool formula = grid == Grid::MemoryFormula || grid == Grid::ChannelFormula;
    model = new ParamGridModel(&table, formula, grid == Grid::Channel, view);
    model->setHeaderContext("ParamTables");
    view->setModel(model);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setDefaultSectionSize(20);
    view->verticalHeader()->setMinimumSectionSize(18);
    view->horizontalHeader()->setHighlightSections(false);
    connect(view, &QTableView::clicked, this, [this, grid, model](const QModelIndex& index) {
        clickCell(grid, model->tableRow(index.row()), model->tableColumn(index.column()));
    });
    connect(&table, &TextTable::layoutChanged, this, &frmTD_Parameter::syncHidden);
    connect(&table, &TextTable::cellsChanged, this, &frmTD_Parameter::onTablesChanged);
    return view;
}

void frmTD_Parameter::buildUi() {
    ParamTables& t = m_set->tables;
    sprdP = makeView(t.sprdP, m_modelP, Grid::Common);
    sprdP->setObjectName(QStringLiteral("sprdP"));
    sprdP_CH = makeView(t.sprdP_CH, m_modelCH, Grid::Channel);
    sprdP_CH->setObjectName(QStringLiteral("sprdP_CH"));
    sprdFormual_Mem = makeView(t.sprdFormual_Mem, m_modelMem, Grid::MemoryFormula);
    sprdFormual_Mem->setObjectName(QStringLiteral("sprdFormual_Mem"));
    sprdFormual_CH = makeView(t.sprdFormual_CH, m_modelFormula, Grid::ChannelFormula);
    sprdFormual_CH->setObjectName(QStringLiteral("sprdFormual_CH"));
    for (TextTableModel* m : {m_modelMem, m_modelFormula})
        m->setShowHeaderColumn(false);
    for (QTableView* v : {sprdFormual_Mem, sprdFormual_CH}) {
        v->horizontalHeader()->hide();
        v->horizontalHeader()->setStretchLastSection(true);
        v->verticalHeader()->setDefaultSectionSize(18);
    }
    sprdP->horizontalHeader()->setStretchLastSection(true);
    sprdP->setColumnWidth(0, 230);
    sprdP_CH->setColumnWidth(0, 180);

    auto frame = [this](const QString& caption, QWidget* inside) {
        auto* box = new QGroupBox(caption, this);
        auto* l = new QVBoxLayout(box);
        l->setContentsMargins(4, 4, 4, 4);
        l->addWidget(inside);
        return box;
    };
    auto* formulas = new QHBoxLayout;
    formulas->addWidget(frame(tr("MATH. FUNCTION (M AREA)"), sprdFormual_Mem), 1);
    formulas->addWidget(frame(tr("MATH. FUNCTION (CH MATH. TYPE)"), sprdFormual_CH), 3);

    auto* right = new QVBoxLayout;
    right->addWidget(sprdP_CH, 2);
    right->addLayout(formulas, 1);
    auto* grids = new QHBoxLayout;
    grids->addWidget(sprdP, 0);
    grids->addLayout(right, 1);
    sprdP->setMinimumWidth(380);
    sprdP->setMaximumWidth(400);

    auto makeButton = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    btnNew = makeButton("btnNew", tr("&New"));
    btnOpen = makeButton("btnOpen", tr("&Open"));
    btnSave = makeButton("btnSave", tr("&Save"));
    btnSaveAs = makeButton("btnSaveAs", tr("Save &As"));
    btnUpload = makeButton("btnUpload", tr("&Upload (TD700 => PC)"));
    btnDownload = makeButton("btnDownload", tr("&Download (PC => TD700)"));
    btnClose = makeButton("btnClose", tr("&Close"));
    btnCancel = makeButton("btnCancel", tr("Cance&l"));
    btnCancel->setEnabled(false);
    connect(btnNew, &QPushButton::clicked, this, &frmTD_Parameter::btnNew_Click);
    connect(btnOpen, &QPushButton::clicked, this, &frmTD_Parameter::btnOpen_Click);
    connect(btnSave, &QPushButton::clicked, this, &frmTD_Parameter::btnSave_Click);
    connect(btnSaveAs, &QPushButton::clicked, this, &frmTD_Parameter::btnSaveAs_Click);
    connect(btnUpload, &QPushButton::clicked, this, &frmTD_Parameter::btnUpload_Click);
    connect(btnDownload, &QPushButton::clicked, this, &frmTD_Parameter::btnDownload_Click);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnCancel, &QPushButton::clicked, this, &frmTD_Parameter::btnCancel_Click);

    auto* fileBox = new QGroupBox(tr("File"), this);
    auto* fileGrid = new QGridLayout(fileBox);
    fileGrid->addWidget(new QLabel(tr("File Name"), fileBox), 0, 0);
    lblFName = new QLabel(fileBox);
    lblFName->setObjectName(QStringLiteral("lblFName"));
    lblFName->setFrameShape(QFrame::StyledPanel);
    lblFName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblFName->setMinimumWidth(200);
    fileGrid->addWidget(lblFName, 0, 1, 1, 4);
    fileGrid->addWidget(btnNew, 1, 1);
    fileGrid->addWidget(btnOpen, 1, 2);
    fileGrid->addWidget(btnSave, 1, 3);
    fileGrid->addWidget(btnSaveAs, 1, 4);
    lblSet = new QLabel(fileBox);
    lblSet->setObjectName(QStringLiteral("lblSet"));
    fileGrid->addWidget(lblSet, 2, 0, 1, 5);
    fileGrid->setColumnStretch(1, 1);
    fileGrid->setColumnStretch(2, 1);
    fileGrid->setColumnStretch(3, 1);
    fileGrid->setColumnStretch(4, 1);

    auto* transferBox = new QGroupBox(tr("Upload/Download"), this);
    auto* transferGrid = new QGridLayout(transferBox);
    transferGrid->addWidget(btnUpload, 0, 0);
    transferGrid->addWidget(btnDownload, 0, 1);
    transferGrid->addWidget(btnCancel, 0, 2);
    lblMsg = new QLabel(transferBox);
    lblMsg->setObjectName(QStringLiteral("lblMsg"));
    lblMsg->setWordWrap(true);
    lblMsg->setMinimumHeight(34);
    transferGrid->addWidget(lblMsg, 1, 0, 1, 3);
    XProgress1 = new TwoColourBar(transferBox);
    XProgress1->setObjectName(QStringLiteral("XProgress1"));
    XProgress1->setColours(0xFF8000, 0xFFFF00); // blue to cyan, Windows RGB
    XProgress1->setMinimumHeight(20);
    transferGrid->addWidget(XProgress1, 2, 0, 1, 3);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(fileBox, 1);
    bottom->addWidget(transferBox, 1);
    auto* closeColumn = new QVBoxLayout;
    closeColumn->addStretch(1);
    closeColumn->addWidget(btnClose);
    bottom->addLayout(closeColumn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grids, 1);
    layout->addLayout(bottom);
    syncHidden();
    resize(1180, 760);
}

void frmTD_Parameter::syncHidden() {
    const ParamTables& t = m_set->tables;
    const std::pair<QTableView*, const TextTable*> views[] = {{sprdP, &t.sprdP},
                                                              {sprdP_CH, &t.sprdP_CH},
                                                              {sprdFormual_Mem, &t.sprdFormual_Mem},
                                                              {sprdFormual_CH, &t.sprdFormual_CH}};
    for (const auto& [view, table] : views) {
        if (!view)
            continue;
        auto* model = static_cast<TextTableModel*>(view->model());
        for (int r = 0; r < model->rowCount(); ++r)
            view->setRowHidden(r, table->isRowHidden(model->tableRow(r)));
        for (int c = 0; c < model->columnCount(); ++c)
            view->setColumnHidden(c, table->isColumnHidden(model->tableColumn(c)));
    }
    fitChannelColumns();
}

void frmTD_Parameter::fitChannelColumns() {
    if (!sprdP_CH)
        return;
    // One width for every channel: the longest input type with its code, or the widest text
    // a cell shows now (an alarm type with its name), in the font the cells are drawn with and
    // the style's margins.
    const QFontMetrics fm = sprdP_CH->fontMetrics();
    int widest = fm.horizontalAdvance(QStringLiteral("17 ±0.10000V"));
    for (int r = 0; r < m_modelCH->rowCount(); ++r)
        for (int c = 2; c < m_modelCH->columnCount(); ++c)
            widest =
                std::max(widest, fm.horizontalAdvance(m_modelCH->index(r, c).data().toString()));
    const int margins =
        2 * (sprdP_CH->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, sprdP_CH) + 1) +
        2 * fm.averageCharWidth();
    for (int c = 2; c < m_modelCH->columnCount(); ++c)
        sprdP_CH->setColumnWidth(c, std::max(86, widest + margins));
}

// ---- the meter --------------------------------------------------------------------------

bool frmTD_Parameter::meterSelected() const {
    return m_engine && m_engine->phase() == CommEngine::Phase::Polling &&
           m_engine->state().gSelAddress > 0;
}

bool frmTD_Parameter::meterAnswering() const {
    return meterSelected() && m_engine->tables().sprdStatus.text(2, m_engine->state().gSelMeter +
                                                                        1) == QStringLiteral("OK");
}

int frmTD_Parameter::meterChannels() const {
    if (!m_engine)
        return 12;
    const int row = m_engine->state().gSelMeter + 1;
    const int channels = ChannelCountOfModel(m_engine->tables().sprdStatus.integer(3, row));
    return channels ? channels : 12;
}

QString frmTD_Parameter::meterFirmware() const {
    if (!m_engine)
        return kNoFirmware;
    const QString text =
        m_engine->tables().sprdStatus.text(4, m_engine->state().gSelMeter + 1).trimmed();
    return text.isEmpty() ? kNoFirmware : text;
}

int frmTD_Parameter::meterAddress() const {
    return m_engine ? m_engine->state().gSelAddress : 0;
}

void frmTD_Parameter::connectEngine() {
    if (!m_engine)
        return;
    connect(m_engine, &CommEngine::transferProgress, this, &frmTD_Parameter::onProgress);
    connect(m_engine, &CommEngine::uploadCompleted, this, &frmTD_Parameter::onUploadCompleted);
    connect(m_engine, &CommEngine::downloadCompleted, this, &frmTD_Parameter::onDownloadCompleted);
    connect(m_engine, &CommEngine::phaseChanged, this, [this](CommEngine::Phase phase) {
        if (phase == CommEngine::Phase::Closed && isTransferRunning())
            transferStopped(tr("the port was closed"));
        updateButtons();
    });
    connect(m_engine, &CommEngine::requestGivenUp, this, &frmTD_Parameter::onRequestGivenUp);
    connect(m_engine, &CommEngine::meterAnswering, this, [this](int meter, bool answering) {
        if (!answering && meter == m_engine->state().gSelMeter && isTransferRunning())
            transferStopped(tr("meter [%1] stopped answering").arg(meterAddress()));
        updateButtons();
    });
    connect(&m_engine->tables().sprdStatus, &TextTable::cellsChanged, this,
            &frmTD_Parameter::updateButtons);
    connect(m_engine, &CommEngine::settingsStateChanged, this,
            [this](CommEngine::SettingsState state) {
                // A settings read that completes while the window shows the meter's empty
                // stand-in fills it, unless the user has started on something else.
                if (state == CommEngine::SettingsState::Complete && m_settingsStalled) {
                    m_settingsStalled = false;
                    updateButtons();
                }
                if (state == CommEngine::SettingsState::Complete && !isTransferRunning() &&
                    !m_unsaved && m_origin == QStringLiteral("waiting"))
                    m_tmrRefresh->start();
            });
}

void frmTD_Parameter::updateButtons() {
    const bool answering = meterAnswering();
    btnUpload->setEnabled(answering && !isTransferRunning());
    btnDownload->setEnabled(answering && !isTransferRunning());
    btnCancel->setEnabled(isTransferRunning() || m_settingsStalled);
}

void frmTD_Parameter::updateIdentity() {
    QString text =
        tr("%1 channels, firmware %2").arg(m_set->channelCount()).arg(m_set->versionText());
    if (m_origin.startsWith(QStringLiteral("meter")))
        text += tr(", from meter [%1]").arg(addressOf(m_origin));
    else if (m_origin == QStringLiteral("file"))
        text += tr(", from the file");
    else
        text += tr(", new set");
    if (m_markedCells > 0)
        text += m_markedCells == 1 ? tr(" - 1 value changed (marked)")
                                   : tr(" - %1 values changed (marked)").arg(m_markedCells);
    if (m_unsaved)
        text += tr(", not saved");
    lblSet->setText(text);
}

void frmTD_Parameter::showMessage(const QString& text, bool problem) {
    lblMsg->setText(text);
    lblMsg->setStyleSheet(problem ? colourCss(kProblemColour) : QString());
}

QString frmTD_Parameter::fileName() const {
    return lblFName->text();
}

QString frmTD_Parameter::message() const {
    return lblMsg->text();
}

QPushButton* frmTD_Parameter::button(const QString& objectName) const {
    return findChild<QPushButton*>(objectName);
}

QTableView* frmTD_Parameter::view(Grid grid) const {
    switch (grid) {
    case Grid::Common:
        return sprdP;
    case Grid::Channel:
        return sprdP_CH;
    case Grid::MemoryFormula:
        return sprdFormual_Mem;
    case Grid::ChannelFormula:
        return sprdFormual_CH;
    }
    return nullptr;
}

// ---- the refresh ------------------------------------------------------------------------

void frmTD_Parameter::tmrRefresh_Timer() {
    m_tmrRefresh->stop();
    if (!meterSelected()) {
        updateButtons();
        return; // the window keeps what it shows (a new set, or a file)
    }
    const int channels = meterChannels();
    const QString firmware = meterFirmware();
    m_quiet = true;
    if (m_engine->settingsComplete()) {
        ShowDeviceTablesInSet(*m_set, m_engine->tables(), channels, firmware);
        m_origin = QStringLiteral("meter [%1]").arg(meterAddress());
        m_unsaved = false;
        lblFName->clear();
    } else {
        // Half-read settings are not shown as the meter's: the tables stay empty until a
        // read or an upload completes.
        NewParameterSet(*m_set, channels, firmware);
        m_origin = QStringLiteral("waiting");
    }
    m_quiet = false;
    syncHidden();
    takeBaseline();
    remark();
    updateButtons();
    if (m_origin == QStringLiteral("waiting"))
        offerUploadForIncompleteSettings();
}

void frmTD_Parameter::offerUploadForIncompleteSettings() {
    const CommEngine::SettingsState state = m_engine->settingsState();
    if (state == CommEngine::SettingsState::Reading ||
        state == CommEngine::SettingsState::NotRead) {
        showMessage(tr("Reading the settings of meter [%1] ... the tables are filled "
                       "when the read completes.")
                        .arg(meterAddress()));
        return;
    }
    QStringList missing;
    for (int block : m_engine->settingsMissing())
        missing << (block == 0 ? tr("common settings")
                               : QStringLiteral("CH.%1").arg(block, 2, 10, QLatin1Char('0')));
    const QString text =
        tr("The settings of meter [%1] were not read completely (missing: %2). The "
           "tables do not show them.")
            .arg(meterAddress())
            .arg(missing.join(QStringLiteral(", ")));
    if (!meterAnswering()) {
        showMessage(text + tr(" Upload them when the meter answers again."), true);
        return;
    }
    showMessage(text + tr(" Upload to read them again."), true);
    if (AskYesNo(this, windowTitle(), text + tr("\n\nUpload them again now?")))
        btnUpload_Click();
}

// ---- marks and unsaved changes ----------------------------------------------------------

void frmTD_Parameter::onTablesChanged() {
    if (m_quiet)
        return;
    m_unsaved = true;
    remark();
}

namespace {

QStringList snapshot(const TextTable& table) {
    QStringList texts;
    const int columns = table.columnCount() + 1;
    texts.reserve((table.rowCount() + 1) * columns);
    for (int row = 0; row <= table.rowCount(); ++row)
        for (int column = 0; column < columns; ++column)
            texts << table.text(column, row);
    return texts;
}

} // namespace

void frmTD_Parameter::takeBaseline() {
    const ParamTables& t = m_set->tables;
    m_baseline = {snapshot(t.sprdP), snapshot(t.sprdP_CH), snapshot(t.sprdFormual_Mem),
                  snapshot(t.sprdFormual_CH)};
}

void frmTD_Parameter::remark() {
    m_quiet = true;
    ParamTables& t = m_set->tables;
    int marked = 0;
    auto mark = [](TextTable& table, int column, int row, bool edited) {
        const int want = edited ? EditedColour : TextTable::NoColour;
        if (table.backColour(column, row) != want)
            table.setBackColour(column, row, want);
    };
    auto edited = [this](int which, const TextTable& table, int column, int row) {
        const QStringList& base = m_baseline[size_t(which)];
        const qsizetype at = qsizetype(row) * (table.columnCount() + 1) + column;
        if (at >= base.size())
            return !table.text(column, row).isEmpty();
        // The same number in another form ("12.5", "12.50") is no change.
        const QString& was = base[at];
        const QString now = table.text(column, row);
        bool wasNumber = false, nowNumber = false;
        const double a = was.toDouble(&wasNumber), b = now.toDouble(&nowNumber);
        return wasNumber && nowNumber ? a != b : was != now;
    };
    for (int row = 1; row <= t.sprdP.rowCount(); ++row) {
        const bool e = edited(0, t.sprdP, ParamTables::ValueColumn, row);
        mark(t.sprdP, ParamTables::ValueColumn, row, e);
        mark(t.sprdP, ParamTables::DescriptionColumn, row, e);
        marked += e;
    }
    for (int row = 1; row <= t.sprdP_CH.rowCount(); ++row) {
        bool any = false;
        for (int n = 1; n <= m_set->channelCount(); ++n) {
            const int column = ParamTables::channelColumn(n);
            const bool e = edited(1, t.sprdP_CH, column, row);
            mark(t.sprdP_CH, column, row, e);
            any = any || e;
            marked += e;
        }
        mark(t.sprdP_CH, ParamTables::DescriptionColumn, row, any);
    }
    int which = 2;
    for (TextTable* f : {&t.sprdFormual_Mem, &t.sprdFormual_CH}) {
        for (int row = 1; row <= f->rowCount(); ++row) {
            const bool e = edited(which, *f, 1, row);
            mark(*f, 1, row, e);
            marked += e;
        }
        ++which;
    }
    m_markedCells = marked;
    m_quiet = false;
    updateIdentity();
}

bool frmTD_Parameter::confirmDiscard(const QString& what) {
    if (!m_unsaved)
        return true;
    return AskYesNo(this, windowTitle(),
                    tr("The parameter set has changes that are not saved.\n%1 "
                       "anyway and lose them?")
                        .arg(what));
}

// ---- files ------------------------------------------------------------------------------

// A new set is the meter's factory set: the grid shows each value in the format an upload of
// a fresh meter shows it.
void frmTD_Parameter::newFactorySet(int channels, const QString& firmware) {
    DeviceTables factory;
    ReadFactorySettings(factory, channels, firmware);
    NewParameterSet(*m_set, channels, firmware, factory);
}

void frmTD_Parameter::btnNew_Click() {
    if (!confirmDiscard(tr("Start a new set")))
        return;
    m_quiet = true;
    if (meterAnswering())
        newFactorySet(meterChannels(), meterFirmware());
    else
        newFactorySet(m_set->channelCount(), m_set->versionText());
    m_quiet = false;
    m_origin = QStringLiteral("new");
    m_unsaved = false;
    lblFName->clear();
    showMessage(QString());
    syncHidden();
    takeBaseline();
    remark();
}

void frmTD_Parameter::btnOpen_Click() {
    if (!confirmDiscard(tr("Open another file")))
        return;
    const QString start = fileName().isEmpty() ? m_startFolder : fileName();
    const QString path = m_dialogs->openFile(this, start);
    if (path.isEmpty())
        return;
    openFile(path);
}

bool frmTD_Parameter::openFile(const QString& path) {
    m_quiet = true;
    const ParamFileResult result = LoadParameterSetFile(*m_set, path);
    m_quiet = false;
    if (!result.ok) {
        // A text with faults names each on a line of its own: the first one goes into the label.
        showMessage(tr("Not opened: %1 The tables are unchanged.")
                        .arg(result.error.section(u'\n', 0, 1).replace(u'\n', u' ')),
                    true);
        ShowMessage(this, QMessageBox::Warning, result.error);
        return false;
    }
    // The file is what the window shows now, not the meter's settings a refresh would bring.
    m_tmrRefresh->stop();
    lblFName->setText(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    m_origin = QStringLiteral("file");
    m_unsaved = false;
    syncHidden();
    takeBaseline();
    remark();
    if (!result.warnings.isEmpty()) {
        showMessage(result.warnings.join(QLatin1Char(' ')));
        ShowMessage(this, QMessageBox::Information, result.warnings.join(QLatin1Char('\n')));
    } else {
        showMessage(QString());
    }
    return true;
}

bool frmTD_Parameter::saveTo(const QString& path) {
    m_quiet = true;
    const ParamFileResult result = SaveParameterSetFile(*m_set, path);
    m_quiet = false;
    if (!result.ok) {
        showMessage(tr("Not saved: %1 The file on disk is unchanged.").arg(result.error), true);
        return false;
    }
    lblFName->setText(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    m_unsaved = false;
    showMessage(
        tr("Saved %1 (%2 bytes).").arg(QFileInfo(path).fileName()).arg(QFileInfo(path).size()));
    updateIdentity();
    return true;
}

void frmTD_Parameter::btnSave_Click() {
    QString path = QDir::fromNativeSeparators(fileName());
    if (path.isEmpty()) {
        path = m_dialogs->saveFile(this, m_startFolder);
        if (path.isEmpty())
            return;
    }
    saveTo(path);
}

void frmTD_Parameter::btnSaveAs_Click() {
    const QString start =
        fileName().isEmpty() ? m_startFolder : QDir::fromNativeSeparators(fileName());
    const QString path = m_dialogs->saveFile(this, start);
    if (path.isEmpty())
        return;
    saveTo(path);
}

// ---- upload and download ----------------------------------------------------------------

void frmTD_Parameter::btnUpload_Click() {
    if (!meterAnswering() || isTransferRunning())
        return;
    if (!confirmDiscard(tr("Upload from meter [%1]").arg(meterAddress())))
        return;
    m_quiet = true;
    m_set->tables.layOut(meterChannels(), VersionHundredths(VersionNumber(meterFirmware())));
    m_quiet = false;
    syncHidden();
    if (!m_engine->post(RC_UPLOAD_COMMON)) {
        showMessage(tr("The upload could not start: meter [%1] is not ready.").arg(meterAddress()),
                    true);
        return;
    }
    m_transfer = Transfer::Upload;
    XProgress1->setValue(0);
    XProgress1->setText(QStringLiteral("0%"));
    showMessage(tr("Parameter Uploading(TD700==>PC) ..."));
    updateButtons();
}

void frmTD_Parameter::btnDownload_Click() {
    if (!meterAnswering() || isTransferRunning())
        return;
    // A download replaces a running recorder's settings: the user says yes first, knowing
    // which meter, which set, and a set made for another model or firmware.
    if (!AskYesNo(this, windowTitle(), downloadQuestion()))
        return;
    m_quiet = true;
    TakeImageFromTables(*m_set);
    m_quiet = false;
    m_source = std::make_unique<ImageParameterSource>(*m_set);
    m_engine->setParameterSource(m_source.get());
    if (!m_engine->post(RC_DL_CH_KEY)) {
        m_engine->setParameterSource(nullptr);
        m_source.reset();
        showMessage(
            tr("The download could not start: meter [%1] is not ready.").arg(meterAddress()), true);
        return;
    }
    m_transfer = Transfer::Download;
    XProgress1->setValue(0);
    XProgress1->setText(QStringLiteral("0%"));
    showMessage(tr("Parameter Downloading(PC==>TD700) ..."));
    updateButtons();
}

namespace {

// About how long a download of `channels` channels keeps the bus: the common block, each
// channel's block and formula, the memory formulas and the read-back, a few hundred bytes a
// request each way and the meter's turn-around.
int TransferSeconds(int channels, int baud) {
    const int requests = 4 + 2 * channels;
    const double perRequest = 500.0 * 10.0 / std::max(baud, 1200) + 0.1;
    return std::max(1, int(std::ceil(requests * perRequest)));
}

} // namespace

QString frmTD_Parameter::downloadQuestion() const {
    const int channels = meterChannels();
    const QString firmware = meterFirmware();
    const QString port = m_engine ? m_engine->portSettings().portName : QString();
    QString set;
    if (m_origin == QStringLiteral("file") && !fileName().isEmpty())
        set = tr("the file %1").arg(fileName());
    else if (m_origin.startsWith(QStringLiteral("meter")))
        set = tr("the set uploaded from meter [%1]").arg(addressOf(m_origin));
    else
        set = tr("the new set");
    if (m_unsaved)
        set += tr(", with the changes made here");
    QString text = tr("Write %1 (%2 channels, firmware %3) to meter [%4] (%5 "
                      "channels, firmware %6) on %7?\n\nThis replaces the meter's "
                      "settings.")
                       .arg(set)
                       .arg(m_set->channelCount())
                       .arg(m_set->versionText())
                       .arg(meterAddress())
                       .arg(channels)
                       .arg(firmware, port);
    if (channels != m_set->channelCount() ||
        VersionHundredths(VersionNumber(firmware)) != m_set->versionHundredths())
        text += tr("\n\nThe set is not for this meter's model and firmware.");
    // The bus carries nothing else meanwhile: every meter's data files get a gap ("No data").
    const int baud = m_engine ? m_engine->portSettings().baud.toInt() : 0;
    text += tr("\n\nLogging and publishing pause for the transfer (about %n second(s)); "
               "every meter's data files show the gap.",
               nullptr, TransferSeconds(m_set->channelCount(), baud));
    return text;
}

void frmTD_Parameter::onProgress(int percent, const QString& text) {
    if (!isTransferRunning())
        return;
    XProgress1->setValue(percent);
    XProgress1->setText(QStringLiteral("%1%").arg(percent));
    showMessage(text);
}

void frmTD_Parameter::onUploadCompleted() {
    if (m_transfer != Transfer::Upload)
        return;
    endTransfer();
    // The refresh takes the tables over from the meter's, as after the window opened.
    m_tmrRefresh->start();
}

void frmTD_Parameter::onDownloadCompleted() {
    if (m_transfer != Transfer::Download)
        return;
    endTransfer();
}

void frmTD_Parameter::endTransfer() {
    m_transfer = Transfer::None;
    if (m_engine && m_source) {
        m_engine->setParameterSource(nullptr);
        m_source.reset();
    }
    updateButtons();
}

void frmTD_Parameter::returnToMonitoring() {
    m_settingsStalled = false;
    if (m_engine && m_engine->isPortOpen())
        m_engine->cancelTransfer();
}

// A request to the selected meter failed three times in a row. A transfer stops there (the
// engine would go on asking); a settings read goes on asking until the meter answers, and the
// window says so and offers to cancel it.
void frmTD_Parameter::onRequestGivenUp(const FailedRequest& failure) {
    using namespace RequestCode;
    if (failure.meter != m_engine->state().gSelMeter || failure.code < RC_READ_COMMON ||
        failure.code >= RC_SEND_CLOCK_FRAME)
        return;
    const QString what = QStringLiteral("[%1] %2").arg(failure.address).arg(failure.predicate());
    if (isTransferRunning()) {
        transferStopped(tr("meter %1").arg(what));
        return;
    }
    if (failure.code > RC_READ_CHANNEL + 11)
        return;
    m_settingsStalled = true;
    showMessage(tr("Meter %1. Its settings are asked again until it answers; Cancel returns to "
                   "monitoring.")
                    .arg(what),
                true);
    updateButtons();
}

void frmTD_Parameter::btnCancel_Click() {
    if (isTransferRunning()) {
        const bool upload = m_transfer == Transfer::Upload;
        returnToMonitoring();
        endTransfer();
        showMessage(upload ? tr("The upload was cancelled. The tables are unchanged.")
                           : tr("The download was cancelled. The meter may hold part of the new "
                                "settings; download again."),
                    true);
        return;
    }
    if (!m_settingsStalled)
        return;
    returnToMonitoring();
    showMessage(tr("Reading the settings of meter [%1] was cancelled; monitoring goes on. "
                   "Upload reads them when the meter answers.")
                    .arg(meterAddress()),
                true);
    updateButtons();
}

void frmTD_Parameter::transferStopped(const QString& why) {
    const bool upload = m_transfer == Transfer::Upload;
    // Back to monitoring: the engine would otherwise go on asking.
    returnToMonitoring();
    endTransfer();
    showMessage(upload ? tr("The upload did not complete: %1. The tables are "
                            "unchanged.")
                             .arg(why)
                       : tr("The download did not complete: %1. The meter may hold "
                            "part of the new settings; download again.")
                             .arg(why),
                true);
}

// ---- pages ------------------------------------------------------------------------------

PageTarget frmTD_Parameter::targetOf(Grid grid, int row, int column) const {
    const ParamTables& t = m_set->tables;
    switch (grid) {
    case Grid::Common:
        return PageForCommonCell(row, column, t.sprdP.text(ParamTables::DescriptionColumn, row),
                                 m_set->channelCount());
    case Grid::Channel:
        return PageForChannelCell(row, column, m_set->channelCount(), m_set->versionHundredths());
    case Grid::MemoryFormula:
    case Grid::ChannelFormula:
        return PageForFormulaRow(row, m_set->channelCount());
    }
    return {};
}

void frmTD_Parameter::clickCell(Grid grid, int row, int column) {
    const PageTarget target = targetOf(grid, row, column);
    if (target.page == PageId::None)
        return;
    std::unique_ptr<ParamPage> page(CreatePage(target, *m_set, this));
    if (!page) {
        ShowMessage(this, QMessageBox::Information, PageComesLaterText(target.page));
        return;
    }
    RunModal(*page);
    fitChannelColumns(); // the page may have chosen a longer name
}

// ---- closing ----------------------------------------------------------------------------

void frmTD_Parameter::done(int result) {
    if (isTransferRunning()) {
        const QString question =
            m_transfer == Transfer::Upload
                ? tr("The upload from meter [%1] is still running.\nStop it and "
                     "close?")
                      .arg(meterAddress())
                : tr("The download to meter [%1] is still running; stopping it "
                     "leaves the meter with part of the new settings.\nStop it "
                     "and close?")
                      .arg(meterAddress());
        if (!AskYesNo(this, windowTitle(), question))
            return;
    } else if (!confirmDiscard(tr("Close the window"))) {
        return;
    }
    // Monitoring resumes (and a transfer still running, or a settings read waiting for a silent
    // meter, stops).
    if (isTransferRunning() || m_settingsStalled)
        returnToMonitoring();
    else if (m_engine && m_engine->isPortOpen())
        m_engine->post(RC_POLL_STATUS);
    endTransfer();
    QDialog::done(result);
}
