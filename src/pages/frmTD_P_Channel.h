#pragma once

#include "pages/ParamPage.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class FormulaView;

// "CHANNEL SETUP": the input settings of one channel of sprdP_CH on five tabs: 0 input (type,
// unit, name, reference junction), 1 scaling (scale on/off, decimal point, user and scale
// ranges), 2 reading and input adjustment, 3 math and formulas, 4 display range. The channel
// steps with the page's own up and down buttons; every control writes its cell at once.
class frmTD_P_Channel : public ParamPage {
    Q_OBJECT
public:
    explicit frmTD_P_Channel(const PageContext& context, QWidget* parent = nullptr);

    QTabWidget* SSTab1() const { return m_tabs; }
    // Channel stepping, as btnUP_CHNO and btnDN_CHNO do it.
    void stepChannel(int direction);
    // The memory formula number shown (1..6), and stepping it as btnMemUp does.
    int memoryNumber() const { return m_memory; }
    void btnMemUp_Click();
    // The formula dialogs, as a click on the channel formula or the memory formula opens them.
    void editChannelFormula();
    void editMemoryFormula();

protected:
    void loaded() override;

private:
    QWidget* buildInputTab();
    QWidget* buildScalingTab();
    QWidget* buildReadingTab();
    QWidget* buildMathTab();
    QWidget* buildDisplayTab();
    QLineEdit* rangeBox(const char* name, int row, QWidget* parent);
    void rangeCodeChanged();
    void copyTypeRange();
    void updateMath();
    int decimals() const;
    int memoryCount() const;

    QTabWidget* m_tabs = nullptr;
    QLabel* lblCH_No = nullptr;
    QLabel* lblINP = nullptr;
    QLabel* lblINP_RangeMin = nullptr;
    QLabel* lblINP_RangeMax = nullptr;
    QGroupBox* picRJC = nullptr;
    QGroupBox* picMath = nullptr;
    QGroupBox* picFormula = nullptr;
    QLabel* lblMType_Code = nullptr;
    QLabel* lblA_CH_Type = nullptr;
    QLabel* lblMemNo = nullptr;
    FormulaView* sprdFormulaCH = nullptr;
    FormulaView* lblFormulaMEM = nullptr;
    QList<QPushButton*> m_mathButtons;
    QList<QLineEdit*> m_rangeBoxes;
    QLineEdit* txtBVal = nullptr;
    EntryBox* m_bValue = nullptr;
    ButtonArray* m_bType = nullptr;
    int m_memory = 1;
};
