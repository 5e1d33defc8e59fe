// The circle: reading an address book and rating every pair of its people,
// writing it again, and the window showing a whole circle once its file is
// chosen.
#include "bench/AddressBookExport.h"
#include "circle/AddressBook.h"
#include "circle/Calculator.h"
#include "circle/CircleWindow.h"
#include "circle/Ratings.h"
#include "shell/Calculators.h"
#include "shell/LauncherFrame.h"
#include "tests/support/RecordingPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

using namespace velmora;

namespace {

void BM_ReadAddressBook(benchmark::State& state)
{
    const std::string file = bench::addressBookExport(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(circle::readAddressBook(file));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
    state.counters["cards"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_ReadAddressBook)->Arg(1'000)->Repetitions(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAddressBook)->Arg(100'000)->Repetitions(5)->Iterations(1)->Unit(benchmark::kMillisecond);

// Reading the cards and rating every pair of their people by each system and
// overall, both ways round: the tables the ranking and the picture show.
void BM_ReadAndRateEveryPair(benchmark::State& state)
{
    const std::string file = bench::addressBookExport(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        const circle::AddressBook book = circle::readAddressBook(file);
        const circle::CircleRatings ratings(book.people);
        for (const circle::System system : circle::kSystems)
            benchmark::DoNotOptimize(ratings.matrix(system));
        benchmark::DoNotOptimize(ratings.matrix(std::nullopt));
    }
    const auto people = static_cast<double>(state.range(0));
    state.counters["pairs"] = people * (people - 1) / 2;
}
BENCHMARK(BM_ReadAndRateEveryPair)->Arg(1'000)->Repetitions(10)->Unit(benchmark::kMillisecond);

void BM_WriteAddressBook(benchmark::State& state)
{
    const circle::AddressBook book =
        circle::readAddressBook(bench::addressBookExport(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(circle::writeAddressBook(book.people));
}
BENCHMARK(BM_WriteAddressBook)->Arg(1'000)->Repetitions(10)->Unit(benchmark::kMillisecond);

// From the file chosen in the Open dialog to the window showing the circle:
// reading, rating, the ranking, the picture and its summary, painted.
void BM_ShowCircleFromFile(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("circle.vcf"));
    const std::string file = bench::addressBookExport(static_cast<std::size_t>(state.range(0)));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file.data(), static_cast<qint64>(file.size())) < 0)
        throw std::runtime_error("the address book could not be written");
    out.close();

    testing::RecordingPlatform platform;
    shell::LauncherFrame frame(platform, shell::calculators());
    frame.showMaximized();
    frame.open(circle::kCalculator);
    QWidget& window = *frame.findWindow(circle::CircleWindow::kWindowName);
    auto& open = *window.findChild<QAbstractButton*>(QStringLiteral("cmdOpen"));
    QApplication::processEvents();
    for (auto _ : state) {
        platform.fileDialogAnswers = {path};
        open.click();
        window.repaint();
        QApplication::processEvents();
    }
    state.counters["people"] = static_cast<double>(state.range(0));
    state.SetLabel(window.findChild<QLabel*>(QStringLiteral("lblRead"))->text().toStdString());
    if (!platform.messages.empty())
        state.SkipWithError("the window refused the file");
}
BENCHMARK(BM_ShowCircleFromFile)->Arg(1'000)->Repetitions(5)->Unit(benchmark::kMillisecond);

} // namespace
