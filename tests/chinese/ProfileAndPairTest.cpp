#include "chinese/Lookups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

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
    return std::find(velmora::chinese::kAnimals.begin(), velmora::chinese::kAnimals.end(), name) != velmora::chinese::kAnimals.end();
}

} // namespace

TEST(AnimalProfile, KeepsTheShortFieldsExactly)
{
    const velmora::chinese::AnimalProfile rat = velmora::chinese::GetAnimalProfile("Rat");
    EXPECT_EQ(rat[velmora::chinese::RulingPlanet], "Jupiter");
    EXPECT_EQ(rat[velmora::chinese::WesternZodiacSign], "Sagittarius");
    EXPECT_EQ(rat[velmora::chinese::LuckyNumbers], "1, 4, 5, 10, 11, 14, 41, 45, 51, and 54");
    EXPECT_EQ(velmora::chinese::GetAnimalProfile("Goat")[velmora::chinese::GemStone], "Emerald");
    EXPECT_EQ(velmora::chinese::GetAnimalProfile("Monkey")[velmora::chinese::GemStone], "Emerald");
    EXPECT_EQ(velmora::chinese::GetAnimalProfile("Dog")[velmora::chinese::FavourableMonth], "October");
    EXPECT_EQ(velmora::chinese::GetAnimalProfile("Pig")[velmora::chinese::FavourableMonth], "October");
    const velmora::chinese::AnimalProfile snake = velmora::chinese::GetAnimalProfile("Snake");
    EXPECT_EQ(snake[velmora::chinese::Energy], "Yin (Positive Energy)");
    EXPECT_EQ(snake[velmora::chinese::LeastCompatibleSign], "Tiger, Pig");
    EXPECT_EQ(velmora::chinese::GetAnimalProfile("Rooster")[velmora::chinese::MostCompatibleSigns], "Ox, Dragon, Snake");
}

TEST(AnimalProfile, EveryProfileHasAllFieldsInTheirShapes)
{
    std::set<std::string_view> westernSigns;
    for (const std::string_view animal : velmora::chinese::kAnimals) {
        SCOPED_TRACE(std::string(animal));
        const velmora::chinese::AnimalProfile profile = velmora::chinese::GetAnimalProfile(animal);
        for (const std::string_view field : profile) {
            EXPECT_FALSE(field.empty());
            EXPECT_EQ(field.find_first_of("\r\n{}%"), std::string_view::npos) << field;
        }
        const auto most = split(profile[velmora::chinese::MostCompatibleSigns], ", ");
        const auto least = split(profile[velmora::chinese::LeastCompatibleSign], ", ");
        EXPECT_TRUE(most.size() >= 1 && most.size() <= 3);
        EXPECT_TRUE(least.size() >= 1 && least.size() <= 2);
        for (const auto& list : {most, least}) {
            for (const std::string_view name : list) {
                EXPECT_TRUE(isAnimal(name)) << name;
            }
        }
        EXPECT_NE(profile[velmora::chinese::LuckyNumbers].find(" and "), std::string_view::npos);
        EXPECT_EQ(profile[velmora::chinese::LuckyNumbers].find_first_not_of("0123456789, and"), std::string_view::npos);
        westernSigns.insert(profile[velmora::chinese::WesternZodiacSign]);
    }
    EXPECT_EQ(westernSigns.size(), 12u) << "each animal has its own Western sign";
}

TEST(AnimalProfile, NamesAreExactAndCaseSensitive)
{
    for (const char* name : {"rat", "RAT", "Rat ", "", "Cat"}) {
        const velmora::chinese::AnimalProfile profile = velmora::chinese::GetAnimalProfile(name);
        EXPECT_TRUE(std::all_of(profile.begin(), profile.end(), [](std::string_view f) { return f.empty(); }))
            << name;
    }
}

TEST(ElementDescription, EveryElementHasItsOwnReadingAndOtherNamesNone)
{
    std::set<std::string_view> readings;
    for (const std::string_view element : velmora::chinese::kElements) {
        const std::string_view reading = velmora::chinese::GetElementDescription(element);
        EXPECT_FALSE(reading.empty()) << element;
        readings.insert(reading);
    }
    EXPECT_EQ(readings.size(), 5u);
    EXPECT_EQ(velmora::chinese::GetElementDescription("metal"), "");
    EXPECT_EQ(velmora::chinese::GetElementDescription("Air"), "");
}

TEST(CompatibilityNumber, IsTheSameInBothOrdersAndRunsFromTwoToTen)
{
    std::set<int> seen;
    for (const std::string_view user : velmora::chinese::kAnimals) {
        for (const std::string_view partner : velmora::chinese::kAnimals) {
            const int number = velmora::chinese::GetCompatibilityNumber(user, partner);
            EXPECT_EQ(number, velmora::chinese::GetCompatibilityNumber(partner, user)) << user << " " << partner;
            EXPECT_GE(number, 2);
            EXPECT_LE(number, 10);
            seen.insert(number);
        }
    }
    EXPECT_EQ(seen.size(), 9u) << "every number from 2 to 10 occurs";
    EXPECT_EQ(velmora::chinese::GetCompatibilityNumber("Rat", "rat"), 0);
    EXPECT_EQ(velmora::chinese::GetCompatibilityNumber("Cat", "Rat"), 0);
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
    const int number = velmora::chinese::GetCompatibilityNumber(c.user, c.partner);
    EXPECT_EQ(number, c.number);
    const velmora::chinese::CompatibilityRating rating = velmora::chinese::GetCompatibilityRating(number);
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
        EXPECT_EQ(velmora::chinese::GetCompatibilityRating(number).percentage, "") << number;
        EXPECT_EQ(velmora::chinese::GetCompatibilityRating(number).rating, "") << number;
    }
}

TEST(MatchingDescription, KeysWriteRabbitAndRoosterInTheirKeyForm)
{
    EXPECT_EQ(velmora::chinese::KeyForm("Rabbit"), "AnimalOne");
    EXPECT_EQ(velmora::chinese::KeyForm("Rooster"), "AnimalTwo");
    EXPECT_EQ(velmora::chinese::KeyForm("Dog"), "Dog");

    const auto& table = velmora::chinese::PairDescriptionTable();
    std::set<std::string_view> keys;
    for (const velmora::chinese::PairDescriptionEntry& entry : table)
        keys.insert(entry.key);
    for (const char* key : {"Dog_Rat", "Dog_AnimalOne", "AnimalTwo_AnimalTwo", "AnimalOne_AnimalTwo"}) {
        EXPECT_EQ(keys.count(key), 1u) << key;
    }

    const auto byKey = [&table](std::string_view key) {
        return std::find_if(table.begin(), table.end(), [key](const auto& e) { return e.key == key; })->description;
    };
    EXPECT_EQ(velmora::chinese::GetMatchingDescription("Rooster", "Rooster"), byKey("AnimalTwo_AnimalTwo"));
    EXPECT_EQ(velmora::chinese::GetMatchingDescription("Dog", "Rabbit"), byKey("Dog_AnimalOne"));
    EXPECT_EQ(velmora::chinese::GetMatchingDescription("Rabbit", "Rooster"), byKey("AnimalOne_AnimalTwo"));
    // A name already in key form makes the same key.
    EXPECT_EQ(velmora::chinese::GetMatchingDescription("AnimalOne", "AnimalTwo"), byKey("AnimalOne_AnimalTwo"));
    EXPECT_EQ(velmora::chinese::GetMatchingDescription("Dog_AnimalOne", ""), "");
}

TEST(MatchingDescription, EveryOrderedPairHasItsOwnText)
{
    std::set<std::string_view> texts;
    for (const std::string_view user : velmora::chinese::kAnimals) {
        for (const std::string_view partner : velmora::chinese::kAnimals) {
            const std::string_view text = velmora::chinese::GetMatchingDescription(user, partner);
            EXPECT_FALSE(text.empty()) << user << " " << partner;
            texts.insert(text);
        }
    }
    EXPECT_EQ(texts.size(), 144u);
    EXPECT_NE(velmora::chinese::GetMatchingDescription("Dragon", "Rat"), velmora::chinese::GetMatchingDescription("Rat", "Dragon"));
    EXPECT_EQ(velmora::chinese::GetMatchingDescription("Rabbit", "rat"), "");
    EXPECT_EQ(velmora::chinese::GetMatchingDescription("Cat", "Dog"), "");
}
