// The main of the window benchmarks: a QApplication on the offscreen
// platform, with the suite's fonts, around Google Benchmark.
#include "ui/Fonts.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    velmora::ui::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
