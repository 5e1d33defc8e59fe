#include "bloodtype/WindowParts.h"

#include "bloodtype/Colours.h"
#include "kit/SiteTexts.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"
#include "ui/Twips.h"

#include <QKeyEvent>
#include <QPushButton>

namespace velmora::bloodtype {

using namespace colours;

bool isEnterOrEscape(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: return true;
    default: return false;
    }
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                       int height)
{
    QPushButton* button = ui::addButton(parent, name, caption, left, top, width, height);
    button->setFont(ui::verdana(8.25, true));
    ui::setColors(button, kButtonGrey, Qt::black);
    return button;
}

void addOfferLabels(QWidget* band, int left, int top, int width, int height)
{
    constexpr int kGap = 120;
    const int half = (width - kGap) / 2;
    ui::LinkLabel* full =
        ui::addLinkLabel(band, "lblFullBrand", kit::texts::kFullyBrandedOffer, left, top, half, height);
    ui::LinkLabel* cobrand =
        ui::addLinkLabel(band, "lblCobrand", kit::texts::kCoBrandOffer, left + half + kGap, top, half, height);
    for (ui::LinkLabel* offer : {full, cobrand}) {
        offer->setFont(ui::verdana(6.75, false, true));
        offer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        ui::setColors(offer, {}, kLightYellow);
    }
}

QWidget* addBand(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* band = new QWidget(parent);
    band->setObjectName(QLatin1String(name));
    band->setGeometry(ui::twipsRect(left, top, width, height));
    return band;
}

} // namespace velmora::bloodtype
