#include "egyptian/EgyptianReading.h"
#include "egyptian/Lookups.h"
#include "kit/Pictures.h"
#include "tests/egyptian/EgyptianFixture.h"
#include "tests/support/WordProcessor.h"
#include "ui/RichTextBox.h"
#include "ui/Text.h"

#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTextCursor>

using velmora::testing::control;

using namespace velmora;
using namespace std::chrono;
using velmora::testing::readWithAbiWord;

namespace {

const QColor kDarkRed(128, 0, 0);
const QColor kDarkBlue(0, 0, 128);

QTextCharFormat formatAt(const QTextEdit* view, const QString& text)
{
    QTextCursor cursor(view->document());
    cursor.setPosition(static_cast<int>(view->toPlainText().indexOf(text)) + 1);
    return cursor.charFormat();
}

} // namespace

class EgyptianResult : public velmora::testing::EgyptianFixture {
protected:
    void calculateAmonRaAndHorus() { calculate({"ANN", 1970y / January / 15}, {"BO", 1971y / April / 25}); }

    void select(int from, int to)
    {
        QTextCursor cursor(reading("RTB")->document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        reading("RTB")->setTextCursor(cursor);
    }

    QPushButton* button(const char* name) { return control<QPushButton>(result(), QLatin1String(name)); }
};

TEST_F(EgyptianResult, WritesEachReadingLabelByLabelWithABlankLineBetween)
{
    calculateAmonRaAndHorus();
    const egyptian::EgyptianProfile amonRa = egyptian::GetEgyptianProfile(egyptian::EgyptianSign::AmonRa);
    const QString expected =
        QStringLiteral("Your Egyptian Astrology Sign is :-Amon Ra\n\n"
                       "Ruling Deity :-Amon-Ra\n\n"
                       "Appearance :-A man with blue skin wearing a crown having double feather plumes\n\n"
                       "Sacred Animal :-Ram and Goose\n\n"
                       "Keywords :-Generous, Fruitful and Helpful\n\n"
                       "Compatible Signs :-The Nile and Horus\n\n"
                       "Lucky Color for Male :-Yellow\n\n"
                       "Lucky Color for Female :-Orange\n\n"
                       "Polarity :-Masculine\n\n"
                       "Role :-The god of Creation\n\n"
                       "Corresponding Zodiac Sign :-Taurus\n\n"
                       "Description of God/ Goddess :-")
        + ui::toQString(amonRa.Description) + QStringLiteral("\n\nCharacteristics of people under this Sign :-")
        + ui::toQString(amonRa.Characteristics) + QStringLiteral("\n");
    EXPECT_EQ(reading("RTB")->toPlainText(), expected);
    EXPECT_TRUE(reading("PartnerRTB")->toPlainText().startsWith(
        QStringLiteral("Your Partner's Egyptian Astrology Sign is :-Horus\n\nRuling Deity :-Horus\n\n")));
    EXPECT_EQ(reading("RTB")->textCursor().position(), 0);
    EXPECT_EQ(reading("PartnerRTB")->textCursor().position(), 0);
}

TEST_F(EgyptianResult, ColoursLabelsTheSignAndValues)
{
    calculateAmonRaAndHorus();
    const QTextEdit* view = reading("RTB");
    struct Run {
        const char* text;
        QColor color;
        bool bold;
    };
    for (const Run& run : {Run{"Your Egyptian", kDarkRed, true}, Run{"Amon Ra", kDarkBlue, true},
                           Run{"Ruling Deity :-", kDarkRed, true}, Run{"Amon-Ra", Qt::black, false},
                           Run{"Characteristics of people", kDarkRed, true}}) {
        const QTextCharFormat format = formatAt(view, QLatin1String(run.text));
        EXPECT_EQ(format.foreground().color(), run.color) << run.text;
        EXPECT_EQ(format.fontWeight() == QFont::Bold, run.bold) << run.text;
    }
    EXPECT_EQ(formatAt(view, QStringLiteral("You are generous")).foreground().color(), QColor(Qt::black));
}

struct Pairing {
    const char* name;
    velmora::testing::Person user;
    velmora::testing::Person partner;
    const char* userSign;
    const char* partnerSign;
    const char* verdict;
};

void PrintTo(const Pairing& pairing, std::ostream* out)
{
    *out << pairing.name;
}

class EgyptianPairings : public velmora::testing::EgyptianFixture, public ::testing::WithParamInterface<Pairing> {};

TEST_P(EgyptianPairings, ShowBothSignsAndTheUsersVerdict)
{
    const Pairing& pairing = GetParam();
    calculate(pairing.user, pairing.partner);
    ASSERT_NE(result(), nullptr);
    EXPECT_EQ(inResult("lblGodName")->text(), pairing.userSign);
    EXPECT_EQ(inResult("lblPartnerGodName")->text(), pairing.partnerSign);
    EXPECT_EQ(inResult("lblYourPartnerEgyptianSign")->text(), pairing.partnerSign);
    EXPECT_EQ(inResult("lblCompatibility")->text(), pairing.verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EgyptianPairings,
    ::testing::Values(Pairing{"BastetTwice", {"ANN", 1960y / September / 25}, {"BO", 1962y / October / 10},
                              "Bastet", "Bastet", "You both are not very compatible"},
                      Pairing{"AnubisWithIsis", {"ANN", 1960y / May / 15}, {"BO", 1962y / October / 20},
                              "Anubis", "Isis", "You both are very highly compatible"},
                      Pairing{"HorusWithAmonRa", {"ANN", 1971y / April / 25}, {"BO", 1970y / January / 15},
                              "Horus", "Amon Ra", "You both are not very compatible"}),
    [](const ::testing::TestParamInfo<Pairing>& info) { return std::string(info.param.name); });

TEST_F(EgyptianResult, SavesTheUsersReadingAsRichTextWhicheverTabIsInFront)
{
    calculateAmonRaAndHorus();
    for (int tab = 0; tab < 3; ++tab) {
        tabs()->setCurrentIndex(tab);
        platform.fileDialogAnswers.push_back(QStringLiteral("/readings/tab%1.rtf").arg(tab));
        QTest::mouseClick(button("cmdSave"), Qt::LeftButton);
    }
    ASSERT_EQ(platform.fileDialogs.size(), 3u);
    const ui::FileDialogRequest& request = platform.fileDialogs[0].request;
    EXPECT_TRUE(platform.fileDialogs[0].save);
    EXPECT_EQ(request.filter, "Rich Text Format | *.rtf ");
    EXPECT_EQ(request.defaultExtension, "rtf") << "a name typed without an extension is saved as rich text";
    EXPECT_EQ(request.title, "Velmora Suite");

    const QByteArray saved = platform.writtenFiles.value(QStringLiteral("/readings/tab0.rtf"));
    EXPECT_EQ(platform.writtenFiles.value(QStringLiteral("/readings/tab1.rtf")), saved);
    EXPECT_EQ(platform.writtenFiles.value(QStringLiteral("/readings/tab2.rtf")), saved);
    const QString read = readWithAbiWord(saved);
    EXPECT_TRUE(read.startsWith(QStringLiteral("Your Egyptian Astrology Sign is :-Amon Ra"))) << read.toStdString();
    EXPECT_EQ(read, reading("RTB")->toPlainText().trimmed());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(EgyptianResult, PrintsTheUsersReadingWhicheverTabIsInFront)
{
    calculateAmonRaAndHorus();
    tabs()->setCurrentIndex(1);
    platform.printDialogAnswers = {true};
    QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);
    ASSERT_EQ(platform.printed.size(), 1u);
    EXPECT_TRUE(platform.printed[0].throughDialog);
    EXPECT_EQ(platform.printed[0].text, reading("RTB")->toPlainText());
}

TEST_F(EgyptianResult, BothReadingBoxesAreGuardedReadingViews)
{
    calculateAmonRaAndHorus();
    for (int tab : {0, 1}) {
        tabs()->setCurrentIndex(tab);
        ui::RichTextBox* box = reading(tab == 0 ? "RTB" : "PartnerRTB");
        EXPECT_TRUE(box->isReadOnly());
        const int before = platform.clipboardClears;
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        EXPECT_GT(platform.clipboardClears, before) << tab;
    }
}

// Names are shown as typed: markup stays text, and an ampersand in a tab
// caption is shown, not taken as a shortcut mark.
TEST_F(EgyptianResult, ShowsNamesAsTyped)
{
    calculate({"<b>ANN</b>", 1970y / January / 15}, {"R&B", 1971y / April / 25});
    ASSERT_NE(result(), nullptr);
    EXPECT_EQ(tabs()->tabText(0), "<b>ANN</b>'s Characteristics");
    EXPECT_EQ(tabs()->tabText(1), "R&&B's Characteristics");
    for (const char* name : {"lblYourName", "lblYourPartnerName"}) {
        EXPECT_EQ(inResult(name)->textFormat(), Qt::PlainText) << name;
    }
    EXPECT_EQ(inResult("lblYourName")->text(), "<b>ANN</b>");
    EXPECT_EQ(inResult("lblYourPartnerName")->text(), "R&B");
}

// The window keeps the reading it is given; a second reading replaces the
// first in every view.
TEST_F(EgyptianResult, AReadingShownAgainReplacesTheOldOne)
{
    calculateAmonRaAndHorus();
    const egyptian::EgyptianReadingRecord bastets =
        egyptian::CalculateEgyptianReading({u"CY", 1960y / September / 25}, {u"DI", 1962y / October / 10});
    result()->showReading(bastets);

    EXPECT_EQ(result()->reading().User.Name, u"CY");
    EXPECT_EQ(result()->reading().Partner.SignName, "Bastet");
    const QString userReading = reading("RTB")->toPlainText();
    EXPECT_TRUE(userReading.startsWith(QStringLiteral("Your Egyptian Astrology Sign is :-Bastet\n"))) << userReading.toStdString();
    EXPECT_EQ(userReading.count(QStringLiteral("Sign is :-")), 1);
    EXPECT_EQ(reading("PartnerRTB")->toPlainText().count(QStringLiteral("Sign is :-")), 1);
    EXPECT_EQ(inResult("lblGodName")->text(), "Bastet");
    EXPECT_EQ(inResult("lblYourDateOfBirth")->text(), "25/September/1960");
    EXPECT_EQ(inResult("lblCompatibility")->text(), "You both are not very compatible");
    EXPECT_EQ(tabs()->tabText(1), "DI's Characteristics");
    const QSize size = inResult("picGod")->contentsRect().size();
    EXPECT_EQ(inResult("picGod")->pixmap().toImage(),
              kit::pictures::render(QStringLiteral(":/egyptian/signs/Bastet.svg"), size).toImage());
}

TEST_F(EgyptianResult, MenusKeepSaveAndPrintUnavailableAndOfferBack)
{
    calculateAmonRaAndHorus();
    const QList<QAction*> bar = frame.menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    QStringList file;
    for (const QAction* item : bar[0]->menu()->actions())
        file.append(item->objectName() + (item->isEnabled() ? QStringLiteral("=") : QStringLiteral(" off="))
                    + item->text());
    EXPECT_EQ(file, QStringList({"mnuSave off=&Save", "mnuPrint off=&Print", "mnuBack=&Back", "mnuExit=E&xit"}));
    EXPECT_EQ(control<QAction>(bar[1]->menu(), QStringLiteral("mnuUpdate"))->text(), "&Check for Software Update");
    EXPECT_FALSE(bar[2]->isEnabled());

    control<QAction>(bar[0]->menu(), QStringLiteral("mnuBack"))->trigger();
    QApplication::processEvents();
    EXPECT_EQ(result(), nullptr);
    EXPECT_TRUE(onScreen(entry()));
    EXPECT_FALSE(frame.isWelcomePanelVisible());
}

TEST_F(EgyptianResult, ExitLeavesTheEntryHiddenAndShowsTheWelcomePanel)
{
    calculateAmonRaAndHorus();
    QTest::mouseClick(button("cmExit"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(result(), nullptr);
    EXPECT_TRUE(frame.isWelcomePanelVisible());
    ASSERT_NE(entry(), nullptr);
    EXPECT_FALSE(onScreen(entry()));
}
