#pragma once

#include <QList>
#include <QWidget>

class QAction;
class QMdiSubWindow;

namespace velmora::ui {
class Platform;
}

namespace velmora::shell {

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

    // Runs once, right after the window is made and put into the frame.
    virtual void Form_Load();

    void showWindow();
    void hideWindow();
    void closeWindow();
    bool isOnScreen() const;

protected:
    // Runs when the window closes, by any road.
    virtual void Form_Unload();
    void closeEvent(QCloseEvent* event) override;

    // Left edge at half of (screen width - window width), top edge at 0.
    void placeOnScreen();

    Launcher& launcher() const { return launcher_; }
    ui::Platform& platform() const;
    QMdiSubWindow* subWindow() const;

private:
    Launcher& launcher_;
};

} // namespace velmora::shell
