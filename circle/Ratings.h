#pragma once

#include "circle/AddressBook.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Every pair of a circle rated by the four systems: each person's signs are
// looked up once, so that rating a pair is a lookup in a small table, and the
// texts of a pair are those the calculators show.
namespace velmora::circle {

enum class System { Western, Chinese, Egyptian, Japanese };
inline constexpr std::array<System, 4> kSystems = {System::Western, System::Chinese, System::Egyptian,
                                                   System::Japanese};

// The systems' names as the suite heads their readings.
std::string_view SystemName(System system);

// A pair's rating as a score out of 100, for ranking and for the picture:
// - Western: the match's percentage (20 to 100); the special match counts
//   as 50, halfway between a poor and a great match, and the match that
//   "could be a great match or a difficult match" as 60, halfway between
//   those two;
// - Chinese: the compatibility percentage;
// - Egyptian: 50 for each of the two signs that names the other as
//   compatible;
// - Japanese: 100 for an excellent match, 50 for an average one;
// - overall: the mean of the systems that rate the pair, rounded.
// kNoScore where a system cannot rate the pair: the Chinese without both
// birth years, the Japanese without both blood types, and a person with
// themself.
inline constexpr std::uint8_t kNoScore = 255;
inline constexpr std::uint8_t kHighestScore = 100;

// What the Chinese rating says of a pair without both birth years, as the
// Japanese one says "Blood types not given".
inline constexpr std::string_view kBirthYearsNotGiven = "Birth years not given";

class CircleRatings {
public:
    explicit CircleRatings(std::span<const Person> people);

    std::size_t size() const { return birthdays_.size(); }

    std::uint8_t score(System system, std::size_t user, std::size_t partner) const;
    std::uint8_t overall(std::size_t user, std::size_t partner) const;
    // By one system, or overall without one.
    std::uint8_t score(std::optional<System> system, std::size_t user, std::size_t partner) const
    {
        return system ? score(*system, user, partner) : overall(user, partner);
    }
    // Every pair's score by one system, or overall without one, row by row:
    // row `user`, column `partner`.
    std::vector<std::uint8_t> matrix(std::optional<System> system) const;

    // The pair's rating by one system as that calculator shows it, a line
    // each, the user's side first; what the system lacks where it cannot.
    std::vector<std::string> ratingLines(System system, std::size_t user, std::size_t partner) const;

private:
    // A system's signs: each person's, as a position among the distinct
    // signs of the circle (-1 for none), and the score of every pair of
    // those, row by row.
    struct Signs {
        std::vector<std::int16_t> ofPerson;
        std::size_t count = 0;
        std::vector<std::uint8_t> scores;
    };
    template <class Sign, class SignOf, class ScoreOf>
    static Signs lookUp(std::size_t people, SignOf signOf, ScoreOf scoreOf);

    const Signs& signs(System system) const { return signs_[static_cast<std::size_t>(system)]; }

    // What the texts of a pair need of each person.
    std::vector<Birthday> birthdays_;
    std::vector<std::optional<int>> bloodTypes_;
    std::array<Signs, kSystems.size()> signs_;
};

} // namespace velmora::circle
