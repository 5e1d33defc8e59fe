#pragma once

#include "kit/CommonMenus.h"

#include <QAction>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>
#include <string_view>

class QMdiSubWindow;
class QMenu;

namespace velmora::ui {
class Platform;
}

namespace velmora::kit {

class WindowHost;

// A window of a calculator, shown as a child of the launcher frame. It is
// laid out in twips at its design size, places itself on load, wires its link
// labels to their pages, holds its menu bar, and tells the launcher when it
// closes; closing it shows the welcome panel again unless it is a report.
class CalculatorWindow : public QWidget {
    Q_OBJECT
public:
    CalculatorWindow(WindowHost& host, std::string_view name, const QString& caption, int widthTwips,
                     int heightTwips);

    // The window's own menu bar; empty for windows that have none.
    QList<QAction*> menuBarActions() const { return menuBar_; }

    // Runs once, right after the window is made and put into the frame:
    // places the window, makes its link labels open their pages and puts
    // them after its inputs and buttons in the tab order, so that Tab reaches
    // what the user came for first.
    virtual void Form_Load();

    // Brings the window to the front with the focus where the user left it,
    // or on first showing in its first input (a name box where it has one).
    void showWindow();
    void hideWindow();
    void closeWindow();
    bool isOnScreen() const;
    // The window this one was opened from, brought back when this one closes
    // if it is still loaded (a report's result window, the circle a pair's
    // reading was opened from); then the welcome panel stays hidden. A window
    // closed in the meantime is not made again: it would be empty.
    void returnsTo(std::string_view window) { returnsTo_ = window; }

    // Whether this window shows the reading of the window named `window`, as
    // a report shows its result window's.
    virtual bool showsReadingOf(std::string_view window) const;

protected:
    // Runs when the window closes, by any road.
    virtual void Form_Unload();
    // A report window neither hides nor shows the welcome panel.
    void keepWelcomePanelOnClose() { restoresWelcomePanel_ = false; }

    // Puts the links after the inputs and buttons in the tab order; a window
    // that makes controls after it is loaded calls it again.
    void putLinksLastInTabOrder();
    // Makes the controls of a page that is on screen already (a tab the user
    // has just turned to) with `build`, shows them, and keeps the links last
    // in the tab order.
    void buildPageOnScreen(QWidget* page, const std::function<void()>& build);
    void closeEvent(QCloseEvent* event) override;

    // Centred in the window area and at its top, its left edge never out of
    // sight: a window wider or taller than the area is scrolled to from there.
    void placeOnScreen();

    // Shows `result` in this window's place: this window is hidden with its
    // entries intact, and the welcome panel stays hidden.
    void handOverTo(CalculatorWindow& result);
    // Back: shows `entry` as the user left it and closes this window.
    void returnTo(CalculatorWindow& entry);

    // A "&File" menu for the window's menu bar, and an item on it.
    QMenu* createFileMenu();
    template <class W>
    QAction* addMenuItem(QMenu* menu, const QString& text, const char* name, void (W::*handler)());
    // The menu bar: the File menu given, the common Help menu and the
    // unavailable offer.
    void setMenuBar(QMenu* fileMenu, const HelpMenu& help = {});
    void setMenuBarActions(QList<QAction*> actions) { menuBar_ = std::move(actions); }

    WindowHost& host() const { return host_; }
    ui::Platform& platform() const;
    QMdiSubWindow* subWindow() const;

private:
    void addSaveAndPrintKeys();
    QWidget* firstInput() const;

    QAction* addMenuItem(QMenu* menu, const QString& text, const char* name);

    WindowHost& host_;
    QList<QAction*> menuBar_;
    bool restoresWelcomePanel_ = true;
    std::string returnsTo_;
    // Where the focus was when the window was last hidden.
    QPointer<QWidget> lastFocus_;
};

template <class W>
QAction* CalculatorWindow::addMenuItem(QMenu* menu, const QString& text, const char* name, void (W::*handler)())
{
    QAction* item = addMenuItem(menu, text, name);
    connect(item, &QAction::triggered, static_cast<W*>(this), handler);
    return item;
}

} // namespace velmora::kit
