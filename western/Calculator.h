#pragma once

#include "kit/Calculator.h"

namespace velmora::western {

// The Western sun-sign calculator, as the suite knows it.
extern const kit::Calculator kCalculator;

} // namespace velmora::western
