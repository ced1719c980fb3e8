#include "pages/frmTD_P_System.h"

#include "clock/ClockFields.h"
#include "comm/ChannelColours.h"
#include "core/Clock.h"
#include "pagerules/EntryRules.h"
#include "pagerules/StepRules.h"
#include "pagerules/SystemRules.h"
#include "pages/PageKit.h"
#include "paramset/FieldText.h"
#include "paramset/ParamFields.h"
#include "paramset/ParamSet.h"
#include "widgets/MessageBoxes.h"
#include "widgets/WinColour.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int PeriodRow = 10, ResumeRow = 11, BeepRow = 12, SaverRow = 13, BufferRow = 14,
              BackgroundRow = 15, LanguageRow = 16, PasswordRow = 17, ReserveRow = 18,
              ReserveFirstRow = 19, ColourRow = 10;
constexpr int SerialFirstRow[2] = {31, 38}; // address, protocol, baud, parity, data, stop, delay

const QStringList kDateParts{QStringLiteral("YEAR"), QStringLiteral("MONTH"),
                             QStringLiteral("DAY"),  QStringLiteral("HOUR"),
                             QStringLiteral("MIN."), QStringLiteral("SEC.")};

QLineEdit* numberBox(QWidget* parent, const QString& name, const QString& widest) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(widest) + 16);
    return box;
}

QLabel* valueLabel(QWidget* parent, const QString& name, const QString& widest) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setFixedWidth(label->fontMetrics().horizontalAdvance(widest) + 24);
    return label;
}

QHBoxLayout* line(std::initializer_list<QWidget*> widgets) {
    auto* l = new QHBoxLayout;
    l->setSpacing(3);
    for (QWidget* w : widgets)
        l->addWidget(w);
    l->addStretch();
    return l;
}

QHBoxLayout* line(const QList<QPushButton*>& buttons) {
    auto* l = new QHBoxLayout;
    for (QPushButton* b : buttons)
        l->addWidget(b);
    l->addStretch();
    return l;
}

// A small swatch of the colour this program's monitors paint colour code `code` in (none yet:
// -1).
QLabel* pcSwatch(QWidget* parent, int side, int code) {
    auto* swatch = new QLabel(parent);
    swatch->setFixedSize(side, side * 2 / 3);
    if (code >= 0) {
        const QColor colour = fromWinRgb(ChannelPcColour(code));
        swatch->setStyleSheet(
            QStringLiteral("QLabel { background-color: %1; border: 1px solid #808080; }")
                .arg(colour.name()));
        swatch->setProperty("colour", colour);
        swatch->setToolTip(frmTD_P_System::tr("Colour %1 in this program's monitors").arg(code));
    }
    return swatch;
}

QString swatchStyle(const QColor& colour, bool chosen) {
    return QStringLiteral("QPushButton { background-color: %1; border: %2px solid %3; }")
        .arg(colour.name())
        .arg(chosen ? 3 : 1)
        .arg(chosen ? QStringLiteral("#000000") : QStringLiteral("#808080"));
}

} // namespace

frmTD_P_System::frmTD_P_System(const PageContext& context, QWidget* parent)
    : ParamPage(context, QStringLiteral("frmTD_P_System"), tr("SYSTEM SETUP"), parent)
    , m_set(*context.set)
    , m_clock(context.clock) {
    const int tab = context.tab;
    setObjectName(QStringLiteral("frmTD_P_System"));
    setWindowTitle(tr("SYSTEM SETUP"));
    auto* layout = new QVBoxLayout(this);
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(buildRecordTab(), tr("RECORD"));
    SSTab1->addTab(buildColourTab(), tr("COLOR"));
    SSTab1->addTab(buildDateTab(), tr("DATE/TIME"));
    SSTab1->addTab(buildSerialTab(0), QStringLiteral("RS232C"));
    SSTab1->addTab(buildSerialTab(1), QStringLiteral("RS422/485"));
    SSTab1->addTab(buildLanguageTab(), tr("LANGUAGE/FILE"));
    SSTab1->setCurrentIndex(tab >= 0 && tab < SSTab1->count() ? tab : 0);
    layout->addWidget(SSTab1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(btnClose());
    layout->addLayout(bottom);

    tmrDT = new QTimer(this);
    tmrDT->setInterval(1000);
    connect(tmrDT, &QTimer::timeout, this, &frmTD_P_System::showDateTime);
    tmrDT->start();
    showDateTime();
}

QString frmTD_P_System::cell(int row) const {
    return m_set.tables.sprdP.text(ParamTables::ValueColumn, row);
}

void frmTD_P_System::write(int row, const QString& text) {
    m_set.tables.sprdP.setText(ParamTables::ValueColumn, row, text);
}

void frmTD_P_System::bindChoice(const QList<QPushButton*>& buttons, int row) {
    for (QPushButton* b : buttons)
        connect(b, &QPushButton::clicked, this, [this, b, buttons, row] {
            write(row, b->text());
            PageKit::paintChosen(buttons, b->text());
        });
}

namespace {

// An entry box bound to a common row through its rule.
void bindNumberEntry(QDialog* page, QLineEdit* box, TextTable& table, int row,
                     const NumberRule& rule) {
    PageKit::bindNumberBox(
        page, box, [rule] { return rule; },
        [&table, row] { return table.text(ParamTables::ValueColumn, row); },
        [&table, row](const QString& text) { table.setText(ParamTables::ValueColumn, row, text); });
}

} // namespace

QWidget* frmTD_P_System::buildRecordTab() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    int at = 0;
    const auto add = [&](const QString& caption, QLayout* controls) {
        grid->addWidget(new QLabel(caption, page), at, 0);
        grid->addLayout(controls, at, 1);
        ++at;
    };
    txtSaveInterval = numberBox(page, QStringLiteral("txtSaveInterval"), QStringLiteral("00000"));
    btnUP_SI = PageKit::arrowButton(page, QStringLiteral("btnUP_SI"), true);
    btnDN_SI = PageKit::arrowButton(page, QStringLiteral("btnDN_SI"), false);
    add(tr("SAVE INTERVAL"),
        line({txtSaveInterval, btnUP_SI, btnDN_SI, new QLabel(QStringLiteral("sec"), page)}));
    const auto stepPeriod = [this](int delta) {
        const QString next = QString::number(StepWrapped(int(CellNumber(txtSaveInterval->text())),
                                                         delta, SystemRules::RecordPeriodLow,
                                                         SystemRules::RecordPeriodHigh));
        txtSaveInterval->setText(next);
        write(PeriodRow, next);
    };
    connect(btnUP_SI, &QPushButton::clicked, this, [stepPeriod] { stepPeriod(1); });
    connect(btnDN_SI, &QPushButton::clicked, this, [stepPeriod] { stepPeriod(-1); });
    bindNumberEntry(this, txtSaveInterval, m_set.tables.sprdP, PeriodRow,
                    SystemRules::RecordPeriod().named(tr("SAVE INTERVAL")));

    btnPowReturn = PageKit::choiceButtons(page, QStringLiteral("btnPowReturn"), PageKit::offOn());
    add(tr("POWER FAIL RESUME"), line(btnPowReturn));
    bindChoice(btnPowReturn, ResumeRow);
    btnBeep = PageKit::choiceButtons(page, QStringLiteral("btnBeep"), PageKit::offOn());
    add(tr("BEEP"), line(btnBeep));
    bindChoice(btnBeep, BeepRow);
    txtScrSaver_T = numberBox(page, QStringLiteral("txtScrSaver_T"), QStringLiteral("00000"));
    add(tr("SCREEN SAVER"), line({txtScrSaver_T, new QLabel(QStringLiteral("min"), page)}));
    bindNumberEntry(this, txtScrSaver_T, m_set.tables.sprdP, SaverRow,
                    SystemRules::ScreenSaver().named(tr("SCREEN SAVER")));
    btnBufferAfter =
        PageKit::choiceButtons(page, QStringLiteral("btnBufferAfter"), PageKit::offOn());
    add(tr("REC. WITH BUFFER"), line(btnBufferAfter));
    bindChoice(btnBufferAfter, BufferRow);
    txtSysPass = numberBox(page, QStringLiteral("txtSysPass"), QStringLiteral("000000"));
    add(tr("PASSWORD"), line({txtSysPass}));
    bindNumberEntry(this, txtSysPass, m_set.tables.sprdP, PasswordRow,
                    SystemRules::Password().named(tr("PASSWORD")));
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(at, 1);
    return page;
}

QWidget* frmTD_P_System::buildColourTab() {
    auto* page = new QWidget(this);
    auto* v = new QVBoxLayout(page);
    auto* background = new QGroupBox(tr("BACKGROUND"), page);
    auto* bgLine = new QHBoxLayout(background);
    auto* bgGroup = new QButtonGroup(this);
    for (const QString& caption : {QStringLiteral("BLACK"), QStringLiteral("WHITE")}) {
        auto* o = new QRadioButton(caption, background);
        o->setObjectName(QStringLiteral("obtBK_Color%1").arg(obtBK_Color.size()));
        bgGroup->addButton(o, int(obtBK_Color.size()));
        obtBK_Color << o;
        bgLine->addWidget(o);
    }
    bgLine->addStretch();
    connect(bgGroup, &QButtonGroup::idClicked, this,
            [this](int i) { write(BackgroundRow, obtBK_Color[i]->text()); });
    v->addWidget(background);

    auto* channels = new QGroupBox(tr("CHANNEL COLOR"), page);
    auto* box = new QVBoxLayout(channels);
    // The recorder's colours and the program's are not the same: the page says so and shows
    // the program's beside them.
    auto* note =
        new QLabel(tr("These are the colours of the recorder's own screen. This program's "
                      "monitors and graph viewer draw each colour number in a colour of their "
                      "own, shown in the row PC and beside each channel."),
                   channels);
    note->setObjectName(QStringLiteral("lblColourNote"));
    note->setWordWrap(true);
    box->addWidget(note);
    auto* grid = new QGridLayout;
    box->addLayout(grid);
    grid->setHorizontalSpacing(4);
    const int side = fontMetrics().height() + 6;
    auto* pcCaption = new QLabel(QStringLiteral("PC"), channels);
    pcCaption->setToolTip(tr("The colour this program's monitors use"));
    grid->addWidget(pcCaption, 1, 0);
    for (int i = 0; i < 12; ++i) {
        auto* index = new QLabel(QString::number(i), channels);
        index->setAlignment(Qt::AlignCenter);
        grid->addWidget(index, 0, i + 1);
        auto* pc = pcSwatch(channels, side, i);
        pc->setObjectName(QStringLiteral("lblPcColour%1").arg(i));
        grid->addWidget(pc, 1, i + 1, Qt::AlignCenter);
    }
    auto* pcHeader = new QLabel(QStringLiteral("PC"), channels);
    pcHeader->setAlignment(Qt::AlignCenter);
    grid->addWidget(pcHeader, 0, 13);
    for (int n = 1; n <= 12; ++n) {
        auto* label = new QLabel(QStringLiteral("CH.%1").arg(n, 2, 10, QLatin1Char('0')), channels);
        grid->addWidget(label, 2 + (n - 1) % 6, 0);
        QList<QPushButton*> options;
        for (int i = 0; i < 12; ++i) {
            auto* b = new QPushButton(channels);
            b->setObjectName(
                QStringLiteral("obtCH%1_Color%2").arg(n, 2, 10, QLatin1Char('0')).arg(i));
            b->setFixedSize(side * 3 / 2, side);
            b->setToolTip(
                tr("CH.%1: colour %2 on the recorder").arg(n, 2, 10, QLatin1Char('0')).arg(i));
            grid->addWidget(b, 2 + (n - 1) % 6, i + 1);
            connect(b, &QPushButton::clicked, this, [this, n, i] {
                m_set.tables.sprdP_CH.setText(ParamTables::channelColumn(n), ColourRow,
                                              QString::number(i));
                paintColours();
            });
            options << b;
        }
        obtCH_Color << options;
        auto* pc = pcSwatch(channels, side, -1);
        pc->setObjectName(QStringLiteral("lblCH%1_PcColour").arg(n, 2, 10, QLatin1Char('0')));
        grid->addWidget(pc, 2 + (n - 1) % 6, 13, Qt::AlignCenter);
        m_pcColours << pc;
        m_colourRows << label;
    }
    btnUP_Color = PageKit::arrowButton(channels, QStringLiteral("btnUP_Color"), true);
    btnDN_Color = PageKit::arrowButton(channels, QStringLiteral("btnDN_Color"), false);
    auto* halves = new QVBoxLayout;
    halves->addWidget(btnUP_Color);
    halves->addWidget(btnDN_Color);
    halves->addStretch();
    grid->addLayout(halves, 2, 14, 6, 1);
    grid->setColumnStretch(15, 1);
    connect(btnUP_Color, &QPushButton::clicked, this, [this] { showColourHalf(0); });
    connect(btnDN_Color, &QPushButton::clicked, this, [this] { showColourHalf(1); });
    v->addWidget(channels);
    v->addStretch();
    return page;
}

QWidget* frmTD_P_System::buildDateTab() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    btnRSV = PageKit::choiceButtons(page, QStringLiteral("btnRSV"), PageKit::offOn());
    grid->addWidget(new QLabel(tr("RESERVE RUN"), page), 0, 0);
    grid->addLayout(line(btnRSV), 0, 1, 1, 6);
    bindChoice(btnRSV, ReserveRow);
    for (int i = 0; i < 6; ++i) {
        auto* caption = new QLabel(ClockFieldCaption(ClockField(i)), page);
        caption->setAlignment(Qt::AlignCenter);
        grid->addWidget(caption, 1, i + 1);
    }
    grid->addWidget(new QLabel(tr("RESERVE DATE"), page), 2, 0);
    grid->addWidget(new QLabel(tr("SYSTEM DATE"), page), 3, 0);
    for (int i = 0; i < 6; ++i) {
        QLineEdit* reserve = numberBox(page, QStringLiteral("txtRSV_%1").arg(kDateParts[i]),
                                       i == 0 ? QStringLiteral("00000") : QStringLiteral("000"));
        reserve->setReadOnly(true); // the clock window sets the reserved start
        grid->addWidget(reserve, 2, i + 1);
        txtRSV << reserve;
        QLineEdit* system = numberBox(page, QStringLiteral("txtSYS_%1").arg(kDateParts[i]),
                                      i == 0 ? QStringLiteral("00000") : QStringLiteral("000"));
        system->setMaxLength(i == 0 ? 4 : 2);
        grid->addWidget(system, 3, i + 1);
        txtSYS << system;
    }
    lblSYS_AsRead = new QLabel(tr("as read, not running"), page);
    lblSYS_AsRead->setObjectName(QStringLiteral("lblSYS_AsRead"));
    lblSYS_AsRead->setToolTip(tr("The meter's clock when its settings were read. The DATE/TIME "
                                 "window shows the meter's clock as it runs."));
    grid->addWidget(lblSYS_AsRead, 3, 7);
    const auto typed = [this] {
        m_systemDateTyped = true;
        lblSYS_AsRead->hide();
    };
    for (QLineEdit* box : txtSYS)
        connect(box, &QLineEdit::textEdited, this, typed);
    auto* note = new QLabel(tr("The reserved start is set in the DATE/TIME window."), page);
    note->setEnabled(false);
    grid->addWidget(note, 4, 1, 1, 6);
    btnSYS_PC = new QPushButton(tr("PC TIME"), page);
    btnSYS_PC->setObjectName(QStringLiteral("btnSYS_PC"));
    btnSYS_PC->setToolTip(tr("Puts the PC's date and time into the system date boxes"));
    btnSYS_DTSet = new QPushButton(tr("SET"), page);
    btnSYS_DTSet->setObjectName(QStringLiteral("btnSYS_DTSet"));
    grid->addLayout(line({btnSYS_PC, btnSYS_DTSet}), 5, 1, 1, 6);
    lblDateTime = new QLabel(page);
    lblDateTime->setObjectName(QStringLiteral("lblDateTime"));
    lblDateTime->setFrameShape(QFrame::Panel);
    lblDateTime->setFrameShadow(QFrame::Sunken);
    lblDateTime->setAlignment(Qt::AlignCenter);
    grid->addWidget(new QLabel(tr("PC DATE/TIME"), page), 6, 0);
    grid->addWidget(lblDateTime, 6, 1, 1, 4);
    grid->setColumnStretch(7, 1);
    grid->setRowStretch(7, 1);
    connect(btnSYS_PC, &QPushButton::clicked, this, [this, typed] {
        const QDateTime now = m_clock ? m_clock->currentDateTime() : QDateTime::currentDateTime();
        const int parts[6] = {now.date().year(), now.date().month(),  now.date().day(),
                              now.time().hour(), now.time().minute(), now.time().second()};
        for (int i = 0; i < 6; ++i)
            txtSYS[i]->setText(SystemRules::SystemDateText(i, QString::number(parts[i])));
        typed();
    });
    connect(btnSYS_DTSet, &QPushButton::clicked, this, [this] {
        QStringList boxes;
        for (QLineEdit* box : txtSYS)
            boxes << box->text();
        QStringList said;
        const QStringList rows = SystemRules::LimitSystemDate(boxes, &said);
        for (int i = 0; i < 6; ++i) {
            txtSYS[i]->setText(rows[i]);
            write(SystemDateFirstRow + i, rows[i]);
        }
        if (!said.isEmpty())
            ShowMessage(this, QMessageBox::Information, said.join(u'\n'));
    });
    return page;
}

QWidget* frmTD_P_System::buildSerialTab(int which) {
    auto* page = new QWidget(this);
    auto* v = new QVBoxLayout(page);
    auto* box = new QGroupBox(
        which == 0 ? tr("SERIAL RS232C SETTING") : tr("SERIAL RS422/485 SETTING"), page);
    auto* grid = new QGridLayout(box);
    const QString suffix = which == 0 ? QStringLiteral("232") : QStringLiteral("485");
    const int first = SerialFirstRow[which];
    Serial& s = serial[which];
    s.txtID = numberBox(box, QStringLiteral("txt%1ID").arg(suffix), QStringLiteral("00000"));
    grid->addWidget(new QLabel(tr("MACHINE ADDRESS"), box), 0, 0);
    grid->addLayout(line({s.txtID}), 0, 1);
    bindNumberEntry(this, s.txtID, m_set.tables.sprdP, first,
                    SystemRules::MachineAddress().named(tr("MACHINE ADDRESS")));
    grid->addWidget(new QLabel(tr("PROTOCOL"), box), 1, 0);
    auto* protocol =
        valueLabel(box, QStringLiteral("lblProtocol%1").arg(suffix), QStringLiteral("Modbus RTU"));
    protocol->setText(ParamText::ProtocolText);
    grid->addLayout(line({protocol}), 1, 1);

    const QString names[5] = {QStringLiteral("Baud"), QStringLiteral("Parity"),
                              QStringLiteral("Data"), QStringLiteral("Stop"),
                              QStringLiteral("ResT")};
    const QString captions[5] = {tr("BAUD RATE"), tr("PARITY"), tr("DATA LENGTH"), tr("STOP BIT"),
                                 tr("RESP.TIME (ms)")};
    const QStringList* lists[4] = {&ParamText::BaudRates(), &ParamText::Parities(),
                                   &SystemRules::DataLengths(), &SystemRules::StopBits()};
    QLabel** labels[4] = {&s.lblBaud, &s.lblParity, &s.lblData, &s.lblStop};
    for (int k = 0; k < 5; ++k) {
        s.up[k] =
            PageKit::arrowButton(box, QStringLiteral("btnUP_%1%2").arg(names[k], suffix), true);
        s.down[k] =
            PageKit::arrowButton(box, QStringLiteral("btnDN_%1%2").arg(names[k], suffix), false);
        const int row = first + 2 + k;
        grid->addWidget(new QLabel(captions[k], box), 2 + k, 0);
        if (k < 4) {
            *labels[k] = valueLabel(box, QStringLiteral("lbl%1%2").arg(names[k], suffix),
                                    QStringLiteral("000000"));
            QLabel* label = *labels[k];
            grid->addLayout(line({label, s.up[k], s.down[k]}), 2 + k, 1);
            const QStringList& list = *lists[k];
            for (int delta : {1, -1})
                connect(delta > 0 ? s.up[k] : s.down[k], &QPushButton::clicked, this,
                        [this, label, &list, row, delta] {
                            const QString next = StepInList(list, label->text(), delta);
                            label->setText(next);
                            write(row, next);
                        });
        } else {
            s.txtResT =
                numberBox(box, QStringLiteral("txtResT%1").arg(suffix), QStringLiteral("000000"));
            grid->addLayout(line({s.txtResT, s.up[k], s.down[k]}), 2 + k, 1);
            QLineEdit* text = s.txtResT;
            for (int delta : {1, -1})
                connect(delta > 0 ? s.up[k] : s.down[k], &QPushButton::clicked, this,
                        [this, text, row, delta] {
                            const QString next = QString::number(StepWrapped(
                                int(CellNumber(text->text())), delta, SystemRules::ResponseTimeLow,
                                SystemRules::ResponseTimeHigh));
                            text->setText(next);
                            write(row, next);
                        });
            bindNumberEntry(this, s.txtResT, m_set.tables.sprdP, row,
                            SystemRules::ResponseTime().named(tr("RESP.TIME (ms)")));
        }
    }
    grid->setColumnStretch(2, 1);
    v->addWidget(box);
    v->addStretch();
    return page;
}

QWidget* frmTD_P_System::buildLanguageTab() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    auto* group = new QButtonGroup(this);
    auto* languages = new QHBoxLayout;
    for (const QString& caption : {QStringLiteral("KOREAN"), QStringLiteral("ENGLISH")}) {
        auto* o = new QRadioButton(caption, page);
        o->setObjectName(QStringLiteral("obtLanguage%1").arg(obtLanguage.size()));
        group->addButton(o, int(obtLanguage.size()));
        obtLanguage << o;
        languages->addWidget(o);
    }
    languages->addStretch();
    connect(group, &QButtonGroup::idClicked, this,
            [this](int i) { write(LanguageRow, obtLanguage[i]->text()); });
    grid->addWidget(new QLabel(tr("LANGUAGE"), page), 0, 0);
    grid->addLayout(languages, 0, 1);
    txtSD_FName = numberBox(page, QStringLiteral("txtSD_FName"), QStringLiteral("WWWWWWW"));
    txtSD_FName->setAlignment(Qt::AlignLeft);
    txtSD_FName->setMaxLength(SystemRules::FilePrefixLength);
    grid->addWidget(new QLabel(tr("SAVE FILE NAME"), page), 1, 0);
    grid->addLayout(line({txtSD_FName}), 1, 1);
    connect(txtSD_FName, &QLineEdit::editingFinished, this, &frmTD_P_System::commitFilePrefix);

    auto* files = new QGroupBox(tr("PARAMETERS LOAD/SAVE"), page);
    auto* fileLine = new QHBoxLayout(files);
    for (const QString& caption : {tr("LOAD CFG. FILE"), tr("SAVE CFG. FILE")}) {
        auto* b = new QPushButton(caption, files);
        b->setEnabled(false); // done on the recorder itself
        fileLine->addWidget(b);
    }
    fileLine->addStretch();
    grid->addWidget(files, 2, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);
    return page;
}

void frmTD_P_System::commitFilePrefix() {
    const QString text = txtSD_FName->text();
    if (text == cell(FilePrefixRow))
        return;
    if (!SystemRules::IsFilePrefixText(text)) {
        txtSD_FName->setText(cell(FilePrefixRow));
        // The message names the characters the recorder takes (its translation does).
        ShowMessage(this, QMessageBox::Warning, tr("Disable Character.", "the SD card file name"));
        return;
    }
    write(FilePrefixRow, text);
}

void frmTD_P_System::showColourHalf(int half) {
    m_colourHalf = m_set.channelCount() > 6 ? half : 0;
    for (int n = 1; n <= 12; ++n) {
        const bool shown = n <= m_set.channelCount() && (n - 1) / 6 == m_colourHalf;
        m_colourRows[n - 1]->setVisible(shown);
        m_pcColours[n - 1]->setVisible(shown);
        for (QPushButton* b : obtCH_Color[n - 1])
            b->setVisible(shown);
    }
    btnUP_Color->setEnabled(m_colourHalf == 1);
    btnDN_Color->setEnabled(m_set.channelCount() > 6 && m_colourHalf == 0);
}

void frmTD_P_System::paintColours() {
    for (int n = 1; n <= 12; ++n) {
        const QString chosen = m_set.tables.sprdP_CH.text(ParamTables::channelColumn(n), ColourRow);
        for (int i = 0; i < 12; ++i)
            obtCH_Color[n - 1][i]->setStyleSheet(
                swatchStyle(PageKit::channelColour(i), chosen == QString::number(i)));
        // Beside the channel, the colour the monitors will paint it in.
        QLabel* pc = m_pcColours[n - 1];
        bool ok = false;
        const int code = chosen.trimmed().toInt(&ok);
        const QColor colour = fromWinRgb(ChannelPcColour(ok ? code : -1));
        pc->setStyleSheet(QStringLiteral("QLabel { background-color: %1; border: 1px solid "
                                         "#808080; }")
                              .arg(colour.name()));
        pc->setProperty("colour", colour);
        pc->setToolTip(tr("CH.%1 in this program's monitors").arg(n, 2, 10, QLatin1Char('0')));
    }
}

void frmTD_P_System::showDateTime() {
    const QDateTime now = m_clock ? m_clock->currentDateTime() : QDateTime::currentDateTime();
    lblDateTime->setText(now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

void frmTD_P_System::loaded() {
    const ParamTables& t = m_set.tables;
    txtSaveInterval->setText(cell(PeriodRow));
    PageKit::paintChosen(btnPowReturn, cell(ResumeRow));
    PageKit::paintChosen(btnBeep, cell(BeepRow));
    txtScrSaver_T->setText(ShownEntryText(SystemRules::ScreenSaver(), cell(SaverRow)));
    // Row 14 is the buffer switch only on sets of six channels or fewer, and the password row
    // exists only from the firmware that has one: the table hides the rows a set does not use.
    const bool buffer = m_set.channelCount() <= 6 && !t.sprdP.isRowHidden(BufferRow);
    for (QPushButton* b : btnBufferAfter)
        b->setEnabled(buffer);
    PageKit::paintChosen(btnBufferAfter, buffer ? cell(BufferRow) : QString());
    txtSysPass->setEnabled(!t.sprdP.isRowHidden(PasswordRow));
    txtSysPass->setText(ShownEntryText(SystemRules::Password(), cell(PasswordRow)));

    for (QRadioButton* o : obtBK_Color)
        o->setChecked(o->text() == cell(BackgroundRow));
    paintColours();
    showColourHalf(m_colourHalf);

    PageKit::paintChosen(btnRSV, cell(ReserveRow));
    for (int i = 0; i < 6; ++i) {
        txtRSV[i]->setText(SystemRules::SystemDateText(i, cell(ReserveFirstRow + i)));
        txtSYS[i]->setText(SystemRules::SystemDateText(i, cell(SystemDateFirstRow + i)));
    }
    // A new set holds no clock at all, and a date typed here is the user's.
    lblSYS_AsRead->setVisible(!m_systemDateTyped && cell(SystemDateFirstRow).trimmed().toInt() > 0);

    for (int which = 0; which < 2; ++which) {
        const int first = SerialFirstRow[which];
        Serial& s = serial[which];
        s.txtID->setText(cell(first));
        s.lblBaud->setText(cell(first + 2));
        s.lblParity->setText(cell(first + 3));
        s.lblData->setText(cell(first + 4));
        s.lblStop->setText(cell(first + 5));
        s.txtResT->setText(cell(first + 6));
    }

    for (QRadioButton* o : obtLanguage)
        o->setChecked(o->text() == cell(LanguageRow));
    txtSD_FName->setText(cell(FilePrefixRow));
}
