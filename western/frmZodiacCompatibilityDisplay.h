#pragma once

#include "CalculatorWindow.h"
#include "PagesOnDemand.h"
#include "WesternReading.h"

#include <QLatin1String>

class QLabel;
class QStackedWidget;
class QTabBar;

namespace velmora::western {

// The Western result window: the pair's compatibility on the first tab and
// each person's sign profile on the other two. It shows the reading it is
// given and keeps it for the report.
class frmZodiacCompatibilityDisplay : public kit::CalculatorWindow {
    Q_OBJECT
public:
    static constexpr QLatin1String kWindowName{"frmZodiacCompatibilityDisplay"};

    explicit frmZodiacCompatibilityDisplay(kit::Launcher& launcher);

    // Shows the reading, opening on the compatibility tab.
    void ShowReading(const WesternReadingRecord& reading);
    const WesternReadingRecord& reading() const { return reading_; }

    void TS_Click();
    void cmdBack_Click();
    void cmdSave_Click();


private:
    QWidget* createCompatibilityPanel();
    void createPersonPanel(QWidget* panel, char suffix);
    // Fills the person's panel from the reading.
    void showPerson(char suffix);
    void showPair();

    QTabBar* tabs_ = nullptr;
    QStackedWidget* panels_ = nullptr;
    WesternReadingRecord reading_;
    kit::PagesOnDemand personPages_;
};

} // namespace velmora::western
