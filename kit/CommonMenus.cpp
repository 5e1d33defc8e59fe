#include "kit/CommonMenus.h"

#include "kit/WebPages.h"
#include "kit/WindowHost.h"

#include <QAction>
#include <QMenu>

namespace velmora::kit {
namespace {

QString updateItemText(UpdateItemWording wording)
{
    switch (wording) {
    case UpdateItemWording::CapitalFor: return QStringLiteral("Check For Software &Update");
    case UpdateItemWording::CheckFirst: return QStringLiteral("&Check for Software Update");
    case UpdateItemWording::Standard: break;
    }
    return QStringLiteral("Check for Software &Update");
}

QAction* addPageItem(QMenu& menu, const QString& text, const char* name, PageKey page, ui::Platform& platform)
{
    QAction* item = menu.addAction(text);
    item->setObjectName(QLatin1String(name));
    QObject::connect(item, &QAction::triggered, &menu, [&platform, page] { OpenWebPage(platform, page); });
    return item;
}

} // namespace

QList<QAction*> commonMenuBar(QWidget& window, QMenu& fileMenu, const HelpMenu& help, WindowHost& host)
{
    ui::Platform& platform = host.platform();
    auto* menu = new QMenu(QStringLiteral("&Help"), &window);
    menu->setObjectName(QStringLiteral("mnuHelp"));
    addPageItem(*menu, QStringLiteral("&Online Help"), help.onlineHelpName, PageKey::HelpWebPage, platform);
    addPageItem(*menu, QStringLiteral("&Visit Us Online"), help.visitUsName, PageKey::HomePage, platform);
    menu->addSeparator();
    addPageItem(*menu, updateItemText(help.updateWording), "mnuUpdate", PageKey::DownloadWebPage, platform);
    menu->addSeparator();
    QAction* about = menu->addAction(QStringLiteral("&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    QObject::connect(about, &QAction::triggered, &window, [&window, &host] { host.showAboutBox(&window); });

    // Offered in every window but never available.
    auto* makeMoney = new QAction(QStringLiteral("Make Money &Online"), &window);
    makeMoney->setObjectName(QStringLiteral("mkmoney"));
    makeMoney->setEnabled(false);
    QObject::connect(makeMoney, &QAction::triggered, &window,
                     [&platform] { OpenWebPage(platform, PageKey::FullyBranded); });

    return {fileMenu.menuAction(), menu->menuAction(), makeMoney};
}

} // namespace velmora::kit
