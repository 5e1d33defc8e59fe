#pragma once

#include "chinese/Lookups.h"
#include "kit/BirthDate.h"

#include <string>
#include <string_view>

namespace velmora::chinese {

// One Chinese reading: both people as entered, and every text the result
// window and the report show, each pointing into the constant tables.
struct ChineseReadingRecord {
    std::u16string UserName;
    std::u16string PartnerName;
    std::chrono::year_month_day UserDate;
    std::chrono::year_month_day PartnerDate;
    std::string_view UserAnimal;
    std::string_view PartnerAnimal;
    std::string_view UserElement;
    std::string_view PartnerElement;
    std::string_view UserElementReading;
    std::string_view PartnerElementReading;
    AnimalProfile UserProfile{};
    AnimalProfile PartnerProfile{};
    int CompatibilityNumber = 0;
    std::string_view Percentage;
    std::string_view Rating;
    std::string_view MatchingDescription;
};

// Runs every lookup for the two people, in the order the reading is built:
// both animals, both elements, both profiles, both element readings, then
// the pair's number, description, percentage and rating.
ChineseReadingRecord CalculateChineseReading(const kit::BirthDetails& user, const kit::BirthDetails& partner);

} // namespace velmora::chinese
