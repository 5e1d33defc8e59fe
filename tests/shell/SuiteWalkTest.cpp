// A long random walk through the whole suite, as a restless user would take
// it: opening calculators, typing, picking, pressing every button and File
// item, closing windows. After every step the launcher's promises must hold.
// VELMORA_WALK_STEPS and VELMORA_WALK_SEED set the walk's length and seed.
#include "kit/CalculatorWindow.h"
#include "kit/ReportWindow.h"
#include "shell/Calculators.h"
#include "shell/LauncherFrame.h"
#include "tests/support/Controls.h"
#include "tests/support/RecordingPlatform.h"
#include "ui/Text.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>

using namespace velmora;

namespace {

constexpr unsigned long kDefaultSteps = 2500;
constexpr unsigned long kDefaultSeed = 20261209;

// A whole number from the environment, or the default when unset or not one.
unsigned long fromEnvironment(const char* name, unsigned long fallback)
{
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0')
        return fallback;
    char* end = nullptr;
    const unsigned long number = std::strtoul(value, &end, 10);
    return *end == '\0' ? number : fallback;
}

const unsigned long kSteps = fromEnvironment("VELMORA_WALK_STEPS", kDefaultSteps);
const unsigned long kSeed = fromEnvironment("VELMORA_WALK_SEED", kDefaultSeed);

enum class Role { Entry, Result, Report };

Role roleOf(const kit::CalculatorWindow& window)
{
    if (qobject_cast<const kit::ReportWindow*>(&window))
        return Role::Report;
    // The windows a calculator opens with hold their entries (the complete
    // reading and the circle hold their readings too); the others show a
    // reading.
    return window.objectName().endsWith(QLatin1String("Display")) ? Role::Result : Role::Entry;
}

// What a hidden entry window must still hold when it comes back.
using Fields = QStringList;

Fields fieldsOf(const QWidget& window)
{
    Fields fields;
    for (const QLineEdit* box : window.findChildren<QLineEdit*>())
        fields.append(box->objectName() + QLatin1Char('=') + box->text());
    for (const QComboBox* list : window.findChildren<QComboBox*>())
        fields.append(list->objectName() + QLatin1Char('=') + list->currentText());
    return fields;
}

class SuiteWalk : public ::testing::Test {
protected:
    SuiteWalk()
    {
        frame.showMaximized();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }

    template <class T>
    T& pick(const QList<T>& items)
    {
        return const_cast<T&>(items.at(std::uniform_int_distribution<qsizetype>(0, items.size() - 1)(random)));
    }

    bool chance(int percent) { return std::uniform_int_distribution<int>(1, 100)(random) <= percent; }

    QList<kit::CalculatorWindow*> windows() const { return frame.findChildren<kit::CalculatorWindow*>(); }

    QList<kit::CalculatorWindow*> windowsOnScreen() const
    {
        QList<kit::CalculatorWindow*> shown;
        for (kit::CalculatorWindow* window : windows())
            if (window->isOnScreen())
                shown.append(window);
        return shown;
    }

    // Answers for whatever dialog the next action opens: sometimes cancel.
    void scriptDialogs()
    {
        platform.fileDialogAnswers.clear();
        platform.printDialogAnswers.clear();
        if (chance(70)) {
            const QStringList names = {QStringLiteral("reading.zcm"), QStringLiteral("reading.rtf"),
                                       QStringLiteral("READING.ZCM"), QStringLiteral("missing.zcm")};
            platform.fileDialogAnswers.push_back(files.filePath(pick(names)));
        }
        platform.printDialogAnswers.push_back(chance(50));
        platform.writeResult = chance(10) ? ui::WriteResult::DiskFull : ui::WriteResult::Written;
    }

    // A calculator button, a welcome-panel label or a File item that opens a
    // calculator.
    void actOnFrame()
    {
        const auto buttons = static_cast<int>(std::ranges::count_if(
            frame.calculators(), [](const kit::Calculator* calculator) { return calculator->button.has_value(); }));
        QList<QAction*> openers;
        for (QAction* item : velmora::testing::control<QMenu>(&frame, QStringLiteral("mnuFile"))->actions())
            if (!item->isSeparator() && item->objectName() != QLatin1String("mnuExit"))
                openers.append(item);
        if (chance(10) && !openers.isEmpty())
            pick(openers)->trigger();
        else if (chance(70))
            frame.cmdSelectOption_Click(std::uniform_int_distribution<int>(0, buttons - 1)(random));
        else
            frame.lblCaption_Click(std::uniform_int_distribution<int>(0, buttons + 2)(random));
    }

    void actOnWindow(kit::CalculatorWindow& window)
    {
        const QList<QLineEdit*> boxes = window.findChildren<QLineEdit*>();
        const QList<QComboBox*> lists = window.findChildren<QComboBox*>();
        QList<QPushButton*> buttons;
        for (QPushButton* button : window.findChildren<QPushButton*>())
            if (button->isVisibleTo(&window) && button->isEnabled())
                buttons.append(button);
        QList<QAction*> fileItems;
        if (const QList<QAction*> bar = window.menuBarActions(); !bar.isEmpty() && bar.first()->menu())
            for (QAction* item : bar.first()->menu()->actions())
                if (!item->isSeparator() && item->isEnabled())
                    fileItems.append(item);

        const int action = std::uniform_int_distribution<int>(0, 9)(random);
        if (action <= 2 && !boxes.isEmpty()) {
            // Fills in every name, mostly with names a window accepts.
            const QStringList names = {QStringLiteral("Anna"), QStringLiteral("LEE"), QStringLiteral("Bo Li"),
                                       QStringLiteral("Tom"), QString(), QStringLiteral("   "),
                                       QStringLiteral("Zoe-2 {x}\\")};
            for (QLineEdit* box : boxes) {
                if (!box->isReadOnly()) {
                    box->clear();
                    QTest::keyClicks(box, pick(names));
                }
            }
        } else if (action <= 4 && !lists.isEmpty()) {
            QComboBox* list = pick(lists);
            if (list->count() > 0)
                list->setCurrentIndex(std::uniform_int_distribution<int>(0, list->count() - 1)(random));
        } else if (action <= 7 && !buttons.isEmpty()) {
            scriptDialogs();
            pick(buttons)->click();
        } else if (action == 8 && !fileItems.isEmpty()) {
            scriptDialogs();
            pick(fileItems)->trigger();
        } else {
            window.closeWindow();
        }
    }

    void settle()
    {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void checkInvariants(unsigned long step)
    {
        SCOPED_TRACE(::testing::Message() << "step " << step);
        QMap<QString, int> copies;
        bool entryShown = false;
        bool entryOrResultShown = false;
        for (kit::CalculatorWindow* window : windows()) {
            ++copies[window->objectName()];
            EXPECT_EQ(frame.findWindow(window->objectName().toStdString()), window)
                << window->objectName().toStdString();
            if (!window->isOnScreen())
                continue;
            seenOnScreen.insert(window->objectName());
            entryShown |= roleOf(*window) == Role::Entry;
            entryOrResultShown |= roleOf(*window) != Role::Report;
        }
        for (auto it = copies.cbegin(); it != copies.cend(); ++it)
            EXPECT_EQ(it.value(), 1) << it.key().toStdString() << " exists twice";
        if (entryShown) {
            EXPECT_FALSE(frame.isWelcomePanelVisible()) << "an entry window is on screen";
        }
        if (!entryOrResultShown) {
            EXPECT_TRUE(frame.isWelcomePanelVisible()) << "no calculator is on screen";
        }
    }

    // A hidden entry window keeps its fields until it is shown again; a new
    // window of the same name starts afresh.
    void trackHiddenEntries()
    {
        for (kit::CalculatorWindow* window : windows()) {
            if (roleOf(*window) != Role::Entry)
                continue;
            const QString name = window->objectName();
            auto kept = hidden.find(name);
            if (kept != hidden.end() && kept->window != window) {
                hidden.erase(kept);
                kept = hidden.end();
            }
            if (!window->isOnScreen()) {
                if (kept == hidden.end()) {
                    hidden.insert(name, {window, fieldsOf(*window)});
                } else {
                    EXPECT_EQ(fieldsOf(*window), kept->fields) << name.toStdString();
                }
            } else if (kept != hidden.end()) {
                EXPECT_EQ(fieldsOf(*window), kept->fields) << name.toStdString() << " came back changed";
                hidden.erase(kept);
            }
        }
    }

    struct Kept {
        QPointer<kit::CalculatorWindow> window;
        Fields fields;
    };

    std::mt19937 random{static_cast<std::mt19937::result_type>(kSeed)};
    velmora::testing::RecordingPlatform platform;
    shell::LauncherFrame frame{platform, shell::calculators()};
    QTemporaryDir files;
    QMap<QString, Kept> hidden;
    QSet<QString> seenOnScreen;
};

} // namespace

TEST_F(SuiteWalk, KeepsTheLaunchersPromisesThroughALongRandomSession)
{
    RecordProperty("steps", std::to_string(kSteps));
    RecordProperty("seed", std::to_string(kSeed));
    SCOPED_TRACE("walk seed " + std::to_string(kSeed));
    for (unsigned long step = 0; step < kSteps; ++step) {
        const QList<kit::CalculatorWindow*> shown = windowsOnScreen();
        if (shown.isEmpty() || chance(5))
            actOnFrame();
        else
            actOnWindow(*pick(shown));
        settle();
        checkInvariants(step);
        trackHiddenEntries();
        if (HasFailure())
            return;
    }
    // The walk went everywhere: every window of every calculator was on screen.
    for (const kit::Calculator* calculator : frame.calculators()) {
        for (const std::string_view name : calculator->windows)
            EXPECT_TRUE(seenOnScreen.contains(ui::toQString(name))) << name;
    }
    frame.close();
    settle();
    EXPECT_TRUE(windows().isEmpty());
}
