#pragma once

#include "bloodtype/Lookups.h"
#include "kit/Facts.h"

#include <array>
#include <string_view>
#include <vector>

namespace velmora::bloodtype {

// A field of a personality profile with the caption the result window gives
// it: three short facts, then the characteristics, a paragraph of prose.
struct ProfileField {
    std::string_view caption;
    std::string_view PersonalityProfile::*field;
};

inline constexpr std::array<ProfileField, 4> kProfileFields = {{
    {"Japanese Astrology", &PersonalityProfile::JapaneseName},
    {"Keywords", &PersonalityProfile::Keywords},
    {"Famous Personalities", &PersonalityProfile::FamousPersonalities},
    {"Characteristics", &PersonalityProfile::Characteristics},
}};
inline constexpr std::size_t kShortFactCount = 3;

inline std::vector<kit::Fact> ShortFacts(const PersonalityProfile& profile)
{
    std::vector<kit::Fact> facts;
    for (std::size_t i = 0; i < kShortFactCount; ++i)
        facts.push_back({kProfileFields[i].caption, profile.*kProfileFields[i].field});
    return facts;
}

} // namespace velmora::bloodtype
