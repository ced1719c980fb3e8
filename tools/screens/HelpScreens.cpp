#include "help/Guide.h"
#include "help/HelpWindow.h"
#include "help/ManualWindow.h"
#include "screens/ScreenRegistry.h"

namespace {

void renderHelp(ScreenContext& context) {
    HelpWindow help(Guide::instance());
    help.resize(context.mainWindowSize());
    help.showPage();
    context.save(help, QStringLiteral("HelpWindow-contents"));
    help.showPage(QStringLiteral("data-saving.html"));
    context.save(help, QStringLiteral("HelpWindow-data-saving"));
    help.search(QStringLiteral("dialout"));
    help.openResult(0);
    context.save(help, QStringLiteral("HelpWindow-search"));

    ManualWindow manual(Guide::instance());
    manual.resize(context.mainWindowSize());
    context.save(manual, QStringLiteral("ManualWindow"));
}

} // namespace

void RegisterHelpScreens(ScreenRegistry& registry) {
    registry.add(QStringLiteral("HelpWindow"),
                 QStringLiteral("the guide: its contents, the data-saving page, a search; the "
                                "manual"),
                 renderHelp);
}
