#pragma once

#include "CommonMenus.h"

#include <QColor>
#include <QList>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace velmora::ui {
class LinkLabel;
}

namespace velmora::kit {
class Launcher;
}

// What the Egyptian entry and result windows share: caption, colours, the
// banner and offer labels and the menu bar.
namespace velmora::egyptian {

inline const QString kWindowCaption = QStringLiteral("Velmora Egyptian Astrology Compatibility");

inline const QColor kSand(250, 236, 204);
inline const QColor kUmber(96, 48, 0);
inline const QColor kLapis(0, 0, 160);

// Both windows' width in twips.
inline constexpr int kWindowWidth = 10680;

// The one-line forum invitation `Label61` across the top of a window.
ui::LinkLabel* addForumBanner(QWidget* window);
// The branded-edition offer (`Label7` of the entry window, `Label1` of the
// result window).
ui::LinkLabel* addBrandedOffer(QWidget* window, const char* name, int left, int top, int width, int height);

// The common menu bar, its Help items named `mnuOnline`, `mnuVisit`,
// `mnuUpdate` and `mnuAbout`.
QList<QAction*> egyptianMenuBar(QWidget& window, QMenu& fileMenu, kit::UpdateItemWording wording,
                                kit::Launcher& launcher);

} // namespace velmora::egyptian
