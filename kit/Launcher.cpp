#include "Launcher.h"

#include <QMdiSubWindow>

namespace velmora::kit {

CalculatorWindow* Launcher::findWindow(const QString& name) const
{
    return windows_.value(name);
}

void Launcher::unload(const QString& name)
{
    // Forget the window first: it is destroyed only later, and asking for it
    // again in the meantime must make a fresh one.
    const QPointer<CalculatorWindow> window = windows_.take(name);
    if (window)
        window->closeWindow();
}

void Launcher::forget(const CalculatorWindow& window)
{
    const auto it = windows_.constFind(window.objectName());
    if (it != windows_.cend() && it.value() == &window)
        windows_.erase(it);
}

void Launcher::load(CalculatorWindow& window)
{
    windows_.insert(window.objectName(), &window);
    adopt(window);
    window.Form_Load();
}

} // namespace velmora::kit
