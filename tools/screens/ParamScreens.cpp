#include "pagerules/AlarmRules.h"
#include "pages/frmInputKey.h"
#include "pages/frmTD_P_Channel.h"
#include "paramset/ParamFile.h"
#include "paramset/ParamSet.h"
#include "paramwindow/frmTD_Parameter.h"
#include "screens/DemoSession.h"
#include "screens/ScreenRegistry.h"
#include "widgets/TwoColourBar.h"

#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

namespace {

// A set as a plant might have it: named channels on a mix of inputs, a few formulas.
void fillSample(ParamSet& set) {
    TextTable& ch = set.tables.sprdP_CH;
    const int codes[] = {1, 2, 14, 19, 18, 5, 16, 1, 17, 8, 13, 14};
    for (int n = 1; n <= set.channelCount(); ++n) {
        const int c = ParamTables::channelColumn(n);
        const int code = codes[(n - 1) % 12];
        ch.setText(c, 1, QStringLiteral("TEMP-%1").arg(n, 2, 10, QLatin1Char('0')));
        ch.setText(c, 4, QString::number(code));
        ch.setText(c, 7, QString::number(code <= 16 ? 3 : code == 18 ? 1 : 0));
        ch.setText(c, 6, QString::number(code <= 16 ? 1 : code == 18 ? 3 : 2));
        ch.setText(c, 8, QStringLiteral("DIRECT"));
        ch.setText(c, 9, QStringLiteral("1"));
        ch.setText(c, 10, QString::number((n - 1) % 12));
        ch.setText(c, 17, code <= 16 ? QStringLiteral("1000") : QStringLiteral("10"));
        ch.setText(c, 21, code <= 16 ? QStringLiteral("600") : QStringLiteral("10"));
        ch.setText(c, 22, QStringLiteral("0"));
    }
    if (set.versionHundredths() >= 107)
        for (int n = 1; n <= std::min(3, set.channelCount()); ++n) {
            set.tables.sprdFormual_CH.setText(1, n, QStringLiteral("(CH01+CH02)/2"));
            set.tables.sprdFormual_Mem.setText(1, n, QStringLiteral("M%1*1.8+32").arg(n));
        }
    set.tables.sprdP.setText(3, 6, QStringLiteral("5"));
    set.tables.sprdP.setText(3, 10, QStringLiteral("1"));
}

void renderParameterWindow(ScreenContext& context) {
    const std::pair<int, const char*> sets[] = {{2, "1.05"}, {2, "1.20"},  {6, "1.10"},
                                                {6, "1.16"}, {12, "1.05"}, {12, "2.00"}};
    QTemporaryDir dir;
    for (const auto& [channels, firmware] : sets) {
        // Opened from a file as a user would, so that nothing is marked as changed but the
        // one edit made below.
        ParamSet sample;
        NewParameterSet(sample, channels, QString::fromLatin1(firmware));
        fillSample(sample);
        const QString path = dir.filePath(QStringLiteral("PLANT-%1CH.CFG").arg(channels));
        SaveParameterFile(sample, path);
        frmTD_Parameter window(nullptr, dir.path());
        window.openFile(path);
        if (channels == 12 && QByteArray(firmware) == "2.00")
            window.set().tables.sprdP_CH.setText(5, 4, QStringLiteral("16"));
        window.resize(context.mainWindowSize());
        context.save(window, QStringLiteral("frmTD_Parameter-%1ch-%2")
                                 .arg(channels, 2, 10, QLatin1Char('0'))
                                 .arg(QString::fromLatin1(firmware).remove(u'.')));
    }
    {
        // An upload from the demo bus's twelve-channel meter, caught half-way.
        DemoSession session;
        if (!session.isValid())
            return;
        session.openPort();
        session.runUntilPolling();
        session.runUntil([&] { return session.engine().settingsComplete(); });
        frmTD_Parameter window(&session.engine(), session.home());
        window.resize(context.mainWindowSize());
        window.tmrRefresh_Timer();
        window.btnUpload_Click();
        session.runUntil([&] { return window.progressBar()->value() >= 40; });
        context.save(window, QStringLiteral("frmTD_Parameter-12ch-120-uploading"));
        // The upload done, the grid at the alarms: their types by name.
        session.runUntil([&] { return !window.isTransferRunning(); });
        QTableView* grid = window.view(frmTD_Parameter::Grid::Channel);
        grid->scrollTo(grid->model()->index(AlarmRow(1, AlarmField::SetValue) - 1, 0),
                       QAbstractItemView::PositionAtTop);
        context.save(window, QStringLiteral("frmTD_Parameter-12ch-120-alarms"));
    }
}

void renderChannelPage(ScreenContext& context) {
    const std::pair<const char*, const char*> firmwares[] = {{"200", "2.00"}, {"110", "1.10"}};
    for (const auto& [tag, firmware] : firmwares) {
        ParamSet set;
        NewParameterSet(set, 4, QString::fromLatin1(firmware));
        fillSample(set);
        const bool junction = set.versionHundredths() >= 150;
        set.tables.sprdP_CH.setText(3, 11, QStringLiteral("ON"));
        set.tables.sprdP_CH.setText(
            3, 12, junction ? QStringLiteral("DIRECT INPUT") : QStringLiteral("4"));
        set.tables.sprdP_CH.setText(3, 13, junction ? QStringLiteral("25.0") : QStringLiteral("2"));
        set.tables.sprdP_CH.setText(3, 14, QStringLiteral("CONSTANT"));
        set.tables.sprdP_CH.setText(3, 16, QStringLiteral("1.8"));
        PageContext c;
        c.set = &set;
        c.table = PageTable::Channel;
        c.column = 3;
        frmTD_P_Channel page(c);
        page.refreshNow();
        const QStringList tabs{QStringLiteral("input"), QStringLiteral("scaling"),
                               QStringLiteral("reading"), QStringLiteral("math"),
                               QStringLiteral("range")};
        for (int tab = 0; tab < tabs.size(); ++tab) {
            // The older firmware differs on the input and math tabs only.
            if (QByteArray(tag) == "110" && tab != 0 && tab != 3)
                continue;
            page.SSTab1()->setCurrentIndex(tab);
            context.save(page, QStringLiteral("frmTD_P_Channel-%1-%2")
                                   .arg(tab)
                                   .arg(tabs[tab] + u'-' + QString::fromLatin1(tag)));
        }
    }
    frmInputKey channel(frmInputKey::Kind::ChannelFormula, QStringLiteral("(CH01+CH02)/2"));
    context.save(channel, QStringLiteral("frmInputKey_CH"));
    frmInputKey memory(frmInputKey::Kind::MemoryFormula, QStringLiteral("M1*1.8+32"));
    context.save(memory, QStringLiteral("frmInputKey_MEM"));
}

} // namespace

void RegisterParamScreens(ScreenRegistry& registry) {
    registry.add(QStringLiteral("frmTD_Parameter"),
                 QStringLiteral("Parameter window: 2, 6 and 12 channels on both sides of firmware "
                                "1.16, and an upload in progress"),
                 renderParameterWindow);
    registry.add(QStringLiteral("frmTD_P_Channel"),
                 QStringLiteral("Channel page, every tab, and the formula dialogs"),
                 renderChannelPage);
}
