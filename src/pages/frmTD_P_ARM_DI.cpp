#include "pages/frmTD_P_ARM_DI.h"

#include "pagerules/AlarmRules.h"
#include "pagerules/StepRules.h"
#include "pages/PageKit.h"
#include "paramset/FieldText.h"
#include "paramset/ParamSet.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int NoPanel = 4;
// The channel's decimal point (its row in the channel table): the alarm values keep it.
constexpr int ChannelDecimalsRow = 6;

QLineEdit* numberBox(QWidget* parent, const QString& name, const QString& widest) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(widest) + 16);
    return box;
}

QLabel* caption(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

// A number box with its up and down buttons.
QHBoxLayout* stepper(QLineEdit* box, QPushButton* up, QPushButton* down) {
    auto* line = new QHBoxLayout;
    line->setSpacing(2);
    line->addWidget(box);
    line->addWidget(up);
    line->addWidget(down);
    line->addStretch();
    return line;
}

} // namespace

frmTD_P_ARM_DI::frmTD_P_ARM_DI(const PageContext& context, QWidget* parent)
    : ParamPage(context, QStringLiteral("frmTD_P_ARM_DI"), tr("ALARM/DI SETUP"), parent)
    , m_set(*context.set)
    , m_pictures(context.paths) {
    const int channel = context.channel() < 1 ? 1 : context.channel();
    setObjectName(QStringLiteral("frmTD_P_ARM_DI"));
    setWindowTitle(tr("ALARM/DI SETUP"));
    auto* layout = new QHBoxLayout;
    layout->addWidget(buildAlarmArea(), 3);
    layout->addWidget(buildInputArea(), 2);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(layout);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(btnClose());
    outer->addLayout(bottom);

    txtCH_No->setText(QString::number(
        ApplyNumberRule(AlarmRules::Channel(m_set.channelCount()), QString::number(channel))
            .cellText.toInt()));
    txtDI_No->setText(QStringLiteral("1"));
    // Opened from the row of an alarm or an input, the page shows that alarm or that input.
    const int alarmRow = AlarmRow(1, AlarmField::SetValue);
    const int alarmRows = AlarmRow(2, AlarmField::SetValue) - alarmRow;
    if (context.table == PageTable::Channel && context.row >= alarmRow)
        m_alarm = std::clamp((context.row - alarmRow) / alarmRows + 1, 1, AlarmsPerChannel);
    const int inputRow = InputRow(1, InputField::Level);
    const int inputRows = InputRow(2, InputField::Level) - inputRow;
    if (context.table == PageTable::Common && context.row >= inputRow)
        txtDI_No->setText(QString::number(
            std::clamp((context.row - inputRow) / inputRows + 1, 1, DigitalInputs)));
    lblALM_No->setText(obtALM_No[m_alarm - 1]->text());
}

QWidget* frmTD_P_ARM_DI::buildAlarmArea() {
    auto* box = new QGroupBox(tr("ALARM"), this);
    auto* v = new QVBoxLayout(box);

    // Channel and alarm number.
    auto* head = new QHBoxLayout;
    txtCH_No = numberBox(box, QStringLiteral("txtCH_No"), QStringLiteral("000"));
    btnUP_CH = PageKit::arrowButton(box, QStringLiteral("btnUP_CH"), true);
    btnDN_CH = PageKit::arrowButton(box, QStringLiteral("btnDN_CH"), false);
    head->addWidget(caption(tr("CH.NO"), box));
    head->addLayout(stepper(txtCH_No, btnUP_CH, btnDN_CH));
    head->addSpacing(16);
    head->addWidget(caption(tr("ALARM"), box));
    auto* numbers = new QButtonGroup(this);
    for (int k = 1; k <= AlarmsPerChannel; ++k) {
        auto* o = new QRadioButton(QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0')), box);
        o->setObjectName(QStringLiteral("obtALM_No%1").arg(k - 1));
        numbers->addButton(o, k);
        obtALM_No << o;
        head->addWidget(o);
    }
    lblALM_No = new QLabel(QStringLiteral("01"), box);
    lblALM_No->setObjectName(QStringLiteral("lblALM_No"));
    lblALM_No->hide(); // the chosen option says it
    head->addStretch();
    v->addLayout(head);
    connect(btnUP_CH, &QPushButton::clicked, this, [this] {
        txtCH_No->setText(QString::number(StepWrapped(channel(), 1, 1, m_set.channelCount())));
        refreshAlarm();
    });
    connect(btnDN_CH, &QPushButton::clicked, this, [this] {
        txtCH_No->setText(QString::number(StepWrapped(channel(), -1, 1, m_set.channelCount())));
        refreshAlarm();
    });
    connect(txtCH_No, &QLineEdit::editingFinished, this, [this] {
        const EntryOutcome out = ApplyNumberRule(
            AlarmRules::Channel(m_set.channelCount()).named(tr("CH.NO")), txtCH_No->text());
        txtCH_No->setText(out.accepted ? out.boxText : QString::number(m_channelShown));
        refreshAlarm();
        PageKit::tell(this, out);
    });
    connect(numbers, &QButtonGroup::idClicked, this, [this](int k) {
        m_alarm = k;
        lblALM_No->setText(obtALM_No[k - 1]->text());
        refreshAlarm();
    });

    // Type, its picture and its panel.
    auto* typeRow = new QHBoxLayout;
    auto* typeBox = new QVBoxLayout;
    auto* typeLine = new QHBoxLayout;
    lblALM_Type = new QLabel(box);
    lblALM_Type->setObjectName(QStringLiteral("lblALM_Type"));
    lblALM_Type->setAlignment(Qt::AlignCenter);
    lblALM_Type->setFrameShape(QFrame::Panel);
    lblALM_Type->setFrameShadow(QFrame::Sunken);
    lblALM_Type->setMinimumWidth(
        lblALM_Type->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    btnUP_ALT = PageKit::arrowButton(box, QStringLiteral("btnUP_ALT"), true);
    btnDN_ALT = PageKit::arrowButton(box, QStringLiteral("btnDN_ALT"), false);
    typeLine->addWidget(caption(tr("TYPE"), box));
    typeLine->addWidget(lblALM_Type);
    typeLine->addWidget(btnUP_ALT);
    typeLine->addWidget(btnDN_ALT);
    lblALM_TypeName = new QLabel(box);
    lblALM_TypeName->setObjectName(QStringLiteral("lblALM_TypeName"));
    typeLine->addWidget(lblALM_TypeName);
    typeLine->addStretch();
    typeBox->addLayout(typeLine);
    connect(btnUP_ALT, &QPushButton::clicked, this, [this] { stepType(1); });
    connect(btnDN_ALT, &QPushButton::clicked, this, [this] { stepType(-1); });

    picALT = new QStackedWidget(box);
    picALT->setObjectName(QStringLiteral("picALT"));
    txtALM_SV = numberBox(box, QStringLiteral("txtALM_SV"), QStringLiteral("-0000.00"));
    txtALM_HYS = numberBox(box, QStringLiteral("txtALM_HYS"), QStringLiteral("-0000.00"));
    txtALM_RATE = numberBox(box, QStringLiteral("txtALM_RATE"), QStringLiteral("-0000.00"));
    txtALM_CCH = numberBox(box, QStringLiteral("txtALM_CCH"), QStringLiteral("000"));
    for (int panel = 0; panel < 4; ++panel) {
        auto* page = new QWidget(picALT);
        page->setObjectName(QStringLiteral("picALT%1").arg(panel));
        auto* grid = new QGridLayout(page);
        grid->setContentsMargins(0, 4, 0, 4);
        switch (panel) {
        case 0:
            grid->addWidget(caption(tr("SET VALUE"), page), 0, 0);
            grid->addWidget(caption(tr("HYS."), page), 1, 0);
            grid->addWidget(txtALM_HYS, 1, 1);
            m_setValuePlace[0] = grid;
            break;
        case 1:
            grid->addWidget(caption(tr("WITH CH."), page), 0, 0);
            grid->addWidget(txtALM_CCH, 0, 1);
            grid->addWidget(caption(tr("ERROR VALUE"), page), 1, 0);
            m_setValuePlace[1] = grid;
            break;
        case 2: {
            lblRate = new QLabel(tr("UP RATE"), page);
            lblRate->setObjectName(QStringLiteral("lblRate"));
            grid->addWidget(lblRate, 0, 0);
            grid->addWidget(txtALM_RATE, 0, 1);
            auto* units = new QButtonGroup(this);
            auto* unitLine = new QHBoxLayout;
            const QStringList captions{QStringLiteral("HOUR"), QStringLiteral("MIN."),
                                       QStringLiteral("SEC.")};
            for (int i = 0; i < captions.size(); ++i) {
                auto* o = new QRadioButton(captions[i], page);
                o->setObjectName(QStringLiteral("obtTUNIT%1").arg(i));
                units->addButton(o, i);
                obtTUNIT << o;
                unitLine->addWidget(o);
            }
            grid->addLayout(unitLine, 1, 0, 1, 3);
            connect(units, &QButtonGroup::idClicked, this, [this](int i) {
                writeAlarm(AlarmRow(m_alarm, AlarmField::TimeUnit), obtTUNIT[i]->text());
            });
            break;
        }
        case 3: {
            auto* note = new QLabel(tr("USER-RANGE BURNOUT or OPEN"), page);
            note->setWordWrap(true);
            grid->addWidget(note, 0, 0);
            break;
        }
        }
        grid->setColumnStretch(2, 1);
        grid->setRowStretch(2, 1);
        picALT->addWidget(page);
    }
    picALT->addWidget(new QWidget(picALT)); // no panel
    typeBox->addWidget(picALT);
    typeRow->addLayout(typeBox, 1);
    picALM_Type = new QLabel(box);
    picALM_Type->setObjectName(QStringLiteral("picALM_Type"));
    picALM_Type->setFixedSize(AlarmTypePictures::DrawnSize + QSize(4, 4));
    picALM_Type->setFrameShape(QFrame::Box);
    picALM_Type->setAlignment(Qt::AlignCenter);
    picALM_Type->setScaledContents(false);
    typeRow->addWidget(picALM_Type, 0, Qt::AlignTop);
    v->addLayout(typeRow);

    // Record and relay, whatever the type.
    auto* outputs = new QGridLayout;
    btnALM_RCD = PageKit::choiceButtons(
        box, QStringLiteral("btnALM_RCD"),
        {QStringLiteral("BYPASS"), QStringLiteral("STOP"), QStringLiteral("START")});
    auto* recordLine = new QHBoxLayout;
    for (QPushButton* b : btnALM_RCD) {
        recordLine->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, b] {
            writeAlarm(AlarmRow(m_alarm, AlarmField::Record), b->text());
            PageKit::paintChosen(btnALM_RCD, b->text());
        });
    }
    recordLine->addStretch();
    outputs->addWidget(caption(tr("RECORD"), box), 0, 0);
    outputs->addLayout(recordLine, 0, 1, 1, 4);
    txtALM_RYO = numberBox(box, QStringLiteral("txtALM_RYO"), QStringLiteral("000"));
    txtALM_RYT = numberBox(box, QStringLiteral("txtALM_RYT"), QStringLiteral("00000000"));
    outputs->addWidget(caption(tr("OUTPUT"), box), 1, 0);
    outputs->addWidget(caption(tr("RELAY NO."), box), 1, 1);
    outputs->addWidget(txtALM_RYO, 1, 2);
    outputs->addWidget(caption(tr("ON-TIME"), box), 2, 1);
    outputs->addWidget(txtALM_RYT, 2, 2);
    outputs->addWidget(caption(QStringLiteral("sec"), box), 2, 3);
    outputs->setColumnStretch(4, 1);
    v->addLayout(outputs);
    v->addStretch();

    for (const auto& [entry, field] : alarmBoxes())
        bindAlarmEntry(entry, int(field));
    return box;
}

QWidget* frmTD_P_ARM_DI::buildInputArea() {
    auto* box = new QGroupBox(tr("D/I"), this);
    auto* grid = new QGridLayout(box);
    txtDI_No = numberBox(box, QStringLiteral("txtDI_No"), QStringLiteral("000"));
    btnUP_DI = PageKit::arrowButton(box, QStringLiteral("btnUP_DI"), true);
    btnDN_DI = PageKit::arrowButton(box, QStringLiteral("btnDN_DI"), false);
    grid->addWidget(caption(tr("D/I NO."), box), 0, 0);
    grid->addLayout(stepper(txtDI_No, btnUP_DI, btnDN_DI), 0, 1, 1, 3);
    connect(btnUP_DI, &QPushButton::clicked, this, [this] {
        txtDI_No->setText(QString::number(StepWrapped(input(), 1, 1, DigitalInputs)));
        refreshInput();
    });
    connect(btnDN_DI, &QPushButton::clicked, this, [this] {
        txtDI_No->setText(QString::number(StepWrapped(input(), -1, 1, DigitalInputs)));
        refreshInput();
    });
    connect(txtDI_No, &QLineEdit::editingFinished, this, [this] {
        const EntryOutcome out =
            ApplyNumberRule(AlarmRules::Input().named(tr("D/I NO.")), txtDI_No->text());
        txtDI_No->setText(out.accepted ? out.boxText : QString::number(m_inputShown));
        refreshInput();
        PageKit::tell(this, out);
    });

    const auto choices = [&](const QString& name, const QStringList& captions, int field, int at,
                             const QString& label) {
        QList<QPushButton*> buttons = PageKit::choiceButtons(box, name, captions);
        auto* line = new QHBoxLayout;
        for (QPushButton* b : buttons) {
            line->addWidget(b);
            connect(b, &QPushButton::clicked, this, [this, b, buttons, field] {
                writeInput(InputRow(input(), InputField(field)), b->text());
                PageKit::paintChosen(buttons, b->text());
            });
        }
        grid->addWidget(caption(label, box), at, 0);
        grid->addLayout(line, at, 1, 1, 3);
        return buttons;
    };
    btnDI_Level =
        choices(QStringLiteral("btnDI_Level"), {QStringLiteral("HIGH"), QStringLiteral("LOW")},
                int(InputField::Level), 1, tr("D/I LEVEL"));
    btnDI_RCD = choices(QStringLiteral("btnDI_RCD"),
                        {QStringLiteral("BYPASS"), QStringLiteral("START"), QStringLiteral("STOP")},
                        int(InputField::Record), 2, tr("RECORD"));
    txtDI_RYO = numberBox(box, QStringLiteral("txtDI_RYO"), QStringLiteral("000"));
    txtDI_RYT = numberBox(box, QStringLiteral("txtDI_RYT"), QStringLiteral("00000000"));
    grid->addWidget(caption(tr("OUTPUT"), box), 3, 0);
    grid->addWidget(caption(tr("RELAY NO."), box), 3, 1);
    grid->addWidget(txtDI_RYO, 3, 2);
    grid->addWidget(caption(tr("ON-TIME"), box), 4, 1);
    grid->addWidget(txtDI_RYT, 4, 2);
    grid->addWidget(caption(QStringLiteral("sec"), box), 4, 3);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(5, 1);
    bindInputEntry(txtDI_RYO, int(InputField::RelayOutput));
    bindInputEntry(txtDI_RYT, int(InputField::RelayOnTime));
    return box;
}

int frmTD_P_ARM_DI::channel() const {
    return int(ApplyNumberRule(AlarmRules::Channel(m_set.channelCount()), txtCH_No->text())
                   .cellText.toInt());
}

int frmTD_P_ARM_DI::input() const {
    return int(ApplyNumberRule(AlarmRules::Input(), txtDI_No->text()).cellText.toInt());
}

int frmTD_P_ARM_DI::visiblePanel() const {
    return picALT->currentIndex() == NoPanel ? -1 : picALT->currentIndex();
}

QString frmTD_P_ARM_DI::alarmCell(int row) const {
    return m_set.tables.sprdP_CH.text(ParamTables::channelColumn(channel()), row);
}

void frmTD_P_ARM_DI::writeAlarm(int row, const QString& text) {
    m_set.tables.sprdP_CH.setText(ParamTables::channelColumn(channel()), row, text);
}

QString frmTD_P_ARM_DI::inputCell(int row) const {
    return m_set.tables.sprdP.text(ParamTables::ValueColumn, row);
}

void frmTD_P_ARM_DI::writeInput(int row, const QString& text) {
    m_set.tables.sprdP.setText(ParamTables::ValueColumn, row, text);
}

QList<std::pair<QLineEdit*, AlarmField>> frmTD_P_ARM_DI::alarmBoxes() const {
    return {{txtALM_SV, AlarmField::SetValue},     {txtALM_HYS, AlarmField::Hysteresis},
            {txtALM_RATE, AlarmField::Rate},       {txtALM_CCH, AlarmField::ComparedChannel},
            {txtALM_RYO, AlarmField::RelayOutput}, {txtALM_RYT, AlarmField::RelayOnTime}};
}

NumberRule frmTD_P_ARM_DI::alarmRule(int fieldIndex) const {
    const int decimals = std::clamp(int(CellNumber(alarmCell(ChannelDecimalsRow))), 0, 4);
    switch (AlarmField(fieldIndex)) {
    case AlarmField::SetValue:
        return AlarmRules::SetValue().named(tr("SET VALUE")).withDecimals(decimals);
    case AlarmField::Hysteresis:
        return AlarmRules::Hysteresis().named(tr("HYSTERESIS")).withDecimals(decimals);
    case AlarmField::Rate:
        return AlarmRules::Rate().named(tr("RATE")).withDecimals(decimals);
    case AlarmField::ComparedChannel:
        return AlarmRules::Channel(m_set.channelCount()).named(tr("WITH CH."));
    case AlarmField::RelayOutput:
        return AlarmRules::RelayOutput().named(tr("RELAY NO."));
    default:
        return AlarmRules::RelayOnTime().named(tr("ON-TIME"));
    }
}

NumberRule frmTD_P_ARM_DI::inputRule(int fieldIndex) const {
    return InputField(fieldIndex) == InputField::RelayOutput
               ? AlarmRules::RelayOutput().named(tr("RELAY NO."))
               : AlarmRules::RelayOnTime().named(tr("ON-TIME"));
}

void frmTD_P_ARM_DI::bindAlarmEntry(QLineEdit* box, int fieldIndex) {
    const auto row = [this, fieldIndex] { return AlarmRow(m_alarm, AlarmField(fieldIndex)); };
    PageKit::bindNumberBox(
        this, box, [this, fieldIndex] { return alarmRule(fieldIndex); },
        [this, row] { return alarmCell(row()); },
        [this, row](const QString& text) { writeAlarm(row(), text); });
}

void frmTD_P_ARM_DI::bindInputEntry(QLineEdit* box, int fieldIndex) {
    const auto row = [this, fieldIndex] { return InputRow(input(), InputField(fieldIndex)); };
    PageKit::bindNumberBox(
        this, box, [this, fieldIndex] { return inputRule(fieldIndex); },
        [this, row] { return inputCell(row()); },
        [this, row](const QString& text) { writeInput(row(), text); });
}

void frmTD_P_ARM_DI::loaded() {
    refreshAlarm();
    refreshInput();
}

void frmTD_P_ARM_DI::refreshAlarm() {
    for (int k = 1; k <= AlarmsPerChannel; ++k) {
        obtALM_No[k - 1]->setChecked(k == m_alarm);
    }
    m_channelShown = channel();
    for (const auto& [box, field] : alarmBoxes())
        box->setText(ShownEntryText(alarmRule(int(field)), alarmCell(AlarmRow(m_alarm, field))));
    const auto row = [this](AlarmField f) { return AlarmRow(m_alarm, f); };

    const QString typeText = alarmCell(row(AlarmField::Type));
    const int type = int(CellNumber(typeText));
    lblALM_Type->setText(typeText);
    lblALM_TypeName->setText(AlarmTypeName(type));
    const QPixmap picture = m_pictures.picture(type);
    if (picture.isNull())
        picALM_Type->clear();
    else
        picALM_Type->setPixmap(picture.scaled(AlarmTypePictures::DrawnSize, Qt::KeepAspectRatio,
                                              Qt::SmoothTransformation));
    const int panel = AlarmTypePanel(type);
    if (panel == 0 || panel == 1)
        m_setValuePlace[panel]->addWidget(txtALM_SV, panel == 0 ? 0 : 1, 1);
    if (panel == 2)
        lblRate->setText(AlarmRateCaption(type));
    picALT->setCurrentIndex(panel < 0 ? NoPanel : panel);

    const QString unit = alarmCell(row(AlarmField::TimeUnit));
    for (QRadioButton* o : obtTUNIT)
        o->setChecked(o->text() == unit);
    PageKit::paintChosen(btnALM_RCD, alarmCell(row(AlarmField::Record)));
}

void frmTD_P_ARM_DI::refreshInput() {
    const int i = input();
    m_inputShown = i;
    PageKit::paintChosen(btnDI_Level, inputCell(InputRow(i, InputField::Level)));
    PageKit::paintChosen(btnDI_RCD, inputCell(InputRow(i, InputField::Record)));
    txtDI_RYO->setText(
        ShownEntryText(AlarmRules::RelayOutput(), inputCell(InputRow(i, InputField::RelayOutput))));
    txtDI_RYT->setText(inputCell(InputRow(i, InputField::RelayOnTime)));
}

void frmTD_P_ARM_DI::stepType(int delta) {
    const int row = AlarmRow(m_alarm, AlarmField::Type);
    const int next = StepWrapped(int(CellNumber(alarmCell(row))), delta, 0, AlarmTypes - 1);
    writeAlarm(row, QString::number(next));
    refreshAlarm();
}
