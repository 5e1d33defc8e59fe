// The Western calculator's lookups and its whole reading.
#include "western/Lookups.h"
#include "western/WesternReading.h"

#include <benchmark/benchmark.h>

using namespace velmora;
using namespace std::chrono;

namespace {

void BM_GetSunSign(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(western::GetSunSign(1980y / December / 21));
}
BENCHMARK(BM_GetSunSign);

void BM_FindSignProfile(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(western::FindSignProfile("Pisces")->Element);
}
BENCHMARK(BM_FindSignProfile);

void BM_FindPairResult(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(western::FindPairResult("Pisces", "Capricorn")->MatchDescription);
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

} // namespace
