#include "ui/Accessibility.h"
#include "ui/Controls.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace velmora;

namespace {

QAccessibleInterface* face(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

class AccessibleList : public ::testing::Test {
protected:
    AccessibleList()
    {
        QLabel* caption = ui::addLabel(&window, "lblMonth", QStringLiteral("Birth Day :-"), 0, 0);
        month = ui::addList(&window, "cboMonth", 0, 300, 1200, 300);
        day = ui::addList(&window, "cboDay", 1300, 300, 600, 300);
        ui::labelInput(caption, month);
        month->setAccessibleName(QStringLiteral("Your birth month"));
        month->addItems({QStringLiteral("January"), QStringLiteral("February")});
        day->addItems({QStringLiteral("1"), QStringLiteral("2")});
    }

    QWidget window;
    QComboBox* month = nullptr;
    QComboBox* day = nullptr;
};

TEST_F(AccessibleList, IsNamedByWhatItIsAndWhatItHoldsAndFollowsEachChange)
{
    EXPECT_EQ(face(month)->role(), QAccessible::ComboBox);
    EXPECT_EQ(face(month)->text(QAccessible::Name), "Your birth month, January");
    month->setCurrentIndex(1);
    EXPECT_EQ(face(month)->text(QAccessible::Name), "Your birth month, February");
    EXPECT_EQ(face(month)->text(QAccessible::Value), "February");
    // Qt tells the change as a change of value, which a screen reader speaks
    // at once only for a control that has a value.
    ASSERT_NE(face(month)->valueInterface(), nullptr);
    EXPECT_EQ(std::floor(face(month)->valueInterface()->currentValue().toDouble()), 1);
    // A list without a caption is named by its entry alone.
    EXPECT_EQ(face(day)->text(QAccessible::Name), "1");
}

TEST_F(AccessibleList, OffersNoLabelThatAScreenReaderWouldSpeakInsteadOfItsName)
{
    EXPECT_TRUE(face(month)->relations(QAccessible::Label).isEmpty());
}

TEST_F(AccessibleList, TellsTwoListsAtTheSamePositionApartByValue)
{
    month->setCurrentIndex(1);
    day->setCurrentIndex(1);
    EXPECT_NE(face(month)->valueInterface()->currentValue(), face(day)->valueInterface()->currentValue());
}

TEST_F(AccessibleList, MovesToTheEntryAssistiveTechnologySetsAndIgnoresPositionsItLacks)
{
    face(month)->valueInterface()->setCurrentValue(1);
    EXPECT_EQ(month->currentIndex(), 1);
    face(month)->valueInterface()->setCurrentValue(5);
    face(month)->valueInterface()->setCurrentValue(-1);
    EXPECT_EQ(month->currentIndex(), 1);
}

TEST(LabelInput, NamesTheInputAndMakesTheCaptionItsBuddyOnlyForAShortcut)
{
    const struct {
        const char* caption;
        const char* spoken;
        bool buddy;
    } cases[] = {
        {"Name", "Name", false},
        {"Sex :-", "Sex", false},
        {"&Name", "Name", true},
        {"Rock && Roll", "Rock & Roll", false},
    };
    for (const auto& row : cases) {
        QWidget window;
        QLabel* caption = ui::addLabel(&window, "lblCaption", QString::fromUtf8(row.caption), 0, 0);
        QLineEdit* box = ui::addTextBox(&window, "txtBox", 0, 300, 1200, 300);
        ui::labelInput(caption, box);
        EXPECT_EQ(box->accessibleName(), row.spoken) << row.caption;
        EXPECT_EQ(caption->buddy() == box, row.buddy) << row.caption;
    }
}

// A caret never placed before moves as Tab brings the focus in, and that
// move reaches assistive technology ahead of the focus.
TEST(TextBox, TakesTheFocusByTabWithoutMovingItsCaret)
{
    QWidget window;
    QLineEdit* first = ui::addTextBox(&window, "txtFirst", 0, 0, 1200, 300);
    QLineEdit* second = ui::addTextBox(&window, "txtSecond", 0, 400, 1200, 300);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first->setFocus(Qt::OtherFocusReason);
    int moves = 0;
    QObject::connect(second, &QLineEdit::cursorPositionChanged, second, [&moves] { ++moves; });
    second->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(second->hasFocus());
    EXPECT_EQ(moves, 0);
}

TEST(WindowAreaAndTabPages, ArePlainContainersWithoutAName)
{
    ui::installAccessibleInterfaces();
    QMdiArea area;
    QTabWidget tabs;
    tabs.addTab(new QWidget, QStringLiteral("Ranking"));
    for (QWidget* container : std::initializer_list<QWidget*>{&area, tabs.findChild<QStackedWidget*>()}) {
        ASSERT_NE(container, nullptr);
        QAccessibleInterface* containerFace = face(container);
        EXPECT_EQ(containerFace->role(), QAccessible::Client) << container->metaObject()->className();
        EXPECT_TRUE(containerFace->text(QAccessible::Name).isEmpty());
    }
}

} // namespace
