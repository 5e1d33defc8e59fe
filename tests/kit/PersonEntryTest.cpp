// One person's entries, as every dated entry window takes them, and the
// check of both people with its messages.
#include "kit/PersonEntry.h"
#include "tests/support/Controls.h"
#include "tests/support/RecordingPlatform.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

using velmora::testing::control;

using namespace velmora;
using namespace std::chrono;

namespace {

// Month, day and year, left to right, each list with a caption of its own
// for the partner; the user's lists share the date caption.
constexpr kit::PersonEntryLayout layout(bool isUser)
{
    return {
        {isUser ? "lblName" : "lblPartnerName", 0, 0, 600, 300},
        "&Name",
        {isUser ? "txtName" : "txtPartnerName", 700, 0, 2000, 300},
        kit::BirthDateLayout{
            {isUser ? "lblDate" : "lblPartnerDate", 0, 400, 600, 300},
            "Birth &Day",
            {{
                {kit::DatePart::Month,
                 {isUser ? "cboMonth" : "cboPartnerMonth", 700, 400, 900, 300},
                 {isUser ? nullptr : "lblPartnerMonth", 700, 700, 900, 300},
                 "&Month"},
                {kit::DatePart::Day, {isUser ? "cboDay" : "cboPartnerDay", 1700, 400, 500, 300}, {}, nullptr},
                {kit::DatePart::Year, {isUser ? "cboYear" : "cboPartnerYear", 2300, 400, 700, 300}, {}, nullptr},
            }},
        },
    };
}

constexpr kit::ChoiceLayout colourLayout(bool isUser)
{
    return {{isUser ? "lblColour" : "lblPartnerColour", 0, 800, 600, 300},
            "&Colour",
            {isUser ? "cboColour" : "cboPartnerColour", 700, 800, 900, 300},
            "favourite colour"};
}

// The next control Tab moves to from `widget`.
QWidget* nextOnTab(const QWidget* widget)
{
    QWidget* next = widget->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

class EntryOfTwoPeople : public ::testing::Test {
protected:
    EntryOfTwoPeople()
    {
        for (kit::PersonEntry* person : {&user, &partner})
            person->addChoice(colourLayout(person == &user), {QStringLiteral("Red"), QStringLiteral("Blue")});
        user.fillDateLists(1900, 2050);
        partner.fillDateLists(1900, 2050, QStringLiteral("1950"));
    }

    static void enter(const kit::PersonEntry& person, const QString& name, int month, int day, const QString& year)
    {
        person.nameBox()->setText(name);
        person.list(kit::DatePart::Month)->setCurrentIndex(month - 1);
        person.list(kit::DatePart::Day)->setCurrentIndex(day - 1);
        person.list(kit::DatePart::Year)->setCurrentText(year);
    }

    bool accept()
    {
        return kit::acceptEntries(platform, &window, user, partner,
                                  {"No name of yours", "No name of your partner's", ui::MessageIcon::Error});
    }

    velmora::testing::RecordingPlatform platform;
    QWidget window;
    kit::PersonEntry user{&window, layout(true), kit::Person::User, kit::NameForm::Trimmed};
    kit::PersonEntry partner{&window, layout(false), kit::Person::Partner, kit::NameForm::AsTyped};
};

TEST_F(EntryOfTwoPeople, FillsTheListsWithTheirRangesAndDefaults)
{
    const QComboBox* months = user.list(kit::DatePart::Month);
    ASSERT_EQ(months->count(), 12);
    EXPECT_EQ(months->itemText(0), "January");
    EXPECT_EQ(months->itemText(11), "December");
    ASSERT_EQ(user.list(kit::DatePart::Day)->count(), 31);
    EXPECT_EQ(user.list(kit::DatePart::Day)->itemText(30), "31");
    const QComboBox* years = user.list(kit::DatePart::Year);
    ASSERT_EQ(years->count(), 151);
    EXPECT_EQ(years->itemText(0), "1900");
    EXPECT_EQ(years->itemText(150), "2050");
    EXPECT_EQ(years->currentText(), "1900");
    EXPECT_EQ(partner.list(kit::DatePart::Year)->currentText(), "1950");
}

TEST_F(EntryOfTwoPeople, NamesEveryInputForTheKeyboardAndScreenReaders)
{
    EXPECT_EQ(user.nameBox()->accessibleName(), "Your name");
    EXPECT_EQ(partner.nameBox()->accessibleName(), "Your partner's name");
    EXPECT_EQ(user.list(kit::DatePart::Day)->accessibleName(), "Your birth day of the month");
    EXPECT_EQ(partner.list(kit::DatePart::Month)->accessibleName(), "Your partner's birth month");
    EXPECT_EQ(partner.list(kit::DatePart::Year)->accessibleName(), "Your partner's birth year");
    EXPECT_EQ(control<QComboBox>(&window, "cboPartnerColour")->accessibleName(), "Your partner's favourite colour");
    // Each caption's shortcut reaches its input: the date caption the first
    // list, a list's own caption that list.
    EXPECT_EQ(control<QLabel>(&window, "lblName")->buddy(), user.nameBox());
    EXPECT_EQ(control<QLabel>(&window, "lblDate")->buddy(), user.list(kit::DatePart::Month));
    EXPECT_EQ(control<QLabel>(&window, "lblPartnerMonth")->buddy(), partner.list(kit::DatePart::Month));
    EXPECT_EQ(control<QLabel>(&window, "lblPartnerDate")->buddy(), nullptr);
    EXPECT_EQ(control<QLabel>(&window, "lblColour")->buddy(), control<QComboBox>(&window, "cboColour"));
}

TEST_F(EntryOfTwoPeople, TabsThroughNameThenTheListsLeftToRightThenTheChoices)
{
    QWidget* last = partner.chainTabOrder(user.chainTabOrder(nullptr));
    EXPECT_EQ(last, control<QComboBox>(&window, "cboPartnerColour"));
    ASSERT_EQ(user.inputs().size(), 5);
    EXPECT_EQ(user.inputs()[3], user.list(kit::DatePart::Year));
    const QList<QWidget*> expected = user.inputs() + partner.inputs();
    for (qsizetype i = 1; i < expected.size(); ++i)
        EXPECT_EQ(nextOnTab(expected[i - 1]), expected[i]) << expected[i]->objectName().toStdString();
}

TEST_F(EntryOfTwoPeople, HandsOverTheNameInTheWindowsFormAndTheChosenDate)
{
    enter(user, QStringLiteral("  Ann <b>&</b> Lee \t"), 2, 29, QStringLiteral("2000"));
    enter(partner, QStringLiteral(" BO "), 12, 31, QStringLiteral("1950"));
    const kit::BirthDetails details = user.details();
    EXPECT_EQ(details.name, u"Ann <b>&</b> Lee");
    EXPECT_EQ(details.birthDate, 2000y / February / 29d);
    EXPECT_EQ(partner.details().name, u" BO ");
}

TEST_F(EntryOfTwoPeople, ShowsEntriesReadBackOnlyWhereTheListsHaveThem)
{
    user.showEntries(QStringLiteral("Ann"), QStringLiteral("July"), QStringLiteral("4"), QStringLiteral("1976"));
    EXPECT_EQ(user.details().birthDate, 1976y / July / 4d);
    // Case counts, and a year outside the list leaves the year as it was.
    user.showEntries(QStringLiteral("Bo"), QStringLiteral("march"), QStringLiteral("31"), QStringLiteral("2051"));
    EXPECT_EQ(user.nameBox()->text(), "Bo");
    EXPECT_EQ(user.details().birthDate, 1976y / July / 31d);
}

struct CheckCase {
    const char* what;
    const char* userName;
    int userMonth;
    int userDay;
    const char* partnerName;
    int partnerMonth;
    int partnerDay;
    const char* message; // nothing when both pass
    ui::MessageIcon icon;
    const char* focus; // where a missing name sends the focus
};

class CheckOfTwoPeople : public EntryOfTwoPeople, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckOfTwoPeople, TellsTheFirstProblemOnly)
{
    const CheckCase& c = GetParam();
    window.show();
    QApplication::setActiveWindow(&window);
    enter(user, QLatin1String(c.userName), c.userMonth, c.userDay, QStringLiteral("1900"));
    enter(partner, QLatin1String(c.partnerName), c.partnerMonth, c.partnerDay, QStringLiteral("1900"));

    EXPECT_EQ(accept(), c.message == nullptr);
    if (!c.message) {
        EXPECT_TRUE(platform.messages.empty());
        return;
    }
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, c.message);
    EXPECT_EQ(platform.messages[0].icon, c.icon);
    if (c.focus) {
        EXPECT_TRUE(control(&window, c.focus)->hasFocus());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, CheckOfTwoPeople,
    ::testing::Values(
        CheckCase{"BothPass", "Ann", 1, 31, "Bo", 12, 31, nullptr, {}, nullptr},
        CheckCase{"BlanksAreAName", " ", 1, 1, "  ", 1, 1, nullptr, {}, nullptr},
        CheckCase{"UsersNameFirst", "", 2, 30, "", 4, 31, "No name of yours", ui::MessageIcon::Error, "txtName"},
        CheckCase{"PartnersName", "Ann", 2, 30, "", 1, 1, "No name of your partner's", ui::MessageIcon::Error,
                  "txtPartnerName"},
        CheckCase{"NamesBeforeDates", "Ann", 2, 30, "", 4, 31, "No name of your partner's",
                  ui::MessageIcon::Error, "txtPartnerName"},
        CheckCase{"UsersFebruary", "Ann", 2, 29, "Bo", 4, 31, "Please Enter Your Correct Date Or Month!",
                  ui::MessageIcon::Information, nullptr},
        CheckCase{"UsersThirtyFirst", "Ann", 9, 31, "Bo", 2, 30, "Please Enter Your Correct Date Or Month !",
                  ui::MessageIcon::Information, nullptr},
        CheckCase{"PartnersFebruary", "Ann", 1, 1, "Bo", 2, 29, "Please Enter Your Partner's Correct Date Or Month!",
                  ui::MessageIcon::Information, nullptr},
        CheckCase{"PartnersThirtyFirst", "Ann", 1, 1, "Bo", 6, 31,
                  "Please Enter Your Partner's Correct Date Or Month !", ui::MessageIcon::Information, nullptr}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.what); });

} // namespace
