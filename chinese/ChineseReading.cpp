#include "chinese/ChineseReading.h"

namespace velmora::chinese {

ChineseReadingRecord CalculateChineseReading(const kit::BirthDetails& user, const kit::BirthDetails& partner)
{
    ChineseReadingRecord reading;
    reading.UserName = user.name;
    reading.UserDate = user.birthDate;
    reading.PartnerName = partner.name;
    reading.PartnerDate = partner.birthDate;

    reading.UserAnimal = FindYearAnimal(user.birthDate);
    reading.PartnerAnimal = FindYearAnimal(partner.birthDate);
    reading.UserElement = FindYearElement(user.birthDate);
    reading.PartnerElement = FindYearElement(partner.birthDate);
    reading.UserProfile = GetAnimalProfile(reading.UserAnimal);
    reading.PartnerProfile = GetAnimalProfile(reading.PartnerAnimal);
    reading.UserElementReading = GetElementDescription(reading.UserElement);
    reading.PartnerElementReading = GetElementDescription(reading.PartnerElement);
    reading.CompatibilityNumber = GetCompatibilityNumber(reading.UserAnimal, reading.PartnerAnimal);
    reading.MatchingDescription = GetMatchingDescription(reading.UserAnimal, reading.PartnerAnimal);

    const CompatibilityRating rating = GetCompatibilityRating(reading.CompatibilityNumber);
    reading.Percentage = rating.percentage;
    reading.Rating = rating.rating;
    return reading;
}

} // namespace velmora::chinese
