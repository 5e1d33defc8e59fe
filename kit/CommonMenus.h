#pragma once

#include <QList>

class QAction;
class QMenu;
class QWidget;


namespace velmora::kit {

class Launcher;

// The wordings of the Help menu's update item; most windows use Standard.
enum class UpdateItemWording {
    Standard,   // "Check for Software &Update"
    CapitalFor, // "Check For Software &Update"
    CheckFirst, // "&Check for Software Update"
};

// The menu bar every window with a File menu shows: its File menu, the common
// "&Help" menu and the unavailable "Make Money &Online". The actions belong
// to `window`.
QList<QAction*> commonMenuBar(QWidget& window, QMenu& fileMenu, UpdateItemWording wording, Launcher& launcher);

// Shows the About box modally over `parent`.
void showAboutBox(QWidget* parent, Launcher& launcher);

} // namespace velmora::kit
