#include "comm/CommEngine.h"
#include "comm/MeterList.h"
#include "comm/RequestCodes.h"
#include "core/AppPaths.h"
#include "core/Clock.h"
#include "pagerules/AlarmRules.h"
#include "pages/PageContextOf.h"
#include "pages/frmTD_P_ARM_DI.h"
#include "pages/frmTD_P_Display.h"
#include "pages/frmTD_P_Main.h"
#include "pages/frmTD_P_System.h"
#include "paramset/ParamSet.h"
#include "screens/ScreenRegistry.h"
#include "simlink/SimSerialLink.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

// A parameter set as an upload from a simulated meter of `channels` channels and firmware
// `firmware` shows it, read on a virtual clock.
bool UploadDemoSet(ParamSet& set, int channels, const QString& firmware) {
    VirtualClock clock(QDateTime(QDate(2026, 3, 14), QTime(9, 41, 0)));
    SimSerialLink link(clock);
    CommEngine engine(clock);
    BuildMeterTables({QStringLiteral("O")}, engine.state(), engine.tables());
    PortSettings port;
    port.portName = QStringLiteral("DEMO:1:%1:%2").arg(channels).arg(firmware);
    engine.setPortSettings(port);
    engine.setLink(&link);
    bool read = false, uploaded = false;
    QObject::connect(&engine, &CommEngine::settingsRead, [&] { read = true; });
    QObject::connect(&engine, &CommEngine::uploadCompleted, [&] { uploaded = true; });
    if (!engine.openPort() || !clock.runUntil([&] { return read; }, 60000))
        return false;
    if (!engine.post(RequestCode::RC_UPLOAD_COMMON) ||
        !clock.runUntil([&] { return uploaded; }, 60000))
        return false;
    ShowDeviceTablesInSet(set, engine.tables(), engine.state().gChannelCount,
                          engine.tables().sprdStatus.text(4, 1));
    engine.closePort();
    return true;
}

void prepare(QDialog& page) {
    page.adjustSize();
}

void renderHome(ScreenContext& context, int channels) {
    ParamSet set;
    if (!UploadDemoSet(set, channels, QStringLiteral("2.00")))
        return;
    frmTD_P_Main page(PageContextOf(set));
    page.refreshNow();
    prepare(page);
    context.save(page, QStringLiteral("frmTD_P_Main%1").arg(channels, 2, 10, QLatin1Char('0')));
}

void renderDisplay(ScreenContext& context) {
    struct State {
        const char* mode;
        const char* firmware;
        const char* name;
    };
    const State states[] = {{"H.TREND", "2.00", "trend"},
                            {"TEXT-VIEW", "1.16", "text-view"},
                            {"BAR GRAPH", "2.00", "bar-graph"},
                            {"HISTORY-VIEW", "2.00", "history-view"}};
    for (const State& s : states) {
        ParamSet set;
        if (!UploadDemoSet(set, 6, QString::fromLatin1(s.firmware)))
            return;
        set.tables.sprdP.setText(ParamTables::ValueColumn, 2, QString::fromLatin1(s.mode));
        frmTD_P_Display page(PageContextOf(set));
        page.refreshNow();
        prepare(page);
        context.save(page, QStringLiteral("frmTD_P_Display-") + QString::fromLatin1(s.name));
    }
}

void renderAlarms(ScreenContext& context) {
    // One alarm type for each of the panels, on the 12- and the 2-channel set.
    struct State {
        int channels, type;
        const char* name;
    };
    const State states[] = {{12, 3, "12ch-set-value"},
                            {12, 5, "12ch-with-channel"},
                            {12, 8, "12ch-down-rate"},
                            {12, 15, "12ch-burnout"},
                            {2, 0, "2ch-plain"}};
    for (const State& s : states) {
        ParamSet set;
        if (!UploadDemoSet(set, s.channels, QStringLiteral("2.00")))
            return;
        const int channel = s.channels == 12 ? 7 : 2;
        set.tables.sprdP_CH.setText(ParamTables::channelColumn(channel),
                                    AlarmRow(2, AlarmField::Type), QString::number(s.type));
        frmTD_P_ARM_DI page(PageContextOf(set, channel));
        page.refreshNow();
        page.obtALM_No[1]->click();
        prepare(page);
        context.save(page, QStringLiteral("frmTD_P_ARM_DI-") + QString::fromLatin1(s.name));
    }
}

void renderSystem(ScreenContext& context) {
    const QStringList tabs{QStringLiteral("record"), QStringLiteral("colour"),
                           QStringLiteral("date"),   QStringLiteral("rs232"),
                           QStringLiteral("rs485"),  QStringLiteral("language")};
    const VirtualClock clock(QDateTime(QDate(2026, 3, 14), QTime(9, 41, 0)));
    for (int channels : {12, 6, 2}) {
        ParamSet set;
        if (!UploadDemoSet(set, channels,
                           channels == 2 ? QStringLiteral("1.05") : QStringLiteral("2.00")))
            return;
        for (int tab = 0; tab < int(tabs.size()); ++tab) {
            // Every tab once on the 12-channel set; the record and colour tabs, which
            // differ by model and firmware, on the others too.
            if (channels != 12 && tab > 1)
                continue;
            frmTD_P_System page(PageContextOf(set, 0, tab, &clock));
            page.refreshNow();
            prepare(page);
            const QString name =
                QStringLiteral("frmTD_P_System-%1ch-%2").arg(channels).arg(tabs[tab]);
            context.save(page, name);
            if (tab == 1 && channels == 12) {
                page.btnDN_Color->click();
                context.save(page, name + QStringLiteral("-7-12"));
            }
        }
    }
}

} // namespace

void RegisterPageScreens(ScreenRegistry& registry) {
    for (int channels : {2, 4, 6, 12})
        registry.add(QStringLiteral("frmTD_P_Main%1").arg(channels, 2, 10, QLatin1Char('0')),
                     QStringLiteral("home page of a %1-channel set").arg(channels),
                     [channels](ScreenContext& context) { renderHome(context, channels); });
    registry.add(QStringLiteral("frmTD_P_Display"),
                 QStringLiteral("display page in each display mode"), renderDisplay);
    registry.add(QStringLiteral("frmTD_P_ARM_DI"),
                 QStringLiteral("alarm and DI page with each type panel"), renderAlarms);
    registry.add(QStringLiteral("frmTD_P_System"),
                 QStringLiteral("system page, every tab, 12, 6 and 2 channels"), renderSystem);
}
