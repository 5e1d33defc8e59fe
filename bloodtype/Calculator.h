#pragma once

#include "kit/Calculator.h"

namespace velmora::bloodtype {

// The Japanese blood-type calculator, as the suite knows it. Its windows
// carry its icon.
extern const kit::Calculator kCalculator;

} // namespace velmora::bloodtype
