// Times start-up to the launcher on screen, and its peak memory, against a
// bare Qt main window started the same way. Each sample starts this program
// again as a child ("--child=bare" or "--child=suite") that shows its window
// on the offscreen platform, reports its peak resident size and ends.
//
// The circle's memory is measured the same way: a child ("--child=circle
// <file>") starts the launcher, opens the Circle and reads an address book of
// 1,000 cards into it; the counter gives its peak over the launcher's alone.
#include "bench/AddressBookExport.h"
#include "circle/Calculator.h"
#include "circle/CircleWindow.h"
#include "shell/LauncherFrame.h"
#include "shell/StartApplication.h"
#include "tests/support/RecordingPlatform.h"
#include "ui/Fonts.h"
#include "ui/QtPlatform.h"
#include "ui/SingleInstance.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string selfPath;

void waitUntilShown(QWidget& window)
{
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QApplication::processEvents();
}

long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The launcher with the Circle open and the address book the platform answers with read.
std::unique_ptr<QWidget> startWithCircle(velmora::ui::Platform& platform)
{
    using namespace velmora;
    auto frame = shell::StartApplication(platform, {});
    frame->open(circle::kCalculator);
    QWidget& window = *frame->findWindow(circle::CircleWindow::kWindowName);
    window.findChild<QAbstractButton*>(QStringLiteral("cmdOpen"))->click();
    return frame;
}

int runChild(const char* which, const char* file, int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    velmora::ui::QtPlatform platform;
    velmora::testing::RecordingPlatform answeringPlatform;
    if (std::strcmp(which, "bare") == 0) {
        auto bare = std::make_unique<QMainWindow>();
        bare->setCentralWidget(new QLabel(QStringLiteral("Hello")));
        bare->showMaximized();
        window = std::move(bare);
    } else {
        velmora::ui::installFontSubstitutes();
        velmora::ui::SingleInstance lock(QDir::temp().filePath(QStringLiteral("velmora-bench.lock")));
        if (lock.anotherCopyRunning())
            return 1;
        if (std::strcmp(which, "circle") == 0) {
            answeringPlatform.fileDialogAnswers = {QString::fromLocal8Bit(file)};
            window = startWithCircle(answeringPlatform);
        } else {
            window = velmora::shell::StartApplication(platform, {});
        }
    }
    waitUntilShown(*window);
    std::printf("%ld\n", peakResidentKiB());
    return 0;
}

struct Sample {
    double seconds;
    long peakKiB;
};

Sample startChild(const char* which, const std::string& file = {})
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {0, 0};
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        const std::string arg = std::string("--child=") + which;
        execl(selfPath.c_str(), selfPath.c_str(), arg.c_str(), file.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    char buffer[64] = {};
    const ssize_t got = read(pipeFds[0], buffer, sizeof buffer - 1);
    const auto shown = std::chrono::steady_clock::now();
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return {std::chrono::duration<double>(shown - start).count(), got > 0 ? std::atol(buffer) : 0};
}

void startUp(benchmark::State& state, const char* which)
{
    long peak = 0;
    for (auto _ : state) {
        const Sample sample = startChild(which);
        state.SetIterationTime(sample.seconds);
        peak = std::max(peak, sample.peakKiB);
    }
    state.counters["peak_rss_KiB"] = static_cast<double>(peak);
}

// Start-up to the launcher with a circle of `state.range(0)` people read,
// beside the launcher alone.
void startUpWithCircle(benchmark::State& state)
{
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "velmora-bench-circle.vcf";
    const auto people = static_cast<std::size_t>(state.range(0));
    std::ofstream(file, std::ios::binary) << velmora::bench::addressBookExport(people);
    long circlePeak = 0;
    long launcherPeak = 0;
    for (auto _ : state) {
        const Sample sample = startChild("circle", file.string());
        state.SetIterationTime(sample.seconds);
        circlePeak = std::max(circlePeak, sample.peakKiB);
        state.PauseTiming();
        launcherPeak = std::max(launcherPeak, startChild("suite").peakKiB);
        state.ResumeTiming();
    }
    std::filesystem::remove(file);
    state.counters["peak_rss_KiB"] = static_cast<double>(circlePeak);
    state.counters["over_launcher_KiB"] = static_cast<double>(circlePeak - launcherPeak);
}

} // namespace

BENCHMARK_CAPTURE(startUp, bare_main_window, "bare")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK_CAPTURE(startUp, suite_launcher, "suite")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK(startUpWithCircle)->Arg(1'000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--child=", 8) == 0)
            return runChild(argv[i] + 8, i + 1 < argc ? argv[i + 1] : "", argc, argv);
    }
    selfPath = argv[0];
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
