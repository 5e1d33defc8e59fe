#include "kit/WindowHost.h"

#include "kit/Calculator.h"
#include "ui/Text.h"

#include <QMdiSubWindow>
#include <QStringList>

namespace velmora::kit {

std::vector<LinkControl> WindowHost::linkControlsOf(std::string_view window) const
{
    std::vector<LinkControl> links;
    for (const Calculator* calculator : calculators_) {
        for (const LinkControl& link : calculator->links) {
            if (link.window == window)
                links.push_back(link);
        }
    }
    return links;
}

CalculatorWindow* WindowHost::findWindow(std::string_view name) const
{
    return windows_.value(ui::toQString(name));
}

void WindowHost::unload(std::string_view name)
{
    unloadNamed(ui::toQString(name));
}

void WindowHost::unloadNamed(const QString& name)
{
    // Forget the window first: it is destroyed only later, and asking for it
    // again in the meantime must make a fresh one.
    const QPointer<CalculatorWindow> window = windows_.take(name);
    if (window)
        window->closeWindow();
}

void WindowHost::forget(const CalculatorWindow& window)
{
    const auto it = windows_.constFind(window.objectName());
    if (it != windows_.cend() && it.value() == &window)
        windows_.erase(it);
}

void WindowHost::load(CalculatorWindow& window)
{
    // A new window comes with a new reading: what showed the old one goes.
    QStringList outdated;
    for (const QPointer<CalculatorWindow>& open : std::as_const(windows_)) {
        if (open && open->showsReadingOf(window.objectName().toStdString()))
            outdated.append(open->objectName());
    }
    for (const QString& name : std::as_const(outdated))
        unloadNamed(name);

    windows_.insert(window.objectName(), &window);
    adopt(window);
    window.Form_Load();
}

} // namespace velmora::kit
