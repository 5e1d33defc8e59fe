#pragma once

#include "kit/Calculator.h"
#include "kit/CalculatorWindow.h"
#include "shell/Calculators.h"
#include "shell/LauncherFrame.h"
#include "tests/support/Controls.h"
#include "tests/support/RecordingPlatform.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::testing {

// The launcher on the recording platform with one calculator opened as a
// user opens it; `Entry` and `Result` are the calculator's entry and result
// windows. Controls are found by name, with testing::control.
template <const kit::Calculator& Opened, class Entry, class Result>
class CalculatorFixture : public ::testing::Test {
protected:
    CalculatorFixture()
    {
        frame.showMaximized();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
        frame.open(Opened);
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
    shell::LauncherFrame frame{platform, shell::calculators()};
};

} // namespace velmora::testing
