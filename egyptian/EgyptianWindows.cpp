#include "EgyptianWindows.h"

#include "Controls.h"
#include "Fonts.h"
#include "LinkLabel.h"
#include "SiteTexts.h"

#include <QAction>
#include <QMenu>

namespace velmora::egyptian {

ui::LinkLabel* addForumBanner(QWidget* window)
{
    auto* banner =
        ui::addLinkLabel(window, "Label61", kit::texts::kForumInvitation, 120, 60, kWindowWidth - 240, 300);
    banner->setFont(ui::verdana(9.75, true, true));
    banner->setAlignment(Qt::AlignCenter);
    ui::setColors(banner, {}, kLapis);
    return banner;
}

ui::LinkLabel* addBrandedOffer(QWidget* window, const char* name, int left, int top, int width, int height)
{
    auto* offer = ui::addLinkLabel(window, name, kit::texts::kBrandedEditionOffer, left, top, width, height);
    offer->setFont(ui::verdana(8.25, true, true));
    offer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui::setColors(offer, {}, kUmber);
    return offer;
}

void nameHelpItems(const QList<QAction*>& menuBar)
{
    for (const QAction* top : menuBar) {
        const QMenu* menu = top->menu();
        if (!menu)
            continue;
        for (QAction* item : menu->actions()) {
            if (item->objectName() == QLatin1String("mnuOnlineHelp"))
                item->setObjectName(QStringLiteral("mnuOnline"));
            else if (item->objectName() == QLatin1String("mnuVisitUs"))
                item->setObjectName(QStringLiteral("mnuVisit"));
        }
    }
}

} // namespace velmora::egyptian
