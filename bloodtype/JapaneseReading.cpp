#include "JapaneseReading.h"

namespace velmora::bloodtype {
namespace {

namespace mjc = modJapaneseCompatibility;

std::string_view bloodTypeText(int position)
{
    if (!mjc::GetBloodGroup(position))
        return {};
    return mjc::kBloodTypes[static_cast<std::size_t>(position)];
}

mjc::PersonalityProfile profileOf(std::optional<mjc::BloodGroup> group)
{
    return group ? mjc::GetPersonalityProfile(*group) : mjc::PersonalityProfile{};
}

} // namespace

JapaneseReadingRecord CalculateJapaneseReading(const JapanesePerson& user, const JapanesePerson& partner)
{
    JapaneseReadingRecord reading;
    reading.UserName = user.name;
    reading.PartnerName = partner.name;
    reading.UserBloodType = bloodTypeText(user.bloodType);
    reading.PartnerBloodType = bloodTypeText(partner.bloodType);
    reading.UserGroup = mjc::GetBloodGroup(user.bloodType);
    reading.PartnerGroup = mjc::GetBloodGroup(partner.bloodType);
    reading.UserProfile = profileOf(reading.UserGroup);
    reading.PartnerProfile = profileOf(reading.PartnerGroup);
    reading.MatchLabel = mjc::GetMatchLabel(user.bloodType, partner.bloodType);
    return reading;
}

} // namespace velmora::bloodtype
