#pragma once

#include "kit/Facts.h"
#include "western/Lookups.h"

#include <array>
#include <vector>

namespace velmora::western {

// The eleven fields of a sign profile as the result window shows them and
// the report prints them: short facts, and paragraphs of prose. The boxes
// are named by `box` plus M (user) or F (partner).
struct ProfileField {
    const char* caption;
    const char* box;
    const char* reportLabel;
    std::string_view SignProfile::*field;
    bool prose;
};

using Profile = SignProfile;

inline constexpr std::array<ProfileField, 11> kProfileFields = {{
    {"Element", "txtElement", "Element: ", &Profile::Element, false},
    {"Ruling Planet", "txtRulingPlanet", "Rulling Planet: ", &Profile::RulingPlanet, false},
    {"Positive Traits", "txtPositiveTraits", "Positive Traits: ", &Profile::PositiveTraits, true},
    {"Negative Traits", "txtNegativeTraits", "Negative Traits: ", &Profile::NegativeTraits, true},
    {"Lucky Number", "txtLuckyNumber", "Lucky Number: ", &Profile::LuckyNumber, false},
    {"Lucky Color", "txtLuckyColor", "Lucky Color: ", &Profile::LuckyColor, false},
    {"Lucky Day", "txtLuckyDay", "Lucky Day: ", &Profile::LuckyDay, false},
    {"Compatibility", "txtCompatibility", "Compatibility: ", &Profile::Compatibility, false},
    {"Famous Personalities Born Under this Sign", "txtFamousPersons", "Famous Person Born In This Sign: ",
     &Profile::FamousPersons, true},
    {"BirthStone", "txtBirthStone", "Birth Stone: ", &Profile::BirthStone, false},
    {"Quality", "txtQuality", "Quality: ", &Profile::Quality, false},
}};

// The profile's short facts, captioned as the result window captions them.
inline std::vector<kit::Fact> ShortFacts(const SignProfile& profile)
{
    std::vector<kit::Fact> facts;
    for (const ProfileField& field : kProfileFields) {
        if (!field.prose)
            facts.push_back({field.caption, profile.*field.field});
    }
    return facts;
}

// Suffix of the user's controls and of the partner's.
inline constexpr char kUserSuffix = 'M';
inline constexpr char kPartnerSuffix = 'F';

} // namespace velmora::western
