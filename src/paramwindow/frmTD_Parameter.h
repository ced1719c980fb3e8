#pragma once

#include "pages/PageFactory.h"

#include <QDialog>
#include <array>
#include <memory>

class CommEngine;
class ImageParameterSource;
struct FailedRequest;
class ParamSet;
class QLabel;
class QPushButton;
class QTableView;
class QTimer;
class TextTable;
class TextTableModel;
class TwoColourBar;

// The open and save dialogs of the parameter window (a test answers them itself). An empty
// answer is a cancel.
class ParamFileDialogs {
public:
    virtual ~ParamFileDialogs() = default;
    virtual QString openFile(QWidget* parent, const QString& startPath) = 0;
    virtual QString saveFile(QWidget* parent, const QString& startPath) = 0;
};
// The file dialogs of the platform, filtered to parameter files.
std::unique_ptr<ParamFileDialogs> PlatformParamFileDialogs();
// The filters both dialogs offer: parameter files first, then their text form; a save to a
// .txt name writes the text.
QString ParamFileFilter();
QString ParamTextFilter();

// "Parameter Setup": the parameter set of the selected meter (or of a file) as four tables,
// the file commands, upload from and download to the selected meter with their progress,
// and the pages that a click on a value opens. The set lives in the window; the pages write
// into its tables. Rows that differ from the last uploaded, opened or new set are marked.
class frmTD_Parameter : public QDialog {
    Q_OBJECT
public:
    // `engine` may be null (no port: files only). `startFolder` is where the file dialogs
    // start when no file is open.
    frmTD_Parameter(CommEngine* engine, const QString& startFolder, QWidget* parent = nullptr);
    ~frmTD_Parameter() override;

    void setFileDialogs(std::unique_ptr<ParamFileDialogs> dialogs);

    ParamSet& set() { return *m_set; }
    const ParamSet& set() const { return *m_set; }

    // The commands, as the buttons run them.
    void btnNew_Click();
    void btnOpen_Click();
    void btnSave_Click();
    void btnSaveAs_Click();
    void btnUpload_Click();
    void btnDownload_Click();
    // Stops a transfer, or a settings read that waits for a meter that does not answer, and
    // returns the engine to monitoring.
    void btnCancel_Click();
    // Opens a parameter file without the dialog (the program's FILE.CFG argument). False,
    // with the reason in lblMsg, when the file cannot be used.
    bool openFile(const QString& path);
    // The one-shot refresh from the selected meter's settings.
    void tmrRefresh_Timer();

    // A click on a cell (table row and column from 1) of one of the four tables: the target
    // page, and opening it.
    enum class Grid { Common, Channel, MemoryFormula, ChannelFormula };
    PageTarget targetOf(Grid grid, int row, int column) const;
    void clickCell(Grid grid, int row, int column);

    QString fileName() const; // lblFName
    QString message() const;  // lblMsg
    bool hasUnsavedChanges() const { return m_unsaved; }
    bool isTransferRunning() const { return m_transfer != Transfer::None; }
    // The selected meter gave its settings read up; the engine asks again until it answers.
    bool isWaitingForSilentMeter() const { return m_settingsStalled; }
    // The rows with a mark: an edited value since the last upload, open or New.
    int markedCells() const { return m_markedCells; }

    QPushButton* button(const QString& objectName) const;
    QTableView* view(Grid grid) const;
    TwoColourBar* progressBar() const { return XProgress1; }
    QTimer* refreshTimer() const { return m_tmrRefresh; }

    // The colour of a marked value cell (light yellow).
    static constexpr int EditedColour = 0x99FFFF;

public Q_SLOTS:
    void done(int result) override;

private:
    void newFactorySet(int channels, const QString& firmware);
    enum class Transfer { None, Upload, Download };

    void buildUi();
    void connectEngine();
    QTableView* makeView(TextTable& table, TextTableModel*& model, Grid grid);
    void syncHidden();
    void fitChannelColumns();
    void updateButtons();
    void updateIdentity();
    void showMessage(const QString& text, bool problem = false);
    bool meterSelected() const;
    bool meterAnswering() const;
    int meterChannels() const;
    QString meterFirmware() const;
    int meterAddress() const;
    bool confirmDiscard(const QString& what);
    bool saveTo(const QString& path);
    void remark();
    // What the tables showed after the last upload, open or New: marks compare with it.
    void takeBaseline();
    void onTablesChanged();
    void onProgress(int percent, const QString& text);
    void onUploadCompleted();
    void onDownloadCompleted();
    void transferStopped(const QString& why);
    void onRequestGivenUp(const FailedRequest& failure);
    void returnToMonitoring();
    void endTransfer();
    void offerUploadForIncompleteSettings();
    // What Download asks before it writes: the meter, its model and firmware, the set, and
    // that the meter's settings are replaced.
    QString downloadQuestion() const;

    CommEngine* m_engine;
    QString m_startFolder;
    std::unique_ptr<ParamSet> m_set;
    std::unique_ptr<ParamFileDialogs> m_dialogs;
    std::unique_ptr<ImageParameterSource> m_source;

    QTableView* sprdP = nullptr;
    QTableView* sprdP_CH = nullptr;
    QTableView* sprdFormual_Mem = nullptr;
    QTableView* sprdFormual_CH = nullptr;
    TextTableModel* m_modelP = nullptr;
    TextTableModel* m_modelCH = nullptr;
    TextTableModel* m_modelMem = nullptr;
    TextTableModel* m_modelFormula = nullptr;
    QPushButton* btnNew = nullptr;
    QPushButton* btnOpen = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnSaveAs = nullptr;
    QPushButton* btnUpload = nullptr;
    QPushButton* btnDownload = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnCancel = nullptr;
    QLabel* lblFName = nullptr;
    QLabel* lblMsg = nullptr;
    QLabel* lblSet = nullptr;
    TwoColourBar* XProgress1 = nullptr;
    QTimer* m_tmrRefresh = nullptr;

    Transfer m_transfer = Transfer::None;
    bool m_unsaved = false;
    bool m_settingsStalled = false;
    bool m_quiet = false; // the window itself is changing the tables
    int m_markedCells = 0;
    QString m_origin; // where the set came from: "meter [1]", "file", "new", "waiting"
    // Value cell texts by table (sprdP, sprdP_CH, sprdFormual_Mem, sprdFormual_CH), each
    // indexed row * columns + column.
    std::array<QStringList, 4> m_baseline;
};
