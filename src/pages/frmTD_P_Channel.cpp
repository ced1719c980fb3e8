#include "pages/frmTD_P_Channel.h"

#include "pagerules/ChannelInputs.h"
#include "pages/frmInputKey.h"
#include "paramset/ParamCompare.h"
#include "paramset/ParamFields.h"
#include "paramset/ParamSet.h"
#include "widgets/MessageBoxes.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

// A formula as the page shows it: a framed text that opens its dialog when clicked.
class FormulaView : public QLabel {
    Q_OBJECT
public:
    explicit FormulaView(QWidget* parent)
        : QLabel(parent) {
        setFrameShape(QFrame::StyledPanel);
        setWordWrap(true);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setCursor(Qt::PointingHandCursor);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
        setToolTip(tr("Click to enter the formula"));
    }
Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            Q_EMIT clicked();
        QLabel::mouseReleaseEvent(event);
    }
};

namespace {

// Rows of sprdP_CH the page edits.
enum Row {
    CH_NAME = 1,
    UNIT_NAME = 2,
    RANGE_CODE = 4,
    SCALE_ONOFF = 5,
    FP_LOCATE = 6,
    UNIT_MODE = 7,
    READ_MODE = 8,
    READ_TIME = 9,
    MATH_ONOFF = 11,
    MATH_FTYPE = 12, // the reference junction from firmware 1.50
    MATH_A_CH = 13,  // the reference temperature from firmware 1.50
    MATH_B_SELECT = 14,
    MATH_B_CH = 15,
    MATH_B_CONST = 16,
    USER_RANGE_MAX = 17,
    USER_RANGE_MIN = 18,
    SCALE_RANGE_MAX = 19,
    SCALE_RANGE_MIN = 20,
    DISP_RANGE_MAX = 21,
    DISP_RANGE_MIN = 22,
    OFFSET_ERROR = 23,
    HIGHPOINT_ERROR = 24,
    LOWPOINT_ERROR = 25,
};

constexpr int VersionFormulaGroup = 107;

// A number of any size (a text that is none is refused with a message), with `decimals`
// digits after the point (-1: as typed).
NumberRule anyNumber(const QString& name, int decimals = -1) {
    return NumberRule::fractional(-1e300, 1e300, {}, {}).named(name).withDecimals(decimals);
}

// What the messages call the range and adjustment rows.
QString captionOfRow(int row) {
    switch (row) {
    case USER_RANGE_MAX:
        return frmTD_P_Channel::tr("USER RANGE HIGH");
    case USER_RANGE_MIN:
        return frmTD_P_Channel::tr("USER RANGE LOW");
    case SCALE_RANGE_MAX:
        return frmTD_P_Channel::tr("SCALE RANGE HIGH");
    case SCALE_RANGE_MIN:
        return frmTD_P_Channel::tr("SCALE RANGE LOW");
    case DISP_RANGE_MAX:
        return frmTD_P_Channel::tr("DISP. RANGE HIGH");
    case DISP_RANGE_MIN:
        return frmTD_P_Channel::tr("DISP. RANGE LOW");
    case OFFSET_ERROR:
        return frmTD_P_Channel::tr("OFFSET");
    case HIGHPOINT_ERROR:
        return frmTD_P_Channel::tr("HIGH POINT");
    case LOWPOINT_ERROR:
        return frmTD_P_Channel::tr("LOW POINT");
    default:
        return {};
    }
}

QLabel* valueLabel(const char* name, QWidget* parent, int minWidth = 90) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFrameShape(QFrame::StyledPanel);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(minWidth);
    l->setMinimumHeight(24);
    return l;
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    if (caption.size() == 1) // the arrows of a stepper
        b->setFixedWidth(40);
    return b;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretch = true) {
    auto* l = new QHBoxLayout;
    for (QWidget* w : widgets)
        l->addWidget(w);
    if (stretch)
        l->addStretch(1);
    return l;
}

QGroupBox* group(const QString& caption, QWidget* parent) {
    auto* g = new QGroupBox(caption, parent);
    return g;
}

} // namespace

frmTD_P_Channel::frmTD_P_Channel(const PageContext& context, QWidget* parent)
    : ParamPage(context, QStringLiteral("frmTD_P_Channel"), tr("CHANNEL SETUP"), parent) {
    // The channel: its number between the two steppers.
    auto* chBox = new QWidget(this);
    auto* caption = new QLabel(tr("CH.NO"), chBox);
    lblCH_No = valueLabel("lblCH_No", chBox, 60);
    QFont big = lblCH_No->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    lblCH_No->setFont(big);
    auto* dn = button("btnDN_CHNO", QStringLiteral("◀"), chBox);
    auto* up = button("btnUP_CHNO", QStringLiteral("▶"), chBox);
    connect(dn, &QPushButton::clicked, this, [this] { stepChannel(-1); });
    connect(up, &QPushButton::clicked, this, [this] { stepChannel(+1); });
    auto* chRow = row({caption, dn, lblCH_No, up});
    chRow->setContentsMargins(0, 0, 0, 0);
    chBox->setLayout(chRow);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->addTab(buildInputTab(), tr("INPUT"));
    m_tabs->addTab(buildScalingTab(), tr("SCALING"));
    m_tabs->addTab(buildReadingTab(), tr("READING / ADJUST"));
    m_tabs->addTab(buildMathTab(), tr("MATH / FORMULA"));
    m_tabs->addTab(buildDisplayTab(), tr("DISP. RANGE"));
    m_tabs->setCurrentIndex(std::clamp(context.tab, 0, m_tabs->count() - 1));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chBox);
    layout->addWidget(m_tabs, 1);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(btnClose());
    layout->addLayout(closeRow);
    resize(640, 430);
}

// ---- tabs -------------------------------------------------------------------------------

QWidget* frmTD_P_Channel::buildInputTab() {
    auto* tab = new QWidget;
    auto* grid = new QVBoxLayout(tab);

    auto* input = group(tr("INPUT TYPE"), tab);
    auto groups =
        makeButtons(QStringLiteral("btnINP"),
                    {QStringLiteral("VDC"), QStringLiteral("RTD"), QStringLiteral("T/C")}, input);
    ButtonArray& inp = bindButtons(RANGE_CODE, groups, IndexTexts(3));
    inp.matchCell = [](const QString& cell) { return int(InputTypeOf(CellCode(cell)).group); };
    inp.writeChoice = [this](int i) {
        write(RANGE_CODE, QString::number(FirstCodeOf(InputGroup(i))));
    };
    inp.onChosen = [this](int) { rangeCodeChanged(); };
    lblINP = valueLabel("lblINP", input, 130);
    auto* dnInp = button("btnDN_INP", QStringLiteral("▼"), input);
    auto* upInp = button("btnUP_INP", QStringLiteral("▲"), input);
    Stepper& type =
        bindStepper(RANGE_CODE, upInp, dnInp, lblINP, [](const QString& current, int direction) {
            return QString::number(StepInputCode(CellCode(current), direction));
        });
    type.display = [](const QString& cell) { return InputTypeOf(CellCode(cell)).name; };
    type.onStepped = [this](const QString&) { rangeCodeChanged(); };
    lblINP_RangeMin = valueLabel("lblINP_RangeMin", input);
    lblINP_RangeMax = valueLabel("lblINP_RangeMax", input);
    auto* inputLayout = new QGridLayout(input);
    inputLayout->addLayout(row({groups[0], groups[1], groups[2]}), 0, 0, 1, 4);
    inputLayout->addWidget(new QLabel(tr("TYPE"), input), 1, 0);
    inputLayout->addLayout(row({dnInp, lblINP, upInp}), 1, 1, 1, 3);
    inputLayout->addWidget(new QLabel(tr("RANGE"), input), 2, 0);
    inputLayout->addLayout(
        row({lblINP_RangeMin, new QLabel(QStringLiteral("~"), input), lblINP_RangeMax}), 2, 1, 1,
        3);
    grid->addWidget(input);

    auto* unit = group(tr("UNIT"), tab);
    auto units = makeButtons(QStringLiteral("btnUnit"), UnitCaptions(), unit);
    bindButtons(UNIT_MODE, units, IndexTexts(int(units.size())));
    auto* txtUnitName = new QLineEdit(unit);
    txtUnitName->setObjectName(QStringLiteral("txtUnitName"));
    txtUnitName->setMaxLength(UnitTextLength);
    txtUnitName->setFixedWidth(90);
    bindEntry(UNIT_NAME, txtUnitName, AtMost(UnitTextLength, tr("USER UNIT")));
    auto* unitLayout = new QHBoxLayout(unit);
    for (QPushButton* b : units)
        unitLayout->addWidget(b);
    unitLayout->addSpacing(12);
    unitLayout->addWidget(new QLabel(tr("USER UNIT"), unit));
    unitLayout->addWidget(txtUnitName);
    unitLayout->addStretch(1);
    grid->addWidget(unit);

    auto* name = group(tr("CH. NAME"), tab);
    auto* txtCH_Name = new QLineEdit(name);
    txtCH_Name->setObjectName(QStringLiteral("txtCH_Name"));
    txtCH_Name->setMaxLength(ChannelNameLength);
    txtCH_Name->setFixedWidth(150);
    bindEntry(
        CH_NAME, txtCH_Name,
        AllOf({CharactersFrom(ChannelNameCharacters(), tr("Disable Character.", "a channel name")),
               AtMost(ChannelNameLength, tr("CH. NAME"))}));
    auto* nameLayout = new QHBoxLayout(name);
    nameLayout->addWidget(txtCH_Name);
    nameLayout->addWidget(
        new QLabel(tr("(10 characters: letters, digits, signs; no space)"), name));
    nameLayout->addStretch(1);
    grid->addWidget(name);

    picRJC = group(tr("RJC"), tab);
    picRJC->setObjectName(QStringLiteral("picRJC"));
    auto* lblRJC_Val = valueLabel("lblRJC_Val", picRJC, 130);
    auto* upRjc = button("btnUP_RJC", QStringLiteral("▶"), picRJC);
    bindStepper(MATH_FTYPE, upRjc, nullptr, lblRJC_Val, [this](const QString& current, int) {
        return NextReferenceJunction(current, channel(), channelCount());
    });
    auto* txtRJC_MAN = new QLineEdit(picRJC);
    txtRJC_MAN->setObjectName(QStringLiteral("txtRJC_MAN"));
    txtRJC_MAN->setFixedWidth(80);
    // A reference temperature beyond its limits is refused (with a message): the meter's
    // measurements depend on it, so it is not guessed.
    bindEntry(MATH_A_CH, txtRJC_MAN).setNumberRule([] {
        return NumberRule::fractional(ReferenceTemperatureLow, ReferenceTemperatureHigh,
                                      QStringLiteral("-50.0"), QStringLiteral("50.0"))
            .withDecimals(1)
            .refusedBeyond()
            .named(tr("DIRECT INPUT (°C)"));
    });
    auto* rjcLayout = new QHBoxLayout(picRJC);
    rjcLayout->addWidget(new QLabel(tr("RJC TYPE (Only T/C)"), picRJC));
    rjcLayout->addWidget(lblRJC_Val);
    rjcLayout->addWidget(upRjc);
    rjcLayout->addSpacing(16);
    rjcLayout->addWidget(new QLabel(tr("DIRECT INPUT (°C)"), picRJC));
    rjcLayout->addWidget(txtRJC_MAN);
    rjcLayout->addWidget(new QLabel(QStringLiteral("-50.0 ~ 50.0"), picRJC));
    rjcLayout->addStretch(1);
    grid->addWidget(picRJC);
    grid->addStretch(1);
    return tab;
}

QLineEdit* frmTD_P_Channel::rangeBox(const char* name, int rowNumber, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFixedWidth(110);
    box->setAlignment(Qt::AlignRight);
    bindEntry(rowNumber, box).setNumberRule([this, rowNumber] {
        return anyNumber(captionOfRow(rowNumber), decimals());
    });
    m_rangeBoxes << box;
    return box;
}

QWidget* frmTD_P_Channel::buildScalingTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);

    auto* scale = group(tr("SCALE"), tab);
    auto onOff = makeButtons(QStringLiteral("btnSOnOff"),
                             {QStringLiteral("OFF"), QStringLiteral("ON")}, scale);
    bindButtons(SCALE_ONOFF, onOff, {QStringLiteral("OFF"), QStringLiteral("ON")});
    scale->setLayout(row({onOff[0], onOff[1]}));
    layout->addWidget(scale);

    auto* dp = group(tr("DECIMAL POINT"), tab);
    auto dps = makeButtons(QStringLiteral("btnDP"), DecimalPointCaptions(), dp);
    ButtonArray& dpArray = bindButtons(FP_LOCATE, dps, IndexTexts(int(dps.size())));
    // The range boxes show the new number of decimals.
    dpArray.onChosen = [this](int) { refreshNow(); };
    auto* dpLayout = new QHBoxLayout(dp);
    for (QPushButton* b : dps)
        dpLayout->addWidget(b);
    dpLayout->addStretch(1);
    layout->addWidget(dp);

    auto* ranges = group(tr("RANGE"), tab);
    auto* g = new QGridLayout(ranges);
    g->addWidget(new QLabel(tr("HIGH"), ranges), 0, 1, Qt::AlignCenter);
    g->addWidget(new QLabel(tr("LOW"), ranges), 0, 2, Qt::AlignCenter);
    g->addWidget(new QLabel(tr("USER RANGE"), ranges), 1, 0);
    g->addWidget(rangeBox("txtURange_H", USER_RANGE_MAX, ranges), 1, 1);
    g->addWidget(rangeBox("txtURange_L", USER_RANGE_MIN, ranges), 1, 2);
    auto* max = button("btnMaxRange", tr("MAX"), ranges);
    max->setToolTip(tr("The input type's whole range"));
    connect(max, &QPushButton::clicked, this, &frmTD_P_Channel::copyTypeRange);
    g->addWidget(max, 1, 3);
    g->addWidget(new QLabel(tr("SCALE RANGE"), ranges), 2, 0);
    g->addWidget(rangeBox("txtSRange_H", SCALE_RANGE_MAX, ranges), 2, 1);
    g->addWidget(rangeBox("txtSRange_L", SCALE_RANGE_MIN, ranges), 2, 2);
    g->setColumnStretch(4, 1);
    layout->addWidget(ranges);
    layout->addStretch(1);
    return tab;
}

QWidget* frmTD_P_Channel::buildReadingTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);

    auto* read = group(tr("READ METHOD"), tab);
    auto modes = makeButtons(QStringLiteral("btnReadMode"),
                             {QStringLiteral("DIRECT"), QStringLiteral("MAX"),
                              QStringLiteral("MIN"), QStringLiteral("AVG")},
                             read);
    bindButtons(READ_MODE, modes, {});
    auto* txtReadTime = new QLineEdit(read);
    txtReadTime->setObjectName(QStringLiteral("txtReadTime"));
    txtReadTime->setFixedWidth(80);
    txtReadTime->setAlignment(Qt::AlignRight);
    bindEntry(READ_TIME, txtReadTime).setNumberRule([] {
        return NumberRule::between(ReadTimeLow, ReadTimeHigh).named(tr("READ TIME (sec)"));
    });
    auto* readLayout = new QGridLayout(read);
    readLayout->addLayout(row({modes[0], modes[1], modes[2], modes[3]}), 0, 0, 1, 3);
    readLayout->addWidget(new QLabel(tr("READ TIME (sec)"), read), 1, 0);
    readLayout->addWidget(txtReadTime, 1, 1);
    readLayout->setColumnStretch(2, 1);
    layout->addWidget(read);

    auto* adjust = group(tr("INPUT ADJUSTMENT"), tab);
    auto* form = new QGridLayout(adjust);
    const std::tuple<const char*, const char*, int> boxes[] = {
        {QT_TR_NOOP("OFFSET"), "txtEOffset", OFFSET_ERROR},
        {QT_TR_NOOP("HIGH POINT"), "txtEHighPoint", HIGHPOINT_ERROR},
        {QT_TR_NOOP("LOW POINT"), "txtELowPoint", LOWPOINT_ERROR}};
    int r = 0;
    for (const auto& [caption, name, rowNumber] : boxes) {
        auto* box = new QLineEdit(adjust);
        box->setObjectName(QString::fromLatin1(name));
        box->setFixedWidth(110);
        box->setAlignment(Qt::AlignRight);
        bindEntry(rowNumber, box).setNumberRule([this, rowNumber] {
            return anyNumber(captionOfRow(rowNumber), decimals());
        });
        form->addWidget(new QLabel(tr(caption), adjust), r, 0);
        form->addWidget(box, r, 1);
        ++r;
    }
    form->setColumnStretch(2, 1);
    layout->addWidget(adjust);
    layout->addStretch(1);
    return tab;
}

QWidget* frmTD_P_Channel::buildMathTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);

    auto* onOffBox = group(tr("MATH."), tab);
    auto onOff = makeButtons(QStringLiteral("btnMOnOff"),
                             {QStringLiteral("OFF"), QStringLiteral("ON")}, onOffBox);
    ButtonArray& math =
        bindButtons(MATH_ONOFF, onOff, {QStringLiteral("OFF"), QStringLiteral("ON")});
    math.onChosen = [this](int) { updateMath(); };
    onOffBox->setLayout(row({onOff[0], onOff[1]}));
    layout->addWidget(onOffBox);

    picMath = group(tr("MATH. TYPE"), tab);
    picMath->setObjectName(QStringLiteral("picMath"));
    auto* g = new QGridLayout(picMath);
    auto* lblMType = valueLabel("lblMType", picMath, 130);
    lblMType_Code = valueLabel("lblMType_Code", picMath, 40);
    auto* dnType = button("btnDN_MType", QStringLiteral("▼"), picMath);
    auto* upType = button("btnUP_MType", QStringLiteral("▲"), picMath);
    Stepper& type =
        bindStepper(MATH_FTYPE, upType, dnType, lblMType, WrapNumbers(1, MathTypeCount));
    type.display = [](const QString& cell) { return MathTypeName(CellCode(cell)); };
    const auto mathOn = [this] { return cell(MATH_ONOFF) == QStringLiteral("ON"); };
    type.enabledWhen = mathOn;
    type.onStepped = [this](const QString&) { loaded(); };
    g->addWidget(new QLabel(tr("TYPE"), picMath), 0, 0);
    g->addLayout(row({dnType, lblMType, upType, lblMType_Code}), 0, 1);

    auto* lblA_CH = valueLabel("lblA_CH", picMath, 60);
    lblA_CH_Type = valueLabel("lblA_CH_Type", picMath, 110);
    auto* dnA = button("btnDnA_CH", QStringLiteral("▼"), picMath);
    auto* upA = button("btnUpA_CH", QStringLiteral("▲"), picMath);
    Stepper& alpha =
        bindStepper(MATH_A_CH, upA, dnA, lblA_CH, [this](const QString& current, int direction) {
            return WrapNumbers(1, channelCount())(current, direction);
        });
    alpha.enabledWhen = mathOn;
    alpha.onStepped = [this](const QString&) { loaded(); };
    g->addWidget(new QLabel(tr("α CH."), picMath), 1, 0);
    g->addLayout(row({dnA, lblA_CH, upA, lblA_CH_Type}), 1, 1);

    auto bTypes =
        makeButtons(QStringLiteral("btnBType"), {tr("채널 입력"), tr("상수 입력")}, picMath);
    m_bType = &bindButtons(MATH_B_SELECT, bTypes,
                           {QStringLiteral("CHANNEL"), QStringLiteral("CONSTANT")});
    m_bType->onChosen = [this](int) { refreshNow(); };
    txtBVal = new QLineEdit(picMath);
    txtBVal->setObjectName(QStringLiteral("txtBVal"));
    txtBVal->setFixedWidth(110);
    txtBVal->setAlignment(Qt::AlignRight);
    m_bValue = &bindEntry(MATH_B_CONST, txtBVal);
    m_bValue->setNumberRule([this] {
        return cell(MATH_B_SELECT) == QStringLiteral("CHANNEL")
                   ? NumberRule::between(1, channelCount()).named(tr("β CH."))
                   : anyNumber(tr("β CONST"));
    });
    g->addWidget(new QLabel(QStringLiteral("β"), picMath), 2, 0);
    g->addLayout(row({bTypes[0], bTypes[1], txtBVal}), 2, 1);
    m_mathButtons = {dnType, upType, dnA, upA, bTypes[0], bTypes[1]};
    layout->addWidget(picMath);

    picFormula = group(tr("FORMULA"), tab);
    picFormula->setObjectName(QStringLiteral("picFormula"));
    auto* f = new QGridLayout(picFormula);
    sprdFormulaCH = new FormulaView(picFormula);
    sprdFormulaCH->setObjectName(QStringLiteral("sprdFormulaCH"));
    sprdFormulaCH->setMinimumHeight(44);
    connect(sprdFormulaCH, &FormulaView::clicked, this, &frmTD_P_Channel::editChannelFormula);
    f->addWidget(new QLabel(tr("CH MATH."), picFormula), 0, 0, Qt::AlignTop);
    f->addWidget(sprdFormulaCH, 0, 1, 1, 3);
    lblMemNo = valueLabel("lblMemNo", picFormula, 40);
    auto* memUp = button("btnMemUp", QStringLiteral("▲"), picFormula);
    connect(memUp, &QPushButton::clicked, this, &frmTD_P_Channel::btnMemUp_Click);
    lblFormulaMEM = new FormulaView(picFormula);
    lblFormulaMEM->setObjectName(QStringLiteral("lblFormulaMEM"));
    lblFormulaMEM->setMinimumHeight(24);
    connect(lblFormulaMEM, &FormulaView::clicked, this, &frmTD_P_Channel::editMemoryFormula);
    f->addWidget(new QLabel(tr("M AREA"), picFormula), 1, 0);
    f->addWidget(lblMemNo, 1, 1);
    f->addWidget(memUp, 1, 2);
    f->addWidget(lblFormulaMEM, 1, 3);
    f->setColumnStretch(3, 1);
    layout->addWidget(picFormula);
    layout->addStretch(1);
    return tab;
}

QWidget* frmTD_P_Channel::buildDisplayTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    auto* range = group(tr("DISP. RANGE"), tab);
    auto* g = new QGridLayout(range);
    g->addWidget(new QLabel(tr("HIGH"), range), 0, 0);
    g->addWidget(rangeBox("txtDRange_H", DISP_RANGE_MAX, range), 0, 1);
    g->addWidget(new QLabel(tr("LOW"), range), 1, 0);
    g->addWidget(rangeBox("txtDRange_L", DISP_RANGE_MIN, range), 1, 1);
    g->setColumnStretch(2, 1);
    layout->addWidget(range);
    layout->addStretch(1);
    return tab;
}

// ---- behaviour --------------------------------------------------------------------------

int frmTD_P_Channel::decimals() const {
    return std::clamp(CellCode(cell(FP_LOCATE)), 0, 4);
}

void frmTD_P_Channel::rangeCodeChanged() {
    const int code = CellCode(cell(RANGE_CODE));
    write(UNIT_MODE, QString::number(UnitForCode(code)));
    write(FP_LOCATE, QString::number(DecimalsForCode(code)));
    copyTypeRange();
}

void frmTD_P_Channel::copyTypeRange() {
    const InputType type = InputTypeOf(CellCode(cell(RANGE_CODE)));
    if (type.group == InputGroup::None)
        return; // an unknown type has no range to copy
    write(USER_RANGE_MAX, type.rangeMax);
    write(USER_RANGE_MIN, type.rangeMin);
    refreshNow();
}

void frmTD_P_Channel::stepChannel(int direction) {
    int n = channel() + (direction >= 0 ? 1 : -1);
    if (n > channelCount())
        n = 1;
    if (n < 1)
        n = channelCount();
    setColumn(ParamTables::channelColumn(n));
}

int frmTD_P_Channel::memoryCount() const {
    // Six memory formulas, as far as the set has formula rows for them.
    return std::clamp(set().tables.sprdFormual_Mem.rowCount(), 1, 6);
}

void frmTD_P_Channel::btnMemUp_Click() {
    m_memory = m_memory >= memoryCount() ? 1 : m_memory + 1;
    loaded();
}

void frmTD_P_Channel::editChannelFormula() {
    TextTable& table = set().tables.sprdFormual_CH;
    const QString old = ListedText(table.text(1, channel()));
    frmInputKey dialog(frmInputKey::Kind::ChannelFormula, old, this);
    if (RunModal(dialog) != QDialog::Accepted || dialog.text() == old)
        return;
    table.setText(1, channel(), dialog.text());
    loaded();
}

void frmTD_P_Channel::editMemoryFormula() {
    TextTable& table = set().tables.sprdFormual_Mem;
    const QString old = ListedText(table.text(1, m_memory));
    frmInputKey dialog(frmInputKey::Kind::MemoryFormula, old, this);
    if (RunModal(dialog) != QDialog::Accepted || dialog.text() == old)
        return;
    table.setText(1, m_memory, dialog.text());
    loaded();
}

void frmTD_P_Channel::updateMath() {
    const bool on = cell(MATH_ONOFF) == QStringLiteral("ON");
    for (QPushButton* b : m_mathButtons)
        b->setEnabled(on);
    txtBVal->setEnabled(on);
}

void frmTD_P_Channel::loaded() {
    const int v = version();
    lblCH_No->setText(QString::number(channel()));

    const InputType type = InputTypeOf(CellCode(cell(RANGE_CODE)));
    lblINP_RangeMin->setText(type.rangeMin);
    lblINP_RangeMax->setText(type.rangeMax);

    const bool referenceJunction = v >= VersionReferenceJunction;
    picRJC->setVisible(referenceJunction);
    picRJC->setEnabled(type.group == InputGroup::TC);
    picMath->setVisible(!referenceJunction);
    picFormula->setVisible(v >= VersionFormulaGroup);

    lblMType_Code->setText(cell(MATH_FTYPE));
    const int alpha = CellCode(cell(MATH_A_CH));
    lblA_CH_Type->setText(
        alpha >= 1 && alpha <= channelCount()
            ? InputTypeOf(CellCode(cellOf(PageTable::Channel, ParamTables::channelColumn(alpha),
                                          RANGE_CODE)))
                  .name
            : QString());
    // β is a channel or a constant; the box edits the one the chosen button says.
    const bool byChannel = cell(MATH_B_SELECT) == QStringLiteral("CHANNEL");
    const int bRow = byChannel ? MATH_B_CH : MATH_B_CONST;
    if (m_bValue->row() != bRow) {
        m_bValue->setRow(bRow);
        m_bValue->load();
    }
    updateMath();

    m_memory = std::clamp(m_memory, 1, memoryCount());
    lblMemNo->setText(QString::number(m_memory));
    sprdFormulaCH->setText(ListedText(set().tables.sprdFormual_CH.text(1, channel())));
    lblFormulaMEM->setText(ListedText(set().tables.sprdFormual_Mem.text(1, m_memory)));
}

#include "frmTD_P_Channel.moc"
