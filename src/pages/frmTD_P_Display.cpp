#include "pages/frmTD_P_Display.h"

#include "pagerules/DisplayRules.h"
#include "pagerules/EntryRules.h"
#include "pagerules/StepRules.h"
#include "pages/PageKit.h"
#include "paramset/FieldText.h"
#include "paramset/ParamSet.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int ModeRow = 2, RulerRow = 3, TextBarRow = 4, AlarmMarkRow = 5, ScrollRow = 6,
              WindowRow = 7, DirectionRow = 8, ReadFromRow = 9;

QHBoxLayout* row(QWidget* parent, const QString& caption, const QList<QPushButton*>& buttons,
                 QGridLayout* grid, int at) {
    auto* label = new QLabel(caption, parent);
    grid->addWidget(label, at, 0);
    auto* line = new QHBoxLayout;
    for (QPushButton* b : buttons)
        line->addWidget(b);
    line->addStretch();
    grid->addLayout(line, at, 1);
    return line;
}

} // namespace

frmTD_P_Display::frmTD_P_Display(const PageContext& context, QWidget* parent)
    : ParamPage(context, QStringLiteral("frmTD_P_Display"), tr("DISPLAY SETUP"), parent)
    , m_set(*context.set) {
    setObjectName(QStringLiteral("frmTD_P_Display"));
    setWindowTitle(tr("DISPLAY SETUP"));
    auto* layout = new QVBoxLayout(this);

    auto* mode = new QGroupBox(tr("DISPLAY MODE"), this);
    auto* modeRow = new QHBoxLayout(mode);
    obtDisplayMode =
        PageKit::choiceButtons(mode, QStringLiteral("obtDisplayMode"), ParamText::DisplayModes());
    for (QPushButton* b : obtDisplayMode) {
        b->setCheckable(true);
        b->setAutoExclusive(true);
        modeRow->addWidget(b);
    }
    for (int i = 0; i < obtDisplayMode.size(); ++i)
        connect(obtDisplayMode[i], &QPushButton::clicked, this, [this, i] {
            write(ModeRow, ParamText::DisplayModes()[i]);
            refreshNow(); // the groups follow the mode
        });
    layout->addWidget(mode);

    auto* screen = new QGroupBox(tr("SCREEN"), this);
    auto* grid = new QGridLayout(screen);
    btnRuler = PageKit::choiceButtons(screen, QStringLiteral("btnRuler"), PageKit::offOn());
    btnTextBar = PageKit::choiceButtons(screen, QStringLiteral("btnTextBar"), PageKit::offOn());
    btnAlarmMark = PageKit::choiceButtons(screen, QStringLiteral("btnAlarmMark"), PageKit::offOn());
    row(screen, tr("BULER"), btnRuler, grid, 0);
    row(screen, tr("TEXTBAR"), btnTextBar, grid, 1);
    row(screen, tr("AL.MARK"), btnAlarmMark, grid, 2);
    bindChoice(btnRuler, RulerRow);
    bindChoice(btnTextBar, TextBarRow);
    bindChoice(btnAlarmMark, AlarmMarkRow);
    layout->addWidget(screen);

    // The settings of the display modes share one place, as tall as the tallest of them, so
    // that nothing on the page moves when the mode changes.
    auto* modeArea = new QWidget(this);
    modeArea->setObjectName(QStringLiteral("picModeSettings"));
    auto* groups = new QGridLayout(modeArea);
    groups->setContentsMargins(0, 0, 0, 0);
    const auto stepperBox = [&](QGroupBox* box, const QString& name, QLineEdit** text,
                                QPushButton** up, QPushButton** down, const QString& unit) {
        auto* line = new QHBoxLayout(box);
        *text = new QLineEdit(box);
        (*text)->setObjectName(QStringLiteral("txt") + name);
        (*text)->setAlignment(Qt::AlignRight);
        (*text)->setMaximumWidth((*text)->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                                 12);
        *down = PageKit::arrowButton(box, QStringLiteral("btnDN_") + name, false);
        *up = PageKit::arrowButton(box, QStringLiteral("btnUP_") + name, true);
        line->addWidget(*text);
        line->addWidget(*up);
        line->addWidget(*down);
        if (!unit.isEmpty())
            line->addWidget(new QLabel(unit, box));
        line->addStretch();
    };
    picTREND = new QGroupBox(tr("SCROLL SPEED"), this);
    picTREND->setObjectName(QStringLiteral("picTREND"));
    stepperBox(picTREND, QStringLiteral("ScrollSpeed"), &txtScrollSpeed, &btnUP_ScrollSpeed,
               &btnDN_ScrollSpeed, QStringLiteral("sec"));
    txtScrollSpeed->setObjectName(QStringLiteral("txtScrollSpeed"));
    connect(btnUP_ScrollSpeed, &QPushButton::clicked, this, [this] { stepScrollSpeed(1); });
    connect(btnDN_ScrollSpeed, &QPushButton::clicked, this, [this] { stepScrollSpeed(-1); });
    PageKit::bindNumberBox(
        this, txtScrollSpeed, [] { return ScrollSpeed().named(tr("SCROLL SPEED")); },
        [this] { return cell(ScrollRow); },
        [this](const QString& text) { write(ScrollRow, text); });
    groups->addWidget(picTREND, 0, 0, Qt::AlignTop);

    picTView = new QGroupBox(tr("WINDOW NUMBER"), this);
    picTView->setObjectName(QStringLiteral("picTView"));
    stepperBox(picTView, QStringLiteral("TView_Win"), &txtTView_Win, &btnUP_TView_Win,
               &btnDN_TView_Win, QString());
    txtTView_Win->setReadOnly(true); // the number comes from its list only
    connect(btnUP_TView_Win, &QPushButton::clicked, this, [this] { stepWindows(1); });
    connect(btnDN_TView_Win, &QPushButton::clicked, this, [this] { stepWindows(-1); });
    groups->addWidget(picTView, 0, 0, Qt::AlignTop);

    picHISTVIEW = new QGroupBox(tr("TREND DIRECTION"), this);
    picHISTVIEW->setObjectName(QStringLiteral("picHISTVIEW"));
    auto* hist = new QGridLayout(picHISTVIEW);
    btnTrendDir = PageKit::choiceButtons(picHISTVIEW, QStringLiteral("btnTrendDir"),
                                         {QStringLiteral("HORIZON"), QStringLiteral("VERTICAL")});
    btnReadFrom = PageKit::choiceButtons(picHISTVIEW, QStringLiteral("btnReadFrom"),
                                         {QStringLiteral("MEMORY"), QStringLiteral("SD CARD")});
    hist->addWidget(btnTrendDir[0], 0, 0);
    hist->addWidget(btnTrendDir[1], 0, 1);
    hist->addWidget(new QLabel(tr("READ FROM"), picHISTVIEW), 1, 0, 1, 2);
    hist->addWidget(btnReadFrom[0], 2, 0);
    hist->addWidget(btnReadFrom[1], 2, 1);
    auto* fileList = new QPushButton(tr("FILE LIST"), picHISTVIEW);
    fileList->setEnabled(false); // the recorder's own list; nothing to do here
    hist->addWidget(new QLabel(tr("LOAD FILE"), picHISTVIEW), 3, 0);
    hist->addWidget(fileList, 3, 1);
    bindChoice(btnTrendDir, DirectionRow);
    bindChoice(btnReadFrom, ReadFromRow);
    groups->addWidget(picHISTVIEW, 0, 0, Qt::AlignTop);
    lblNoSettings = new QLabel(tr("BAR GRAPH has no settings of its own on this "
                                  "page: the scroll speed belongs to the trends, the "
                                  "window number to the text view, the trend "
                                  "direction and source to the history view."),
                               modeArea);
    lblNoSettings->setObjectName(QStringLiteral("lblNoSettings"));
    lblNoSettings->setWordWrap(true);
    lblNoSettings->setEnabled(false);
    groups->addWidget(lblNoSettings, 0, 0, Qt::AlignTop);
    for (QWidget* w : {static_cast<QWidget*>(picTREND), static_cast<QWidget*>(picTView),
                       static_cast<QWidget*>(picHISTVIEW), static_cast<QWidget*>(lblNoSettings)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    lblNoSettings->hide();
    layout->addWidget(modeArea);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(btnClose());
    layout->addLayout(bottom);
}

QString frmTD_P_Display::cell(int row) const {
    return m_set.tables.sprdP.text(ParamTables::ValueColumn, row);
}

void frmTD_P_Display::write(int row, const QString& text) {
    m_set.tables.sprdP.setText(ParamTables::ValueColumn, row, text);
}

void frmTD_P_Display::bindChoice(const QList<QPushButton*>& buttons, int row) {
    for (QPushButton* b : buttons)
        connect(b, &QPushButton::clicked, this, [this, b, buttons, row] {
            write(row, b->text());
            PageKit::paintChosen(buttons, b->text());
        });
}

void frmTD_P_Display::loaded() {
    const QString mode = cell(ModeRow);
    PageKit::paintChosen(obtDisplayMode, mode);
    for (QPushButton* b : obtDisplayMode)
        b->setChecked(b->text() == mode);
    if (const auto shown = GroupsOfDisplayMode(mode)) {
        picTREND->setVisible(shown->trend);
        picTView->setVisible(shown->textView);
        picHISTVIEW->setVisible(shown->history);
        lblNoSettings->setVisible(!shown->trend && !shown->textView && !shown->history);
    }
    PageKit::paintChosen(btnRuler, cell(RulerRow));
    PageKit::paintChosen(btnTextBar, cell(TextBarRow));
    PageKit::paintChosen(btnAlarmMark, cell(AlarmMarkRow));
    // "HORIZON" for the first button, "VERTICAL" for any other text.
    PageKit::paintChosen(btnTrendDir, cell(DirectionRow) == QStringLiteral("HORIZON")
                                          ? QStringLiteral("HORIZON")
                                          : QStringLiteral("VERTICAL"));
    PageKit::paintChosen(btnReadFrom, cell(ReadFromRow));
    txtScrollSpeed->setText(cell(ScrollRow));
    txtTView_Win->setText(cell(WindowRow));
}

void frmTD_P_Display::stepScrollSpeed(int delta) {
    const QString next = QString::number(StepWrapped(int(CellNumber(txtScrollSpeed->text())), delta,
                                                     ScrollSpeedLow, ScrollSpeedHigh));
    txtScrollSpeed->setText(next);
    write(ScrollRow, next);
}

void frmTD_P_Display::stepWindows(int delta) {
    const QString next =
        StepInList(TextViewWindowNumbers(m_set.versionHundredths()), txtTView_Win->text(), delta);
    txtTView_Win->setText(next);
    write(WindowRow, next);
}
