#pragma once

#include <array>
#include <string_view>

// Reading prose of the Western sun-sign calculator. The short profile facts
// (element, planet, lucky items...) live with the lookup tables in western/.
namespace velmora::content::western {

// One row per sign, in zodiac order.
struct SignTexts {
    std::string_view sign;           // "Aries" ... "Pisces"
    std::string_view positiveTraits; // second person, one paragraph
    std::string_view negativeTraits; // second person, one paragraph
    std::string_view famousPersons;  // names joined by ", "
};

// One row per unordered pair of signs, the first sign not later than the
// second in zodiac order; the rows run Aries-Aries ... Aries-Pisces,
// Taurus-Taurus ... Pisces-Pisces. `text` serves both orders unless
// `reverseText` is set: then `text` is read when `first` is the user and
// `reverseText` when `second` is the user.
struct PairText {
    std::string_view first;
    std::string_view second;
    std::string_view text;
    std::string_view reverseText;
};

inline constexpr std::array<SignTexts, 12> kSignTexts = {{
#include "content/western/sign_texts.inc"
}};

inline constexpr std::array<PairText, 78> kPairTexts = {{
#include "content/western/pair_texts_1.inc"
#include "content/western/pair_texts_2.inc"
#include "content/western/pair_texts_3.inc"
#include "content/western/pair_texts_4.inc"
}};

} // namespace velmora::content::western
