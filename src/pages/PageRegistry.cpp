#include "pages/PageFactory.h"
#include "pages/frmTD_P_ARM_DI.h"
#include "pages/frmTD_P_Channel.h"
#include "pages/frmTD_P_Display.h"
#include "pages/frmTD_P_Main.h"
#include "pages/frmTD_P_System.h"

// Every page that is built, by its id. A page not listed here is announced as coming later.
const std::map<PageId, PageCreator>& PageCreators() {
    static const std::map<PageId, PageCreator> creators{
        // One home page class serves the four models; it takes its layout from the set.
        {PageId::Home02, [](const PageContext& c, QWidget* p) { return new frmTD_P_Main(c, p); }},
        {PageId::Home04, [](const PageContext& c, QWidget* p) { return new frmTD_P_Main(c, p); }},
        {PageId::Home06, [](const PageContext& c, QWidget* p) { return new frmTD_P_Main(c, p); }},
        {PageId::Home12, [](const PageContext& c, QWidget* p) { return new frmTD_P_Main(c, p); }},
        {PageId::DisplayPage,
         [](const PageContext& c, QWidget* p) { return new frmTD_P_Display(c, p); }},
        {PageId::AlarmDi,
         [](const PageContext& c, QWidget* p) { return new frmTD_P_ARM_DI(c, p); }},
        {PageId::System, [](const PageContext& c, QWidget* p) { return new frmTD_P_System(c, p); }},
        {PageId::Channel,
         [](const PageContext& c, QWidget* parent) { return new frmTD_P_Channel(c, parent); }},
    };
    return creators;
}
