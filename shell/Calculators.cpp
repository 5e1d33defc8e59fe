#include "shell/Calculators.h"

#include "shell/CalculatorList.h"

namespace velmora::shell {

std::span<const kit::Calculator* const> calculators()
{
    return kCalculatorList;
}

} // namespace velmora::shell
