#include "JapaneseFixture.h"

#include <QMdiSubWindow>
#include <QMenu>

#include <ostream>

using namespace velmora;
using velmora::testing::EnteredPerson;

namespace {

const EnteredPerson kAnna{"ANNA", "Female", "A+"};
const EnteredPerson kTom{"TOM", "Male", "A+"};

} // namespace

class JapaneseEntry : public velmora::testing::JapaneseFixture {};

TEST_F(JapaneseEntry, OpensWithFilledListsOnTheirFirstEntries)
{
    ASSERT_TRUE(onScreen(entry()));
    EXPECT_EQ(entry()->windowTitle(), "Velmora Japanese Astrology Compatibility");
    EXPECT_FALSE(frame.isWelcomePanelVisible());
    expectPlacedAtTheTopCentre(entry());
    const QStringList bloodTypes = {"A+", "A-", "B+", "B-", "AB+", "AB-", "O+", "O-"};
    for (const char* mark : {"", "Partner"}) {
        SCOPED_TRACE(mark);
        QComboBox* sex = list(QByteArray("cbo") + mark + "Sex");
        QComboBox* bloodType = list(QByteArray("cbo") + mark + "BloodType");
        ASSERT_TRUE(sex && bloodType);
        QStringList sexes;
        QStringList types;
        for (int i = 0; i < sex->count(); ++i)
            sexes.append(sex->itemText(i));
        for (int i = 0; i < bloodType->count(); ++i)
            types.append(bloodType->itemText(i));
        EXPECT_EQ(sexes, QStringList({"Male", "Female"}));
        EXPECT_EQ(types, bloodTypes);
        EXPECT_EQ(sex->currentText(), "Male");
        EXPECT_EQ(bloodType->currentText(), "A+");
        EXPECT_FALSE(sex->isEditable());
        EXPECT_FALSE(bloodType->isEditable());
        EXPECT_TRUE(box(QByteArray("txt") + mark + "Name")->text().isEmpty());
    }
    // The captions read alike in both frames; screen readers are told whose.
    EXPECT_EQ(box("txtName")->accessibleName(), "Your name");
    EXPECT_EQ(box("txtPartnerName")->accessibleName(), "Your partner's name");
    EXPECT_EQ(list("cboPartnerSex")->accessibleName(), "Your partner's sex");
    EXPECT_EQ(list("cboBloodType")->accessibleName(), "Your blood type");
    EXPECT_EQ(child<QGroupBox>(entry(), QStringLiteral("fraPartnerDetails"))->title(), "Enter Your Partner Details");
    EXPECT_EQ(child<QLabel>(entry(), QStringLiteral("Label7"))->text(),
              "Velmora Japanese Atrology Compatibility is based on matching personalities with blood type. Enter your "
              "blood type and know more about yourself and your compatibility traits.");
    EXPECT_EQ(child<QPushButton>(entry(), QStringLiteral("cmdProceed"))->text(), "Find My Compatibility With My Partner");
    EXPECT_EQ(QApplication::focusWidget(), box("txtName"));
}

TEST_F(JapaneseEntry, TabVisitsTheInputsInOrder)
{
    const char* const order[] = {"txtName",        "cboSex",        "cboBloodType",
                                 "txtPartnerName", "cboPartnerSex", "cboPartnerBloodType",
                                 "cmdProceed",     "cmdExit",       "Label61",
                                 "lblFullBrand",   "lblCobrand"};
    box("txtName")->setFocus();
    for (const char* name : order) {
        EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

TEST_F(JapaneseEntry, PlacesItsControlsAtTheirTwips)
{
    struct Place {
        const char* name;
        int left, top, width;
    };
    // Positions within the window, the frames' offsets added.
    const Place places[] = {{"txtName", 1680, 1560 + 480, 3495},        {"cboBloodType", 4320, 1560 + 1080, 855},
                            {"cboPartnerSex", 1680, 3240 + 1080, 1095},  {"cmdProceed", 20, 4980, 4860},
                            {"cmdExit", 4920, 4980, 1380}};
    for (const Place& place : places) {
        const QWidget* control = child(entry(), QLatin1String(place.name));
        ASSERT_NE(control, nullptr) << place.name;
        const QRect rect(control->mapTo(entry(), QPoint(0, 0)), control->size());
        EXPECT_NEAR(ui::pixelsToTwips(rect.x()), place.left, 15) << place.name;
        EXPECT_NEAR(ui::pixelsToTwips(rect.y()), place.top, 15) << place.name;
        EXPECT_NEAR(ui::pixelsToTwips(rect.width()), place.width, 15) << place.name;
    }
}

TEST_F(JapaneseEntry, NameBoxesTakeLettersInCapitalsAndBlanks)
{
    for (const char* name : {"txtName", "txtPartnerName"}) {
        SCOPED_TRACE(name);
        QLineEdit* input = box(name);
        input->setFocus();
        QTest::keyClicks(input, "abc De");
        EXPECT_EQ(input->text(), "ABC DE");
        QTest::keyClick(input, Qt::Key_Backspace);
        EXPECT_EQ(input->text(), "ABC D");
        EXPECT_TRUE(platform.messages.empty());
    }
}

TEST_F(JapaneseEntry, NameBoxesRefuseOtherCharactersWithAMessage)
{
    QLineEdit* input = box("txtPartnerName");
    input->setFocus();
    QTest::keyClicks(input, "ab");
    for (const char typed : {'1', '-', '.', '\''}) {
        SCOPED_TRACE(typed);
        platform.messages.clear();
        QTest::keyClick(input, typed);
        EXPECT_EQ(input->text(), "AB");
        ASSERT_EQ(messages(), QStringList{"Please Enter only Letters"});
        EXPECT_EQ(platform.messages[0].icon, ui::MessageIcon::Information);
        EXPECT_EQ(platform.messages[0].caption, "Velmora Suite");
    }
    platform.messages.clear();
    QTest::keyClick(input, Qt::Key_Left);
    QTest::keyClick(input, Qt::Key_Delete);
    EXPECT_EQ(input->text(), "A");
    EXPECT_TRUE(platform.messages.empty()) << "keys that type nothing pass";
}

struct Refusal {
    const char* label;
    QString user;
    QString partner;
    const char* message;
    const char* focus;
};

void PrintTo(const Refusal& refusal, std::ostream* out)
{
    *out << refusal.label;
}

class JapaneseValidation : public velmora::testing::JapaneseFixture, public ::testing::WithParamInterface<Refusal> {};

TEST_P(JapaneseValidation, StopsAtTheFirstEmptyNameWithItsMessage)
{
    const Refusal& r = GetParam();
    find({r.user, "Male", "B+"}, {r.partner, "Male", "O-"});
    ASSERT_EQ(messages(), QStringList{QLatin1String(r.message)});
    EXPECT_EQ(platform.messages[0].icon, ui::MessageIcon::None);
    EXPECT_EQ(QApplication::focusWidget(), box(r.focus));
    EXPECT_TRUE(onScreen(entry()));
    EXPECT_EQ(result(), nullptr) << "nothing computed";
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, JapaneseValidation,
    ::testing::Values(Refusal{"BothNamesEmpty", "", "", "Please Enter Your Name !", "txtName"},
                      Refusal{"UserNameEmpty", "", "TOM", "Please Enter Your Name !", "txtName"},
                      Refusal{"PartnerNameEmpty", "ANNA", "", "Please Enter Your Partner Name !", "txtPartnerName"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.label); });

TEST_F(JapaneseEntry, NamesOfBlanksPass)
{
    find({"  ", "Male", "A+"}, {" ", "Male", "A+"});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(onScreen(result()));
}

TEST_F(JapaneseEntry, FindWithTheFirstEntriesShowsTwoFarmersInAnExcellentMatch)
{
    find(kAnna, kTom);
    ASSERT_TRUE(onScreen(result()));
    EXPECT_FALSE(onScreen(entry()));
    EXPECT_NE(entry(), nullptr) << "hidden, not closed";
    EXPECT_FALSE(frame.isWelcomePanelVisible());
    EXPECT_EQ(shown("lblJapaneseName"), "The Farmer");
    EXPECT_EQ(shown("lblPartnerJapaneseName"), "The Farmer");
    EXPECT_EQ(shown("lblCompatibilityWithPartners"), "An Excellent Match");
    EXPECT_EQ(shown("lblKeywords"), "Perfectionist,Punctual,Traditional,Stubborn,Obsessive");
    EXPECT_EQ(shown("lblYourName"), "ANNA");
    EXPECT_EQ(shown("lblPartnerBloodType"), "A+");
    EXPECT_EQ(child<QGroupBox>(result(), QStringLiteral("fraUser"))->title(), "ANNA's Characteristics");
    EXPECT_EQ(child<QGroupBox>(result(), QStringLiteral("fraPartner"))->title(), "TOM's Characteristics");
}

TEST_F(JapaneseEntry, FindWritesEachPersonsProfileAndTheMatch)
{
    find({"ANNA", "Female", "O+"}, {"TOM", "Male", "B-"});
    EXPECT_EQ(shown("lblJapaneseName"), "The Warrior");
    EXPECT_EQ(shown("lblPartnerJapaneseName"), "The Hunter");
    EXPECT_EQ(shown("lblKeywords"), "Extrovert,Leaders,Ambitious,Arrogant,Self-Confident");
    EXPECT_EQ(shown("lblPartnerKeywords"), "Achievers,Optimistic,Unconventional,Flexible,Sensitive");
    EXPECT_TRUE(shown("lblCharacteristics").startsWith("You are an outgoing extrovert"));
    EXPECT_TRUE(shown("lblPartnerCharacteristics").startsWith("You are an achiever"));
    EXPECT_EQ(shown("lblFamousPersonalities").count(", "), 3);
    EXPECT_NE(shown("lblFamousPersonalities"), shown("lblPartnerFamousPersonalities"));
    EXPECT_EQ(shown("lblCompatibilityWithPartners"), "An Average Match");
    EXPECT_EQ(shown("lblYourBloodType"), "O+");
    EXPECT_EQ(shown("lblPartnerBloodType"), "B-");
}

TEST_F(JapaneseEntry, TheFileMenuFindsAndExits)
{
    const QList<QAction*> bar = entry()->menuBarActions();
    ASSERT_FALSE(bar.isEmpty());
    QStringList items;
    for (const QAction* item : bar.first()->menu()->actions())
        items.append(item->text());
    EXPECT_EQ(items, QStringList({"Find My Compatibility With My Partner", "E&xit"}));
    EXPECT_NE(child<QAction>(entry(), QStringLiteral("mnuUpdate")), nullptr);
    EXPECT_EQ(child<QAction>(entry(), QStringLiteral("mnuUpdate"))->text(), "Check for Software &Update");

    enter(kAnna, kTom);
    child<QAction>(entry(), QStringLiteral("mnuTesBloodType"))->trigger();
    EXPECT_TRUE(onScreen(result()));
    result()->cmdBack_Click();
    child<QAction>(entry(), QStringLiteral("mnuExit"))->trigger();
    QApplication::processEvents();
    EXPECT_EQ(entry(), nullptr);
    EXPECT_TRUE(frame.isWelcomePanelVisible());
}

// Enter goes to `cmdExit` unless a button has the focus; Esc always does.
TEST_F(JapaneseEntry, EnterInANameBoxAndEscOnAListCloseTheWindow)
{
    const std::pair<const char*, Qt::Key> presses[] = {{"txtName", Qt::Key_Return},
                                                       {"cboPartnerBloodType", Qt::Key_Escape},
                                                       {"txtPartnerName", Qt::Key_Escape}};
    for (const auto& [control, key] : presses) {
        SCOPED_TRACE(control);
        frame.cmdSelectOption_Click(2);
        ASSERT_NE(entry(), nullptr);
        enter(kAnna, kTom);
        QWidget* target = child(entry(), QLatin1String(control));
        target->setFocus();
        QTest::keyClick(target, key);
        QApplication::processEvents();
        EXPECT_EQ(entry(), nullptr);
        EXPECT_EQ(result(), nullptr) << "nothing computed";
        EXPECT_TRUE(frame.isWelcomePanelVisible());
        EXPECT_TRUE(platform.messages.empty());
    }
}

TEST_F(JapaneseEntry, EnterOnTheFindButtonFinds)
{
    enter(kAnna, kTom);
    auto* proceed = child<QPushButton>(entry(), QStringLiteral("cmdProceed"));
    proceed->setFocus();
    QTest::keyClick(proceed, Qt::Key_Return);
    EXPECT_TRUE(onScreen(result()));
}
