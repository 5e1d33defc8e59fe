#include "shell/StartApplication.h"
#include "tests/support/RecordingPlatform.h"

#include <gtest/gtest.h>

using namespace velmora;

TEST(StartApplication, ASecondCopySaysSoAndEndsWithoutAWindow)
{
    velmora::testing::RecordingPlatform platform;
    platform.anotherCopyRunning = true;
    EXPECT_EQ(shell::StartApplication(platform, {}), nullptr);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Application is already running");
    EXPECT_EQ(platform.messages[0].icon, ui::MessageIcon::Information);
}

TEST(StartApplication, TheFirstCopyShowsTheLauncherMaximisedWithItsWelcomePanel)
{
    velmora::testing::RecordingPlatform platform;
    const auto launcher = shell::StartApplication(platform, {});
    ASSERT_NE(launcher, nullptr);
    EXPECT_TRUE(launcher->isVisible());
    EXPECT_TRUE(launcher->isMaximized());
    EXPECT_TRUE(launcher->isWelcomePanelVisible());
    EXPECT_TRUE(platform.messages.empty());
}
