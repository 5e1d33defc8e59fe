#pragma once

#include "CalculatorWindow.h"
#include "PersonEntry.h"

#include <QLatin1String>

namespace velmora::western {

// The Western calculator's entry window: two names and two birth dates,
// checked, turned into a reading and handed to the result window. It also
// reopens a saved reading.
class frmZodiacCompatibilityMain : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr QLatin1String kWindowName{"frmZodiacCompatibilityMain"};

    explicit frmZodiacCompatibilityMain(kit::Launcher& launcher);

    void Form_Load() override;

    void cmdSunSign_Click();
    void cmdOpen_Click();
    bool ValidateEntries();

private:
    kit::PersonEntry createPerson(QWidget* frame, kit::Person person);

    kit::PersonEntry user_;
    kit::PersonEntry partner_;
};

} // namespace velmora::western
