#include "kit/Pictures.h"
#include "tests/egyptian/EgyptianFixture.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

using velmora::testing::control;

using namespace velmora;
using namespace std::chrono;
using velmora::testing::Person;

namespace {

QStringList entries(const QComboBox* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->itemText(i));
    return out;
}

QStringList menuTexts(const QMenu* menu)
{
    QStringList out;
    for (const QAction* item : menu->actions())
        out.append(item->isSeparator() ? QStringLiteral("-") : item->objectName() + QLatin1Char('=') + item->text());
    return out;
}

} // namespace

class EgyptianEntry : public velmora::testing::EgyptianFixture {};

TEST_F(EgyptianEntry, OpensAtTheTopCentreWithItsListsAndDefaults)
{
    ASSERT_NE(entry(), nullptr);
    EXPECT_TRUE(onScreen(entry()));
    EXPECT_FALSE(frame.isWelcomePanelVisible());
    EXPECT_EQ(entry()->windowTitle(), "Velmora Egyptian Astrology Compatibility");
    const auto* sub = qobject_cast<QMdiSubWindow*>(entry()->parentWidget());
    EXPECT_EQ(sub->y(), 0);
    EXPECT_NEAR(sub->x(), std::max(0, (sub->mdiArea()->viewport()->width() - sub->width()) / 2), 1);

    QStringList days;
    for (int d = 1; d <= 31; ++d)
        days.append(QString::number(d));
    for (const char* who : {"", "Partner"}) {
        SCOPED_TRACE(who);
        const auto* date = control<QComboBox>(entry(), QStringLiteral("cmb%1Date").arg(QLatin1String(who)));
        const auto* month = control<QComboBox>(entry(), QStringLiteral("cmb%1Month").arg(QLatin1String(who)));
        const auto* year = control<QComboBox>(entry(), QStringLiteral("cmb%1Year").arg(QLatin1String(who)));
        EXPECT_EQ(entries(date), days);
        EXPECT_EQ(entries(month).size(), 12);
        EXPECT_EQ(entries(month).constLast(), "December");
        EXPECT_EQ(entries(year).size(), 200);
        EXPECT_EQ(entries(year).constFirst(), "1900");
        EXPECT_EQ(entries(year).constLast(), "2099");
        EXPECT_FALSE(date->isEditable() || month->isEditable() || year->isEditable());
        EXPECT_EQ(date->currentText() + month->currentText() + year->currentText(), "1January1950");
        const auto* name = control<QLineEdit>(entry(), QStringLiteral("txt%1Name").arg(QLatin1String(who)));
        EXPECT_TRUE(name->text().isEmpty());
    }

    QStringList frames;
    for (const QGroupBox* frame : entry()->findChildren<QGroupBox*>())
        frames.append(frame->title());
    EXPECT_EQ(frames, QStringList({"Please Fill in Your Personal Details", "Your Details", "Your Partner's Details"}));
    QStringList labels;
    for (const QLabel* label : inEntry<QGroupBox>("fraPartnerDetails")->findChildren<QLabel*>())
        labels.append(label->text());
    EXPECT_EQ(labels, QStringList({"Name :-", "Date O Birth :-", "Date", "Month", "Year"}));
    EXPECT_EQ(inEntry<QLineEdit>("txtPartnerName")->accessibleName(), "Your partner's name");
    EXPECT_EQ(inEntry<QComboBox>("cmbMonth")->accessibleName(), "Your birth month");
    EXPECT_EQ(inEntry<QPushButton>("Command1")->text(), "Get My &Egyptian Astrology Compatibility");
}

TEST_F(EgyptianEntry, MenusOfferTheCalculationAndTheCommonHelp)
{
    const QList<QAction*> bar = frame.menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(menuTexts(bar[0]->menu()),
              QStringList({"mnuAstro=Get My Egyptian Astrology Compatibility", "mnuExit=E&xit"}));
    EXPECT_EQ(menuTexts(bar[1]->menu()),
              QStringList({"mnuOnline=&Online Help", "mnuVisit=&Visit Us Online", "-",
                           "mnuUpdate=Check for Software &Update", "-", "mnuAbout=&About Software"}));
    EXPECT_EQ(bar[2]->objectName(), "mkmoney");
    EXPECT_FALSE(bar[2]->isEnabled());

    enter(QString(), {"ANN", 1950y / January / 1});
    enter(QStringLiteral("Partner"), {"BO", 1950y / January / 1});
    bar[0]->menu()->actions().at(0)->trigger();
    EXPECT_TRUE(onScreen(result()));
}

TEST_F(EgyptianEntry, BothNameBoxesTakeCapitalsAndRefuseOtherCharactersWithThisWindowsMessage)
{
    for (const char* box : {"txtName", "txtPartnerName"}) {
        SCOPED_TRACE(box);
        platform.messages.clear();
        auto* name = inEntry<QLineEdit>(box);
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("an7n"));
        EXPECT_EQ(name->text(), "ANN");
        EXPECT_EQ(messages(), QStringList{"Please Enter Only Alphabet"});
    }
}

struct Refusal {
    const char* name;
    Person user;
    Person partner;
    const char* message;
    const char* focus; // the name box that takes the focus, or null
};

void PrintTo(const Refusal& refusal, std::ostream* out)
{
    *out << refusal.name;
}

class EgyptianValidation : public velmora::testing::EgyptianFixture, public ::testing::WithParamInterface<Refusal> {};

TEST_P(EgyptianValidation, ShowsTheFirstFailingCheckAndKeepsEverything)
{
    const Refusal& refusal = GetParam();
    inEntry<QPushButton>("Command1")->setFocus();
    calculate(refusal.user, refusal.partner);

    EXPECT_EQ(messages(), QStringList{QLatin1String(refusal.message)});
    EXPECT_EQ(platform.messages.at(0).icon, ui::MessageIcon::Information);
    EXPECT_EQ(result(), nullptr);
    EXPECT_TRUE(onScreen(entry()));
    ASSERT_NE(entry()->focusWidget(), nullptr);
    EXPECT_EQ(entry()->focusWidget()->objectName(), refusal.focus ? refusal.focus : "Command1");
    EXPECT_EQ(inEntry<QComboBox>("cmbYear")->currentText(),
              QString::number(static_cast<int>(refusal.user.birthDate.year())));
    EXPECT_EQ(inEntry<QComboBox>("cmbPartnerDate")->currentText(),
              QString::number(static_cast<unsigned>(refusal.partner.birthDate.day())));
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, EgyptianValidation,
    ::testing::Values(
        Refusal{"BothNamesEmpty", {"", 1950y / January / 1}, {"", 1950y / January / 1},
                "Please Enter Your Name!", "txtName"},
        Refusal{"PartnerNameEmpty", {"ANN", 1950y / April / 31}, {"", 1950y / January / 1},
                "Please Enter Your Partner's Name!", "txtPartnerName"},
        Refusal{"Feb29NotDivisibleBy4", {"ANN", 1951y / February / 29}, {"BO", 1950y / January / 1},
                "Please Enter Your Correct Date Or Month!", nullptr},
        Refusal{"April31", {"ANN", 1950y / April / 31}, {"BO", 1950y / January / 1},
                "Please Enter Your Correct Date Or Month !", nullptr},
        Refusal{"PartnerApril31", {"ANN", 1950y / January / 1}, {"BO", 1950y / April / 31},
                "Please Enter Your Partner's Correct Date Or Month !", nullptr},
        Refusal{"BothDatesWrong", {"ANN", 1950y / June / 31}, {"BO", 1950y / February / 30},
                "Please Enter Your Correct Date Or Month !", nullptr}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

struct Acceptance {
    const char* name;
    Person user;
    const char* sign;
};

void PrintTo(const Acceptance& acceptance, std::ostream* out)
{
    *out << acceptance.name;
}

class EgyptianAcceptedDates : public velmora::testing::EgyptianFixture,
                              public ::testing::WithParamInterface<Acceptance> {};

TEST_P(EgyptianAcceptedDates, GiveTheirSignForTheUserAndThePartnerAlike)
{
    const Acceptance& accepted = GetParam();
    calculate(accepted.user, {"BO", accepted.user.birthDate});
    EXPECT_TRUE(messages().isEmpty());
    ASSERT_TRUE(onScreen(result()));
    EXPECT_EQ(inResult("lblGodName")->text(), accepted.sign);
    EXPECT_EQ(inResult("lblPartnerGodName")->text(), accepted.sign);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, EgyptianAcceptedDates,
    ::testing::Values(Acceptance{"Feb29In2000", {"ANN", 2000y / February / 29}, "Geb"},
                      Acceptance{"Feb29In1952", {"ANN", 1952y / February / 29}, "Geb"},
                      Acceptance{"March31", {"ANN", 1951y / March / 31}, "Isis"},
                      Acceptance{"NameOfBlanks", {"   ", 2099y / April / 30}, "Horus"}),
    [](const ::testing::TestParamInfo<Acceptance>& info) { return std::string(info.param.name); });

TEST_F(EgyptianEntry, KeepsNamesAsTypedBlanksAndAll)
{
    calculate({" ANN", 1950y / January / 1}, {"BO  LEE ", 1950y / January / 1});
    ASSERT_TRUE(onScreen(result()));
    EXPECT_EQ(result()->reading().User.Name, u" ANN");
    EXPECT_EQ(result()->reading().Partner.Name, u"BO  LEE ");
    EXPECT_EQ(tabs()->tabText(0), " ANN's Characteristics");
    EXPECT_EQ(inResult("lblYourPartnerName")->text(), "BO  LEE ");
}

TEST_F(EgyptianEntry, TheDefaultsGiveTheNileForBoth)
{
    auto* name = inEntry<QLineEdit>("txtName");
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("ann"));
    enter(QStringLiteral("Partner"), {"BO", 1950y / January / 1});
    QTest::mouseClick(inEntry("Command1"), Qt::LeftButton);

    ASSERT_TRUE(onScreen(result()));
    EXPECT_FALSE(onScreen(entry()));
    EXPECT_NE(entry(), nullptr) << "the entry window stays loaded while hidden";
    EXPECT_FALSE(frame.isWelcomePanelVisible());
    const QSize pictureSize = inResult("picGod")->contentsRect().size();
    const QImage theNile = kit::pictures::render(QStringLiteral(":/egyptian/signs/TheNile.svg"), pictureSize).toImage();
    ASSERT_NE(theNile, kit::pictures::render(QStringLiteral(":/egyptian/signs/default.svg"), pictureSize).toImage())
        << "the sign's picture must differ from the one the window opens with";
    EXPECT_EQ(inResult("picGod")->pixmap().toImage(), theNile);
    EXPECT_EQ(inResult("picPartnerGod")->pixmap().toImage(), theNile);
    EXPECT_EQ(inResult("lblGodName")->text(), "The Nile");
    EXPECT_EQ(inResult("lblPartnerGodName")->text(), "The Nile");
    EXPECT_EQ(inResult("lblCompatibility")->text(), "You both are not very compatible");
    EXPECT_EQ(inResult("lblYourName")->text(), "ANN");
    EXPECT_EQ(inResult("lblYourPartnerName")->text(), "BO");
    EXPECT_EQ(inResult("lblYourDateOfBirth")->text(), "1/January/1950");
    EXPECT_EQ(inResult("lblYourPartnerDateOfBirth")->text(), "1/January/1950");
    EXPECT_EQ(inResult("lblYourEgyptianSign")->text(), "The Nile");
    EXPECT_EQ(inResult("lblYourPartnerEgyptianSign")->text(), "The Nile");
    EXPECT_EQ(tabs()->tabText(0), "ANN's Characteristics");
    EXPECT_EQ(tabs()->tabText(1), "BO's Characteristics");
    EXPECT_EQ(tabs()->tabText(2), "Compatibility With Your Partner");
    EXPECT_EQ(tabs()->currentIndex(), 2);
}

TEST_F(EgyptianEntry, BackShowsTheEntryAsLeftAndAnotherCalculationShowsOnlyTheNewReadings)
{
    calculate({"ANN", 1961y / September / 25}, {"BO", 1999y / October / 10});
    QTest::mouseClick(control<QPushButton>(result(), QStringLiteral("cmdBack")), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(result(), nullptr);
    ASSERT_TRUE(onScreen(entry()));
    EXPECT_FALSE(frame.isWelcomePanelVisible());
    EXPECT_EQ(inEntry<QLineEdit>("txtName")->text(), "ANN");
    EXPECT_EQ(inEntry<QComboBox>("cmbDate")->currentText() + inEntry<QComboBox>("cmbMonth")->currentText()
                  + inEntry<QComboBox>("cmbYear")->currentText(),
              "25September1961");
    EXPECT_EQ(inEntry<QComboBox>("cmbPartnerMonth")->currentText(), "October");

    inEntry<QComboBox>("cmbMonth")->setCurrentText(QStringLiteral("May"));
    inEntry<QComboBox>("cmbDate")->setCurrentText(QStringLiteral("15"));
    QTest::mouseClick(inEntry("Command1"), Qt::LeftButton);
    ASSERT_NE(result(), nullptr);
    const QString userReading = reading("RTB")->toPlainText();
    EXPECT_EQ(userReading.count(QStringLiteral("Your Egyptian Astrology Sign is :-")), 1);
    EXPECT_TRUE(userReading.startsWith(QStringLiteral("Your Egyptian Astrology Sign is :-Anubis\n")));
    EXPECT_EQ(reading("PartnerRTB")->toPlainText().count(QStringLiteral("Sign is :-")), 1);
    EXPECT_EQ(inResult("lblCompatibility")->text(), "You both are very highly compatible");
}

TEST_F(EgyptianEntry, ExitClosesTheEntryAndShowsTheWelcomePanel)
{
    const QList<QAction*> bar = frame.menuBar()->actions();
    control<QAction>(bar[0]->menu(), QStringLiteral("mnuExit"))->trigger();
    QApplication::processEvents();
    EXPECT_EQ(entry(), nullptr);
    EXPECT_TRUE(frame.isWelcomePanelVisible());
}
