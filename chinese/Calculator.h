#pragma once

#include "kit/Calculator.h"

namespace velmora::chinese {

// The Chinese zodiac calculator, as the suite knows it.
extern const kit::Calculator kCalculator;

} // namespace velmora::chinese
