#pragma once

#include "tests/support/CalculatorFixture.h"
#include "tests/support/Person.h"
#include "western/Calculator.h"
#include "western/EntryWindow.h"
#include "western/ReportWindow.h"
#include "western/ResultWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::testing {

// The launcher with the Western entry window open, as a user finds it after
// clicking "Zodiac Compatibility".
class WesternFixture : public CalculatorFixture<western::kCalculator, western::EntryWindow, western::ResultWindow> {
protected:
    western::ReportWindow* report() { return find<western::ReportWindow>(); }

    // Turns to each person's tab, whose panel is made and filled when first
    // shown, and back to the compatibility tab.
    void showBothPeople()
    {
        auto* tabs = control<QTabWidget>(result(), QStringLiteral("TS"));
        for (const int tab : {1, 2, 0})
            tabs->setCurrentIndex(tab);
    }

    // The person's inputs: the user's names end in M, the partner's in F.
    static PersonInputs inputs(char suffix)
    {
        const QString mark{QLatin1Char(suffix)};
        return {QStringLiteral("txtName") + mark, QStringLiteral("cboDate") + mark, QStringLiteral("cboMonth") + mark,
                QStringLiteral("cboYear") + mark};
    }

    void enter(char suffix, const Person& person) { testing::enter(entry(), inputs(suffix), person); }

    // Enters both people and presses the compute button.
    void calculate(const Person& user, const Person& partner)
    {
        enter('M', user);
        enter('F', partner);
        entry()->cmdSunSign_Click();
    }
};

} // namespace velmora::testing
