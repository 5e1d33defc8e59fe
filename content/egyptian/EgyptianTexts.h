#pragma once

#include <array>
#include <string_view>

// Reading prose of the Egyptian astrology calculator, one row per sign in the
// order of the sign numbers (1 "Amon Ra" ... 12 "Thoth").
namespace velmora::content::egyptian {

struct SignTexts {
    std::string_view sign;              // display name, "Amon Ra" ... "Thoth"
    std::string_view deityDescription;  // third person, one paragraph
    std::string_view characteristics;   // mostly second person, one paragraph
};

inline constexpr std::array<SignTexts, 12> kSignTexts = {{
#include "content/egyptian/sign_texts.inc"
}};

} // namespace velmora::content::egyptian
