#pragma once

#include "CalculatorFixture.h"
#include "frmZodiacCompatibilityDisplay.h"
#include "frmZodiacCompatibilityMain.h"
#include "frmZodiacCompatibilitySave.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QMdiSubWindow>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::testing {

struct Person {
    QString name;
    QString month;
    QString day;
    QString year;
};

// The launcher with the Western entry window open, as a user finds it after
// clicking "Zodiac Compatibility".
class WesternFixture : public CalculatorFixture<Calculator::Western, western::frmZodiacCompatibilityMain,
                                                western::frmZodiacCompatibilityDisplay> {
protected:
    western::frmZodiacCompatibilitySave* report() { return find<western::frmZodiacCompatibilitySave>(); }

    // Turns to each person's tab, whose panel is made and filled when first
    // shown, and back to the compatibility tab.
    void showBothPeople()
    {
        auto* tabs = result()->findChild<QTabBar*>(QStringLiteral("TS"));
        for (const int tab : {1, 2, 0})
            tabs->setCurrentIndex(tab);
    }

    void enter(char suffix, const Person& person)
    {
        child<QLineEdit>(entry(), QStringLiteral("txtName") + QLatin1Char(suffix))->setText(person.name);
        child<QComboBox>(entry(), QStringLiteral("cboMonth") + QLatin1Char(suffix))->setCurrentText(person.month);
        child<QComboBox>(entry(), QStringLiteral("cboDate") + QLatin1Char(suffix))->setCurrentText(person.day);
        child<QComboBox>(entry(), QStringLiteral("cboYear") + QLatin1Char(suffix))->setCurrentText(person.year);
    }

    // Enters both people and presses the compute button.
    void calculate(const Person& user, const Person& partner)
    {
        enter('M', user);
        enter('F', partner);
        entry()->cmdSunSign_Click();
    }
};

} // namespace velmora::testing
