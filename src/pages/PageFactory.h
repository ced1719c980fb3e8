#pragma once

#include "pages/ParamPage.h"

#include <QString>
#include <functional>
#include <map>

// The parameter pages, by the window names they keep.
enum class PageId {
    None,
    Home02,      // frmTD_P_Main02
    Home04,      // frmTD_P_Main04
    Home06,      // frmTD_P_Main06
    Home12,      // frmTD_P_Main12
    DisplayPage, // frmTD_P_Display
    System,      // frmTD_P_System
    AlarmDi,     // frmTD_P_ARM_DI
    Channel,     // frmTD_P_Channel
};

QString PageWindowName(PageId page);  // "frmTD_P_Channel"
QString PageDescription(PageId page); // "the channel page"

// Which page a click on a parameter table opens, on which tab and column.
struct PageTarget {
    PageId page = PageId::None;
    PageTable table = PageTable::Common;
    int column = 0;
    int tab = 0;
    int row = 0;
    int channel() const { return table == PageTable::Channel ? column - 2 : 0; }
};

// The home page of a model.
PageId HomePageFor(int channels);
// A click on `sprdP` row `row`, column `column` (only the value column 3 opens anything);
// `description` is the row's description (row 14 opens the home page of twelve channels
// when it reads "DISPLAY GROUP").
PageTarget PageForCommonCell(int row, int column, const QString& description, int channels);
// A click on `sprdP_CH` row `row`, column `column` (channel = column - 2; the columns 1 and 2
// open nothing); rows 12 and 13 open the input tab from firmware 1.50, the math tab before.
PageTarget PageForChannelCell(int row, int column, int channels, int versionHundredths);
// A click on row `row` (the channel) of either formula table: the channel page, math tab.
PageTarget PageForFormulaRow(int row, int channels);

// Makes a page; registered per page in PageRegistry.cpp.
using PageCreator = std::function<ParamPage*(const PageContext& context, QWidget* parent)>;
const std::map<PageId, PageCreator>& PageCreators();
// The page for `target` over `set`, or nullptr when that page is not built yet (then
// PageComesLaterText() says so).
ParamPage* CreatePage(const PageTarget& target, ParamSet& set, QWidget* parent);
QString PageComesLaterText(PageId page);
// The program folder and clock every page made by CreatePage is given (the program has one of
// each; the main window sets them when it starts).
void SetPageSurroundings(const AppPaths* paths, const Clock* clock);
