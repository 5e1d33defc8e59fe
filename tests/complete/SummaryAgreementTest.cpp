// The complete reading's summary says what each calculator's own result
// window says for the same two people.
#include "bloodtype/EntryWindow.h"
#include "bloodtype/ResultWindow.h"
#include "chinese/EntryWindow.h"
#include "chinese/ResultWindow.h"
#include "complete/CompleteReading.h"
#include "egyptian/EntryWindow.h"
#include "egyptian/ResultWindow.h"
#include "shell/Calculators.h"
#include "shell/LauncherFrame.h"
#include "tests/support/Controls.h"
#include "tests/support/RecordingPlatform.h"
#include "ui/Text.h"
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

struct Person {
    year_month_day date;
    int bloodType; // position in kBloodTypes, or complete::kNoBloodType
};

struct Pair {
    const char* what;
    Person user;
    Person partner;
};

const Pair kPairs[] = {
    {"either side of the Pisces-Aries cusp", {1980y / March / 20, 0}, {1980y / March / 21, 7}},
    {"either side of the lunar new year of 1985", {1985y / February / 19, -1}, {1985y / February / 20, -1}},
    {"Mut names Amon Ra, Amon Ra does not name Mut", {1990y / January / 25, 2}, {1990y / January / 10, -1}},
    {"the same pair the other way round", {1990y / January / 10, -1}, {1990y / January / 25, 5}},
    {"two Aries: a Western special match", {1975y / April / 1, 6}, {2000y / March / 25, 6}},
    {"the first and last days of the lists", {1900y / January / 1, 4}, {2050y / December / 31, 3}},
};

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
    return ui::toQString(kit::monthName(date.month()));
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
    W& open(int calculator, Entries entries)
    {
        frame.OpenCalculator(calculator);
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
            3, {{"txtNameM", "Anna"}, {"cboMonthM", month(u.date)}, {"cboDateM", day(u.date)},
                {"cboYearM", year(u.date)}, {"txtNameF", "Tom"}, {"cboMonthF", month(p.date)},
                {"cboDateF", day(p.date)}, {"cboYearF", year(p.date)}})
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
            0, {{"txtMaleName", "Anna"}, {"CboMaleDate", day(u.date)}, {"cboMaleMonth", month(u.date)},
                {"cboMaleYear", year(u.date)}, {"txtFemaleName", "Tom"}, {"cboFemaleDate", day(p.date)},
                {"cboFemaleMonth", month(p.date)}, {"cboFemaleYear", year(p.date)}})
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
            1, {{"txtName", "Anna"}, {"cmbDate", day(u.date)}, {"cmbMonth", month(u.date)}, {"cmbYear", year(u.date)},
                {"txtPartnerName", "Tom"}, {"cmbPartnerDate", day(p.date)}, {"cmbPartnerMonth", month(p.date)},
                {"cmbPartnerYear", year(p.date)}})
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
        const auto typeName = [](int position) {
            return position == complete::kNoBloodType
                       ? std::string(complete::kBloodTypeNotKnown)
                       : std::string(bloodtype::kBloodTypes[static_cast<std::size_t>(position)]);
        };
        complete::SummaryRow row{"Japanese Astrology", typeName(pair.user.bloodType),
                                 typeName(pair.partner.bloodType), {std::string(complete::kBloodTypesNotGiven)}};
        if (pair.user.bloodType == complete::kNoBloodType || pair.partner.bloodType == complete::kNoBloodType)
            return row;
        open<bloodtype::EntryWindow>(
            2, {{"txtName", "Anna"}, {"cboBloodType", ui::toQString(row.userSign)}, {"txtPartnerName", "Tom"},
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
    const auto rows = complete::SummaryRows(complete::CalculateCompleteReading(
        {{u"Anna", pair.user.date}, pair.user.bloodType}, {{u"Tom", pair.partner.date}, pair.partner.bloodType}));
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
        return complete::CalculateCompleteReading({{u"A", pair.user.date}, pair.user.bloodType},
                                                  {{u"B", pair.partner.date}, pair.partner.bloodType});
    };
    const auto cusp = readingOf(kPairs[0]);
    EXPECT_NE(cusp.Western.UserSign, cusp.Western.PartnerSign);
    const auto newYear = readingOf(kPairs[1]);
    EXPECT_NE(newYear.Chinese.UserAnimal, newYear.Chinese.PartnerAnimal);
    const auto oneWay = readingOf(kPairs[2]);
    EXPECT_NE(oneWay.Egyptian.Verdict, oneWay.Egyptian.PartnerVerdict);
    EXPECT_TRUE(readingOf(kPairs[4]).Western.Pair.MatchPercentage.empty());
}
