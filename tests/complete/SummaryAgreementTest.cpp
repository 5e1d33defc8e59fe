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
#include "tests/support/WindowsShown.h"
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

class SummaryAgreement : public ::testing::TestWithParam<Pair> {
protected:
    SummaryAgreement() { frame.showMaximized(); }
    ~SummaryAgreement() override
    {
        frame.CloseCalculatorWindows();
        QApplication::processEvents();
    }

    velmora::testing::RecordingPlatform platform;
    shell::LauncherFrame frame{platform, shell::calculators()};
    velmora::testing::WhatTheWindowsShow windows{frame};
};

} // namespace

TEST_P(SummaryAgreement, EveryRowSaysWhatItsCalculatorShows)
{
    const Pair& pair = GetParam();
    const auto rows = complete::SummaryRows(complete::CalculateCompleteReading(entries(pair.user), entries(pair.partner)));
    EXPECT_EQ(rows[0], windows.western(pair.user, pair.partner));
    EXPECT_EQ(rows[1], windows.chinese(pair.user, pair.partner));
    EXPECT_EQ(rows[2], windows.egyptian(pair.user, pair.partner));
    EXPECT_EQ(rows[3], windows.japanese(pair.user, pair.partner));
    EXPECT_TRUE(platform.messages.empty()) << platform.messageTexts().join(u'|').toStdString();
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
