#pragma once

#include "chinese/Lookups.h"
#include "kit/Facts.h"

#include <array>
#include <string_view>
#include <vector>

namespace velmora::chinese {

// A short fact of an animal's profile with the caption the result window
// gives it.
struct FactField {
    std::string_view caption;
    ProfileField field;
};

// The profile's short facts in the order the result window shows them.
inline constexpr std::array<FactField, 10> kShortFacts = {{
    {"Ruling Planets", RulingPlanet},
    {"Most Compatible Sign", MostCompatibleSigns},
    {"Least Compatible Sign", LeastCompatibleSign},
    {"Lucky Colour", LuckyColour},
    {"Gem Stone", GemStone},
    {"Energy", Energy},
    {"Lucky Seasons", LuckySeasons},
    {"Lucky Month", FavourableMonth},
    {"Western Zodiac Sign", WesternZodiacSign},
    {"Lucky Number", LuckyNumbers},
}};

// The caption of a short fact; empty for a field that is none.
constexpr std::string_view CaptionOf(ProfileField field) noexcept
{
    for (const FactField& fact : kShortFacts) {
        if (fact.field == field)
            return fact.caption;
    }
    return {};
}

inline std::vector<kit::Fact> ShortFacts(const AnimalProfile& profile)
{
    std::vector<kit::Fact> facts;
    for (const FactField& fact : kShortFacts)
        facts.push_back({fact.caption, profile[fact.field]});
    return facts;
}

} // namespace velmora::chinese
