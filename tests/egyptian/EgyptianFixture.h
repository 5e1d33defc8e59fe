#pragma once

#include "egyptian/Calculator.h"
#include "egyptian/EntryWindow.h"
#include "egyptian/ResultWindow.h"
#include "tests/support/CalculatorFixture.h"
#include "tests/support/Person.h"
#include "ui/RichTextBox.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::testing {

// The launcher with the Egyptian entry window open, as a user finds it after
// clicking "Egyptian Astrology Compatibility".
class EgyptianFixture
    : public CalculatorFixture<egyptian::kCalculator, egyptian::EntryWindow, egyptian::ResultWindow> {
protected:
    template <class T = QWidget>
    T* inEntry(const char* name)
    {
        return control<T>(entry(), QLatin1String(name));
    }
    template <class T = QLabel>
    T* inResult(const char* name)
    {
        return control<T>(result(), QLatin1String(name));
    }
    QTabWidget* tabs() { return inResult<QTabWidget>("tabSelect"); }
    ui::RichTextBox* reading(const char* name) { return inResult<ui::RichTextBox>(name); }

    // Fills one person's controls; `who` is "" for the user and "Partner"
    // for the partner, as the controls are named.
    void enter(const QString& who, const Person& person)
    {
        testing::enter(entry(),
                       {QStringLiteral("txt%1Name").arg(who), QStringLiteral("cmb%1Date").arg(who),
                        QStringLiteral("cmb%1Month").arg(who), QStringLiteral("cmb%1Year").arg(who)},
                       person);
    }

    // Enters both people and presses "Get My Egyptian Astrology Compatibility".
    void calculate(const Person& user, const Person& partner)
    {
        enter(QString(), user);
        enter(QStringLiteral("Partner"), partner);
        QTest::mouseClick(inEntry<QWidget>("Command1"), Qt::LeftButton);
    }
};

} // namespace velmora::testing
