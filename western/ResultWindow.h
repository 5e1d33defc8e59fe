#pragma once

#include "kit/CalculatorWindow.h"
#include "kit/PagesOnDemand.h"
#include "western/WesternReading.h"

#include <string_view>

class QLabel;
class QTabWidget;

namespace velmora::western {

// The Western result window: the pair's compatibility on the first tab and
// each person's sign profile on the other two. It shows the reading it is
// given and hands it to the report.
class ResultWindow : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr std::string_view kWindowName = "frmZodiacCompatibilityDisplay";

    explicit ResultWindow(kit::WindowHost& host);

    // Shows the reading, opening on the compatibility tab.
    void showReading(const WesternReadingRecord& reading);
    const WesternReadingRecord& reading() const { return reading_; }

    void TS_Click();
    void cmdBack_Click();
    void cmdSave_Click();

private:
    void createCompatibilityPanel(QWidget* panel);
    void createPersonPanel(QWidget* panel, char suffix);
    // Fills the person's panel from the reading.
    void showPerson(char suffix);
    void showPair();

    QTabWidget* tabs_ = nullptr;
    WesternReadingRecord reading_;
    kit::PagesOnDemand personPages_;
};

} // namespace velmora::western
