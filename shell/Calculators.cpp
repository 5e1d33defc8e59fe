#include "Calculators.h"

#include "frmChineseZodiacCompatibilityMain.h"
#include "frmEgyptianAstrologyCompatibilityMain.h"
#include "frmJapaneseAstrologyCompatibilityMain.h"
#include "frmZodiacCompatibilityMain.h"

namespace velmora::shell {

CalculatorOpeners calculatorEntryWindows()
{
    CalculatorOpeners openers;
    openers[0] = [](kit::Launcher& launcher) {
        launcher.instance<chinese::frmChineseZodiacCompatibilityMain>().showWindow();
    };
    openers[1] = [](kit::Launcher& launcher) {
        launcher.instance<egyptian::frmEgyptianAstrologyCompatibilityMain>().showWindow();
    };
    openers[2] = [](kit::Launcher& launcher) {
        launcher.instance<bloodtype::frmJapaneseAstrologyCompatibilityMain>().showWindow();
    };
    openers[3] = [](kit::Launcher& launcher) { launcher.instance<western::frmZodiacCompatibilityMain>().showWindow(); };
    return openers;
}

} // namespace velmora::shell
