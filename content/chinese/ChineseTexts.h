#pragma once

#include <array>
#include <string_view>

// Reading prose of the Chinese zodiac calculator. The short profile facts
// live with the lookup tables in chinese/.
namespace velmora::content::chinese {

struct AnimalTexts {
    std::string_view animal;         // "Rat" ... "Pig"
    std::string_view positiveTraits; // second person, one paragraph
    std::string_view negativeTraits; // second person, one paragraph
    std::string_view famousPersons;  // names joined by ", "
};

struct ElementText {
    std::string_view element; // "Metal", "Water", "Wood", "Fire", "Earth"
    std::string_view reading; // second person, one paragraph
};

// One row per ordered pair (user's animal, partner's animal): a body, a
// blank line (CR LF CR LF) and a closing sentence giving the pair's score.
struct PairDescription {
    std::string_view user;
    std::string_view partner;
    std::string_view text;
};

extern const std::array<AnimalTexts, 12> kAnimalTexts;
extern const std::array<ElementText, 5> kElementTexts;
extern const std::array<PairDescription, 144> kPairDescriptions;

} // namespace velmora::content::chinese
