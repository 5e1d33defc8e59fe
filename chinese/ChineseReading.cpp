#include "ChineseReading.h"

namespace velmora::chinese {

namespace mcz = modchinesezodiac;

ChineseReadingRecord CalculateChineseReading(const kit::BirthDetails& user, const kit::BirthDetails& partner)
{
    ChineseReadingRecord reading;
    reading.UserName = user.name;
    reading.UserDate = user.birthDate;
    reading.PartnerName = partner.name;
    reading.PartnerDate = partner.birthDate;

    reading.UserAnimal = mcz::FindYearAnimal(user.birthDate);
    reading.PartnerAnimal = mcz::FindYearAnimal(partner.birthDate);
    reading.UserElement = mcz::FindYearElement(user.birthDate);
    reading.PartnerElement = mcz::FindYearElement(partner.birthDate);
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
