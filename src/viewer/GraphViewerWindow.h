#pragma once

#include "dataview/DataTimeLine.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class ChannelTable;
class EventListModel;
class LanguageFollower;
class QAction;
class QComboBox;
class QDialog;
class QLabel;
class QTabWidget;
class QTableView;
class QTextBrowser;
class QTimer;
class TracePlot;

// The graph viewer: data files of a meter on one time line, every channel's trace in its
// colour with the state bands under them, the header, the alarm changes and silences to jump
// to, a cursor that reads out every channel, and the shown span exported to CSV or the
// picture to PNG. A file still being written can be followed as it grows.
class GraphViewerWindow : public QMainWindow {
    Q_OBJECT
public:
    // Runs a modal dialog and returns what exec() would: the program passes its own runner so
    // that tests and the screenshot renderer can answer dialogs.
    using DialogRunner = std::function<int(QDialog&)>;

    explicit GraphViewerWindow(QWidget* parent = nullptr);
    ~GraphViewerWindow() override;

    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    // Where the open dialog starts (the data-save folder).
    void setStartFolder(const QString& folder) { m_startFolder = folder; }

    // Shows these files instead of those shown; false when none of them could be read (the
    // reasons are in the message line).
    bool openFiles(const QStringList& paths);
    // Puts more files on the time line.
    bool addFiles(const QStringList& paths);
    // The open dialog; true when files were chosen and opened.
    bool chooseFiles(bool add = false);

    // The records of the shown span and channels as CSV; the picture as PNG.
    bool exportShownCsv(const QString& path, QString* error = nullptr);
    // CSV files start with a UTF-8 byte-order mark, so that a spreadsheet reads °C and Korean
    // names right (on unless the user switches it off, as td700 export --bom).
    void setCsvByteOrderMark(bool on);
    bool csvByteOrderMark() const;
    bool savePicture(const QString& path, QString* error = nullptr);

    void setWhiteBackground(bool on);
    void setFollowing(bool on);
    bool isFollowing() const;
    // One look at the files, as the follow timer takes every second.
    void followOnce();

    // Moves to the next (or previous) alarm that comes on after (before) the middle of the
    // view; false when there is none.
    bool goToAlarm(bool forward);
    void goToEvent(const TimeLineEvent& event);

    const DataTimeLine& timeLine() const { return m_line; }
    TracePlot* plot() const { return m_plot; }
    ChannelTable* channelTable() const { return m_channels; }
    QTabWidget* sidePanel() const { return m_tabs; }
    QTableView* eventView() const { return m_eventView; }
    QString messageText() const;
    QString viewText() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildUi();
    void buildActions();
    void showTimeLine(bool fit);
    void showMessages(const QStringList& messages, bool error = false);
    void updateViewText();
    void updateTitle();
    void onCursorMoved(std::optional<double> time);
    void rereadCutFiles();
    // What File ▸ Export and Save Picture ask for and write.
    struct SaveTarget {
        QString title, extension, filter, dialogName;
        QString failed; // "... %1 was not written: %2"
        std::function<bool(const QString& path, QString* error)> write;
    };
    void saveThroughDialog(const SaveTarget& target);
    void chooseCsvPath();
    void choosePngPath();
    QString suggestedName(const QString& extension) const;
    int runDialog(QDialog& dialog);

    DataTimeLine m_line;
    DialogRunner m_runDialog;
    LanguageFollower* m_texts = nullptr;
    QString m_startFolder;
    TracePlot* m_plot = nullptr;
    ChannelTable* m_channels = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTextBrowser* m_header = nullptr;
    QTableView* m_eventView = nullptr;
    EventListModel* m_events = nullptr;
    QComboBox* m_eventFilter = nullptr;
    QComboBox* m_span = nullptr;
    QLabel* m_message = nullptr;
    QLabel* m_viewLabel = nullptr;
    QLabel* m_cursorLabel = nullptr;
    QAction* m_followAction = nullptr;
    QAction* m_whiteAction = nullptr;
    QAction* m_bomAction = nullptr;
    QList<QAction*> m_needData;
    QTimer* m_followTimer = nullptr;
};
