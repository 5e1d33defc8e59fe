#pragma once

#include <optional>
#include <ostream>
#include <span>

namespace velmora::shell {

// Answers the command line before any window or lock is made. Returns the exit
// code when the program is to end at once (after --help, --version or a wrong
// argument), or nothing when the suite is to start.
std::optional<int> handleCommandLine(std::span<char* const> arguments, std::ostream& out, std::ostream& err);

} // namespace velmora::shell
