// The name boxes that take names in capitals: what each typed key does.
#include "kit/NameKeyFilter.h"
#include "tests/support/RecordingPlatform.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace velmora;

namespace {

class NameBox : public ::testing::Test {
protected:
    NameBox()
    {
        new kit::NameKeyFilter(box, platform, &window, QStringLiteral("Letters only"));
        window.show();
        QApplication::setActiveWindow(&window);
        box.setFocus();
    }

    velmora::testing::RecordingPlatform platform;
    QWidget window;
    QLineEdit& box = *new QLineEdit(&window);
};

TEST_F(NameBox, TakesLettersAsCapitalsAndBlanks)
{
    QTest::keyClicks(&box, QStringLiteral("anna Lee"));
    EXPECT_EQ(box.text(), "ANNA LEE");
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.text(), "ANNA LE");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(NameBox, RefusesEveryOtherTypedCharacterWithTheWindowsMessage)
{
    box.setText(QStringLiteral("AB"));
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } refused[] = {{Qt::Key_7, {}}, {Qt::Key_Minus, {}}, {Qt::Key_Apostrophe, {}}, {Qt::Key_A, Qt::ControlModifier}};
    for (const auto& [key, modifiers] : refused)
        QTest::keyClick(&box, key, modifiers);
    QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, QStringLiteral("é"), {});
    EXPECT_EQ(box.text(), "AB");
    EXPECT_EQ(platform.messageTexts(), QStringList(5, QStringLiteral("Letters only")));
    for (const auto& message : platform.messages)
        EXPECT_EQ(message.icon, ui::MessageIcon::Information);
}

TEST_F(NameBox, PassesKeysThatTypeNoCharacter)
{
    box.setText(QStringLiteral("ABC"));
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Delete, Qt::Key_Escape, Qt::Key_Home, Qt::Key_F1})
        QTest::keyClick(&box, key);
    EXPECT_EQ(box.text(), "AB");
    EXPECT_TRUE(platform.messages.empty());
}

} // namespace
