#pragma once

#include "kit/BirthDate.h"
#include "western/Lookups.h"
#include "western/SavedReadingFile.h"

#include <chrono>
#include <string>
#include <string_view>

namespace velmora::western {

// One Western reading: the two people as entered, their sun signs and sign
// profiles, and the reading of the pair (the user's sign first). Names are
// trimmed; every looked-up text points into the constant tables. A sign that
// could not be found is empty, and so are its profile and the pair.
struct WesternReadingRecord {
    std::u16string UserName;
    std::chrono::year_month_day UserBirthDate;
    std::u16string PartnerName;
    std::chrono::year_month_day PartnerBirthDate;
    std::string_view UserSign;
    std::string_view PartnerSign;
    SignProfile UserProfile{};
    SignProfile PartnerProfile{};
    PairResult Pair{};
};

// Both sun signs, both profiles and the pair's reading for two people.
WesternReadingRecord CalculateWesternReading(const kit::BirthDetails& user, const kit::BirthDetails& partner);

// The eight entries of the reading in the order the saved-reading file holds
// them: each person's name, month, day and year, the user first.
ReadingLines SavedReadingLines(const WesternReadingRecord& reading);

} // namespace velmora::western
