#pragma once

#include "kit/Calculator.h"

namespace velmora::circle {

// The circle of an address book, ranked by all four systems, as the suite
// knows it.
extern const kit::Calculator kCalculator;

} // namespace velmora::circle
