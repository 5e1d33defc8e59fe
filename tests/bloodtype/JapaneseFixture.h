#pragma once

#include "bloodtype/Calculator.h"
#include "bloodtype/EntryWindow.h"
#include "bloodtype/ResultWindow.h"
#include "tests/support/CalculatorFixture.h"
#include "tests/support/Person.h"
#include "ui/Twips.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::testing {

// The launcher with the Japanese entry window open, as a user finds it after
// clicking "Japanese Astrology Compatibility".
class JapaneseFixture : public CalculatorFixture<bloodtype::kCalculator, bloodtype::EntryWindow,
                                                  bloodtype::ResultWindow> {
protected:
    using Entry = bloodtype::EntryWindow;
    using Result = bloodtype::ResultWindow;

    QLineEdit* box(const QByteArray& name) const { return control<QLineEdit>(entry(), QLatin1String(name)); }
    QComboBox* list(const QByteArray& name) const { return control<QComboBox>(entry(), QLatin1String(name)); }
    QString shown(const char* label) const
    {
        const QLabel* value = control<QLabel>(result(), QLatin1String(label));
        return value ? value->text() : QStringLiteral("<missing>");
    }

    void enter(const Person& user, const Person& partner)
    {
        box("txtName")->setText(user.name);
        list("cboSex")->setCurrentText(user.sex);
        list("cboBloodType")->setCurrentText(user.bloodType);
        box("txtPartnerName")->setText(partner.name);
        list("cboPartnerSex")->setCurrentText(partner.sex);
        list("cboPartnerBloodType")->setCurrentText(partner.bloodType);
    }

    // Enters both people and presses Find.
    void find(const Person& user, const Person& partner)
    {
        enter(user, partner);
        QTest::mouseClick(control<QPushButton>(entry(), QStringLiteral("cmdProceed")), Qt::LeftButton);
    }

    // The window's frame sits at the top of the window area, centred in it.
    void expectPlacedAtTheTopCentre(const kit::CalculatorWindow* window) const
    {
        const auto* sub = qobject_cast<const QMdiSubWindow*>(window->parentWidget());
        ASSERT_NE(sub, nullptr);
        EXPECT_EQ(sub->y(), 0);
        EXPECT_NEAR(sub->x(), std::max(0, (sub->mdiArea()->viewport()->width() - sub->width()) / 2), 1);
    }
};

} // namespace velmora::testing
