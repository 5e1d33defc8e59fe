#include "chinese/ChineseReading.h"
#include "tests/chinese/ChineseFixture.h"
#include "tests/support/WordProcessor.h"
#include "ui/LinkDetection.h"
#include "ui/RichTextBox.h"
#include "ui/Text.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>

#include <functional>

using velmora::testing::control;

using namespace velmora;
using namespace std::chrono;
using velmora::testing::ChineseWindows;
using velmora::testing::readWithAbiWord;

namespace {

// A box's caption is named as the box is, with "lbl" for its "txt".
QString captionOf(const QWidget* window, const QWidget* box)
{
    const auto* label = window->findChild<QLabel*>(QStringLiteral("lbl") + box->objectName().mid(3));
    return label ? label->text() : QString();
}

struct TextRun {
    QString text;
    bool emphasised;
    QColor color;
};

std::vector<TextRun> runsOf(const QTextDocument& document)
{
    std::vector<TextRun> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            runs.push_back({it.fragment().text(), format.fontWeight() == QFont::Bold, format.foreground().color()});
        }
    }
    return runs;
}

} // namespace

class ChineseResultAndReport : public ChineseWindows {
protected:
    ChineseResultAndReport()
    {
        result = proceed({QStringLiteral("Ann"), 1980y / January / 15}, {QStringLiteral("Bo"), 1985y / February / 20});
        EXPECT_NE(result, nullptr);
    }

    Save* openReport()
    {
        QTest::mouseClick(control<QPushButton>(result, "cmdPrint"), Qt::LeftButton);
        return find<Save>();
    }

    ui::RichTextBox* reportView(Save* report) { return control<ui::RichTextBox>(report, "RTB"); }

    Display* result = nullptr;
};

TEST_F(ChineseResultAndReport, EachPersonsTabShowsTheProfileUnderItsCaptions)
{
    ASSERT_NE(result, nullptr);
    showBothPeople(result);
    struct Box {
        const char* user;
        const char* partner;
        const char* caption;
        int field; // -1: the element reading
    };
    const Box boxes[] = {
        {"txtMaleElementDescription", "txtFemaleelementDescription", "Element  Description", -1},
        {"txtMaleRulingPlanet", "txtFemaleRulingPlanet", "Ruling Planets", chinese::RulingPlanet},
        {"txtMalePositiveTraits", "txtFemalePositiveTraits", "Positive Traits", chinese::PositiveTraits},
        {"txtMaleNegativeTraits", "txtFemaleNegativeTraits", "Negative Traits", chinese::NegativeTraits},
        {"txtMaleMostCompatibleSign", "txtFemaleMostCompatibleSign", "Most Compatible Sign", chinese::MostCompatibleSigns},
        {"txtMAleLeastCompatibleSign", "txtFemaleLeastCompitibleSign", "Least Compatible Sign",
         chinese::LeastCompatibleSign},
        {"txtMaleLuckycolour", "txtFemaleLuckycolour", "Lucky Colour", chinese::LuckyColour},
        {"txtMaleGemStone", "txtFemaleGemStone", "Gem Stone", chinese::GemStone},
        {"txtMaleEnergy", "txtFemaleEnergy", "Energy", chinese::Energy},
        {"txtMaleLuckySeasons", "txtFemaleLuckySeasons", "Lucky Seasons", chinese::LuckySeasons},
        {"txtMaleLuckyMonth", "txtFemaleLuckyMonth", "Lucky Month", chinese::FavourableMonth},
        {"txtMaleFamousPersonBorn", "txtFemaleFamousPerson", "Famous Personalities Born Under This Sign",
         chinese::FamousPersons},
        {"txtMaleWesternZodiacSign", "txtFemaleWesternZodiacSign", "Western Zodiac Sign", chinese::WesternZodiacSign},
        {"txtMaleLuckyNumber", "txtFemaleLuckyNumber", "Lucky Number", chinese::LuckyNumbers},
    };
    const struct {
        bool user;
        const char* animal;
        const char* element;
    } people[] = {{true, "Goat", "Earth"}, {false, "Ox", "Wood"}};
    for (const auto& person : people) {
        const chinese::AnimalProfile profile = chinese::GetAnimalProfile(person.animal);
        for (const Box& box : boxes) {
            const QWidget* shown = control(result, QLatin1String(person.user ? box.user : box.partner));
            const std::string_view expected =
                box.field < 0 ? chinese::GetElementDescription(person.element)
                              : profile[static_cast<std::size_t>(box.field)];
            EXPECT_EQ(boxText(shown), ui::toQString(expected)) << shown->objectName().toStdString();
            EXPECT_EQ(captionOf(result, shown), box.caption) << shown->objectName().toStdString();
            EXPECT_EQ(shown->accessibleName(), QString::fromUtf8(box.caption).simplified());
        }
    }
    EXPECT_EQ(control<QLabel>(result, "lblMaleChinesesignCaption")->text(), "Chinese  Sign");
    EXPECT_EQ(control<QLabel>(result, "lblFemaleChineseSignCaption")->text(), "Chinese Sign");
    EXPECT_EQ(control<QLabel>(result, "lblMaleChineseElementsCaption")->text(), "Chinese Element");
    EXPECT_EQ(control<QLabel>(result, "lblFemaleChineseElementsCaption")->text(), "Chinese  Element");
    EXPECT_EQ(control<QLabel>(result, "lblPercentageCaption")->text(), "Chinese Compatibility  Percentage");
    const auto* tabs = control<QTabWidget>(result, "SSTab");
    EXPECT_EQ(tabs->tabText(0), "Chinese Compatibility  ");
    EXPECT_EQ(tabs->tabText(1), "Your Details");
    EXPECT_EQ(tabs->tabText(2), "Your Partner's Details");
}

TEST_F(ChineseResultAndReport, EachPersonsPageIsOnScreenWhenTurnedTo)
{
    ASSERT_NE(result, nullptr);
    auto* tabs = control<QTabWidget>(result, "SSTab");
    for (const auto& [page, frameName] : {std::pair{1, "Framale"}, std::pair{2, "Frafemale"}}) {
        tabs->setCurrentIndex(page);
        const auto* frame = control<QGroupBox>(result, frameName);
        EXPECT_TRUE(frame->isVisible()) << frameName;
        EXPECT_TRUE(control(result, page == 1 ? "txtMaleRulingPlanet" : "txtFemaleRulingPlanet")->isVisible());
    }
}

TEST_F(ChineseResultAndReport, TheReportListsEveryFieldInEachPersonsOrderWithABlankLineAfterEach)
{
    ASSERT_NE(result, nullptr);
    Save* report = openReport();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(onScreen(report));
    EXPECT_TRUE(onScreen(result)) << "the result window stays behind the report";

    const auto person = [](const QString& name, const QString& date, const char* animal, const char* element,
                           const QList<std::pair<const char*, std::size_t>>& fields) {
        const chinese::AnimalProfile profile = chinese::GetAnimalProfile(animal);
        QString text = QStringLiteral("Name: %1\n\nDate of Birth: %2\n\nSign: %3\n\nElement: %4: %5\n\n")
                           .arg(name, date, QLatin1String(animal), QLatin1String(element),
                                ui::toQString(chinese::GetElementDescription(element)));
        for (const auto& [label, field] : fields)
            text += QLatin1String(label) + ui::toQString(profile[field]) + QStringLiteral("\n\n");
        return text;
    };
    const QString user = person(QStringLiteral("Ann"), QStringLiteral("15 January 1980"), "Goat", "Earth",
                                {{"Ruling Planet: ", chinese::RulingPlanet},
                                 {"Positive Traits: ", chinese::PositiveTraits},
                                 {"Western Zodiac Sign: ", chinese::WesternZodiacSign},
                                 {"Negative Traits: ", chinese::NegativeTraits},
                                 {"Lucky Color: ", chinese::LuckyColour},
                                 {"Lucky Number: ", chinese::LuckyNumbers},
                                 {"GemStone: ", chinese::GemStone},
                                 {"Energy: ", chinese::Energy},
                                 {"Lucky Seasons: ", chinese::LuckySeasons},
                                 {"Favourable Month: ", chinese::FavourableMonth},
                                 {"Most Compatible Sign: ", chinese::MostCompatibleSigns},
                                 {"Least Compatible Sign: ", chinese::LeastCompatibleSign},
                                 {"Famous Persons of this Star Sign are: ", chinese::FamousPersons}});
    const QString partner = person(QStringLiteral("Bo"), QStringLiteral("20 February 1985"), "Ox", "Wood",
                                   {{"Ruling Planet: ", chinese::RulingPlanet},
                                    {"Wester Zodiac Sign: ", chinese::WesternZodiacSign},
                                    {"Positive Traits: ", chinese::PositiveTraits},
                                    {"Negative Traits: ", chinese::NegativeTraits},
                                    {"Lucky Color: ", chinese::LuckyColour},
                                    {"Lucky Number: ", chinese::LuckyNumbers},
                                    {"GemStone: ", chinese::GemStone},
                                    {"Energy: ", chinese::Energy},
                                    {"Lucky Seasons: ", chinese::LuckySeasons},
                                    {"Favourable Month: ", chinese::FavourableMonth},
                                    {"Most Compatible Sign: ", chinese::MostCompatibleSigns},
                                    {"Least Compatible Sign: ", chinese::LeastCompatibleSign},
                                    {"Famous Persons of this Star Sign are: ", chinese::FamousPersons}});
    const QString pair = QStringLiteral("Chinese Compatibility Number: 2\n\nChinese Compatibility  Percentage: 20%\n\n"
                                        "Rating:  A Poor Match\n\nMatching Description : ")
                         + ui::toQString(chinese::GetMatchingDescription("Goat", "Ox")).replace("\r\n", "\n")
                         + QStringLiteral("\n\n");
    EXPECT_EQ(reportView(report)->toPlainText(), user + partner + pair);

    // Labels emphasised in dark red, values plain black.
    int labels = 0;
    for (const TextRun& run : runsOf(*reportView(report)->document())) {
        if (run.emphasised) {
            ++labels;
            EXPECT_TRUE(run.text.endsWith(QLatin1String(": "))) << run.text.toStdString();
            EXPECT_EQ(run.color, QColor(128, 0, 0)) << run.text.toStdString();
        } else {
            EXPECT_EQ(run.color, QColor(Qt::black)) << run.text.left(40).toStdString();
        }
    }
    EXPECT_EQ(labels, 2 * 17 + 4);
}

TEST_F(ChineseResultAndReport, AReportOpenedAfterANewCalculationShowsTheNewReading)
{
    ASSERT_NE(openReport(), nullptr);
    // A Rat (1984) and a Dragon (1988) instead of the Goat and the Ox.
    result = proceed({QStringLiteral("Cy"), 1984y / March / 5}, {QStringLiteral("Di"), 1988y / March / 5});
    ASSERT_NE(result, nullptr);
    Save* report = openReport();
    ASSERT_NE(report, nullptr);

    const chinese::CompatibilityRating rating = chinese::GetCompatibilityRating(chinese::GetCompatibilityNumber("Rat", "Dragon"));
    const QString text = reportView(report)->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Name: Cy\n\nDate of Birth: 5 March 1984\n\nSign: Rat\n\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("Rating: %1\n\nMatching Description : %2\n\n")
                                  .arg(ui::toQString(rating.rating),
                                       ui::toQString(chinese::GetMatchingDescription("Rat", "Dragon"))
                                           .replace(QStringLiteral("\r\n"), QStringLiteral("\n")))))
        << text.right(300).toStdString();
}

TEST_F(ChineseResultAndReport, SaveWritesTheReportAsRichTextThatReadsBackExactly)
{
    const QString userName = QStringLiteral("{Ann} \\par Łukasz 李");
    const QString partnerName = QStringLiteral("Zoë }{ \\\\");
    result = proceed({userName, 2000y / February / 29}, {partnerName, 2019y / December / 31});
    ASSERT_NE(result, nullptr);
    Save* report = openReport();
    ASSERT_NE(report, nullptr);
    platform.fileDialogAnswers = {QStringLiteral("/somewhere/reading")};

    QTest::mouseClick(control<QPushButton>(report, "cmdSave"), Qt::LeftButton);

    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    const ui::FileDialogRequest& request = platform.fileDialogs[0].request;
    EXPECT_TRUE(platform.fileDialogs[0].save);
    EXPECT_EQ(request.filter, "Rich Text Format | *.rtf ");
    EXPECT_EQ(request.defaultExtension, "rtf");
    EXPECT_EQ(request.title, "Velmora Suite");
    ASSERT_TRUE(platform.writtenFiles.contains(QStringLiteral("/somewhere/reading")));
    const QByteArray rtf = platform.writtenFiles.value(QStringLiteral("/somewhere/reading"));
    EXPECT_TRUE(rtf.startsWith("{\\rtf"));
    const QString read = readWithAbiWord(rtf);
    EXPECT_EQ(read, reportView(report)->toPlainText().trimmed());
    EXPECT_TRUE(read.startsWith(QStringLiteral("Name: %1\n\nDate of Birth: 29 February 2000").arg(userName)));
    EXPECT_TRUE(
        read.contains(QStringLiteral("Name: %1\n\nDate of Birth: 31 December 2019\n\nSign: Pig").arg(partnerName)));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ChineseResultAndReport, PrintPrintsTheReportThroughThePrintDialog)
{
    Save* report = openReport();
    ASSERT_NE(report, nullptr);
    platform.printDialogAnswers = {true};
    QTest::mouseClick(control<QPushButton>(report, "cmdPrint"), Qt::LeftButton);
    ASSERT_EQ(platform.printed.size(), 1u);
    EXPECT_TRUE(platform.printed[0].throughDialog);
    EXPECT_EQ(platform.printed[0].text, reportView(report)->toPlainText());
}

TEST_F(ChineseResultAndReport, TheDescriptionAndTheReportEmptyTheClipboardWhenUsed)
{
    ASSERT_NE(result, nullptr);
    auto* description = control<ui::RichTextBox>(result, "txtMatchingDescription");
    const QPoint inside(20, 20);
    for (const auto& act : std::initializer_list<std::function<void(QWidget*)>>{
             [&](QWidget* w) { QTest::mousePress(w, Qt::LeftButton, {}, inside); },
             [&](QWidget* w) { QTest::mouseMove(w, inside + QPoint(5, 5)); },
             [&](QWidget* w) { QTest::mouseRelease(w, Qt::LeftButton, {}, inside); },
         }) {
        int before = platform.clipboardClears;
        act(description->viewport());
        EXPECT_GT(platform.clipboardClears, before) << "description";
    }
    const int beforeChange = platform.clipboardClears;
    description->setPlainText(QStringLiteral("changed"));
    EXPECT_GT(platform.clipboardClears, beforeChange);

    Save* report = openReport();
    ASSERT_NE(report, nullptr);
    const int beforeClick = platform.clipboardClears;
    QTest::mouseClick(reportView(report)->viewport(), Qt::LeftButton, {}, inside);
    EXPECT_GE(platform.clipboardClears, beforeClick + 3) << "press, release and click";
}

TEST_F(ChineseResultAndReport, TheReportWatchesLinksWhileOpenAndBringsTheResultBackWhenClosed)
{
    Save* report = openReport();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(ui::WatchedRichEdit(), reportView(report));
    result->hideWindow();
    report->closeWindow();
    QApplication::processEvents();
    EXPECT_EQ(ui::WatchedRichEdit(), nullptr);
    EXPECT_EQ(find<Save>(), nullptr);
    EXPECT_TRUE(onScreen(find<Display>()));
    EXPECT_FALSE(frame.isWelcomePanelVisible());
}

TEST_F(ChineseResultAndReport, AReportLeftOpenNeitherRevivesAClosedResultNorShowsAnOldReading)
{
    ASSERT_NE(openReport(), nullptr);
    result->cmdBack_Click();
    QApplication::processEvents();
    enter(false, {QStringLiteral("Cy"), 2008y / February / 7});
    entry()->cmdProceed_Click();
    result = find<Display>();
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(find<Save>(), nullptr) << "the new reading closes the report of the old one";

    Save* report = openReport();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(reportView(report)->toPlainText().contains(QStringLiteral("Name: Cy\n\n")));

    result->cmdBack_Click();
    QApplication::processEvents();
    report->closeWindow();
    QApplication::processEvents();
    EXPECT_EQ(find<Display>(), nullptr) << "no empty result window is made";
    EXPECT_TRUE(onScreen(find<Main>()));
}

TEST_F(ChineseResultAndReport, EveryOneLineBoxShowsItsWholeValueForEveryAnimal)
{
    ASSERT_NE(result, nullptr);
    for (const std::string_view animal : chinese::kAnimals) {
        chinese::ChineseReadingRecord reading;
        reading.UserAnimal = animal;
        reading.UserProfile = chinese::GetAnimalProfile(animal);
        result->showReading(reading);
        for (const QLineEdit* box : result->findChildren<QLineEdit*>()) {
            if (!box->objectName().startsWith(QLatin1String("txtMale"), Qt::CaseInsensitive))
                continue;
            EXPECT_LE(box->fontMetrics().horizontalAdvance(box->text()) + 8, box->width())
                << animal << " " << box->objectName().toStdString() << ": " << box->text().toStdString();
        }
    }
}
