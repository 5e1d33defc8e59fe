#pragma once

#include "Launcher.h"

#include <QLatin1String>
#include <QStringList>

#include <algorithm>
#include <cstddef>

namespace velmora::testing {

template <std::size_t N>
struct WindowName {
    constexpr WindowName(const char (&text)[N]) { std::copy_n(text, N, value); }
    char value[N];
};

enum class Role { Entry, Result, Report };

// Every fake window's closing, in order.
inline QStringList& unloadLog()
{
    static QStringList log;
    return log;
}

// Stands in for a calculator window: it logs its closing, and a report
// window brings `Display` back if it is still open.
template <WindowName Name, Role R, class Display = void>
class FakeWindow : public kit::CalculatorWindow {
public:
    static constexpr QLatin1String kWindowName{Name.value, static_cast<qsizetype>(sizeof(Name.value) - 1)};

    explicit FakeWindow(kit::Launcher& launcher)
        : CalculatorWindow(launcher, kWindowName, QStringLiteral("Fake"), 4000, 2000)
    {
        if constexpr (R == Role::Report)
            keepWelcomePanelOnClose();
    }

protected:
    void Form_Unload() override
    {
        unloadLog().append(objectName());
        if constexpr (R == Role::Report) {
            if (kit::CalculatorWindow* display = launcher().findWindow(Display::kWindowName))
                display->showWindow();
        }
    }
};

} // namespace velmora::testing
