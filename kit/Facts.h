#pragma once

#include <string_view>

namespace velmora::kit {

// A short fact of a sign's profile, with the caption its calculator gives it.
struct Fact {
    std::string_view caption;
    std::string_view value;

    bool operator==(const Fact&) const = default;
};

} // namespace velmora::kit
