#pragma once

#include "bloodtype/Lookups.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::bloodtype {

enum class Sex { Male, Female };

// The sexes in the order the entry window lists them, which is the order of
// Sex.
inline constexpr std::array<std::string_view, 2> kSexes = {"Male", "Female"};

// One person as the entry window hands them over: the name as typed, the sex
// and the blood type's position in kBloodTypes.
struct JapanesePerson {
    std::u16string name;
    Sex sex = Sex::Male;
    int bloodType = 0;
};

// One Japanese reading: both people with their blood types, groups and
// personality profiles, and the pair's match label. Names are kept as typed;
// every looked-up text points into the constant tables. A blood-type position
// outside the list leaves that person's type, group and profile empty, and
// the match label with them.
struct JapaneseReadingRecord {
    std::u16string UserName;
    std::u16string PartnerName;
    std::string_view UserBloodType;
    std::string_view PartnerBloodType;
    std::optional<BloodGroup> UserGroup;
    std::optional<BloodGroup> PartnerGroup;
    PersonalityProfile UserProfile{};
    PersonalityProfile PartnerProfile{};
    std::string_view MatchLabel;

    bool operator==(const JapaneseReadingRecord&) const = default;
};

// Looks up both people's groups and profiles and the pair's match label.
// Neither person's sex takes part.
JapaneseReadingRecord CalculateJapaneseReading(const JapanesePerson& user, const JapanesePerson& partner);

} // namespace velmora::bloodtype
