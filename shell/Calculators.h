#pragma once

#include "kit/Calculator.h"

#include <span>

namespace velmora::shell {

// Every calculator of the suite, in the order the launcher offers them.
std::span<const kit::Calculator* const> calculators();

} // namespace velmora::shell
