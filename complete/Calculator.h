#pragma once

#include "kit/Calculator.h"

namespace velmora::complete {

// The complete reading of two people by all four systems, as the suite
// knows it.
extern const kit::Calculator kCalculator;

} // namespace velmora::complete
