#pragma once

#include <array>
#include <string_view>

// Reading prose of the blood-type calculator, one row per ABO group in the
// order A, B, AB, O.
namespace velmora::content::bloodtype {

struct GroupTexts {
    std::string_view group;               // "A", "B", "AB", "O"
    std::string_view characteristics;     // second person, one paragraph
    std::string_view famousPersonalities; // four names joined by ", "
};

inline constexpr std::array<GroupTexts, 4> kGroupTexts = {{
#include "content/bloodtype/group_texts.inc"
}};

} // namespace velmora::content::bloodtype
