#pragma once

#include "Calculators.h"
#include "CalculatorWindow.h"
#include "RecordingPlatform.h"
#include "frmMDI.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::testing {

// The launcher's calculator buttons, left to right.
enum class Calculator { Chinese = 0, Egyptian = 1, Japanese = 2, Western = 3 };

// The launcher on the recording platform with one calculator opened from its
// button, as a user finds it; `Entry` and `Result` are the calculator's entry
// and result windows. Controls are found by name.
template <Calculator Opened, class Entry, class Result>
class CalculatorFixture : public ::testing::Test {
protected:
    CalculatorFixture()
    {
        frame.showMaximized();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
        frame.OpenCalculator(static_cast<int>(Opened));
    }
    ~CalculatorFixture() override
    {
        frame.CloseCalculatorWindows();
        QApplication::processEvents();
    }

    // The window of type W if it is open, or null.
    template <class W>
    W* find() const
    {
        return qobject_cast<W*>(frame.findWindow(W::kWindowName));
    }
    Entry* entry() const { return find<Entry>(); }
    Result* result() const { return find<Result>(); }

    template <class T = QWidget>
    static T* child(QWidget* window, const QString& name)
    {
        return window ? window->findChild<T*>(name) : nullptr;
    }

    // The text a read-only box of one line or several shows.
    static QString boxText(const QWidget* box)
    {
        if (const auto* line = qobject_cast<const QLineEdit*>(box))
            return line->text();
        if (const auto* lines = qobject_cast<const QPlainTextEdit*>(box))
            return lines->toPlainText();
        return QStringLiteral("<not a box>");
    }

    QStringList messages() const { return platform.messageTexts(); }

    static bool onScreen(const kit::CalculatorWindow* window) { return window && window->isOnScreen(); }

    RecordingPlatform platform;
    shell::frmMDI frame{platform, shell::calculatorEntryWindows()};
};

} // namespace velmora::testing
