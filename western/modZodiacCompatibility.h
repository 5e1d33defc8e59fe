#pragma once

#include <string_view>

// The Western calculator's lookups: a birth date's sun sign, a sign's
// profile, and the reading of an ordered pair of signs (the user's first).
// Signs and months are their English names, compared exactly.
namespace velmora::western::modZodiacCompatibility {

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

// The sun sign of a month name and a day given as decimal text ("1" ... "31").
// Empty when the month is not one of the twelve names or the day is not a
// number (or falls between a threshold's two days).
std::string_view GetSunSign(std::string_view month, std::string_view day) noexcept;

// The profile of a sign, or null when the name is not one of the twelve.
const SignProfile* FindSignProfile(std::string_view sign) noexcept;
// The reading of an ordered pair, or null when either name is not a sign.
const PairResult* FindPairResult(std::string_view userSign, std::string_view partnerSign) noexcept;

} // namespace velmora::western::modZodiacCompatibility
