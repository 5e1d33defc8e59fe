#include "modchinesezodiac.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace mcz = velmora::chinese::modchinesezodiac;

namespace {

std::vector<std::string_view> split(std::string_view text, std::string_view separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + separator.size();
    }
}

bool isAnimal(std::string_view name)
{
    return std::find(mcz::kAnimals.begin(), mcz::kAnimals.end(), name) != mcz::kAnimals.end();
}

} // namespace

TEST(AnimalProfile, KeepsTheShortFieldsExactly)
{
    const mcz::AnimalProfile rat = mcz::GetAnimalProfile("Rat");
    EXPECT_EQ(rat[mcz::RulingPlanet], "Jupiter");
    EXPECT_EQ(rat[mcz::WesternZodiacSign], "Sagittarius");
    EXPECT_EQ(rat[mcz::LuckyNumbers], "1, 4, 5, 10, 11, 14, 41, 45, 51, and 54");
    EXPECT_EQ(mcz::GetAnimalProfile("Goat")[mcz::GemStone], "Emerald");
    EXPECT_EQ(mcz::GetAnimalProfile("Monkey")[mcz::GemStone], "Emerald");
    EXPECT_EQ(mcz::GetAnimalProfile("Dog")[mcz::FavourableMonth], "October");
    EXPECT_EQ(mcz::GetAnimalProfile("Pig")[mcz::FavourableMonth], "October");
    const mcz::AnimalProfile snake = mcz::GetAnimalProfile("Snake");
    EXPECT_EQ(snake[mcz::Energy], "Yin (Positive Energy)");
    EXPECT_EQ(snake[mcz::LeastCompatibleSign], "Tiger, Pig");
    EXPECT_EQ(mcz::GetAnimalProfile("Rooster")[mcz::MostCompatibleSigns], "Ox, Dragon, Snake");
}

TEST(AnimalProfile, EveryProfileHasAllFieldsInTheirShapes)
{
    std::set<std::string_view> westernSigns;
    for (const std::string_view animal : mcz::kAnimals) {
        SCOPED_TRACE(std::string(animal));
        const mcz::AnimalProfile profile = mcz::GetAnimalProfile(animal);
        for (const std::string_view field : profile) {
            EXPECT_FALSE(field.empty());
            EXPECT_EQ(field.find_first_of("\r\n{}%"), std::string_view::npos) << field;
        }
        const auto most = split(profile[mcz::MostCompatibleSigns], ", ");
        const auto least = split(profile[mcz::LeastCompatibleSign], ", ");
        EXPECT_TRUE(most.size() >= 1 && most.size() <= 3);
        EXPECT_TRUE(least.size() >= 1 && least.size() <= 2);
        for (const auto& list : {most, least}) {
            for (const std::string_view name : list) {
                EXPECT_TRUE(isAnimal(name)) << name;
            }
        }
        EXPECT_NE(profile[mcz::LuckyNumbers].find(" and "), std::string_view::npos);
        EXPECT_EQ(profile[mcz::LuckyNumbers].find_first_not_of("0123456789, and"), std::string_view::npos);
        westernSigns.insert(profile[mcz::WesternZodiacSign]);
    }
    EXPECT_EQ(westernSigns.size(), 12u) << "each animal has its own Western sign";
}

TEST(AnimalProfile, NamesAreExactAndCaseSensitive)
{
    for (const char* name : {"rat", "RAT", "Rat ", "", "Cat"}) {
        const mcz::AnimalProfile profile = mcz::GetAnimalProfile(name);
        EXPECT_TRUE(std::all_of(profile.begin(), profile.end(), [](std::string_view f) { return f.empty(); }))
            << name;
    }
}

TEST(ElementDescription, EveryElementHasItsOwnReadingAndOtherNamesNone)
{
    std::set<std::string_view> readings;
    for (const std::string_view element : mcz::kElements) {
        const std::string_view reading = mcz::GetElementDescription(element);
        EXPECT_FALSE(reading.empty()) << element;
        readings.insert(reading);
    }
    EXPECT_EQ(readings.size(), 5u);
    EXPECT_EQ(mcz::GetElementDescription("metal"), "");
    EXPECT_EQ(mcz::GetElementDescription("Air"), "");
}

TEST(CompatibilityNumber, IsTheSameInBothOrdersAndRunsFromTwoToTen)
{
    std::set<int> seen;
    for (const std::string_view user : mcz::kAnimals) {
        for (const std::string_view partner : mcz::kAnimals) {
            const int number = mcz::GetCompatibilityNumber(user, partner);
            EXPECT_EQ(number, mcz::GetCompatibilityNumber(partner, user)) << user << " " << partner;
            EXPECT_GE(number, 2);
            EXPECT_LE(number, 10);
            seen.insert(number);
        }
    }
    EXPECT_EQ(seen.size(), 9u) << "every number from 2 to 10 occurs";
    EXPECT_EQ(mcz::GetCompatibilityNumber("Rat", "rat"), 0);
    EXPECT_EQ(mcz::GetCompatibilityNumber("Cat", "Rat"), 0);
}

struct PairCase {
    const char* user;
    const char* partner;
    int number;
    const char* percentage;
    const char* rating;
};

class PairRating : public ::testing::TestWithParam<PairCase> {};

TEST_P(PairRating, GivesTheNumberPercentageAndRating)
{
    const PairCase& c = GetParam();
    const int number = mcz::GetCompatibilityNumber(c.user, c.partner);
    EXPECT_EQ(number, c.number);
    const mcz::CompatibilityRating rating = mcz::GetCompatibilityRating(number);
    EXPECT_EQ(rating.percentage, c.percentage);
    EXPECT_EQ(rating.rating, c.rating);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, PairRating,
    ::testing::Values(PairCase{"Rat", "Dragon", 10, "100%", "A Perfect Match"},
                      PairCase{"Dragon", "Rat", 10, "100%", "A Perfect Match"},
                      PairCase{"Rat", "Monkey", 10, "100%", "A Perfect Match"},
                      PairCase{"Dragon", "Monkey", 10, "100%", "A Perfect Match"},
                      PairCase{"Ox", "Goat", 2, "20%", " A Poor Match"},
                      PairCase{"Rat", "Horse", 3, "30%", "A Poor Match"},
                      PairCase{"Rooster", "Rooster", 4, "40%", "A Difficult Match"},
                      PairCase{"Tiger", "Tiger", 5, "50%", "A Difficult Match"},
                      PairCase{"Rat", "Ox", 6, "60%", "An Easy Match"},
                      PairCase{"Dog", "Dog", 7, "70%", "An Easy Match"},
                      PairCase{"Ox", "Ox", 8, "80%", "A Great Match"},
                      PairCase{"Dragon", "Dragon", 9, "90%", "A Great Match"}));

TEST(CompatibilityRating, NumbersOutsideTheScaleHaveNone)
{
    for (const int number : {-1, 0, 1, 11, 100}) {
        EXPECT_EQ(mcz::GetCompatibilityRating(number).percentage, "") << number;
        EXPECT_EQ(mcz::GetCompatibilityRating(number).rating, "") << number;
    }
}

TEST(MatchingDescription, KeysWriteRabbitAndRoosterInTheirKeyForm)
{
    EXPECT_EQ(mcz::KeyForm("Rabbit"), "AnimalOne");
    EXPECT_EQ(mcz::KeyForm("Rooster"), "AnimalTwo");
    EXPECT_EQ(mcz::KeyForm("Dog"), "Dog");

    const auto& table = mcz::PairDescriptionTable();
    std::set<std::string_view> keys;
    for (const mcz::PairDescriptionEntry& entry : table)
        keys.insert(entry.key);
    EXPECT_EQ(keys.size(), table.size()) << "keys are unique";
    for (const char* key : {"Dog_Rat", "Dog_AnimalOne", "AnimalTwo_AnimalTwo", "AnimalOne_AnimalTwo"}) {
        EXPECT_EQ(keys.count(key), 1u) << key;
    }

    const auto byKey = [&table](std::string_view key) {
        return std::find_if(table.begin(), table.end(), [key](const auto& e) { return e.key == key; })->description;
    };
    EXPECT_EQ(mcz::GetMatchingDescription("Rooster", "Rooster"), byKey("AnimalTwo_AnimalTwo"));
    EXPECT_EQ(mcz::GetMatchingDescription("Dog", "Rabbit"), byKey("Dog_AnimalOne"));
    EXPECT_EQ(mcz::GetMatchingDescription("Rabbit", "Rooster"), byKey("AnimalOne_AnimalTwo"));
    // A name already in key form makes the same key.
    EXPECT_EQ(mcz::GetMatchingDescription("AnimalOne", "AnimalTwo"), byKey("AnimalOne_AnimalTwo"));
    EXPECT_EQ(mcz::GetMatchingDescription("Dog_AnimalOne", ""), "");
}

TEST(MatchingDescription, EveryOrderedPairHasItsOwnText)
{
    std::set<std::string_view> texts;
    for (const std::string_view user : mcz::kAnimals) {
        for (const std::string_view partner : mcz::kAnimals) {
            const std::string_view text = mcz::GetMatchingDescription(user, partner);
            EXPECT_FALSE(text.empty()) << user << " " << partner;
            texts.insert(text);
        }
    }
    EXPECT_EQ(texts.size(), 144u);
    EXPECT_NE(mcz::GetMatchingDescription("Dragon", "Rat"), mcz::GetMatchingDescription("Rat", "Dragon"));
    EXPECT_EQ(mcz::GetMatchingDescription("Rabbit", "rat"), "");
    EXPECT_EQ(mcz::GetMatchingDescription("Cat", "Dog"), "");
}
