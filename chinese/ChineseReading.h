#pragma once

#include "modchinesezodiac.h"

#include <QString>

#include <chrono>
#include <string_view>

namespace velmora::chinese {

// One person as the entry window hands them over: the name as typed, the
// birth date as the lists show it ("5 March 1980") and as a calendar date.
struct PersonEntry {
    QString name;
    QString dateText;
    std::chrono::year_month_day date;
};

// The last Chinese calculation. The entry window replaces it as a whole on
// every successful Proceed; the result and report windows read it. Names are
// trimmed; every looked-up text points into the constant tables.
struct ChineseReadingRecord {
    QString UserName;
    QString UserDate;
    QString PartnerName;
    QString PartnerDate;
    std::string_view UserAnimal;
    std::string_view PartnerAnimal;
    std::string_view UserElement;
    std::string_view PartnerElement;
    std::string_view UserElementReading;
    std::string_view PartnerElementReading;
    modchinesezodiac::AnimalProfile UserProfile{};
    modchinesezodiac::AnimalProfile PartnerProfile{};
    int CompatibilityNumber = 0;
    std::string_view Percentage;
    std::string_view Rating;
    std::string_view MatchingDescription;
};

ChineseReadingRecord& ChineseReading();

// Runs every lookup for the two people, in the order the reading is built:
// both animals, both elements, both profiles, both element readings, then
// the pair's number, description, percentage and rating.
ChineseReadingRecord CalculateChineseReading(const PersonEntry& user, const PersonEntry& partner);

} // namespace velmora::chinese
