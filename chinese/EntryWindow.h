#pragma once

#include "kit/CalculatorWindow.h"
#include "kit/PersonEntry.h"

#include <string_view>

namespace velmora::chinese {

// The Chinese calculator's entry window: two names and two full birth dates,
// checked, turned into the reading of both people's Chinese years and shown
// in the result window in place of this one.
class EntryWindow : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr std::string_view kWindowName = "frmChineseZodiacCompatibilityMain";

    explicit EntryWindow(kit::WindowHost& host);

    void Form_Load() override;

    void cmdProceed_Click();
    bool ValidateEntries();

private:
    void createMenus();

    kit::PersonEntry user_;
    kit::PersonEntry partner_;
};

} // namespace velmora::chinese
