#include "pages/frmTD_P_Main.h"

#include "pagerules/DisplayGroups.h"
#include "pages/PageKit.h"
#include "paramset/ParamSet.h"
#include "widgets/MessageBoxes.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int RecordRow = 1;
constexpr int DisplayGroupRow = 14;
constexpr int ChannelDisplayRow = 3;

} // namespace

frmTD_P_Main::frmTD_P_Main(const PageContext& context, QWidget* parent)
    : ParamPage(
          context,
          QStringLiteral("frmTD_P_Main%1").arg(context.channelCount(), 2, 10, QLatin1Char('0')),
          tr("RECORD/DISPLAY Setup"), parent)
    , m_set(*context.set)
    , m_channels(context.channelCount()) {
    const bool korean = m_channels == 6;
    setObjectName(QStringLiteral("frmTD_P_Main%1").arg(m_channels, 2, 10, QLatin1Char('0')));
    setWindowTitle(korean ? tr("SD 기록 및 표시채널 설정") : tr("RECORD/DISPLAY Setup"));

    auto* layout = new QVBoxLayout(this);
    auto* record = new QGroupBox(korean ? tr("SD 기록") : tr("RECORD TO SD CARD"), this);
    auto* recordRow = new QHBoxLayout(record);
    auto* options = new QButtonGroup(this);
    // OFF and ON are the recorder's own words; the 6-channel page says them in Korean.
    const QString captions[2] = {korean ? tr("중지") : QStringLiteral("OFF"),
                                 korean ? tr("시작") : QStringLiteral("ON")};
    for (int i = 0; i < 2; ++i) {
        obtSD_Save[i] = new QRadioButton(captions[i], record);
        obtSD_Save[i]->setObjectName(QStringLiteral("obtSD_Save%1").arg(i));
        options->addButton(obtSD_Save[i], i);
        recordRow->addWidget(obtSD_Save[i]);
    }
    recordRow->addStretch();
    connect(options, &QButtonGroup::idClicked, this, [this](int i) {
        m_set.tables.sprdP.setText(3, RecordRow,
                                   i == 0 ? QStringLiteral("OFF") : QStringLiteral("ON"));
    });
    layout->addWidget(record);

    if (m_channels > 6)
        buildGroupPage();
    else
        buildShowPage();

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    if (korean)
        btnClose()->setText(tr("닫기[&C]"));
    bottom->addWidget(btnClose());
    layout->addLayout(bottom);
}

void frmTD_P_Main::buildGroupPage() {
    auto* box = new QGroupBox(tr("DISPLAY GROUP"), this);
    auto* grid = new QGridLayout(box);
    btnGroupDN = new QPushButton(QStringLiteral("◀"), box);
    btnGroupDN->setObjectName(QStringLiteral("btnGroupDN"));
    btnGroupUP = new QPushButton(QStringLiteral("▶"), box);
    btnGroupUP->setObjectName(QStringLiteral("btnGroupUP"));
    lblDispGroup = new QLabel(box);
    lblDispGroup->setObjectName(QStringLiteral("lblDispGroup"));
    lblDispGroup->setAlignment(Qt::AlignCenter);
    lblDispGroup->setFrameShape(QFrame::Panel);
    lblDispGroup->setFrameShadow(QFrame::Sunken);
    lblDispGroup->setMinimumWidth(
        lblDispGroup->fontMetrics().horizontalAdvance(QStringLiteral("GROUP 2")) * 2);
    auto* stepper = new QHBoxLayout;
    stepper->addWidget(btnGroupDN);
    stepper->addWidget(lblDispGroup, 1);
    stepper->addWidget(btnGroupUP);
    grid->addLayout(stepper, 0, 0, 1, 6);
    connect(btnGroupUP, &QPushButton::clicked, this, [this] { stepGroup(true); });
    connect(btnGroupDN, &QPushButton::clicked, this, [this] { stepGroup(false); });
    for (int n = 1; n <= 12; ++n) {
        auto* b = new QPushButton(QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')), box);
        b->setObjectName(QStringLiteral("btnDispCH%1").arg(n - 1));
        b->setMinimumHeight(b->sizeHint().height() * 3 / 2);
        grid->addWidget(b, 1 + (n - 1) / 6, (n - 1) % 6);
        connect(b, &QPushButton::clicked, this, [this, n] { clickChannel(n); });
        btnDispCH << b;
    }
    auto* note =
        new QLabel(tr("A group shows at most %1 channels.").arg(DisplayGroups::MaxMembers), box);
    note->setEnabled(false);
    grid->addWidget(note, 3, 0, 1, 6);
    layout()->addWidget(box);
}

void frmTD_P_Main::buildShowPage() {
    const bool korean = m_channels == 6;
    auto* box = new QGroupBox(korean ? tr("표시채널") : tr("DISPLAY CHANNELS"), this);
    auto* row = new QHBoxLayout(box);
    for (int n = 1; n <= m_channels; ++n) {
        auto* c = new QCheckBox(QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')), box);
        c->setObjectName(QStringLiteral("chbDispCH%1").arg(n - 1));
        row->addWidget(c);
        connect(c, &QCheckBox::clicked, this, [this, n](bool on) {
            setChannelCell(n, on ? QStringLiteral("ON") : QStringLiteral("OFF"));
        });
        chbDispCH << c;
    }
    row->addStretch();
    layout()->addWidget(box);
}

QString frmTD_P_Main::channelCell(int channel) const {
    return m_set.tables.sprdP_CH.text(ParamTables::channelColumn(channel), ChannelDisplayRow);
}

void frmTD_P_Main::setChannelCell(int channel, const QString& text) {
    m_set.tables.sprdP_CH.setText(ParamTables::channelColumn(channel), ChannelDisplayRow, text);
}

QStringList frmTD_P_Main::channelCells() const {
    QStringList cells;
    for (int n = 1; n <= m_channels; ++n)
        cells << channelCell(n);
    return cells;
}

void frmTD_P_Main::loaded() {
    const bool off = m_set.tables.sprdP.text(3, RecordRow) == QStringLiteral("OFF");
    obtSD_Save[off ? 0 : 1]->setChecked(true);
    if (lblDispGroup) {
        lblDispGroup->setText(m_set.tables.sprdP.text(3, DisplayGroupRow));
        paintChannels();
    }
    for (int n = 1; n <= chbDispCH.size(); ++n)
        chbDispCH[n - 1]->setChecked(channelCell(n) == QStringLiteral("ON"));
}

void frmTD_P_Main::stepGroup(bool up) {
    const QString shown = lblDispGroup->text();
    const QString next = up ? DisplayGroups::Next(shown) : DisplayGroups::Previous(shown);
    lblDispGroup->setText(next);
    m_set.tables.sprdP.setText(3, DisplayGroupRow, next);
    paintChannels();
}

void frmTD_P_Main::clickChannel(int channel) {
    const QString shown = lblDispGroup->text();
    const int members = DisplayGroups::Members(channelCells(), shown);
    if (const auto now = DisplayGroups::Toggle(shown, channelCell(channel), members)) {
        setChannelCell(channel, *now);
        paintChannels();
        return;
    }
    // A click that changes nothing says why.
    ShowMessage(this, QMessageBox::Information, DisplayGroups::WhyNoChange(shown, channel));
}

void frmTD_P_Main::paintChannels() {
    const QString shown = lblDispGroup->text();
    for (int n = 1; n <= btnDispCH.size(); ++n)
        PageKit::paint(btnDispCH[n - 1], DisplayGroups::Lights(shown, channelCell(n)));
}
