#pragma once

#include <QColor>
#include <QList>
#include <QString>

class QAction;
class QWidget;

namespace velmora::ui {
class LinkLabel;
}

// What the Egyptian entry and result windows share: caption, colours, the
// banner and offer labels and the names of the Help items.
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

// Gives the common Help items of a menu bar the names these windows use:
// `mnuOnline`, `mnuVisit`, `mnuUpdate` and `mnuAbout`.
void nameHelpItems(const QList<QAction*>& menuBar);

} // namespace velmora::egyptian
