#pragma once

#include "CalculatorWindow.h"
#include "PersonEntry.h"

#include <QLatin1String>

namespace velmora::chinese {

// The Chinese calculator's entry window: two names and two full birth dates,
// checked, turned into the reading of both people's Chinese years and shown
// in the result window in place of this one.
class frmChineseZodiacCompatibilityMain : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr QLatin1String kWindowName{"frmChineseZodiacCompatibilityMain"};

    explicit frmChineseZodiacCompatibilityMain(kit::Launcher& launcher);

    void Form_Load() override;

    void cmdProceed_Click();
    bool ValidateEntries();

private:
    void createMenus();

    kit::PersonEntry user_;
    kit::PersonEntry partner_;
};

} // namespace velmora::chinese
