#pragma once

#include "kit/CalculatorWindow.h"
#include "kit/PersonEntry.h"

#include <string_view>

namespace velmora::egyptian {

// The Egyptian entry window: two names (letters only, in capitals) and two
// birth dates. A calculation checks them, works out the reading and hands it
// to a fresh result window.
class EntryWindow : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr std::string_view kWindowName = "frmEgyptianAstrologyCompatibilityMain";

    explicit EntryWindow(kit::WindowHost& host);

    void Form_Load() override;

    void Command1_Click();
    bool ValidateEntries();

private:
    kit::PersonEntry createPerson(QWidget* parent, const char* frameName, const QString& caption, int left,
                                  const kit::PersonEntryLayout& layout, kit::Person person);
    void createMenus();

    kit::PersonEntry user_;
    kit::PersonEntry partner_;
};

} // namespace velmora::egyptian
