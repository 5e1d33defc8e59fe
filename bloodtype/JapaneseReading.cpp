#include "bloodtype/JapaneseReading.h"

namespace velmora::bloodtype {
namespace {

std::string_view bloodTypeText(int position)
{
    if (!GetBloodGroup(position))
        return {};
    return kBloodTypes[static_cast<std::size_t>(position)];
}

PersonalityProfile profileOf(std::optional<BloodGroup> group)
{
    return group ? GetPersonalityProfile(*group) : PersonalityProfile{};
}

} // namespace

JapaneseReadingRecord CalculateJapaneseReading(const JapanesePerson& user, const JapanesePerson& partner)
{
    JapaneseReadingRecord reading;
    reading.UserName = user.name;
    reading.PartnerName = partner.name;
    reading.UserBloodType = bloodTypeText(user.bloodType);
    reading.PartnerBloodType = bloodTypeText(partner.bloodType);
    reading.UserGroup = GetBloodGroup(user.bloodType);
    reading.PartnerGroup = GetBloodGroup(partner.bloodType);
    reading.UserProfile = profileOf(reading.UserGroup);
    reading.PartnerProfile = profileOf(reading.PartnerGroup);
    reading.MatchLabel = GetMatchLabel(user.bloodType, partner.bloodType);
    return reading;
}

} // namespace velmora::bloodtype
