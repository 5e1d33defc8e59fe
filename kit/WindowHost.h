#pragma once

#include <QHash>
#include <QPointer>
#include <QSize>
#include <QString>

#include <span>
#include <string_view>
#include <utility>
#include <vector>

class QMdiSubWindow;
class QWidget;

namespace velmora::ui {
class Platform;
}

namespace velmora::kit {

class CalculatorWindow;
struct Calculator;
struct LinkControl;

// What hosts the calculator windows: the launcher frame. The windows ask it
// for the platform, the welcome panel, the calculators' declarations and the
// calculator windows themselves. Each window is a single instance made the
// first time it is asked for; closing destroys it and everything typed into
// it, and asking again makes a fresh one. Making a window closes any report
// of an earlier one of its name.
class WindowHost {
public:
    explicit WindowHost(std::span<const Calculator* const> calculators) : calculators_(calculators) {}
    virtual ~WindowHost() = default;

    virtual ui::Platform& platform() = 0;
    virtual void setWelcomePanelVisible(bool visible) = 0;
    virtual bool isWelcomePanelVisible() const = 0;
    // The visible size of the area the calculator windows open in.
    virtual QSize windowAreaSize() const = 0;
    // Shows the About box modally over `parent`.
    virtual void showAboutBox(QWidget* parent) = 0;

    // The calculators of the suite, in the order the launcher offers them.
    std::span<const Calculator* const> calculators() const { return calculators_; }
    // The link controls the calculators list for the window named `window`.
    std::vector<LinkControl> linkControlsOf(std::string_view window) const;

    // The window of type W (named by its kWindowName), made from `arguments`
    // and loaded now if it does not exist.
    template <class W, class... Arguments>
    W& instance(Arguments&&... arguments);
    // A new window of type W: an existing one is closed first, so that the
    // new one starts empty.
    template <class W, class... Arguments>
    W& freshInstance(Arguments&&... arguments);
    // The window named `name` if it exists, or null.
    CalculatorWindow* findWindow(std::string_view name) const;
    // Closes the window named `name`; a window that does not exist is ignored.
    void unload(std::string_view name);

protected:
    // Puts a new window into the frame (hidden) and returns its frame.
    virtual QMdiSubWindow* adopt(CalculatorWindow& window) = 0;

private:
    friend class CalculatorWindow;
    void forget(const CalculatorWindow& window);
    void unloadNamed(const QString& name);
    void load(CalculatorWindow& window);

    std::span<const Calculator* const> calculators_;
    QHash<QString, QPointer<CalculatorWindow>> windows_;
};

} // namespace velmora::kit

#include "kit/CalculatorWindow.h"

namespace velmora::kit {

template <class W, class... Arguments>
W& WindowHost::instance(Arguments&&... arguments)
{
    if (CalculatorWindow* existing = findWindow(W::kWindowName))
        return static_cast<W&>(*existing);
    auto* created = new W(*this, std::forward<Arguments>(arguments)...);
    load(*created);
    return *created;
}

template <class W, class... Arguments>
W& WindowHost::freshInstance(Arguments&&... arguments)
{
    unload(W::kWindowName);
    return instance<W>(std::forward<Arguments>(arguments)...);
}

// How most calculators open: their first window, made once, shown.
template <class W>
void openWindow(WindowHost& host)
{
    host.instance<W>().showWindow();
}

} // namespace velmora::kit
