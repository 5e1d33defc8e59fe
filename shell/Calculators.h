#pragma once

#include "frmMDI.h"

namespace velmora::shell {

// The entry windows of the calculators that the launcher opens.
CalculatorOpeners calculatorEntryWindows();

} // namespace velmora::shell
