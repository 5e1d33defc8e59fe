// The Chinese calculator's lookups, one whole Proceed (validation to the
// result window filled and shown) and opening (composing) the report.
#include "Calculators.h"
#include "ClosedWindows.h"
#include "ChineseReading.h"
#include "RecordingPlatform.h"
#include "frmChineseZodiacCompatibilityDisplay.h"
#include "frmChineseZodiacCompatibilityMain.h"
#include "frmChineseZodiacCompatibilitySave.h"
#include "frmMDI.h"
#include "modchinesezodiac.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace mcz = velmora::chinese::modchinesezodiac;
using namespace velmora;
using namespace std::chrono;

namespace {

// The last row of the table: the longest search.
void BM_FindYearAnimal(benchmark::State& state)
{
    const year_month_day date = 2019y / December / 31;
    for (auto _ : state)
        benchmark::DoNotOptimize(mcz::FindYearAnimal(date));
}
BENCHMARK(BM_FindYearAnimal);

void BM_FindYearElement(benchmark::State& state)
{
    const year_month_day date = 2019y / December / 31;
    for (auto _ : state)
        benchmark::DoNotOptimize(mcz::FindYearElement(date));
}
BENCHMARK(BM_FindYearElement);

void BM_GetAnimalProfile(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(mcz::GetAnimalProfile("Pig"));
}
BENCHMARK(BM_GetAnimalProfile);

void BM_GetElementDescription(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(mcz::GetElementDescription("Earth"));
}
BENCHMARK(BM_GetElementDescription);

void BM_GetCompatibilityNumber(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(mcz::GetCompatibilityNumber("Pig", "Dog"));
}
BENCHMARK(BM_GetCompatibilityNumber);

// The last key of the table: the longest scan.
void BM_GetMatchingDescription(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(mcz::GetMatchingDescription("Pig", "Pig"));
}
BENCHMARK(BM_GetMatchingDescription);

// Every lookup of one calculation, as Proceed runs them.
void BM_CalculateChineseReading(benchmark::State& state)
{
    const kit::BirthDetails user{u"Mei", 2019y / December / 31};
    const kit::BirthDetails partner{u"Dev", 1936y / January / 1};
    for (auto _ : state)
        benchmark::DoNotOptimize(chinese::CalculateChineseReading(user, partner));
}
BENCHMARK(BM_CalculateChineseReading);

// The launcher with a filled-in Chinese entry window.
struct ChineseSession {
    testing::RecordingPlatform platform;
    shell::frmMDI frame{platform, shell::calculatorEntryWindows()};

    ChineseSession()
    {
        frame.showMaximized();
        frame.OpenCalculator(0);
        auto& entry = frame.instance<chinese::frmChineseZodiacCompatibilityMain>();
        entry.findChild<QLineEdit*>(QStringLiteral("txtMaleName"))->setText(QStringLiteral("Mei Lin"));
        entry.findChild<QLineEdit*>(QStringLiteral("txtFemaleName"))->setText(QStringLiteral("David"));
        entry.findChild<QComboBox*>(QStringLiteral("cboMaleYear"))->setCurrentIndex(44);
        entry.findChild<QComboBox*>(QStringLiteral("cboFemaleMonth"))->setCurrentIndex(6);
        entry.findChild<QComboBox*>(QStringLiteral("cboFemaleYear"))->setCurrentIndex(49);
        QApplication::processEvents();
    }

    // Out of line, so that a profiler can count the timed part alone
    // (valgrind --tool=callgrind --toggle-collect='*Session::proceed*').
    [[gnu::noinline]] void proceed()
    {
        frame.instance<chinese::frmChineseZodiacCompatibilityMain>().cmdProceed_Click();
        QApplication::processEvents();
    }
};

void BM_Proceed(benchmark::State& state)
{
    ChineseSession session;
    for (auto _ : state) {
        session.proceed();
        state.PauseTiming();
        session.frame.instance<chinese::frmChineseZodiacCompatibilityDisplay>().cmdBack_Click();
        bench::disposeClosedWindows();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Proceed)->Unit(benchmark::kMillisecond);

void BM_OpenReport(benchmark::State& state)
{
    ChineseSession session;
    session.proceed();
    for (auto _ : state) {
        session.frame.instance<chinese::frmChineseZodiacCompatibilityDisplay>().cmdPrint_Click();
        QApplication::processEvents();
        state.PauseTiming();
        session.frame.unload(chinese::frmChineseZodiacCompatibilitySave::kWindowName);
        bench::disposeClosedWindows();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenReport)->Unit(benchmark::kMillisecond);

} // namespace
