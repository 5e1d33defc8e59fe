#pragma once

#include "Calculators.h"
#include "RecordingPlatform.h"
#include "RichTextBox.h"
#include "frmEgyptianAstrologyCompatibilityDisplay.h"
#include "frmEgyptianAstrologyCompatibilityMain.h"
#include "frmMDI.h"

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
class EgyptianFixture : public ::testing::Test {
protected:
    EgyptianFixture()
    {
        frame.showMaximized();
        frame.OpenCalculator(1);
    }
    ~EgyptianFixture() override { frame.CloseCalculatorWindows(); }

    egyptian::frmEgyptianAstrologyCompatibilityMain* entry()
    {
        return find<egyptian::frmEgyptianAstrologyCompatibilityMain>();
    }
    egyptian::frmEgyptianAstrologyCompatibilityDisplay* result()
    {
        return find<egyptian::frmEgyptianAstrologyCompatibilityDisplay>();
    }

    template <class W>
    W* find()
    {
        return static_cast<W*>(frame.findWindow(W::kWindowName));
    }

    template <class T = QWidget>
    T* inEntry(const char* name)
    {
        return entry()->findChild<T*>(QLatin1String(name));
    }
    template <class T = QLabel>
    T* inResult(const char* name)
    {
        return result()->findChild<T*>(QLatin1String(name));
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

    QStringList messages() const { return platform.messageTexts(); }

    static bool onScreen(kit::CalculatorWindow* window) { return window && window->isOnScreen(); }

    RecordingPlatform platform;
    shell::frmMDI frame{platform, shell::calculatorEntryWindows()};
};

} // namespace velmora::testing
