// The complete reading: its four readings and summary, and saving it as PDF.
// The step from its button to the reading shown is in calculators_bench.
#include "complete/Calculator.h"
#include "complete/CompleteReading.h"
#include "complete/ReadingWindow.h"
#include "shell/Calculators.h"
#include "shell/LauncherFrame.h"
#include "tests/support/RecordingPlatform.h"
#include "tools/SampleReadings.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace velmora;

namespace {

void BM_CalculateCompleteReading(benchmark::State& state)
{
    using namespace std::chrono;
    const complete::CompletePerson user{{u"Anna", 1980y / March / 5}, 0};
    const complete::CompletePerson partner{{u"Tom", 1978y / August / 2}, 7};
    for (auto _ : state) {
        const complete::CompleteReadingRecord reading = complete::CalculateCompleteReading(user, partner);
        benchmark::DoNotOptimize(complete::SummaryRows(reading));
        benchmark::DoNotOptimize(complete::Sections(reading));
    }
}
BENCHMARK(BM_CalculateCompleteReading);

// The launcher with the complete reading's sample read.
struct CompleteSession {
    testing::RecordingPlatform platform;
    shell::LauncherFrame frame{platform, shell::calculators()};
    QTemporaryDir folder;

    CompleteSession()
    {
        frame.showMaximized();
        tools::enterSample(frame, complete::kCalculator);
        window().cmdRead_Click();
        QApplication::processEvents();
    }

    complete::ReadingWindow& window() { return frame.instance<complete::ReadingWindow>(); }
};

// Save As PDF from the chosen name to the file on disk.
void BM_SavePdf(benchmark::State& state)
{
    CompleteSession session;
    session.platform.writeToDisk = true;
    const QString path = session.folder.filePath(QStringLiteral("reading.pdf"));
    for (auto _ : state) {
        session.platform.fileDialogAnswers.push_back(path);
        session.window().cmdSave_Click();
    }
    if (!QFileInfo::exists(path))
        state.SkipWithError("no PDF was written");
}
BENCHMARK(BM_SavePdf)->Unit(benchmark::kMillisecond);

} // namespace
