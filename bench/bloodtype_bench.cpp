// The blood-type calculator's lookups, the reading calculated from two
// people, and one whole Find: the names checked, the reading calculated and
// shown in a new result window, and that window shown.
#include "Calculators.h"
#include "ClosedWindows.h"
#include "JapaneseReading.h"
#include "RecordingPlatform.h"
#include "frmJapaneseAstrologyCompatibilityDisplay.h"
#include "frmJapaneseAstrologyCompatibilityMain.h"
#include "frmMDI.h"
#include "modJapaneseCompatibility.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace mjc = velmora::bloodtype::modJapaneseCompatibility;
using namespace velmora;

namespace {

void BM_GetPersonalityProfile(benchmark::State& state)
{
    for (auto _ : state) {
        for (int position = 0; position < 8; ++position)
            benchmark::DoNotOptimize(mjc::GetPersonalityProfile(*mjc::GetBloodGroup(position)).Characteristics);
    }
}
BENCHMARK(BM_GetPersonalityProfile);

// All 64 ordered pairs of blood types.
void BM_GetMatchLabel(benchmark::State& state)
{
    for (auto _ : state) {
        for (int user = 0; user < 8; ++user) {
            for (int partner = 0; partner < 8; ++partner)
                benchmark::DoNotOptimize(mjc::GetMatchLabel(user, partner));
        }
    }
}
BENCHMARK(BM_GetMatchLabel);

// All 64 ordered pairs of blood types, names included.
void BM_CalculateJapaneseReading(benchmark::State& state)
{
    bloodtype::JapanesePerson user{u"HANA MORI", bloodtype::Sex::Female, 0};
    bloodtype::JapanesePerson partner{u"KENJI ARAI", bloodtype::Sex::Male, 0};
    for (auto _ : state) {
        for (user.bloodType = 0; user.bloodType < 8; ++user.bloodType) {
            for (partner.bloodType = 0; partner.bloodType < 8; ++partner.bloodType)
                benchmark::DoNotOptimize(bloodtype::CalculateJapaneseReading(user, partner));
        }
    }
}
BENCHMARK(BM_CalculateJapaneseReading);

// The launcher with a filled-in Japanese entry window.
struct JapaneseSession {
    testing::RecordingPlatform platform;
    shell::frmMDI frame{platform, shell::calculatorEntryWindows()};

    JapaneseSession()
    {
        frame.showMaximized();
        frame.OpenCalculator(2);
        auto& entry = frame.instance<bloodtype::frmJapaneseAstrologyCompatibilityMain>();
        entry.findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("HANA"));
        entry.findChild<QLineEdit*>(QStringLiteral("txtPartnerName"))->setText(QStringLiteral("KENJI"));
        entry.findChild<QComboBox*>(QStringLiteral("cboPartnerBloodType"))->setCurrentIndex(5);
        QApplication::processEvents();
    }

    // Out of line, so that a profiler can count the timed part alone
    // (valgrind --tool=callgrind --toggle-collect='*Session::find*').
    [[gnu::noinline]] void find()
    {
        frame.instance<bloodtype::frmJapaneseAstrologyCompatibilityMain>().cmdProceed_Click();
        QApplication::processEvents();
    }
};

void BM_WholeFind(benchmark::State& state)
{
    JapaneseSession session;
    for (auto _ : state) {
        session.find();
        state.PauseTiming();
        session.frame.instance<bloodtype::frmJapaneseAstrologyCompatibilityDisplay>().cmdBack_Click();
        bench::disposeClosedWindows();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WholeFind)->Unit(benchmark::kMillisecond);

} // namespace
