#include "EgyptianReading.h"

namespace velmora::egyptian {
namespace {

namespace mec = modegyptianCompatibility;

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
    reading.Sign = mec::FindEgyptianSign(static_cast<int>(static_cast<unsigned>(date.month())),
                                         static_cast<int>(static_cast<unsigned>(date.day())));
    if (reading.Sign) {
        reading.SignName = mec::DisplayName(*reading.Sign);
        reading.Profile = mec::GetEgyptianProfile(*reading.Sign);
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
        record.Verdict = mec::EgyptianPairVerdict(*record.User.Sign, *record.Partner.Sign);
        record.PartnerVerdict = mec::EgyptianPairVerdict(*record.Partner.Sign, *record.User.Sign);
    }
    return record;
}

} // namespace velmora::egyptian
