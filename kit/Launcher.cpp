#include "Launcher.h"

#include <QMdiSubWindow>
#include <QStringList>

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
    // A new window comes with a new reading: what showed the old one goes.
    QStringList outdated;
    for (const QPointer<CalculatorWindow>& open : std::as_const(windows_)) {
        if (open && open->showsReadingOf(window.objectName()))
            outdated.append(open->objectName());
    }
    for (const QString& name : std::as_const(outdated))
        unload(name);

    windows_.insert(window.objectName(), &window);
    adopt(window);
    window.Form_Load();
}

} // namespace velmora::kit
