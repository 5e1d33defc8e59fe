#include "CommonMenus.h"

#include "Launcher.h"
#include "modHelp.h"

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

QAction* addPageItem(QMenu& menu, const QString& text, const char* name, modHelp::PageKey page, ui::Platform& platform)
{
    QAction* item = menu.addAction(text);
    item->setObjectName(QLatin1String(name));
    QObject::connect(item, &QAction::triggered, &menu, [&platform, page] { modHelp::OpenWebPage(platform, page); });
    return item;
}

} // namespace

QList<QAction*> commonMenuBar(QWidget& window, QMenu& fileMenu, UpdateItemWording wording, Launcher& launcher)
{
    ui::Platform& platform = launcher.platform();
    auto* help = new QMenu(QStringLiteral("&Help"), &window);
    help->setObjectName(QStringLiteral("mnuHelp"));
    addPageItem(*help, QStringLiteral("&Online Help"), "mnuOnlineHelp", modHelp::PageKey::HelpWebPage, platform);
    addPageItem(*help, QStringLiteral("&Visit Us Online"), "mnuVisitUs", modHelp::PageKey::HomePage, platform);
    help->addSeparator();
    addPageItem(*help, updateItemText(wording), "mnuUpdate", modHelp::PageKey::DownloadWebPage, platform);
    help->addSeparator();
    QAction* about = help->addAction(QStringLiteral("&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    QObject::connect(about, &QAction::triggered, &window, [&window, &launcher] { launcher.showAboutBox(&window); });

    // Offered in every window but never available.
    auto* makeMoney = new QAction(QStringLiteral("Make Money &Online"), &window);
    makeMoney->setObjectName(QStringLiteral("mkmoney"));
    makeMoney->setEnabled(false);
    QObject::connect(makeMoney, &QAction::triggered, &window,
                     [&platform] { modHelp::OpenWebPage(platform, modHelp::PageKey::FullyBranded); });

    return {fileMenu.menuAction(), help->menuAction(), makeMoney};
}

} // namespace velmora::kit
