#pragma once

#include "kit/WindowHost.h"

#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <string_view>

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
    static constexpr std::string_view kWindowName{Name.value, sizeof(Name.value) - 1};

    explicit FakeWindow(kit::WindowHost& host)
        : CalculatorWindow(host, kWindowName, QStringLiteral("Fake"), 4000, 2000)
    {
        if constexpr (R == Role::Report)
            keepWelcomePanelOnClose();
    }

protected:
    void Form_Unload() override
    {
        unloadLog().append(objectName());
        if constexpr (R == Role::Report) {
            if (kit::CalculatorWindow* display = host().findWindow(Display::kWindowName))
                display->showWindow();
        }
    }
};

} // namespace velmora::testing
