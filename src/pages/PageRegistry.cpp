#include "pages/PageFactory.h"
#include "pages/frmTD_P_Channel.h"

// Every page that is built, by its id. A page not listed here is announced as coming later.
const std::map<PageId, PageCreator>& PageCreators() {
    static const std::map<PageId, PageCreator> creators{
        {PageId::Channel,
         [](const PageContext& c, QWidget* parent) { return new frmTD_P_Channel(c, parent); }},
    };
    return creators;
}
