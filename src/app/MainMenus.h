#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>
#include <utility>

// The commands of the main window. Every menu item has one handler; a button of the bar
// runs exactly the handler of its menu item.
enum class MainCommand {
    mSetMC,
    mSetDSave,
    mSetPublish,
    mSetPort,
    mExit,
    mOnlinePortOpen,
    mOnlineSingleLine,
    mOnlineSingleBar,
    mOnlineSingleText,
    mOnlineMulti,
    mOnlineMultiPV,
    mPMeterList,
    mPMeterSysDate,
    mHelpAbout,
    mHelpHelp,
    mHelpManual,
    mHelpViewComm,
    mHelpGView,
};

// Which menu of the bar an item belongs to.
enum class MainMenu { mSet, mOnline, mPMeter, mHelp };

// Whether SetPortClosedMenus touches an item: enabled while the port is closed, enabled
// while it polls, or always enabled.
enum class EnabledWhen { Always, PortClosed, Polling };

struct MenuItemInfo {
    MainCommand command;
    MainMenu menu;
    const char* objectName;
    const char* caption; // the text of the code; shown in the program's language
    EnabledWhen enabledWhen;
    bool separatorBefore;
};

struct ButtonInfo {
    int index;
    MainCommand command;
    const char* caption;
};

inline constexpr std::array<MenuItemInfo, 18> kMenuItems{{
    {MainCommand::mSetMC, MainMenu::mSet, "mSetMC", QT_TRANSLATE_NOOP("MainMenus", "Meter &List"),
     EnabledWhen::PortClosed, false},
    {MainCommand::mSetDSave, MainMenu::mSet, "mSetDSave",
     QT_TRANSLATE_NOOP("MainMenus", "&Data Save"), EnabledWhen::Always, false},
    {MainCommand::mSetPublish, MainMenu::mSet, "mSetPublish",
     QT_TRANSLATE_NOOP("MainMenus", "P&ublish"), EnabledWhen::Always, false},
    {MainCommand::mSetPort, MainMenu::mSet, "mSetPort", QT_TRANSLATE_NOOP("MainMenus", "&Port"),
     EnabledWhen::PortClosed, false},
    {MainCommand::mExit, MainMenu::mSet, "mExit", QT_TRANSLATE_NOOP("MainMenus", "&Quit"),
     EnabledWhen::Always, true},
    {MainCommand::mOnlinePortOpen, MainMenu::mOnline, "mOnlinePortOpen",
     QT_TRANSLATE_NOOP("MainMenus", "&Port Open"), EnabledWhen::Always, false},
    {MainCommand::mOnlineSingleLine, MainMenu::mOnline, "mOnlineSingleLine",
     QT_TRANSLATE_NOOP("MainMenus", "Monitoring - &LINE"), EnabledWhen::Polling, true},
    {MainCommand::mOnlineSingleBar, MainMenu::mOnline, "mOnlineSingleBar",
     QT_TRANSLATE_NOOP("MainMenus", "Monitoring - &BAR"), EnabledWhen::Polling, false},
    {MainCommand::mOnlineSingleText, MainMenu::mOnline, "mOnlineSingleText",
     QT_TRANSLATE_NOOP("MainMenus", "Monitoring - &TEXT"), EnabledWhen::Polling, false},
    {MainCommand::mOnlineMulti, MainMenu::mOnline, "mOnlineMulti",
     QT_TRANSLATE_NOOP("MainMenus", "&Multi Monitoring"), EnabledWhen::Polling, true},
    {MainCommand::mOnlineMultiPV, MainMenu::mOnline, "mOnlineMultiPV",
     QT_TRANSLATE_NOOP("MainMenus", "Multi Monitoring - P&V"), EnabledWhen::Polling, false},
    {MainCommand::mPMeterList, MainMenu::mPMeter, "mPMeterList",
     QT_TRANSLATE_NOOP("MainMenus", "&Parameter Setup"), EnabledWhen::Always, false},
    {MainCommand::mPMeterSysDate, MainMenu::mPMeter, "mPMeterSysDate",
     QT_TRANSLATE_NOOP("MainMenus", "Date/Time &Reserve"), EnabledWhen::Polling, false},
    {MainCommand::mHelpAbout, MainMenu::mHelp, "mHelpAbout",
     QT_TRANSLATE_NOOP("MainMenus", "&About"), EnabledWhen::Always, false},
    {MainCommand::mHelpHelp, MainMenu::mHelp, "mHelpHelp", QT_TRANSLATE_NOOP("MainMenus", "&Help"),
     EnabledWhen::Always, true},
    {MainCommand::mHelpManual, MainMenu::mHelp, "mHelpManual",
     QT_TRANSLATE_NOOP("MainMenus", "TD700 &Manual"), EnabledWhen::Always, false},
    // Where a user looks for it: beside the port and the monitors.
    {MainCommand::mHelpViewComm, MainMenu::mOnline, "mHelpViewComm",
     QT_TRANSLATE_NOOP("MainMenus", "Communication Data &View"), EnabledWhen::Always, true},
    {MainCommand::mHelpGView, MainMenu::mHelp, "mHelpGView",
     QT_TRANSLATE_NOOP("MainMenus", "&Graph Viewer"), EnabledWhen::Always, false},
}};

// btnMenu(0..15) in the order of the bar: caption and the menu item whose handler the button
// runs. Index 3 changes its caption with the port ("Port Open" / "Port Close"); Publish Setup
// (15) came last and stands with the other setups.
inline constexpr int ButtonCount = 16;
inline constexpr std::array<ButtonInfo, ButtonCount> kButtons{{
    {0, MainCommand::mSetMC, QT_TRANSLATE_NOOP("MainMenus", "Meter List")},
    {1, MainCommand::mSetDSave, QT_TRANSLATE_NOOP("MainMenus", "Data Save Setup")},
    {15, MainCommand::mSetPublish, QT_TRANSLATE_NOOP("MainMenus", "Publish Setup")},
    {2, MainCommand::mSetPort, QT_TRANSLATE_NOOP("MainMenus", "Port Setup")},
    {3, MainCommand::mOnlinePortOpen, QT_TRANSLATE_NOOP("MainMenus", "Port Open")},
    {4, MainCommand::mOnlineSingleLine, QT_TRANSLATE_NOOP("MainMenus", "Monitoring(LINE)")},
    {5, MainCommand::mOnlineSingleBar, QT_TRANSLATE_NOOP("MainMenus", "Monitoring(BAR)")},
    {6, MainCommand::mOnlineSingleText, QT_TRANSLATE_NOOP("MainMenus", "Monitoring(TEXT)")},
    {7, MainCommand::mOnlineMulti, QT_TRANSLATE_NOOP("MainMenus", "Multi Monitoring")},
    {8, MainCommand::mOnlineMultiPV, QT_TRANSLATE_NOOP("MainMenus", "Multi Monitoring(PV)")},
    {9, MainCommand::mPMeterList, QT_TRANSLATE_NOOP("MainMenus", "Parameter Setup")},
    {10, MainCommand::mPMeterSysDate, QT_TRANSLATE_NOOP("MainMenus", "Date/Time Reserve")},
    {11, MainCommand::mHelpAbout, QT_TRANSLATE_NOOP("MainMenus", "About")},
    {12, MainCommand::mHelpHelp, QT_TRANSLATE_NOOP("MainMenus", "Help")},
    {13, MainCommand::mHelpManual, QT_TRANSLATE_NOOP("MainMenus", "TD700 Manual")},
    {14, MainCommand::mHelpGView, QT_TRANSLATE_NOOP("MainMenus", "Graph Viewer")},
}};

inline const MenuItemInfo& MenuItemOf(MainCommand command) {
    for (const MenuItemInfo& item : kMenuItems)
        if (item.command == command)
            return item;
    return kMenuItems.front();
}

// The monitor windows by the names the command line knows them by (line, bar, text, multi,
// multi-pv); none for any other name.
inline std::optional<MainCommand> MonitorCommandNamed(const QString& name) {
    static const std::pair<const char*, MainCommand> monitors[] = {
        {"line", MainCommand::mOnlineSingleLine},
        {"bar", MainCommand::mOnlineSingleBar},
        {"text", MainCommand::mOnlineSingleText},
        {"multi", MainCommand::mOnlineMulti},
        {"multi-pv", MainCommand::mOnlineMultiPV}};
    for (const auto& [monitor, command] : monitors)
        if (name == QLatin1String(monitor))
            return command;
    return std::nullopt;
}
