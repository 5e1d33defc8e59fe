#include "circle/Ratings.h"

#include "bloodtype/JapaneseReading.h"
#include "chinese/ChineseReading.h"
#include "complete/CompleteReading.h"
#include "egyptian/EgyptianReading.h"
#include "western/WesternReading.h"

#include <algorithm>
#include <chrono>

namespace velmora::circle {
namespace {

kit::BirthDetails detailsOf(const Birthday& birthday)
{
    return {u"", DateOf(birthday)};
}

std::uint8_t westernScore(std::string_view user, std::string_view partner)
{
    const western::PairResult* pair = western::FindPairResult(user, partner);
    if (!pair)
        return kNoScore;
    if (pair->MatchCode == "1,4")
        return 50;
    if (pair->MatchCode == "1,5")
        return 60;
    return static_cast<std::uint8_t>(20 * (pair->MatchCode.front() - '0'));
}

std::uint8_t egyptianScore(egyptian::EgyptianSign user, egyptian::EgyptianSign partner)
{
    const auto half = [](egyptian::EgyptianSign first, egyptian::EgyptianSign second) {
        return egyptian::EgyptianPairVerdict(first, second) == egyptian::kVeryCompatible ? 50 : 0;
    };
    return static_cast<std::uint8_t>(half(user, partner) + half(partner, user));
}

std::uint8_t japaneseScore(int user, int partner)
{
    const std::string_view label = bloodtype::GetMatchLabel(user, partner);
    return label == bloodtype::kExcellentMatch ? 100 : label == bloodtype::kAverageMatch ? 50 : kNoScore;
}

bloodtype::JapanesePerson japanesePerson(std::optional<int> bloodType)
{
    return {u"", bloodtype::Sex::Male, bloodType.value_or(complete::kNoBloodType)};
}

} // namespace

std::string_view SystemName(System system)
{
    return complete::kSystemHeadings[static_cast<std::size_t>(system)];
}

template <class Sign, class SignOf, class ScoreOf>
CircleRatings::Signs CircleRatings::lookUp(std::size_t people, SignOf signOf, ScoreOf scoreOf)
{
    std::vector<Sign> distinct;
    Signs signs;
    signs.ofPerson.reserve(people);
    for (std::size_t person = 0; person < people; ++person) {
        const std::optional<Sign> sign = signOf(person);
        if (!sign) {
            signs.ofPerson.push_back(-1);
            continue;
        }
        auto found = std::find(distinct.begin(), distinct.end(), *sign);
        if (found == distinct.end())
            found = distinct.insert(distinct.end(), *sign);
        signs.ofPerson.push_back(static_cast<std::int16_t>(found - distinct.begin()));
    }
    signs.count = distinct.size();
    signs.scores.resize(signs.count * signs.count);
    for (std::size_t a = 0; a < signs.count; ++a) {
        for (std::size_t b = 0; b < signs.count; ++b)
            signs.scores[a * signs.count + b] = scoreOf(distinct[a], distinct[b]);
    }
    return signs;
}

CircleRatings::CircleRatings(std::span<const Person> people)
{
    for (const Person& person : people) {
        birthdays_.push_back(person.birthday);
        bloodTypes_.push_back(person.bloodType);
    }
    const std::size_t n = people.size();
    signs_[static_cast<std::size_t>(System::Western)] = lookUp<std::string_view>(
        n,
        [this](std::size_t p) -> std::optional<std::string_view> {
            const std::string_view sign = western::GetSunSign(DateOf(birthdays_[p]));
            return sign.empty() ? std::nullopt : std::optional(sign);
        },
        westernScore);
    signs_[static_cast<std::size_t>(System::Chinese)] = lookUp<std::string_view>(
        n,
        [this](std::size_t p) -> std::optional<std::string_view> {
            if (!birthdays_[p].year)
                return std::nullopt;
            const std::string_view animal = chinese::FindYearAnimal(DateOf(birthdays_[p]));
            return animal.empty() ? std::nullopt : std::optional(animal);
        },
        [](std::string_view user, std::string_view partner) {
            return static_cast<std::uint8_t>(10 * chinese::GetCompatibilityNumber(user, partner));
        });
    signs_[static_cast<std::size_t>(System::Egyptian)] = lookUp<egyptian::EgyptianSign>(
        n, [this](std::size_t p) { return egyptian::FindEgyptianSign(DateOf(birthdays_[p])); }, egyptianScore);
    signs_[static_cast<std::size_t>(System::Japanese)] =
        lookUp<int>(n, [this](std::size_t p) { return bloodTypes_[p]; }, japaneseScore);
}

std::uint8_t CircleRatings::score(System system, std::size_t user, std::size_t partner) const
{
    const Signs& s = signs(system);
    if (user == partner || user >= size() || partner >= size())
        return kNoScore;
    const std::int16_t a = s.ofPerson[user];
    const std::int16_t b = s.ofPerson[partner];
    if (a < 0 || b < 0)
        return kNoScore;
    return s.scores[static_cast<std::size_t>(a) * s.count + static_cast<std::size_t>(b)];
}

std::uint8_t CircleRatings::overall(std::size_t user, std::size_t partner) const
{
    int sum = 0;
    int count = 0;
    for (const System system : kSystems) {
        const std::uint8_t value = score(system, user, partner);
        if (value != kNoScore) {
            sum += value;
            ++count;
        }
    }
    return count == 0 ? kNoScore : static_cast<std::uint8_t>((sum + count / 2) / count);
}

std::vector<std::uint8_t> CircleRatings::matrix(std::optional<System> system) const
{
    const std::size_t n = size();
    std::vector<std::uint8_t> scores(n * n);
    for (std::size_t user = 0; user < n; ++user) {
        for (std::size_t partner = 0; partner < n; ++partner)
            scores[user * n + partner] = score(system, user, partner);
    }
    return scores;
}

std::vector<std::string> CircleRatings::ratingLines(System system, std::size_t user, std::size_t partner) const
{
    const Birthday& u = birthdays_[user];
    const Birthday& p = birthdays_[partner];
    switch (system) {
    case System::Western:
        return complete::WesternSummary(western::CalculateWesternReading(detailsOf(u), detailsOf(p))).pairLines;
    case System::Chinese:
        if (!u.year || !p.year)
            return {std::string(kBirthYearsNotGiven)};
        return complete::ChineseSummary(chinese::CalculateChineseReading(detailsOf(u), detailsOf(p))).pairLines;
    case System::Egyptian:
        return complete::EgyptianSummary(egyptian::CalculateEgyptianReading(detailsOf(u), detailsOf(p))).pairLines;
    case System::Japanese: break;
    }
    return complete::JapaneseSummary(
               bloodtype::CalculateJapaneseReading(japanesePerson(bloodTypes_[user]), japanesePerson(bloodTypes_[partner])))
        .pairLines;
}

} // namespace velmora::circle
