#include "egyptian/WindowParts.h"

#include "egyptian/Colours.h"
#include "kit/SiteTexts.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"

namespace velmora::egyptian {

using namespace colours;

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

} // namespace velmora::egyptian
