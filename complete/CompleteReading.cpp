#include "complete/CompleteReading.h"

#include "bloodtype/ProfileFields.h"
#include "chinese/ProfileFields.h"
#include "western/ProfileFields.h"

#include <algorithm>

namespace velmora::complete {
namespace {

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

PersonSection westernPerson(std::string_view sign, const western::SignProfile& profile)
{
    if (sign.empty())
        return {};
    return {text(sign), western::SignPicture(sign), western::ShortFacts(profile)};
}

PersonSection chinesePerson(std::string_view animal, std::string_view element, const chinese::AnimalProfile& profile)
{
    if (animal.empty())
        return {};
    return {chineseSign(animal, element), chinese::AnimalPicture(profile), chinese::ShortFacts(profile)};
}

PersonSection egyptianPerson(const egyptian::EgyptianPersonReading& reading)
{
    if (!reading.Sign)
        return {};
    return {text(reading.SignName), egyptian::SignPicture(*reading.Sign), egyptian::ShortFacts(reading.Profile)};
}

PersonSection japanesePerson(std::string_view bloodType, const bloodtype::PersonalityProfile& profile)
{
    if (bloodType.empty())
        return {bloodTypeText(bloodType), {}, {}};
    return {bloodTypeText(bloodType), {}, bloodtype::ShortFacts(profile)};
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

SummaryRow WesternSummary(const western::WesternReadingRecord& reading)
{
    SummaryRow row{kSystemHeadings[0], text(reading.UserSign), text(reading.PartnerSign), {}};
    if (!reading.Pair.MatchCode.empty())
        row.pairLines = {text(reading.Pair.MatchComment), westernPercentageLine(reading)};
    return row;
}

SummaryRow ChineseSummary(const chinese::ChineseReadingRecord& reading)
{
    SummaryRow row{kSystemHeadings[1], chineseSign(reading.UserAnimal, reading.UserElement),
                   chineseSign(reading.PartnerAnimal, reading.PartnerElement), {}};
    if (reading.CompatibilityNumber != 0)
        row.pairLines = {"Chinese Compatibility Number " + std::to_string(reading.CompatibilityNumber),
                         text(reading.Percentage), text(reading.Rating)};
    return row;
}

SummaryRow EgyptianSummary(const egyptian::EgyptianReadingRecord& reading)
{
    SummaryRow row{kSystemHeadings[2], text(reading.User.SignName), text(reading.Partner.SignName), {}};
    if (!reading.Verdict.empty())
        row.pairLines = {"By your sign: " + text(reading.Verdict),
                         "By your partner's sign: " + text(reading.PartnerVerdict)};
    return row;
}

SummaryRow JapaneseSummary(const bloodtype::JapaneseReadingRecord& reading)
{
    return {kSystemHeadings[3], bloodTypeText(reading.UserBloodType), bloodTypeText(reading.PartnerBloodType),
            {text(reading.MatchLabel.empty() ? kBloodTypesNotGiven : reading.MatchLabel)}};
}

std::array<SummaryRow, 4> SummaryRows(const CompleteReadingRecord& reading)
{
    return {WesternSummary(reading.Western), ChineseSummary(reading.Chinese), EgyptianSummary(reading.Egyptian),
            JapaneseSummary(reading.Japanese)};
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

std::u16string DefaultFileName(std::u16string_view user, std::u16string_view partner)
{
    return fileNamePart(user) + u" and " + fileNamePart(partner);
}

} // namespace velmora::complete
