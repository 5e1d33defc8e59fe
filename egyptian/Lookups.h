#pragma once

#include "kit/Facts.h"

#include <array>
#include <chrono>
#include <optional>
#include <vector>
#include <string_view>

// The Egyptian calculator's lookups: the sign of a birth month and day, a
// sign's profile, and the verdict on an ordered pair of signs (the user's
// first). The birth year plays no part in any of them.
namespace velmora::egyptian {

// The twelve signs, numbered as the result window's pictures and the
// profiles are ordered.
enum class EgyptianSign {
    AmonRa = 1,
    Anubis,
    Bastet,
    Geb,
    Horus,
    Isis,
    Mut,
    TheNile,
    Osiris,
    Sekhmet,
    Seth,
    Thoth,
};

inline constexpr int kSignCount = 12;

constexpr int SignNumber(EgyptianSign sign) noexcept
{
    return static_cast<int>(sign);
}

// The name shown to the user: "Amon Ra" ... "Thoth". Empty for a value that
// is not one of the twelve signs.
std::string_view DisplayName(EgyptianSign sign) noexcept;

// The sign of a birth date, by its month and day alone. None for a month
// and day that no year has (30 and 31 February, the 31st of a 30-day month)
// or out of range; 29 February belongs to Geb whatever the year.
std::optional<EgyptianSign> FindEgyptianSign(std::chrono::year_month_day birthDate) noexcept;

// The compiled-in picture of a sign; the default picture for a value that is
// not one of the twelve signs.
std::string_view SignPicture(EgyptianSign sign) noexcept;

// One sign's profile: ten short facts and two paragraphs of prose, none with
// a line break.
struct EgyptianProfile {
    std::string_view CompatibleSigns;
    std::string_view LuckyColorMale;
    std::string_view LuckyColorFemale;
    std::string_view Polarity;
    std::string_view RulingDeity;
    std::string_view Keywords;
    std::string_view Role;
    std::string_view SacredAnimal;
    std::string_view Appearance;
    std::string_view ZodiacSign;
    std::string_view Description;
    std::string_view Characteristics;
};

// The profile of a sign; all fields empty for a value that is not a sign.
EgyptianProfile GetEgyptianProfile(EgyptianSign sign) noexcept;

inline constexpr std::string_view kVeryCompatible = "You both are very highly compatible";
inline constexpr std::string_view kNotCompatible = "You both are not very compatible";

// kVeryCompatible when `second` is one of the two signs that `first` names as
// compatible, else kNotCompatible. Only the first sign's list is consulted.
std::string_view EgyptianPairVerdict(EgyptianSign first, EgyptianSign second) noexcept;

// A profile field with the label the reading prints in front of it.
struct ReadingField {
    std::string_view label;
    std::string_view EgyptianProfile::*field;
};

// The fields of a reading in the order it prints them; the characteristics
// close the reading.
inline constexpr std::array<ReadingField, 12> kReadingFields = {{
    {"Ruling Deity :-", &EgyptianProfile::RulingDeity},
    {"Appearance :-", &EgyptianProfile::Appearance},
    {"Sacred Animal :-", &EgyptianProfile::SacredAnimal},
    {"Keywords :-", &EgyptianProfile::Keywords},
    {"Compatible Signs :-", &EgyptianProfile::CompatibleSigns},
    {"Lucky Color for Male :-", &EgyptianProfile::LuckyColorMale},
    {"Lucky Color for Female :-", &EgyptianProfile::LuckyColorFemale},
    {"Polarity :-", &EgyptianProfile::Polarity},
    {"Role :-", &EgyptianProfile::Role},
    {"Corresponding Zodiac Sign :-", &EgyptianProfile::ZodiacSign},
    {"Description of God/ Goddess :-", &EgyptianProfile::Description},
    {"Characteristics of people under this Sign :-", &EgyptianProfile::Characteristics},
}};

// The profile's short facts: the reading's fields before its two paragraphs
// of prose, captioned without the reading's " :-".
std::vector<kit::Fact> ShortFacts(const EgyptianProfile& profile);

} // namespace velmora::egyptian
