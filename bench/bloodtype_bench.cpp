// The Japanese blood-type calculator's lookups and its whole reading.
#include "bloodtype/JapaneseReading.h"
#include "bloodtype/Lookups.h"

#include <benchmark/benchmark.h>

using namespace velmora;

namespace {

void BM_GetPersonalityProfile(benchmark::State& state)
{
    for (auto _ : state) {
        for (int position = 0; position < 8; ++position)
            benchmark::DoNotOptimize(bloodtype::GetPersonalityProfile(*bloodtype::GetBloodGroup(position)).Characteristics);
    }
}
BENCHMARK(BM_GetPersonalityProfile);

// All 64 ordered pairs of blood types.
void BM_GetMatchLabel(benchmark::State& state)
{
    for (auto _ : state) {
        for (int user = 0; user < 8; ++user) {
            for (int partner = 0; partner < 8; ++partner)
                benchmark::DoNotOptimize(bloodtype::GetMatchLabel(user, partner));
        }
    }
}
BENCHMARK(BM_GetMatchLabel);

// All 64 ordered pairs of blood types, names included.
void BM_CalculateJapaneseReading(benchmark::State& state)
{
    bloodtype::JapanesePerson user{u"HANA MORI", bloodtype::Sex::Female, 0};
    bloodtype::JapanesePerson partner{u"KENJI ARAI", bloodtype::Sex::Male, 0};
    for (auto _ : state) {
        for (user.bloodType = 0; user.bloodType < 8; ++user.bloodType) {
            for (partner.bloodType = 0; partner.bloodType < 8; ++partner.bloodType)
                benchmark::DoNotOptimize(bloodtype::CalculateJapaneseReading(user, partner));
        }
    }
}
BENCHMARK(BM_CalculateJapaneseReading);

} // namespace
