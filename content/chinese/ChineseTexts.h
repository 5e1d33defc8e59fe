#pragma once

#include <array>
#include <string_view>

// Reading prose of the Chinese zodiac calculator. The short profile facts
// live with the lookup tables in chinese/.
namespace velmora::content::chinese {

// One row per animal, in cycle order.
struct AnimalTexts {
    std::string_view animal;         // "Rat" ... "Pig"
    std::string_view positiveTraits; // second person, one paragraph
    std::string_view negativeTraits; // second person, one paragraph
    std::string_view famousPersons;  // names joined by ", "
};

// One row per element, in the order Metal, Water, Wood, Fire, Earth.
struct ElementText {
    std::string_view element; // "Metal", "Water", "Wood", "Fire", "Earth"
    std::string_view reading; // second person, one paragraph
};

// One row per ordered pair (user's animal, partner's animal), in cycle order
// of the user's animal and then of the partner's: a body, a blank line
// (CR LF CR LF) and a closing sentence giving the pair's score.
struct PairDescription {
    std::string_view user;
    std::string_view partner;
    std::string_view text;
};

inline constexpr std::array<AnimalTexts, 12> kAnimalTexts = {{
#include "content/chinese/animal_texts.inc"
}};

inline constexpr std::array<ElementText, 5> kElementTexts = {{
#include "content/chinese/element_texts.inc"
}};

inline constexpr std::array<PairDescription, 144> kPairDescriptions = {{
#include "content/chinese/pair_descriptions_1.inc"
#include "content/chinese/pair_descriptions_2.inc"
}};

} // namespace velmora::content::chinese
