#pragma once

#include "ui/ProductInfo.h"

#include <array>
#include <string>
#include <string_view>

// What the command line takes and how the program answers, as --help prints
// it and as the manual page tells it: packaging/WriteManualPage.cpp writes the
// page from these same constants at build time, so the two cannot disagree.
namespace velmora::shell::command_line {

struct Option {
    std::string_view name;
    std::string_view meaning; // as --help lists it: lower case, no full stop
};

inline constexpr std::string_view kProgram = VELMORA_EXECUTABLE;
inline constexpr std::string_view kProductName = VELMORA_PRODUCT_NAME;
// What the program is, after "Starts <product name>, " in --help.
inline constexpr std::string_view kPurpose = "four relationship-compatibility calculators in one window";

inline constexpr std::array kOptions{
    Option{"--help", "show this help and exit"},
    Option{"--version", "show the version and exit"},
};

// The exit code after an option's answer, and of the suite once it closes.
inline constexpr int kSuccess = 0;
// The exit code for an unknown argument or more than one.
inline constexpr int kUsageError = 2;

// "[--help | --version]": the program takes at most one option. Each name is
// written as spell(name) gives it, so the manual page can set it in bold.
template <typename Spell>
std::string optionSynopsis(Spell spell)
{
    std::string synopsis;
    for (const Option& option : kOptions)
        synopsis += (synopsis.empty() ? "[" : " | ") + spell(option.name);
    return synopsis + "]";
}

} // namespace velmora::shell::command_line
