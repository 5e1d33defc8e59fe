#pragma once

#include "egyptian/Lookups.h"
#include "kit/BirthDate.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// One Egyptian calculation as a record: what the entry window hands to the
// result window, and everything a reading shows.
namespace velmora::egyptian {

// One person's half of the reading. A date that does not exist has no sign,
// and then its sign name and every profile field are empty.
struct EgyptianPersonReading {
    std::u16string Name;
    std::chrono::year_month_day BirthDate;
    std::optional<EgyptianSign> Sign;
    std::string_view SignName;
    EgyptianProfile Profile{};
};

// Both people and the pair's verdict. The verdict is directed: `Verdict`
// consults the user's compatible signs and is the one the result window
// shows; `PartnerVerdict` consults the partner's. Both are empty unless both
// people have a sign. Every looked-up text points into the constant tables.
struct EgyptianReadingRecord {
    EgyptianPersonReading User;
    EgyptianPersonReading Partner;
    std::string_view Verdict;
    std::string_view PartnerVerdict;
};

// Looks up both signs (by month and day alone), both profiles and the
// verdict in both directions.
EgyptianReadingRecord CalculateEgyptianReading(const kit::BirthDetails& user, const kit::BirthDetails& partner);

} // namespace velmora::egyptian
