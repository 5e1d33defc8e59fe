// The Western calculator's lookups and reading, one whole calculation (compute button to
// the result window filled and shown) and opening the report.
#include "Calculators.h"
#include "ClosedWindows.h"
#include "RecordingPlatform.h"
#include "WesternReading.h"
#include "frmMDI.h"
#include "frmZodiacCompatibilityDisplay.h"
#include "frmZodiacCompatibilityMain.h"
#include "frmZodiacCompatibilitySave.h"
#include "modZodiacCompatibility.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace mzc = velmora::western::modZodiacCompatibility;
using namespace velmora;

namespace {

void BM_GetSunSign(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(mzc::GetSunSign("December", "21"));
}
BENCHMARK(BM_GetSunSign);

void BM_FindSignProfile(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(mzc::FindSignProfile("Pisces")->Element);
}
BENCHMARK(BM_FindSignProfile);

void BM_FindPairResult(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(mzc::FindPairResult("Pisces", "Capricorn")->MatchDescription);
}
BENCHMARK(BM_FindPairResult);

// Both signs, both profiles and the pair: all the lookups of one reading.
void BM_CalculateWesternReading(benchmark::State& state)
{
    using namespace std::chrono;
    const kit::BirthDetails user{u"Anna", 1980y / March / 5};
    const kit::BirthDetails partner{u"Tom", 1950y / July / 1};
    for (auto _ : state)
        benchmark::DoNotOptimize(western::CalculateWesternReading(user, partner).Pair.MatchDescription);
}
BENCHMARK(BM_CalculateWesternReading);

// The launcher with a filled-in Western entry window.
struct WesternSession {
    testing::RecordingPlatform platform;
    shell::frmMDI frame{platform, shell::calculatorEntryWindows()};

    WesternSession()
    {
        frame.showMaximized();
        frame.OpenCalculator(3);
        auto& entry = frame.instance<western::frmZodiacCompatibilityMain>();
        entry.findChild<QLineEdit*>(QStringLiteral("txtNameM"))->setText(QStringLiteral("Anna"));
        entry.findChild<QLineEdit*>(QStringLiteral("txtNameF"))->setText(QStringLiteral("Tom"));
        entry.findChild<QComboBox*>(QStringLiteral("cboMonthF"))->setCurrentIndex(6);
        QApplication::processEvents();
    }

    // Out of line, so that a profiler can count the timed part alone
    // (valgrind --tool=callgrind --toggle-collect='*Session::calculate*').
    [[gnu::noinline]] void calculate()
    {
        frame.instance<western::frmZodiacCompatibilityMain>().cmdSunSign_Click();
        QApplication::processEvents();
    }

};

void BM_WholeCalculation(benchmark::State& state)
{
    WesternSession session;
    for (auto _ : state) {
        session.calculate();
        state.PauseTiming();
        session.frame.instance<western::frmZodiacCompatibilityDisplay>().cmdBack_Click();
        bench::disposeClosedWindows();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WholeCalculation)->Unit(benchmark::kMillisecond);

void BM_OpenReport(benchmark::State& state)
{
    WesternSession session;
    session.calculate();
    for (auto _ : state) {
        session.frame.instance<western::frmZodiacCompatibilityDisplay>().cmdSave_Click();
        QApplication::processEvents();
        state.PauseTiming();
        session.frame.unload(western::frmZodiacCompatibilitySave::kWindowName);
        session.frame.unload(western::frmZodiacCompatibilityDisplay::kWindowName);
        bench::disposeClosedWindows();
        session.calculate();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenReport)->Unit(benchmark::kMillisecond);

} // namespace
