#include "chinese/ChineseReading.h"
#include "kit/Pictures.h"
#include "kit/WebPages.h"
#include "tests/chinese/ChineseFixture.h"
#include "ui/LinkLabel.h"
#include "ui/RichTextBox.h"
#include "ui/Text.h"
#include "ui/Twips.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

using velmora::testing::control;

using namespace velmora;
using namespace std::chrono;
using velmora::testing::ChineseWindows;

namespace {

QStringList items(const QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->itemText(i));
    return texts;
}

QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

QImage animalPicture(const char* animal)
{
    const int size = ui::twipsToPixels(2400);
    return kit::pictures::render(QStringLiteral(":/chinese/animals/%1.svg").arg(QLatin1String(animal)),
                                   {size, size})
        .toImage();
}

} // namespace

using ChineseEntry = ChineseWindows;

TEST_F(ChineseEntry, OpensFromTheLauncherWithEmptyNamesAndTheFirstListEntries)
{
    Main* main = find<Main>();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(onScreen(main));
    EXPECT_FALSE(frame.isWelcomePanelVisible());
    EXPECT_EQ(main->windowTitle(), "Velmora Chinese Zodiac Compatibility");
    EXPECT_EQ(control<QPushButton>(main, "cmdProceed")->text(), "Get Our &Chinese Zodiac Compatibility");
    EXPECT_EQ(control<QGroupBox>(main, "fraYourDetails")->title(), "Your Details");
    EXPECT_EQ(control<QGroupBox>(main, "fraPartnerDetails")->title(), "Your Partner's Details");

    for (const char* person : {"Male", "Female"}) {
        SCOPED_TRACE(person);
        const QByteArray who(person);
        const auto name = [&who](const char* prefix, const char* field) { return prefix + who + field; };
        EXPECT_EQ(control<QLineEdit>(main, name("txt", "Name").constData())->text(), "");
        const QComboBox* day =
            control<QComboBox>(main, name(who == "Male" ? "Cbo" : "cbo", "Date").constData());
        const QComboBox* month = control<QComboBox>(main, name("cbo", "Month").constData());
        const QComboBox* year = control<QComboBox>(main, name("cbo", "Year").constData());
        EXPECT_EQ(items(day).size(), 31);
        EXPECT_EQ(items(day).last(), "31");
        EXPECT_EQ(items(month).first(), "January");
        EXPECT_EQ(items(month).last(), "December");
        EXPECT_EQ(items(year).size(), 201);
        EXPECT_EQ(items(year).first(), "1900");
        EXPECT_EQ(items(year).last(), "2100");
        EXPECT_EQ(year->currentText(), "1936");
        for (const QComboBox* list : {day, month})
            EXPECT_EQ(list->currentIndex(), 0);
        for (const QComboBox* list : {day, month, year})
            EXPECT_FALSE(list->isEditable());
    }
}

TEST_F(ChineseEntry, TabRunsThroughTheUserThenThePartnerToProceedAndInputsAreNamed)
{
    Main* main = find<Main>();
    control(main, "txtMaleName")->setFocus();
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.append(QApplication::focusWidget()->objectName());
    }
    const QStringList expected = {"txtMaleName",   "CboMaleDate",    "cboMaleMonth",  "cboMaleYear", "txtFemaleName",
                                  "cboFemaleDate", "cboFemaleMonth", "cboFemaleYear", "cmdProceed"};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(control(main, "txtMaleName")->accessibleName(), "Your name");
    EXPECT_EQ(control(main, "cboFemaleYear")->accessibleName(), "Your partner's birth year");
}

struct ValidationCase {
    const char* what;
    velmora::testing::Person user;
    velmora::testing::Person partner;
    const char* message; // empty: the entries pass
    const char* focus;   // where a name message puts the focus
};

class ChineseValidation : public ChineseWindows, public ::testing::WithParamInterface<ValidationCase> {};

TEST_P(ChineseValidation, ShowsOnlyTheFirstProblemAndChangesNothing)
{
    const ValidationCase& c = GetParam();
    enter(true, c.user);
    enter(false, c.partner);
    control(find<Main>(), "cmdProceed")->setFocus();

    const bool valid = entry()->ValidateEntries();

    if (*c.message == '\0') {
        EXPECT_TRUE(valid);
        EXPECT_TRUE(platform.messages.empty());
        return;
    }
    EXPECT_FALSE(valid);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, QString::fromUtf8(c.message));
    EXPECT_EQ(platform.messages[0].icon, ui::MessageIcon::Information);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(c.focus));

    entry()->cmdProceed_Click();
    EXPECT_EQ(find<Display>(), nullptr) << "nothing is calculated";
    EXPECT_EQ(control<QLineEdit>(find<Main>(), "txtMaleName")->text(), c.user.name);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ChineseValidation,
    ::testing::Values(
        ValidationCase{"BothNamesEmpty", {"", 1936y / January / 1}, {"", 1936y / January / 1}, "Please enter your Name",
                       "txtMaleName"},
        ValidationCase{"PartnerNameEmpty", {"Ann", 2001y / February / 30}, {"", 1936y / January / 1},
                       "Please Enter Youe Partner's Name", "txtFemaleName"},
        ValidationCase{"BlankNamesPass", {"   ", 1936y / January / 1}, {" ", 1936y / January / 1}, "", ""},
        ValidationCase{"ThirtyFirstApril", {"Ann", 1990y / April / 31}, {"Bo", 1936y / January / 1},
                       "Please Enter Your Correct Date Or Month !", "cmdProceed"},
        ValidationCase{"BothDatesWrong", {"Ann", 1990y / June / 31}, {"Bo", 1990y / February / 31},
                       "Please Enter Your Correct Date Or Month !", "cmdProceed"},
        ValidationCase{"PartnerFebruary", {"Ann", 1990y / May / 31}, {"Bo", 2019y / February / 29},
                       "Please Enter Your Partner's Correct Date Or Month!", "cmdProceed"},
        ValidationCase{"PartnerThirtyFirstNovember", {"Ann", 2019y / February / 28}, {"Bo", 1999y / November / 31},
                       "Please Enter Your Partner's Correct Date Or Month !", "cmdProceed"}),
    [](const ::testing::TestParamInfo<ValidationCase>& info) { return std::string(info.param.what); });

TEST_F(ChineseEntry, ProceedFillsTheResultWindowAndTakesTheEntryWindowsPlace)
{
    Display* result = proceed({QStringLiteral("  Ann Lee "), 1980y / January / 15}, {QStringLiteral("Bo"), 1985y / February / 20});
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(onScreen(result));
    EXPECT_FALSE(onScreen(find<Main>()));
    EXPECT_NE(find<Main>(), nullptr) << "the entry window is hidden, not closed";
    EXPECT_FALSE(frame.isWelcomePanelVisible());

    const chinese::ChineseReadingRecord& reading = result->reading();
    EXPECT_EQ(reading.UserName, u"Ann Lee");
    EXPECT_EQ(reading.UserDate, 1980y / January / 15d);
    EXPECT_EQ(reading.PartnerDate, 1985y / February / 20d);

    EXPECT_EQ(control<QTabWidget>(result, "SSTab")->currentIndex(), 0);
    showBothPeople(result);
    EXPECT_EQ(control<QGroupBox>(result, "Framale")->title(), "Ann Lee");
    EXPECT_EQ(control<QGroupBox>(result, "Frafemale")->title(), "Bo");
    EXPECT_EQ(control<QLabel>(result, "lblMaleChinesesign")->text(), "Goat");
    EXPECT_EQ(control<QLabel>(result, "lblMaleChineseElements")->text(), "Earth");
    EXPECT_EQ(control<QLabel>(result, "lblFemaleChineseSign")->text(), "Ox");
    EXPECT_EQ(control<QLabel>(result, "lblFemaleChineseElements")->text(), "Wood");
    EXPECT_EQ(control<QLabel>(result, "lblChineseCompatibilityNumber")->text(), "2");
    EXPECT_EQ(control<QLabel>(result, "lblChinesePercentage")->text(), "20%");
    EXPECT_EQ(control<QLabel>(result, "lblChineseRating")->text(), " A Poor Match");
    EXPECT_EQ(control<QLabel>(result, "lblMatchingDescription")->text(), "Compatibility Of Goat With  Ox :-");
    EXPECT_EQ(control<ui::RichTextBox>(result, "txtMatchingDescription")->toPlainText(),
              ui::toQString(chinese::GetMatchingDescription("Goat", "Ox")).replace("\r\n", "\n"));

    EXPECT_EQ(control<QLabel>(result, "YourPicture")->pixmap().toImage(), animalPicture("Goat")) << "keyed Cancer";
    EXPECT_EQ(control<QLabel>(result, "YourPartnerPicture")->pixmap().toImage(), animalPicture("Ox"))
        << "keyed Capricorn";
}

TEST_F(ChineseEntry, ANameOfBlanksIsShownEmpty)
{
    Display* result = proceed({QStringLiteral("   "), 1976y / May / 5}, {QStringLiteral("Bo"), 1988y / March / 1});
    ASSERT_NE(result, nullptr);
    showBothPeople(result);
    EXPECT_EQ(control<QGroupBox>(result, "Framale")->title(), "");
    EXPECT_EQ(control<QLabel>(result, "lblChineseCompatibilityNumber")->text(), "9");
    EXPECT_EQ(control<QLabel>(result, "lblChinesePercentage")->text(), "90%");
    EXPECT_EQ(control<QLabel>(result, "lblChineseRating")->text(), "A Great Match");
    EXPECT_EQ(control<QLabel>(result, "lblMatchingDescription")->text(), "Compatibility Of Dragon With  Dragon :-");
}

TEST_F(ChineseEntry, BackShowsTheEntriesAsLeftAndProceedAgainRefillsEverything)
{
    ASSERT_NE(proceed({QStringLiteral("Ann"), 1980y / January / 15}, {QStringLiteral("Bo"), 1985y / February / 20}),
              nullptr);
    control<QTabWidget>(find<Display>(), "SSTab")->setCurrentIndex(2);
    QTest::mouseClick(control<QPushButton>(find<Display>(), "cmdBack"), Qt::LeftButton);
    QApplication::processEvents();

    Main* main = find<Main>();
    EXPECT_TRUE(onScreen(main));
    EXPECT_EQ(find<Display>(), nullptr);
    EXPECT_FALSE(frame.isWelcomePanelVisible());
    EXPECT_EQ(control<QLineEdit>(main, "txtMaleName")->text(), "Ann");
    EXPECT_EQ(control<QComboBox>(main, "CboMaleDate")->currentText(), "15");
    EXPECT_EQ(control<QComboBox>(main, "cboMaleMonth")->currentText(), "January");
    EXPECT_EQ(control<QComboBox>(main, "cboMaleYear")->currentText(), "1980");
    EXPECT_EQ(control<QComboBox>(main, "cboFemaleMonth")->currentText(), "February");

    enter(false, {QStringLiteral("Cy"), 2008y / February / 7});
    QTest::mouseClick(control<QPushButton>(main, "cmdProceed"), Qt::LeftButton);
    Display* again = find<Display>();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(control<QTabWidget>(again, "SSTab")->currentIndex(), 0);
    showBothPeople(again);
    EXPECT_EQ(control<QGroupBox>(again, "Frafemale")->title(), "Cy");
    EXPECT_EQ(control<QLabel>(again, "lblFemaleChineseSign")->text(), "Rat");
    EXPECT_EQ(control<QLabel>(again, "lblChineseCompatibilityNumber")->text(), "4");
    EXPECT_EQ(control<QLineEdit>(again, "txtFemaleWesternZodiacSign")->text(), "Sagittarius");
    EXPECT_EQ(control<QLabel>(again, "YourPartnerPicture")->pixmap().toImage(), animalPicture("Rat"));
}

TEST_F(ChineseEntry, ClosingAWindowShowsTheWelcomePanelAndLeavesTheOthersAsTheyAre)
{
    ASSERT_NE(proceed({QStringLiteral("Ann"), 1990y / June / 1}, {QStringLiteral("Bo"), 1991y / June / 1}),
              nullptr);
    QTest::mouseClick(control<QPushButton>(find<Display>(), "cmdExit"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(find<Display>(), nullptr);
    EXPECT_TRUE(frame.isWelcomePanelVisible());
    ASSERT_NE(find<Main>(), nullptr) << "the entry window stays loaded";
    EXPECT_FALSE(onScreen(find<Main>()));

    frame.OpenCalculator(0);
    control<QAction>(find<Main>(), QStringLiteral("mnuExit"))->trigger();
    QApplication::processEvents();
    EXPECT_EQ(find<Main>(), nullptr);
    EXPECT_TRUE(frame.isWelcomePanelVisible());
}

TEST_F(ChineseEntry, MenusOfferTheWindowsOwnCommands)
{
    const QList<QAction*> entryBar = find<Main>()->menuBarActions();
    ASSERT_EQ(entryBar.size(), 3);
    EXPECT_EQ(menuTexts(entryBar[0]->menu()), QStringList{"E&xit"});
    EXPECT_TRUE(menuTexts(entryBar[1]->menu()).contains("Check for Software &Update"));
    EXPECT_FALSE(entryBar[2]->isEnabled());

    ASSERT_NE(proceed({QStringLiteral("Ann"), 1990y / June / 1}, {QStringLiteral("Bo"), 1991y / June / 1}),
              nullptr);
    const QList<QAction*> resultBar = find<Display>()->menuBarActions();
    ASSERT_EQ(resultBar.size(), 3);
    const QStringList file = {"&Back", "-", "&Print", "-", "E&xit"};
    EXPECT_EQ(menuTexts(resultBar[0]->menu()), file);
    EXPECT_EQ(menuTexts(resultBar[1]->menu()),
              (QStringList{"&Online Help", "&Visit Us Online", "-", "Check For Software &Update", "-",
                           "&About Software"}));

    resultBar[0]->menu()->actions()[2]->trigger();
    EXPECT_TRUE(onScreen(find<Save>()));
    EXPECT_TRUE(find<Save>()->menuBarActions().isEmpty());
    resultBar[0]->menu()->actions()[0]->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(onScreen(find<Main>()));
}

