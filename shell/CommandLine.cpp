#include "shell/CommandLine.h"

#include "shell/CommandLineHelp.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace velmora::shell {
namespace {

using namespace command_line;

// The usage line, what the program is, and the options in a table.
std::string usage()
{
    std::size_t width = 0;
    for (const Option& option : kOptions)
        width = std::max(width, option.name.size());
    std::string text = "Usage: " + std::string(kProgram) + " " +
                       optionSynopsis([](std::string_view name) { return std::string(name); }) + "\nStarts " +
                       std::string(kProductName) + ", " + std::string(kPurpose) + ".\n\n";
    for (const Option& option : kOptions)
        text += "  " + std::string(option.name) + std::string(width + 2 - option.name.size(), ' ') +
                std::string(option.meaning) + "\n";
    return text;
}

} // namespace

std::optional<int> handleCommandLine(std::span<char* const> arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.size() <= 1)
        return std::nullopt;
    if (arguments.size() > 2) {
        err << kProgram << ": too many arguments\n" << usage();
        return kUsageError;
    }
    const std::string_view argument = arguments[1];
    if (argument == "--version") {
        out << kProductName << " " VELMORA_VERSION "\n";
        return kSuccess;
    }
    if (argument == "--help") {
        out << usage();
        return kSuccess;
    }
    err << kProgram << ": unknown argument '" << argument << "'\n" << usage();
    return kUsageError;
}

} // namespace velmora::shell
