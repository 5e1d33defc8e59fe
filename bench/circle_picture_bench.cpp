// The circle's heat map: taking a circle's ratings, and repainting the view
// of every pair (the budget is a frame, 16 ms, for 1,000 people).
#include "circle/HeatMap.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

using namespace velmora;

namespace {

// A circle as an address book gives it: names of a few lengths, every pair
// rated, and one person in ten without a rating by this system (no blood
// type, say), so that their rows and columns are unrated.
struct Circle {
    QStringList names;
    std::vector<std::uint8_t> scores;

    explicit Circle(int people)
    {
        const char* const first[] = {"Ann", "Bartholomew", "Cleo", "Dmitri", "Françoise", "Gustavo Adolfo"};
        for (int i = 0; i < people; ++i)
            names.append(QString::fromUtf8(first[i % std::size(first)]) + QLatin1Char(' ') + QString::number(i));
        scores.resize(std::size_t(people) * std::size_t(people));
        for (int row = 0; row < people; ++row) {
            for (int column = 0; column < people; ++column) {
                const bool unrated = row == column || row % 10 == 7 || column % 10 == 7;
                scores[std::size_t(row) * std::size_t(people) + std::size_t(column)] =
                    unrated ? circle::kNoScore : std::uint8_t((row * 31 + column * 17) % 101);
            }
        }
    }
};

QString describe(int row, int column)
{
    return QStringLiteral("rated %1,%2").arg(row).arg(column);
}

void BM_SetPeople(benchmark::State& state)
{
    const Circle people(static_cast<int>(state.range(0)));
    circle::HeatMap map;
    map.resize(900, 700);
    for (auto _ : state)
        map.setPeople(people.names, people.scores, describe);
}
BENCHMARK(BM_SetPeople)->Arg(1'000)->Repetitions(10)->Unit(benchmark::kMillisecond);

// The whole heat map, scroll bars and names included, painted into an image
// of the screen's format at 100% or 200%, with the cells as they fit the view
// (3 px) or zoomed in by Ctrl++ a number of times (16 px after seven, with the
// unrated cells' lines and every name).
void BM_RepaintHeatMap(benchmark::State& state)
{
    const Circle people(static_cast<int>(state.range(0)));
    const int scale = static_cast<int>(state.range(1));
    circle::HeatMap map;
    map.setPeople(people.names, people.scores, describe);
    map.resize(900, 700);
    map.show();
    QApplication::processEvents();
    for (int step = 0; step < state.range(2); ++step) {
        QKeyEvent zoomIn(QEvent::KeyPress, Qt::Key_Plus, Qt::ControlModifier);
        QApplication::sendEvent(&map, &zoomIn);
    }
    map.setCurrentCell(people.names.size() / 2, people.names.size() / 3);
    QImage screen(map.size() * scale, QImage::Format_ARGB32_Premultiplied);
    screen.setDevicePixelRatio(scale);
    for (auto _ : state) {
        map.render(&screen);
        benchmark::DoNotOptimize(screen.constBits());
    }
    state.counters["cell"] = map.cellSize();
}
BENCHMARK(BM_RepaintHeatMap)
    ->ArgNames({"people", "scale", "zoom"})
    ->Args({1'000, 1, 0})
    ->Args({1'000, 2, 0})
    ->Args({1'000, 1, 7})
    ->Args({1'000, 2, 7})
    ->Args({12, 1, 0})
    ->Repetitions(10)
    ->Unit(benchmark::kMillisecond);

} // namespace
