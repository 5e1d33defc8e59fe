// The Egyptian calculator's lookups and one whole calculation (validation to
// the result window filled and shown).
#include "Calculators.h"
#include "ClosedWindows.h"
#include "EgyptianReading.h"
#include "RecordingPlatform.h"
#include "frmEgyptianAstrologyCompatibilityDisplay.h"
#include "frmEgyptianAstrologyCompatibilityMain.h"
#include "frmMDI.h"
#include "modegyptianCompatibility.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace mec = velmora::egyptian::modegyptianCompatibility;
using namespace velmora;

namespace {

// The last stretch of the calendar: the lookup's longest search.
void BM_FindEgyptianSign(benchmark::State& state)
{
    int month = 12;
    int day = 31;
    for (auto _ : state) {
        benchmark::DoNotOptimize(month);
        benchmark::DoNotOptimize(day);
        benchmark::DoNotOptimize(mec::FindEgyptianSign(month, day));
    }
}
BENCHMARK(BM_FindEgyptianSign);

void BM_GetEgyptianProfile(benchmark::State& state)
{
    auto sign = mec::EgyptianSign::Thoth;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sign);
        benchmark::DoNotOptimize(mec::GetEgyptianProfile(sign));
    }
}
BENCHMARK(BM_GetEgyptianProfile);

void BM_EgyptianPairVerdict(benchmark::State& state)
{
    auto first = mec::EgyptianSign::Thoth;
    auto second = mec::EgyptianSign::Bastet;
    for (auto _ : state) {
        benchmark::DoNotOptimize(first);
        benchmark::DoNotOptimize(second);
        benchmark::DoNotOptimize(mec::EgyptianPairVerdict(first, second));
    }
}
BENCHMARK(BM_EgyptianPairVerdict);

// The record of one calculation: both signs and profiles and both verdicts.
void BM_CalculateEgyptianReading(benchmark::State& state)
{
    using namespace std::chrono;
    const kit::BirthDetails user{u"ANNA", 1950y / December / 31};
    const kit::BirthDetails partner{u"TOM", 1950y / October / 1};
    for (auto _ : state)
        benchmark::DoNotOptimize(egyptian::CalculateEgyptianReading(user, partner));
}
BENCHMARK(BM_CalculateEgyptianReading);

// The launcher with a filled-in Egyptian entry window.
struct EgyptianSession {
    testing::RecordingPlatform platform;
    shell::frmMDI frame{platform, shell::calculatorEntryWindows()};

    EgyptianSession()
    {
        frame.showMaximized();
        frame.OpenCalculator(1);
        auto& entry = frame.instance<egyptian::frmEgyptianAstrologyCompatibilityMain>();
        entry.findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ANNA"));
        entry.findChild<QLineEdit*>(QStringLiteral("txtPartnerName"))->setText(QStringLiteral("TOM"));
        entry.findChild<QComboBox*>(QStringLiteral("cmbPartnerMonth"))->setCurrentIndex(9);
        QApplication::processEvents();
    }

    // Out of line, so that a profiler can count the timed part alone
    // (valgrind --tool=callgrind --toggle-collect='*Session::calculate*').
    [[gnu::noinline]] void calculate()
    {
        frame.instance<egyptian::frmEgyptianAstrologyCompatibilityMain>().Command1_Click();
        QApplication::processEvents();
    }
};

void BM_WholeCalculation(benchmark::State& state)
{
    EgyptianSession session;
    for (auto _ : state) {
        session.calculate();
        state.PauseTiming();
        session.frame.instance<egyptian::frmEgyptianAstrologyCompatibilityDisplay>().cmdBack_Click();
        bench::disposeClosedWindows();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WholeCalculation)->Unit(benchmark::kMillisecond);

} // namespace
