#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class QAction;
class QMdiSubWindow;

namespace velmora::ui {
class Platform;
}

namespace velmora::kit {

class Launcher;

// A window of a calculator, shown as a child of the launcher frame. It is
// laid out in twips at its design size, places itself on load, and tells the
// launcher when it closes.
class CalculatorWindow : public QWidget {
    Q_OBJECT
public:
    CalculatorWindow(Launcher& launcher, const QString& name, const QString& caption, int widthTwips,
                     int heightTwips);

    // The window's own menu bar; empty for windows that have none.
    virtual QList<QAction*> menuBarActions() const;

    // Runs once, right after the window is made and put into the frame:
    // places the window and puts its links after its inputs and buttons in
    // the tab order, so that Tab reaches what the user came for first.
    virtual void Form_Load();

    // Brings the window to the front with the focus where the user left it,
    // or on first showing in its first input (a name box where it has one).
    void showWindow();
    void hideWindow();
    void closeWindow();
    bool isOnScreen() const;

protected:
    // Runs when the window closes, by any road.
    virtual void Form_Unload();
    void closeEvent(QCloseEvent* event) override;

    // Centred in the window area and at its top, its left edge never out of
    // sight: a window wider or taller than the area is scrolled to from there.
    void placeOnScreen();

    Launcher& launcher() const { return launcher_; }
    ui::Platform& platform() const;
    QMdiSubWindow* subWindow() const;

private:
    void putLinksLastInTabOrder();
    void addSaveAndPrintKeys();
    QWidget* firstInput() const;

    Launcher& launcher_;
    // Where the focus was when the window was last hidden.
    QPointer<QWidget> lastFocus_;
};

} // namespace velmora::kit
