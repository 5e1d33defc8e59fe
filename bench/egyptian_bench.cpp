// The Egyptian calculator's lookups and its whole reading.
#include "egyptian/EgyptianReading.h"
#include "egyptian/Lookups.h"

#include <benchmark/benchmark.h>

using namespace velmora;
using namespace std::chrono;

namespace {

// The last stretch of the calendar: the lookup's longest search.
void BM_FindEgyptianSign(benchmark::State& state)
{
    std::chrono::year_month_day date = std::chrono::year(1980) / std::chrono::December / 31;
    for (auto _ : state) {
        benchmark::DoNotOptimize(date);
        benchmark::DoNotOptimize(egyptian::FindEgyptianSign(date));
    }
}
BENCHMARK(BM_FindEgyptianSign);

void BM_GetEgyptianProfile(benchmark::State& state)
{
    auto sign = egyptian::EgyptianSign::Thoth;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sign);
        benchmark::DoNotOptimize(egyptian::GetEgyptianProfile(sign));
    }
}
BENCHMARK(BM_GetEgyptianProfile);

void BM_EgyptianPairVerdict(benchmark::State& state)
{
    auto first = egyptian::EgyptianSign::Thoth;
    auto second = egyptian::EgyptianSign::Bastet;
    for (auto _ : state) {
        benchmark::DoNotOptimize(first);
        benchmark::DoNotOptimize(second);
        benchmark::DoNotOptimize(egyptian::EgyptianPairVerdict(first, second));
    }
}
BENCHMARK(BM_EgyptianPairVerdict);

// The record of one calculation: both signs and profiles and both verdicts.
void BM_CalculateEgyptianReading(benchmark::State& state)
{
    using namespace std::chrono;
    const kit::BirthDetails user{u"ANNA", 1950y / December / 31};
    const kit::BirthDetails partner{u"TOM", 1950y / October / 1};
    for (auto _ : state)
        benchmark::DoNotOptimize(egyptian::CalculateEgyptianReading(user, partner));
}
BENCHMARK(BM_CalculateEgyptianReading);

} // namespace
