#pragma once

#include <QList>

class QAction;
class QMenu;
class QWidget;

namespace velmora::kit {

class WindowHost;

// The wordings of the Help menu's update item; most windows use Standard.
enum class UpdateItemWording {
    Standard,   // "Check for Software &Update"
    CapitalFor, // "Check For Software &Update"
    CheckFirst, // "&Check for Software Update"
};

// The Help menu as a window words and names it.
struct HelpMenu {
    UpdateItemWording updateWording = UpdateItemWording::Standard;
    const char* onlineHelpName = "mnuOnlineHelp";
    const char* visitUsName = "mnuVisitUs";
};

// The menu bar every window with a File menu shows: its File menu, the common
// "&Help" menu and the unavailable "Make Money &Online". The actions belong
// to `window`.
QList<QAction*> commonMenuBar(QWidget& window, QMenu& fileMenu, const HelpMenu& help, WindowHost& host);

} // namespace velmora::kit
