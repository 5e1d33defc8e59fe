#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <string_view>

// The Chinese calculator's lookups: the animal and element of the Chinese
// year that holds a birth date, each animal's profile, each element's
// reading, and the compatibility of an ordered pair of animals (the user's
// first). Animals and elements are their English names, compared exactly.
// Every lookup answers a name or date it does not know with empty text (or
// the number 0) instead of failing.
namespace velmora::chinese {

// The twelve animals in cycle order and the five elements.
inline constexpr std::array<std::string_view, 12> kAnimals = {"Rat",   "Ox",     "Tiger",  "Rabbit",
                                                              "Dragon", "Snake", "Horse",  "Goat",
                                                              "Monkey", "Rooster", "Dog",   "Pig"};
inline constexpr std::array<std::string_view, 5> kElements = {"Metal", "Water", "Wood", "Fire", "Earth"};

// One Chinese year: its first and last day (both inclusive), animal and
// element.
struct NewYearRow {
    std::chrono::year_month_day firstDay;
    std::chrono::year_month_day lastDay;
    std::string_view animal;
    std::string_view element;
};

// The Chinese years that begin in 1900 to 2100, in order, after the Earth
// Pig of 1899 from 1 January 1900 to its end. They cover every day from
// 1 January 1900 to 28 January 2101 exactly once.
extern const std::array<NewYearRow, 202> NewYearTable;

// Empty for a date that the table does not cover (or that is not a date).
std::string_view FindYearAnimal(std::chrono::year_month_day birthDate) noexcept;
std::string_view FindYearElement(std::chrono::year_month_day birthDate) noexcept;

// The thirteen fields of an animal's profile, addressed by position.
enum ProfileField : std::size_t {
    RulingPlanet,
    PositiveTraits,
    NegativeTraits,
    MostCompatibleSigns,
    LeastCompatibleSign,
    LuckyColour,
    GemStone,
    Energy,
    LuckySeasons,
    FavourableMonth,
    FamousPersons,
    WesternZodiacSign,
    LuckyNumbers,
};
using AnimalProfile = std::array<std::string_view, 13>;

// All fields empty when the name is not one of the twelve animals.
AnimalProfile GetAnimalProfile(std::string_view animal) noexcept;
std::string_view GetElementDescription(std::string_view element) noexcept;

// The compatibility number of the user's animal with the partner's, from 2
// to 10; the order of the two does not matter. 0 when either name is not an
// animal.
int GetCompatibilityNumber(std::string_view userAnimal, std::string_view partnerAnimal) noexcept;

struct CompatibilityRating {
    std::string_view percentage;
    std::string_view rating;
};
// The compiled-in picture of an animal, found by the Western zodiac sign its
// profile gives, which keys the pictures; empty when no picture has that key.
std::string_view AnimalPicture(const AnimalProfile& profile) noexcept;

// The percentage and rating of a compatibility number; empty outside 2 to 10.
CompatibilityRating GetCompatibilityRating(int number) noexcept;

// An animal as it is written in description keys: "AnimalOne" for the
// Rabbit, "AnimalTwo" for the Rooster, every other name as it is.
std::string_view KeyForm(std::string_view animal) noexcept;

struct PairDescriptionEntry {
    std::string_view key; // user's animal, "_", partner's animal, in key form
    std::string_view description;
};
// One description per ordered pair, in cycle order of the user's animal and
// then of the partner's.
const std::array<PairDescriptionEntry, 144>& PairDescriptionTable() noexcept;

// The description whose key the ordered pair makes (user's animal, "_",
// partner's animal, in key form); empty when no description has that key.
std::string_view GetMatchingDescription(std::string_view userAnimal, std::string_view partnerAnimal) noexcept;

} // namespace velmora::chinese
