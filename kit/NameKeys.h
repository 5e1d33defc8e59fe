#pragma once

// The key filter of the name boxes that take names in capital letters only,
// on the character code k of a typed key: letters are kept and written as
// capitals; backspace (8), Enter (13) and the blank (32) pass unchanged;
// every other character is refused (0).
namespace velmora::kit {

constexpr int FilterNameKey(int k) noexcept
{
    const bool capital = k >= 'A' && k <= 'Z';
    const bool small = k >= 'a' && k <= 'z';
    if (!capital && !small && k != 8 && k != 13 && k != 32)
        return 0;
    return small ? k - ('a' - 'A') : k;
}

} // namespace velmora::kit
