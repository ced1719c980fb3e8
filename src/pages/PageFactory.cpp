#include "pages/PageFactory.h"

#include "paramset/ParamFields.h"

#include <QCoreApplication>

namespace {

// The texts of this file, translated where the desktop program shows them.
struct PageFactoryTexts {
    Q_DECLARE_TR_FUNCTIONS(PageFactory)
};

} // namespace

QString PageWindowName(PageId page) {
    switch (page) {
    case PageId::Home02:
        return QStringLiteral("frmTD_P_Main02");
    case PageId::Home04:
        return QStringLiteral("frmTD_P_Main04");
    case PageId::Home06:
        return QStringLiteral("frmTD_P_Main06");
    case PageId::Home12:
        return QStringLiteral("frmTD_P_Main12");
    case PageId::DisplayPage:
        return QStringLiteral("frmTD_P_Display");
    case PageId::System:
        return QStringLiteral("frmTD_P_System");
    case PageId::AlarmDi:
        return QStringLiteral("frmTD_P_ARM_DI");
    case PageId::Channel:
        return QStringLiteral("frmTD_P_Channel");
    case PageId::None:
        break;
    }
    return {};
}

QString PageDescription(PageId page) {
    switch (page) {
    case PageId::Home02:
    case PageId::Home04:
    case PageId::Home06:
    case PageId::Home12:
        return PageFactoryTexts::tr("The home page (recording and displayed channels)");
    case PageId::DisplayPage:
        return PageFactoryTexts::tr("The display page");
    case PageId::System:
        return PageFactoryTexts::tr("The system page");
    case PageId::AlarmDi:
        return PageFactoryTexts::tr("The alarm and digital input page");
    case PageId::Channel:
        return PageFactoryTexts::tr("The channel page");
    case PageId::None:
        break;
    }
    return {};
}

QString PageComesLaterText(PageId page) {
    return PageFactoryTexts::tr("%1 (%2) comes in a later version of the program. The value can "
                                "still be uploaded, saved and downloaded.")
        .arg(PageDescription(page), PageWindowName(page));
}

PageId HomePageFor(int channels) {
    switch (channels) {
    case 2:
        return PageId::Home02;
    case 4:
        return PageId::Home04;
    case 6:
        return PageId::Home06;
    case 12:
        return PageId::Home12;
    default:
        return PageId::None;
    }
}

namespace {

PageTarget common(PageId page, int row, int tab = 0) {
    PageTarget t;
    t.page = page;
    t.table = PageTable::Common;
    t.column = 3;
    t.tab = tab;
    t.row = row;
    return t;
}

} // namespace

PageTarget PageForCommonCell(int row, int column, const QString& description, int channels) {
    if (column < 3 || row < 1 || row > CommonRows)
        return {};
    if (row == 1)
        return common(HomePageFor(channels), row);
    if (row <= 7)
        return common(PageId::DisplayPage, row);
    if (row <= 9)
        return {};
    if (row == 14 && description == QStringLiteral("DISPLAY GROUP"))
        return common(PageId::Home12, row);
    if (row <= 14 || row == 17)
        return common(PageId::System, row, 0);
    if (row == 15)
        return common(PageId::System, row, 1);
    if (row == 16 || row == 69)
        return common(PageId::System, row, 5);
    if (row <= 30)
        return common(PageId::System, row, 2);
    if (row <= 37)
        return common(PageId::System, row, 3);
    if (row <= 44)
        return common(PageId::System, row, 4);
    return common(PageId::AlarmDi, row);
}

PageTarget PageForChannelCell(int row, int column, int channels, int version) {
    if (column < 3 || column > channels + 2 || row < 1 || row > ChannelRows)
        return {};
    PageTarget t;
    t.table = PageTable::Channel;
    t.column = column;
    t.row = row;
    auto channelPage = [&](int tab) {
        t.page = PageId::Channel;
        t.tab = tab;
        return t;
    };
    switch (row) {
    case 3:
        t.page = HomePageFor(channels);
        return t;
    case 10:
        t.page = PageId::System;
        t.tab = 1;
        return t;
    case 1:
    case 2:
    case 4:
    case 7:
        return channelPage(0);
    case 5:
    case 6:
    case 17:
    case 18:
    case 19:
    case 20:
        return channelPage(1);
    case 8:
    case 9:
    case 23:
    case 24:
    case 25:
        return channelPage(2);
    case 11:
    case 14:
    case 15:
    case 16:
        return channelPage(3);
    case 12:
    case 13:
        return channelPage(version >= VersionReferenceJunction ? 0 : 3);
    case 21:
    case 22:
        return channelPage(4);
    default:
        t.page = PageId::AlarmDi; // 26..61
        return t;
    }
}

PageTarget PageForFormulaRow(int row, int channels) {
    if (row < 1 || row > channels)
        return {};
    PageTarget t;
    t.page = PageId::Channel;
    t.table = PageTable::Channel;
    t.column = row + 2;
    t.tab = 3;
    return t;
}

namespace {
const AppPaths* gPagePaths = nullptr;
const Clock* gPageClock = nullptr;
} // namespace

void SetPageSurroundings(const AppPaths* paths, const Clock* clock) {
    gPagePaths = paths;
    gPageClock = clock;
}

ParamPage* CreatePage(const PageTarget& target, ParamSet& set, QWidget* parent) {
    const auto& creators = PageCreators();
    const auto it = creators.find(target.page);
    if (it == creators.end())
        return nullptr;
    PageContext context;
    context.set = &set;
    context.table = target.table;
    context.column = target.column;
    context.tab = target.tab;
    context.row = target.row;
    context.paths = gPagePaths;
    context.clock = gPageClock;
    return it->second(context, parent);
}
