#pragma once

#include "CalculatorFixture.h"
#include "RichTextBox.h"
#include "frmEgyptianAstrologyCompatibilityDisplay.h"
#include "frmEgyptianAstrologyCompatibilityMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::testing {

struct Person {
    QString name;
    QString day;
    QString month;
    QString year;
};

// The launcher with the Egyptian entry window open, as a user finds it after
// clicking "Egyptian Astrology Compatibility".
class EgyptianFixture
    : public CalculatorFixture<Calculator::Egyptian, egyptian::frmEgyptianAstrologyCompatibilityMain,
                               egyptian::frmEgyptianAstrologyCompatibilityDisplay> {
protected:
    template <class T = QWidget>
    T* inEntry(const char* name)
    {
        return child<T>(entry(), QLatin1String(name));
    }
    template <class T = QLabel>
    T* inResult(const char* name)
    {
        return child<T>(result(), QLatin1String(name));
    }
    QTabWidget* tabs() { return inResult<QTabWidget>("tabSelect"); }
    ui::RichTextBox* reading(const char* name) { return inResult<ui::RichTextBox>(name); }

    // Fills one person's controls; `who` is "" for the user and "Partner"
    // for the partner, as the controls are named.
    void enter(const QString& who, const Person& person)
    {
        entry()->findChild<QLineEdit*>(QStringLiteral("txt%1Name").arg(who))->setText(person.name);
        entry()->findChild<QComboBox*>(QStringLiteral("cmb%1Date").arg(who))->setCurrentText(person.day);
        entry()->findChild<QComboBox*>(QStringLiteral("cmb%1Month").arg(who))->setCurrentText(person.month);
        entry()->findChild<QComboBox*>(QStringLiteral("cmb%1Year").arg(who))->setCurrentText(person.year);
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
