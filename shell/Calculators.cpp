#include "Calculators.h"

namespace velmora::shell {

CalculatorOpeners calculatorEntryWindows()
{
    return {};
}

} // namespace velmora::shell
