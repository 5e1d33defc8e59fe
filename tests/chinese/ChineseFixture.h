#pragma once

#include "CalculatorFixture.h"
#include "frmChineseZodiacCompatibilityDisplay.h"
#include "frmChineseZodiacCompatibilityMain.h"
#include "frmChineseZodiacCompatibilitySave.h"

#include <QComboBox>
#include <QTabWidget>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::testing {

// The launcher with the Chinese calculator opened from it, on the recording
// platform. Controls are found by name.
class ChineseWindows : public CalculatorFixture<Calculator::Chinese, chinese::frmChineseZodiacCompatibilityMain,
                                                 chinese::frmChineseZodiacCompatibilityDisplay> {
protected:
    using Main = chinese::frmChineseZodiacCompatibilityMain;
    using Display = chinese::frmChineseZodiacCompatibilityDisplay;
    using Save = chinese::frmChineseZodiacCompatibilitySave;

    template <class T = QWidget>
    T* control(QWidget* in, const char* name)
    {
        T* found = in ? in->findChild<T*>(QLatin1String(name)) : nullptr;
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Turns to each person's page, which is made and filled when first
    // shown, and back to the compatibility page.
    void showBothPeople(QWidget* result)
    {
        auto* tabs = control<QTabWidget>(result, "SSTab");
        for (const int page : {1, 2, 0})
            tabs->setCurrentIndex(page);
    }

    static void select(QComboBox* list, const QString& text)
    {
        const int index = list->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        list->setCurrentIndex(index);
    }

    // Types a name and picks a birth date ("5", "March", "1980") for the user
    // or the partner.
    void enter(bool user, const QString& name, const QString& day, const QString& month, const QString& year)
    {
        Main* main = entry();
        control<QLineEdit>(main, user ? "txtMaleName" : "txtFemaleName")->setText(name);
        select(control<QComboBox>(main, user ? "CboMaleDate" : "cboFemaleDate"), day);
        select(control<QComboBox>(main, user ? "cboMaleMonth" : "cboFemaleMonth"), month);
        select(control<QComboBox>(main, user ? "cboMaleYear" : "cboFemaleYear"), year);
    }

    // Enters both people ("5 March 1980") and proceeds; the result window, or
    // null when none opened.
    Display* proceed(const QString& userName, const QString& userDate, const QString& partnerName,
                     const QString& partnerDate)
    {
        const QStringList u = userDate.split(QLatin1Char(' '));
        const QStringList p = partnerDate.split(QLatin1Char(' '));
        enter(true, userName, u[0], u[1], u[2]);
        enter(false, partnerName, p[0], p[1], p[2]);
        entry()->cmdProceed_Click();
        return result();
    }
};

} // namespace velmora::testing
