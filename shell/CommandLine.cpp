#include "shell/CommandLine.h"

#include "ui/ProductInfo.h"

#include <string_view>

namespace velmora::shell {
namespace {

constexpr std::string_view kUsage{"Usage: " VELMORA_EXECUTABLE " [--help | --version]\n"
                                  "Starts " VELMORA_PRODUCT_NAME ", four relationship-compatibility calculators "
                                  "in one window.\n"
                                  "\n"
                                  "  --help     show this help and exit\n"
                                  "  --version  show the version and exit\n"};

constexpr int kUsageError = 2;

} // namespace

std::optional<int> handleCommandLine(std::span<char* const> arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.size() <= 1)
        return std::nullopt;
    if (arguments.size() > 2) {
        err << VELMORA_EXECUTABLE ": too many arguments\n" << kUsage;
        return kUsageError;
    }
    const std::string_view argument = arguments[1];
    if (argument == "--version") {
        out << VELMORA_PRODUCT_NAME " " VELMORA_VERSION "\n";
        return 0;
    }
    if (argument == "--help") {
        out << kUsage;
        return 0;
    }
    err << VELMORA_EXECUTABLE ": unknown argument '" << argument << "'\n" << kUsage;
    return kUsageError;
}

} // namespace velmora::shell
