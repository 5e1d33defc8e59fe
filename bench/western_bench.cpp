// The Western calculator's lookups, one whole calculation (compute button to
// the result window filled and shown) and opening the report.
#include "Calculators.h"
#include "RecordingPlatform.h"
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

void BM_LoadSignProfile(benchmark::State& state)
{
    for (auto _ : state) {
        mzc::LoadSignProfile("Pisces");
        benchmark::DoNotOptimize(mzc::CurrentSignProfile().Element);
    }
}
BENCHMARK(BM_LoadSignProfile);

void BM_LoadPairCompatibility(benchmark::State& state)
{
    for (auto _ : state) {
        mzc::LoadPairCompatibility("Pisces", "Capricorn");
        benchmark::DoNotOptimize(mzc::CurrentPairResult().MatchDescription);
    }
}
BENCHMARK(BM_LoadPairCompatibility);

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

    // Windows closed between samples are destroyed, not left to pile up.
    static void dispose()
    {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

void BM_WholeCalculation(benchmark::State& state)
{
    WesternSession session;
    for (auto _ : state) {
        session.calculate();
        state.PauseTiming();
        session.frame.instance<western::frmZodiacCompatibilityDisplay>().cmdBack_Click();
        WesternSession::dispose();
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
        WesternSession::dispose();
        session.calculate();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenReport)->Unit(benchmark::kMillisecond);

} // namespace
