#include "tests/western/WesternFixture.h"
#include "western/SavedReadingFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using velmora::testing::control;

using namespace std::chrono;
using namespace velmora;
using velmora::testing::Person;

namespace {

const Person kAnna{"Anna", 1980y / March / 5};
const Person kTom{"Tom", 1950y / July / 4};

} // namespace

class WesternEntry : public velmora::testing::WesternFixture {};

TEST_F(WesternEntry, OpensWithFilledListsAndEmptyNames)
{
    ASSERT_TRUE(onScreen(entry()));
    EXPECT_EQ(entry()->windowTitle(), "Velmora Zodiac Compatibility");
    for (const char suffix : {'M', 'F'}) {
        const auto list = [&](const char* base) { return control<QComboBox>(entry(), base + QString(QLatin1Char(suffix))); };
        EXPECT_EQ(list("cboMonth")->count(), 12);
        EXPECT_EQ(list("cboMonth")->currentText(), "January");
        EXPECT_EQ(list("cboDate")->count(), 31);
        EXPECT_EQ(list("cboDate")->itemText(30), "31");
        EXPECT_EQ(list("cboYear")->count(), 151);
        EXPECT_EQ(list("cboYear")->currentText(), "1900");
        EXPECT_EQ(list("cboYear")->itemText(150), "2050");
        EXPECT_FALSE(list("cboMonth")->isEditable());
        EXPECT_TRUE(control<QLineEdit>(entry(), QStringLiteral("txtName") + QLatin1Char(suffix))->text().isEmpty());
    }
    EXPECT_EQ(control<QLineEdit>(entry(), QStringLiteral("txtNameF"))->accessibleName(), "Your partner's name");
}

struct Refusal {
    Person user;
    Person partner;
    const char* message;
    ui::MessageIcon icon;
    const char* focus;
};

class WesternValidation : public velmora::testing::WesternFixture, public ::testing::WithParamInterface<Refusal> {};

TEST_P(WesternValidation, StopsAtTheFirstProblemWithItsMessage)
{
    const Refusal& r = GetParam();
    calculate(r.user, r.partner);
    ASSERT_EQ(messages(), QStringList{QLatin1String(r.message)});
    EXPECT_EQ(platform.messages[0].icon, r.icon);
    if (r.focus) {
        EXPECT_EQ(entry()->focusWidget(), control(entry(), QLatin1String(r.focus)));
    }
    EXPECT_TRUE(onScreen(entry()));
    EXPECT_EQ(result(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, WesternValidation,
    ::testing::Values(
        Refusal{{"", 1901y / April / 31}, {"", 1901y / April / 31}, "Please Enter Your Name",
                ui::MessageIcon::Error, "txtNameM"},
        Refusal{kAnna, {"", 1980y / March / 5}, "Please Enter Your Partner's Name", ui::MessageIcon::Error,
                "txtNameF"},
        Refusal{{"Anna", 1901y / February / 29}, kTom, "Please Enter Your Correct Date Or Month!",
                ui::MessageIcon::Information, nullptr},
        Refusal{{"Anna", 1980y / April / 31}, {"Tom", 1950y / June / 31},
                "Please Enter Your Correct Date Or Month !", ui::MessageIcon::Information, nullptr},
        Refusal{kAnna, {"Tom", 1951y / February / 29}, "Please Enter Your Partner's Correct Date Or Month!",
                ui::MessageIcon::Information, nullptr},
        Refusal{kAnna, {"Tom", 1950y / November / 31}, "Please Enter Your Partner's Correct Date Or Month !",
                ui::MessageIcon::Information, nullptr}));

TEST_F(WesternEntry, HandsTheTrimmedEntriesAndSignsToTheResultWindow)
{
    calculate({"   ", 1969y / July / 21}, {"  Tom Brandt ", 2050y / December / 20});
    ASSERT_TRUE(onScreen(result()));
    const western::WesternReadingRecord& reading = result()->reading();
    EXPECT_EQ(reading.UserName, u"");
    EXPECT_EQ(reading.PartnerName, u"Tom Brandt");
    EXPECT_EQ(reading.UserBirthDate, 1969y / July / 21);
    EXPECT_EQ(reading.PartnerBirthDate, 2050y / December / 20);
    EXPECT_EQ(reading.UserSign, "Leo");
    EXPECT_EQ(reading.PartnerSign, "Sagittarius");
    EXPECT_FALSE(onScreen(entry()));
    EXPECT_FALSE(frame.isWelcomePanelVisible());
}

TEST_F(WesternEntry, BackShowsTheEntriesAsTheyWere)
{
    calculate({"Anna", 1999y / October / 31}, kTom);
    result()->cmdBack_Click();
    QApplication::processEvents();
    ASSERT_TRUE(onScreen(entry()));
    EXPECT_EQ(result(), nullptr);
    EXPECT_FALSE(frame.isWelcomePanelVisible());
    EXPECT_EQ(control<QLineEdit>(entry(), QStringLiteral("txtNameM"))->text(), "Anna");
    EXPECT_EQ(control<QComboBox>(entry(), QStringLiteral("cboDateM"))->currentText(), "31");
    EXPECT_EQ(control<QComboBox>(entry(), QStringLiteral("cboYearF"))->currentText(), "1950");
}

TEST_F(WesternEntry, ClosingItShowsTheWelcomePanel)
{
    entry()->closeWindow();
    EXPECT_TRUE(frame.isWelcomePanelVisible());
}

class WesternOpen : public velmora::testing::WesternFixture {
protected:
    QString saveFile(const char* name, const std::string& bytes)
    {
        const QString path = dir.filePath(QLatin1String(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(bytes));
        return path;
    }

    void open(const QString& path)
    {
        platform.fileDialogAnswers.push_back(path);
        entry()->cmdOpen_Click();
    }

    QTemporaryDir dir;
};

TEST_F(WesternOpen, AReopenedFileShowsTheSameReading)
{
    const std::string file = western::FormatReadingFile(
        {U"Łukasz Ærø", U"May", U"30", U"1977", U"Ivy  Lee", U"January", U"19", U"2001"});
    open(saveFile("pair.zcm", file));
    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    EXPECT_EQ(platform.fileDialogs[0].request.filter, "Zodiac Compatibility (*.zcm)|*.zcm");
    EXPECT_EQ(platform.fileDialogs[0].request.title, "Select the source file");
    EXPECT_TRUE(messages().isEmpty());
    ASSERT_TRUE(onScreen(result()));
    const western::WesternReadingRecord& reading = result()->reading();
    EXPECT_EQ(reading.UserName, u"Łukasz Ærø");
    EXPECT_EQ(reading.PartnerName, u"Ivy  Lee");
    EXPECT_EQ(reading.UserBirthDate, 1977y / May / 30);
    EXPECT_EQ(reading.PartnerBirthDate, 2001y / January / 19);
    EXPECT_EQ(reading.UserSign, "Gemini");
    EXPECT_EQ(reading.PartnerSign, "Capricorn");
}

TEST_F(WesternOpen, RefusesNamesNotEndingInLowerCaseZcm)
{
    open(saveFile("PAIR.ZCM", western::FormatReadingFile({U"A", U"May", U"1", U"1977"})));
    EXPECT_EQ(messages(), QStringList{"Please Check The File."});
    EXPECT_EQ(platform.messages[0].icon, ui::MessageIcon::Error);
    EXPECT_EQ(result(), nullptr);
}

TEST_F(WesternOpen, RefusesFilesTooLargeOrMalformedWithoutTouchingTheEntries)
{
    const std::string pair = western::FormatReadingFile({U"Anna", U"May", U"1", U"1977", U"Bo", U"May", U"2", U"1978"});
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.zcm")));
    const QString refused[] = {
        saveFile("too-large.zcm", pair + std::string(western::kMaxFileBytes + 1 - pair.size(), '\n')),
        saveFile("nine-lines.zcm", pair + western::EncodeText(U"Carl")),
        dir.filePath(QStringLiteral("folder.zcm")),
        dir.filePath(QStringLiteral("missing.zcm")),
    };
    enter('M', {"Kept", 1966y / August / 9});
    for (const QString& path : refused) {
        platform.messages.clear();
        open(path);
        EXPECT_EQ(messages(), QStringList{"Please Check The File."}) << path.toStdString();
        EXPECT_EQ(platform.messages.at(0).icon, ui::MessageIcon::Error);
        EXPECT_EQ(control<QLineEdit>(entry(), QStringLiteral("txtNameM"))->text(), "Kept");
        EXPECT_EQ(control<QComboBox>(entry(), QStringLiteral("cboMonthM"))->currentText(), "August");
        EXPECT_EQ(result(), nullptr);
    }
}

TEST_F(WesternOpen, ControlCharactersInAFileNeverReachTheNameBoxes)
{
    const std::string file = western::FormatReadingFile(
        {U"An\nna\u001B\u007F", U"May", U"30", U"1977", std::u32string(U"\0Ivy\tLee", 8), U"January", U"19", U"2001"});
    open(saveFile("controls.zcm", file));
    ASSERT_TRUE(onScreen(result()));
    EXPECT_EQ(control<QLineEdit>(entry(), QStringLiteral("txtNameM"))->text(), "Anna");
    EXPECT_EQ(control<QLineEdit>(entry(), QStringLiteral("txtNameF"))->text(), "IvyLee");
}

TEST_F(WesternOpen, ACancelledDialogDoesNothing)
{
    entry()->cmdOpen_Click();
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_TRUE(onScreen(entry()));
}

TEST_F(WesternOpen, AShortFileStopsAtTheMissingName)
{
    open(saveFile("short.zcm", western::FormatReadingFile({U"Anna", U"June", U"3", U"1990"})));
    EXPECT_EQ(messages(), QStringList{"Please Enter Your Partner's Name"});
    EXPECT_EQ(control<QComboBox>(entry(), QStringLiteral("cboMonthM"))->currentText(), "June");
}

TEST_F(WesternOpen, ListsKeepTheirSelectionForValuesTheyDoNotHold)
{
    enter('M', {"", 1966y / August / 9});
    open(saveFile("odd.zcm", western::FormatReadingFile(
                                 {U"", U"august", U"32", U"1899", U"", U"", U"", U""})));
    EXPECT_EQ(messages(), QStringList{"Please Enter Your Name"});
    EXPECT_EQ(control<QComboBox>(entry(), QStringLiteral("cboMonthM"))->currentText(), "August");
    EXPECT_EQ(control<QComboBox>(entry(), QStringLiteral("cboDateM"))->currentText(), "9");
    EXPECT_EQ(control<QComboBox>(entry(), QStringLiteral("cboYearM"))->currentText(), "1966");
}
