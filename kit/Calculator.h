#pragma once

#include "kit/WebPages.h"

#include <optional>
#include <span>
#include <string_view>

namespace velmora::kit {

class WindowHost;

// A colour by its red, green and blue parts, 0 to 255 each.
struct Rgb {
    int red;
    int green;
    int blue;
};

// A calculator offered by a button in the launcher's row, with its icon in a
// picture box to the left of it, and by a link of the welcome panel; both are
// captioned with the calculator's title. Places are in twips: the button and
// the icon box within the row's frame, the link within the welcome panel.
struct LauncherButton {
    int left;
    int top;
    std::string_view iconBox;
    int iconLeft;
    Rgb linkColour;
    int linkLeft;
    int linkTop;
    int linkWidth;
};

// A calculator offered by an item of the launcher's File menu.
struct FileMenuItem {
    std::string_view text;
    std::string_view name;
};

// A sample reading, for the tools and tests that look at every window with a
// reading in it: the steps a user takes in the first window, each typing or
// picking a value in a named input or, without a value, pressing a named
// button, the last of them showing the reading; then the views of the
// reading to look at, each a tab of the result window's tab control by
// position. Where the first window shows the reading itself it names no
// result window.
struct SampleStep {
    std::string_view control;
    std::string_view value;
};
struct SampleView {
    std::string_view name;
    int tab;
};
struct SampleReading {
    std::span<const SampleStep> steps;
    std::string_view resultWindow;
    std::string_view tabs;
    std::span<const SampleView> views;
    // The button that opens the report from the first view, and the report.
    std::string_view reportButton;
    std::string_view reportWindow;
};

// What the suite knows of one calculator, declared once in the calculator's
// own folder: the launcher offers and opens it, closes its windows in their
// order, wires their links to their pages; the tests, the benchmarks and the
// tools walk it.
struct Calculator {
    // The calculator's short name: "western", "japanese"; it names the
    // calculator's snapshots and benchmarks.
    std::string_view key;
    // Its name as the launcher shows it.
    std::string_view title;
    // The compiled-in SVG of its 32 x 32 icon.
    std::string_view icon;
    // How the launcher offers it: a button or a File menu item.
    std::optional<LauncherButton> button;
    std::optional<FileMenuItem> menuItem;
    // Its windows' names, in the order the launcher closes them.
    std::span<const std::string_view> windows;
    std::span<const LinkControl> links;
    // Shows its first window.
    void (*open)(WindowHost& host);
    SampleReading sample;
};

// Every link control names a window of the calculator.
constexpr bool linksNameItsWindows(std::span<const LinkControl> links, std::span<const std::string_view> windows)
{
    for (const LinkControl& link : links) {
        bool found = false;
        for (const std::string_view window : windows)
            found = found || window == link.window;
        if (!found)
            return false;
    }
    return true;
}

} // namespace velmora::kit
