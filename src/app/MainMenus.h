#pragma once

#include <QString>
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
    const char* caption;
    EnabledWhen enabledWhen;
    bool separatorBefore;
};

struct ButtonInfo {
    int index;
    MainCommand command;
    const char* caption;
};

inline constexpr std::array<MenuItemInfo, 18> kMenuItems{{
    {MainCommand::mSetMC, MainMenu::mSet, "mSetMC", "&Meter", EnabledWhen::PortClosed, false},
    {MainCommand::mSetDSave, MainMenu::mSet, "mSetDSave", "&Data Save", EnabledWhen::Always, false},
    {MainCommand::mSetPublish, MainMenu::mSet, "mSetPublish", "P&ublish", EnabledWhen::Always,
     false},
    {MainCommand::mSetPort, MainMenu::mSet, "mSetPort", "&Port", EnabledWhen::PortClosed, false},
    {MainCommand::mExit, MainMenu::mSet, "mExit", "&Quit", EnabledWhen::Always, true},
    {MainCommand::mOnlinePortOpen, MainMenu::mOnline, "mOnlinePortOpen", "&Port Open",
     EnabledWhen::Always, false},
    {MainCommand::mOnlineSingleLine, MainMenu::mOnline, "mOnlineSingleLine", "Monitoring - &LINE",
     EnabledWhen::Polling, true},
    {MainCommand::mOnlineSingleBar, MainMenu::mOnline, "mOnlineSingleBar", "Monitoring - &BAR",
     EnabledWhen::Polling, false},
    {MainCommand::mOnlineSingleText, MainMenu::mOnline, "mOnlineSingleText", "Monitoring - &TEXT",
     EnabledWhen::Polling, false},
    {MainCommand::mOnlineMulti, MainMenu::mOnline, "mOnlineMulti", "&Multi Monitoring",
     EnabledWhen::Polling, true},
    {MainCommand::mOnlineMultiPV, MainMenu::mOnline, "mOnlineMultiPV", "Multi Monitoring - P&V",
     EnabledWhen::Polling, false},
    {MainCommand::mPMeterList, MainMenu::mPMeter, "mPMeterList", "&Parameter Setup",
     EnabledWhen::Always, false},
    {MainCommand::mPMeterSysDate, MainMenu::mPMeter, "mPMeterSysDate", "Date/Time &Reserve",
     EnabledWhen::Polling, false},
    {MainCommand::mHelpAbout, MainMenu::mHelp, "mHelpAbout", "&About", EnabledWhen::Always, false},
    {MainCommand::mHelpHelp, MainMenu::mHelp, "mHelpHelp", "&Help", EnabledWhen::Always, true},
    {MainCommand::mHelpManual, MainMenu::mHelp, "mHelpManual", "TD700 &Manual", EnabledWhen::Always,
     false},
    // Where a user looks for it: beside the port and the monitors.
    {MainCommand::mHelpViewComm, MainMenu::mOnline, "mHelpViewComm", "Communication Data &View",
     EnabledWhen::Always, true},
    {MainCommand::mHelpGView, MainMenu::mHelp, "mHelpGView", "&Graph Viewer", EnabledWhen::Always,
     false},
}};

// btnMenu(0..14): caption and the menu item whose handler the button runs. Index 3 changes
// its caption with the port ("Port Open" / "Port Close").
inline constexpr std::array<ButtonInfo, 15> kButtons{{
    {0, MainCommand::mSetMC, "Enable Meter"},
    {1, MainCommand::mSetDSave, "Data Save Setup"},
    {2, MainCommand::mSetPort, "Port Setup"},
    {3, MainCommand::mOnlinePortOpen, "Port Open"},
    {4, MainCommand::mOnlineSingleLine, "Monitoring(LINE)"},
    {5, MainCommand::mOnlineSingleBar, "Monitoring(BAR)"},
    {6, MainCommand::mOnlineSingleText, "Monitoring(TEXT)"},
    {7, MainCommand::mOnlineMulti, "Multi Monitoring"},
    {8, MainCommand::mOnlineMultiPV, "Multi Monitoring(PV)"},
    {9, MainCommand::mPMeterList, "Parameter Setup"},
    {10, MainCommand::mPMeterSysDate, "Date/Time Reserve"},
    {11, MainCommand::mHelpAbout, "About"},
    {12, MainCommand::mHelpHelp, "Help"},
    {13, MainCommand::mHelpManual, "TD700 Manual"},
    {14, MainCommand::mHelpGView, "Graph Viewer"},
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
