#include "bloodtype/Calculator.h"
#include "chinese/Calculator.h"
#include "complete/Calculator.h"
#include "egyptian/Calculator.h"
#include "shell/LauncherFrame.h"
#include "tests/shell/FakeWindows.h"
#include "tests/support/Controls.h"
#include "tests/support/RecordingPlatform.h"
#include "ui/Twips.h"
#include "western/Calculator.h"

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace velmora;
using velmora::testing::FakeWindow;
using velmora::testing::Role;
using velmora::testing::unloadLog;

namespace {

using ChineseDisplay = FakeWindow<"frmChineseZodiacCompatibilityDisplay", Role::Result>;
using ChineseMain = FakeWindow<"frmChineseZodiacCompatibilityMain", Role::Entry>;
using ChineseSave = FakeWindow<"frmChineseZodiacCompatibilitySave", Role::Report, ChineseDisplay>;
using EgyptianDisplay = FakeWindow<"frmEgyptianAstrologyCompatibilityDisplay", Role::Result>;
using EgyptianMain = FakeWindow<"frmEgyptianAstrologyCompatibilityMain", Role::Entry>;
using JapaneseDisplay = FakeWindow<"frmJapaneseAstrologyCompatibilityDisplay", Role::Result>;
using JapaneseMain = FakeWindow<"frmJapaneseAstrologyCompatibilityMain", Role::Entry>;
using WesternDisplay = FakeWindow<"frmZodiacCompatibilityDisplay", Role::Result>;
using WesternMain = FakeWindow<"frmZodiacCompatibilityMain", Role::Entry>;
using WesternSave = FakeWindow<"frmZodiacCompatibilitySave", Role::Report, WesternDisplay>;

using CompleteReading = FakeWindow<"frmCompleteReading", Role::Entry>;

// The suite's calculators as the launcher offers them, each opening a fake
// window of its entry window's name.
template <class Entry>
kit::Calculator withFakeWindows(const kit::Calculator& calculator)
{
    kit::Calculator fake = calculator;
    fake.open = kit::openWindow<Entry>;
    return fake;
}

const std::array<kit::Calculator, 5> kFakeCalculators = {
    withFakeWindows<ChineseMain>(chinese::kCalculator), withFakeWindows<EgyptianMain>(egyptian::kCalculator),
    withFakeWindows<JapaneseMain>(bloodtype::kCalculator), withFakeWindows<WesternMain>(western::kCalculator),
    withFakeWindows<CompleteReading>(complete::kCalculator)};
const std::array<const kit::Calculator*, 5> kFakeCalculatorList = {
    &kFakeCalculators[0], &kFakeCalculators[1], &kFakeCalculators[2], &kFakeCalculators[3], &kFakeCalculators[4]};

} // namespace

class LauncherFrame : public ::testing::Test {
protected:
    LauncherFrame() : frame(platform, kFakeCalculatorList)
    {
        frame.showMaximized();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
        unloadLog().clear();
    }

    template <class T = QWidget>
    T* control(const QString& name)
    {
        return velmora::testing::control<T>(&frame, name);
    }

    QLabel* caption(int index) { return control<QLabel>(QStringLiteral("lblCaption(%1)").arg(index)); }
    int twipsLeft(const QString& name) { return ui::pixelsToTwips(control(name)->x()); }

    QList<QMdiSubWindow*> framesOnScreen()
    {
        QList<QMdiSubWindow*> shown;
        for (QMdiSubWindow* sub : control<QMdiArea>(QStringLiteral("mdiArea"))->subWindowList())
            if (sub->isVisible())
                shown.append(sub);
        return shown;
    }

    velmora::testing::RecordingPlatform platform;
    shell::LauncherFrame frame;
};

TEST_F(LauncherFrame, OpensWithItsBandsAndTheWelcomePanel)
{
    EXPECT_EQ(frame.windowTitle(), "Velmora Suite v1.30");
    EXPECT_TRUE(frame.isMaximized());
    EXPECT_TRUE(frame.isWelcomePanelVisible());
    EXPECT_TRUE(framesOnScreen().isEmpty());
    // On a screen with room for it, every band has its designed height.
    frame.showNormal();
    frame.resize(1920, 1040);
    QApplication::processEvents();
    const std::pair<const char*, int> bands[] = {{"Picture6", 560}, {"Picture1", 900}, {"picMain", 8640},
                                                 {"PicCoBrand", 735}};
    for (const auto& [name, height] : bands)
        EXPECT_EQ(control(QLatin1String(name))->height(), ui::twipsToPixels(height)) << name;
    EXPECT_EQ(control<QPushButton>(QStringLiteral("cmdSelectOption(3)"))->text(), "Zodiac Compatibility");
    EXPECT_EQ(caption(5)->text(), "Japanese Astrology Compatibility");
}

TEST_F(LauncherFrame, OnAShortScreenTheWelcomePanelGivesUpHeightFirstDownToItsLastCaption)
{
    frame.showNormal();
    frame.resize(1280, 650);
    QApplication::processEvents();
    const QWidget* panel = control(QStringLiteral("picMain"));
    EXPECT_LT(panel->height(), ui::twipsToPixels(8640));
    EXPECT_GE(panel->height(), caption(6)->geometry().bottom());
    EXPECT_EQ(control(QStringLiteral("PicCoBrand"))->height(), ui::twipsToPixels(735));
    const QWidget* exit = control(QStringLiteral("cmdMdiExit"));
    EXPECT_TRUE(frame.rect().contains(QRect(exit->mapTo(&frame, QPoint(0, 0)), exit->size())));
}

TEST_F(LauncherFrame, CentresItsControlsOnItsOwnWidthAsItIsResized)
{
    frame.showNormal();
    for (const QSize size : {QSize(792, 808), QSize(1280, 720), QSize(1920, 1040)}) {
        frame.resize(size);
        QApplication::processEvents();
        SCOPED_TRACE(size.width());
        const auto expectCentred = [](const QWidget* widget) {
            EXPECT_NEAR(widget->x(), (widget->parentWidget()->width() - widget->width()) / 2, 1)
                << widget->objectName().toStdString();
        };
        expectCentred(control(QStringLiteral("lblOrbenlyBanner")));
        expectCentred(control(QStringLiteral("picButtonContainer")));
        for (int i = 0; i < 7; ++i)
            expectCentred(caption(i));
        const QWidget* exit = control(QStringLiteral("cmdMdiExit"));
        EXPECT_NEAR(exit->x(), exit->parentWidget()->width() - exit->width() - ui::twipsToPixels(120), 1);
    }
}

TEST_F(LauncherFrame, F1OpensTheOnlineHelpAndCtrlQLeavesTheSuite)
{
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_F1);
    EXPECT_EQ(platform.openedAddresses,
              QStringList{QStringLiteral("https://velmora.example/suite/ssd.php?page=help-web-page")});
    QTest::keyClick(&frame, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(frame.isVisible());
}

TEST_F(LauncherFrame, UnderlinesLinkLabelsOnHoverAndClearsThemOverThePanel)
{
    QTest::mouseMove(caption(4), QPoint(5, 5));
    EXPECT_TRUE(caption(4)->font().underline());
    QTest::mouseMove(caption(1), QPoint(5, 5));
    EXPECT_FALSE(caption(1)->font().underline());
    EXPECT_TRUE(caption(4)->font().underline()) << "a heading label leaves the underline as it was";

    QTest::mouseMove(control(QStringLiteral("picMain")), QPoint(3, 3));
    for (int i = 0; i < 7; ++i)
        EXPECT_FALSE(caption(i)->font().underline()) << i;
}

TEST_F(LauncherFrame, AButtonOrLinkOpensItsCalculatorFreshAtTheTopCentre)
{
    QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdSelectOption(3)")), Qt::LeftButton);
    const QPointer<kit::CalculatorWindow> first = frame.findWindow(WesternMain::kWindowName);
    ASSERT_TRUE(first);
    EXPECT_FALSE(frame.isWelcomePanelVisible());
    ASSERT_EQ(framesOnScreen().size(), 1);
    const QMdiSubWindow* sub = framesOnScreen().first();
    EXPECT_EQ(sub->y(), 0);
    EXPECT_NEAR(sub->x(), std::max(0, (sub->mdiArea()->viewport()->width() - sub->width()) / 2), 1);

    QTest::mouseClick(caption(6), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(unloadLog(), QStringList{QStringLiteral("frmZodiacCompatibilityMain")});
    const kit::CalculatorWindow* second = frame.findWindow(WesternMain::kWindowName);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first.data());
    EXPECT_EQ(framesOnScreen().size(), 1);

    QTest::mouseClick(caption(3), Qt::LeftButton);
    EXPECT_NE(frame.findWindow(ChineseMain::kWindowName), nullptr);
    EXPECT_EQ(frame.findWindow(WesternMain::kWindowName), nullptr);
}

TEST_F(LauncherFrame, ClosesAllCalculatorWindowsInItsFixedOrder)
{
    frame.instance<ChineseDisplay>();
    frame.instance<ChineseMain>();
    frame.instance<ChineseSave>();
    frame.instance<EgyptianDisplay>();
    frame.instance<EgyptianMain>();
    frame.instance<JapaneseDisplay>();
    frame.instance<JapaneseMain>();
    frame.instance<WesternDisplay>();
    frame.instance<WesternMain>();
    frame.instance<WesternSave>();
    frame.instance<CompleteReading>();

    frame.CloseCalculatorWindows();

    // Each closes once: a report does not make its closed result window again.
    const QStringList expected = {
        "frmChineseZodiacCompatibilityDisplay", "frmChineseZodiacCompatibilityMain",
        "frmChineseZodiacCompatibilitySave", "frmEgyptianAstrologyCompatibilityDisplay",
        "frmEgyptianAstrologyCompatibilityMain", "frmJapaneseAstrologyCompatibilityDisplay",
        "frmJapaneseAstrologyCompatibilityMain", "frmZodiacCompatibilityDisplay", "frmZodiacCompatibilityMain",
        "frmZodiacCompatibilitySave", "frmCompleteReading"};
    EXPECT_EQ(unloadLog(), expected);
    for (const QString& name : expected)
        EXPECT_EQ(frame.findWindow(name.toStdString()), nullptr) << name.toStdString();
}

TEST_F(LauncherFrame, AHeadingLabelOnlyClosesCalculatorWindows)
{
    frame.OpenCalculator(1);
    frame.instance<EgyptianDisplay>().showWindow();
    frame.findWindow(EgyptianMain::kWindowName)->hideWindow();
    frame.findWindow(EgyptianDisplay::kWindowName)->closeWindow();
    ASSERT_TRUE(frame.isWelcomePanelVisible());
    ASSERT_NE(frame.findWindow(EgyptianMain::kWindowName), nullptr) << "the hidden entry window stays loaded";

    QTest::mouseClick(caption(0), Qt::LeftButton);
    EXPECT_EQ(frame.findWindow(EgyptianMain::kWindowName), nullptr);
    EXPECT_TRUE(frame.isWelcomePanelVisible());
}

TEST_F(LauncherFrame, ExitClosesTheFrameAndEveryWindowInIt)
{
    frame.OpenCalculator(0);
    frame.instance<ChineseSave>().showWindow();
    QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdMdiExit")), Qt::LeftButton);
    EXPECT_FALSE(frame.isVisible());
    EXPECT_TRUE(unloadLog().contains(QStringLiteral("frmChineseZodiacCompatibilityMain")));
    EXPECT_TRUE(unloadLog().contains(QStringLiteral("frmChineseZodiacCompatibilitySave")));
    EXPECT_EQ(frame.findWindow(ChineseDisplay::kWindowName), nullptr);
}

TEST_F(LauncherFrame, BannerAndOfferLabelsOpenTheirPages)
{
    QTest::mouseClick(control(QStringLiteral("lblOrbenlyBanner")), Qt::LeftButton);
    QTest::mouseClick(control(QStringLiteral("Picture6")), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(control(QStringLiteral("Label7")), Qt::LeftButton);
    EXPECT_EQ(platform.openedAddresses,
              QStringList({"https://velmora.example/suite/ssd.php?page=home-page",
                           "https://velmora.example/suite/ssd.php?page=home-page",
                           "https://velmora.example/suite/ssd.php?page=fully-branded"}));
}

TEST_F(LauncherFrame, LinksWorkFromTheKeyboard)
{
    caption(4)->setFocus();
    QTest::keyClick(caption(4), Qt::Key_Return);
    EXPECT_NE(frame.findWindow(EgyptianMain::kWindowName), nullptr);
}
