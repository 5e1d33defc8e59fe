#pragma once

#include "kit/CalculatorWindow.h"
#include "kit/PersonEntry.h"

#include <string_view>

namespace velmora::western {

// The Western calculator's entry window: two names and two birth dates,
// checked, turned into a reading and handed to the result window. It also
// reopens a saved reading.
class EntryWindow : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr std::string_view kWindowName = "frmZodiacCompatibilityMain";

    explicit EntryWindow(kit::WindowHost& host);

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
