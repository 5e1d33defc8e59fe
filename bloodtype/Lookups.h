#pragma once

#include <array>
#include <optional>
#include <string_view>

// The blood-type calculator's lookups: the ABO group of each of the eight
// blood types, the personality profile of each group, and the pair's match
// label. Only the group counts; the Rh sign and the person's sex take no part.
namespace velmora::bloodtype {

enum class BloodGroup { A, B, AB, O };

struct PersonalityProfile {
    std::string_view JapaneseName;
    std::string_view Keywords;            // five words joined by "," without blanks
    std::string_view FamousPersonalities; // four names joined by ", "
    std::string_view Characteristics;     // one paragraph, second person

    bool operator==(const PersonalityProfile&) const = default;
};

// The eight blood types in the order the entry window lists them; a blood
// type is known by its position in this list.
inline constexpr std::array<std::string_view, 8> kBloodTypes = {"A+", "A-", "B+", "B-", "AB+", "AB-", "O+", "O-"};

inline constexpr std::string_view kExcellentMatch = "An Excellent Match";
inline constexpr std::string_view kAverageMatch = "An Average Match";

// The group of the blood type at `position`; nothing outside 0..7.
std::optional<BloodGroup> GetBloodGroup(int position) noexcept;
// All fields empty for a value that is not one of the four groups.
PersonalityProfile GetPersonalityProfile(BloodGroup group) noexcept;
// The rating of the user's blood type with the partner's; empty when either
// position is outside 0..7.
std::string_view GetMatchLabel(int userPosition, int partnerPosition) noexcept;

} // namespace velmora::bloodtype
