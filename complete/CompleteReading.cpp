#include "CompleteReading.h"

#include "ProfileFields.h"

#include <algorithm>

namespace velmora::complete {
namespace {

namespace mcz = chinese::modchinesezodiac;
namespace mec = egyptian::modegyptianCompatibility;
namespace mjc = bloodtype::modJapaneseCompatibility;

// The Chinese profile's short facts, captioned as the Chinese result window
// captions them.
struct ChineseFact {
    std::string_view caption;
    mcz::ProfileField field;
};
constexpr std::array<ChineseFact, 10> kChineseFacts = {{
    {"Ruling Planets", mcz::RulingPlanet},
    {"Most Compatible Sign", mcz::MostCompatibleSigns},
    {"Least Compatible Sign", mcz::LeastCompatibleSign},
    {"Lucky Colour", mcz::LuckyColour},
    {"Gem Stone", mcz::GemStone},
    {"Energy", mcz::Energy},
    {"Lucky Seasons", mcz::LuckySeasons},
    {"Lucky Month", mcz::FavourableMonth},
    {"Western Zodiac Sign", mcz::WesternZodiacSign},
    {"Lucky Number", mcz::LuckyNumbers},
}};

// The Egyptian profile's ten short facts lead its reading fields; the two
// paragraphs of prose close them.
constexpr std::size_t kEgyptianShortFacts = 10;
static_assert(mec::kReadingFields[kEgyptianShortFacts].field == &mec::EgyptianProfile::Description);

// The Japanese profile's short facts, captioned as the Japanese result window
// captions them; the characteristics are a paragraph.
struct JapaneseFact {
    std::string_view caption;
    std::string_view mjc::PersonalityProfile::*field;
};
constexpr std::array<JapaneseFact, 3> kJapaneseFacts = {{
    {"Japanese Astrology", &mjc::PersonalityProfile::JapaneseName},
    {"Keywords", &mjc::PersonalityProfile::Keywords},
    {"Famous Personalities", &mjc::PersonalityProfile::FamousPersonalities},
}};

// Where a file name may not hold a character: the separators and wildcards
// of the common desktops, and the control characters.
constexpr std::u16string_view kNotInFileNames = u"/\\:*?\"<>|";
// Each name's share of a file name, in UTF-16 units: two of them, the
// joining word and an extension stay well inside the 255 bytes of UTF-8 that
// common file systems allow.
constexpr std::size_t kFileNameShare = 50;

std::string text(std::string_view view)
{
    return std::string(view);
}

std::string withoutBlanks(std::string_view name)
{
    std::string out(name);
    std::erase(out, ' ');
    return out;
}

std::string picture(std::string_view folder, std::string_view file)
{
    if (file.empty())
        return {};
    return ":/" + std::string(folder) + "/" + std::string(file) + ".svg";
}

std::string westernPercentageLine(const western::WesternReadingRecord& reading)
{
    if (reading.Pair.MatchPercentage.empty())
        return "Compatibility Of " + text(reading.UserSign) + " With " + text(reading.PartnerSign);
    return "You Have A Match Of " + text(reading.Pair.MatchPercentage);
}

std::string chineseSign(std::string_view animal, std::string_view element)
{
    return animal.empty() ? std::string() : text(element) + " " + text(animal);
}

std::string bloodTypeText(std::string_view bloodType)
{
    return text(bloodType.empty() ? kBloodTypeNotKnown : bloodType);
}

SummaryRow westernRow(const western::WesternReadingRecord& reading)
{
    SummaryRow row{kSystemHeadings[0], text(reading.UserSign), text(reading.PartnerSign), {}};
    if (!reading.Pair.MatchCode.empty())
        row.pairLines = {text(reading.Pair.MatchComment), westernPercentageLine(reading)};
    return row;
}

SummaryRow chineseRow(const chinese::ChineseReadingRecord& reading)
{
    SummaryRow row{kSystemHeadings[1], chineseSign(reading.UserAnimal, reading.UserElement),
                   chineseSign(reading.PartnerAnimal, reading.PartnerElement), {}};
    if (reading.CompatibilityNumber != 0)
        row.pairLines = {"Chinese Compatibility Number " + std::to_string(reading.CompatibilityNumber),
                         text(reading.Percentage), text(reading.Rating)};
    return row;
}

SummaryRow egyptianRow(const egyptian::EgyptianReadingRecord& reading)
{
    SummaryRow row{kSystemHeadings[2], text(reading.User.SignName), text(reading.Partner.SignName), {}};
    if (!reading.Verdict.empty())
        row.pairLines = {"By your sign: " + text(reading.Verdict),
                         "By your partner's sign: " + text(reading.PartnerVerdict)};
    return row;
}

SummaryRow japaneseRow(const bloodtype::JapaneseReadingRecord& reading)
{
    return {kSystemHeadings[3], bloodTypeText(reading.UserBloodType), bloodTypeText(reading.PartnerBloodType),
            {text(reading.MatchLabel.empty() ? kBloodTypesNotGiven : reading.MatchLabel)}};
}

PersonSection westernPerson(std::string_view sign, const western::modZodiacCompatibility::SignProfile& profile)
{
    PersonSection person{text(sign), picture("western/signs", sign), {}};
    if (sign.empty())
        return person;
    for (const western::ProfileField& field : western::kProfileFields) {
        if (!field.multiLine)
            person.facts.push_back({field.caption, profile.*field.field});
    }
    return person;
}

PersonSection chinesePerson(std::string_view animal, std::string_view element, const mcz::AnimalProfile& profile)
{
    PersonSection person{chineseSign(animal, element), picture("chinese/animals", animal), {}};
    if (animal.empty())
        return person;
    for (const ChineseFact& fact : kChineseFacts)
        person.facts.push_back({fact.caption, profile[fact.field]});
    return person;
}

PersonSection egyptianPerson(const egyptian::EgyptianPersonReading& reading)
{
    PersonSection person{text(reading.SignName), picture("egyptian/signs", withoutBlanks(reading.SignName)), {}};
    if (!reading.Sign)
        return person;
    for (std::size_t i = 0; i < kEgyptianShortFacts; ++i) {
        const mec::ReadingField& field = mec::kReadingFields[i];
        std::string_view caption = field.label;
        caption.remove_suffix(caption.ends_with(" :-") ? 3 : 0);
        person.facts.push_back({caption, reading.Profile.*field.field});
    }
    return person;
}

PersonSection japanesePerson(std::string_view bloodType, const mjc::PersonalityProfile& profile)
{
    PersonSection person{bloodTypeText(bloodType), {}, {}};
    if (bloodType.empty())
        return person;
    for (const JapaneseFact& fact : kJapaneseFacts)
        person.facts.push_back({fact.caption, profile.*fact.field});
    return person;
}

bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

// The name as it may stand in a file name: forbidden characters replaced,
// blanks and dots around it dropped (a leading dot hides a file), and cut
// to its share without splitting a character in two.
std::u16string fileNamePart(std::u16string_view name)
{
    std::u16string part;
    for (const char16_t unit : name)
        part += unit < 0x20 || kNotInFileNames.find(unit) != std::u16string_view::npos ? u'_' : unit;
    const auto isTrimmed = [](char16_t unit) { return unit == u' ' || unit == u'.'; };
    const auto first = std::find_if_not(part.begin(), part.end(), isTrimmed);
    part.erase(part.begin(), first);
    while (!part.empty() && isTrimmed(part.back()))
        part.pop_back();
    if (part.size() > kFileNameShare)
        part.resize(isHighSurrogate(part[kFileNameShare - 1]) ? kFileNameShare - 1 : kFileNameShare);
    return part;
}

} // namespace

CompleteReadingRecord CalculateCompleteReading(const CompletePerson& user, const CompletePerson& partner)
{
    return {western::CalculateWesternReading(user.details, partner.details),
            chinese::CalculateChineseReading(user.details, partner.details),
            egyptian::CalculateEgyptianReading(user.details, partner.details),
            bloodtype::CalculateJapaneseReading({user.details.name, bloodtype::Sex::Male, user.bloodType},
                                                {partner.details.name, bloodtype::Sex::Male, partner.bloodType})};
}

std::array<SummaryRow, 4> SummaryRows(const CompleteReadingRecord& reading)
{
    return {westernRow(reading.Western), chineseRow(reading.Chinese), egyptianRow(reading.Egyptian),
            japaneseRow(reading.Japanese)};
}

std::array<SystemSection, 4> Sections(const CompleteReadingRecord& reading)
{
    const western::WesternReadingRecord& w = reading.Western;
    const chinese::ChineseReadingRecord& c = reading.Chinese;
    const bloodtype::JapaneseReadingRecord& j = reading.Japanese;
    return {{
        {kSystemHeadings[0], w.Pair.MatchDescription, westernPerson(w.UserSign, w.UserProfile),
         westernPerson(w.PartnerSign, w.PartnerProfile)},
        {kSystemHeadings[1], c.MatchingDescription, chinesePerson(c.UserAnimal, c.UserElement, c.UserProfile),
         chinesePerson(c.PartnerAnimal, c.PartnerElement, c.PartnerProfile)},
        {kSystemHeadings[2], {}, egyptianPerson(reading.Egyptian.User), egyptianPerson(reading.Egyptian.Partner)},
        {kSystemHeadings[3], {}, japanesePerson(j.UserBloodType, j.UserProfile),
         japanesePerson(j.PartnerBloodType, j.PartnerProfile)},
    }};
}

std::string DateText(std::chrono::year_month_day date)
{
    const western::DateTexts texts = western::dateTexts(date);
    return text(texts.month) + " " + texts.day + ", " + texts.year;
}

std::u16string DefaultFileName(std::u16string_view user, std::u16string_view partner)
{
    return fileNamePart(user) + u" and " + fileNamePart(partner);
}

} // namespace velmora::complete
