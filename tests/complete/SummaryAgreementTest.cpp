// The complete reading's summary says what each calculator's own result
// window says for the same two people.
#include "bloodtype/Calculator.h"
#include "bloodtype/EntryWindow.h"
#include "bloodtype/ResultWindow.h"
#include "chinese/Calculator.h"
#include "chinese/EntryWindow.h"
#include "chinese/ResultWindow.h"
#include "complete/CompleteReading.h"
#include "egyptian/Calculator.h"
#include "egyptian/EntryWindow.h"
#include "egyptian/ResultWindow.h"
#include "shell/Calculators.h"
#include "shell/LauncherFrame.h"
#include "tests/support/Controls.h"
#include "tests/support/Person.h"
#include "tests/support/RecordingPlatform.h"
#include "ui/Text.h"
#include "western/Calculator.h"
#include "western/EntryWindow.h"
#include "western/ResultWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <gtest/gtest.h>

using velmora::testing::control;

using namespace velmora;
using namespace std::chrono;

namespace {

using velmora::testing::Person;

struct Pair {
    const char* what;
    Person user;
    Person partner;
};

// clang-format off
const Pair kPairs[] = {
    {"either side of the Pisces-Aries cusp", {"Anna", 1980y / March / 20, "A+"},
     {"Tom", 1980y / March / 21, "O-"}},
    {"either side of the lunar new year of 1985", {"Anna", 1985y / February / 19},
     {"Tom", 1985y / February / 20}},
    {"Mut names Amon Ra, Amon Ra does not name Mut", {"Anna", 1990y / January / 25, "B+"},
     {"Tom", 1990y / January / 10}},
    {"the same pair the other way round", {"Anna", 1990y / January / 10},
     {"Tom", 1990y / January / 25, "AB-"}},
    {"two Aries: a Western special match", {"Anna", 1975y / April / 1, "O+"},
     {"Tom", 2000y / March / 25, "O+"}},
    {"the first and last days of the lists", {"Anna", 1900y / January / 1, "AB+"},
     {"Tom", 2050y / December / 31, "B-"}},
};
// clang-format on

// The person as the complete reading takes them.
complete::CompletePerson entries(const Person& person)
{
    int bloodType = complete::kNoBloodType;
    for (std::size_t i = 0; i < bloodtype::kBloodTypes.size(); ++i) {
        if (ui::toQString(bloodtype::kBloodTypes[i]) == person.bloodType)
            bloodType = static_cast<int>(i);
    }
    return {{person.name.toStdU16String(), person.birthDate}, bloodType};
}

using Entries = std::initializer_list<std::pair<const char*, QString>>;

// Turns to every page of the window's tabs and back to the first, as a user
// reading all of it would: a page is filled when it is first shown.
void turnEveryPage(QWidget& window)
{
    for (QTabBar* tabs : window.findChildren<QTabBar*>()) {
        for (int page = tabs->count() - 1; page >= 0; --page)
            tabs->setCurrentIndex(page);
    }
}

QString text(QWidget& window, const char* label)
{
    const auto* value = control<QLabel>(&window, QLatin1String(label));
    return value ? value->text() : QStringLiteral("<missing %1>").arg(QLatin1String(label));
}

std::string str(const QString& s)
{
    return s.toStdString();
}

QString day(year_month_day date)
{
    return QString::number(static_cast<unsigned>(date.day()));
}
QString month(year_month_day date)
{
    return ui::toQString(kit::MonthName(date.month()));
}
QString year(year_month_day date)
{
    return QString::number(static_cast<int>(date.year()));
}

class SummaryAgreement : public ::testing::TestWithParam<Pair> {
protected:
    SummaryAgreement() { frame.showMaximized(); }
    ~SummaryAgreement() override
    {
        frame.CloseCalculatorWindows();
        QApplication::processEvents();
    }

    template <class W>
    W& open(const kit::Calculator& calculator, Entries entries)
    {
        frame.open(calculator);
        auto& window = frame.instance<W>();
        for (const auto& [name, value] : entries) {
            if (auto* box = control<QLineEdit>(&window, QLatin1String(name)))
                box->setText(value);
            else if (auto* list = control<QComboBox>(&window, QLatin1String(name)))
                list->setCurrentText(value);
            else
                ADD_FAILURE() << "no control " << name;
        }
        return window;
    }

    complete::SummaryRow western(const Pair& pair)
    {
        const Person& u = pair.user;
        const Person& p = pair.partner;
        open<western::EntryWindow>(
            western::kCalculator, {{"txtNameM", "Anna"}, {"cboMonthM", month(u.birthDate)}, {"cboDateM", day(u.birthDate)},
                {"cboYearM", year(u.birthDate)}, {"txtNameF", "Tom"}, {"cboMonthF", month(p.birthDate)},
                {"cboDateF", day(p.birthDate)}, {"cboYearF", year(p.birthDate)}})
            .cmdSunSign_Click();
        auto& shown = frame.instance<western::ResultWindow>();
        turnEveryPage(shown);
        return {"Western Zodiac", str(text(shown, "lblSunSignM")), str(text(shown, "lblSunSignF")),
                {str(text(shown, "lblMatchComment")), str(text(shown, "lblMatchPercentage"))}};
    }

    complete::SummaryRow chinese(const Pair& pair)
    {
        const Person& u = pair.user;
        const Person& p = pair.partner;
        open<chinese::EntryWindow>(
            chinese::kCalculator, {{"txtMaleName", "Anna"}, {"CboMaleDate", day(u.birthDate)}, {"cboMaleMonth", month(u.birthDate)},
                {"cboMaleYear", year(u.birthDate)}, {"txtFemaleName", "Tom"}, {"cboFemaleDate", day(p.birthDate)},
                {"cboFemaleMonth", month(p.birthDate)}, {"cboFemaleYear", year(p.birthDate)}})
            .cmdProceed_Click();
        auto& shown = frame.instance<chinese::ResultWindow>();
        turnEveryPage(shown);
        return {"Chinese Zodiac",
                str(text(shown, "lblMaleChineseElements") + ' ' + text(shown, "lblMaleChinesesign")),
                str(text(shown, "lblFemaleChineseElements") + ' ' + text(shown, "lblFemaleChineseSign")),
                {"Chinese Compatibility Number " + str(text(shown, "lblChineseCompatibilityNumber")),
                 str(text(shown, "lblChinesePercentage")), str(text(shown, "lblChineseRating"))}};
    }

    // The Egyptian window's summary for the pair, the user first.
    struct EgyptianShown {
        QString userSign;
        QString partnerSign;
        QString verdict;
    };
    EgyptianShown egyptianWindow(const Person& u, const Person& p)
    {
        open<egyptian::EntryWindow>(
            egyptian::kCalculator, {{"txtName", "Anna"}, {"cmbDate", day(u.birthDate)}, {"cmbMonth", month(u.birthDate)}, {"cmbYear", year(u.birthDate)},
                {"txtPartnerName", "Tom"}, {"cmbPartnerDate", day(p.birthDate)}, {"cmbPartnerMonth", month(p.birthDate)},
                {"cmbPartnerYear", year(p.birthDate)}})
            .Command1_Click();
        auto& shown = frame.instance<egyptian::ResultWindow>();
        return {text(shown, "lblYourEgyptianSign"), text(shown, "lblYourPartnerEgyptianSign"),
                text(shown, "lblCompatibility")};
    }

    // The verdict by the partner's sign is what the Egyptian window says
    // with the two people the other way round.
    complete::SummaryRow egyptian(const Pair& pair)
    {
        const EgyptianShown forward = egyptianWindow(pair.user, pair.partner);
        const EgyptianShown backward = egyptianWindow(pair.partner, pair.user);
        return {"Egyptian Astrology", str(forward.userSign), str(forward.partnerSign),
                {"By your sign: " + str(forward.verdict), "By your partner's sign: " + str(backward.verdict)}};
    }

    complete::SummaryRow japanese(const Pair& pair)
    {
        const auto typeName = [](const QString& bloodType) {
            return bloodType.isEmpty() ? std::string(complete::kBloodTypeNotKnown) : str(bloodType);
        };
        complete::SummaryRow row{"Japanese Astrology", typeName(pair.user.bloodType),
                                 typeName(pair.partner.bloodType), {std::string(complete::kBloodTypesNotGiven)}};
        if (pair.user.bloodType.isEmpty() || pair.partner.bloodType.isEmpty())
            return row;
        open<bloodtype::EntryWindow>(
            bloodtype::kCalculator, {{"txtName", "Anna"}, {"cboBloodType", ui::toQString(row.userSign)}, {"txtPartnerName", "Tom"},
                {"cboPartnerBloodType", ui::toQString(row.partnerSign)}})
            .cmdProceed_Click();
        auto& shown = frame.instance<bloodtype::ResultWindow>();
        return {"Japanese Astrology", str(text(shown, "lblYourBloodType")), str(text(shown, "lblPartnerBloodType")),
                {str(text(shown, "lblCompatibilityWithPartners"))}};
    }

    velmora::testing::RecordingPlatform platform;
    shell::LauncherFrame frame{platform, shell::calculators()};
};

} // namespace

TEST_P(SummaryAgreement, EveryRowSaysWhatItsCalculatorShows)
{
    const Pair& pair = GetParam();
    const auto rows = complete::SummaryRows(complete::CalculateCompleteReading(entries(pair.user), entries(pair.partner)));
    EXPECT_EQ(rows[0], western(pair));
    EXPECT_EQ(rows[1], chinese(pair));
    EXPECT_EQ(rows[2], egyptian(pair));
    EXPECT_EQ(rows[3], japanese(pair));
    EXPECT_TRUE(platform.messages.empty()) << str(platform.messageTexts().join(u'|'));
}

INSTANTIATE_TEST_SUITE_P(Pairs, SummaryAgreement, ::testing::ValuesIn(kPairs),
                         [](const ::testing::TestParamInfo<Pair>& info) {
                             return "Pair" + std::to_string(info.index);
                         });

// The fixtures show what they are meant to: the signs change across the
// cusp and the new year, and the Egyptian pair reads differently each way.
TEST(SummaryAgreementFixtures, ShowTheBoundariesTheyName)
{
    const auto readingOf = [](const Pair& pair) {
        return complete::CalculateCompleteReading(entries(pair.user), entries(pair.partner));
    };
    const auto cusp = readingOf(kPairs[0]);
    EXPECT_NE(cusp.Western.UserSign, cusp.Western.PartnerSign);
    const auto newYear = readingOf(kPairs[1]);
    EXPECT_NE(newYear.Chinese.UserAnimal, newYear.Chinese.PartnerAnimal);
    const auto oneWay = readingOf(kPairs[2]);
    EXPECT_NE(oneWay.Egyptian.Verdict, oneWay.Egyptian.PartnerVerdict);
    EXPECT_TRUE(readingOf(kPairs[4]).Western.Pair.MatchPercentage.empty());
}
