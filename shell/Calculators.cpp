#include "Calculators.h"

#include "frmZodiacCompatibilityMain.h"

namespace velmora::shell {

CalculatorOpeners calculatorEntryWindows()
{
    CalculatorOpeners openers;
    openers[3] = [](Launcher& launcher) { launcher.instance<western::frmZodiacCompatibilityMain>().showWindow(); };
    return openers;
}

} // namespace velmora::shell
