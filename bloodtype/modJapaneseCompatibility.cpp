#include "modJapaneseCompatibility.h"

#include "bloodtype/BloodTypeTexts.h"

namespace velmora::bloodtype::modJapaneseCompatibility {
namespace {

namespace texts = content::bloodtype;

// The group of each blood type, by its position in kBloodTypes.
constexpr std::array<BloodGroup, kBloodTypes.size()> kGroupOfBloodType = {
    BloodGroup::A,  BloodGroup::A,  // "A+", "A-"
    BloodGroup::B,  BloodGroup::B,  // "B+", "B-"
    BloodGroup::AB, BloodGroup::AB, // "AB+", "AB-"
    BloodGroup::O,  BloodGroup::O,  // "O+", "O-"
};

// Each group owns two neighbouring positions: the group is the position
// divided by two.
constexpr bool groupsFollowPositions() noexcept
{
    for (std::size_t i = 0; i < kGroupOfBloodType.size(); ++i) {
        if (static_cast<std::size_t>(kGroupOfBloodType[i]) != i / 2)
            return false;
    }
    return true;
}
static_assert(groupsFollowPositions());

// The short facts of each profile, in group order A, B, AB, O. The prose is
// in the reading texts.
struct GroupFacts {
    std::string_view group;
    std::string_view japaneseName;
    std::string_view keywords;
};

constexpr std::array<GroupFacts, 4> kGroupFacts = {{
    // group  Japanese name     keywords
    {"A", "The Farmer", "Perfectionist,Punctual,Traditional,Stubborn,Obsessive"},
    {"B", "The Hunter", "Achievers,Optimistic,Unconventional,Flexible,Sensitive"},
    {"AB", "The Humanist", "Rational,Aloof,Confused,Responsible,Unforgiving"},
    {"O", "The Warrior", "Extrovert,Leaders,Ambitious,Arrogant,Self-Confident"},
}};

} // namespace

std::optional<BloodGroup> GetBloodGroup(int position) noexcept
{
    if (position < 0 || position >= static_cast<int>(kGroupOfBloodType.size()))
        return std::nullopt;
    return kGroupOfBloodType[static_cast<std::size_t>(position)];
}

PersonalityProfile GetPersonalityProfile(BloodGroup group) noexcept
{
    const GroupFacts& facts = kGroupFacts[static_cast<std::size_t>(group)];
    PersonalityProfile profile{facts.japaneseName, facts.keywords, {}, {}};
    for (const texts::GroupTexts& prose : texts::kGroupTexts) {
        if (prose.group == facts.group) {
            profile.FamousPersonalities = prose.famousPersonalities;
            profile.Characteristics = prose.characteristics;
        }
    }
    return profile;
}

std::string_view GetMatchLabel(int userPosition, int partnerPosition) noexcept
{
    const std::optional<BloodGroup> user = GetBloodGroup(userPosition);
    const std::optional<BloodGroup> partner = GetBloodGroup(partnerPosition);
    if (!user || !partner)
        return {};
    if (*user == BloodGroup::AB || *partner == *user || *partner == BloodGroup::AB)
        return kExcellentMatch;
    return kAverageMatch;
}

} // namespace velmora::bloodtype::modJapaneseCompatibility
