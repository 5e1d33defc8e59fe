#include "egyptian/EgyptianReading.h"

namespace velmora::egyptian {
namespace {

EgyptianPersonReading readingOf(const kit::BirthDetails& person)
{
    EgyptianPersonReading reading;
    reading.Name = person.name;
    reading.BirthDate = person.birthDate;
    const std::chrono::year_month_day& date = person.birthDate;
    // The sign goes by month and day, but only a date that exists has one:
    // 29 February of a year without it is no date of birth.
    if (!date.ok())
        return reading;
    reading.Sign = FindEgyptianSign(date);
    if (reading.Sign) {
        reading.SignName = DisplayName(*reading.Sign);
        reading.Profile = GetEgyptianProfile(*reading.Sign);
    }
    return reading;
}

} // namespace

EgyptianReadingRecord CalculateEgyptianReading(const kit::BirthDetails& user, const kit::BirthDetails& partner)
{
    EgyptianReadingRecord record;
    record.User = readingOf(user);
    record.Partner = readingOf(partner);
    if (record.User.Sign && record.Partner.Sign) {
        record.Verdict = EgyptianPairVerdict(*record.User.Sign, *record.Partner.Sign);
        record.PartnerVerdict = EgyptianPairVerdict(*record.Partner.Sign, *record.User.Sign);
    }
    return record;
}

} // namespace velmora::egyptian
