// The Chinese calculator's lookups and its whole reading.
#include "chinese/ChineseReading.h"
#include "chinese/Lookups.h"

#include <benchmark/benchmark.h>

using namespace velmora;
using namespace std::chrono;

namespace {

// The last row of the table: the longest search.
void BM_FindYearAnimal(benchmark::State& state)
{
    const year_month_day date = 2019y / December / 31;
    for (auto _ : state)
        benchmark::DoNotOptimize(chinese::FindYearAnimal(date));
}
BENCHMARK(BM_FindYearAnimal);

void BM_FindYearElement(benchmark::State& state)
{
    const year_month_day date = 2019y / December / 31;
    for (auto _ : state)
        benchmark::DoNotOptimize(chinese::FindYearElement(date));
}
BENCHMARK(BM_FindYearElement);

void BM_GetAnimalProfile(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(chinese::GetAnimalProfile("Pig"));
}
BENCHMARK(BM_GetAnimalProfile);

void BM_GetElementDescription(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(chinese::GetElementDescription("Earth"));
}
BENCHMARK(BM_GetElementDescription);

void BM_GetCompatibilityNumber(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(chinese::GetCompatibilityNumber("Pig", "Dog"));
}
BENCHMARK(BM_GetCompatibilityNumber);

// The last key of the table: the longest scan.
void BM_GetMatchingDescription(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(chinese::GetMatchingDescription("Pig", "Pig"));
}
BENCHMARK(BM_GetMatchingDescription);

// Every lookup of one calculation, as Proceed runs them.
void BM_CalculateChineseReading(benchmark::State& state)
{
    const kit::BirthDetails user{u"Mei", 2019y / December / 31};
    const kit::BirthDetails partner{u"Dev", 1936y / January / 1};
    for (auto _ : state)
        benchmark::DoNotOptimize(chinese::CalculateChineseReading(user, partner));
}
BENCHMARK(BM_CalculateChineseReading);

} // namespace
