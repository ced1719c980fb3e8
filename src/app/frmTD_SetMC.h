#pragma once

#include "comm/MeterList.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableView;
class TextTable;
class TextTableModel;
struct CommState;
struct DeviceTables;

// "Meter List": one row per slave address (row n is address n). A click in the first
// column sets or clears the mark "O"; typing works as well. OK refuses a list without a mark
// ("Check."), rewrites every line of the file, rebuilds the meter tables and keeps the
// selected address valid.
class frmTD_SetMC : public QDialog {
    Q_OBJECT
public:
    // Addresses offered when the file holds fewer lines: one RS-485 segment carries 32 devices.
    static constexpr int MinimumRows = 32;

    frmTD_SetMC(const QString& setEnvPath, CommState& state, DeviceTables& tables,
                QWidget* parent = nullptr);
    ~frmTD_SetMC() override;

    TextTable& sprdList() { return *m_list; }
    QTableView* listView() const { return m_view; }
    QVector<MeterListLine> lines() const;
    // Sets or clears the mark of a row (from 1).
    void toggleMark(int row);
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

public Q_SLOTS:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void colourRow(int row);

    QString m_path;
    CommState& m_state;
    DeviceTables& m_tables;
    TextTable* m_list = nullptr;
    TextTableModel* m_model = nullptr;
    QTableView* m_view = nullptr;
    QLabel* m_summary = nullptr;
};
