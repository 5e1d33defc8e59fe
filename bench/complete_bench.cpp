// The complete reading: its four readings and summary, the whole step from
// pressing the button to the reading shown, and saving it as PDF.
#include "Calculators.h"
#include "CompleteReading.h"
#include "RecordingPlatform.h"
#include "frmCompleteReading.h"
#include "frmMDI.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
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

// The launcher with the complete reading's window filled in.
struct CompleteSession {
    testing::RecordingPlatform platform;
    shell::frmMDI frame{platform, shell::calculatorEntryWindows()};
    QTemporaryDir folder;

    CompleteSession()
    {
        frame.showMaximized();
        frame.mnuCompleteReading_Click();
        auto& window = this->window();
        window.findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("Anna"));
        window.findChild<QLineEdit*>(QStringLiteral("txtPartnerName"))->setText(QStringLiteral("Tom"));
        window.findChild<QComboBox*>(QStringLiteral("cboPartnerMonth"))->setCurrentIndex(6);
        window.findChild<QComboBox*>(QStringLiteral("cboBloodType"))->setCurrentIndex(3);
        window.findChild<QComboBox*>(QStringLiteral("cboPartnerBloodType"))->setCurrentIndex(8);
        QApplication::processEvents();
    }

    complete::frmCompleteReading& window() { return frame.instance<complete::frmCompleteReading>(); }

    [[gnu::noinline]] void read()
    {
        window().cmdRead_Click();
        QApplication::processEvents();
    }
};

// From the button to the reading drawn on screen.
void BM_ReadingShown(benchmark::State& state)
{
    CompleteSession session;
    for (auto _ : state)
        session.read();
}
BENCHMARK(BM_ReadingShown)->Unit(benchmark::kMillisecond);

// Save As PDF from the chosen name to the file on disk.
void BM_SavePdf(benchmark::State& state)
{
    CompleteSession session;
    session.read();
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
