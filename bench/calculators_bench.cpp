// Every calculator's windows, from its declaration: one whole calculation
// (the last step of its sample reading, where it is the button that shows the
// reading, to the reading filled and shown) and, where it has a report,
// opening the report.
#include "bench/ClosedWindows.h"
#include "kit/Calculator.h"
#include "kit/CalculatorWindow.h"
#include "shell/Calculators.h"
#include "shell/LauncherFrame.h"
#include "tests/support/RecordingPlatform.h"
#include "tools/SampleReadings.h"
#include "ui/Text.h"

#include <QAbstractButton>
#include <QApplication>
#include <benchmark/benchmark.h>

#include <string>

using namespace velmora;

namespace {

QAbstractButton& button(QWidget& window, std::string_view name)
{
    return *window.findChild<QAbstractButton*>(ui::toQString(name));
}

// The launcher with the calculator's first window filled in with its sample.
struct Session {
    testing::RecordingPlatform platform;
    shell::LauncherFrame frame{platform, shell::calculators()};
    const kit::Calculator& calculator;
    QWidget* entry = nullptr;

    explicit Session(const kit::Calculator& calculator) : calculator(calculator)
    {
        frame.showMaximized();
        entry = &tools::enterSample(frame, calculator);
        QApplication::processEvents();
    }

    // Out of line, so that a profiler can count the timed part alone
    // (valgrind --tool=callgrind --toggle-collect='*Session::calculate*').
    [[gnu::noinline]] void calculate()
    {
        tools::takeStep(*entry, calculator.sample.steps.back());
        QApplication::processEvents();
    }

    // As Back leaves it: the first window shown again, the result window gone.
    void goBack()
    {
        if (calculator.sample.resultWindow.empty())
            return;
        frame.unload(calculator.sample.resultWindow);
        static_cast<kit::CalculatorWindow*>(entry)->showWindow();
        frame.setWelcomePanelVisible(false);
        bench::disposeClosedWindows();
    }

    QWidget& result() const
    {
        const std::string_view name = calculator.sample.resultWindow;
        return name.empty() ? *entry : *frame.findWindow(name);
    }
};

void wholeCalculation(benchmark::State& state, const kit::Calculator* calculator)
{
    Session session(*calculator);
    for (auto _ : state) {
        session.calculate();
        state.PauseTiming();
        session.goBack();
        state.ResumeTiming();
    }
}

void openReport(benchmark::State& state, const kit::Calculator* calculator)
{
    Session session(*calculator);
    session.calculate();
    const kit::SampleReading& sample = calculator->sample;
    for (auto _ : state) {
        button(session.result(), sample.reportButton).click();
        QApplication::processEvents();
        state.PauseTiming();
        session.frame.unload(sample.reportWindow);
        bench::disposeClosedWindows();
        state.ResumeTiming();
    }
}

const bool kRegistered = [] {
    for (const kit::Calculator* calculator : shell::calculators()) {
        const std::string key(calculator->key);
        if (calculator->sample.steps.back().value.empty())
            benchmark::RegisterBenchmark((key + "/WholeCalculation").c_str(), wholeCalculation, calculator)
                ->Unit(benchmark::kMillisecond);
        if (!calculator->sample.reportButton.empty())
            benchmark::RegisterBenchmark((key + "/OpenReport").c_str(), openReport, calculator)
                ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace
