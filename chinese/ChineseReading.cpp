#include "ChineseReading.h"

namespace velmora::chinese {

namespace mcz = modchinesezodiac;

ChineseReadingRecord& ChineseReading()
{
    static ChineseReadingRecord record;
    return record;
}

ChineseReadingRecord CalculateChineseReading(const PersonEntry& user, const PersonEntry& partner)
{
    ChineseReadingRecord reading;
    reading.UserName = user.name.trimmed();
    reading.UserDate = user.dateText;
    reading.PartnerName = partner.name.trimmed();
    reading.PartnerDate = partner.dateText;

    reading.UserAnimal = mcz::FindYearAnimal(user.date);
    reading.PartnerAnimal = mcz::FindYearAnimal(partner.date);
    reading.UserElement = mcz::FindYearElement(user.date);
    reading.PartnerElement = mcz::FindYearElement(partner.date);
    reading.UserProfile = mcz::GetAnimalProfile(reading.UserAnimal);
    reading.PartnerProfile = mcz::GetAnimalProfile(reading.PartnerAnimal);
    reading.UserElementReading = mcz::GetElementDescription(reading.UserElement);
    reading.PartnerElementReading = mcz::GetElementDescription(reading.PartnerElement);
    reading.CompatibilityNumber = mcz::GetCompatibilityNumber(reading.UserAnimal, reading.PartnerAnimal);
    reading.MatchingDescription = mcz::GetMatchingDescription(reading.UserAnimal, reading.PartnerAnimal);

    const mcz::CompatibilityRating rating = mcz::GetCompatibilityRating(reading.CompatibilityNumber);
    reading.Percentage = rating.percentage;
    reading.Rating = rating.rating;
    return reading;
}

} // namespace velmora::chinese
