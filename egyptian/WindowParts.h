#pragma once

#include "kit/CommonMenus.h"

#include <QString>

class QWidget;

namespace velmora::ui {
class LinkLabel;
}

// What the Egyptian entry and result windows share: caption, width, the
// banner and offer labels and the names of the Help items.
namespace velmora::egyptian {

inline const QString kWindowCaption = QStringLiteral("Velmora Egyptian Astrology Compatibility");

// Both windows' width in twips.
inline constexpr int kWindowWidth = 10680;

// The one-line forum invitation `Label61` across the top of a window.
ui::LinkLabel* addForumBanner(QWidget* window);
// The branded-edition offer (`Label7` of the entry window, `Label1` of the
// result window).
ui::LinkLabel* addBrandedOffer(QWidget* window, const char* name, int left, int top, int width, int height);

// The Help menu as these windows name its items: `mnuOnline`, `mnuVisit`,
// `mnuUpdate` and `mnuAbout`.
constexpr kit::HelpMenu helpMenu(kit::UpdateItemWording wording)
{
    return {wording, "mnuOnline", "mnuVisit"};
}

} // namespace velmora::egyptian
