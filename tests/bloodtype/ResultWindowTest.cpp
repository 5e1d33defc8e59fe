#include "tests/bloodtype/JapaneseFixture.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>

using velmora::testing::control;

using namespace velmora;
using velmora::testing::Person;

class JapaneseResult : public velmora::testing::JapaneseFixture {
protected:
    QTabWidget* tabs() const { return control<QTabWidget>(result(), QStringLiteral("SSTab1")); }
    QList<QMdiSubWindow*> framesOnScreen()
    {
        QList<QMdiSubWindow*> shown;
        for (QMdiSubWindow* sub : frame.findChild<QMdiArea*>()->subWindowList())
            if (sub->isVisible())
                shown.append(sub);
        return shown;
    }
};

TEST_F(JapaneseResult, OpensOnTheCompatibilityTab)
{
    find({"ANNA", "Male", "A+"}, {"TOM", "Male", "A+"});
    ASSERT_NE(tabs(), nullptr);
    expectPlacedAtTheTopCentre(result());
    ASSERT_EQ(tabs()->count(), 2);
    EXPECT_EQ(tabs()->tabText(0), "Personality Characteristics");
    EXPECT_EQ(tabs()->tabText(1), "Compatibility Characteristics");
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_TRUE(control<QGroupBox>(result(), QStringLiteral("fraCompatibility"))->isVisible());
    EXPECT_EQ(control<QGroupBox>(result(), QStringLiteral("fraCompatibility"))->title(),
              "Velmora Japanese Astrology Compatibility Results");
    EXPECT_FALSE(control<QGroupBox>(result(), QStringLiteral("fraUser"))->isVisible());

    QTest::mouseClick(tabs()->tabBar(), Qt::LeftButton, {}, tabs()->tabBar()->tabRect(0).center());
    EXPECT_TRUE(control<QGroupBox>(result(), QStringLiteral("fraUser"))->isVisible());
    EXPECT_TRUE(control<QGroupBox>(result(), QStringLiteral("fraPartner"))->isVisible());
}

TEST_F(JapaneseResult, BackShowsTheEntriesAsTheyWereAndASecondFindReplacesEveryValue)
{
    find({"ANNA", "Female", "AB-"}, {"TOM", "Male", "O-"});
    const QPointer<Result> first = result();
    tabs()->setCurrentIndex(0);
    QTest::mouseClick(control<QPushButton>(result(), QStringLiteral("cmdBack")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull()) << "Back closes the result window";
    ASSERT_TRUE(onScreen(entry()));
    EXPECT_FALSE(frame.isWelcomePanelVisible());
    EXPECT_EQ(box("txtName")->text(), "ANNA");
    EXPECT_EQ(list("cboSex")->currentText(), "Female");
    EXPECT_EQ(list("cboBloodType")->currentText(), "AB-");
    EXPECT_EQ(box("txtPartnerName")->text(), "TOM");
    EXPECT_EQ(list("cboPartnerSex")->currentText(), "Male");
    EXPECT_EQ(list("cboPartnerBloodType")->currentText(), "O-");

    find({"BO", "Female", "B+"}, {"KAI", "Male", "A-"});
    ASSERT_TRUE(onScreen(result()));
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_EQ(shown("lblYourName"), "BO");
    EXPECT_EQ(shown("lblPartnerName"), "KAI");
    EXPECT_EQ(shown("lblYourBloodType"), "B+");
    EXPECT_EQ(shown("lblPartnerBloodType"), "A-");
    EXPECT_EQ(shown("lblJapaneseName"), "The Hunter");
    EXPECT_EQ(shown("lblPartnerJapaneseName"), "The Farmer");
    EXPECT_EQ(shown("lblCompatibilityWithPartners"), "An Average Match");
    EXPECT_EQ(control<QGroupBox>(result(), QStringLiteral("fraUser"))->title(), "BO's Characteristics");
}

TEST_F(JapaneseResult, ExitLeavesTheWelcomePanelAndTheEntryWindowHiddenWithItsFields)
{
    find({"ANNA", "Male", "B-"}, {"TOM", "Male", "A+"});
    QTest::mouseClick(control<QPushButton>(result(), QStringLiteral("cmdExit")), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(result(), nullptr);
    EXPECT_TRUE(frame.isWelcomePanelVisible());
    EXPECT_TRUE(framesOnScreen().isEmpty());
    ASSERT_NE(entry(), nullptr);
    EXPECT_EQ(box("txtName")->text(), "ANNA");
    EXPECT_EQ(list("cboBloodType")->currentText(), "B-");
}

TEST_F(JapaneseResult, EnterAndEscCloseItUnlessBackHasTheFocus)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        find({"ANNA", "Male", "B-"}, {"TOM", "Male", "A+"});
        tabs()->setFocus();
        QTest::keyClick(tabs(), key);
        QApplication::processEvents();
        EXPECT_EQ(result(), nullptr) << key;
        EXPECT_TRUE(frame.isWelcomePanelVisible());
        entry()->showWindow();
    }
    find({"ANNA", "Male", "B-"}, {"TOM", "Male", "A+"});
    auto* back = control<QPushButton>(result(), QStringLiteral("cmdBack"));
    back->setFocus();
    QTest::keyClick(back, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(onScreen(entry())) << "Enter on Back goes back";
    EXPECT_FALSE(frame.isWelcomePanelVisible());
}

TEST_F(JapaneseResult, TheFileMenuGoesBackAndExits)
{
    find({"ANNA", "Male", "A+"}, {"TOM", "Male", "A+"});
    QStringList items;
    for (const QAction* item : result()->menuBarActions().first()->menu()->actions())
        items.append(item->text());
    EXPECT_EQ(items, QStringList({"&Back", "E&xit"}));
    EXPECT_EQ(control<QAction>(result(), QStringLiteral("mnuUpdate"))->text(), "&Check for Software Update");

    control<QAction>(result(), QStringLiteral("mnuFileBack"))->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(onScreen(entry()));
    EXPECT_EQ(result(), nullptr);

    find({"ANNA", "Male", "A+"}, {"TOM", "Male", "A+"});
    control<QAction>(result(), QStringLiteral("mnuExit"))->trigger();
    QApplication::processEvents();
    EXPECT_EQ(result(), nullptr);
    EXPECT_TRUE(frame.isWelcomePanelVisible());
}

// The two offers are both shown and both reachable: neither covers the other.
TEST_F(JapaneseResult, OfferLabelsSitSideBySideInBothWindows)
{
    find({"ANNA", "Male", "A+"}, {"TOM", "Male", "A+"});
    for (kit::CalculatorWindow* window : {static_cast<kit::CalculatorWindow*>(entry()),
                                            static_cast<kit::CalculatorWindow*>(result())}) {
        SCOPED_TRACE(window->objectName().toStdString());
        const QLabel* full = control<QLabel>(window, QStringLiteral("lblFullBrand"));
        const QLabel* cobrand = control<QLabel>(window, QStringLiteral("lblCobrand"));
        ASSERT_TRUE(full && cobrand);
        EXPECT_FALSE(full->isHidden());
        EXPECT_FALSE(cobrand->isHidden());
        EXPECT_FALSE(full->geometry().intersects(cobrand->geometry()));
        for (const QLabel* offer : {full, cobrand})
            EXPECT_LE(offer->heightForWidth(offer->width()), offer->height()) << "the whole offer shows";
    }
}

// Every profile paragraph shows whole: its label is tall enough for the
// wrapped text and lies within its frame.
TEST_F(JapaneseResult, EveryCharacteristicsParagraphShowsWhole)
{
    for (const char* bloodType : {"A+", "B+", "AB+", "O+"}) {
        SCOPED_TRACE(bloodType);
        find({"ANNA", "Male", bloodType}, {"TOM", "Male", bloodType});
        for (const char* name : {"lblCharacteristics", "lblPartnerCharacteristics", "lblKeywords",
                                 "lblPartnerKeywords", "lblFamousPersonalities"}) {
            const QLabel* label = control<QLabel>(result(), QLatin1String(name));
            ASSERT_NE(label, nullptr) << name;
            const int visibleHeight =
                std::min(label->y() + label->height(), label->parentWidget()->height()) - label->y();
            EXPECT_LE(label->heightForWidth(label->width()), visibleHeight) << name;
            EXPECT_LE(label->geometry().right(), label->parentWidget()->width()) << name;
        }
        result()->cmdBack_Click();
    }
}

// Names reach the labels only by pasting; they show as typed, never as markup
// or as a mnemonic.
TEST_F(JapaneseResult, NamesShowAsTheyWereEntered)
{
    const QString name = QStringLiteral("<b>A</b>&B \u00D6");
    find({name, "Male", "A+"}, {"TOM", "Male", "A+"});
    const QLabel* shownName = control<QLabel>(result(), QStringLiteral("lblYourName"));
    EXPECT_EQ(shownName->text(), name);
    EXPECT_EQ(shownName->textFormat(), Qt::PlainText);
    const QGroupBox* user = control<QGroupBox>(result(), QStringLiteral("fraUser"));
    EXPECT_EQ(user->title(), QStringLiteral("<b>A</b>&&B \u00D6's Characteristics"));
    EXPECT_TRUE(QKeySequence::mnemonic(user->title()).isEmpty());
}
