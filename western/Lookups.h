#pragma once

#include <chrono>
#include <string_view>

// The Western calculator's lookups: a birth date's sun sign, a sign's
// profile and picture, and the reading of an ordered pair of signs (the
// user's first). Signs are their English names, compared exactly.
namespace velmora::western {

struct SignProfile {
    std::string_view Element;
    std::string_view RulingPlanet;
    std::string_view PositiveTraits;
    std::string_view NegativeTraits;
    std::string_view LuckyNumber;
    std::string_view LuckyColor;
    std::string_view LuckyDay;
    std::string_view Compatibility;
    std::string_view FamousPersons;
    std::string_view BirthStone;
    std::string_view Quality;
};

struct PairResult {
    std::string_view MatchCode;
    std::string_view MatchPercentage; // empty for the two special codes
    std::string_view MatchComment;
    std::string_view MatchDescription;
};

// The sun sign of a birth date, by its month and its day number alone: any
// day up to 31 falls on one side of its month's threshold, so 30 February
// gives Pisces. Empty for a month that is not one of the twelve.
std::string_view GetSunSign(std::chrono::year_month_day birthDate) noexcept;

// The profile of a sign, or null when the name is not one of the twelve.
const SignProfile* FindSignProfile(std::string_view sign) noexcept;
// The compiled-in picture of a sign; the default picture for a name that is
// not a sign.
std::string_view SignPicture(std::string_view sign) noexcept;
// The reading of an ordered pair, or null when either name is not a sign.
const PairResult* FindPairResult(std::string_view userSign, std::string_view partnerSign) noexcept;

} // namespace velmora::western
