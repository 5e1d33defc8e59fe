#pragma once

#include "CalculatorWindow.h"
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

    // The text the window shows in its profile box `box` (e.g. "txtElementM").
    QString boxText(const QString& box) const;

private:
    QWidget* createCompatibilityPanel();
    QWidget* createPersonPanel(char suffix, const QString& title);
    void showPerson(char suffix, const std::u16string& name, std::chrono::year_month_day birthDate,
                    std::string_view sign, const modZodiacCompatibility::SignProfile& profile);
    void showPair();
    void setPictures(std::string_view sign, QLabel* large, QLabel* small);

    QTabBar* tabs_ = nullptr;
    QStackedWidget* panels_ = nullptr;
    WesternReadingRecord reading_;
};

} // namespace velmora::western
