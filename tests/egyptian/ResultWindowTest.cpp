#include "EgyptianFixture.h"
#include "RichTextBox.h"
#include "Text.h"
#include "WordProcessor.h"
#include "modegyptianCompatibility.h"

#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTextCursor>

using namespace velmora;
namespace mec = egyptian::modegyptianCompatibility;
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
    void calculateAmonRaAndHorus() { calculate({"ANN", "15", "January", "1970"}, {"BO", "25", "April", "1971"}); }

    void select(int from, int to)
    {
        QTextCursor cursor(result()->RTB->document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        result()->RTB->setTextCursor(cursor);
    }

    QPushButton* button(const char* name) { return result()->findChild<QPushButton*>(QLatin1String(name)); }
};

TEST_F(EgyptianResult, WritesEachReadingLabelByLabelWithABlankLineBetween)
{
    calculateAmonRaAndHorus();
    const mec::EgyptianProfile amonRa = mec::GetEgyptianProfile(mec::EgyptianSign::AmonRa);
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
    EXPECT_EQ(result()->RTB->toPlainText(), expected);
    EXPECT_TRUE(result()->PartnerRTB->toPlainText().startsWith(
        QStringLiteral("Your Partner's Egyptian Astrology Sign is :-Horus\n\nRuling Deity :-Horus\n\n")));
    EXPECT_EQ(result()->RTB->textCursor().position(), 0);
    EXPECT_EQ(result()->PartnerRTB->textCursor().position(), 0);
}

TEST_F(EgyptianResult, ColoursLabelsTheSignAndValues)
{
    calculateAmonRaAndHorus();
    const QTextEdit* view = result()->RTB;
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
    EXPECT_EQ(result()->lblGodName->text(), pairing.userSign);
    EXPECT_EQ(result()->lblPartnerGodName->text(), pairing.partnerSign);
    EXPECT_EQ(result()->lblYourPartnerEgyptianSign->text(), pairing.partnerSign);
    EXPECT_EQ(result()->lblCompatibility->text(), pairing.verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EgyptianPairings,
    ::testing::Values(Pairing{"BastetTwice", {"ANN", "25", "September", "1960"}, {"BO", "10", "October", "1962"},
                              "Bastet", "Bastet", "You both are not very compatible"},
                      Pairing{"AnubisWithIsis", {"ANN", "15", "May", "1960"}, {"BO", "20", "October", "1962"},
                              "Anubis", "Isis", "You both are very highly compatible"},
                      Pairing{"HorusWithAmonRa", {"ANN", "25", "April", "1971"}, {"BO", "15", "January", "1970"},
                              "Horus", "Amon Ra", "You both are not very compatible"}),
    [](const ::testing::TestParamInfo<Pairing>& info) { return std::string(info.param.name); });

TEST_F(EgyptianResult, SavesTheUsersReadingAsRichTextWhicheverTabIsInFront)
{
    calculateAmonRaAndHorus();
    for (int tab = 0; tab < 3; ++tab) {
        result()->tabSelect->setCurrentIndex(tab);
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
    EXPECT_EQ(read, result()->RTB->toPlainText().trimmed());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(EgyptianResult, ACancelledSaveIsSilentAndAFailedOneSaysWhy)
{
    calculateAmonRaAndHorus();
    QTest::mouseClick(button("cmdSave"), Qt::LeftButton);
    EXPECT_TRUE(messages().isEmpty());
    platform.writeResult = ui::WriteResult::DiskFull;
    platform.fileDialogAnswers.push_back(QStringLiteral("/full/reading.rtf"));
    QTest::mouseClick(button("cmdSave"), Qt::LeftButton);
    EXPECT_EQ(platform.fileDialogs.size(), 2u);
    EXPECT_TRUE(platform.writtenFiles.isEmpty());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "The file /full/reading.rtf could not be saved: there is not enough space on the disk.");
    EXPECT_EQ(platform.messages[0].icon, ui::MessageIcon::Error);
    EXPECT_EQ(platform.messages[0].caption, "Velmora Suite");
    EXPECT_TRUE(onScreen(result()));
}

TEST_F(EgyptianResult, PrintsTheUsersReadingOrItsSelectionThroughTheDialog)
{
    calculateAmonRaAndHorus();
    result()->tabSelect->setCurrentIndex(1);
    platform.printDialogAnswers = {true, true, false};
    QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);
    select(34, 41);
    QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);
    QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);

    ASSERT_EQ(platform.printed.size(), 2u) << "a cancelled dialog prints nothing";
    EXPECT_TRUE(platform.printed[0].throughDialog);
    EXPECT_FALSE(platform.printed[0].selectionFlag);
    EXPECT_EQ(platform.printed[0].text, result()->RTB->toPlainText());
    EXPECT_TRUE(platform.printed[1].selectionFlag);
    EXPECT_EQ(platform.printed[1].text, "Amon Ra");
}

TEST_F(EgyptianResult, BothReadingBoxesEmptyTheClipboardOnUse)
{
    calculateAmonRaAndHorus();
    for (int tab : {0, 1}) {
        result()->tabSelect->setCurrentIndex(tab);
        ui::RichTextBox* box = tab == 0 ? result()->RTB : result()->PartnerRTB;
        EXPECT_TRUE(box->isReadOnly());
        const int before = platform.clipboardClears;
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        // Press, release and the click each empty it.
        EXPECT_GE(platform.clipboardClears - before, 3) << tab;
        const int afterClick = platform.clipboardClears;
        QMouseEvent move(QEvent::MouseMove, QPointF(20, 20), box->viewport()->mapToGlobal(QPointF(20, 20)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(box->viewport(), &move);
        EXPECT_GT(platform.clipboardClears, afterClick) << tab;
    }
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
    EXPECT_EQ(bar[1]->menu()->findChild<QAction*>(QStringLiteral("mnuUpdate"))->text(), "&Check for Software Update");
    EXPECT_FALSE(bar[2]->isEnabled());

    bar[0]->menu()->findChild<QAction*>(QStringLiteral("mnuBack"))->trigger();
    QApplication::processEvents();
    EXPECT_EQ(result(), nullptr);
    EXPECT_TRUE(onScreen(entry()));
    EXPECT_FALSE(frame.isWelcomePanelVisible());
}

TEST_F(EgyptianResult, ExitLeavesTheEntryHiddenAndShowsTheWelcomePanel)
{
    calculateAmonRaAndHorus();
    QTest::mouseClick(result()->findChild<QWidget*>(QStringLiteral("Label1")), Qt::LeftButton);
    QTest::mouseClick(result()->findChild<QWidget*>(QStringLiteral("Label61")), Qt::LeftButton);
    EXPECT_EQ(platform.openedAddresses,
              QStringList({"https://velmora.example/suite/ssd.php?page=fully-branded",
                           "https://velmora.example/suite/ssd.php?page=home-page"}));

    QTest::mouseClick(button("cmExit"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(result(), nullptr);
    EXPECT_TRUE(frame.isWelcomePanelVisible());
    ASSERT_NE(entry(), nullptr);
    EXPECT_FALSE(onScreen(entry()));
}
