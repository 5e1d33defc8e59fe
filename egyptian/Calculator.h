#pragma once

#include "kit/Calculator.h"

namespace velmora::egyptian {

// The Egyptian astrology calculator, as the suite knows it.
extern const kit::Calculator kCalculator;

} // namespace velmora::egyptian
