#pragma once

#include "chinese/Calculator.h"
#include "chinese/EntryWindow.h"
#include "chinese/ReportWindow.h"
#include "chinese/ResultWindow.h"
#include "tests/support/CalculatorFixture.h"
#include "tests/support/Person.h"

#include <QComboBox>
#include <QTabWidget>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::testing {

// The launcher with the Chinese calculator opened from it, on the recording
// platform. Controls are found by name.
class ChineseWindows : public CalculatorFixture<chinese::kCalculator, chinese::EntryWindow, chinese::ResultWindow> {
protected:
    using Main = chinese::EntryWindow;
    using Display = chinese::ResultWindow;
    using Save = chinese::ReportWindow;

    // Turns to each person's page, which is made and filled when first
    // shown, and back to the compatibility page.
    void showBothPeople(QWidget* result)
    {
        auto* tabs = control<QTabWidget>(result, "SSTab");
        for (const int page : {1, 2, 0})
            tabs->setCurrentIndex(page);
    }

    // Types a name and picks a birth date for the user or the partner.
    void enter(bool user, const Person& person)
    {
        testing::enter(entry(),
                       user ? PersonInputs{"txtMaleName", "CboMaleDate", "cboMaleMonth", "cboMaleYear"}
                            : PersonInputs{"txtFemaleName", "cboFemaleDate", "cboFemaleMonth", "cboFemaleYear"},
                       person);
    }

    // Enters both people and proceeds; the result window, or null when none
    // opened.
    Display* proceed(const Person& user, const Person& partner)
    {
        enter(true, user);
        enter(false, partner);
        entry()->cmdProceed_Click();
        return result();
    }
};

} // namespace velmora::testing
