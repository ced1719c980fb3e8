#pragma once

#include <QString>

// Which page of the guide F1 opens in which window: the window's object name, and the page
// with the anchor of its section. A window that comes in channel-count variants is named
// once, without its two-digit suffix. A new window adds one line here.
struct HelpTopic {
    const char* window;
    const char* page;
};

inline constexpr HelpTopic kHelpTopics[] = {
    {"frmTD_Main", "main-window.html"},
    {"frmTD_SetMC", "main-window.html#meter-list"},
    {"frmTD_SetPort", "getting-connected.html#port-setup"},
    {"frmTD_Set_DSave", "data-saving.html"},
    {"frmTD_Set_Publish", "data-saving.html#publishing"},
    {"frmTD_About", "index.html"},
    {"frmTD_Mon_Multi", "monitors.html#multi"},
    {"frmTD_Mon_MultiPV", "monitors.html#multi"},
    {"frmTD_Mon_Line", "monitors.html#trend"},
    {"frmTD_Mon_Bar", "monitors.html#bar"},
    {"frmTD_Mon_Text", "monitors.html#text"},
    {"GraphViewerWindow", "graph-viewer.html"},
    {"frmTD_DateReserve", "clock.html#date-reserve"},
    {"frmTD_Parameter", "parameter-sets.html#window"},
    {"frmTD_P_Channel", "parameter-sets.html#window"},
    {"HelpWindow", "index.html#using-the-guide"},
    {"ManualWindow", "index.html#using-the-guide"},
};

// The page for a window's object name ("frmTD_Mon_Line06" finds the trend monitor's), or an
// empty text when the table does not know the window.
QString HelpTopicFor(const QString& windowName);
