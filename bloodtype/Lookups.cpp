#include "bloodtype/Lookups.h"

#include "content/bloodtype/BloodTypeTexts.h"
#include "content/TableKeys.h"

namespace velmora::bloodtype {
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

// The groups' names, in the order of BloodGroup.
constexpr std::array<std::string_view, 4> kGroupNames = {"A", "B", "AB", "O"};
static_assert(content::AllDistinct(kGroupNames));

// The short facts of each profile, in group order. The prose is in the
// reading texts.
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

// Every group has its facts and its prose in the row of its position.
static_assert(content::KeyedInOrder(kGroupFacts, &GroupFacts::group, kGroupNames));
static_assert(content::KeyedInOrder(texts::kGroupTexts, &texts::GroupTexts::group, kGroupNames));

// The profiles, in group order: the facts with the prose of the same group.
constexpr std::array<PersonalityProfile, 4> kProfiles = [] {
    std::array<PersonalityProfile, 4> profiles{};
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        profiles[i] = {.JapaneseName = kGroupFacts[i].japaneseName,
                       .Keywords = kGroupFacts[i].keywords,
                       .FamousPersonalities = texts::kGroupTexts[i].famousPersonalities,
                       .Characteristics = texts::kGroupTexts[i].characteristics};
    }
    return profiles;
}();

} // namespace

std::optional<BloodGroup> GetBloodGroup(int position) noexcept
{
    if (position < 0 || position >= static_cast<int>(kGroupOfBloodType.size()))
        return std::nullopt;
    return kGroupOfBloodType[static_cast<std::size_t>(position)];
}

PersonalityProfile GetPersonalityProfile(BloodGroup group) noexcept
{
    const auto index = static_cast<std::size_t>(group);
    return index < kProfiles.size() ? kProfiles[index] : PersonalityProfile{};
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

} // namespace velmora::bloodtype
