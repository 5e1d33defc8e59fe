#pragma once

#include <QHash>
#include <QPointer>
#include <QSize>
#include <QString>

class QMdiSubWindow;
class QWidget;

namespace velmora::ui {
class Platform;
}

namespace velmora::kit {

class CalculatorWindow;

// What the calculator windows need from the launcher frame: the platform,
// the welcome panel, and the calculator windows themselves. Each window is a
// single instance made the first time it is asked for; closing destroys it
// and everything typed into it, and asking again makes a fresh one. Making a
// window closes any report of an earlier one of its name.
class Launcher {
public:
    virtual ~Launcher() = default;

    virtual ui::Platform& platform() = 0;
    virtual void setWelcomePanelVisible(bool visible) = 0;
    virtual bool isWelcomePanelVisible() const = 0;
    // The visible size of the area the calculator windows open in.
    virtual QSize windowAreaSize() const = 0;
    // Shows the About box modally over `parent`.
    virtual void showAboutBox(QWidget* parent) = 0;

    // The window of type W (named by its kWindowName), made and loaded now
    // if it does not exist.
    template <class W>
    W& instance();
    // A new window of type W: an existing one is closed first, so that the
    // new one starts empty.
    template <class W>
    W& freshInstance();
    // The window named `name` if it exists, or null.
    CalculatorWindow* findWindow(const QString& name) const;
    // Closes the window named `name`; a window that does not exist is ignored.
    void unload(const QString& name);

protected:
    // Puts a new window into the frame (hidden) and returns its frame.
    virtual QMdiSubWindow* adopt(CalculatorWindow& window) = 0;

private:
    friend class CalculatorWindow;
    void forget(const CalculatorWindow& window);
    void load(CalculatorWindow& window);

    QHash<QString, QPointer<CalculatorWindow>> windows_;
};

} // namespace velmora::kit

#include "CalculatorWindow.h"

namespace velmora::kit {

template <class W>
W& Launcher::instance()
{
    if (CalculatorWindow* existing = findWindow(W::kWindowName))
        return static_cast<W&>(*existing);
    auto* created = new W(*this);
    load(*created);
    return *created;
}

template <class W>
W& Launcher::freshInstance()
{
    unload(W::kWindowName);
    return instance<W>();
}

} // namespace velmora::kit
